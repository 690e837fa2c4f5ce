// A list with the ascending-sort style places each new row after the rows
// whose first column compares lower or equal, scanning from the top, also
// once its rows are no longer in that order (sorted by another column, or a
// first-column text changed).
#include "platform/Dialog.h"
#include "platform/ListView.h"
#include "platform/TextCompare.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const ui::DialogTemplate kTemplate{1, "", 200, 100, ui::Style::None, nullptr, {
  {1001, ui::ControlKind::ListView, "", 0, 0, 200, 100, ui::Style::SortAscending},
}};

std::vector<std::string> Column0(const ui::ListView& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.GetItemCount(); ++i) out.push_back(list.GetItemText(i, 0));
  return out;
}

// Where a scan from the top puts text: before the first row that compares greater.
int ScanPlace(const std::vector<std::string>& rows, const std::string& text) {
  int row = 0;
  while (row < int(rows.size()) && ui::CompareText(rows[row], text, false) <= 0) ++row;
  return row;
}

struct ListOrderTest : ::testing::Test {
  ui::Dialog window{kTemplate, nullptr};
  ui::ListView* list = nullptr;
  void SetUp() override {
    window.BuildFromTemplate(ui::DialogUnits{});
    list = window.GetListView(1001);
    list->InsertColumn(0, "S\xe9rie");
  }
  void InsertChecked(const std::string& text) {
    std::vector<std::string> before = Column0(*list);
    int expected = ScanPlace(before, text);
    EXPECT_EQ(list->InsertItem(list->GetItemCount(), text), expected) << text;
  }
};

TEST_F(ListOrderTest, PlacesRowsAsAScanFromTheTopWould) {
  for (const char* s : {"Thorgal", "asterix", "Blake", "blake", "BLAKE", "\xc9" "cho", "echo",
                        "Akira", "Blake", "", "Z", "\xe9" "cho", "a"})
    InsertChecked(s);
}

TEST_F(ListOrderTest, KeepsScanningOnceRowsWereSortedOtherwise) {
  for (const char* s : {"A", "B", "C", "D"}) InsertChecked(s);
  // Reverse order, as a sort by another column could leave it.
  list->SortItemsEx([&](int a, int b) { return b - a; });
  ASSERT_EQ(Column0(*list), (std::vector<std::string>{"D", "C", "B", "A"}));
  InsertChecked("B");
  InsertChecked("E");
  list->DeleteAllItems();
  for (const char* s : {"C", "A", "B"}) InsertChecked(s);
  EXPECT_EQ(Column0(*list), (std::vector<std::string>{"A", "B", "C"}));
}

TEST_F(ListOrderTest, KeepsScanningOnceAFirstColumnTextChanged) {
  for (const char* s : {"A", "B", "C"}) InsertChecked(s);
  list->SetItemText(0, 0, "Z");
  InsertChecked("Y");
  EXPECT_EQ(Column0(*list), (std::vector<std::string>{"Y", "Z", "B", "C"}));
}

}  // namespace
