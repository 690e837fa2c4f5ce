// "Configuration Web": the proxy dialog from the main window, and the proxy
// file it writes.
#include "MainWindowFixture.h"
#include "export/ProxySettings.h"
#include "resources/Resource.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class ProxyTest : public MainWindowTest {
 protected:
  void SetUp() override { folder.WriteCollection({}); }
};

TEST_F(ProxyTest, WithTheProxyOffOkWritesFourEmptyTextsAndErasesTheStoredOnes) {
  folder.WriteFile("data/quilloryProxy.cfg", "0 1 \"relais\" \"3128\" \"lecteur\" \"s3cret\"");
  Open();
  EXPECT_EQ(dlg->GetProxyHost(), "relais");
  session.ExpectDialog(IDD_QUILLORY_PROXY, [](ui::headless::Driver& d) {
    EXPECT_EQ(d.GetWindow().GetWindowText(), "Configuration connexion internet");
    EXPECT_FALSE(d.Enabled(IDC_EDIT_PROXYHOST));
    EXPECT_FALSE(d.Enabled(IDC_EDIT_PROXYPASSWORD));
    EXPECT_EQ(d.Text(IDC_EDIT_PROXYHOST), "");
    EXPECT_EQ(d.GetWindow().IsDlgButtonChecked(IDC_CHECK_AUTH), 0);
    d.Click(ui::IDOK);
  });
  Window().Menu(ID_CONFIG_WEB);
  EXPECT_EQ(folder.ReadFile("data/quilloryProxy.cfg"), "0 0 \"\" \"\" \"\" \"\"");
  EXPECT_EQ(dlg->GetProxyAuth(), 0);
  EXPECT_EQ(dlg->GetProxyHost(), "");
}

TEST_F(ProxyTest, WithTheProxyOnBothBoxesAreTickedAndOkStoresTheLoginFlag) {
  folder.WriteFile("data/quilloryProxy.cfg", "1 0 \"relais\" \"3128\" \"lecteur\" \"s3cret\"");
  Open();
  session.ExpectDialog(IDD_QUILLORY_PROXY, [](ui::headless::Driver& d) {
    EXPECT_EQ(d.GetWindow().IsDlgButtonChecked(IDC_CHECK_PROXY), 1);
    EXPECT_EQ(d.GetWindow().IsDlgButtonChecked(IDC_CHECK_AUTH), 1);
    EXPECT_EQ(d.Text(IDC_EDIT_PROXYPORT), "3128");
    EXPECT_EQ(d.Text(IDC_EDIT_PROXYPASSWORD), "s3cret");  // shown as typed
    d.SetText(IDC_EDIT_PROXYHOST, "proxy.maison").SetText(IDC_EDIT_PROXYLOGIN, "collection");
    d.Click(ui::IDOK);
  });
  Window().Menu(ID_CONFIG_WEB);
  EXPECT_EQ(folder.ReadFile("data/quilloryProxy.cfg"),
            "1 1 \"proxy.maison\" \"3128\" \"collection\" \"s3cret\"");
  EXPECT_EQ(dlg->GetProxyAuth(), 1);
  EXPECT_EQ(dlg->GetProxyLogin(), "collection");
}

TEST_F(ProxyTest, TickingTheBoxesEnablesTheirFieldsAndCancelChangesNothing) {
  Open();
  session.ExpectDialog(IDD_QUILLORY_PROXY, [](ui::headless::Driver& d) {
    d.Click(IDC_CHECK_PROXY);
    EXPECT_TRUE(d.Enabled(IDC_EDIT_PROXYHOST));
    EXPECT_FALSE(d.Enabled(IDC_EDIT_PROXYLOGIN));
    d.Type(IDC_EDIT_PROXYHOST, "10.0.0.1").Type(IDC_EDIT_PROXYPORT, "8080");
    d.Click(ui::IDCANCEL);
  });
  Window().Menu(ID_CONFIG_WEB);
  EXPECT_FALSE(folder.Exists("data/quilloryProxy.cfg"));
  EXPECT_EQ(dlg->GetProxy(), 0);

  session.ExpectDialog(IDD_QUILLORY_PROXY, [](ui::headless::Driver& d) {
    d.Click(IDC_CHECK_PROXY).Type(IDC_EDIT_PROXYHOST, "10.0.0.1").Type(IDC_EDIT_PROXYPORT, "8080");
    d.Click(IDC_CHECK_AUTH).Click(IDC_CHECK_AUTH);  // on, then off again
    EXPECT_FALSE(d.Enabled(IDC_EDIT_PROXYLOGIN));
    d.Click(ui::IDOK);
  });
  Window().Menu(ID_CONFIG_WEB);
  EXPECT_EQ(folder.ReadFile("data/quilloryProxy.cfg"), "1 0 \"10.0.0.1\" \"8080\" \"\" \"\"");
  // What the next start reads back.
  const ProxySettings read = ProxySettings::Load(folder.Path());
  EXPECT_EQ(read.m_nProxy, 1);
  EXPECT_EQ(read.m_strProxyPort, "8080");
}

TEST_F(ProxyTest, TheFileKeepsThePasswordFromOtherUsersAndALongOneWhole) {
  // Written by an older version, readable by all.
  folder.WriteFile("data/quilloryProxy.cfg", "1 1 \"relais\" \"3128\" \"lecteur\" \"ancien\"");
  chmod(folder.File("data/quilloryProxy.cfg").c_str(), 0644);
  const std::string password = std::string(1500, 'x') + "fin";
  Open();
  session.ExpectDialog(IDD_QUILLORY_PROXY, [&](ui::headless::Driver& d) {
    d.SetText(IDC_EDIT_PROXYPASSWORD, password).Click(ui::IDOK);
  });
  Window().Menu(ID_CONFIG_WEB);
  struct stat info {};
  ASSERT_EQ(stat(folder.File("data/quilloryProxy.cfg").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  const ProxySettings read = ProxySettings::Load(folder.Path());
  EXPECT_EQ(read.m_strProxyPassword, password);
  EXPECT_EQ(read.m_strProxyLogin, "lecteur");

  folder.Remove("data/quilloryProxy.cfg");
  ProxySettings fresh;
  fresh.m_strProxyPassword = "neuf";
  ASSERT_TRUE(fresh.Save(folder.Path()));
  ASSERT_EQ(stat(folder.File("data/quilloryProxy.cfg").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

}  // namespace
