#pragma once
// The web proxy settings of the news download, kept by the main window and
// stored between runs in "data\quilloryProxy.cfg": one line
// %d %d "host" "port" "login" "password" without a line end.

#include <string>

struct ProxySettings {
  static constexpr const char* FILE = "data\\quilloryProxy.cfg";

  int m_nProxy = 0;       // 1: download through the proxy
  int m_nProxyAuth = 0;   // 1: send the login and password to the proxy
  std::string m_strProxyHost;
  std::string m_strProxyPort;
  std::string m_strProxyLogin;
  std::string m_strProxyPassword;

  // Reads the file below the program folder, however long its texts. A
  // missing file gives both flags 0 and empty texts. Reading stops at the
  // first field that does not match, so an empty quoted field leaves it and
  // every later text empty.
  static ProxySettings Load(const std::string& programFolder);
  // Writes the file below the program folder, readable by its owner only
  // (the password is in plain text); false when it cannot be written.
  bool Save(const std::string& programFolder) const;
  // The line the file holds.
  std::string FileLine() const;
};
