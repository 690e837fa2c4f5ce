// The column file and the proxy file, read when the main window starts.
#include "MainWindowFixture.h"

#include "app/ColumnWidths.h"
#include "export/ProxySettings.h"
#include "platform/ListView.h"

namespace {

std::vector<int> PageWidths(CQuilloryDlgList& page) {
  std::vector<int> widths;
  for (int c = 0; c < 10; ++c) widths.push_back(page.GetList().GetListView()->GetColumnWidth(c));
  return widths;
}

TEST(ColumnWidths, OfEarlierLayoutsAreCompleted) {
  TestProgramFolder folder;
  ColumnWidths eight;
  folder.WriteFile("data/quilloryConf.cfg", "10 20 30 0 0 60 70 80");
  ASSERT_TRUE(eight.Load(folder.Path()));
  EXPECT_EQ(eight.widths, (std::array<int, 10>{10, 20, 30, 0, 0, 60, 70, 80, 100, 15}));

  ColumnWidths nine;
  folder.WriteFile("data/quilloryConf.cfg", "1 2 3 4 5 6 7 8 9");
  ASSERT_TRUE(nine.Load(folder.Path()));
  EXPECT_EQ(nine.widths[8], 9);
  EXPECT_EQ(nine.widths[9], 15);

  ColumnWidths few;
  folder.WriteFile("data/quilloryConf.cfg", "5 6");
  ASSERT_TRUE(few.Load(folder.Path()));
  EXPECT_EQ(few.widths, (std::array<int, 10>{5, 6, 40, 100, 100, 90, 50, 100, 100, 40}));

  ColumnWidths missing;
  folder.Remove("data/quilloryConf.cfg");
  EXPECT_FALSE(missing.Load(folder.Path()));
  EXPECT_EQ(missing.widths, ColumnWidths::DEFAULTS);
}

TEST_F(MainWindowTest, ColumnFileSetsTheWidthsOfAllFourPages) {
  folder.WriteCollection({{"Akira", "Tetsuo", 1}});
  folder.WriteFile("data/quilloryConf.cfg", "11 12 13 0 15 16 17 18 19 20");
  Open();
  for (int tab = 0; tab < 4; ++tab)
    EXPECT_EQ(PageWidths(*dlg->GetTab().GetPage(tab)),
              (std::vector<int>{11, 12, 13, 0, 15, 16, 17, 18, 19, 20}))
        << tab;
  EXPECT_EQ(dlg->GetTab().GetColumnWidth(4), 15);
}

TEST_F(MainWindowTest, WithoutColumnFileTheHeadingWidthsStay) {
  folder.WriteCollection({});
  Open();
  EXPECT_EQ(PageWidths(Page()), (std::vector<int>{100, 108, 40, 100, 100, 90, 50, 100, 100, 40}));
}

TEST(ProxySettings, ReadsFlagsAndQuotedTexts) {
  TestProgramFolder folder;
  folder.WriteFile("data/quilloryProxy.cfg", "1 1 \"proxy.example\" \"8080\" \"moi\" \"secret mot\"");
  const ProxySettings p = ProxySettings::Load(folder.Path());
  EXPECT_EQ(p.m_nProxy, 1);
  EXPECT_EQ(p.m_nProxyAuth, 1);
  EXPECT_EQ(p.m_strProxyHost, "proxy.example");
  EXPECT_EQ(p.m_strProxyPort, "8080");
  EXPECT_EQ(p.m_strProxyLogin, "moi");
  EXPECT_EQ(p.m_strProxyPassword, "secret mot");
}

TEST(ProxySettings, EmptyHostLeavesEveryTextEmpty) {
  TestProgramFolder folder;
  folder.WriteFile("data/quilloryProxy.cfg", "1 0 \"\" \"8080\" \"moi\" \"pw\"");
  const ProxySettings p = ProxySettings::Load(folder.Path());
  EXPECT_EQ(p.m_nProxy, 1);
  EXPECT_EQ(p.m_nProxyAuth, 0);
  EXPECT_EQ(p.m_strProxyHost, "");
  EXPECT_EQ(p.m_strProxyPort, "");
  EXPECT_EQ(p.m_strProxyPassword, "");
}

TEST(ProxySettings, MissingOrUnreadableFileGivesNoProxy) {
  TestProgramFolder folder;
  EXPECT_EQ(ProxySettings::Load(folder.Path()).m_nProxy, 0);
  folder.WriteFile("data/quilloryProxy.cfg", "oui \"h\"");
  const ProxySettings p = ProxySettings::Load(folder.Path());
  EXPECT_EQ(p.m_nProxy, 0);
  EXPECT_EQ(p.m_strProxyHost, "");
  // A text longer than the Windows program's 1023-byte buffer is read whole.
  folder.WriteFile("data/quilloryProxy.cfg", "1 1 \"" + std::string(3000, 'h') + "\"");
  EXPECT_EQ(ProxySettings::Load(folder.Path()).m_strProxyHost.size(), 3000u);
}

TEST_F(MainWindowTest, ProxyFileIsKeptInTheWindow) {
  folder.WriteCollection({});
  folder.WriteFile("data/quilloryProxy.cfg", "1 0 \"h\" \"3128\" \"l\" \"p\"");
  Open();
  EXPECT_EQ(dlg->GetProxy(), 1);
  EXPECT_EQ(dlg->GetProxyAuth(), 0);
  EXPECT_EQ(dlg->GetProxyHost(), "h");
  EXPECT_EQ(dlg->GetProxyPort(), "3128");
  EXPECT_EQ(dlg->GetProxyLogin(), "l");
  EXPECT_EQ(dlg->GetProxyPassword(), "p");
}

}  // namespace
