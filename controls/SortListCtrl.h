// A report list whose columns come from one headings text ("Titre,108;Tome,40"),
// that keeps its own copy of every cell so that rows can be re-sorted at any
// time: by number, DD/MM/YYYY date or text, chosen from the first compared
// row's text. A click on a column header sorts by that column (a new column
// ascending, the same column in the other direction). Column widths can be
// restored from the profile section "ListCtrls", entry = the control's id.
//
// Attach it to a list view of a window once the window's controls exist:
//   m_list.SubclassDlgItem(1001, *this);
//   m_list.CreateColumns("S\xe9rie,100;Titre,108");
//   m_list.RestoreColumnWidths();
//   m_list.AppendRow(serie, titre);
//   m_list.SortByColumn(0, true);
//
// A list of many rows (an album page) keeps no copy of its texts: it is given
// a cell source and its rows as one value each (SetRows), and asks the source
// for a cell's text when the list shows it or a sort compares it.
#pragma once

#include "controls/SortHeaderCtrl.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {
class ListView;
class Window;
struct NotifyInfo;
}

class CSortListCtrl {
 public:
  CSortListCtrl();
  ~CSortListCtrl();
  CSortListCtrl(const CSortListCtrl&) = delete;
  CSortListCtrl& operator=(const CSortListCtrl&) = delete;

  // Attaches to the list view `id` of parent (it must exist); false when there
  // is no such list view. The list takes its header clicks from then on.
  bool SubclassDlgItem(int id, ui::Window& parent);
  bool SubclassWindow(ui::ListView& list);
  ui::ListView* GetListView() const { return m_list; }
  CSortHeaderCtrl& GetHeaderCtrl() { return m_header; }

  // Creates one left-aligned column per "title,width" of the headings text
  // (columns separated by ';'; widths read with atoi). A headings text
  // without a comma creates no column and succeeds. False as soon as a
  // column cannot be inserted.
  bool CreateColumns(const std::string& headings);
  int GetColumnCount() const { return m_columnCount; }

  // Appends a row of GetColumnCount() texts, first column first (missing
  // texts are empty, extra ones ignored); returns the row's index (where a
  // list with the ascending-sort style placed it), or -1.
  int AppendRow(const std::vector<std::string>& texts);
  template <class... Texts>
  int AppendRow(const Texts&... texts) {
    return AppendRow(std::vector<std::string>{std::string(texts)...});
  }

  // Rows without texts of their own: their cells are cells(item, column).
  // Set once, before any row; rows are then given with SetRows only.
  using CellSource = std::function<std::string(std::uintptr_t item, int column)>;
  void SetCellSource(CellSource cells);
  // Replaces every row: one per item, in this order, none selected.
  void SetRows(const std::vector<std::uintptr_t>& items);

  bool DeleteItem(int row);
  bool DeleteAllItems();
  // Sets the cell's text, and the copy sorting uses when that succeeded.
  bool SetItemText(int row, int column, const std::string& text);
  // The value attached to a row (0 until set; out-of-range rows: ignored / 0).
  // A row given by SetRows has its item as value, which cannot be changed.
  bool SetItemData(int row, std::uintptr_t value);
  std::uintptr_t GetItemData(int row) const;

  // Sorts the rows by the column, shows the arrow and remembers both.
  void SortByColumn(int column, bool ascending);
  int GetSortColumn() const { return m_sortColumn; }
  bool IsSortAscending() const { return m_sortAscending; }

  // Column widths in the application profile (section "ListCtrls", entry =
  // the control id in decimal). A record for another number of columns is
  // ignored.
  void RestoreColumnWidths();
  void StoreColumnWidths();

  // What the list view shows (forwarded, for callers' convenience).
  int GetItemCount() const;
  std::string GetItemText(int row, int column) const;
  int GetNextSelectedItem(int indexAfter = -1) const;
  int GetDlgCtrlID() const;

  // The comparison of two cell texts used by the sort: numbers (only digits,
  // empty included) by value, DD/MM/YYYY dates by year, month then day,
  // anything else as text; the kind is chosen by `first` alone.
  static int CompareTexts(const std::string& first, const std::string& second);

 private:
  struct RowData;
  struct RowStore;
  bool OnNotify(const ui::NotifyInfo& info);
  void OnHeaderClick(int column);
  // The row's data, or null for a row without data of this control.
  RowData* Data(int row) const;
  // The text a sort compares for a row and column.
  std::string SortText(int row, int column) const;

  CSortHeaderCtrl m_header;
  int m_columnCount = 0;
  int m_sortColumn = -1;
  bool m_sortAscending = true;
  ui::ListView* m_list = nullptr;
  std::unique_ptr<RowStore> m_rows;  // the row data, owned; rows point to them
  bool m_bSource = false;            // rows come from a cell source
};
