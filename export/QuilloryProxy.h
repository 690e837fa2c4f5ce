#pragma once
// "Configuration Web" (template 148, "Configuration connexion internet"):
// the proxy of the news download, its port, and the login and password sent
// to it. OK gives the settings to the main window and writes the proxy
// file; Cancel changes nothing.

#include "export/ProxySettings.h"
#include "platform/Dialog.h"

#include <functional>
#include <string>

class CQuilloryProxy : public ui::Dialog {
 public:
  // setProxyConfig: the main window's SetProxyConfig, called on OK.
  CQuilloryProxy(ui::Window* parent, const ProxySettings& stored, std::string programFolder,
                 std::function<void(const ProxySettings&)> setProxyConfig);

  bool OnInitDialog() override;
  void OnOK() override;

  static constexpr const char* MSG_SAVE_FAILED =
      "Les param\xE8tres de connexion n'ont pas pu \xEAtre enregistr\xE9s dans %s.\n"
      "Ils serviront jusqu'\xE0 la fermeture de Quillory.";

 private:
  void OnActiverProxy();
  void OnDesactiverAnonyme();
  void EnableProxyFields(bool enable);
  void EnableAuthFields(bool enable);

  ProxySettings m_stored;
  std::string m_programFolder;
  std::function<void(const ProxySettings&)> m_setProxyConfig;
  int m_bProxy = 0;
  int m_bAuth = 0;
};
