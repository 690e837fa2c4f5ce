#include "controls/SortHeaderCtrl.h"

#include "controls/Archive.h"
#include "platform/ListView.h"

#include <cstdio>
#include <vector>

int CSortHeaderCtrl::GetItemCount() const { return m_list ? m_list->GetColumnCount() : 0; }

void CSortHeaderCtrl::ShowSortArrow(int column, bool ascending) {
  m_sortColumn = column;
  m_sortAscending = ascending;
  // The toolkit draws its own sort indicator from these two values.
  if (m_list) m_list->SetSortIndicator(column, ascending);
}

void CSortHeaderCtrl::Serialize(CArchive& ar) {
  if (!m_list) return;
  const int count = GetItemCount();
  if (ar.IsStoring()) {
    ar << std::int32_t(count);
    for (int i = 0; i < count; ++i) ar << std::int32_t(m_list->GetColumnWidth(i));
    return;
  }
  std::int32_t stored = 0;
  ar >> stored;
  if (ar.Failed() || stored != count) {
#ifndef NDEBUG
    std::fprintf(stderr, "Different number of columns in registry.\n");
#endif
    return;
  }
  // Read the whole record before applying it, so that a truncated one
  // changes nothing.
  std::vector<std::int32_t> widths(static_cast<std::size_t>(count));
  for (std::int32_t& w : widths) ar >> w;
  if (ar.Failed()) return;
  for (int i = 0; i < count; ++i) m_list->SetColumnWidth(i, widths[std::size_t(i)]);
}
