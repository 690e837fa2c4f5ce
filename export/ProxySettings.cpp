#include "export/ProxySettings.h"

#include "collection/DataPath.h"
#include "collection/SafeFile.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <fstream>

namespace {

// Settings are a line of text: anything longer than this is not a settings file.
constexpr std::size_t kMostBytes = 64 * 1024;

// Reads the line as the C runtime's "%d %d \"%[^\"]\" ..." would, the whole of
// it however long: a field ends at the next double quote, and reading stops
// at the first field that does not match (an empty text among them).
class LineReader {
 public:
  explicit LineReader(const std::string& text) : m_text(text) {}

  bool Integer(int& value) {
    SkipSpace();
    const char* start = m_text.c_str() + m_at;
    char* end = nullptr;
    const long read = std::strtol(start, &end, 10);
    if (end == start) return false;
    value = static_cast<int>(std::clamp<long>(read, INT_MIN, INT_MAX));
    m_at += static_cast<std::size_t>(end - start);
    return true;
  }
  bool Quoted(std::string& value) {
    SkipSpace();
    if (m_at >= m_text.size() || m_text[m_at] != '"') return false;
    const std::size_t end = std::min(m_text.find('"', m_at + 1), m_text.size());
    if (end == m_at + 1) return false;  // an empty text does not match
    value = m_text.substr(m_at + 1, end - m_at - 1);
    m_at = end + 1;
    return end < m_text.size();  // without its closing quote, the next field cannot match
  }

 private:
  void SkipSpace() {
    while (m_at < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_at]))) ++m_at;
  }
  const std::string& m_text;
  std::size_t m_at = 0;
};

}  // namespace

ProxySettings ProxySettings::Load(const std::string& programFolder) {
  ProxySettings settings;
  std::ifstream file(DataPath(programFolder, FILE), std::ios::binary);
  if (!file) return settings;
  std::string content(kMostBytes, '\0');
  file.read(content.data(), static_cast<std::streamsize>(content.size()));
  content.resize(static_cast<std::size_t>(file.gcount()));
  content = content.substr(0, content.find('\0'));  // as the C runtime reads a buffer

  LineReader line(content);
  int proxy = 0, auth = 0;
  if (line.Integer(proxy) && line.Integer(auth) && line.Quoted(settings.m_strProxyHost) &&
      line.Quoted(settings.m_strProxyPort) && line.Quoted(settings.m_strProxyLogin))
    line.Quoted(settings.m_strProxyPassword);
  settings.m_nProxy = proxy;
  settings.m_nProxyAuth = auth;
  return settings;
}

std::string ProxySettings::FileLine() const {
  return std::to_string(m_nProxy) + " " + std::to_string(m_nProxyAuth) + " \"" + m_strProxyHost +
         "\" \"" + m_strProxyPort + "\" \"" + m_strProxyLogin + "\" \"" + m_strProxyPassword + "\"";
}

bool ProxySettings::Save(const std::string& programFolder) const {
  return WritePrivateFileAtomically(DataPath(programFolder, FILE), FileLine());
}
