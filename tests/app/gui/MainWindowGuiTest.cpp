// The main window on the real toolkit, in this process: simulated mouse and
// keyboard input reaches it as a user's would.
#include "../AppTestSupport.h"
#include "app/QuilloryApp.h"
#include "app/QuilloryDlg.h"
#include "app/QuilloryDlgList.h"
#include "collection/GestionBD.h"
#include "platform/ListView.h"
#include "platform/Services.h"
#include "platform/wx/UiDriver.h"
#include "resources/Resource.h"

#include <gtest/gtest.h>

using ui::wxb::UiDriver;

namespace {

TEST(MainWindowGui, SearchSelectAChangeAndTheCloseQuestion) {
  TestProgramFolder folder;
  AlbumValues watchmen{"Watchmen", "Watchmen", 1};
  watchmen.commentaire = "Moore et Gibbons";
  watchmen.type = 1;
  folder.WriteCollection({{"Blake et Mortimer", "La Marque jaune", 6}, watchmen,
                          {"Akira", "Tetsuo", 1}, {"Thorgal", "La Magicienne trahie", 1}});

  std::vector<std::string> boxes;
  bool scriptDone = false;
  UiDriver::WhenShown([&](ui::Window& window) {
    auto& dlg = dynamic_cast<CQuilloryDlg&>(window);
    EXPECT_EQ(UiDriver::NativeText(*dlg.GetDlgItem(IDC_EDIT_NBBD)), "4");
    CQuilloryDlgList& page = *dlg.GetTab().GetCurrentPage();
    ui::ListView& list = *page.GetList().GetListView();
    EXPECT_EQ(UiDriver::NativeRowCount(list), 4);

    // Typing a search and Return.
    UiDriver::Type(*dlg.GetDlgItem(IDC_EDIT_RECHERCHE), "watch");
    UiDriver::Key(ui::VK_RETURN);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeRowCount(list) == 1; }));
    EXPECT_EQ(UiDriver::NativeCell(list, 0, 0), "Watchmen");

    // Selecting the row shows its comment, the picture frame and the loan controls.
    EXPECT_FALSE(UiDriver::NativeShown(*dlg.GetDlgItem(IDC_EDIT_PRETA)));
    UiDriver::ClickRow(list, 0);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeShown(*dlg.GetDlgItem(IDC_EDIT_PRETA)); }));
    EXPECT_EQ(UiDriver::NativeText(*page.GetDlgItem(IDC_STATIC_COMMENTAIRE)), "Moore et Gibbons");
    EXPECT_TRUE(UiDriver::NativeShown(*dlg.GetDlgItem(IDC_PICTURE)));

    // A change, as a command of the window makes it, then the close box.
    dlg.GetGestion()->GetAlbum(0)->SetTitre("Le Secret de l'Espadon");
    dlg.SetModified();
    UiDriver::AnswerMessageBoxes({ui::IDYES}, &boxes);
    UiDriver::CloseWindow(dlg);
    scriptDone = true;
  });
  CQuilloryApp app;
  app.InitInstance(folder.Path() + "/Quillory");

  EXPECT_TRUE(scriptDone);
  EXPECT_EQ(boxes, std::vector<std::string>{"Voulez vous sauvegarder les modifications ??"});
  EXPECT_NE(folder.ReadFile("data/quillory.db").find("\"Le Secret de l'Espadon\""), std::string::npos);
}

TEST(MainWindowGui, EscapeClosesAnOpenMenuOnlyAndInTheSearchBoxAsksTheCloseQuestion) {
  TestProgramFolder folder;
  folder.WriteCollection({{"Blake et Mortimer", "La Marque jaune", 6}, {"Akira", "Tetsuo", 1}});
  std::vector<std::string> boxes;
  bool menuClosed = false;
  bool stillOpen = false;
  UiDriver::WhenShown([&](ui::Window& window) {
    auto& dlg = dynamic_cast<CQuilloryDlg&>(window);
    ui::Control& search = *dlg.GetDlgItem(IDC_EDIT_RECHERCHE);
    UiDriver::Click(search);
    UiDriver::Key(ui::VK_F1 + 9);  // F10: the first menu opens
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeMenuOpen(dlg); }));
    UiDriver::Key(ui::VK_ESCAPE);
    menuClosed = UiDriver::WaitUntil([&] { return !UiDriver::NativeMenuOpen(dlg); });
    UiDriver::WaitUntil([&] { return dlg.IsEnded(); }, 500);
    stillOpen = !dlg.IsEnded() && !dlg.IsClosing();
    if (!stillOpen) return;

    // Escape in the search box: the close question, as from the close box.
    dlg.GetGestion()->GetAlbum(1)->SetTitre("Kaneda");
    dlg.SetModified();
    UiDriver::AnswerMessageBoxes({ui::IDYES}, &boxes);
    UiDriver::Type(search, "aki");
    UiDriver::Key(ui::VK_ESCAPE);
  });
  CQuilloryApp app;
  app.InitInstance(folder.Path() + "/Quillory");

  EXPECT_TRUE(menuClosed);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(boxes, std::vector<std::string>{"Voulez vous sauvegarder les modifications ??"});
  EXPECT_NE(folder.ReadFile("data/quillory.db").find("\"Kaneda\""), std::string::npos);
}

}  // namespace
