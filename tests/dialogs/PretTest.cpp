// The list of loans with its return, and the loans per album.
#include "AlbumFixtures.h"

#include "dialogs/QuilloryPret.h"
#include "dialogs/QuilloryStatPret.h"
#include "platform/ListView.h"
#include "platform/headless/Driver.h"
#include "platform/headless/Session.h"
#include "resources/Resource.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using ::testing::ElementsAre;
using Driver = ui::headless::Driver;

std::vector<std::string> Column(const ui::ListView& list, int column) {
  std::vector<std::string> texts;
  for (int row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetItemText(row, column));
  return texts;
}

class PretTest : public ::testing::Test {
 protected:
  PretTest() {
    folder = fs::temp_directory_path() /
             ("quillory-pret-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
              "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder / "data");
    std::ofstream(folder / "data" / "quillory.db", std::ios::binary);
    store.Load(folder.string());
  }
  ~PretTest() override { fs::remove_all(folder); }
  std::string DatabaseFile() const {
    std::ifstream in(folder / "data" / "quillory.db", std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  fs::path folder;
  CGestionBD store;
  ui::headless::Session session;
};

TEST_F(PretTest, ListsTheLentAlbumsAndAReturnIsWrittenAtOnce) {
  Append(store, LentAlbum("Blake et Mortimer", "La Marque jaune", 6));
  CAlbum free = LentAlbum("Ast\xE9rix", "Le Tour de Gaule", 5);
  free.SetPretA("_");
  free.SetDatePret("_");
  Append(store, free);
  CAlbum underscore = LentAlbum("Lanfeust", "L'Ivoire", 1);
  underscore.SetPretA("_");  // lent to "_": looks not lent
  Append(store, underscore);
  CAlbum second = LentAlbum("Aldebaran", "La Catastrophe", 1);
  second.SetPretA("Marie");
  second.SetDatePret("demain");
  Append(store, second);

  CQuilloryPret dlg(nullptr, &store);
  session.Open(dlg);
  Driver d(dlg);
  const ui::ListView& list = *dlg.GetListView(IDC_LIST_PRETS);
  EXPECT_EQ(dlg.GetWindowText(), "Liste des pr\xEAts");
  EXPECT_EQ(list.GetColumnTitle(3), "Pr\xE9t\xE9 \xE0 :");
  EXPECT_THAT(Column(list, 0), ElementsAre("Blake et Mortimer", "Aldebaran"));
  EXPECT_THAT(Column(list, 1), ElementsAre("La Marque jaune", "La Catastrophe"));
  EXPECT_THAT(Column(list, 2), ElementsAre("6", "1"));
  EXPECT_THAT(Column(list, 3), ElementsAre("Paul", "Marie"));
  EXPECT_THAT(Column(list, 4), ElementsAre("12/03/2020", "demain"));
  EXPECT_FALSE(d.Enabled(IDC_BUTTON_RENDUE));
  d.ClickRow(IDC_LIST_PRETS, 1);
  EXPECT_TRUE(d.Enabled(IDC_BUTTON_RENDUE));
  d.ClickRow(IDC_LIST_PRETS, -1);
  EXPECT_FALSE(d.Enabled(IDC_BUTTON_RENDUE));

  session.ExpectMessageBox("BD enregistr\xE9" "e comme rendue");
  d.ClickRow(IDC_LIST_PRETS, 1).Click(IDC_BUTTON_RENDUE);
  const CAlbum& returned = *store.GetAlbum(3);
  EXPECT_EQ(returned.GetPretA(), "_");
  EXPECT_EQ(returned.GetDatePret(), "_");
  EXPECT_EQ(returned.GetNbPrets(), 4);
  EXPECT_EQ(DatabaseFile(), store.FormatDatabase());
  EXPECT_NE(DatabaseFile().find("\"Aldebaran\" \"La Catastrophe\" 1 "), std::string::npos);
  EXPECT_THAT(Column(list, 0), ElementsAre("Blake et Mortimer"));
  EXPECT_FALSE(d.Enabled(IDC_BUTTON_RENDUE));
  EXPECT_FALSE(dlg.SaveFailed());
}

TEST_F(PretTest, AReturnThatCannotBeWrittenIsReported) {
  Append(store, LentAlbum("Blake et Mortimer", "La Marque jaune", 6));
  fs::remove_all(folder / "data");
  CQuilloryPret dlg(nullptr, &store);
  session.Open(dlg);
  session.ExpectMessageBox(CQuilloryPret::MSG_RENDUE);
  session.ExpectMessageBox("Impossible d'enregistrer le fichier de base des BD");
  Driver(dlg).ClickRow(IDC_LIST_PRETS, 0).Click(IDC_BUTTON_RENDUE);
  EXPECT_TRUE(dlg.SaveFailed());
  EXPECT_EQ(store.GetAlbum(0)->GetNbPrets(), 4);
}

TEST_F(PretTest, ResizingMovesTheButtonsAndGrowsTheListInHeightOnly) {
  CQuilloryPret dlg(nullptr, &store);
  session.Open(dlg);
  const ui::Rect list = dlg.GetDlgItem(IDC_LIST_PRETS)->GetRect();
  const ui::Rect rendue = dlg.GetDlgItem(IDC_BUTTON_RENDUE)->GetRect();
  const ui::Rect fermer = dlg.GetDlgItem(ui::IDOK)->GetRect();
  const ui::Rect client = dlg.GetClientRect();
  Driver(dlg).Resize(client.Width() + 120, client.Height() + 50);
  ui::Rect moved = rendue;
  moved.Offset(120, 50);
  EXPECT_EQ(dlg.GetDlgItem(IDC_BUTTON_RENDUE)->GetRect(), moved);
  moved = fermer;
  moved.Offset(120, 50);
  EXPECT_EQ(dlg.GetDlgItem(ui::IDOK)->GetRect(), moved);
  ui::Rect grown = list;
  grown.bottom += 50;
  EXPECT_EQ(dlg.GetDlgItem(IDC_LIST_PRETS)->GetRect(), grown);
}

TEST_F(PretTest, LoansPerAlbumListOnlyReturnedLoansInSeriesOrder) {
  Append(store, LentAlbum("Thorgal", "La Magicienne trahie", 1));
  CAlbum never = LentAlbum("Akira", "Tetsuo", 1);
  never.SetNbPrets(0);
  Append(store, never);
  CAlbum once = LentAlbum("Aldebaran", "La Catastrophe", 1);
  once.SetNbPrets(1);
  Append(store, once);
  CQuilloryStatPret dlg(nullptr, &store);
  session.Open(dlg);
  EXPECT_EQ(dlg.GetWindowText(), "Nombre de fois qu'un BD a \xE9t\xE9 pr\xE9t\xE9" "e");
  const ui::ListView& list = *dlg.GetListView(IDC_LIST_STATPRETS);
  EXPECT_EQ(list.GetColumnTitle(0), "S\xE9rie");
  EXPECT_THAT(Column(list, 0), ElementsAre("Aldebaran", "Thorgal"));
  EXPECT_THAT(Column(list, 1), ElementsAre("La Catastrophe", "La Magicienne trahie"));
  EXPECT_THAT(Column(list, 2), ElementsAre("1", "3"));
}

}  // namespace
