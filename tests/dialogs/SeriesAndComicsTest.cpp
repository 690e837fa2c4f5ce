// "BD à suivre" and "Date de sortie de comics" opened on a collection.
#include "../app/AppTestSupport.h"
#include "DialogTestSupport.h"
#include "dialogs/QuilloryAlbumsManquants.h"
#include "dialogs/QuilloryComicLinkDlg.h"
#include "dialogs/QuilloryListSimple.h"
#include "dialogs/QuillorySerieASuivre.h"
#include "platform/ListView.h"
#include "platform/TabCtrl.h"
#include "platform/headless/Driver.h"
#include "platform/headless/Session.h"
#include "resources/Resource.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;
using ui::headless::Driver;
using ui::headless::Session;

namespace {

std::vector<std::string> Row(const ui::ListView& list, int row) {
  std::vector<std::string> cells;
  for (int c = 0; c < list.GetColumnCount(); ++c) cells.push_back(list.GetItemText(row, c));
  return cells;
}

std::vector<std::string> Column(const ui::ListView& list, int column) {
  std::vector<std::string> texts;
  for (int row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetItemText(row, column));
  return texts;
}

TEST(SerieASuivre, ListsUnfinishedSeriesWithTheNextVolumeAndFollowsTheWindowSize) {
  CGestionBD gestion;
  Add(gestion, {"Thorgal", "La Magicienne trahie", 1});
  Add(gestion, {"Thorgal", "L'Ile des mers gelees", 3});
  Add(gestion, {"Maus", "Mon pere saigne l'histoire", 1});
  Add(gestion, {"Maus", "Et c'est la que mes ennuis ont commence", 2, 0, "Aventure", "Flammarion", "_", 0, 1});
  Add(gestion, {"Akira", "Tetsuo", 2, 2});

  Session session;
  CQuillorySerieASuivre dlg(nullptr, &gestion);
  session.Open(dlg);
  Driver d(dlg);
  EXPECT_EQ(dlg.GetWindowText(), "BD \xE0 suivre");
  const ui::ListView& list = *dlg.GetListView(IDC_LIST_ASUIVRE);
  EXPECT_EQ(list.GetColumnTitle(0), "Serie");
  EXPECT_EQ(list.GetColumnWidth(1), 60);
  ASSERT_EQ(list.GetItemCount(), 2);  // Maus is finished
  EXPECT_THAT(Row(list, 0), ElementsAre("Thorgal", "4"));
  EXPECT_THAT(Row(list, 1), ElementsAre("Akira", "3"));
  EXPECT_TRUE(d.Visible(IDC_BUTTON_IMPRIMER_ASUIVRE));
  EXPECT_FALSE(d.Enabled(IDC_BUTTON_IMPRIMER_ASUIVRE));

  const ui::Rect listBefore = list.GetRect();
  const ui::Rect closeBefore = dlg.GetDlgItem(ui::IDOK)->GetRect();
  const ui::Rect client = dlg.GetClientRect();
  d.Resize(client.Width() + 40, client.Height() + 100);
  EXPECT_EQ(list.GetRect().Width(), listBefore.Width());
  EXPECT_EQ(list.GetRect().Height(), listBefore.Height() + 100);
  EXPECT_EQ(dlg.GetDlgItem(ui::IDOK)->GetRect().left, closeBefore.left + 40);
  EXPECT_EQ(dlg.GetDlgItem(ui::IDOK)->GetRect().top, closeBefore.top + 100);
  d.Click(ui::IDOK);
  EXPECT_TRUE(dlg.IsEnded());
}

TEST(AlbumsManquants, VolumesAreWrittenAscendingWithRunsOfThreeOrMoreAsARange) {
  auto missing = [](std::vector<int> owned) { return CQuilloryAlbumsManquants::MissingVolumes(owned); };
  EXPECT_EQ(missing({8, 1, 6, 2, 2}), "3 \xE0 5, 7");
  EXPECT_EQ(missing({3, 1}), "2");
  EXPECT_EQ(missing({1, 4, 7}), "2, 3, 5, 6");
  EXPECT_EQ(missing({0, -2, 4}), "1 \xE0 3");  // hors-series are ignored
  EXPECT_EQ(missing({1, 2, 3}), "");
  EXPECT_EQ(missing({0}), "");
}

class ComicLinkTest : public testing::Test {
 protected:
  void Open() {
    dlg = std::make_unique<CQuilloryComicLinkDlg>(nullptr, &gestion, folder.Path());
    session.Open(*dlg);
  }
  CQuilloryListSimple& Page() { return *dlg->GetTab().GetPage(dlg->GetTab().GetSelected()); }
  const ui::ListView& List() { return *Page().GetListView(IDC_LIST_COMICS); }

  TimeZone zone{"America/New_York"};
  TestProgramFolder folder;
  CGestionBD gestion;
  Session session;
  std::unique_ptr<CQuilloryComicLinkDlg> dlg;
};

TEST_F(ComicLinkTest, OneTabPerYearComicsUnderTheirMonthAndTheCoverOfTheClickedOne) {
  folder.WritePicture("images/watchmen.bmp");
  Add(gestion, {"Watchmen", "Minuit moins douze", 1, 1, "Science fiction", "Urban", "Le debut",
                LocalTime(2021, 3, 5), 0, "images\\watchmen.bmp"});
  // Late on 31 December in New York: already January in UTC, still December here.
  Add(gestion, {"Sandman", "Preludes", 1, 1, "Fantastique", "Urban", "Morphee",
                LocalTime(2021, 12, 31, 22, 0)});
  Add(gestion, {"Batman", "Year One", 1, 1, "Policier", "Urban", "_", LocalTime(2021, 3, 20), 0,
                "images\\absent.jpg"});
  Add(gestion, {"Spirou", "Z comme Zorglub", 15, 0, "Humour", "Dupuis", "_", LocalTime(2019, 6, 1)});
  Open();

  EXPECT_EQ(dlg->GetWindowText(), "Date de sortie de comics");
  const ui::TabCtrl& tab = *dlg->GetTabCtrl(IDC_TAB_COMICS);
  ASSERT_EQ(tab.GetItemCount(), 2);
  EXPECT_EQ(tab.GetItemText(0), "2019");
  EXPECT_EQ(tab.GetItemText(1), "2021");
  EXPECT_EQ(dlg->GetTab().GetAlbumCount(1), 3);

  // 2019 holds only a BD: the twelve headings and nothing under them.
  EXPECT_THAT(Column(List(), 0), ElementsAre("Janvier", "Fevrier", "Mars", "Avril", "Mai", "Juin",
                                             "Juillet", "Aout", "Septembre", "Octobre", "Novembre",
                                             "Decembre"));
  EXPECT_EQ(List().GetColumnTitle(1), "S\xE9rie");
  EXPECT_TRUE(Page().IsWindowVisible());

  Driver(*dlg).SelectTab(IDC_TAB_COMICS, 1);
  EXPECT_FALSE(dlg->GetTab().GetPage(0)->IsWindowVisible());
  EXPECT_TRUE(Page().IsWindowVisible());
  EXPECT_EQ(Page().GetWindowRect(), tab.GetDisplayArea());
  ASSERT_EQ(List().GetItemCount(), 15);
  EXPECT_THAT(Row(List(), 2), ElementsAre("Mars", "", "", "", ""));
  EXPECT_THAT(Row(List(), 3), ElementsAre("", "Watchmen", "Minuit moins douze", "1", "Le debut"));
  EXPECT_THAT(Row(List(), 4), ElementsAre("", "Batman", "Year One", "1", "_"));
  EXPECT_THAT(Row(List(), 13), ElementsAre("Decembre", "", "", "", ""));
  EXPECT_THAT(Row(List(), 14), ElementsAre("", "Sandman", "Preludes", "1", "Morphee"));

  Driver page(Page());
  EXPECT_FALSE(page.Visible(IDC_PICTURE_COMICS));
  page.ClickRow(IDC_LIST_COMICS, 3);
  EXPECT_TRUE(page.Visible(IDC_PICTURE_COMICS));
  EXPECT_EQ(Page().GetPicture().GetPath(), folder.Path() + "/images/watchmen.bmp");
  page.ClickRow(IDC_LIST_COMICS, 2);  // a month heading
  EXPECT_FALSE(page.Visible(IDC_PICTURE_COMICS));
  page.ClickRow(IDC_LIST_COMICS, 3).ClickRow(IDC_LIST_COMICS, 4);  // a cover that cannot be read
  EXPECT_FALSE(page.Visible(IDC_PICTURE_COMICS));
  page.ClickRow(IDC_LIST_COMICS, 3).ClickRow(IDC_LIST_COMICS, 14);  // no cover
  EXPECT_FALSE(page.Visible(IDC_PICTURE_COMICS));
  page.ClickRow(IDC_LIST_COMICS, 3).ClickRow(IDC_LIST_COMICS, -1);
  EXPECT_FALSE(page.Visible(IDC_PICTURE_COMICS));
}

TEST_F(ComicLinkTest, WithoutComicsEveryYearIsATabWithAnEmptyListAndNoYearIsCut) {
  for (int year = 1850; year < 1850 + 130; ++year)
    Add(gestion, {"Serie " + std::to_string(year), "Titre", 1, 0, "Aventure", "Dupuis", "_",
                  LocalTime(year, 6, 15)});
  Open();
  const ui::TabCtrl& tab = *dlg->GetTabCtrl(IDC_TAB_COMICS);
  ASSERT_EQ(tab.GetItemCount(), 130);
  EXPECT_EQ(tab.GetItemText(129), "1979");
  EXPECT_EQ(List().GetItemCount(), 0);
}

}  // namespace
