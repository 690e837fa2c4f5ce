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

void Profile::SetFile(const std::string& path) {
  m_path = path;
  m_sections.clear();
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return;
  std::string content;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) content.append(buf, n);
  std::fclose(f);

  Section* current = nullptr;
  std::size_t pos = 0;
  while (pos < content.size()) {
    std::size_t end = content.find('\n', pos);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string t = Trim(line);
    if (t.empty() || t[0] == ';') continue;
    if (t[0] == '[') {
      std::size_t close = t.find(']');
      std::string name = Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      current = nullptr;
      for (Section& s : m_sections)
        if (SameName(s.name, name)) current = &s;
      if (!current) {
        m_sections.push_back(Section{name, {}});
        current = &m_sections.back();
      }
      continue;
    }
    std::size_t eq = t.find('=');
    if (!current || eq == std::string::npos) continue;
    std::string name = Trim(t.substr(0, eq));
    std::string value = t.substr(eq + 1);
    bool replaced = false;
    for (Entry& e : current->entries)
      if (SameName(e.name, name)) { e.value = value; replaced = true; }
    if (!replaced) current->entries.push_back(Entry{name, value});
  }
}

const std::string* Profile::Find(const std::string& section, const std::string& entry) const {
  for (const Section& s : m_sections) {
    if (!SameName(s.name, section)) continue;
    for (const Entry& e : s.entries)
      if (SameName(e.name, entry)) return &e.value;
  }
  return nullptr;
}

bool Profile::Set(const std::string& section, const std::string& entry, const std::string& value) {
  Section* target = nullptr;
  for (Section& s : m_sections)
    if (SameName(s.name, section)) target = &s;
  if (!target) {
    m_sections.push_back(Section{section, {}});
    target = &m_sections.back();
  }
  bool found = false;
  for (Entry& e : target->entries)
    if (SameName(e.name, entry)) { e.value = value; found = true; }
  if (!found) target->entries.push_back(Entry{entry, value});
  return Save();
}

bool Profile::Save() const {
  if (m_path.empty()) return false;
  std::string out;
  for (const Section& s : m_sections) {
    out += "[" + s.name + "]\r\n";
    for (const Entry& e : s.entries) out += e.name + "=" + e.value + "\r\n";
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
