// A list view in report mode with its header: columns, rows of texts with one
// value attached to each row, selection, sorting and the header's sort
// indicator. With Style::SortAscending (or SortDescending) each inserted row
// goes where the order of column 0 puts it (TextCompare, letter case
// ignored); rows are not moved again when texts change later.
//
// A list of many rows can keep no texts at all: with a text source, a row is
// only its value, and the list asks the source for a cell's text whenever it
// needs it (as the platform's text callback does); such rows are given all
// at once with SetItems.
#pragma once

#include "platform/Control.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ui {

enum : int { LVCFMT_LEFT = 0, LVCFMT_RIGHT = 1, LVCFMT_CENTER = 2 };

class ListView : public Control {
 public:
  using Control::Control;

  // Columns (the header's items).
  int InsertColumn(int column, const std::string& title, int format = LVCFMT_LEFT, int width = 100);
  bool DeleteColumn(int column);
  int GetColumnCount() const { return int(m_columns.size()); }
  std::string GetColumnTitle(int column) const;
  int GetColumnFormat(int column) const;
  int GetColumnWidth(int column) const;   // 0 for a column that does not exist
  bool SetColumnWidth(int column, int width);

  // Rows. InsertItem returns the index the row went to, or -1.
  int InsertItem(int row, const std::string& text);
  int GetItemCount() const { return int(m_rows.size()); }
  bool SetItemText(int row, int column, const std::string& text);
  std::string GetItemText(int row, int column) const;  // empty when out of range
  bool SetItemData(int row, std::uintptr_t data);
  std::uintptr_t GetItemData(int row) const;           // 0 when out of range
  bool DeleteItem(int row);
  bool DeleteAllItems();
  // Index of the first row whose column-0 text equals text exactly, after
  // row indexAfter (-1: from the start), or -1.
  int FindItem(const std::string& text, int indexAfter = -1) const;

  // The texts of every row from now on: source(row's value, column).
  using TextSource = std::function<std::string(std::uintptr_t data, int column)>;
  void SetTextSource(TextSource source);
  bool HasTextSource() const { return bool(m_source); }
  // Replaces every row with one row per value, in this order, none selected
  // (for a list with a text source, whose rows have no texts of their own).
  void SetItems(const std::vector<std::uintptr_t>& data);

  // Selection. Changing a row's state sends ItemChanged, as the platform does.
  unsigned GetItemState(int row, unsigned mask) const;
  bool SetItemState(int row, unsigned state, unsigned mask);
  int GetSelectedCount() const;
  // First selected row after row indexAfter (-1: from the start), or -1.
  int GetNextSelectedItem(int indexAfter = -1) const;
  void EnsureVisible(int row);

  void SetFullRowSelect(bool on) { m_fullRow = on; Changed(Aspect::Redraw); }
  bool GetFullRowSelect() const { return m_fullRow; }

  // Sorts the rows with a comparison of their attached values (negative,
  // zero, positive); equal rows keep their order. Selection moves with rows.
  bool SortItems(const std::function<int(std::uintptr_t, std::uintptr_t)>& compare);
  // Same, comparing row indexes as they stood before the sort.
  bool SortItemsEx(const std::function<int(int, int)>& compare);

  // The header's native sort indicator; column -1 shows none.
  void SetSortIndicator(int column, bool ascending);
  int GetSortIndicatorColumn() const { return m_sortColumn; }
  bool IsSortIndicatorAscending() const { return m_sortAscending; }

  // User input (backends, tests). Row -1 means the empty area below the
  // rows. A click selects the row alone (ItemChanged for each row whose
  // state changes), then sends ItemClick; a right click sends ItemRightClick;
  // a double click selects and sends ItemClick then ItemDoubleClick.
  void UserClick(int row);
  void UserDoubleClick(int row);
  void UserRightClick(int row);
  void UserSelect(int row);                // keyboard selection: ItemChanged only
  void UserClickHeader(int column);        // ColumnClick
  void UserResizeColumn(int column, int width);

 private:
  struct Column { std::string title; int format; int width; };
  struct Row { std::vector<std::string> cells; std::uintptr_t data = 0; unsigned state = 0; };
  void SelectOnly(int row);
  void ApplyOrder(std::vector<Row>& sorted);
  std::string Cell(const Row& row, int column) const;
  std::vector<Column> m_columns;
  std::vector<Row> m_rows;
  TextSource m_source;
  int m_sortColumn = -1;
  bool m_sortAscending = true;
  bool m_fullRow = false;
  // The rows are known to stand in ascending column-0 order (as a list with
  // the ascending-sort style keeps them until texts change or rows are
  // sorted otherwise), so an insertion can find its place by halving.
  bool m_ascendingOrder = true;
};

}  // namespace ui
