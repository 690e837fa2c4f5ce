// The graphic-style main window on the real toolkit, in this process: series
// and albums picked with the mouse, an album modified, a series renamed and
// another deleted, a shortcut, and the style switch answered No.
#include "../AppTestSupport.h"
#include "app/QuilloryDlg.h"
#include "app/QuilloryDlgList.h"
#include "app/QuilloryDlgtypeGraph.h"
#include "collection/GestionBD.h"
#include "platform/ListView.h"
#include "platform/wx/UiDriver.h"
#include "resources/Resource.h"

#include <gtest/gtest.h>

using ui::wxb::UiDriver;

namespace {

// A series and its albums picked with the mouse: the details, loan boxes
// included, are always the selected album's; a modified album stays
// selected; the rename dialog takes the typing and refuses a pasted quote;
// a shortcut from the series list; a deleted series leaves no details.
TEST(GraphWindowGui, PickModifyRenameShortcutsDeleteAndStyleNo) {
  TestProgramFolder folder;
  folder.WriteCollection({{"Thorgal", "La Magicienne trahie", 1},
                          {"Akira", "Tetsuo", 1},
                          {"Thorgal", "L'Ile des mers gel\xE9" "es", 2}});
  const std::string original = folder.ReadFile("data/quillory.db");
  std::vector<std::string> boxes;
  bool scriptDone = false;
  CQuilloryDlgtypeGraph dlg(nullptr, 1, folder.Path());
  UiDriver::WhenShown([&](ui::Window&) {
    CQuilloryDlgList& page = *dlg.GetTab().GetCurrentPage();
    ui::ListView& series = *page.GetList().GetListView();
    ui::ListView& albums = *dlg.GetAlbumList().GetListView();
    ui::Control& title = *dlg.GetDlgItem(IDC_VALUE_TITRE);
    ui::Control& borrower = *dlg.GetDlgItem(IDC_EDIT_PRETA);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeRowCount(series) == 2; }));
    EXPECT_EQ(UiDriver::NativeCell(series, 0, 0), "Akira");
    dlg.GetGestion()->GetAlbum(2)->SetPretA("Paul");
    dlg.GetGestion()->GetAlbum(2)->SetDatePret("vendredi");

    // The series, then its second volume, lent: the loan boxes say to whom.
    UiDriver::ClickRow(series, 1);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeRowCount(albums) == 2; }));
    EXPECT_EQ(UiDriver::NativeCell(albums, 1, 0), "02");
    UiDriver::ClickRow(albums, 1);
    ASSERT_TRUE(UiDriver::WaitUntil(
        [&] { return UiDriver::NativeText(title) == "L'Ile des mers gel\xE9" "es"; }));
    EXPECT_TRUE(UiDriver::NativeShown(*dlg.GetDlgItem(IDC_STATIC_ENPRET)));
    EXPECT_EQ(UiDriver::NativeText(borrower), "Paul");
    EXPECT_EQ(UiDriver::NativeText(*dlg.GetDlgItem(IDC_EDIT_DATEPRET)), "vendredi");
    // The first volume is not lent: empty boxes.
    UiDriver::ClickRow(albums, 0);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeText(title) == "La Magicienne trahie"; }));
    EXPECT_FALSE(UiDriver::NativeShown(*dlg.GetDlgItem(IDC_STATIC_ENPRET)));
    EXPECT_EQ(UiDriver::NativeText(borrower), "");

    // The second picture dialog opens over the album and closes with "Fermer".
    bool pictureShown = false;
    UiDriver::WhenShown([&](ui::Window& picture) {
      pictureShown = UiDriver::WaitUntil([&] { return UiDriver::NativeShown(*picture.GetDlgItem(IDC_PICTURE2)); });
      UiDriver::Click(*picture.GetDlgItem(ui::IDOK));
    });
    UiDriver::Click(*dlg.GetDlgItem(IDC_BUTTON_IMAGE2));
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return pictureShown; }));

    // "Modifier" makes it volume 3: it stays selected and shown, last now.
    UiDriver::WhenShown([&](ui::Window& entry) {
      ui::Control& tome = *entry.GetDlgItem(IDC_AJOUT_TOME);
      UiDriver::Type(tome, "");
      UiDriver::Key(ui::VK_BACK);
      UiDriver::TypeKeys("3");
      ASSERT_TRUE(UiDriver::WaitUntil([&] { return tome.GetWindowText() == "3"; }));
      UiDriver::Click(*entry.GetDlgItem(ui::IDOK));
    });
    UiDriver::Click(*dlg.GetDlgItem(IDC_BUTTON_MODIFIER));
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeCell(albums, 1, 0) == "03"; }));
    EXPECT_EQ(UiDriver::NativeSelectedRow(albums), 1);
    EXPECT_EQ(UiDriver::NativeText(title), "La Magicienne trahie");
    EXPECT_EQ(UiDriver::NativeText(*dlg.GetDlgItem(IDC_VALUE_TOME)), "3");

    // The series, picked again, renamed: typing goes to the new name at
    // once; a pasted double quote is refused as a typed one is.
    UiDriver::ClickRow(series, 1);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeSelectedRow(series) == 1; }));
    UiDriver::WhenShown([&](ui::Window& rename) {
      EXPECT_EQ(UiDriver::NativeText(*rename.GetDlgItem(IDC_RENAME_ANCIEN)), "Thorgal");
      ui::Control& nouveau = *rename.GetDlgItem(IDC_RENAME_NOUVEAU);
      UiDriver::TypeKeys("Thorgal");
      ASSERT_TRUE(UiDriver::WaitUntil([&] { return nouveau.GetWindowText() == "Thorgal"; }));
      UiDriver::AnswerMessageBoxes({ui::IDOK}, &boxes);
      UiDriver::SetClipboardText(" \"Aegirsson\"");
      UiDriver::Key('V', true);
      ASSERT_TRUE(UiDriver::WaitUntil([&] { return boxes.size() == 1; }));
      UiDriver::Type(nouveau, " Aegirsson");
      ASSERT_TRUE(UiDriver::WaitUntil([&] { return nouveau.GetWindowText() == "Thorgal Aegirsson"; }));
      UiDriver::AnswerMessageBoxes({ui::IDYES}, &boxes);
      UiDriver::Click(*rename.GetDlgItem(ui::IDOK));
    });
    dlg.SendCommand(ID_SERIE_RENOMMER);
    ASSERT_TRUE(UiDriver::WaitUntil(
        [&] { return UiDriver::NativeCell(series, 1, 0) == "Thorgal Aegirsson"; }));

    // Ctrl+N from the series list reaches the window (no album selected:
    // it says so); Ctrl released, a plain S saves nothing.
    UiDriver::AnswerMessageBoxes({ui::IDOK}, &boxes);
    UiDriver::ClickRow(series, 0);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeText(title) == "Tetsuo"; }));
    UiDriver::Key('N', true);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return boxes.size() == 3; }));
    UiDriver::Key('S');

    // Akira deleted with the Delete key: no album left to show.
    UiDriver::AnswerMessageBoxes({ui::IDYES, ui::IDOK}, &boxes);
    UiDriver::Key(ui::VK_DELETE);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return boxes.size() == 5 && UiDriver::NativeRowCount(series) == 1; }));
    EXPECT_EQ(folder.ReadFile("data/quillory.db"), original);  // the S saved nothing
    EXPECT_EQ(UiDriver::NativeRowCount(albums), 0);
    EXPECT_FALSE(UiDriver::NativeShown(title));
    EXPECT_FALSE(UiDriver::NativeShown(*dlg.GetDlgItem(IDC_LABEL_TITRE)));
    EXPECT_FALSE(UiDriver::NativeShown(*dlg.GetDlgItem(IDC_BUTTON_MODIFIER)));
    EXPECT_FALSE(UiDriver::NativeShown(borrower));

    // The style switch answered No: the marks stay on the running style.
    UiDriver::AnswerMessageBoxes({ui::IDNO}, &boxes);
    UiDriver::ChooseMenu(dlg, ID_STYLE_LISTE);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return boxes.size() == 6; }));
    EXPECT_TRUE(UiDriver::NativeMenuChecked(dlg, ID_STYLE_GRAPHIQUE));
    EXPECT_FALSE(UiDriver::NativeMenuChecked(dlg, ID_STYLE_LISTE));
    EXPECT_FALSE(UiDriver::NativeMenuEnabled(dlg, ID_CONFIG_LISTES));

    // Closing: Yes to the save question writes it all.
    UiDriver::AnswerMessageBoxes({ui::IDYES}, &boxes);
    UiDriver::CloseWindow(dlg);
    scriptDone = true;
  });
  dlg.DoModal();

  EXPECT_TRUE(scriptDone);
  EXPECT_EQ(boxes, (std::vector<std::string>{
                       "Ce caract\xE8re est interdit, d\xE9sol\xE9.",
                       "Voulez vous vraiment renommer Thorgal en Thorgal Aegirsson",
                       "Veuillez reselectionn\xE9" "e votre BD",
                       "Voulez vous vraiment supprimer la serie : Akira ?", "Serie Supprim\xE9" "e",
                       "Un changement de Style va necessitee un redemarrage du logiciel.\n Voulez vous continuer?",
                       "Voulez vous sauvegarder les modifications ??"}));
  CGestionBD saved;
  ASSERT_EQ(saved.Load(folder.Path()), CGestionBD::LOAD_OK);
  ASSERT_EQ(saved.GetAlbumCount(), 2);
  EXPECT_EQ(saved.GetAlbum(0)->GetSerie(), "Thorgal Aegirsson");
  EXPECT_EQ(saved.GetAlbum(0)->GetTome(), 3);
  EXPECT_EQ(saved.GetAlbum(1)->GetSerie(), "Thorgal Aegirsson");
  EXPECT_EQ(saved.GetAlbum(1)->GetPretA(), "Paul");
  EXPECT_EQ(folder.ReadFile("data/quilloryType.cfg"), "");
}

// What the user types is kept whole and within bounds on the real toolkit:
// the loan boxes stop at the list window's limits, a comment stored as "_"
// is an empty box, and the notepad gives back a note of one character.
TEST(GraphWindowGui, LoanLimitsEmptyPlaceholderBoxAndAOneCharacterNote) {
  TestProgramFolder folder;
  folder.WriteCollection({{"Lanfeust", "L'Ivoire du Magohamoth", 1}});
  folder.WriteFile("data/BlocNote.txt", "x");
  std::vector<std::string> boxes;
  std::string note;
  bool scriptDone = false;
  CQuilloryDlgtypeGraph dlg(nullptr, 1, folder.Path());
  UiDriver::WhenShown([&](ui::Window&) {
    ui::ListView& albums = *dlg.GetAlbumList().GetListView();
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeRowCount(albums) == 1; }));
    UiDriver::ClickRow(albums, 0);
    ui::Control& borrower = *dlg.GetDlgItem(IDC_EDIT_PRETA);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeShown(borrower); }));
    UiDriver::Type(borrower, std::string(60, 'n'));
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeText(borrower).size() >= 50; }));
    // The ten keys past the limit change nothing.
    EXPECT_FALSE(UiDriver::WaitUntil([&] { return UiDriver::NativeText(borrower).size() > 50; }, 1000));
    EXPECT_EQ(UiDriver::NativeText(borrower), std::string(50, 'n'));

    UiDriver::WhenShown([&](ui::Window& entry) {
      ui::Control& comment = *entry.GetDlgItem(IDC_AJOUT_COMMENTAIRE);
      EXPECT_EQ(UiDriver::NativeText(comment), "");
      UiDriver::Type(comment, "Bon etat");
      EXPECT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeText(comment) == "Bon etat"; }));
      UiDriver::Click(*entry.GetDlgItem(ui::IDOK));
    });
    UiDriver::Click(*dlg.GetDlgItem(IDC_BUTTON_MODIFIER));
    EXPECT_TRUE(UiDriver::WaitUntil(
        [&] { return UiDriver::NativeText(*dlg.GetDlgItem(IDC_VALUE_COMMENTAIRE)) == "Bon etat"; }));

    bool noteShown = false;
    UiDriver::WhenShown([&](ui::Window& notepad) {
      note = UiDriver::NativeText(*notepad.GetDlgItem(IDC_EDIT_BLOCNOTE));
      UiDriver::Click(*notepad.GetDlgItem(ui::IDOK));
      noteShown = true;
    });
    UiDriver::ChooseMenu(dlg, ID_OUTILS_BLOCNOTE);
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return noteShown; }, 10000));

    UiDriver::AnswerMessageBoxes({ui::IDYES}, &boxes);
    UiDriver::CloseWindow(dlg);
    scriptDone = true;
  });
  dlg.DoModal();

  EXPECT_TRUE(scriptDone);
  EXPECT_EQ(note, "x");
  EXPECT_EQ(folder.ReadFile("data/BlocNote.txt"), "x");
  CGestionBD saved;
  ASSERT_EQ(saved.Load(folder.Path()), CGestionBD::LOAD_OK);
  EXPECT_EQ(saved.GetAlbum(0)->GetCommentaire(), "Bon etat");
}

}  // namespace

namespace {

// The column dialog of the list-style window, clicked and typed into.
TEST(ColumnDialogGui, UncheckATitleWidenTheSeriesAndOk) {
  TestProgramFolder folder;
  folder.WriteCollection({{"Thorgal", "La Magicienne trahie", 1}});
  bool scriptDone = false;
  CQuilloryDlg dlg(nullptr, 0, folder.Path());
  UiDriver::WhenShown([&](ui::Window&) {
    UiDriver::WhenShown([&](ui::Window& conf) {
      EXPECT_EQ(UiDriver::NativeText(*conf.GetDlgItem(IDC_CONF_SIZE_SERIE)), "100");
      UiDriver::Click(*conf.GetDlgItem(IDC_CONF_CHECK_TITRE));
      UiDriver::Type(*conf.GetDlgItem(IDC_CONF_SIZE_SERIE), "5");
      UiDriver::Click(*conf.GetDlgItem(ui::IDOK));
    });
    dlg.SendCommand(ID_CONFIG_LISTES);
    UiDriver::CloseWindow(dlg);
    scriptDone = true;
  });
  dlg.DoModal();
  EXPECT_TRUE(scriptDone);
  // The 5 was typed after the 100 the box held.
  EXPECT_EQ(folder.ReadFile("data/quilloryConf.cfg"), "1005 0 40 100 100 90 50 100 100 40");
}

}  // namespace
