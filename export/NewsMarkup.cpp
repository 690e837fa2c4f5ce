#include "export/NewsMarkup.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr std::size_t kMostOpen = 64;

// The elements kept, with the attributes each may keep.
constexpr const char* kKept[] = {"p", "br", "b", "strong", "i", "em", "u", "ul", "ol", "li", "a", "img"};
constexpr const char* kVoid[] = {"br", "img", "hr", "input", "meta", "link", "base", "area", "col",
                                 "embed", "param", "source", "track", "wbr", "keygen", "frame"};
// Elements whose content is code or a document of its own, not text: they go
// with everything in them. The first ones are raw text to an HTML parser (no
// markup inside), the others hold markup.
constexpr const char* kRawText[] = {"script", "style", "textarea", "title", "xmp", "iframe",
                                    "noembed", "noframes", "noscript"};
constexpr const char* kDropped[] = {"object", "applet", "svg", "math", "template", "select",
                                    "head", "frameset", "video", "audio", "canvas", "map",
                                    "button", "datalist"};
// Elements that start a block: dropped, they still part the words around.
constexpr const char* kBlocks[] = {"div", "h1", "h2", "h3", "h4", "h5", "h6", "blockquote", "pre",
                                   "table", "tr", "td", "th", "section", "article", "header",
                                   "footer", "dl", "dt", "dd", "hr", "center", "address",
                                   "figure", "figcaption", "form", "nav", "aside", "main"};

template <std::size_t N>
bool IsIn(const std::string& name, const char* const (&list)[N]) {
  return std::any_of(std::begin(list), std::end(list),
                     [&name](const char* entry) { return name == entry; });
}

// Named character references: those of Latin-1 (&nbsp; to &yuml;, in code
// order) and the usual typographic ones.
constexpr const char* kLatin1Names[96] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",
    "uml",    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",
    "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",  "para",   "middot",
    "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest",
    "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",
    "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",
    "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",
    "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

struct NamedCharacter {
  const char* name;
  char32_t code;
};
constexpr NamedCharacter kOtherNames[] = {
    {"amp", '&'},       {"lt", '<'},         {"gt", '>'},         {"quot", '"'},
    {"apos", '\''},     {"euro", 0x20AC},    {"OElig", 0x152},    {"oelig", 0x153},
    {"Scaron", 0x160},  {"scaron", 0x161},   {"Yuml", 0x178},     {"fnof", 0x192},
    {"circ", 0x2C6},    {"tilde", 0x2DC},    {"ensp", 0x2002},    {"emsp", 0x2003},
    {"thinsp", 0x2009}, {"zwnj", 0x200C},    {"zwj", 0x200D},     {"lrm", 0x200E},
    {"rlm", 0x200F},    {"ndash", 0x2013},   {"mdash", 0x2014},   {"lsquo", 0x2018},
    {"rsquo", 0x2019},  {"sbquo", 0x201A},   {"ldquo", 0x201C},   {"rdquo", 0x201D},
    {"bdquo", 0x201E},  {"dagger", 0x2020},  {"Dagger", 0x2021},  {"bull", 0x2022},
    {"hellip", 0x2026}, {"permil", 0x2030},  {"lsaquo", 0x2039},  {"rsaquo", 0x203A},
    {"trade", 0x2122}};

char32_t NamedCharacterCode(const std::string& name) {
  for (int i = 0; i < 96; ++i)
    if (name == kLatin1Names[i]) return 0xA0 + i;
  for (const NamedCharacter& named : kOtherNames)
    if (name == named.name) return named.code;
  return 0;
}

// Whether XML 1.0 can hold the character.
bool XmlCanHold(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

void AppendUtf8(std::string& out, char32_t c) {
  if (!XmlCanHold(c)) c = kReplacement;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The character starting at `at` (moving past it); U+FFFD for a byte that
// does not start a well-formed UTF-8 sequence.
char32_t NextCharacter(std::string_view text, std::size_t& at) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  int length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                                 : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
  if (length == 0 || at + length > text.size()) {
    ++at;
    return kReplacement;
  }
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) {
      ++at;
      return kReplacement;
    }
    c = (c << 6) | (byte(at + i) & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++at;
    return kReplacement;
  }
  at += length;
  return c;
}

// HTML text: character references decoded, everything else as it is.
std::string DecodeText(std::string_view text) {
  std::string out;
  std::size_t at = 0;
  while (at < text.size()) {
    if (text[at] != '&') {
      AppendUtf8(out, NextCharacter(text, at));
      continue;
    }
    const std::size_t end = text.find(';', at);
    const std::size_t nameLength = end == std::string_view::npos ? 0 : end - at - 1;
    char32_t code = 0;
    if (nameLength >= 2 && nameLength <= 10 && text[at + 1] == '#') {
      const bool hex = text[at + 2] == 'x' || text[at + 2] == 'X';
      const std::string digits(text.substr(at + (hex ? 3 : 2), nameLength - (hex ? 2 : 1)));
      const char* valid = hex ? "0123456789abcdefABCDEF" : "0123456789";
      if (!digits.empty() && digits.find_first_not_of(valid) == std::string::npos) {
        const unsigned long value = std::stoul(digits, nullptr, hex ? 16 : 10);
        code = value == 0 || value > 0x10FFFF ? kReplacement : static_cast<char32_t>(value);
      }
    } else if (nameLength >= 2 && nameLength <= 8) {
      code = NamedCharacterCode(std::string(text.substr(at + 1, nameLength)));
    }
    if (code == 0) {  // not a reference: the ampersand is text
      out += '&';
      ++at;
      continue;
    }
    AppendUtf8(out, code);
    at = end + 1;
  }
  return out;
}

std::string EscapeXml(const std::string& text, bool inAttribute) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += inAttribute ? "&quot;" : "\""; break;
      default: out += c;
    }
  }
  return out;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// An address the page may use: http or https and absolute, once the
// characters a browser ignores in it (white space and controls at its ends,
// tabs and line ends inside) are gone; empty otherwise.
std::string WebAddress(const std::string& decoded) {
  std::string url;
  for (char c : decoded)
    if (c != '\t' && c != '\n' && c != '\r') url += c;
  const auto isEdge = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!url.empty() && isEdge(url.front())) url.erase(url.begin());
  while (!url.empty() && isEdge(url.back())) url.pop_back();
  const std::string scheme = Lower(url.substr(0, 8));
  const std::size_t rest = scheme.rfind("http://", 0) == 0 ? 7 : scheme.rfind("https://", 0) == 0 ? 8 : 0;
  if (rest == 0 || url.size() == rest || url[rest] == '/' || url[rest] == '\\') return std::string();
  if (std::any_of(url.begin(), url.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
    return std::string();
  return url;
}

struct Tag {
  std::string name;
  bool closing = false;
  std::vector<std::pair<std::string, std::string>> attributes;  // names lower case, values decoded
};

class Sanitizer {
 public:
  explicit Sanitizer(std::string_view html) : m_html(html) {}

  std::string Run() {
    while (m_at < m_html.size()) {
      const std::size_t lt = m_html.find('<', m_at);
      Text(m_html.substr(m_at, lt == std::string_view::npos ? std::string_view::npos : lt - m_at));
      if (lt == std::string_view::npos) break;
      m_at = lt;
      Markup();
    }
    while (!m_open.empty()) CloseTop();
    return m_out;
  }

 private:
  void Text(std::string_view text) {
    if (!text.empty()) m_out += EscapeXml(DecodeText(text), false);
  }

  // At a '<': a tag, a comment, a declaration, or a plain '<'.
  void Markup() {
    const std::string_view rest = m_html.substr(m_at);
    if (rest.rfind("<!--", 0) == 0) {
      const std::size_t end = m_html.find("-->", m_at + 4);
      m_at = end == std::string_view::npos ? m_html.size() : end + 3;
      return;
    }
    const bool closing = rest.size() > 1 && rest[1] == '/';
    const std::size_t nameAt = closing ? 2 : 1;
    const bool letter = rest.size() > nameAt &&
                        ((rest[nameAt] >= 'a' && rest[nameAt] <= 'z') ||
                         (rest[nameAt] >= 'A' && rest[nameAt] <= 'Z'));
    if (!letter) {
      if (rest.size() > 1 && (rest[1] == '!' || rest[1] == '?' || closing)) {
        // A declaration, an instruction or a broken end tag: skipped.
        const std::size_t end = m_html.find('>', m_at);
        m_at = end == std::string_view::npos ? m_html.size() : end + 1;
      } else {
        m_out += "&lt;";
        ++m_at;
      }
      return;
    }
    Tag tag;
    tag.closing = closing;
    if (!ReadTag(tag, m_at + nameAt)) {
      m_at = m_html.size();  // a tag cut off at the end: dropped
      return;
    }
    Apply(tag);
  }

  // Reads the tag's name and attributes from `at`; m_at moves past its '>'.
  bool ReadTag(Tag& tag, std::size_t at) {
    std::size_t p = at;
    while (p < m_html.size() && !IsSpace(m_html[p]) && m_html[p] != '/' && m_html[p] != '>') ++p;
    tag.name = Lower(m_html.substr(at, p - at));
    while (true) {
      while (p < m_html.size() && (IsSpace(m_html[p]) || m_html[p] == '/')) ++p;
      if (p >= m_html.size()) return false;
      if (m_html[p] == '>') {
        m_at = p + 1;
        return true;
      }
      const std::size_t nameStart = p;
      while (p < m_html.size() && !IsSpace(m_html[p]) && m_html[p] != '/' && m_html[p] != '>' &&
             (m_html[p] != '=' || p == nameStart))
        ++p;
      std::string name = Lower(m_html.substr(nameStart, p - nameStart));
      std::size_t q = p;
      while (q < m_html.size() && IsSpace(m_html[q])) ++q;
      std::string value;
      if (q < m_html.size() && m_html[q] == '=') {
        ++q;
        while (q < m_html.size() && IsSpace(m_html[q])) ++q;
        if (q >= m_html.size()) return false;
        if (m_html[q] == '"' || m_html[q] == '\'') {
          const std::size_t end = m_html.find(m_html[q], q + 1);
          if (end == std::string_view::npos) return false;
          value = DecodeText(m_html.substr(q + 1, end - q - 1));
          p = end + 1;
        } else {
          std::size_t end = q;
          while (end < m_html.size() && !IsSpace(m_html[end]) && m_html[end] != '>') ++end;
          value = DecodeText(m_html.substr(q, end - q));
          p = end;
        }
      }
      tag.attributes.emplace_back(std::move(name), std::move(value));
    }
  }

  void Apply(const Tag& tag) {
    if (!tag.closing && (IsIn(tag.name, kRawText) || tag.name == "plaintext")) {
      SkipRawText(tag.name);
      return;
    }
    if (!tag.closing && IsIn(tag.name, kDropped)) {
      SkipElement(tag.name);
      return;
    }
    if (!IsIn(tag.name, kKept)) {
      if (IsIn(tag.name, kBlocks)) m_out += ' ';
      return;
    }
    if (tag.closing) {
      Close(tag.name);
      return;
    }
    // Deeper than any description needs: the text stays, the markup goes
    // (closing a tag looks through the open ones).
    if (m_open.size() >= kMostOpen) return;
    std::string element = "<" + tag.name;
    if (tag.name == "a") {
      const std::string href = WebAddress(FirstValue(tag, "href"));
      if (!href.empty()) element += " href=\"" + EscapeXml(href, true) + "\"";
      // A link elsewhere (a script, a local file) stays as its text.
    } else if (tag.name == "img") {
      const std::string src = WebAddress(FirstValue(tag, "src"));
      if (src.empty()) return;  // a picture from anywhere else is not shown
      element += " src=\"" + EscapeXml(src, true) + "\" alt=\"" +
                 EscapeXml(FirstValue(tag, "alt"), true) + "\"";
    }
    if (IsIn(tag.name, kVoid)) {
      m_out += element + "/>";
      return;
    }
    m_out += element + ">";
    m_open.push_back(tag.name);
  }

  // An attribute's value as HTML reads it: its first occurrence.
  static std::string FirstValue(const Tag& tag, const char* name) {
    for (const auto& [attribute, value] : tag.attributes)
      if (attribute == name) return value;
    return std::string();
  }

  void Close(const std::string& name) {
    if (IsIn(name, kVoid)) return;
    auto open = std::find(m_open.rbegin(), m_open.rend(), name);
    if (open == m_open.rend()) return;  // never opened: nothing to close
    const std::size_t keep = m_open.rend() - open - 1;
    while (m_open.size() > keep) CloseTop();
  }

  void CloseTop() {
    m_out += "</" + m_open.back() + ">";
    m_open.pop_back();
  }

  // Past the end tag of a raw text element (its content is not markup).
  void SkipRawText(const std::string& name) {
    if (name == "plaintext") {
      m_at = m_html.size();
      return;
    }
    const std::string end = "</" + name;
    std::size_t p = m_at;
    while (true) {
      p = FindNoCase(end, p);
      if (p == std::string_view::npos) {
        m_at = m_html.size();
        return;
      }
      const std::size_t after = p + end.size();
      if (after >= m_html.size() || IsSpace(m_html[after]) || m_html[after] == '/' ||
          m_html[after] == '>') {
        const std::size_t close = m_html.find('>', after);
        m_at = close == std::string_view::npos ? m_html.size() : close + 1;
        return;
      }
      p = after;
    }
  }

  // Past the end tag that closes this element, its nested namesakes counted.
  void SkipElement(const std::string& name) {
    int depth = 1;
    while (m_at < m_html.size() && depth > 0) {
      const std::size_t lt = m_html.find('<', m_at);
      if (lt == std::string_view::npos) break;
      m_at = lt;
      if (m_html.substr(m_at).rfind("<!--", 0) == 0) {
        const std::size_t end = m_html.find("-->", m_at + 4);
        m_at = end == std::string_view::npos ? m_html.size() : end + 3;
        continue;
      }
      const bool closing = m_at + 1 < m_html.size() && m_html[m_at + 1] == '/';
      Tag tag;
      tag.closing = closing;
      if (!ReadTag(tag, m_at + (closing ? 2 : 1))) break;
      if (tag.name != name) {
        if (!closing && IsIn(tag.name, kRawText)) SkipRawText(tag.name);
        continue;
      }
      depth += closing ? -1 : 1;
    }
    if (depth > 0) m_at = m_html.size();
  }

  // Where `needle` (lower case) occurs from `from` on, whatever the case.
  std::size_t FindNoCase(const std::string& needle, std::size_t from) const {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t p = m_html.find('<', from); p != std::string_view::npos;
         p = m_html.find('<', p + 1)) {
      if (p + needle.size() > m_html.size()) break;
      std::size_t i = 1;
      while (i < needle.size() && lower(m_html[p + i]) == needle[i]) ++i;
      if (i == needle.size()) return p;
    }
    return std::string_view::npos;
  }

  std::string_view m_html;
  std::size_t m_at = 0;
  std::string m_out;
  std::vector<std::string> m_open;
};

}  // namespace

std::string NewsMarkup::Sanitize(std::string_view html) { return Sanitizer(html).Run(); }
