// The sortable list: columns from a headings text, copied rows,
// comparisons by number, date or text, header clicks and stored widths.
#include "TestWindows.h"

#include "controls/SortListCtrl.h"
#include "platform/ListView.h"
#include "platform/Profile.h"
#include "platform/headless/Driver.h"
#include "platform/headless/Session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using test::kPlainList;
using test::kSortedList;

class SortListCtrlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::AppProfile().SetFile(profilePath);
    session.Open(window);
    ASSERT_TRUE(list.SubclassDlgItem(kPlainList, window));
  }
  void TearDown() override { std::remove(profilePath.c_str()); }

  std::vector<std::string> Column(int column) const {
    std::vector<std::string> texts;
    for (int row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetItemText(row, column));
    return texts;
  }

  std::string profilePath = test::TempPath("profile.ini");
  ui::headless::Session session;
  test::Window window;
  CSortListCtrl list;
};

TEST_F(SortListCtrlTest, ColumnsComeFromTheHeadingsText) {
  ASSERT_TRUE(list.CreateColumns("S\xe9rie,100;Titre,108;Tome,40abc;Note,wide;Nb BD, 50;"));
  ui::ListView& view = *list.GetListView();
  ASSERT_EQ(list.GetColumnCount(), 5);
  ASSERT_EQ(view.GetColumnCount(), 5);
  EXPECT_EQ(view.GetColumnTitle(0), "S\xe9rie");
  EXPECT_EQ(view.GetColumnWidth(1), 108);
  EXPECT_EQ(view.GetColumnWidth(2), 40);  // widths through atoi
  EXPECT_EQ(view.GetColumnWidth(3), 0);
  EXPECT_EQ(view.GetColumnTitle(4), "Nb BD");
  EXPECT_EQ(view.GetColumnWidth(4), 50);
  EXPECT_EQ(view.GetColumnFormat(4), ui::LVCFMT_LEFT);

  CSortListCtrl other;
  ASSERT_TRUE(other.SubclassDlgItem(kSortedList, window));
  EXPECT_TRUE(other.CreateColumns("no comma at all"));  // no column, success
  EXPECT_EQ(other.GetColumnCount(), 0);
}

TEST_F(SortListCtrlTest, RowsAreCopiedAndKeepTheirValueThroughSorts) {
  ASSERT_TRUE(list.CreateColumns("S\xe9rie,130;Nom,130;Nb BD,50"));
  std::string buffer = "Blake";
  EXPECT_EQ(list.AppendRow(buffer, "Mortimer", "3"), 0);
  buffer = "changed";  // the caller's buffer may change afterwards
  EXPECT_EQ(list.AppendRow(std::vector<std::string>{"Alix", "Enak", "12"}), 1);
  EXPECT_EQ(list.AppendRow("Zorro"), 2);  // missing texts are empty
  EXPECT_TRUE(list.SetItemData(0, 100));
  EXPECT_TRUE(list.SetItemData(1, 200));
  EXPECT_FALSE(list.SetItemData(3, 300));  // no such row: ignored
  EXPECT_EQ(list.GetItemData(2), 0u);

  list.SortByColumn(0, true);
  EXPECT_EQ(Column(0), (std::vector<std::string>{"Alix", "Blake", "Zorro"}));
  EXPECT_EQ(Column(1), (std::vector<std::string>{"Enak", "Mortimer", ""}));
  EXPECT_EQ(list.GetItemData(0), 200u);
  EXPECT_EQ(list.GetItemData(1), 100u);

  // After SetItemText, a sort uses the new text.
  EXPECT_TRUE(list.SetItemText(0, 0, "Yoko"));
  EXPECT_FALSE(list.SetItemText(7, 0, "nowhere"));
  list.SortByColumn(0, true);
  EXPECT_EQ(Column(0), (std::vector<std::string>{"Blake", "Yoko", "Zorro"}));
  EXPECT_EQ(list.GetItemData(1), 200u);

  EXPECT_TRUE(list.DeleteItem(0));
  EXPECT_FALSE(list.DeleteItem(5));
  EXPECT_EQ(Column(0), (std::vector<std::string>{"Yoko", "Zorro"}));
  EXPECT_EQ(list.GetItemData(0), 200u);
  list.SortByColumn(0, false);
  EXPECT_EQ(Column(0), (std::vector<std::string>{"Zorro", "Yoko"}));

  EXPECT_TRUE(list.DeleteAllItems());
  EXPECT_EQ(list.GetItemCount(), 0);
  EXPECT_EQ(list.AppendRow("Alix", "Enak", "1"), 0);
  EXPECT_EQ(list.GetItemData(0), 0u);
}

TEST_F(SortListCtrlTest, ASortedStyleListPlacesAppendedRows) {
  CSortListCtrl sorted;
  ASSERT_TRUE(sorted.SubclassDlgItem(kSortedList, window));
  ASSERT_TRUE(sorted.CreateColumns("S\xe9rie,100;Tome,40"));
  EXPECT_EQ(sorted.AppendRow("Thorgal", "01"), 0);
  EXPECT_EQ(sorted.AppendRow("Alix", "02"), 0);
  EXPECT_EQ(sorted.AppendRow("\xc9" "chos", "03"), 1);  // accented letters sort with their base
  EXPECT_TRUE(sorted.SetItemData(1, 7));
  sorted.SortByColumn(1, false);
  EXPECT_EQ(sorted.GetItemText(0, 0), "\xc9" "chos");
  EXPECT_EQ(sorted.GetItemData(0), 7u);
}

TEST_F(SortListCtrlTest, RowsFromACellSourceSortExactlyAsTheComparisonSays) {
  // Numbers, dates, texts in both cases and with accents, in one column.
  const char* const pieces[] = {"12", "7", "", "05/03/2007", "31/12/2006", "abc", "Abc",
                                "\xe9t\xe9", "ete", "1/04/2007", "007", "Zorro", "z-a"};
  std::vector<std::string> texts;
  unsigned seed = 7;
  for (int i = 0; i < 400; ++i) {
    seed = seed * 1103515245u + 12345u;
    texts.push_back(pieces[(seed >> 16) % 13] + std::string(i % 3 ? "" : "x"));
  }
  ASSERT_TRUE(list.CreateColumns("Texte,100;Rang,40"));
  list.SetCellSource([&texts](std::uintptr_t item, int column) {
    return column == 0 ? texts[item] : std::to_string(item);
  });
  std::vector<std::uintptr_t> items(texts.size());
  for (std::size_t i = 0; i < items.size(); ++i) items[i] = i;
  list.SetRows(items);
  for (bool ascending : {true, false}) {
    std::vector<std::uintptr_t> expected = items;  // each sort starts from the list's order
    for (int row = 0; row < list.GetItemCount(); ++row) expected[std::size_t(row)] = list.GetItemData(row);
    std::stable_sort(expected.begin(), expected.end(), [&](std::uintptr_t a, std::uintptr_t b) {
      // Descending swaps the texts (the kind is still the first text's).
      return (ascending ? CSortListCtrl::CompareTexts(texts[a], texts[b])
                        : CSortListCtrl::CompareTexts(texts[b], texts[a])) < 0;
    });
    list.SortByColumn(0, ascending);
    for (int row = 0; row < list.GetItemCount(); ++row)
      ASSERT_EQ(list.GetItemData(row), expected[std::size_t(row)]) << row << " " << ascending;
  }
  EXPECT_EQ(list.GetItemText(0, 1), std::to_string(list.GetItemData(0)));
}

TEST(SortListCompare, NumbersDatesAndTextAreChosenByTheFirstText) {
  auto cmp = &CSortListCtrl::CompareTexts;
  // Numbers by value, not by their characters; an empty text is 0.
  EXPECT_GT(cmp("10", "9"), 0);
  EXPECT_LT(cmp("", "5"), 0);
  EXPECT_EQ(cmp("", "0"), 0);
  EXPECT_EQ(cmp("007", "7"), 0);
  // "12" against "abc" compares numbers (atoi("abc") is 0); the other way
  // round, text.
  EXPECT_GT(cmp("12", "abc"), 0);
  EXPECT_GT(cmp("abc", "12"), 0);  // digits before letters
  // Dates: year, then month, then day.
  EXPECT_LT(cmp("05/03/2007", "01/04/2007"), 0);
  EXPECT_GT(cmp("05/03/2007", "31/12/2006"), 0);
  EXPECT_LT(cmp("31/12/2006", "05/03/2007"), 0);
  EXPECT_LT(cmp("01/04/2007", "02/04/2007"), 0);
  EXPECT_EQ(cmp("01/04/2007", "01/04/2007"), 0);
  // A date against a short text: the missing parts count as 0.
  EXPECT_GT(cmp("01/04/2007", "x"), 0);
  // Not quite dates: text.
  EXPECT_GT(cmp("1/04/2007", "01/04/2007"), 0);  // as a date it would be year 7
  // Text is case-sensitive.
  EXPECT_NE(cmp("alix", "Alix"), 0);
  EXPECT_LT(cmp("Alix", "blake"), 0);
  // Numbers too long for an int saturate instead of wrapping.
  EXPECT_GT(cmp("99999999999999999999", "2147483646"), 0);
}

TEST_F(SortListCtrlTest, HeaderClicksSortAndMoveTheArrow) {
  int parentSaw = 0;
  window.MapNotify(kPlainList, ui::Notification::ColumnClick,
                   [&](const ui::NotifyInfo& info) { parentSaw += info.column + 1; });
  ASSERT_TRUE(list.CreateColumns("T,35;Albums,240;Nb,40"));
  list.AppendRow("2", "Blake", "10");
  list.AppendRow("10", "alix", "9");
  list.AppendRow("1", "Zorro", "");
  list.SortByColumn(0, true);
  EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2", "10"}));
  const ui::ListView& view = *list.GetListView();
  EXPECT_EQ(view.GetSortIndicatorColumn(), 0);
  EXPECT_TRUE(view.IsSortIndicatorAscending());

  ui::headless::Driver d(window);
  d.ClickHeader(kPlainList, 0);  // same column: reversed
  EXPECT_EQ(Column(0), (std::vector<std::string>{"10", "2", "1"}));
  EXPECT_FALSE(list.IsSortAscending());
  EXPECT_FALSE(view.IsSortIndicatorAscending());

  d.ClickHeader(kPlainList, 2);  // a new column starts ascending, even after a descending one
  EXPECT_EQ(Column(2), (std::vector<std::string>{"", "9", "10"}));
  EXPECT_EQ(list.GetSortColumn(), 2);
  EXPECT_TRUE(list.IsSortAscending());
  EXPECT_EQ(list.GetHeaderCtrl().GetSortColumn(), 2);
  EXPECT_EQ(view.GetSortIndicatorColumn(), 2);
  EXPECT_TRUE(view.IsSortIndicatorAscending());

  d.ClickHeader(kPlainList, 2).ClickHeader(kPlainList, 2);  // descending, then ascending again
  EXPECT_TRUE(list.IsSortAscending());

  d.ClickHeader(kPlainList, 1);
  EXPECT_EQ(Column(1), (std::vector<std::string>{"alix", "Blake", "Zorro"}));
  EXPECT_EQ(parentSaw, 1 + 3 + 3 + 3 + 2);  // the window still sees the clicks
}

TEST_F(SortListCtrlTest, ColumnWidthsRoundTripInTheArchiveLayout) {
  ASSERT_TRUE(list.CreateColumns("Nom,130;Nb BD,50"));
  list.GetListView()->UserResizeColumn(0, 300);
  list.StoreColumnWidths();
  EXPECT_EQ(ui::AppProfile().GetProfileBinary("ListCtrls", "1002"),
            (std::vector<unsigned char>{2, 0, 0, 0, 0x2C, 1, 0, 0, 50, 0, 0, 0}));

  // Another list with the same id reads them back, in another run.
  ui::AppProfile().SetFile(profilePath);
  test::Window again;
  session.Open(again);
  CSortListCtrl restored;
  ASSERT_TRUE(restored.SubclassDlgItem(kPlainList, again));
  ASSERT_TRUE(restored.CreateColumns("Nom,130;Nb BD,50"));
  restored.RestoreColumnWidths();
  EXPECT_EQ(restored.GetListView()->GetColumnWidth(0), 300);
  EXPECT_EQ(restored.GetListView()->GetColumnWidth(1), 50);
}

TEST_F(SortListCtrlTest, StoredWidthsForAnotherColumnCountOrTruncatedAreIgnored) {
  ASSERT_TRUE(list.CreateColumns("Nom,130;Nb BD,50"));
  ui::ListView& view = *list.GetListView();

  ui::AppProfile().WriteProfileBinary("ListCtrls", "1002",
                                      {3, 0, 0, 0, 10, 0, 0, 0, 20, 0, 0, 0, 30, 0, 0, 0});
  list.RestoreColumnWidths();
  EXPECT_EQ(view.GetColumnWidth(0), 130);
  EXPECT_EQ(view.GetColumnWidth(1), 50);

  // The right count but one width missing: nothing is applied.
  ui::AppProfile().WriteProfileBinary("ListCtrls", "1002", {2, 0, 0, 0, 10, 0, 0, 0, 20, 0});
  list.RestoreColumnWidths();
  EXPECT_EQ(view.GetColumnWidth(0), 130);

  // Other lists' entries are not this one's.
  ui::AppProfile().WriteProfileBinary("ListCtrls", "1001", {2, 0, 0, 0, 10, 0, 0, 0, 20, 0, 0, 0});
  ui::AppProfile().WriteProfileBinary("ListCtrls", "1002", {});
  list.RestoreColumnWidths();
  EXPECT_EQ(view.GetColumnWidth(0), 130);

  ui::AppProfile().WriteProfileBinary("ListCtrls", "1002", {2, 0, 0, 0, 10, 0, 0, 0, 20, 0, 0, 0});
  list.RestoreColumnWidths();
  EXPECT_EQ(view.GetColumnWidth(0), 10);
  EXPECT_EQ(view.GetColumnWidth(1), 20);
}

}  // namespace
