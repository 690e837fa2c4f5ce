// The controls' own semantics: what the platform's controls do with the
// texts, items, rows and user input they receive.
#include "TestWindows.h"

#include "platform/DateTimePicker.h"
#include "platform/TextCompare.h"
#include "platform/headless/Driver.h"
#include "platform/headless/Session.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using ui::headless::Driver;
using ui::headless::Session;

namespace {

std::vector<std::string> Column0(const ui::ListView& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.GetItemCount(); ++i) out.push_back(list.GetItemText(i, 0));
  return out;
}

struct ControlsTest : ::testing::Test {
  Session session;
  test::Log log;
  test::MainWnd main{log};
  void SetUp() override { session.Open(main); }
  ui::ListView& List() { return *main.m_page.GetListView(1001); }
};

TEST_F(ControlsTest, SortedListViewPlacesEachRowByItsFirstColumnAsInserted) {
  ui::ListView& list = List();
  list.InsertColumn(0, "S\xe9rie", ui::LVCFMT_LEFT, 100);
  list.InsertColumn(1, "Titre", ui::LVCFMT_LEFT, 80);
  for (const char* s : {"Thorgal", "asterix", "Blake", "Spirou", "Blake"}) {
    int row = list.InsertItem(list.GetItemCount(), s);
    list.SetItemText(row, 1, std::string("t-") + s);
  }
  EXPECT_EQ(Column0(list), (std::vector<std::string>{"asterix", "Blake", "Blake", "Spirou", "Thorgal"}));
  // Texts stay with their rows; a later change of column 0 does not move the row.
  EXPECT_EQ(list.GetItemText(0, 1), "t-asterix");
  list.SetItemText(0, 0, "Zorro");
  EXPECT_EQ(list.GetItemText(0, 0), "Zorro");
  EXPECT_FALSE(list.SetItemText(0, 2, "no such column"));
  EXPECT_FALSE(list.SetItemText(9, 0, "no such row"));
}

TEST_F(ControlsTest, SortItemsComparesAttachedValuesAndKeepsSelectionWithRows) {
  ui::ListView& list = List();
  list.ModifyStyle(ui::Style::SortAscending, 0);
  list.InsertColumn(0, "N");
  for (int v : {3, 1, 2}) {
    int row = list.InsertItem(list.GetItemCount(), std::to_string(v));
    list.SetItemData(row, std::uintptr_t(v));
  }
  EXPECT_EQ(Column0(list), (std::vector<std::string>{"3", "1", "2"}));
  list.SetItemState(0, ui::LVIS_SELECTED, ui::LVIS_SELECTED);  // "3"
  list.SortItems([](std::uintptr_t a, std::uintptr_t b) { return int(a) - int(b); });
  EXPECT_EQ(Column0(list), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(list.GetNextSelectedItem(), 2);
  EXPECT_EQ(list.GetItemData(2), 3u);
  list.SetSortIndicator(0, false);
  EXPECT_EQ(list.GetSortIndicatorColumn(), 0);
  EXPECT_FALSE(list.IsSortIndicatorAscending());
}

TEST_F(ControlsTest, ClickSelectsTheRowThenNotifiesAndClickBelowRowsDeselects) {
  ui::ListView& list = List();
  list.InsertColumn(0, "S");
  list.InsertItem(0, "a");
  list.InsertItem(1, "b");
  Driver page(main.m_page);
  log.events.clear();
  page.ClickRow(1001, 0).ClickRow(1001, 1).ClickRow(1001, -1);
  EXPECT_EQ(log.events, (std::vector<std::string>{
                            "changed 0 0>3", "click 0",                   // selected + focused
                            "changed 0 3>0", "changed 1 0>3", "click 1",  // one selected row
                            "changed 1 3>1", "click -1"}));
  EXPECT_EQ(list.GetSelectedCount(), 0);
  EXPECT_EQ(list.GetNextSelectedItem(), -1);
}

TEST_F(ControlsTest, ListViewColumnsAndDeletion) {
  ui::ListView& list = List();
  EXPECT_EQ(list.InsertColumn(5, "A", ui::LVCFMT_LEFT, 40), 0);  // past the end: appended
  EXPECT_EQ(list.InsertColumn(1, "B", ui::LVCFMT_RIGHT, 30), 1);
  EXPECT_EQ(list.GetColumnCount(), 2);
  EXPECT_EQ(list.GetColumnWidth(1), 30);
  EXPECT_TRUE(list.SetColumnWidth(1, 0));
  EXPECT_EQ(list.GetColumnWidth(1), 0);
  EXPECT_FALSE(list.SetColumnWidth(2, 10));
  list.InsertItem(0, "x");
  list.InsertItem(1, "y");
  EXPECT_EQ(list.FindItem("y"), 1);
  EXPECT_TRUE(list.DeleteItem(0));
  EXPECT_EQ(list.GetItemText(0, 0), "y");
  EXPECT_FALSE(list.DeleteItem(3));
  EXPECT_EQ(list.GetItemData(7), 0u);
  list.DeleteAllItems();
  EXPECT_EQ(list.GetItemCount(), 0);
}

TEST(Controls, SortedComboSortsItemsAndTypedTextSelectsTheEqualItemOnly) {
  Session session;
  test::Entry entry;
  session.Open(entry);
  ui::ComboBox& type = *entry.GetComboBox(1037);
  EXPECT_EQ(type.GetLBText(0), "BD Euro");
  EXPECT_EQ(type.GetLBText(1), "Comic");
  EXPECT_EQ(type.GetLBText(2), "Manga");
  EXPECT_EQ(type.GetCurSel(), ui::CB_ERR);
  EXPECT_EQ(type.AddString("Aventure"), 0);
  EXPECT_EQ(type.AddString("comix"), 3);  // letter case does not decide the place
  Driver d(entry);
  d.SelectComboText(1037, "Manga");
  EXPECT_EQ(type.GetCurSel(), 4);
  EXPECT_EQ(type.GetWindowText(), "Manga");
  d.SetText(1037, "Mang");
  EXPECT_EQ(type.GetCurSel(), ui::CB_ERR);
  d.SetText(1037, "manga");
  EXPECT_EQ(type.GetCurSel(), 4);
  EXPECT_EQ(type.FindStringExact(-1, "COMIC"), 2);
  EXPECT_EQ(type.DeleteString(0), 4);
  EXPECT_EQ(type.GetCurSel(), 3);
}

TEST(Controls, EditsFilterTypingAndReportEveryChange) {
  Session session;
  test::Entry entry;
  session.Open(entry);
  EXPECT_EQ(entry.m_changes, 1);  // set during initialisation
  Driver d(entry);
  d.Type(1009, "1a2");
  EXPECT_EQ(d.Text(1009), "512");  // the letter is refused, the digits appended
  EXPECT_EQ(entry.m_changes, 3);
  d.Type(1006, "ab\ncd");
  EXPECT_EQ(d.Text(1006), "ab\r\ncd");
  entry.GetEdit(1007)->SetReadOnly(true);
  d.Type(1007, "x");
  EXPECT_EQ(d.Text(1007), "");
  d.Type(1009, "\b");
  EXPECT_EQ(d.Text(1009), "51");
}

TEST(Controls, TextLimitsStopTypingAndCutPastesButNotCode) {
  Session session;
  test::Entry entry;
  session.Open(entry);
  Driver d(entry);
  entry.GetEdit(1007)->SetLimitText(4);
  d.Type(1007, "abcdef");
  EXPECT_EQ(d.Text(1007), "abcd");
  d.Type(1007, "\b").SetText(1007, "123456");
  EXPECT_EQ(d.Text(1007), "1234");
  entry.SetDlgItemText(1007, "set by code");
  EXPECT_EQ(d.Text(1007), "set by code");
  ui::ComboBox& type = *entry.GetComboBox(1037);
  type.SetLimitText(3);
  d.SetText(1037, "Mangas");
  EXPECT_EQ(type.GetWindowText(), "Man");
  // Many items at once take the places AddString would give them.
  type.SetCurSel(1);
  type.AddStrings({"Comic", "aventure", "Zorro", "comic"});
  std::vector<std::string> items;
  for (int i = 0; i < type.GetCount(); ++i) items.push_back(type.GetLBText(i));
  EXPECT_EQ(items, (std::vector<std::string>{"aventure", "BD Euro", "Comic", "Comic", "comic",
                                             "Manga", "Zorro"}));
  EXPECT_EQ(type.GetCurSel(), 2);
}

TEST(Controls, AutoCheckBoxTogglesOnClickAndHiddenStaysHiddenUntilShown) {
  Session session;
  test::Entry entry;
  session.Open(entry);
  Driver d(entry);
  d.Click(1022);
  EXPECT_EQ(entry.IsDlgButtonChecked(1022), ui::BST_CHECKED);
  d.Click(1022);
  EXPECT_EQ(entry.IsDlgButtonChecked(1022), ui::BST_UNCHECKED);

  test::Log log;
  test::MainWnd main(log);
  session.Open(main);
  EXPECT_FALSE(main.GetDlgItem(1008)->IsWindowVisible());
  main.SetDlgItemText(1008, "Paul");
  main.GetDlgItem(1008)->MoveWindow(0, 0, 10, 10);
  EXPECT_FALSE(main.GetDlgItem(1008)->IsWindowVisible());
  main.GetDlgItem(1008)->ShowWindow(true);
  EXPECT_TRUE(main.GetDlgItem(1008)->IsWindowVisible());
}

TEST(Controls, DatePickerKeepsTheTimeOfDayWhenTheUserPicksADate) {
  Session session;
  test::Entry entry;
  ui::DialogTemplate tmpl{1, "", 100, 50, 0, nullptr,
                          {{1024, ui::ControlKind::DateTimePicker, "", 0, 0, 60, 12, ui::Style::ShortDate}}};
  ui::Dialog dlg(tmpl, nullptr);
  session.Open(dlg);
  ui::DateTimePicker& picker = *dlg.GetDateTimePicker(1024);
  std::tm tm{};
  tm.tm_year = 2007 - 1900; tm.tm_mon = 2; tm.tm_mday = 5; tm.tm_hour = 13; tm.tm_min = 20; tm.tm_isdst = -1;
  picker.SetTime(std::mktime(&tm));
  Driver(dlg).SetDate(1024, 2008, 12, 31);
  std::time_t t = picker.GetTime();
  std::tm back{};
  localtime_r(&t, &back);
  EXPECT_EQ(back.tm_year, 108);
  EXPECT_EQ(back.tm_mon, 11);
  EXPECT_EQ(back.tm_mday, 31);
  EXPECT_EQ(back.tm_hour, 13);
  EXPECT_EQ(back.tm_min, 20);
  EXPECT_EQ(picker.GetYear(), 2008);
}

TEST(TextCompare, KeysOrderTextsAsTheComparisonWithAndWithoutCase) {
  const std::string alphabet = "aAbeE\xe9\xc9\xe8z-' 09\x8a\x9a\xdf.";
  unsigned seed = 12345;
  auto next = [&] { seed = seed * 1103515245u + 12345u; return (seed >> 16) & 0x7FFF; };
  auto text = [&] {
    std::string s;
    for (unsigned n = next() % 6; n > 0; --n) s += alphabet[next() % alphabet.size()];
    return s;
  };
  for (int i = 0; i < 40000; ++i) {
    const bool caseSensitive = i % 2 == 1;
    const std::string a = text(), b = text();
    const int byKey = ui::CompareKey(a, caseSensitive).compare(ui::CompareKey(b, caseSensitive));
    const int expected = ui::CompareText(a, b, caseSensitive);
    ASSERT_EQ(byKey < 0 ? -1 : (byKey > 0 ? 1 : 0), expected) << a << " / " << b << " " << caseSensitive;
  }
}

TEST(TextCompare, FollowsTheWordSortOrder) {
  using ui::CompareText;
  EXPECT_LT(CompareText("a", "A"), 0);         // lower case first
  EXPECT_LT(CompareText("A", "b"), 0);         // then the letter decides
  EXPECT_LT(CompareText("e", "\xe9"), 0);      // e before e acute
  EXPECT_LT(CompareText("\xe9t\xe9", "f"), 0);  // accents sort with their letter
  EXPECT_LT(CompareText("9", "a"), 0);
  EXPECT_LT(CompareText("abc", "abcd"), 0);
  EXPECT_EQ(CompareText("Blake", "blake", false), 0);
  EXPECT_NE(CompareText("Blake", "blake", true), 0);
  EXPECT_LT(CompareText("co-op", "coop"), 0);  // hyphen only breaks ties
  EXPECT_GT(CompareText("cop", "co-op"), 0);
  EXPECT_EQ(ui::ToUpper1252("s\xe9rie"), "S\xc9RIE");
  EXPECT_EQ(ui::ToLower1252("\xc0 \x8c"), "\xe0 \x9c");
}

}  // namespace

namespace {

TEST_F(ControlsTest, SelectionStatesSetByCodeNotifyAndMultiSelectionKeepsSeveral) {
  ui::ListView& list = List();
  list.ModifyStyle(ui::Style::SingleSel | ui::Style::SortAscending, 0);
  list.InsertColumn(0, "S");
  for (const char* s : {"a", "b", "c"}) list.InsertItem(list.GetItemCount(), s);
  log.events.clear();
  list.SetItemState(-1, ui::LVIS_SELECTED, ui::LVIS_SELECTED);  // every row
  EXPECT_EQ(list.GetSelectedCount(), 3);
  EXPECT_EQ(log.events.size(), 3u);
  EXPECT_EQ(list.GetNextSelectedItem(0), 1);
  list.SetItemState(1, 0, ui::LVIS_SELECTED);
  EXPECT_EQ(list.GetNextSelectedItem(0), 2);
  EXPECT_EQ(log.events.back(), "changed 1 2>0");
  // A single-selection list drops the others when one is selected.
  list.ModifyStyle(0, ui::Style::SingleSel);
  list.SetItemState(1, ui::LVIS_SELECTED, ui::LVIS_SELECTED);
  EXPECT_EQ(list.GetSelectedCount(), 1);
  EXPECT_EQ(list.GetNextSelectedItem(), 1);
}

TEST(Controls, DropDownListShowsOnlyItsItemsAndSelectStringMatchesPrefixes) {
  Session session;
  ui::DialogTemplate tmpl{1, "", 100, 50, 0, nullptr,
                          {{1101, ui::ControlKind::ComboBox, "ignored", 0, 0, 60, 80, ui::Style::Sorted,
                            {"2009", "2007", "2008"}}}};
  ui::Dialog dlg(tmpl, nullptr);
  session.Open(dlg);
  ui::ComboBox& years = *dlg.GetComboBox(1101);
  EXPECT_EQ(years.GetWindowText(), "");
  EXPECT_EQ(years.GetLBText(0), "2007");
  EXPECT_FALSE(years.UserChar('x'));  // nothing to type into
  EXPECT_EQ(years.SelectString(-1, "200"), 0);
  EXPECT_EQ(years.SelectString(0, "200"), 1);  // searching after the item given
  EXPECT_EQ(years.SelectString(-1, "1999"), ui::CB_ERR);
  EXPECT_EQ(years.GetCurSel(), 1);
  int changes = 0;
  dlg.MapNotify(1101, ui::Notification::SelChange, [&](const ui::NotifyInfo&) { ++changes; });
  Driver(dlg).SelectCombo(1101, 2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(years.GetWindowText(), "2009");
  years.SetCurSel(-1);
  EXPECT_EQ(years.GetWindowText(), "");
}

TEST(Controls, ActingOnHiddenOrDisabledControlsFailsTheTest) {
  Session session;
  test::Log log;
  test::MainWnd main(log);
  session.Open(main);
  Driver d(main);
  EXPECT_NONFATAL_FAILURE(d.Type(1008, "x"), "is hidden");
  main.GetDlgItem(1026)->EnableWindow(false);
  EXPECT_NONFATAL_FAILURE(d.Click(1026), "is disabled");
  EXPECT_NONFATAL_FAILURE(d.Click(4242), "has no control 4242");
  EXPECT_NONFATAL_FAILURE(d.SelectTab(1031, 5), "has no tab 5");
}

}  // namespace
