// Windows: building from templates, the message table, key routing before
// dispatch, menus with update handlers, child dialogs and size changes.
#include "TestWindows.h"

#include "platform/headless/Driver.h"
#include "platform/headless/Session.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>

using ui::headless::Driver;
using ui::headless::Session;

namespace {

struct WindowTest : ::testing::Test {
  Session session;
  test::Log log;
  test::MainWnd main{log};
  void SetUp() override {
    session.Open(main);
    log.events.clear();
  }
};

TEST(Window, ControlsArePlacedInPixelsFromDialogUnits) {
  Session session;
  session.SetDialogUnits(ui::DialogUnits{8, 16});
  test::Log log;
  test::MainWnd main(log);
  session.Open(main);
  // x 140, y 70, 40 by 14 dialog units with base units 8 x 16.
  EXPECT_EQ(main.GetDlgItem(1025)->GetRect(), (ui::Rect{280, 140, 360, 168}));
  EXPECT_EQ(main.GetClientRect(), (ui::Rect{0, 0, 400, 200}));
  EXPECT_EQ(main.GetWindowText(), "Quillory : Gerer facilement vos BD");
  EXPECT_EQ(main.GetDlgItem(4242), nullptr);
  EXPECT_EQ(main.GetListView(1025), nullptr);  // wrong kind
  // The first size change comes before the initialisation, as on the platform.
  EXPECT_EQ(log.events[0], "size 400x200");
  EXPECT_EQ(log.events[1], "init");
}

TEST_F(WindowTest, KeyDownsReachThePageFirstThenItsOwner) {
  Driver page(main.m_page);
  page.Focus(1001).PressCtrlKey('M');
  // Ctrl armed the page's flag; M ran the page's command: the owner saw neither.
  EXPECT_EQ(log.events, (std::vector<std::string>{"page key 17", "page key 77", "page modify"}));
  log.events.clear();
  page.PressKey(ui::VK_RETURN);
  EXPECT_EQ(log.events, (std::vector<std::string>{"page key 13", "main key 13", "recherche "}));
}

TEST_F(WindowTest, ConsumedKeyDownsTypeNothingAndReleasingCtrlDoesNotDisarm) {
  Driver d(main);
  d.Type(1025, "ba");
  EXPECT_EQ(d.Text(1025), "ba");
  d.PressKey(ui::VK_CONTROL);   // arms
  d.Type(1025, "a");            // the next A fires the shortcut and is not typed
  EXPECT_EQ(d.Text(1025), "ba");
  EXPECT_EQ(log.events.back(), "nouvelle serie");
  d.Type(1025, "&x");           // characters are offered before dispatch too
  EXPECT_EQ(d.Text(1025), "bax");
  EXPECT_NE(std::find(log.events.begin(), log.events.end(), "refused &"), log.events.end());
}

TEST_F(WindowTest, ReturnPressesTheDefaultButtonAndEscapeCancels) {
  test::Entry entry;
  session.Open(entry);
  Driver d(entry);
  d.Type(1007, "Blake");
  d.PressKey(ui::VK_RETURN);
  EXPECT_TRUE(entry.IsEnded());
  EXPECT_EQ(entry.GetModalResult(), ui::IDOK);
  EXPECT_EQ(entry.m_serie, "Blake");

  test::Entry other;
  session.Open(other);
  Driver(other).Focus(1007).PressKey(ui::VK_ESCAPE);
  EXPECT_EQ(other.GetModalResult(), ui::IDCANCEL);
  EXPECT_EQ(other.m_type, -2);  // OnOK never ran
}

TEST_F(WindowTest, MenuCommandRunsItsUpdateHandlerFirstAndAGreyedItemStopsIt) {
  Driver d(main);
  d.Menu(32794);
  EXPECT_EQ(log.events, (std::vector<std::string>{"update checked", "style liste command"}));
  log.events.clear();
  main.m_allowStyle = false;
  d.Menu(32794);  // the handler greys it: the command does not run
  EXPECT_EQ(log.events, (std::vector<std::string>{"update checked"}));
  EXPECT_FALSE(main.GetMenu()->IsEnabled(32794));
  main.GetMenu()->CheckMenuItem(32795, true);
  EXPECT_TRUE(main.GetMenu()->IsChecked(32795));
  EXPECT_FALSE(main.GetMenu()->IsEnabled(32790));  // greyed in the template
}

TEST_F(WindowTest, ChoosingAGreyedOrMissingMenuItemFailsTheTest) {
  Driver d(main);
  EXPECT_NONFATAL_FAILURE(d.Menu(32790), "greyed");
  EXPECT_NONFATAL_FAILURE(d.Menu(12345), "no menu item");
}

TEST_F(WindowTest, FermerAndTheCloseBoxGoThroughOnClose) {
  main.MapCommand(ui::IDOK, [this] { main.SendClose(); });
  Driver(main).Menu(ui::IDOK);
  EXPECT_EQ(log.events, (std::vector<std::string>{"close"}));
  EXPECT_TRUE(main.IsEnded());
  EXPECT_EQ(main.GetModalResult(), ui::IDCANCEL);
}

TEST_F(WindowTest, ChildDialogFollowsItsOwnerAndTheTabDisplayArea) {
  ui::TabCtrl& tab = *main.GetTabCtrl(1031);
  ASSERT_EQ(main.GetChildWindows().size(), 1u);
  EXPECT_EQ(main.m_page.GetParent(), &main);
  EXPECT_EQ(main.m_page.GetWindowRect(), tab.GetDisplayArea());
  ui::Rect area = tab.GetRect();
  tab.AdjustRect(false, area);
  EXPECT_EQ(area, tab.GetDisplayArea());
  tab.AdjustRect(true, area);
  EXPECT_EQ(area, tab.GetRect());
  EXPECT_TRUE(main.m_page.IsWindowVisible());
  main.ShowWindow(false);
  EXPECT_FALSE(main.m_page.GetDlgItem(1001)->IsWindowVisible());
  main.ShowWindow(true);
  main.m_page.DestroyWindow();
  EXPECT_TRUE(main.GetChildWindows().empty());
  EXPECT_FALSE(main.m_page.IsWindowVisible());
}

TEST_F(WindowTest, TabClickNotifiesTheChangeAndCanBeRefused) {
  Driver d(main);
  d.SelectTab(1031, 1);
  EXPECT_EQ(log.events, (std::vector<std::string>{"tab 1"}));
  main.MapNotify(1031, ui::Notification::TabSelChanging,
                 [](const ui::NotifyInfo& n) { n.result = 1; });
  d.SelectTab(1031, 0);
  EXPECT_EQ(main.GetTabCtrl(1031)->GetCurSel(), 1);
  main.GetTabCtrl(1031)->SetCurSel(0);  // by code: no notification
  EXPECT_EQ(log.events.size(), 1u);
}

TEST_F(WindowTest, ResizeSendsTheNewClientSize) {
  Driver(main).Resize(500, 300);
  EXPECT_EQ(log.events, (std::vector<std::string>{"size 500x300 init"}));
  EXPECT_EQ(main.GetClientRect(), (ui::Rect{0, 0, 500, 300}));
  main.m_page.MoveWindow(10, 10, 50, 50);
  main.m_page.MoveWindow(20, 20, 50, 50);
  EXPECT_EQ(main.m_page.GetWindowRect(), (ui::Rect{20, 20, 70, 70}));
}

TEST_F(WindowTest, DialogItemIntegersParseLikeThePlatform) {
  auto intOf = [&](const std::string& text, bool* ok) {
    main.SetDlgItemText(1025, text);
    return main.GetDlgItemInt(1025, ok);
  };
  bool ok = false;
  EXPECT_EQ(intOf("42", &ok), 42);
  EXPECT_TRUE(ok);
  EXPECT_EQ(intOf("-7", &ok), -7);
  EXPECT_EQ(intOf("", &ok), 0);
  EXPECT_FALSE(ok);
  EXPECT_EQ(intOf("12abc", &ok), 0);
  EXPECT_FALSE(ok);
  EXPECT_EQ(intOf("99999999999", &ok), 0);
  EXPECT_FALSE(ok);
  main.SetDlgItemInt(1025, -3);
  EXPECT_EQ(main.GetDlgItemText(1025), "-3");
}

TEST_F(WindowTest, ReflectHookSeesTheControlsNotificationsFirst) {
  ui::ListView& list = *main.m_page.GetListView(1001);
  list.InsertColumn(0, "S");
  int seen = -1;
  list.SetReflectHook([&](const ui::NotifyInfo& n) {
    if (n.code != ui::Notification::ColumnClick) return false;
    seen = n.column;
    return true;
  });
  main.m_page.MapNotify(1001, ui::Notification::ColumnClick, [&](const ui::NotifyInfo&) { log.Add("parent"); });
  Driver(main.m_page).ClickHeader(1001, 0);
  EXPECT_EQ(seen, 0);
  EXPECT_TRUE(log.events.empty());
}

}  // namespace

namespace {

TEST_F(WindowTest, ReturnOnAFocusedButtonClicksItAndAMultiLineEditTakesIt) {
  test::Entry entry;
  session.Open(entry);
  Driver d(entry);
  d.Focus(ui::IDCANCEL).PressKey(ui::VK_RETURN);
  EXPECT_EQ(entry.GetModalResult(), ui::IDCANCEL);

  test::Entry other;
  session.Open(other);
  Driver o(other);
  o.Type(1006, "a\nb");
  EXPECT_FALSE(other.IsEnded());
  EXPECT_EQ(o.Text(1006), "a\r\nb");
  o.Focus(1022).PressKey(ui::VK_SPACE);  // Space ticks a focused check box
  EXPECT_EQ(other.IsDlgButtonChecked(1022), ui::BST_CHECKED);
}

TEST_F(WindowTest, SystemMenuItemsAndTheCloseCommand) {
  ui::Menu* sys = main.GetSystemMenu();
  sys->AppendSeparator();
  sys->AppendMenu("&A propos de Quillory...", 16);
  EXPECT_EQ(sys->GetMenuItemCount(), 2);
  EXPECT_EQ(sys->FindItem(16)->text, "&A propos de Quillory...");
  main.SendSysCommand(ui::SC_CLOSE);
  EXPECT_EQ(log.events, (std::vector<std::string>{"close"}));
}

TEST_F(WindowTest, ArrowKeysMoveTheSelectionOfAFocusedList) {
  ui::ListView& list = *main.m_page.GetListView(1001);
  list.InsertColumn(0, "S");
  for (const char* s : {"a", "b", "c"}) list.InsertItem(list.GetItemCount(), s);
  Driver page(main.m_page);
  page.ClickRow(1001, 0).PressKey(ui::VK_DOWN).PressKey(ui::VK_DOWN).PressKey(ui::VK_DOWN);
  EXPECT_EQ(list.GetNextSelectedItem(), 2);
  page.PressKey(ui::VK_UP);
  EXPECT_EQ(list.GetNextSelectedItem(), 1);
}

}  // namespace
