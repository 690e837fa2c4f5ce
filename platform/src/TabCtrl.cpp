#include "platform/TabCtrl.h"

namespace ui {

int TabCtrl::InsertItem(int index, const std::string& label) {
  if (index < 0) return -1;
  if (index > int(m_labels.size())) index = int(m_labels.size());
  m_labels.insert(m_labels.begin() + index, label);
  // The first tab inserted becomes the selected one, as on the platform.
  if (m_curSel < 0) m_curSel = 0;
  else if (index <= m_curSel && m_labels.size() > 1) ++m_curSel;
  Changed(Aspect::Items, index);
  return index;
}

bool TabCtrl::DeleteItem(int index) {
  if (index < 0 || index >= int(m_labels.size())) return false;
  m_labels.erase(m_labels.begin() + index);
  if (m_curSel == index) m_curSel = m_labels.empty() ? -1 : 0;
  else if (m_curSel > index) --m_curSel;
  Changed(Aspect::Items, index);
  return true;
}

bool TabCtrl::DeleteAllItems() {
  m_labels.clear();
  m_curSel = -1;
  Changed(Aspect::Items);
  return true;
}

std::string TabCtrl::GetItemText(int index) const {
  return index >= 0 && index < int(m_labels.size()) ? m_labels[index] : std::string();
}

int TabCtrl::SetCurSel(int index) {
  int previous = m_curSel;
  if (index < 0 || index >= int(m_labels.size())) return -1;
  if (index != m_curSel) {
    m_curSel = index;
    Changed(Aspect::Selection, index);
  }
  return previous;
}

void TabCtrl::AdjustRect(bool larger, Rect& rect) const {
  int s = larger ? -1 : 1;
  rect.left += s * m_insets.left;
  rect.top += s * m_insets.top;
  rect.right -= s * m_insets.right;
  rect.bottom -= s * m_insets.bottom;
}

Rect TabCtrl::GetDisplayArea() const {
  Rect r = GetRect();
  AdjustRect(false, r);
  return r;
}

void TabCtrl::UserSelect(int index) {
  if (index < 0 || index >= int(m_labels.size())) return;
  if (index != m_curSel) {
    if (Notify(NotifyInfo(Notification::TabSelChanging)) != 0) return;
    m_curSel = index;
    Changed(Aspect::Selection, index);
    Notify(NotifyInfo(Notification::TabSelChange));
  }
  Notify(NotifyInfo(Notification::TabClick));
}

}  // namespace ui
