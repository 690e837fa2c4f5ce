#include "platform/ComboBox.h"

#include "platform/TextCompare.h"

#include <algorithm>

namespace ui {

ComboBox::ComboBox(Window& parent, const ControlTemplate& tmpl, const Rect& rect)
    : Control(parent, tmpl, rect) {
  for (const std::string& item : tmpl.items) AddString(item);
  // The template's text is not an item; an editable combo shows it.
  if (!IsEditable()) m_text.clear();
}

int ComboBox::AddString(const std::string& item) {
  int index = int(m_items.size());
  if (HasStyle(Style::Sorted)) {
    // After the items that sort before or equal, as the platform's list does.
    index = 0;
    while (index < int(m_items.size()) && CompareText(m_items[index], item, false) <= 0) ++index;
  }
  m_items.insert(m_items.begin() + index, item);
  if (m_curSel >= index) ++m_curSel;
  Changed(Aspect::Items, index);
  return index;
}

void ComboBox::AddStrings(const std::vector<std::string>& items) {
  if (items.empty()) return;
  const std::string selected = m_curSel >= 0 ? m_items[m_curSel] : std::string();
  m_items.insert(m_items.end(), items.begin(), items.end());
  if (HasStyle(Style::Sorted)) {
    // Each new item after those that sort before or equal: a stable sort,
    // on keys computed once per item.
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(m_items.size());
    for (std::size_t i = 0; i < m_items.size(); ++i) keys.emplace_back(CompareKey(m_items[i]), i);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> sorted;
    sorted.reserve(m_items.size());
    for (const auto& k : keys) sorted.push_back(std::move(m_items[k.second]));
    m_items = std::move(sorted);
    if (m_curSel >= 0) {
      // The selected item moved with the sort; equal texts keep their order.
      for (std::size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i] == selected) { m_curSel = int(i); break; }
    }
  }
  Changed(Aspect::Items);
}

int ComboBox::InsertString(int index, const std::string& item) {
  if (index < 0 || index > int(m_items.size())) index = int(m_items.size());
  m_items.insert(m_items.begin() + index, item);
  if (m_curSel >= index) ++m_curSel;
  Changed(Aspect::Items, index);
  return index;
}

int ComboBox::DeleteString(int index) {
  if (index < 0 || index >= int(m_items.size())) return CB_ERR;
  m_items.erase(m_items.begin() + index);
  if (m_curSel == index) m_curSel = CB_ERR;
  else if (m_curSel > index) --m_curSel;
  Changed(Aspect::Items, index);
  return int(m_items.size());
}

void ComboBox::ResetContent() {
  m_items.clear();
  m_curSel = CB_ERR;
  m_text.clear();
  Changed(Aspect::Items);
  Changed(Aspect::Text);
}

std::string ComboBox::GetLBText(int index) const {
  if (index < 0 || index >= int(m_items.size())) return std::string();
  return m_items[index];
}

int ComboBox::FindStringExact(int indexAfter, const std::string& text) const {
  int n = int(m_items.size());
  if (n == 0) return CB_ERR;
  int start = (indexAfter < 0 || indexAfter >= n) ? 0 : indexAfter + 1;
  // The search wraps round to the items before the start, like the platform's.
  for (int k = 0; k < n; ++k) {
    int i = (start + k) % n;
    if (CompareText(m_items[i], text, false) == 0 && m_items[i].size() == text.size()) return i;
  }
  return CB_ERR;
}

int ComboBox::SelectString(int indexAfter, const std::string& text) {
  int n = int(m_items.size());
  int start = (indexAfter < 0 || indexAfter >= n) ? 0 : indexAfter + 1;
  std::string prefix = ToLower1252(text);
  for (int k = 0; k < n; ++k) {
    int i = (start + k) % n;
    if (ToLower1252(m_items[i]).compare(0, prefix.size(), prefix) == 0) return SetCurSel(i);
  }
  return CB_ERR;
}

int ComboBox::SetCurSel(int index) {
  if (index < 0 || index >= int(m_items.size())) {
    m_curSel = CB_ERR;
    m_text.clear();
    Changed(Aspect::Selection);
    Changed(Aspect::Text);
    return CB_ERR;
  }
  m_curSel = index;
  m_text = m_items[index];
  Changed(Aspect::Selection);
  Changed(Aspect::Text);
  return index;
}

void ComboBox::SetWindowText(const std::string& text) {
  m_text = text;
  m_curSel = FindStringExact(-1, text);
  Changed(Aspect::Text);
  Changed(Aspect::Selection);
}

void ComboBox::UserSelect(int index) {
  if (index < 0 || index >= int(m_items.size())) return;
  SetCurSel(index);
  Notify(NotifyInfo(Notification::SelChange));
}

void ComboBox::UserSetText(const std::string& text) {
  if (!IsEditable()) return;
  const std::string kept = KeptOfUserText(text);
  const bool cut = kept != text;
  if (kept == m_text) {
    if (cut) Changed(Aspect::Text);
    return;
  }
  m_text = kept;
  m_curSel = FindStringExact(-1, kept);
  Changed(Aspect::Text);
  Changed(Aspect::Selection);
  Notify(NotifyInfo(Notification::EditChange));
}

bool ComboBox::UserChar(int ch) {
  if (!IsEditable()) return false;
  std::string text = m_text;
  if (ch == VK_BACK) {
    if (!text.empty()) text.pop_back();
  } else if ((ch & 0xFF) >= 0x20) {
    if (GetLimitText() > 0 && int(text.size()) >= GetLimitText()) return false;
    text += char(ch);
  } else {
    return false;
  }
  UserSetText(text);
  return true;
}

}  // namespace ui
