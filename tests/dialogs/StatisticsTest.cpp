// The three statistics dialogs opened on a collection, as the collector reads them.
#include "DialogTestSupport.h"
#include "dialogs/QuilloryComicLinkDlg.h"
#include "dialogs/QuilloryStatAchat.h"
#include "dialogs/QuilloryStatDlg.h"
#include "dialogs/QuilloryStatEditDlg.h"
#include "platform/ComboBox.h"
#include "platform/ListView.h"
#include "platform/TabCtrl.h"
#include "platform/headless/Driver.h"
#include "platform/headless/Session.h"
#include "resources/Resource.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ui::headless::Driver;
using ui::headless::Session;

namespace {

std::vector<std::string> Column(const ui::ListView& list, int column) {
  std::vector<std::string> texts;
  for (int row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetItemText(row, column));
  return texts;
}

TEST(Statistics, GeneralCountsTypesAndExactGenresTheTotalHoldsEveryAlbum) {
  CGestionBD gestion;
  Add(gestion, {"Spirou", "Z comme Zorglub", 15, 0, "Humour"});
  Add(gestion, {"Spirou", "QRN sur Bretzelburg", 18, 0, "humour"});  // counted in the total only
  Add(gestion, {"Watchmen", "Minuit moins douze", 1, 1, "Science fiction"});
  Add(gestion, {"Akira", "Tetsuo", 2, 2, "Science fiction"});
  Add(gestion, {"Blacksad", "Arctic Nation", 2, -1, "Policier"});  // type left unselected
  Add(gestion, {"Maus", "Mon pere saigne l'histoire", 1, 0, "Roman Graphique"});
  Add(gestion, {"Thorgal", "La Magicienne trahie", 1, 0, "Heroic Fantaisy"});
  Add(gestion, {"Blake et Mortimer", "La Marque jaune", 6, 0, "Aventure"});

  Session session;
  CQuilloryStatDlg dlg(nullptr, &gestion);
  session.Open(dlg);
  Driver d(dlg);
  EXPECT_EQ(dlg.GetWindowText(), "Statistiques g\xE9n\xE9rales");
  EXPECT_EQ(d.Text(IDC_STAT_EURO), "5");
  EXPECT_EQ(d.Text(IDC_STAT_COMICS), "1");
  EXPECT_EQ(d.Text(IDC_STAT_MANGA), "1");
  EXPECT_EQ(d.Text(IDC_STAT_TOTAL), "8");
  EXPECT_EQ(d.Text(IDC_STAT_HUMOUR), "1");
  EXPECT_EQ(d.Text(IDC_STAT_SF), "2");
  EXPECT_EQ(d.Text(IDC_STAT_POLICIER), "1");
  EXPECT_EQ(d.Text(IDC_STAT_HEROIC), "1");
  EXPECT_EQ(d.Text(IDC_STAT_AVENTURE), "1");
  EXPECT_EQ(d.Text(IDC_STAT_FANTASTIQUE), "0");
  EXPECT_EQ(d.Text(IDC_STAT_HISTORIQUE), "0");
  EXPECT_EQ(d.Text(IDC_STAT_CONTEMPORAIN), "0");
  EXPECT_EQ(d.Text(IDC_STAT_ROMANTIQUE), "0");
  EXPECT_FALSE(d.Enabled(IDC_STAT_TOTAL));
  d.Click(ui::IDOK);
  EXPECT_TRUE(dlg.IsEnded());
}

TEST(Statistics, PublishersDifferingInCaseShareTheFirstSpellingAndNoneIsCut) {
  CGestionBD gestion;
  Add(gestion, {"Spirou", "Z comme Zorglub", 15, 0, "Humour", "Dupuis"});
  Add(gestion, {"Tintin", "Tintin au Tibet", 20, 0, "Aventure", "Casterman"});
  Add(gestion, {"Gaston", "Gala de gaffes", 2, 0, "Humour", "DUPUIS"});
  Add(gestion, {"Maus", "Maus", 1, 0, "Roman Graphique", "_"});
  Add(gestion, {"Largo Winch", "L'Heritier", 1, 0, "Policier", "dupuis"});
  for (int i = 0; i < 520; ++i)
    Add(gestion, {"Serie " + std::to_string(i), "Titre", 1, 0, "Aventure", "Editeur " + std::to_string(i)});

  Session session;
  CQuilloryStatEditDlg dlg(nullptr, &gestion);
  session.Open(dlg);
  const ui::ListView& list = *dlg.GetListView(IDC_LIST_STATEDITEURS);
  ASSERT_EQ(list.GetItemCount(), 3 + 520);
  const std::vector<std::string> names = Column(list, 0), counts = Column(list, 1);
  EXPECT_THAT(std::vector<std::string>(names.begin(), names.begin() + 3),
              testing::ElementsAre("Dupuis", "Casterman", "_"));
  EXPECT_THAT(std::vector<std::string>(counts.begin(), counts.begin() + 3),
              testing::ElementsAre("3", "1", "1"));
  EXPECT_EQ(list.GetItemText(522, 0), "Editeur 519");
  EXPECT_EQ(list.GetColumnTitle(0), "Nom");
  EXPECT_EQ(list.GetColumnTitle(1), "Nb BD");
  EXPECT_TRUE(list.GetFullRowSelect());
}

TEST(Statistics, PurchasesCountInTheLocalMonthOfTheChosenYear) {
  TimeZone paris("Europe/Paris");
  CGestionBD gestion;
  // 23:30 on 31 December in Paris is 22:30 UTC: December, not January.
  Add(gestion, {"Spirou", "Z comme Zorglub", 15, 0, "Humour", "Dupuis", "_", LocalTime(2023, 12, 31, 23, 30)});
  // 00:30 on 1 January in Paris is still 31 December in UTC: the next year.
  Add(gestion, {"Tintin", "Tintin au Tibet", 20, 0, "Aventure", "Casterman", "_", LocalTime(2024, 1, 1, 0, 30)});
  Add(gestion, {"Thorgal", "Alinoe", 8, 0, "Aventure", "Lombard", "_", LocalTime(2023, 3, 14)});
  Add(gestion, {"Akira", "Tetsuo", 2, 2, "Aventure", "Glenat", "_", LocalTime(2023, 3, 2)});
  Add(gestion, {"Maus", "Maus", 1, 0, "Aventure", "Flammarion", "_", LocalTime(1998, 7, 1)});

  Session session;
  CQuilloryStatAchat dlg(nullptr, &gestion);
  session.Open(dlg);
  Driver d(dlg);
  const ui::ListView& list = *dlg.GetListView(IDC_LIST_ACHAT);
  const ui::ComboBox& years = *dlg.GetComboBox(IDC_COMBO_ANNEE);
  ASSERT_EQ(years.GetCount(), 3);
  EXPECT_EQ(years.GetLBText(0), "1998");
  EXPECT_EQ(years.GetLBText(2), "2024");
  EXPECT_EQ(years.GetCurSel(), -1);
  EXPECT_THAT(Column(list, 0), testing::ElementsAre("Janvier", "Fevrier", "Mars", "Avril", "Mai", "Juin",
                                                    "Juillet", "Aout", "Septembre", "Octobre",
                                                    "Novembre", "Decembre"));
  EXPECT_EQ(Column(list, 1), std::vector<std::string>(12, ""));

  d.SelectComboText(IDC_COMBO_ANNEE, "2023");
  EXPECT_THAT(Column(list, 1), testing::ElementsAre("0", "0", "2", "0", "0", "0", "0", "0", "0", "0", "0", "1"));
  d.SelectComboText(IDC_COMBO_ANNEE, "2024");
  EXPECT_THAT(Column(list, 1), testing::ElementsAre("1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"));
}

TEST(Statistics, EmptyCollectionShowsZerosAnEmptyListAndNoYear) {
  CGestionBD gestion;
  Session session;
  CQuilloryStatDlg general(nullptr, &gestion);
  session.Open(general);
  EXPECT_EQ(Driver(general).Text(IDC_STAT_TOTAL), "0");
  EXPECT_EQ(Driver(general).Text(IDC_STAT_EURO), "0");
  CQuilloryStatEditDlg publishers(nullptr, &gestion);
  session.Open(publishers);
  EXPECT_EQ(publishers.GetListView(IDC_LIST_STATEDITEURS)->GetItemCount(), 0);
  CQuilloryStatAchat purchases(nullptr, &gestion);
  session.Open(purchases);
  EXPECT_EQ(purchases.GetComboBox(IDC_COMBO_ANNEE)->GetCount(), 0);
}

}  // namespace
