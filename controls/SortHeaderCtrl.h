// The header of a sortable list: it shows which column the rows are sorted
// by (the toolkit's own sort indicator) and stores or restores the column
// widths in the archive layout (a 32-bit count, then one 32-bit width per
// column, little-endian).
#pragma once

namespace ui {
class ListView;
}
class CArchive;

class CSortHeaderCtrl {
 public:
  CSortHeaderCtrl() = default;
  CSortHeaderCtrl(const CSortHeaderCtrl&) = delete;
  CSortHeaderCtrl& operator=(const CSortHeaderCtrl&) = delete;

  // Takes over the header of the list view.
  void SubclassWindow(ui::ListView& list) { m_list = &list; }
  ui::ListView* GetListView() const { return m_list; }

  int GetItemCount() const;  // number of columns
  // Records the sort column and direction and shows them in the header.
  void ShowSortArrow(int column, bool ascending);
  int GetSortColumn() const { return m_sortColumn; }
  bool IsSortAscending() const { return m_sortAscending; }

  // Storing: the column count, then each column's width. Loading: the
  // widths are applied only when the stored count equals the column count
  // and the record is complete.
  void Serialize(CArchive& ar);

 private:
  ui::ListView* m_list = nullptr;
  int m_sortColumn = -1;
  bool m_sortAscending = true;
};
