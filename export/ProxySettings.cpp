#include "export/ProxySettings.h"

#include "collection/DataPath.h"
#include "collection/SafeFile.h"

#include <cstdio>
#include <fstream>
#include <vector>

namespace {
constexpr std::size_t kFileBytes = 1023;
}  // namespace

ProxySettings ProxySettings::Load(const std::string& programFolder) {
  ProxySettings settings;
  std::ifstream file(DataPath(programFolder, FILE), std::ios::binary);
  if (!file) return settings;
  char content[kFileBytes + 1] = {};
  file.read(content, kFileBytes);

  // Each text is at most as long as the file, so these buffers cannot overflow.
  std::vector<char> host(kFileBytes + 1), port(kFileBytes + 1), login(kFileBytes + 1),
      password(kFileBytes + 1);
  int proxy = 0, auth = 0;
  std::sscanf(content, "%d %d \"%1023[^\"]\" \"%1023[^\"]\" \"%1023[^\"]\" \"%1023[^\"]\"", &proxy,
              &auth, host.data(), port.data(), login.data(), password.data());
  settings.m_nProxy = proxy;
  settings.m_nProxyAuth = auth;
  settings.m_strProxyHost = host.data();
  settings.m_strProxyPort = port.data();
  settings.m_strProxyLogin = login.data();
  settings.m_strProxyPassword = password.data();
  return settings;
}

std::string ProxySettings::FileLine() const {
  return std::to_string(m_nProxy) + " " + std::to_string(m_nProxyAuth) + " \"" + m_strProxyHost +
         "\" \"" + m_strProxyPort + "\" \"" + m_strProxyLogin + "\" \"" + m_strProxyPassword + "\"";
}

bool ProxySettings::Save(const std::string& programFolder) const {
  return WriteFileAtomically(DataPath(programFolder, FILE), FileLine());
}
