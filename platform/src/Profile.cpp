#include "platform/Profile.h"

#include "collection/SafeFile.h"

#include "platform/TextCompare.h"

#include <cstdio>
#include <cstdlib>

namespace ui {

namespace {

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && ToLower1252(a) == ToLower1252(b);
}

std::string Trim(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return s.substr(b, e - b);
}

}  // namespace

Profile::Line Profile::ParseLine(std::string text, const std::string& currentSection) {
  Line line;
  line.text = std::move(text);
  line.section = currentSection;
  const std::string t = Trim(line.text);
  if (t.empty() || t[0] == ';') return line;
  if (t[0] == '[') {
    std::size_t close = t.find(']');
    line.kind = Line::SECTION;
    line.section = Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return line;
  }
  std::size_t eq = t.find('=');
  // Entries before the first section belong to none: kept, never read.
  if (eq == std::string::npos || line.section.empty()) return line;
  line.kind = Line::ENTRY;
  line.name = Trim(t.substr(0, eq));
  line.value = t.substr(eq + 1);
  return line;
}

void Profile::SetFile(const std::string& path) {
  m_path = path;
  m_lines.clear();
  std::string content;
  if (!ReadWholeFile(path, content)) return;

  std::string section;
  bool inSection = false;
  std::size_t pos = 0;
  while (pos < content.size()) {
    std::size_t end = content.find('\n', pos);
    if (end == std::string::npos) end = content.size();
    std::string text = content.substr(pos, end - pos);
    pos = end + 1;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    Line line = ParseLine(std::move(text), inSection ? section : std::string());
    if (line.kind == Line::SECTION) {
      section = line.section;
      inSection = true;
    }
    m_lines.push_back(std::move(line));
  }
}

const std::string* Profile::Find(const std::string& section, const std::string& entry) const {
  // A name given twice: the last one counts.
  const std::string* found = nullptr;
  for (const Line& line : m_lines)
    if (line.kind == Line::ENTRY && SameName(line.section, section) && SameName(line.name, entry))
      found = &line.value;
  return found;
}

bool Profile::Set(const std::string& section, const std::string& entry, const std::string& value) {
  bool replaced = false;
  std::size_t lastOfSection = m_lines.size();  // after which a new entry goes
  for (std::size_t i = 0; i < m_lines.size(); ++i) {
    Line& line = m_lines[i];
    if (line.kind == Line::OTHER || !SameName(line.section, section)) continue;
    if (line.kind == Line::ENTRY && SameName(line.name, entry)) {
      line.value = value;
      line.text = line.name + "=" + value;
      replaced = true;
    }
    lastOfSection = i;
  }
  if (replaced) return Save();
  Line added;
  added.kind = Line::ENTRY;
  added.section = section;
  added.name = entry;
  added.value = value;
  added.text = entry + "=" + value;
  if (lastOfSection == m_lines.size()) {
    Line header;
    header.kind = Line::SECTION;
    header.section = section;
    header.text = "[" + section + "]";
    m_lines.push_back(std::move(header));
    m_lines.push_back(std::move(added));
  } else {
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(lastOfSection) + 1,
                   std::move(added));
  }
  return Save();
}

bool Profile::Save() const {
  if (m_path.empty()) return false;
  std::string out;
  for (const Line& line : m_lines) {
    out += line.text;
    out += "\r\n";
  }
  // Replaced in one step: a crash while writing leaves the old settings.
  return WriteFileAtomically(m_path, out);
}

std::string Profile::GetProfileString(const std::string& section, const std::string& entry,
                                      const std::string& defaultValue) const {
  const std::string* v = Find(section, entry);
  return v ? *v : defaultValue;
}

bool Profile::WriteProfileString(const std::string& section, const std::string& entry,
                                 const std::string& value) {
  // A value cannot span lines in the file.
  std::string clean;
  for (char c : value)
    if (c != '\r' && c != '\n') clean += c;
  return Set(section, entry, clean);
}

int Profile::GetProfileInt(const std::string& section, const std::string& entry,
                           int defaultValue) const {
  const std::string* v = Find(section, entry);
  if (!v) return defaultValue;
  return std::atoi(v->c_str());
}

bool Profile::WriteProfileInt(const std::string& section, const std::string& entry, int value) {
  return Set(section, entry, std::to_string(value));
}

std::vector<unsigned char> Profile::GetProfileBinary(const std::string& section,
                                                     const std::string& entry) const {
  const std::string* v = Find(section, entry);
  std::vector<unsigned char> bytes;
  if (!v) return bytes;
  std::string hex = Trim(*v);
  if (hex.size() % 2 != 0) return bytes;
  auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    int hi = digit(hex[i]), lo = digit(hex[i + 1]);
    if (hi < 0 || lo < 0) return std::vector<unsigned char>();
    bytes.push_back(static_cast<unsigned char>(hi * 16 + lo));
  }
  return bytes;
}

bool Profile::WriteProfileBinary(const std::string& section, const std::string& entry,
                                 const std::vector<unsigned char>& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string hex;
  for (unsigned char b : bytes) {
    hex += digits[b >> 4];
    hex += digits[b & 0xF];
  }
  return Set(section, entry, hex);
}

Profile& AppProfile() {
  static Profile profile;
  return profile;
}

}  // namespace ui
