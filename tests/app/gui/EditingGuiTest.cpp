// Editing on the real toolkit: the album entry dialog (typed combo texts,
// the date picker, the rating check, accept, then the saved line byte for
// byte), and a loan recorded, returned in the list of loans and counted.
#include "../AppTestSupport.h"
#include "app/QuilloryApp.h"
#include "app/QuilloryDlg.h"
#include "app/QuilloryDlgList.h"
#include "collection/GestionBD.h"
#include "dialogs/QuilloryAjoutBD.h"
#include "platform/ComboBox.h"
#include "platform/DateTimePicker.h"
#include "platform/ListView.h"
#include "platform/wx/UiDriver.h"
#include "resources/Resource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>

using ui::wxb::UiDriver;

namespace {

TEST(EntryDialogGui, NewSeriesTypedIntoTheRealDialogIsSavedByteForByte) {
  TestProgramFolder folder;
  AlbumValues blake{"Blake et Mortimer", "La Marque jaune", 6};
  blake.scenariste = "Jacobs";
  blake.editeur = "Dargaud";
  folder.WriteCollection({blake});

  std::vector<std::string> boxes;
  double dateAchat = 0;
  int year = 0, month = 0, day = 0;
  bool entryDone = false;
  UiDriver::WhenShown([&](ui::Window& window) {
    auto& dlg = dynamic_cast<CQuilloryDlg&>(window);
    UiDriver::WhenShown([&](ui::Window& entryWindow) {
      auto& entry = dynamic_cast<CQuilloryAjoutBD&>(entryWindow);
      EXPECT_EQ(UiDriver::NativeText(*entry.GetDlgItem(IDC_AJOUT_NOTE)), "5");
      EXPECT_EQ(entry.GetComboBox(IDC_AJOUT_SCENARIO)->GetLBText(0), "Jacobs");

      UiDriver::Type(*entry.GetDlgItem(IDC_AJOUT_SERIE), "Lanfeust de Troy");
      UiDriver::Type(*entry.GetDlgItem(IDC_AJOUT_TITRE), "L'Ivoire du Magohamoth");
      UiDriver::Type(*entry.GetDlgItem(IDC_AJOUT_TOME), "1");
      UiDriver::Type(*entry.GetDlgItem(IDC_AJOUT_SCENARIO), "Arleston");
      UiDriver::Type(*entry.GetDlgItem(IDC_AJOUT_DESSIN), "Tarquin");
      UiDriver::Type(*entry.GetDlgItem(IDC_AJOUT_EDITEUR), "Soleil");
      UiDriver::Type(*entry.GetDlgItem(IDC_AJOUT_GENRE), "Heroic Fantaisy");
      UiDriver::Type(*entry.GetDlgItem(IDC_AJOUT_TYPE), "BD Euro");
      ui::ComboBox& type = *entry.GetComboBox(IDC_AJOUT_TYPE);
      EXPECT_TRUE(UiDriver::WaitUntil([&] { return type.GetCurSel() == 0; }));

      // An ampersand is refused with a message (the typing waits for it: a
      // space typed into the box would press its button); the rating above
      // 10 too, which leaves 0.
      UiDriver::AnswerMessageBoxes({ui::IDOK, ui::IDOK}, &boxes);
      UiDriver::Type(*entry.GetDlgItem(IDC_AJOUT_COMMENTAIRE), "Troy &");
      EXPECT_TRUE(UiDriver::WaitUntil([&] { return boxes.size() == 1; }));
      UiDriver::Type(*entry.GetDlgItem(IDC_AJOUT_COMMENTAIRE), " Eckmul");
      UiDriver::Type(*entry.GetDlgItem(IDC_AJOUT_NOTE), "1");
      EXPECT_TRUE(UiDriver::WaitUntil([&] { return boxes.size() == 2; }));
      EXPECT_TRUE(UiDriver::WaitUntil([&] { return entry.GetDlgItemText(IDC_AJOUT_NOTE) == "0"; }));
      EXPECT_EQ(UiDriver::NativeText(*entry.GetDlgItem(IDC_AJOUT_NOTE)), "0");

      // A date picked as the calendar picks it: the native picker follows.
      ui::Control& picker = *entry.GetDlgItem(IDC_AJOUT_DATEACHAT);
      entry.GetDateTimePicker(IDC_AJOUT_DATEACHAT)->UserSetDate(2021, 6, 15);
      UiDriver::Flush();
      EXPECT_EQ(UiDriver::NativeText(picker), "15/06/2021");

      UiDriver::Click(*entry.GetDlgItem(ui::IDOK));
      entryDone = true;
    });
    UiDriver::ChooseMenu(dlg, ID_GESTION_NOUVELLESERIE);
    // Once the dialog has closed and the window has marked itself modified.
    EXPECT_TRUE(UiDriver::WaitUntil(
        [&] { return dlg.GetGestion()->GetAlbumCount() == 2 && dlg.IsModified(); }));
    const CAlbum* added = dlg.GetGestion()->GetAlbum(1);
    if (added) dateAchat = added->GetDateAchat();
    std::time_t t = static_cast<std::time_t>(dateAchat);
    std::tm tm{};
    localtime_r(&t, &tm);
    year = tm.tm_year + 1900;
    month = tm.tm_mon + 1;
    day = tm.tm_mday;
    EXPECT_EQ(UiDriver::NativeText(*dlg.GetDlgItem(IDC_EDIT_NBBD)), "2");
    UiDriver::ChooseMenu(dlg, ID_GESTION_ENREGISTRER);
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return !dlg.IsModified(); }));
    UiDriver::CloseWindow(dlg);
  });
  CQuilloryApp app;
  app.InitInstance(folder.Path() + "/Quillory");

  EXPECT_TRUE(entryDone);
  EXPECT_EQ(boxes, (std::vector<std::string>{"Ce caract\xE8re est interdit, d\xE9sol\xE9.",
                                             "La note doit \xEAtre entre 0 et 10"}));
  EXPECT_EQ(year, 2021);
  EXPECT_EQ(month, 6);
  EXPECT_EQ(day, 15);
  char date[64];
  std::snprintf(date, sizeof date, "%.6f", dateAchat);
  EXPECT_EQ(folder.ReadFile("data/quillory.db"),
            TestProgramFolder::DatabaseBytes({blake}) +
                "\"Lanfeust de Troy\" \"L'Ivoire du Magohamoth\" 1 \"Tarquin\" \"Arleston\" "
                "\"Soleil\" \"Troy  Eckmul\" 1 \"Heroic Fantaisy\" \"_\" \"_\" \"_\" " +
                date + " 0 \"_\" 0 0 0 \"_\"\r\n");
}

}  // namespace

namespace {

// Texts longer than what may be typed, as older files and CSV imports hold
// them, each with a distinct text.
std::string Repeat(const std::string& part, std::size_t length) {
  std::string text;
  while (text.size() < length) text += part;
  return text.substr(0, length);
}

// Modifying an album whose texts are longer than the boxes let the user
// type: they show whole, can be shortened, and nothing more is typed into
// them; a purchase date typed with the keyboard, the calendar opened and
// closed with Escape; the purchase statistics then offer the year typed.
TEST(EntryDialogGui, LongStoredTextsStayWholeAndATypedDateIsTheDateSaved) {
  TestProgramFolder folder;
  AlbumValues album{Repeat("Les Chroniques du Royaume d'Ecume ", 100), "La Porte", 4};
  album.dessinateur = Repeat("Aurore Delacroix-Vermeil ", 60);
  album.scenariste = "Yann Keroual";
  album.editeur = "Editions du Littoral";
  album.commentaire = Repeat("Exemplaire dedicace au salon de Saint-Malo. ", 300);
  album.collection = "Grand Large";
  album.genre = "Aventure";
  album.note = 8;
  folder.WriteCollection({album});

  std::vector<std::string> boxes, years;
  bool entryDone = false, escapeKeptTheDialog = false;
  CQuilloryDlg dlg(nullptr, 0, folder.Path());
  UiDriver::WhenShown([&](ui::Window&) {
    CQuilloryDlgList& page = *dlg.GetTab().GetCurrentPage();
    UiDriver::ClickRow(*page.GetList().GetListView(), 0);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return page.GetList().GetNextSelectedItem() == 0; }));
    UiDriver::WhenShown([&](ui::Window& entryWindow) {
      auto& entry = dynamic_cast<CQuilloryAjoutBD&>(entryWindow);
      ui::Control& serie = *entry.GetDlgItem(IDC_AJOUT_SERIE);
      ui::Control& comment = *entry.GetDlgItem(IDC_AJOUT_COMMENTAIRE);
      ui::Control& artist = *entry.GetDlgItem(IDC_AJOUT_DESSIN);
      EXPECT_EQ(UiDriver::NativeText(serie), album.serie);
      EXPECT_EQ(UiDriver::NativeText(comment), album.commentaire);
      EXPECT_EQ(UiDriver::NativeText(artist), album.dessinateur);
      // Shortened by one at its end; nothing typed goes into the others.
      UiDriver::Type(serie, "");
      UiDriver::Key(ui::VK_END);
      UiDriver::Key(ui::VK_BACK);
      UiDriver::Type(comment, "x");
      UiDriver::Type(artist, "y");
      EXPECT_TRUE(UiDriver::WaitUntil([&] { return serie.GetWindowText().size() == 99; }));

      // The date typed over the one shown, every part of it.
      ui::Control& picker = *entry.GetDlgItem(IDC_AJOUT_DATEACHAT);
      UiDriver::Type(picker, "");
      UiDriver::Key('A', true);
      UiDriver::TypeKeys("15/03/2019");
      EXPECT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeText(picker) == "15/03/2019"; }));
      // The calendar opened, then Escape: only the calendar closes.
      UiDriver::ClickDropDown(picker);
      EXPECT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeDropDownShown(picker); }));
      UiDriver::Key(ui::VK_ESCAPE);
      EXPECT_TRUE(UiDriver::WaitUntil([&] { return !UiDriver::NativeDropDownShown(picker); }));
      escapeKeptTheDialog = !UiDriver::WaitUntil([&] { return entry.IsEnded(); }, 500);
      if (!escapeKeptTheDialog) return;
      EXPECT_EQ(UiDriver::NativeText(picker), "15/03/2019");
      UiDriver::Click(*entry.GetDlgItem(ui::IDOK));
      entryDone = true;
    });
    page.SendCommand(ID_PAGE_MODIFIER);
    UiDriver::WhenShown([&](ui::Window& stat) {
      ui::ComboBox& combo = *stat.GetComboBox(IDC_COMBO_ANNEE);
      for (int i = 0; i < combo.GetCount(); ++i) years.push_back(combo.GetLBText(i));
      UiDriver::Click(*stat.GetDlgItem(ui::IDOK));
    });
    UiDriver::ChooseMenu(dlg, ID_STAT_ACHAT);
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return !years.empty(); }));
    UiDriver::AnswerMessageBoxes({ui::IDYES}, &boxes);
    UiDriver::CloseWindow(dlg);
  });
  dlg.DoModal();

  EXPECT_TRUE(escapeKeptTheDialog);
  EXPECT_TRUE(entryDone);
  EXPECT_EQ(years, std::vector<std::string>{"2019"});
  EXPECT_EQ(boxes, std::vector<std::string>{"Voulez vous sauvegarder les modifications ??"});
  CGestionBD saved;
  ASSERT_EQ(saved.Load(folder.Path()), CGestionBD::LOAD_OK);
  const CAlbum& modified = *saved.GetAlbum(0);
  EXPECT_EQ(modified.GetSerie(), album.serie.substr(0, 99));
  EXPECT_EQ(modified.GetCommentaire(), album.commentaire);
  EXPECT_EQ(modified.GetDessinateur(), album.dessinateur);
  const std::time_t bought = static_cast<std::time_t>(modified.GetDateAchat());
  std::tm local{};
  localtime_r(&bought, &local);
  EXPECT_EQ(local.tm_year + 1900, 2019);
  EXPECT_EQ(local.tm_mon + 1, 3);
  EXPECT_EQ(local.tm_mday, 15);
}

TEST(LoansGui, ALoanIsRecordedThenReturnedInTheListOfLoansAndCounted) {
  TestProgramFolder folder;
  folder.WriteCollection({{"Blake et Mortimer", "La Marque jaune", 6}, {"Akira", "Tetsuo", 1}});

  std::vector<std::string> boxes;
  int listedLoans = -1, statRows = -1;
  std::string statCount;
  UiDriver::WhenShown([&](ui::Window& window) {
    auto& dlg = dynamic_cast<CQuilloryDlg&>(window);
    ui::ListView& list = *dlg.GetTab().GetCurrentPage()->GetList().GetListView();
    UiDriver::ClickRow(list, 0);  // Akira, first in series order
    ui::Control& borrower = *dlg.GetDlgItem(IDC_EDIT_PRETA);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeShown(borrower); }));
    UiDriver::Type(borrower, "Paul");
    UiDriver::Type(*dlg.GetDlgItem(IDC_EDIT_DATEPRET), "vendredi");
    UiDriver::AnswerMessageBoxes({ui::IDOK}, &boxes);
    UiDriver::Click(*dlg.GetDlgItem(IDC_BUTTON_PRET));
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return boxes.size() == 1; }));
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return !UiDriver::NativeShown(borrower); }));

    // The list of loans: the row, then "Bd Rendue" and its message.
    UiDriver::WhenShown([&](ui::Window& loansWindow) {
      ui::ListView& loans = *loansWindow.GetListView(IDC_LIST_PRETS);
      listedLoans = UiDriver::NativeRowCount(loans);
      EXPECT_EQ(UiDriver::NativeCell(loans, 0, 3), "Paul");
      EXPECT_EQ(UiDriver::NativeCell(loans, 0, 4), "vendredi");
      ui::Control& rendue = *loansWindow.GetDlgItem(IDC_BUTTON_RENDUE);
      UiDriver::ClickRow(loans, 0);
      ASSERT_TRUE(UiDriver::WaitUntil([&] { return rendue.IsWindowEnabled(); }));
      UiDriver::AnswerMessageBoxes({ui::IDOK}, &boxes);
      UiDriver::Click(rendue);
      ASSERT_TRUE(UiDriver::WaitUntil([&] { return boxes.size() == 2; }));
      EXPECT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeRowCount(loans) == 0; }));
      UiDriver::Click(*loansWindow.GetDlgItem(ui::IDOK));
    });
    UiDriver::ChooseMenu(dlg, ID_OUTILS_LISTEPRETS);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return listedLoans >= 0 && !dlg.IsCtrlArmed(); }));

    UiDriver::WhenShown([&](ui::Window& statWindow) {
      ui::ListView& stat = *statWindow.GetListView(IDC_LIST_STATPRETS);
      statRows = UiDriver::NativeRowCount(stat);
      statCount = UiDriver::NativeCell(stat, 0, 2);
      UiDriver::Click(*statWindow.GetDlgItem(ui::IDOK));
    });
    UiDriver::ChooseMenu(dlg, ID_STAT_PRETEES);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return statRows >= 0; }));
    // The loan itself was marked as a change: the close question saves it too.
    UiDriver::AnswerMessageBoxes({ui::IDNO}, &boxes);
    UiDriver::CloseWindow(dlg);
  });
  CQuilloryApp app;
  app.InitInstance(folder.Path() + "/Quillory");

  EXPECT_EQ(listedLoans, 1);
  EXPECT_EQ(statRows, 1);
  EXPECT_EQ(statCount, "1");
  EXPECT_EQ(boxes, (std::vector<std::string>{"Pr\xEAt Enregistr\xE9", "BD enregistr\xE9" "e comme rendue",
                                             "Voulez vous sauvegarder les modifications ??"}));
  // The return was written at once: Akira back, lent once.
  const std::string db = folder.ReadFile("data/quillory.db");
  EXPECT_NE(db.find("\"Akira\" \"Tetsuo\" 1 \"_\" \"_\" \"_\" \"_\" 0 \"Humour\" \"_\" \"_\" \"_\" "),
            std::string::npos);
  EXPECT_NE(db.find(" 0 \"_\" 0 0 1 \"_\"\r\n"), std::string::npos);
}

}  // namespace
