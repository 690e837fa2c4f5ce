// The album entry dialog on its own: its three modes, its lists, the rating
// check, the characters the database line cannot carry and the full store.
#include "AlbumFixtures.h"

#include "dialogs/QuilloryAjoutBD.h"
#include "dialogs/QuilloryRenameDlg.h"
#include "platform/Button.h"
#include "platform/ComboBox.h"
#include "platform/DateTimePicker.h"
#include "platform/headless/Driver.h"
#include "platform/headless/Session.h"
#include "resources/Resource.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ::testing::ElementsAre;
using Driver = ui::headless::Driver;

std::vector<std::string> Items(const ui::ComboBox& combo) {
  std::vector<std::string> items;
  for (int i = 0; i < combo.GetCount(); ++i) items.push_back(combo.GetLBText(i));
  return items;
}

class AjoutBDTest : public ::testing::Test {
 protected:
  CQuilloryAjoutBD& Open(int mode, const std::string& titre = {}, const std::string& serie = {},
                         int tome = -1) {
    dlg = std::make_unique<CQuilloryAjoutBD>(nullptr, &store, mode, titre, serie, tome);
    session.Open(*dlg);
    return *dlg;
  }
  Driver D() { return Driver(*dlg); }
  bool Checked(int id) { return dlg->IsDlgButtonChecked(id) == ui::BST_CHECKED; }

  CGestionBD store;
  ui::headless::Session session;
  std::unique_ptr<CQuilloryAjoutBD> dlg;
};

TEST_F(AjoutBDTest, NextVolumeOfVolumeSevenKeepsTheSeriesValuesAndAddsVolumeEight) {
  Append(store, LentAlbum("Blake et Mortimer", "La Marque jaune", 7));
  Open(CQuilloryAjoutBD::MODE_SUITE, "La Marque jaune", "Blake et Mortimer", 7);
  EXPECT_EQ(dlg->GetWindowText(), "Ajouter la suite d'une BD");
  EXPECT_EQ(D().Text(IDC_AJOUT_TOME), "8");
  EXPECT_EQ(D().Text(IDC_AJOUT_TITRE), "");
  EXPECT_EQ(D().Text(IDC_AJOUT_COMMENTAIRE), "");
  EXPECT_EQ(D().Text(IDC_AJOUT_NOTE), "5");
  EXPECT_TRUE(Checked(IDC_AJOUT_EO));
  EXPECT_FALSE(Checked(IDC_AJOUT_SERIEFINIE));
  EXPECT_EQ(D().Text(IDC_AJOUT_SERIE), "Blake et Mortimer");
  EXPECT_EQ(D().Text(IDC_AJOUT_DESSIN), "Jacobs");
  EXPECT_EQ(D().Text(IDC_AJOUT_SCENARIO), "Van Hamme");
  EXPECT_EQ(D().Text(IDC_AJOUT_EDITEUR), "Dargaud");
  EXPECT_EQ(D().Text(IDC_AJOUT_GENRE), "Aventure");
  EXPECT_EQ(D().Text(IDC_AJOUT_COLLECTION), "Les Classiques");
  EXPECT_EQ(D().Text(IDC_AJOUT_TYPE), "Comic");
  EXPECT_EQ(dlg->GetDateTimePicker(IDC_AJOUT_DATEACHAT)->GetTime(), std::time_t(kAchat2010));
  EXPECT_EQ(D().Text(ui::IDOK), "Ajouter");

  D().Type(IDC_AJOUT_TITRE, "SOS M\xE9t\xE9ores").Click(ui::IDOK);
  EXPECT_TRUE(dlg->IsEnded());
  ASSERT_EQ(store.GetAlbumCount(), 2);
  const CAlbum& a = *store.GetAlbum(1);
  EXPECT_EQ(a.GetSerie(), "Blake et Mortimer");
  EXPECT_EQ(a.GetTitre(), "SOS M\xE9t\xE9ores");
  EXPECT_EQ(a.GetTome(), 8);
  EXPECT_EQ(a.GetDessinateur(), "Jacobs");
  EXPECT_EQ(a.GetScenariste(), "Van Hamme");
  EXPECT_EQ(a.GetEditeur(), "Dargaud");
  EXPECT_EQ(a.GetCommentaire(), "_");
  EXPECT_EQ(a.GetGenre(), "Aventure");
  EXPECT_EQ(a.GetCollection(), "Les Classiques");
  EXPECT_EQ(a.GetType(), ALBUM_COMIC);
  EXPECT_EQ(a.GetDateAchat(), kAchat2010);
  EXPECT_EQ(a.GetNote(), 5);
  EXPECT_EQ(a.GetEO(), 1);
  EXPECT_EQ(a.GetSerieFinie(), 0);
  // A new album is not lent and has no pictures.
  EXPECT_EQ(a.GetPicture(), "_");
  EXPECT_EQ(a.GetPretA(), "_");
  EXPECT_EQ(a.GetDatePret(), "_");
  EXPECT_EQ(a.GetNbPrets(), 0);
  EXPECT_EQ(a.GetPicture2(), "_");
  EXPECT_EQ(store.GetNbComic(), 2);
}

TEST_F(AjoutBDTest, ModifyFindsTheAlbumByVolumeAndKeepsItsLoanAndPictures) {
  Append(store, LentAlbum("Blake et Mortimer", "Le Secret", 1));
  Append(store, LentAlbum("Blake et Mortimer", "Le Secret", 2));
  store.GetAlbum(1)->SetCommentaire("Tome deux");
  Open(5, "Le Secret", "Blake et Mortimer", 2);
  EXPECT_EQ(dlg->GetWindowText(), "Modification d'une BD");
  EXPECT_EQ(dlg->GetMode(), 1);  // the album's place in the collection
  EXPECT_EQ(D().Text(ui::IDOK), "Modifier");
  EXPECT_EQ(D().Text(IDC_AJOUT_COMMENTAIRE), "Tome deux");
  EXPECT_EQ(D().Text(IDC_AJOUT_TOME), "2");
  EXPECT_EQ(D().Text(IDC_AJOUT_NOTE), "7");
  EXPECT_TRUE(Checked(IDC_AJOUT_SERIEFINIE));

  D().SetText(IDC_AJOUT_TITRE, "Le Secret de l'Espadon")
      .SelectComboText(IDC_AJOUT_TYPE, "Manga")
      .SetText(IDC_AJOUT_DESSIN, "E. P. Jacobs")
      .SetDate(IDC_AJOUT_DATEACHAT, 2021, 6, 15)
      .Click(IDC_AJOUT_EO)
      .Click(ui::IDOK);
  EXPECT_TRUE(dlg->IsEnded());
  ASSERT_EQ(store.GetAlbumCount(), 2);
  EXPECT_EQ(store.GetAlbum(0)->GetTitre(), "Le Secret");
  const CAlbum& a = *store.GetAlbum(1);
  EXPECT_EQ(a.GetTitre(), "Le Secret de l'Espadon");
  EXPECT_EQ(a.GetDessinateur(), "E. P. Jacobs");
  EXPECT_EQ(a.GetType(), ALBUM_MANGA);
  EXPECT_EQ(a.GetEO(), 0);
  EXPECT_EQ(dlg->GetDateTimePicker(IDC_AJOUT_DATEACHAT)->GetYear(), 2021);
  EXPECT_NE(a.GetDateAchat(), kAchat2010);
  EXPECT_EQ(store.GetNbComic(), 1);
  EXPECT_EQ(store.GetNbManga(), 1);
  EXPECT_EQ(a.GetPretA(), "Paul");
  EXPECT_EQ(a.GetDatePret(), "12/03/2020");
  EXPECT_EQ(a.GetNbPrets(), 3);
  EXPECT_EQ(a.GetPicture(), "images\\blake.jpg");
  EXPECT_EQ(a.GetPicture2(), "images\\dos.jpg");
}

TEST_F(AjoutBDTest, ListsHoldEveryDistinctValueSortedAndCollectionSkipsThePlaceholder) {
  for (int i = 0; i < 700; ++i) {
    CAlbum a = LentAlbum("S" + std::to_string(i), "T", 1);
    a.SetEditeur("Editeur " + std::to_string(1000 + i));
    Append(store, a);
  }
  CAlbum bare("Bare", "Nu", 1, "_", "_", "_", "_", 0, "_", "_", "_", "_", 0.0, 0, "_", 0, 0, 0,
              "_");
  Append(store, bare);
  Open(CQuilloryAjoutBD::MODE_NOUVELLE_SERIE);
  const std::vector<std::string> editeurs = Items(*dlg->GetComboBox(IDC_AJOUT_EDITEUR));
  ASSERT_EQ(editeurs.size(), 701u);  // no cut at 500
  EXPECT_EQ(editeurs.front(), "_");
  EXPECT_EQ(editeurs[1], "Editeur 1000");
  EXPECT_EQ(editeurs.back(), "Editeur 1699");
  EXPECT_THAT(Items(*dlg->GetComboBox(IDC_AJOUT_COLLECTION)), ElementsAre("Les Classiques"));
  EXPECT_THAT(Items(*dlg->GetComboBox(IDC_AJOUT_DESSIN)), ElementsAre("_", "Jacobs"));
  EXPECT_THAT(Items(*dlg->GetComboBox(IDC_AJOUT_TYPE)), ElementsAre("BD Euro", "Comic", "Manga"));
  EXPECT_EQ(dlg->GetComboBox(IDC_AJOUT_GENRE)->GetCount(), 12);
  D().Click(ui::IDCANCEL);
  EXPECT_EQ(store.GetAlbumCount(), 701);
}

TEST_F(AjoutBDTest, RatingAboveTenIsResetAndTenIsKept) {
  Open(CQuilloryAjoutBD::MODE_NOUVELLE_SERIE);
  session.ExpectMessageBox("La note doit \xEAtre entre 0 et 10");
  D().SetText(IDC_AJOUT_NOTE, "").Type(IDC_AJOUT_NOTE, "11");
  EXPECT_EQ(D().Text(IDC_AJOUT_NOTE), "0");
  D().SetText(IDC_AJOUT_NOTE, "10");
  EXPECT_EQ(D().Text(IDC_AJOUT_NOTE), "10");
  D().Click(ui::IDOK);
  ASSERT_EQ(store.GetAlbumCount(), 1);
  EXPECT_EQ(store.GetAlbum(0)->GetNote(), 10);
}

TEST_F(AjoutBDTest, AmpersandAndQuoteAreRefusedTypedOrPastedAndNothingTypedIsLost) {
  Open(CQuilloryAjoutBD::MODE_NOUVELLE_SERIE);
  for (int i = 0; i < 3; ++i) session.ExpectMessageBox(CQuilloryAjoutBD::MSG_FORBIDDEN_CHAR);
  D().Type(IDC_AJOUT_SERIE, "Tintin & Milou").Type(IDC_AJOUT_EDITEUR, "\"Casterman\"");
  EXPECT_EQ(D().Text(IDC_AJOUT_SERIE), "Tintin  Milou");
  EXPECT_EQ(D().Text(IDC_AJOUT_EDITEUR), "Casterman");
  EXPECT_EQ(session.MessageBoxes().size(), 3u);  // one per forbidden key

  // Pasted, the text reaches the box: accepting is refused and keeps it.
  session.ExpectMessageBox(CQuilloryAjoutBD::MSG_FORBIDDEN_CHAR);
  D().SetText(IDC_AJOUT_COMMENTAIRE, "Le \"meilleur\" tome").Click(ui::IDOK);
  EXPECT_FALSE(dlg->IsEnded());
  EXPECT_EQ(D().Text(IDC_AJOUT_COMMENTAIRE), "Le \"meilleur\" tome");
  session.ExpectMessageBox(CQuilloryAjoutBD::MSG_FORBIDDEN_CHAR);
  D().SetText(IDC_AJOUT_COMMENTAIRE, "ok").SetText(IDC_AJOUT_GENRE, "Po\"lar").Click(ui::IDOK);
  EXPECT_FALSE(dlg->IsEnded());
  session.ExpectMessageBox(CQuilloryAjoutBD::MSG_FORBIDDEN_CHAR);
  D().SetText(IDC_AJOUT_GENRE, "Polar").SetText(IDC_AJOUT_COLLECTION, "Un\r\nDeux").Click(ui::IDOK);
  EXPECT_FALSE(dlg->IsEnded());
  EXPECT_EQ(store.GetAlbumCount(), 0);

  D().SetText(IDC_AJOUT_COLLECTION, "Un Deux").Click(ui::IDOK);
  EXPECT_TRUE(dlg->IsEnded());
  ASSERT_EQ(store.GetAlbumCount(), 1);
  EXPECT_EQ(store.GetAlbum(0)->GetSerie(), "Tintin  Milou");
  EXPECT_EQ(store.GetAlbum(0)->GetCollection(), "Un Deux");
}

TEST_F(AjoutBDTest, LongPastesAreCutSoThatTheLineStillLoads) {
  Open(CQuilloryAjoutBD::MODE_NOUVELLE_SERIE);
  const std::string longText(3000, 'x');
  for (int id : {IDC_AJOUT_SERIE, IDC_AJOUT_TITRE, IDC_AJOUT_SCENARIO, IDC_AJOUT_DESSIN,
                 IDC_AJOUT_EDITEUR, IDC_AJOUT_COMMENTAIRE, IDC_AJOUT_GENRE, IDC_AJOUT_COLLECTION})
    D().SetText(id, longText);
  EXPECT_EQ(D().Text(IDC_AJOUT_SERIE).size(), std::size_t(field_limits::SERIE));
  EXPECT_EQ(D().Text(IDC_AJOUT_COMMENTAIRE).size(), std::size_t(field_limits::COMMENTAIRE));
  D().SetText(IDC_AJOUT_TOME, "999999999").Click(ui::IDOK);
  ASSERT_EQ(store.GetAlbumCount(), 1);
  // With the longest borrower, loan date and pictures too, the line fits.
  CAlbum& a = *store.GetAlbum(0);
  a.SetPretA(std::string(field_limits::PRET_A, 'p'));
  a.SetDatePret(std::string(field_limits::DATE_PRET, 'd'));
  a.SetPicture(std::string(field_limits::PICTURE, 'i'));
  a.SetPicture2(std::string(field_limits::PICTURE, 'j'));
  a.SetNbPrets(-2147483647 - 1);
  a.SetDateAchat(-11644473600.0);
  EXPECT_LE(CGestionBD::FormatDatabaseLine(a).size(), std::size_t(CGestionBD::MAX_LINE) + 2);
}

TEST_F(AjoutBDTest, AStoredPlaceholderIsAnEmptyBoxAndAnEmptyBoxIsStoredAsIt) {
  const CAlbum bare("_", "_", 4, "_", "_", "_", "_", 0, "_", "images\\nu.jpg", "_", "_", kAchat2010,
                    ALBUM_MANGA, "_", 6, 1, 2, "_");
  Append(store, bare);
  const std::string before = CGestionBD::FormatDatabaseLine(*store.GetAlbum(0));
  Open(0, "_", "_", 4);
  for (int id : {IDC_AJOUT_SERIE, IDC_AJOUT_TITRE, IDC_AJOUT_SCENARIO, IDC_AJOUT_DESSIN,
                 IDC_AJOUT_EDITEUR, IDC_AJOUT_COMMENTAIRE, IDC_AJOUT_GENRE, IDC_AJOUT_COLLECTION})
    EXPECT_EQ(D().Text(id), "") << id;
  // Accepted untouched, the album's line stays byte for byte the same.
  D().Click(ui::IDOK);
  EXPECT_EQ(CGestionBD::FormatDatabaseLine(*store.GetAlbum(0)), before);

  Open(0, "_", "_", 4);
  D().Type(IDC_AJOUT_COMMENTAIRE, "Bon \xE9tat").Type(IDC_AJOUT_EDITEUR, "Kana").Click(ui::IDOK);
  EXPECT_EQ(store.GetAlbum(0)->GetCommentaire(), "Bon \xE9tat");
  EXPECT_EQ(store.GetAlbum(0)->GetEditeur(), "Kana");
  EXPECT_EQ(store.GetAlbum(0)->GetGenre(), "_");

  // The next volume of a series without a name starts from empty boxes too.
  Open(CQuilloryAjoutBD::MODE_SUITE, "_", "_", 4);
  EXPECT_EQ(D().Text(IDC_AJOUT_SERIE), "");
  EXPECT_EQ(D().Text(IDC_AJOUT_DESSIN), "");
  EXPECT_EQ(D().Text(IDC_AJOUT_EDITEUR), "Kana");
  D().Click(ui::IDCANCEL);
  // Renaming that series shows its current name as an empty box too.
  CQuilloryRenameDlg rename(nullptr, &store, "_", nullptr);
  session.Open(rename);
  EXPECT_EQ(Driver(rename).Text(IDC_RENAME_ANCIEN), "");
}

TEST_F(AjoutBDTest, AnAlbumAlreadyHeldIsAddedOnlyAfterYesAndNoKeepsWhatWasTyped) {
  Append(store, LentAlbum("Blake et Mortimer", "La Marque jaune", 7));
  Open(CQuilloryAjoutBD::MODE_SUITE, "La Marque jaune", "Blake et Mortimer", 7);
  // Volume 7 again, its title in other capitals.
  D().SetText(IDC_AJOUT_TOME, "7").Type(IDC_AJOUT_TITRE, "LA MARQUE JAUNE");
  const unsigned question = ui::MB_YESNO | ui::MB_ICONEXCLAMATION | ui::MB_DEFBUTTON2;
  session.ExpectMessageBox(
      "Cette BD existe d\xE9j\xE0 dans la collection. Voulez-vous l'ajouter quand m\xEAme ?")
      .Type(question).Answer(ui::IDNO);
  D().Click(ui::IDOK);
  EXPECT_FALSE(dlg->IsEnded());
  EXPECT_EQ(D().Text(IDC_AJOUT_TITRE), "LA MARQUE JAUNE");
  EXPECT_EQ(D().Text(IDC_AJOUT_TOME), "7");
  EXPECT_EQ(store.GetAlbumCount(), 1);
  session.ExpectMessageBox(CQuilloryAjoutBD::MSG_DUPLICATE).Type(question).Answer(ui::IDYES);
  D().Click(ui::IDOK);
  EXPECT_TRUE(dlg->IsEnded());
  ASSERT_EQ(store.GetAlbumCount(), 2);
  EXPECT_EQ(store.GetAlbum(1)->GetTitre(), "LA MARQUE JAUNE");

  // A new series whose volume is not held yet asks nothing.
  Open(CQuilloryAjoutBD::MODE_NOUVELLE_SERIE);
  D().Type(IDC_AJOUT_SERIE, "Blake et Mortimer").Type(IDC_AJOUT_TITRE, "La Marque jaune");
  D().Type(IDC_AJOUT_TOME, "8").Click(ui::IDOK);
  EXPECT_TRUE(dlg->IsEnded());
  EXPECT_EQ(store.GetAlbumCount(), 3);
}

TEST_F(AjoutBDTest, AnAlbumNoLongerInTheCollectionIsReportedAndNothingChanges) {
  Append(store, LentAlbum("Blake et Mortimer", "La Marque jaune", 7));
  session.ExpectMessageBox(CQuilloryAjoutBD::MSG_ALBUM_GONE);
  Open(CQuilloryAjoutBD::MODE_SUITE, "La Marque jaune", "Blake et Mortimer", 8);
  EXPECT_TRUE(dlg->IsEnded());
  EXPECT_EQ(dlg->GetModalResult(), ui::IDCANCEL);
  EXPECT_EQ(store.GetAlbumCount(), 1);
}

}  // namespace
