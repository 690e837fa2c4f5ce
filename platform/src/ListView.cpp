#include "platform/ListView.h"

#include "platform/TextCompare.h"

#include <algorithm>
#include <numeric>

namespace ui {

int ListView::InsertColumn(int column, const std::string& title, int format, int width) {
  if (column < 0) return -1;
  if (column > int(m_columns.size())) column = int(m_columns.size());
  m_columns.insert(m_columns.begin() + column, Column{title, format, width});
  for (Row& row : m_rows)
    if (int(row.cells.size()) > column) row.cells.insert(row.cells.begin() + column, std::string());
  if (m_sortColumn >= column) ++m_sortColumn;
  Changed(Aspect::Columns);
  return column;
}

bool ListView::DeleteColumn(int column) {
  if (column < 0 || column >= int(m_columns.size())) return false;
  m_columns.erase(m_columns.begin() + column);
  for (Row& row : m_rows)
    if (int(row.cells.size()) > column) row.cells.erase(row.cells.begin() + column);
  if (m_sortColumn == column) m_sortColumn = -1;
  else if (m_sortColumn > column) --m_sortColumn;
  Changed(Aspect::Columns);
  return true;
}

std::string ListView::GetColumnTitle(int column) const {
  return column >= 0 && column < int(m_columns.size()) ? m_columns[column].title : std::string();
}

int ListView::GetColumnFormat(int column) const {
  return column >= 0 && column < int(m_columns.size()) ? m_columns[column].format : LVCFMT_LEFT;
}

int ListView::GetColumnWidth(int column) const {
  return column >= 0 && column < int(m_columns.size()) ? m_columns[column].width : 0;
}

bool ListView::SetColumnWidth(int column, int width) {
  if (column < 0 || column >= int(m_columns.size())) return false;
  if (width < 0) width = 0;
  if (m_columns[column].width != width) {
    m_columns[column].width = width;
    Changed(Aspect::Columns);
  }
  return true;
}

int ListView::InsertItem(int row, const std::string& text) {
  if (row < 0) return -1;
  int n = int(m_rows.size());
  if (row > n) row = n;
  if (HasStyle(Style::SortAscending) || HasStyle(Style::SortDescending)) {
    // The platform places a row of a sorted list by its column-0 text, after
    // the rows that compare equal, scanning from the top. While the rows are
    // known to stand in ascending order a binary search finds the same place
    // (the scan made filling quadratic); once sorted otherwise, the scan.
    bool descending = HasStyle(Style::SortDescending);
    auto placeBefore = [&](const Row& existing) {
      int c = CompareText(Cell(existing, 0), text, false);
      return descending ? c < 0 : c > 0;
    };
    auto at = !descending && m_ascendingOrder
                  ? std::upper_bound(m_rows.begin(), m_rows.end(), text,
                                     [&](const std::string&, const Row& existing) { return placeBefore(existing); })
                  : std::find_if(m_rows.begin(), m_rows.end(), placeBefore);
    row = int(at - m_rows.begin());
  }
  if (!HasStyle(Style::SortAscending) && n > 0) m_ascendingOrder = false;
  Row r;
  r.cells.assign(std::max<std::size_t>(1, m_columns.size()), std::string());
  r.cells[0] = text;
  m_rows.insert(m_rows.begin() + row, std::move(r));
  Changed(Aspect::Rows, row);
  return row;
}

bool ListView::SetItemText(int row, int column, const std::string& text) {
  // A list with a text source shows what the source says.
  if (m_source || row < 0 || row >= int(m_rows.size()) || column < 0) return false;
  if (column >= std::max(1, int(m_columns.size()))) return false;
  Row& r = m_rows[row];
  if (int(r.cells.size()) <= column) r.cells.resize(column + 1);
  r.cells[column] = text;
  if (column == 0 && m_rows.size() > 1) m_ascendingOrder = false;
  Changed(Aspect::Row, row);
  return true;
}

std::string ListView::GetItemText(int row, int column) const {
  if (row < 0 || row >= int(m_rows.size()) || column < 0) return std::string();
  return Cell(m_rows[row], column);
}

std::string ListView::Cell(const Row& row, int column) const {
  if (m_source) return column < std::max(1, int(m_columns.size())) ? m_source(row.data, column) : std::string();
  return column < int(row.cells.size()) ? row.cells[column] : std::string();
}

void ListView::SetTextSource(TextSource source) {
  m_source = std::move(source);
  Changed(Aspect::Rows);
}

void ListView::SetItems(const std::vector<std::uintptr_t>& data) {
  std::vector<Row> rows(data.size());
  for (std::size_t i = 0; i < data.size(); ++i) rows[i].data = data[i];
  m_rows.swap(rows);
  m_ascendingOrder = false;
  Changed(Aspect::Rows);
}

bool ListView::SetItemData(int row, std::uintptr_t data) {
  if (row < 0 || row >= int(m_rows.size())) return false;
  m_rows[row].data = data;
  return true;
}

std::uintptr_t ListView::GetItemData(int row) const {
  return row >= 0 && row < int(m_rows.size()) ? m_rows[row].data : 0;
}

bool ListView::DeleteItem(int row) {
  if (row < 0 || row >= int(m_rows.size())) return false;
  m_rows.erase(m_rows.begin() + row);
  Changed(Aspect::Rows, row);
  return true;
}

bool ListView::DeleteAllItems() {
  m_rows.clear();
  m_ascendingOrder = true;
  Changed(Aspect::Rows);
  return true;
}

int ListView::FindItem(const std::string& text, int indexAfter) const {
  for (int i = std::max(0, indexAfter + 1); i < int(m_rows.size()); ++i)
    if (Cell(m_rows[i], 0) == text) return i;
  return -1;
}

unsigned ListView::GetItemState(int row, unsigned mask) const {
  return row >= 0 && row < int(m_rows.size()) ? (m_rows[row].state & mask) : 0;
}

bool ListView::SetItemState(int row, unsigned state, unsigned mask) {
  if (row == -1) {  // every row, as the platform allows
    for (int i = 0; i < int(m_rows.size()); ++i) SetItemState(i, state, mask);
    return true;
  }
  if (row < 0 || row >= int(m_rows.size())) return false;
  unsigned oldState = m_rows[row].state;
  unsigned newState = (oldState & ~mask) | (state & mask);
  if (newState == oldState) return true;
  // A single-selection list keeps one selected row.
  if (HasStyle(Style::SingleSel) && (newState & LVIS_SELECTED) && !(oldState & LVIS_SELECTED)) {
    for (int i = 0; i < int(m_rows.size()); ++i)
      if (i != row && (m_rows[i].state & LVIS_SELECTED)) SetItemState(i, 0, LVIS_SELECTED);
  }
  if ((newState & LVIS_FOCUSED) && !(oldState & LVIS_FOCUSED)) {
    for (int i = 0; i < int(m_rows.size()); ++i)
      if (i != row && (m_rows[i].state & LVIS_FOCUSED)) SetItemState(i, 0, LVIS_FOCUSED);
  }
  m_rows[row].state = newState;
  Changed(Aspect::Selection, row);
  NotifyInfo info(Notification::ItemChanged);
  info.row = row;
  info.oldState = oldState;
  info.newState = newState;
  Notify(info);
  return true;
}

int ListView::GetSelectedCount() const {
  return int(std::count_if(m_rows.begin(), m_rows.end(),
                           [](const Row& r) { return (r.state & LVIS_SELECTED) != 0; }));
}

int ListView::GetNextSelectedItem(int indexAfter) const {
  for (int i = std::max(0, indexAfter + 1); i < int(m_rows.size()); ++i)
    if (m_rows[i].state & LVIS_SELECTED) return i;
  return -1;
}

void ListView::EnsureVisible(int row) {
  if (row >= 0 && row < int(m_rows.size())) Changed(Aspect::Focus, row);
}

void ListView::ApplyOrder(std::vector<Row>& sorted) {
  m_rows.swap(sorted);
  if (m_rows.size() > 1) m_ascendingOrder = false;
  Changed(Aspect::Rows);
}

bool ListView::SortItems(const std::function<int(std::uintptr_t, std::uintptr_t)>& compare) {
  return SortItemsEx([&](int a, int b) { return compare(m_rows[a].data, m_rows[b].data); });
}

bool ListView::SortItemsEx(const std::function<int(int, int)>& compare) {
  std::vector<int> order(m_rows.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(a, b) < 0; });
  std::vector<Row> rows;
  rows.reserve(m_rows.size());
  for (int i : order) rows.push_back(std::move(m_rows[i]));
  ApplyOrder(rows);
  return true;
}

void ListView::SetSortIndicator(int column, bool ascending) {
  m_sortColumn = column >= 0 && column < int(m_columns.size()) ? column : -1;
  m_sortAscending = ascending;
  Changed(Aspect::SortIndicator);
}

void ListView::SelectOnly(int row) {
  // A click on a row takes selection and focus from the others; a click
  // below the rows only deselects.
  bool onRow = row >= 0 && row < int(m_rows.size());
  unsigned mask = onRow ? (LVIS_SELECTED | LVIS_FOCUSED) : unsigned(LVIS_SELECTED);
  for (int i = 0; i < int(m_rows.size()); ++i)
    if (i != row && (m_rows[i].state & mask)) SetItemState(i, 0, mask);
  if (row >= 0 && row < int(m_rows.size()))
    SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void ListView::UserClick(int row) {
  if (row >= int(m_rows.size())) row = -1;
  SetFocus();
  SelectOnly(row);
  NotifyInfo info(Notification::ItemClick);
  info.row = row;
  Notify(info);
}

void ListView::UserDoubleClick(int row) {
  if (row >= int(m_rows.size())) row = -1;
  UserClick(row);
  NotifyInfo info(Notification::ItemDoubleClick);
  info.row = row;
  Notify(info);
}

void ListView::UserRightClick(int row) {
  if (row >= int(m_rows.size())) row = -1;
  SetFocus();
  if (row >= 0) SelectOnly(row);
  NotifyInfo info(Notification::ItemRightClick);
  info.row = row;
  Notify(info);
}

void ListView::UserSelect(int row) {
  if (row < 0 || row >= int(m_rows.size())) return;
  SelectOnly(row);
  EnsureVisible(row);
}

void ListView::UserClickHeader(int column) {
  if (column < 0 || column >= int(m_columns.size())) return;
  NotifyInfo info(Notification::ColumnClick);
  info.column = column;
  Notify(info);
}

void ListView::UserResizeColumn(int column, int width) {
  if (column < 0 || column >= int(m_columns.size())) return;
  m_columns[column].width = std::max(0, width);
}

}  // namespace ui
