// The news descriptions' filter on any bytes: its output must always be a
// well-formed fragment made only of the elements and attributes it keeps,
// with web addresses only.
#include "export/NewsMarkup.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool Starts(const xmlChar* value, const char* prefix) {
  return value && strncasecmp(reinterpret_cast<const char*>(value), prefix, std::strlen(prefix)) == 0;
}

void Check(const xmlNode* node) {
  static const char* const kept[] = {"p", "br", "b", "strong", "i", "em", "u", "ul", "ol", "li", "a", "img"};
  for (; node; node = node->next) {
    if (node->type == XML_TEXT_NODE) continue;
    if (node->type != XML_ELEMENT_NODE) std::abort();
    const char* name = reinterpret_cast<const char*>(node->name);
    bool known = false;
    for (const char* k : kept) known = known || std::strcmp(name, k) == 0;
    if (!known) std::abort();
    for (const xmlAttr* attribute = node->properties; attribute; attribute = attribute->next) {
      const std::string a = reinterpret_cast<const char*>(attribute->name);
      xmlChar* value = xmlNodeGetContent(reinterpret_cast<const xmlNode*>(attribute));
      const bool address = (a == "href" && std::strcmp(name, "a") == 0) ||
                           (a == "src" && std::strcmp(name, "img") == 0);
      const bool ok = address ? Starts(value, "http://") || Starts(value, "https://")
                              : a == "alt" && std::strcmp(name, "img") == 0;
      xmlFree(value);
      if (!ok) std::abort();
    }
    Check(node->children);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string fragment =
      "<f>" + NewsMarkup::Sanitize(std::string(reinterpret_cast<const char*>(data), size)) + "</f>";
  xmlDoc* doc = xmlReadMemory(fragment.data(), static_cast<int>(fragment.size()), nullptr, "UTF-8",
                              XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  if (!doc) std::abort();
  Check(xmlDocGetRootElement(doc)->children);
  xmlFreeDoc(doc);
  return 0;
}
