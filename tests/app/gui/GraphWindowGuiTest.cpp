// The graphic-style main window on the real toolkit, in this process: a
// series and an album picked with the mouse, a series renamed through the
// rename dialog, the second picture dialog, and the style switch answered No.
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

TEST(GraphWindowGui, PickRenameSecondPictureAndStyleNo) {
  TestProgramFolder folder;
  folder.WriteCollection({{"Thorgal", "La Magicienne trahie", 1},
                          {"Akira", "Tetsuo", 1},
                          {"Thorgal", "L'Ile des mers gel\xE9" "es", 2}});
  std::vector<std::string> boxes;
  bool scriptDone = false;
  CQuilloryDlgtypeGraph dlg(nullptr, 1, folder.Path());
  UiDriver::WhenShown([&](ui::Window&) {
    CQuilloryDlgList& page = *dlg.GetTab().GetCurrentPage();
    ui::ListView& series = *page.GetList().GetListView();
    ui::ListView& albums = *dlg.GetAlbumList().GetListView();
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeRowCount(series) == 2; }));
    EXPECT_EQ(UiDriver::NativeCell(series, 0, 0), "Akira");

    // The series, then its second volume, with the mouse.
    UiDriver::ClickRow(series, 1);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeRowCount(albums) == 2; }));
    EXPECT_EQ(UiDriver::NativeCell(albums, 1, 0), "02");
    UiDriver::ClickRow(albums, 1);
    ASSERT_TRUE(UiDriver::WaitUntil(
        [&] { return UiDriver::NativeText(*dlg.GetDlgItem(IDC_VALUE_TITRE)) == "L'Ile des mers gel\xE9" "es"; }));
    EXPECT_TRUE(UiDriver::NativeShown(*dlg.GetDlgItem(IDC_LABEL_SERIE)));
    EXPECT_FALSE(UiDriver::NativeShown(*dlg.GetDlgItem(IDC_STATIC_ENPRET)));

    // The second picture dialog opens over the album and closes with "Fermer".
    bool pictureShown = false;
    bool pictureRan = false;
    UiDriver::WhenShown([&](ui::Window& picture) {
      pictureRan = true;
      pictureShown = UiDriver::WaitUntil([&] { return UiDriver::NativeShown(*picture.GetDlgItem(IDC_PICTURE2)); });
      UiDriver::Click(*picture.GetDlgItem(ui::IDOK));
    });
    UiDriver::Click(*dlg.GetDlgItem(IDC_BUTTON_IMAGE2));
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return pictureRan; }));
    EXPECT_TRUE(pictureShown);

    // The rename dialog, typed into and confirmed.
    UiDriver::WhenShown([&](ui::Window& rename) {
      EXPECT_EQ(UiDriver::NativeText(*rename.GetDlgItem(IDC_RENAME_ANCIEN)), "Thorgal");
      UiDriver::Type(*rename.GetDlgItem(IDC_RENAME_NOUVEAU), "Thorgal Aegirsson");
      UiDriver::AnswerMessageBoxes({ui::IDYES}, &boxes);
      UiDriver::Click(*rename.GetDlgItem(ui::IDOK));
    });
    dlg.SendCommand(ID_SERIE_RENOMMER);
    ASSERT_TRUE(UiDriver::WaitUntil(
        [&] { return UiDriver::NativeCell(series, 1, 0) == "Thorgal Aegirsson"; }));

    // The style switch answered No: the marks stay on the running style.
    UiDriver::AnswerMessageBoxes({ui::IDNO}, &boxes);
    UiDriver::ChooseMenu(dlg, ID_STYLE_LISTE);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return boxes.size() == 2; }));
    EXPECT_TRUE(UiDriver::NativeMenuChecked(dlg, ID_STYLE_GRAPHIQUE));
    EXPECT_FALSE(UiDriver::NativeMenuChecked(dlg, ID_STYLE_LISTE));
    EXPECT_FALSE(UiDriver::NativeMenuEnabled(dlg, ID_CONFIG_LISTES));

    // Closing: Yes to the save question writes the new name.
    UiDriver::AnswerMessageBoxes({ui::IDYES}, &boxes);
    UiDriver::CloseWindow(dlg);
    scriptDone = true;
  });
  dlg.DoModal();

  EXPECT_TRUE(scriptDone);
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[0], "Voulez vous vraiment renommer Thorgal en Thorgal Aegirsson");
  EXPECT_EQ(boxes[2], "Voulez vous sauvegarder les modifications ??");
  CGestionBD saved;
  ASSERT_EQ(saved.Load(folder.Path()), CGestionBD::LOAD_OK);
  EXPECT_EQ(saved.GetAlbum(0)->GetSerie(), "Thorgal Aegirsson");
  EXPECT_EQ(saved.GetAlbum(2)->GetSerie(), "Thorgal Aegirsson");
  EXPECT_EQ(saved.GetAlbum(1)->GetSerie(), "Akira");
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
