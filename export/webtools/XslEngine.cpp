// The libxml2 and libxslt side of XslTransform, in the web tools module.
#include "export/XslTransform.h"
#include "export/webtools/WebToolsApi.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xslt.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <cstdarg>
#include <cstdio>
#include <memory>

namespace {

constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOWARNING;

// The libraries report through global handlers: collected here for one call.
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
  std::string Message(const std::string& fallback) const {
    std::string m = text;
    while (!m.empty() && (m.back() == '\n' || m.back() == ' ')) m.pop_back();
    return m.empty() ? fallback : m;
  }
};

struct DocFree { void operator()(xmlDoc* d) const { xmlFreeDoc(d); } };
struct StyleFree { void operator()(xsltStylesheet* s) const { xsltFreeStylesheet(s); } };
struct SecurityFree { void operator()(xsltSecurityPrefs* p) const { xsltFreeSecurityPrefs(p); } };
using DocPtr = std::unique_ptr<xmlDoc, DocFree>;

DocPtr ParseBytes(const std::string& bytes, const std::string& path, const char* encoding) {
  xmlInitParser();
  return DocPtr(xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), path.c_str(), encoding,
                              kParseOptions));
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

bool WellFormedImpl(const std::string& bytes, std::string* error) {
  ErrorSink sink;
  DocPtr doc = ParseBytes(bytes, "document.xml", nullptr);
  if (!doc && error) *error = sink.Message("not well-formed");
  return doc != nullptr;
}

std::string StylesheetOfImpl(const std::string& documentBytes, const std::string& documentPath,
                             std::string* error) {
  ErrorSink sink;
  DocPtr doc = ParseBytes(documentBytes, documentPath, nullptr);
  if (!doc) {
    if (error) *error = sink.Message("the document cannot be read");
    return std::string();
  }
  for (xmlNode* node = doc->children; node; node = node->next) {
    if (node->type != XML_PI_NODE || !node->name ||
        std::string(reinterpret_cast<const char*>(node->name)) != "xml-stylesheet")
      continue;
    std::string href =
        PseudoAttribute(node->content ? reinterpret_cast<const char*>(node->content) : "", "href");
    if (href.empty()) continue;
    if (href.rfind("file://", 0) == 0) href = href.substr(7);
    if (!href.empty() && href[0] != '/') href = Folder(documentPath) + href;
    return href;
  }
  return std::string();
}

XslResult ApplyImpl(const std::string& documentBytes, const std::string& documentPath,
                    const std::string& stylesheetPath, const std::string& forcedEncoding) {
  XslResult result;
  ErrorSink sink;
  DocPtr doc = ParseBytes(documentBytes, documentPath,
                          forcedEncoding.empty() ? nullptr : forcedEncoding.c_str());
  if (!doc) {
    result.error = sink.Message("the document is not well-formed XML");
    return result;
  }
  DocPtr styleDoc(xmlReadFile(stylesheetPath.c_str(), nullptr, kParseOptions));
  if (!styleDoc) {
    result.error = sink.Message("the stylesheet " + stylesheetPath + " cannot be read");
    return result;
  }
  std::unique_ptr<xsltStylesheet, StyleFree> style(xsltParseStylesheetDoc(styleDoc.get()));
  if (!style) {
    result.error = sink.Message("the stylesheet " + stylesheetPath + " is not valid XSLT");
    return result;
  }
  styleDoc.release();  // the stylesheet owns it now

  // A page never reaches the network or writes files.
  std::unique_ptr<xsltSecurityPrefs, SecurityFree> security(xsltNewSecurityPrefs());
  for (xsltSecurityOption option : {XSLT_SECPREF_WRITE_FILE, XSLT_SECPREF_CREATE_DIRECTORY,
                                    XSLT_SECPREF_READ_NETWORK, XSLT_SECPREF_WRITE_NETWORK})
    xsltSetSecurityPrefs(security.get(), option, xsltSecurityForbid);
  xsltTransformContext* context = xsltNewTransformContext(style.get(), doc.get());
  if (!context) {
    result.error = sink.Message("the transformation cannot start");
    return result;
  }
  xsltSetCtxtSecurityPrefs(security.get(), context);
  DocPtr out(xsltApplyStylesheetUser(style.get(), doc.get(), nullptr, nullptr, nullptr, context));
  const bool failed = context->state != XSLT_STATE_OK;
  xsltFreeTransformContext(context);
  if (!out || failed) {
    result.error = sink.Message("the transformation failed");
    return result;
  }

  // Written in UTF-8 whatever the stylesheet asks: the web view and the
  // saved page then need no other encoding.
  xmlFree(const_cast<xmlChar*>(style->encoding));
  style->encoding = xmlStrdup(reinterpret_cast<const xmlChar*>("UTF-8"));
  xmlChar* bytes = nullptr;
  int length = 0;
  if (xsltSaveResultToString(&bytes, &length, out.get(), style.get()) != 0) {
    result.error = sink.Message("the page cannot be written");
    return result;
  }
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

QUILLORY_WEBTOOLS_EXPORT void QuilloryXslApply(const std::string* bytes, const std::string* path,
                                               const std::string* stylesheet,
                                               const std::string* encoding, XslResult* result) {
  *result = ApplyImpl(*bytes, *path, *stylesheet, *encoding);
}
