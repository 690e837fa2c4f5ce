#include "controls/SortListCtrl.h"

#include "controls/Archive.h"
#include "platform/ListView.h"
#include "platform/Message.h"
#include "platform/Profile.h"
#include "platform/TextCompare.h"
#include "platform/Window.h"

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <unordered_map>

namespace {

const char kProfileSection[] = "ListCtrls";

// C atoi without its undefined behaviour on overflow: the value saturates.
int Atoi(const std::string& text) {
  errno = 0;
  long value = std::strtol(text.c_str(), nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

// The characters [pos, pos + count) of text, fewer when it is shorter.
std::string Mid(const std::string& text, std::size_t pos, std::size_t count) {
  return pos < text.size() ? text.substr(pos, count) : std::string();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsNumber(const std::string& text) {
  for (char c : text)
    if (!IsDigit(c)) return false;
  return true;
}

bool IsDate(const std::string& text) {
  if (text.size() != 10 || text[2] != '/' || text[5] != '/') return false;
  for (int i : {0, 1, 3, 4, 6, 7, 8, 9})
    if (!IsDigit(text[std::size_t(i)])) return false;
  return true;
}

int Sign(int a, int b) { return a < b ? -1 : (a > b ? 1 : 0); }

}  // namespace

// What each row carries: a copy of every cell's text and the caller's value.
struct CSortListCtrl::RowData {
  std::vector<std::string> texts;
  std::uintptr_t userData = 0;

  const std::string& Text(int column) const {
    static const std::string empty;
    return column >= 0 && column < int(texts.size()) ? texts[std::size_t(column)] : empty;
  }
};

// The row data, keyed by the value each row of the list view holds. Looking
// a row's value up here (instead of trusting it as a pointer) keeps a value
// set on the list view by other code from being taken for row data.
struct CSortListCtrl::RowStore {
  std::unordered_map<std::uintptr_t, std::unique_ptr<RowData>> rows;

  std::uintptr_t Add(std::unique_ptr<RowData> data) {
    auto key = reinterpret_cast<std::uintptr_t>(data.get());
    rows.emplace(key, std::move(data));
    return key;
  }
  RowData* Find(std::uintptr_t key) const {
    auto it = rows.find(key);
    return it == rows.end() ? nullptr : it->second.get();
  }
};

CSortListCtrl::CSortListCtrl() : m_rows(std::make_unique<RowStore>()) {}

CSortListCtrl::~CSortListCtrl() {
  if (m_list) m_list->SetReflectHook(nullptr);
}

bool CSortListCtrl::SubclassDlgItem(int id, ui::Window& parent) {
  ui::ListView* list = parent.GetListView(id);
  return list ? SubclassWindow(*list) : false;
}

bool CSortListCtrl::SubclassWindow(ui::ListView& list) {
  if (m_list) m_list->SetReflectHook(nullptr);
  m_list = &list;
  m_header.SubclassWindow(list);
  list.SetReflectHook([this](const ui::NotifyInfo& info) { return OnNotify(info); });
  return true;
}

bool CSortListCtrl::OnNotify(const ui::NotifyInfo& info) {
  if (info.code == ui::Notification::ColumnClick) OnHeaderClick(info.column);
  return false;  // the parent window sees the notification too
}

void CSortListCtrl::OnHeaderClick(int column) {
  if (column < 0 || column >= m_columnCount) return;
  // A new column starts ascending; the same column turns around.
  SortByColumn(column, column == m_sortColumn ? !m_sortAscending : true);
}

bool CSortListCtrl::CreateColumns(const std::string& headings) {
  assert(m_list && "CreateColumns needs an attached list view");
  if (!m_list) return false;
  std::size_t p = 0;
  for (;;) {
    std::size_t comma = headings.find(',', p);
    if (comma == std::string::npos) return true;
    std::string title = headings.substr(p, comma - p);
    std::size_t semicolon = headings.find(';', comma + 1);
    std::string widthText = semicolon == std::string::npos
                                ? headings.substr(comma + 1)
                                : headings.substr(comma + 1, semicolon - comma - 1);
    if (m_list->InsertColumn(m_columnCount, title, ui::LVCFMT_LEFT, Atoi(widthText)) < 0)
      return false;
    ++m_columnCount;
    if (semicolon == std::string::npos) return true;
    p = semicolon + 1;
  }
}

int CSortListCtrl::AppendRow(const std::vector<std::string>& texts) {
  assert(m_list && "AppendRow needs an attached list view");
  if (!m_list) return -1;
  auto data = std::make_unique<RowData>();
  data->texts.resize(std::size_t(m_columnCount));
  for (std::size_t i = 0; i < data->texts.size() && i < texts.size(); ++i) data->texts[i] = texts[i];

  int row = m_list->InsertItem(m_list->GetItemCount(), data->Text(0));
  if (row < 0) return -1;
  for (int c = 1; c < m_columnCount; ++c) m_list->SetItemText(row, c, data->Text(c));
  assert(Data(row) == nullptr && "a new row has no row data yet");
  m_list->SetItemData(row, m_rows->Add(std::move(data)));
  return row;
}

CSortListCtrl::RowData* CSortListCtrl::Data(int row) const {
  if (!m_list || m_bSource || row < 0 || row >= m_list->GetItemCount()) return nullptr;
  return m_rows->Find(m_list->GetItemData(row));
}

void CSortListCtrl::SetCellSource(CellSource cells) {
  assert(m_list && "SetCellSource needs an attached list view");
  if (!m_list) return;
  m_rows->rows.clear();
  m_bSource = true;
  m_list->SetTextSource(std::move(cells));
}

void CSortListCtrl::SetRows(const std::vector<std::uintptr_t>& items) {
  assert(m_bSource && "SetRows needs a cell source");
  if (m_list && m_bSource) m_list->SetItems(items);
}

bool CSortListCtrl::DeleteItem(int row) {
  if (!m_list || row < 0 || row >= m_list->GetItemCount()) return false;
  m_rows->rows.erase(m_list->GetItemData(row));
  return m_list->DeleteItem(row);
}

bool CSortListCtrl::DeleteAllItems() {
  m_rows->rows.clear();
  return m_list ? m_list->DeleteAllItems() : false;
}

bool CSortListCtrl::SetItemText(int row, int column, const std::string& text) {
  if (!m_list || !m_list->SetItemText(row, column, text)) return false;
  if (RowData* data = Data(row))
    if (column >= 0 && column < int(data->texts.size())) data->texts[std::size_t(column)] = text;
  return true;
}

bool CSortListCtrl::SetItemData(int row, std::uintptr_t value) {
  RowData* data = Data(row);
  if (!data) return false;
  data->userData = value;
  return true;
}

std::uintptr_t CSortListCtrl::GetItemData(int row) const {
  assert(!m_list || (row >= 0 && row < m_list->GetItemCount()));
  if (m_bSource) return m_list ? m_list->GetItemData(row) : 0;
  const RowData* data = Data(row);
  return data ? data->userData : 0;
}

int CSortListCtrl::CompareTexts(const std::string& first, const std::string& second) {
  if (IsNumber(first)) return Sign(Atoi(first), Atoi(second));
  if (IsDate(first)) {
    if (int c = Sign(Atoi(Mid(first, 6, 4)), Atoi(Mid(second, 6, 4)))) return c;
    if (int c = Sign(Atoi(Mid(first, 3, 2)), Atoi(Mid(second, 3, 2)))) return c;
    return Sign(Atoi(Mid(first, 0, 2)), Atoi(Mid(second, 0, 2)));
  }
  return ui::CompareText(first, second, true);
}

std::string CSortListCtrl::SortText(int row, int column) const {
  if (m_bSource) return m_list->GetItemText(row, column);
  const RowData* data = Data(row);
  return data ? data->Text(column) : std::string();
}

void CSortListCtrl::SortByColumn(int column, bool ascending) {
  m_sortColumn = column;
  m_sortAscending = ascending;
  m_header.ShowSortArrow(column, ascending);
  if (!m_list) return;
  // What CompareTexts looks at in each text, found once per row: a sort of
  // many rows then compares numbers and keys only.
  struct Facts {
    bool number, date;
    int value, year, month, day;
    std::string key;
  };
  const int count = m_list->GetItemCount();
  std::vector<Facts> facts(std::size_t(std::max(0, count)));
  bool anyText = false;
  for (int row = 0; row < count; ++row) {
    Facts& f = facts[std::size_t(row)];
    f.key = SortText(row, column);
    const std::string& text = f.key;
    f.number = IsNumber(text);
    f.date = !f.number && IsDate(text);
    anyText = anyText || (!f.number && !f.date);
    f.value = Atoi(text);
    f.year = Atoi(Mid(text, 6, 4));
    f.month = Atoi(Mid(text, 3, 2));
    f.day = Atoi(Mid(text, 0, 2));
  }
  // Texts are compared only when some row's text is neither number nor date.
  if (anyText)
    for (Facts& f : facts) f.key = ui::CompareKey(f.key, true);
  // The kind of comparison is the first text's, as in CompareTexts.
  auto compare = [&facts](int a, int b) {
    const Facts& first = facts[std::size_t(a)];
    const Facts& second = facts[std::size_t(b)];
    if (first.number) return Sign(first.value, second.value);
    if (first.date) {
      if (int c = Sign(first.year, second.year)) return c;
      if (int c = Sign(first.month, second.month)) return c;
      return Sign(first.day, second.day);
    }
    const int c = first.key.compare(second.key);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
  };
  m_list->SortItemsEx([&](int a, int b) { return ascending ? compare(a, b) : compare(b, a); });
}

void CSortListCtrl::RestoreColumnWidths() {
  assert(m_columnCount > 0 && "RestoreColumnWidths needs the columns");
  if (!m_list || m_columnCount <= 0) return;
  std::vector<unsigned char> bytes =
      ui::AppProfile().GetProfileBinary(kProfileSection, std::to_string(m_list->GetDlgCtrlID()));
  if (bytes.empty()) return;
  CArchive ar(std::move(bytes));
  m_header.Serialize(ar);
}

void CSortListCtrl::StoreColumnWidths() {
  assert(m_columnCount > 0 && "StoreColumnWidths needs the columns");
  if (!m_list || m_columnCount <= 0) return;
  CArchive ar;
  m_header.Serialize(ar);
  ui::AppProfile().WriteProfileBinary(kProfileSection, std::to_string(m_list->GetDlgCtrlID()),
                                      ar.GetBytes());
}

int CSortListCtrl::GetItemCount() const { return m_list ? m_list->GetItemCount() : 0; }

std::string CSortListCtrl::GetItemText(int row, int column) const {
  return m_list ? m_list->GetItemText(row, column) : std::string();
}

int CSortListCtrl::GetNextSelectedItem(int indexAfter) const {
  return m_list ? m_list->GetNextSelectedItem(indexAfter) : -1;
}

int CSortListCtrl::GetDlgCtrlID() const { return m_list ? m_list->GetDlgCtrlID() : 0; }
