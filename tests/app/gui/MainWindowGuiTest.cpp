// The main window on the real toolkit, in this process: simulated mouse and
// keyboard input reaches it as a user's would.
#include "../AppTestSupport.h"
#include "app/MainWindowCommands.h"
#include "app/QuilloryApp.h"
#include "app/QuilloryDlg.h"
#include "app/QuilloryDlgList.h"
#include "collection/GestionBD.h"
#include "platform/ListView.h"
#include "platform/Services.h"
#include "platform/wx/UiDriver.h"
#include "resources/Resource.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <utility>

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

TEST(MainWindowGui, LabelsFitPlainCommandsHaveNoCheckBoxAndBoxesSayOK) {
  TestProgramFolder folder;
  folder.WriteCollection({{"Akira", "Tetsuo", 1}});
  std::vector<std::string> boxes, buttons;
  bool scriptDone = false;
  UiDriver::WhenShown([&](ui::Window& window) {
    auto& dlg = dynamic_cast<CQuilloryDlg&>(window);
    // The loan controls with the album's row selected: "OK" shows in its button.
    UiDriver::ClickRow(*dlg.GetTab().GetCurrentPage()->GetList().GetListView(), 0);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeShown(*dlg.GetDlgItem(IDC_BUTTON_PRET)); }));
    for (int id : {IDC_BUTTON_PRET, IDC_BUTTON_RECHERCHE})
      EXPECT_TRUE(UiDriver::NativeContentFits(*dlg.GetDlgItem(id))) << id;
    EXPECT_FALSE(UiDriver::NativeMenuCheckable(dlg, ID_CONFIG_LISTES));
    EXPECT_FALSE(UiDriver::NativeMenuCheckable(dlg, ID_CONFIG_WEB));
    EXPECT_TRUE(UiDriver::NativeMenuChecked(dlg, ID_STYLE_LISTE));
    EXPECT_TRUE(UiDriver::NativeMenuCheckable(dlg, ID_STYLE_GRAPHIQUE));
    // A message box with an OK button labels it OK, as its texts say.
    UiDriver::AnswerMessageBoxes({ui::IDOK}, &boxes, &buttons);
    ui::AfxMessageBox(MainWindowCommands::MSG_RESTORE_DONE, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    UiDriver::CloseWindow(dlg);
    scriptDone = true;
  });
  CQuilloryApp app;
  app.InitInstance(folder.Path() + "/Quillory");
  EXPECT_TRUE(scriptDone);
  EXPECT_EQ(boxes, std::vector<std::string>{"Cliquer sur OK pour fermer Quillory"});
  EXPECT_EQ(buttons, std::vector<std::string>{"OK"});
}

// A desktop where no browser can be started: nothing on the path, no
// application known to open a web page (as it was again afterwards).
struct NoBrowser {
  TestProgramFolder empty;
  std::vector<std::pair<std::string, std::optional<std::string>>> saved;
  NoBrowser() {
    for (const char* name : {"PATH", "XDG_DATA_DIRS", "XDG_DATA_HOME", "BROWSER"}) {
      const char* value = std::getenv(name);
      saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
      setenv(name, empty.Path().c_str(), 1);
    }
  }
  ~NoBrowser() {
    for (const auto& [name, value] : saved)
      value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
  }
};

// Ctrl shortcuts from the album list and the search box, nothing left armed
// once Ctrl is released, the style marks after the menu's own clicks, "A
// propos" in one click, a refreshed list that shows no album's details, and
// a browser that cannot be started.
TEST(MainWindowGui, ShortcutsStyleMarksAboutAndTheShownAlbum) {
  TestProgramFolder folder;
  AlbumValues akira{"Akira", "Tetsuo", 1};
  akira.commentaire = "Neo-Tokyo";
  folder.WriteCollection({akira, {"Watchmen", "Minuit moins le quart", 2}});
  std::vector<std::string> boxes;
  int entries = 0, strays = 0, abouts = 0;
  bool scriptDone = false;
  UiDriver::WhenShown([&](ui::Window& window) {
    auto& dlg = dynamic_cast<CQuilloryDlg&>(window);
    CQuilloryDlgList& page = *dlg.GetTab().GetCurrentPage();
    ui::ListView& list = *page.GetList().GetListView();
    ui::Control& comment = *page.GetDlgItem(IDC_STATIC_COMMENTAIRE);
    UiDriver::ClickRow(list, 0);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeText(comment) == "Neo-Tokyo"; }));

    // Ctrl+A in the album list: the entry dialog, closed; the list is
    // refreshed and no album is selected: none is shown.
    UiDriver::WhenShown([&](ui::Window& entry) {
      ++entries;
      UiDriver::Click(*entry.GetDlgItem(ui::IDCANCEL));
    });
    UiDriver::Key('A', true);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return entries == 1 && dlg.IsModified(); }));
    EXPECT_EQ(UiDriver::NativeSelectedRow(list), -1);
    EXPECT_FALSE(UiDriver::NativeShown(comment));
    EXPECT_FALSE(UiDriver::NativeShown(*dlg.GetDlgItem(IDC_PICTURE)));
    EXPECT_FALSE(UiDriver::NativeShown(*dlg.GetDlgItem(IDC_EDIT_PRETA)));

    // Ctrl is up: a plain M on a selected album opens nothing, and Ctrl+S
    // in the search box saves.
    UiDriver::ClickRow(list, 1);
    UiDriver::WhenShown([&](ui::Window& stray) {
      ++strays;
      dynamic_cast<ui::Dialog&>(stray).EndDialog(ui::IDCANCEL);
    });
    UiDriver::Key('M');
    UiDriver::Click(*dlg.GetDlgItem(IDC_EDIT_RECHERCHE));
    UiDriver::Key('S', true);
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return !dlg.IsModified(); }));
    UiDriver::WhenShown(nullptr);
    EXPECT_EQ(strays, 0);
    EXPECT_EQ(UiDriver::NativeText(*dlg.GetDlgItem(IDC_EDIT_RECHERCHE)), "");

    // The running style chosen: nothing happens, its mark stays; the other
    // answered No: the marks still show the running style.
    ASSERT_TRUE(UiDriver::ClickMenu(dlg, ID_STYLE_LISTE));
    UiDriver::WaitUntil([&] { return !UiDriver::NativeMenuOpen(dlg); });
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeMenuChecked(dlg, ID_STYLE_LISTE); }));
    UiDriver::AnswerMessageBoxes({ui::IDNO}, &boxes);
    ASSERT_TRUE(UiDriver::ClickMenu(dlg, ID_STYLE_GRAPHIQUE));
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return boxes.size() == 1; }));
    UiDriver::Flush();
    EXPECT_TRUE(UiDriver::NativeMenuChecked(dlg, ID_STYLE_LISTE));
    EXPECT_FALSE(UiDriver::NativeMenuChecked(dlg, ID_STYLE_GRAPHIQUE));

    // One click on "A propos" opens the About box.
    UiDriver::WhenShown([&](ui::Window& about) {
      ++abouts;
      UiDriver::Click(*about.GetDlgItem(ui::IDOK));
    });
    ASSERT_TRUE(UiDriver::ClickMenuTitle(dlg, "A propos"));
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return abouts == 1; }));
    UiDriver::WhenShown(nullptr);
    if (UiDriver::NativeMenuOpen(dlg)) UiDriver::Key(ui::VK_ESCAPE);

    // "Site de Quillory " on a desktop with no browser to start: the
    // program's own French message, and no box of the toolkit's.
    std::vector<std::string> toolkit;
    UiDriver::CatchToolkitWindows(&toolkit);
    {
      NoBrowser none;
      UiDriver::AnswerMessageBoxes({ui::IDOK}, &boxes);
      ASSERT_TRUE(UiDriver::ClickMenu(dlg, ID_WEB_SITE));
      EXPECT_TRUE(UiDriver::WaitUntil([&] { return boxes.size() == 2; }));
      UiDriver::WaitUntil([&] { return !toolkit.empty(); }, 1500);
    }
    UiDriver::CatchToolkitWindows(nullptr);
    EXPECT_EQ(toolkit, std::vector<std::string>{});

    UiDriver::CloseWindow(dlg);
    scriptDone = true;
  });
  CQuilloryApp app;
  app.InitInstance(folder.Path() + "/Quillory");
  EXPECT_TRUE(scriptDone);
  EXPECT_EQ(boxes, (std::vector<std::string>{
                       "Un changement de Style va necessitee un redemarrage du logiciel.\n Voulez vous continuer?",
                       "Quillory n'a pas pu ouvrir la page http://www.quillory.example/ : aucun navigateur "
                       "Internet n'a pu \xEAtre lanc\xE9."}));
  EXPECT_EQ(folder.ReadFile("data/quilloryType.cfg"), "");
}

// What the resize rules give each control for a change (dx, dy) of the client
// area since start-up.
struct Placed { ui::Control* control; ui::Rect start; bool moveX, moveY, growX, growY; };

ui::Rect Expected(const Placed& p, int dx, int dy) {
  ui::Rect r = p.start;
  if (p.moveX) r.Offset(dx, 0);
  if (p.moveY) r.Offset(0, dy);
  if (p.growX) r.right += dx;
  if (p.growY) r.bottom += dy;
  return r;
}

TEST(MainWindowGui, AfterAnySequenceOfSizesTheLayoutIsTheOneOfTheFinalSize) {
  TestProgramFolder folder;
  AlbumValues akira{"Akira", "Tetsuo", 1};
  akira.commentaire = "Neo-Tokyo";
  folder.WriteCollection({{"Blake et Mortimer", "La Marque jaune", 6}, akira});
  bool scriptDone = false;
  UiDriver::WhenShown([&](ui::Window& window) {
    auto& dlg = dynamic_cast<CQuilloryDlg&>(window);
    CQuilloryDlgList& page = *dlg.GetTab().GetCurrentPage();
    const ui::Rect client = dlg.GetClientRect();
    std::vector<Placed> placed;
    auto add = [&](ui::Window& w, int id, bool mx, bool my, bool gx, bool gy) {
      ui::Control* c = w.GetDlgItem(id);
      placed.push_back({c, c->GetRect(), mx, my, gx, gy});
    };
    for (int id : {IDC_EDIT_RECHERCHE, IDC_BUTTON_RECHERCHE, IDC_STATIC_RECHERCHE, IDC_EDIT_PRETA,
                   IDC_STATIC_PRETA, IDC_BUTTON_PRET, IDC_EDIT_DATEPRET, IDC_STATIC_DATEPRET})
      add(dlg, id, true, true, false, false);
    for (int id : {IDC_STATIC_NBBD, IDC_PICTURE, IDC_EDIT_NBBD}) add(dlg, id, true, false, false, false);
    add(dlg, IDC_TAB, false, false, true, true);
    add(page, IDC_LIST_ALBUMS, false, false, true, true);
    for (int id : {IDC_GROUP_COMMENTAIRE, IDC_STATIC_COMMENTAIRE}) add(page, id, true, true, false, false);

    // An album selected: its comment and the loan controls are shown.
    UiDriver::ClickRow(*page.GetList().GetListView(), 0);
    ASSERT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeShown(*dlg.GetDlgItem(IDC_EDIT_PRETA)); }));

    const ui::Size sizes[] = {{1100, 700}, {client.Width(), client.Height()}, {800, 500},
                              {300, 200}, {client.Width(), client.Height()}, {1450, 900}};
    for (const ui::Size& size : sizes) {
      UiDriver::ResizeWindow(dlg, size.cx, size.cy);
      const ui::Size now = UiDriver::NativeClientSize(dlg);
      EXPECT_GE(now.cx, size.cx < 800 ? 1 : size.cx);
      const ui::Rect model = dlg.GetClientRect();
      ASSERT_EQ(model.Width(), now.cx);
      ASSERT_EQ(model.Height(), now.cy);
      const int dx = now.cx - client.Width(), dy = now.cy - client.Height();
      for (const Placed& p : placed) {
        const ui::Rect expected = Expected(p, dx, dy);
        EXPECT_EQ(p.control->GetRect(), expected) << p.control->GetDlgCtrlID() << " at " << now.cx << "x" << now.cy;
        EXPECT_GT(expected.Width(), 0) << p.control->GetDlgCtrlID() << " at " << now.cx << "x" << now.cy;
        EXPECT_GT(expected.Height(), 0) << p.control->GetDlgCtrlID() << " at " << now.cx << "x" << now.cy;
        if (!UiDriver::NativeShown(*p.control)) continue;
        // On screen, in the page's own coordinates for the page's controls.
        ui::Rect native = UiDriver::NativeRect(*p.control);
        if (&p.control->GetParent() == &page) {
          const ui::Rect origin = UiDriver::NativeRect(page);
          native.Offset(-origin.left, -origin.top);
        }
        EXPECT_EQ(native, expected) << p.control->GetDlgCtrlID() << " at " << now.cx << "x" << now.cy;
      }
      // The page covers the tab's display area; the loan controls stay off the picture.
      EXPECT_EQ(UiDriver::NativeRect(page), dlg.GetTabCtrl(IDC_TAB)->GetDisplayArea());
      const ui::Rect picture = dlg.GetDlgItem(IDC_PICTURE)->GetRect();
      for (int id : {IDC_EDIT_PRETA, IDC_STATIC_PRETA, IDC_BUTTON_PRET})
        EXPECT_GE(dlg.GetDlgItem(id)->GetRect().top, picture.bottom) << id << " at " << now.cx << "x" << now.cy;
    }
    // The smallest size is the window's minimum, not less.
    UiDriver::ResizeWindow(dlg, 300, 200);
    const ui::Rect minimum = dlg.MapDialogRect(0, 0, CQuilloryDlg::MIN_WIDTH_DLU, CQuilloryDlg::MIN_HEIGHT_DLU);
    EXPECT_EQ(UiDriver::NativeClientSize(dlg), (ui::Size{minimum.Width(), minimum.Height()}));
    UiDriver::CloseWindow(dlg);
    scriptDone = true;
  });
  CQuilloryApp app;
  app.InitInstance(folder.Path() + "/Quillory");
  EXPECT_TRUE(scriptDone);
}

}  // namespace
