// The libxml2 and libxslt side of XslTransform, in the web tools module.
#include "export/NewsMarkup.h"
#include "export/XslTransform.h"
#include "export/webtools/WebToolsApi.h"

#include <libexslt/exslt.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/uri.h>
#include <libxml/xmlerror.h>
#include <libxml/xpathInternals.h>
#include <libxslt/extensions.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/variables.h>
#include <libxslt/xslt.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <cstdarg>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>

namespace {

// No network, no external DTD or entity; entity references are kept as
// references (their expansion is bounded below).
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOWARNING;

// The libraries report through handlers of the calling thread: collected here
// for one call.
struct ErrorSink {
  std::string text;
  ErrorSink() {
    xmlSetGenericErrorFunc(this, &ErrorSink::Collect);
    xsltSetGenericErrorFunc(this, &ErrorSink::Collect);
  }
  ~ErrorSink() {
    xmlSetGenericErrorFunc(nullptr, nullptr);
    xsltSetGenericErrorFunc(nullptr, nullptr);
  }
  static void Collect(void* context, const char* format, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    auto* sink = static_cast<ErrorSink*>(context);
    if (sink->text.size() < 4000) sink->text += buffer;
  }
  // The first message's line: the parser's next lines quote the document.
  std::string Text() const {
    std::string m = text.substr(0, text.find('\n'));
    while (!m.empty() && m.back() == ' ') m.pop_back();
    return m;
  }
};

struct DocFree { void operator()(xmlDoc* d) const { xmlFreeDoc(d); } };
struct StyleFree { void operator()(xsltStylesheet* s) const { xsltFreeStylesheet(s); } };
struct SecurityFree { void operator()(xsltSecurityPrefs* p) const { xsltFreeSecurityPrefs(p); } };
using DocPtr = std::unique_ptr<xmlDoc, DocFree>;

XslResult Failed(XslFailure failure, const ErrorSink& sink) {
  XslResult result;
  result.failure = failure;
  result.detail = sink.Text();
  return result;
}

// The bytes entity references add to a document, counted without expanding
// them: an entity's size is that of its replacement text, its own
// references counted in turn (once per entity).
class EntityBudget {
 public:
  EntityBudget(xmlDoc* doc, std::size_t budget) : m_doc(doc), m_budget(budget) {}

  bool Holds() {
    Walk(m_doc->children, 0);
    return m_total <= m_budget;
  }
  std::size_t Total() const { return m_total; }

 private:
  void Add(std::size_t bytes) { m_total = std::min(m_total + bytes, m_budget + 1); }

  void Walk(xmlNode* node, int depth) {
    for (; node && m_total <= m_budget; node = node->next) {
      if (node->type == XML_ENTITY_REF_NODE) {
        Add(SizeOf(xmlGetDocEntity(m_doc, node->name), 0));
        continue;  // its children are the entity's own nodes
      }
      if (node->type == XML_DTD_NODE || depth > 512) continue;
      if (node->type == XML_ELEMENT_NODE)
        for (xmlAttr* attribute = node->properties; attribute; attribute = attribute->next)
          Walk(attribute->children, depth + 1);
      Walk(node->children, depth + 1);
    }
  }

  std::size_t SizeOf(xmlEntity* entity, int depth) {
    if (!entity) return 0;
    if (entity->etype == XML_INTERNAL_PREDEFINED_ENTITY) return 1;
    if (entity->etype != XML_INTERNAL_GENERAL_ENTITY || !entity->content) return 0;
    auto known = m_sizes.find(entity);
    if (known != m_sizes.end()) return known->second;
    if (depth > 40) return m_budget + 1;  // the parser refuses loops; this is deep enough
    const std::string content(reinterpret_cast<const char*>(entity->content));
    std::size_t size = 0;
    for (std::size_t at = 0; at < content.size() && size <= m_budget;) {
      const std::size_t amp = content.find('&', at);
      if (amp == std::string::npos) {
        size += content.size() - at;
        break;
      }
      size += amp - at;
      const std::size_t semicolon = content.find(';', amp);
      if (semicolon == std::string::npos) break;
      if (content[amp + 1] == '#') {
        size += 4;  // one character
      } else {
        const std::string name = content.substr(amp + 1, semicolon - amp - 1);
        size += SizeOf(xmlGetDocEntity(m_doc, reinterpret_cast<const xmlChar*>(name.c_str())),
                       depth + 1);
      }
      at = semicolon + 1;
    }
    size = std::min(size, m_budget + 1);
    m_sizes[entity] = size;
    return size;
  }

  xmlDoc* m_doc;
  std::size_t m_budget;
  std::size_t m_total = 0;
  std::map<xmlEntity*, std::size_t> m_sizes;
};

// safe-markup(text): the nodes of a description reduced to harmless markup.
void SafeMarkup(xmlXPathParserContext* context, int arguments) {
  if (arguments != 1) {
    xmlXPathSetArityError(context);
    return;
  }
  xmlChar* text = xmlXPathPopString(context);
  const std::string fragment =
      "<f>" + NewsMarkup::Sanitize(text ? reinterpret_cast<const char*>(text) : "") + "</f>";
  xmlFree(text);
  xmlXPathObject* nodes = xmlXPathNewNodeSet(nullptr);
  xsltTransformContext* transform = xsltXPathGetTransformContext(context);
  xmlDoc* container = transform ? xsltCreateRVT(transform) : nullptr;
  if (container) {
    xsltRegisterLocalRVT(transform, container);
    DocPtr parsed(xmlReadMemory(fragment.data(), static_cast<int>(fragment.size()), nullptr,
                                "UTF-8", kParseOptions | XML_PARSE_NOERROR));
    xmlNode* root = parsed ? xmlDocGetRootElement(parsed.get()) : nullptr;
    for (xmlNode* node = root ? root->children : nullptr; node; node = node->next)
      xmlAddChild(reinterpret_cast<xmlNode*>(container), xmlDocCopyNode(node, container, 1));
    for (xmlNode* node = container->children; node; node = node->next)
      xmlXPathNodeSetAddUnique(nodes->nodesetval, node);
  }
  valuePush(context, nodes);
}

void InitOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    xmlInitParser();
    exsltStrRegister();  // str:encode-uri, for the covers' addresses
    xsltRegisterExtModuleFunction(reinterpret_cast<const xmlChar*>("safe-markup"),
                                  reinterpret_cast<const xmlChar*>(XslTransform::FUNCTIONS_NAMESPACE),
                                  &SafeMarkup);
  });
}

// Parses within the bounds; on failure the result says why.
DocPtr ParseBytes(const std::string& bytes, const std::string& path, const char* encoding,
                  const ErrorSink& sink, XslResult& failure) {
  InitOnce();
  DocPtr doc(xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), path.c_str(), encoding,
                           kParseOptions));
  if (!doc) {
    failure = Failed(XslFailure::Document, sink);
    return nullptr;
  }
  EntityBudget budget(doc.get(), XslTransform::ENTITY_BUDGET);
  if (!budget.Holds()) {
    failure = Failed(XslFailure::Entities, sink);
    failure.detail = "entity references add more than " +
                     std::to_string(XslTransform::ENTITY_BUDGET) + " bytes";
    return nullptr;
  }
  return doc;
}

std::string Folder(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The value of pseudo-attribute `name` in a processing instruction's text.
std::string PseudoAttribute(const std::string& text, const std::string& name) {
  std::size_t at = 0;
  while ((at = text.find(name, at)) != std::string::npos) {
    std::size_t p = at + name.size();
    bool startsWord = at == 0 || text[at - 1] == ' ' || text[at - 1] == '\t' ||
                      text[at - 1] == '\n' || text[at - 1] == '\r';
    while (p < text.size() && (text[p] == ' ' || text[p] == '\t')) ++p;
    if (startsWord && p < text.size() && text[p] == '=') {
      ++p;
      while (p < text.size() && (text[p] == ' ' || text[p] == '\t')) ++p;
      if (p < text.size() && (text[p] == '"' || text[p] == '\'')) {
        std::size_t end = text.find(text[p], p + 1);
        if (end != std::string::npos) return text.substr(p + 1, end - p - 1);
      }
    }
    at = p;
  }
  return std::string();
}

// "%C3%A9" as the bytes it stands for.
std::string Unescape(const std::string& text) {
  char* raw = xmlURIUnescapeString(text.c_str(), static_cast<int>(text.size()), nullptr);
  std::string out = raw ? raw : text;
  xmlFree(raw);
  return out;
}

bool WellFormedImpl(const std::string& bytes, std::string* error) {
  ErrorSink sink;
  XslResult failure;
  DocPtr doc = ParseBytes(bytes, "document.xml", nullptr, sink, failure);
  if (!doc && error) *error = failure.detail;
  return doc != nullptr;
}

std::string StylesheetOfImpl(const std::string& documentBytes, const std::string& documentPath,
                             std::string* error) {
  ErrorSink sink;
  XslResult failure;
  DocPtr doc = ParseBytes(documentBytes, documentPath, nullptr, sink, failure);
  if (!doc) {
    if (error) *error = failure.detail;
    return std::string();
  }
  for (xmlNode* node = doc->children; node; node = node->next) {
    if (node->type != XML_PI_NODE || !node->name ||
        std::string(reinterpret_cast<const char*>(node->name)) != "xml-stylesheet")
      continue;
    std::string href =
        PseudoAttribute(node->content ? reinterpret_cast<const char*>(node->content) : "", "href");
    if (href.empty()) continue;
    if (href.rfind("file://", 0) == 0) href = Unescape(href.substr(7));
    if (!href.empty() && href[0] != '/') href = Folder(documentPath) + href;
    return href;
  }
  return std::string();
}

XslResult WithStylesheetImpl(const std::string& bytes, const std::string& href) {
  ErrorSink sink;
  XslResult result;
  DocPtr doc = ParseBytes(bytes, "feed.xml", nullptr, sink, result);
  if (!doc) return result;
  xmlNode* root = xmlDocGetRootElement(doc.get());
  const std::string instruction = "type=\"text/xsl\" href=\"" + href + "\"";
  xmlNode* pi = xmlNewDocPI(doc.get(), reinterpret_cast<const xmlChar*>("xml-stylesheet"),
                            reinterpret_cast<const xmlChar*>(instruction.c_str()));
  if (!root || !pi || !xmlAddPrevSibling(root, pi)) {
    xmlFreeNode(pi);
    return Failed(XslFailure::Output, sink);
  }
  xmlChar* out = nullptr;
  int length = 0;
  xmlDocDumpMemoryEnc(doc.get(), &out, &length, "UTF-8");
  if (!out) return Failed(XslFailure::Output, sink);
  result.html.assign(reinterpret_cast<const char*>(out), static_cast<std::size_t>(length));
  xmlFree(out);
  result.ok = true;
  return result;
}

XslResult ApplyImpl(const std::string& documentBytes, const std::string& documentPath,
                    const std::string& stylesheetPath, const std::string& forcedEncoding) {
  XslResult result;
  ErrorSink sink;
  DocPtr doc = ParseBytes(documentBytes, documentPath,
                          forcedEncoding.empty() ? nullptr : forcedEncoding.c_str(), sink, result);
  if (!doc) return result;
  DocPtr styleDoc(xmlReadFile(stylesheetPath.c_str(), nullptr, kParseOptions));
  if (!styleDoc) return Failed(XslFailure::Stylesheet, sink);
  std::unique_ptr<xsltStylesheet, StyleFree> style(xsltParseStylesheetDoc(styleDoc.get()));
  if (!style) return Failed(XslFailure::StylesheetInvalid, sink);
  styleDoc.release();  // the stylesheet owns it now

  // A page never reaches the network or writes files.
  std::unique_ptr<xsltSecurityPrefs, SecurityFree> security(xsltNewSecurityPrefs());
  for (xsltSecurityOption option : {XSLT_SECPREF_WRITE_FILE, XSLT_SECPREF_CREATE_DIRECTORY,
                                    XSLT_SECPREF_READ_NETWORK, XSLT_SECPREF_WRITE_NETWORK})
    xsltSetSecurityPrefs(security.get(), option, xsltSecurityForbid);
  xsltTransformContext* context = xsltNewTransformContext(style.get(), doc.get());
  if (!context) return Failed(XslFailure::Transform, sink);
  xsltSetCtxtSecurityPrefs(security.get(), context);
  DocPtr out(xsltApplyStylesheetUser(style.get(), doc.get(), nullptr, nullptr, nullptr, context));
  const bool failed = context->state != XSLT_STATE_OK;
  xsltFreeTransformContext(context);
  if (!out || failed) return Failed(XslFailure::Transform, sink);

  // Written in UTF-8 whatever the stylesheet asks: the web view and the
  // saved page then need no other encoding.
  xmlFree(const_cast<xmlChar*>(style->encoding));
  style->encoding = xmlStrdup(reinterpret_cast<const xmlChar*>("UTF-8"));
  xmlChar* bytes = nullptr;
  int length = 0;
  if (xsltSaveResultToString(&bytes, &length, out.get(), style.get()) != 0)
    return Failed(XslFailure::Output, sink);
  if (bytes) result.html.assign(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
  xmlFree(bytes);
  result.ok = true;
  return result;
}

}  // namespace

QUILLORY_WEBTOOLS_EXPORT bool QuilloryXslWellFormed(const std::string* bytes, std::string* error) {
  return WellFormedImpl(*bytes, error);
}

QUILLORY_WEBTOOLS_EXPORT void QuilloryXslStylesheetOf(const std::string* bytes,
                                                      const std::string* path, std::string* href,
                                                      std::string* error) {
  *href = StylesheetOfImpl(*bytes, *path, error);
}

QUILLORY_WEBTOOLS_EXPORT void QuilloryXslWithStylesheet(const std::string* bytes,
                                                        const std::string* href, XslResult* result) {
  *result = WithStylesheetImpl(*bytes, *href);
}

QUILLORY_WEBTOOLS_EXPORT void QuilloryXslApply(const std::string* bytes, const std::string* path,
                                               const std::string* stylesheet,
                                               const std::string* encoding, XslResult* result) {
  *result = ApplyImpl(*bytes, *path, *stylesheet, *encoding);
}
