// The wxWidgets backend on a real display: a window built from a template,
// driven with simulated mouse and keyboard input.
#include "platform/Button.h"
#include "platform/DateTimePicker.h"
#include "platform/Dialog.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/Services.h"
#include "platform/Static.h"
#include "platform/TabCtrl.h"
#include "platform/TextCompare.h"
#include "platform/WebView.h"
#include "platform/wx/UiDriver.h"
#include "platform/wx/WxApplication.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>

using ui::wxb::UiDriver;

namespace {

const ui::DialogTemplate kSmall{300, "Petite fen\xeatre", 220, 150, ui::Style::Resizable, nullptr, {
  {1000, ui::ControlKind::Static, "S\xe9rie \x80", 8, 8, 80, 10},
  {1001, ui::ControlKind::Edit, "", 8, 22, 100, 14},
  {1002, ui::ControlKind::ListView, "", 8, 40, 200, 80, ui::Style::SingleSel | ui::Style::ShowSelAlways},
  {1003, ui::ControlKind::PushButton, "Ok", 8, 126, 50, 14},
  {1004, ui::ControlKind::Static, "cach\xe9", 120, 8, 80, 10, ui::Style::Hidden},
  {1005, ui::ControlKind::DateTimePicker, "", 120, 22, 90, 14, ui::Style::ShortDate},
}};

class SmallWindow : public ui::Dialog {
 public:
  SmallWindow() : ui::Dialog(kSmall, nullptr) {
    MapCommand(1003, &SmallWindow::OnOk);
    MapNotify(1002, ui::Notification::ItemClick, [this](const ui::NotifyInfo& n) { clicked = n.row; });
    MapNotify(1002, ui::Notification::ColumnClick, &SmallWindow::OnColumnClick);
  }
  bool OnInitDialog() override {
    ui::ListView& list = *GetListView(1002);
    list.InsertColumn(0, "S\xe9rie", ui::LVCFMT_LEFT, 100);
    list.InsertColumn(1, "Tome", ui::LVCFMT_LEFT, 50);
    std::tm tm{};
    tm.tm_year = 2007 - 1900; tm.tm_mon = 2; tm.tm_mday = 5; tm.tm_hour = 12; tm.tm_isdst = -1;
    GetDateTimePicker(1005)->SetTime(std::mktime(&tm));
    const char* rows[][2] = {{"Thorgal", "3"}, {"Blake", "12"}, {"Ast\xe9rix", "7"}};
    for (auto& r : rows) {
      int row = list.InsertItem(list.GetItemCount(), r[0]);
      list.SetItemText(row, 1, r[1]);
    }
    return true;
  }
  bool PreTranslateMessage(const ui::Message& msg) override {
    if (msg.kind != ui::MessageKind::KeyDown) return false;
    if (msg.key == ui::VK_CONTROL) { m_bCtrl = true; return true; }
    if (msg.key == 'N' && m_bCtrl) { m_bCtrl = false; ++shortcuts; return true; }
    return false;
  }
  void OnColumnClick(const ui::NotifyInfo& n) {
    ui::ListView& list = *GetListView(1002);
    bool ascending = list.GetSortIndicatorColumn() != n.column || !list.IsSortIndicatorAscending();
    list.SortItemsEx([&](int a, int b) {
      int c = ui::CompareText(list.GetItemText(a, n.column), list.GetItemText(b, n.column));
      return ascending ? c : -c;
    });
    list.SetSortIndicator(n.column, ascending);
  }
  void OnOk() {
    if (ui::AfxMessageBox("Continuer avec " + GetDlgItemText(1001) + " ?", ui::MB_YESNO) == ui::IDYES)
      EndDialog(ui::IDOK);
    else
      ++refusals;
  }
  int clicked = -2;
  int refusals = 0;
  int shortcuts = 0;
  bool m_bCtrl = false;
};

TEST(WxBackend, TypingClickingSortingAndAMessageBoxOnTheRealToolkit) {
  ui::SetAppName("Quillory");
  SmallWindow w;
  std::vector<std::string> boxes;
  bool scriptDone = false;
  UiDriver::WhenShown([&](ui::Window&) {
    ui::Edit& edit = *w.GetEdit(1001);
    ui::ListView& list = *w.GetListView(1002);

    // Windows-1252 texts reach the screen and come back unchanged.
    EXPECT_EQ(UiDriver::NativeText(*w.GetDlgItem(1000)), "S\xe9rie \x80");
    EXPECT_FALSE(UiDriver::NativeShown(*w.GetDlgItem(1004)));
    EXPECT_EQ(UiDriver::NativeText(*w.GetDlgItem(1005)), "05/03/2007");  // day first

    UiDriver::Type(edit, "Blake");
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return edit.GetWindowText() == "Blake"; }));
    EXPECT_EQ(UiDriver::NativeText(edit), "Blake");

    // A Ctrl key-down then N, seen before dispatch: not typed into the edit.
    UiDriver::Key('N', true);
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return w.shortcuts == 1; }));
    EXPECT_EQ(edit.GetWindowText(), "Blake");

    UiDriver::ClickRow(list, 1);
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return w.clicked == 1; }));
    EXPECT_EQ(list.GetNextSelectedItem(), 1);
    EXPECT_EQ(UiDriver::NativeSelectedRow(list), 1);

    UiDriver::ClickHeader(list, 0);
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return list.GetSortIndicatorColumn() == 0; }));
    EXPECT_EQ(UiDriver::NativeSortColumn(list), 0);
    EXPECT_TRUE(UiDriver::NativeSortAscending(list));
    EXPECT_EQ(UiDriver::NativeCell(list, 0, 0), "Ast\xe9rix");
    EXPECT_EQ(UiDriver::NativeCell(list, 2, 0), "Thorgal");
    EXPECT_EQ(list.GetNextSelectedItem(), 1);  // Blake kept its selection
    EXPECT_EQ(list.GetItemText(1, 0), "Blake");

    UiDriver::AnswerMessageBoxes({ui::IDNO, ui::IDYES}, &boxes);
    UiDriver::Click(*w.GetButton(1003));
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return w.refusals == 1; }));
    UiDriver::Click(*w.GetButton(1003));
    scriptDone = true;
  });
  EXPECT_EQ(w.DoModal(), ui::IDOK);
  EXPECT_TRUE(scriptDone);
  EXPECT_EQ(boxes, (std::vector<std::string>{"Continuer avec Blake ?", "Continuer avec Blake ?"}));
}

TEST(WxBackend, EscapeAndTheCloseButtonOfAYesNoBoxMeanNo) {
  ui::SetAppName("Quillory");
  SmallWindow w;
  std::vector<std::string> boxes;
  UiDriver::WhenShown([&](ui::Window&) {
    UiDriver::AnswerMessageBoxes({UiDriver::kEscape, UiDriver::kCloseBox, ui::IDYES}, &boxes);
    UiDriver::Click(*w.GetButton(1003));
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return w.refusals == 1; }));
    UiDriver::Click(*w.GetButton(1003));
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return w.refusals == 2; }));
    UiDriver::Click(*w.GetButton(1003));
  });
  EXPECT_EQ(w.DoModal(), ui::IDOK);
  EXPECT_EQ(w.refusals, 2);
  EXPECT_EQ(boxes.size(), 3u);
}

TEST(WxBackend, FrenchDatesDoNotChangeHowNumbersAreWritten) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", 1.5);
  EXPECT_STREQ(buf, "1.5");
}

TEST(WxBackend, EscapeEndsTheModalRunWithCancel) {
  SmallWindow w;
  UiDriver::WhenShown([&](ui::Window&) {
    UiDriver::Click(*w.GetEdit(1001));
    UiDriver::WaitUntil([&] { return w.GetEdit(1001)->HasFocus(); });
    UiDriver::Key(ui::VK_ESCAPE);
  });
  EXPECT_EQ(w.DoModal(), ui::IDCANCEL);
}

const ui::MenuTemplate kMenu{134, {
  {"Gestion", {{"Enregistrer", 32799}, ui::MenuItemTemplate::Separator(), {"Fermer", ui::IDOK}}},
  {"Configuration", {{"Style Liste", 32794, ui::MF_CHECKED}, {"Style Graphique", 32795},
                     {"Config des listes", 32790, ui::MF_GRAYED}}},
  {"A propos", 32774},
}};

const ui::DialogTemplate kMain{102, "Quillory : Gérer facilement vos BD", 300, 200,
    ui::Style::Resizable, &kMenu, {
  {1031, ui::ControlKind::TabCtrl, "", 7, 7, 200, 150},
  {1030, ui::ControlKind::Edit, "", 220, 10, 40, 12, ui::Style::ReadOnly},
}};

const ui::DialogTemplate kPage{141, "", 150, 100, ui::Style::Child, nullptr, {
  {1001, ui::ControlKind::ListView, "", 4, 4, 140, 90, ui::Style::SingleSel | ui::Style::SortAscending},
}};

class Page : public ui::Dialog {
 public:
  Page() : ui::Dialog(kPage, nullptr) {}
  bool OnInitDialog() override {
    GetListView(1001)->InsertColumn(0, "Albums", ui::LVCFMT_LEFT, 120);
    return true;
  }
};

// A main window: a frame with a menu, run modally, with tab pages.
class MainWindow : public ui::Dialog {
 public:
  MainWindow() : ui::Dialog(kMain, nullptr) {
    MapCommand(32799, [this] { ++saves; });
    MapCommand(32794, [] {});
    MapCommand(32795, [] {});
    MapUpdateCommandUI(32794, &MainWindow::OnUpdateStyle);
    MapUpdateCommandUI(32795, &MainWindow::OnUpdateStyle);
    MapNotify(1031, ui::Notification::TabSelChange, &MainWindow::ShowPage);
    MapNotify(1031, ui::Notification::TabClick, [this](const ui::NotifyInfo&) { ++tabClicks; });
  }
  bool OnInitDialog() override {
    ui::TabCtrl& tab = *GetTabCtrl(1031);
    for (const char* label : {"General", "BD euro", "Comics"}) tab.InsertItem(tab.GetItemCount(), label);
    for (auto& page : pages) page.Create(this);
    ShowPage();
    return true;
  }
  void OnUpdateStyle(ui::CmdUI& cmdUI) {
    bool wasChecked = cmdUI.IsChecked();
    GetMenu()->CheckMenuItem(32794, cmdUI.m_nID == 32794);
    GetMenu()->CheckMenuItem(32795, cmdUI.m_nID == 32795);
    if (!wasChecked) ++styleChanges;
  }
  void OnClose() override {
    ++closeRequests;
    ui::Dialog::OnClose();
  }
  void ShowPage() {
    ui::TabCtrl& tab = *GetTabCtrl(1031);
    int sel = tab.GetCurSel();
    for (int i = 0; i < 3; ++i) {
      pages[i].MoveWindow(tab.GetDisplayArea());
      pages[i].ShowWindow(i == sel);
    }
    ui::ListView& list = *pages[sel].GetListView(1001);
    list.DeleteAllItems();
    for (int n = 0; n <= sel; ++n) list.InsertItem(0, "Album " + std::to_string(n));
    pages[sel].BringWindowToTop();
    SetDlgItemInt(1030, sel);
  }
  Page pages[3];
  int saves = 0;
  int styleChanges = 0;
  int closeRequests = 0;
  int tabClicks = 0;
};

TEST(WxBackend, MainWindowWithMenuRunsAsAFrameWithTabPages) {
  MainWindow w;
  UiDriver::WhenShown([&](ui::Window&) {
    ui::TabCtrl& tab = *w.GetTabCtrl(1031);
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeWindowShown(w.pages[0]); }));
    EXPECT_FALSE(UiDriver::NativeWindowShown(w.pages[1]));
    // The page covers the tab control's display area, inside the control.
    ui::Rect area = tab.GetDisplayArea();
    EXPECT_EQ(UiDriver::NativeRect(w.pages[0]), area);
    ui::Rect tabRect = UiDriver::NativeRect(tab);
    EXPECT_GE(area.left, tabRect.left);
    EXPECT_GT(area.top, tabRect.top);
    EXPECT_LE(area.right, tabRect.right);
    EXPECT_LE(area.bottom, tabRect.bottom);

    UiDriver::ClickTab(tab, 2);
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return tab.GetCurSel() == 2; }));
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeWindowShown(w.pages[2]); }));
    EXPECT_FALSE(UiDriver::NativeWindowShown(w.pages[0]));
    EXPECT_EQ(UiDriver::NativeRowCount(*w.pages[2].GetListView(1001)), 3);
    EXPECT_EQ(UiDriver::NativeCell(*w.pages[2].GetListView(1001), 0, 0), "Album 0");
    EXPECT_EQ(UiDriver::NativeText(*w.GetEdit(1030)), "2");
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return w.tabClicks == 1; }));
    // A click on the tab already shown is reported too (it changes no page).
    UiDriver::ClickTab(tab, 2);
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return w.tabClicks == 2; }));
    EXPECT_EQ(tab.GetCurSel(), 2);

    EXPECT_TRUE(UiDriver::NativeMenuChecked(w, 32794));
    EXPECT_FALSE(UiDriver::NativeMenuEnabled(w, 32790));
    UiDriver::ChooseMenu(w, 32795);
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return w.styleChanges == 1; }));
    EXPECT_TRUE(UiDriver::NativeMenuChecked(w, 32795));
    EXPECT_FALSE(UiDriver::NativeMenuChecked(w, 32794));
    UiDriver::ChooseMenu(w, 32799);
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return w.saves == 1; }));

    UiDriver::CloseWindow(w);
  });
  EXPECT_EQ(w.DoModal(), ui::IDCANCEL);
  EXPECT_EQ(w.closeRequests, 1);
}

const ui::DialogTemplate kWebWindow{301, "Page", 200, 150, ui::Style::SysMenu, nullptr, {
  {1054, ui::ControlKind::WebView, "", 5, 5, 190, 140},
}};

TEST(WxBackend, TheWebEngineIsLoadedOnlyWhenAWebViewIsCreatedAndShowsAPageGivenToIt) {
  // Every window so far had no web view: the engine is not in the process.
  ASSERT_FALSE(UiDriver::WebEngineLoaded());
  ui::Dialog w(kWebWindow, nullptr);
  std::string shown;
  UiDriver::WhenShown([&](ui::Window&) {
    ui::WebView& view = *w.GetWebView(1054);
    EXPECT_TRUE(UiDriver::WebEngineLoaded());
    view.SetPage("<html><body><h1>Sorties</h1><p>Caf\xC3\xA9 \xE2\x82\xAC</p></body></html>",
                 "file:///tmp/");
    UiDriver::WaitUntil([&] {
      shown = UiDriver::NativeWebText(view);
      return !UiDriver::NativeWebBusy(view) && shown.find("Sorties") != std::string::npos;
    }, 15000);
    UiDriver::CloseWindow(w);
  });
  w.DoModal();
  EXPECT_NE(shown.find("Sorties"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Caf\xC3\xA9 \xE2\x82\xAC"), std::string::npos) << shown;
}

}  // namespace
