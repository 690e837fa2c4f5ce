#include "export/QuilloryProxy.h"

#include "collection/DataPath.h"
#include "platform/Services.h"
#include "resources/Templates.h"

CQuilloryProxy::CQuilloryProxy(ui::Window* parent, const ProxySettings& stored,
                               std::string programFolder,
                               std::function<void(const ProxySettings&)> setProxyConfig)
    : ui::Dialog(kDialogProxy, parent),
      m_stored(stored),
      m_programFolder(std::move(programFolder)),
      m_setProxyConfig(std::move(setProxyConfig)) {
  MapCommand(IDC_CHECK_PROXY, &CQuilloryProxy::OnActiverProxy);
  MapCommand(IDC_CHECK_AUTH, &CQuilloryProxy::OnDesactiverAnonyme);
}

void CQuilloryProxy::EnableProxyFields(bool enable) {
  GetDlgItem(IDC_EDIT_PROXYHOST)->EnableWindow(enable);
  GetDlgItem(IDC_EDIT_PROXYPORT)->EnableWindow(enable);
}

void CQuilloryProxy::EnableAuthFields(bool enable) {
  GetDlgItem(IDC_EDIT_PROXYLOGIN)->EnableWindow(enable);
  GetDlgItem(IDC_EDIT_PROXYPASSWORD)->EnableWindow(enable);
}

bool CQuilloryProxy::OnInitDialog() {
  // With the proxy on, both boxes are ticked whatever the stored login flag.
  if (m_stored.m_nProxy == 1) {
    SetDlgItemText(IDC_EDIT_PROXYHOST, m_stored.m_strProxyHost);
    SetDlgItemText(IDC_EDIT_PROXYPORT, m_stored.m_strProxyPort);
    SetDlgItemText(IDC_EDIT_PROXYLOGIN, m_stored.m_strProxyLogin);
    SetDlgItemText(IDC_EDIT_PROXYPASSWORD, m_stored.m_strProxyPassword);
    CheckDlgButton(IDC_CHECK_PROXY, 1);
    CheckDlgButton(IDC_CHECK_AUTH, 1);
    m_bProxy = 1;
    m_bAuth = 1;
  } else {
    EnableProxyFields(false);
    EnableAuthFields(false);
    m_bProxy = 0;
    m_bAuth = 0;
  }
  return true;
}

void CQuilloryProxy::OnActiverProxy() {
  m_bProxy = m_bProxy == 0 ? 1 : 0;
  EnableProxyFields(m_bProxy == 1);
}

void CQuilloryProxy::OnDesactiverAnonyme() {
  m_bAuth = m_bAuth == 0 ? 1 : 0;
  EnableAuthFields(m_bAuth == 1);
}

void CQuilloryProxy::OnOK() {
  ProxySettings settings;
  settings.m_nProxy = m_bProxy;
  settings.m_nProxyAuth = m_bAuth;
  // Read whether enabled or not: with the proxy off they are empty.
  settings.m_strProxyHost = GetDlgItemText(IDC_EDIT_PROXYHOST);
  settings.m_strProxyPort = GetDlgItemText(IDC_EDIT_PROXYPORT);
  settings.m_strProxyLogin = GetDlgItemText(IDC_EDIT_PROXYLOGIN);
  settings.m_strProxyPassword = GetDlgItemText(IDC_EDIT_PROXYPASSWORD);
  if (m_setProxyConfig) m_setProxyConfig(settings);
  if (!settings.Save(m_programFolder)) {
    std::string text = MSG_SAVE_FAILED;
    text.replace(text.find("%s"), 2, DataPath(m_programFolder, ProxySettings::FILE));
    ui::AfxMessageBox(text, ui::MB_OK | ui::MB_ICONEXCLAMATION);
  }
  EndDialog(ui::IDOK);
}
