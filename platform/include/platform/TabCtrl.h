// A tab control: labelled tabs and a display area where the owning window
// places the page (a child dialog) of the selected tab.
#pragma once

#include "platform/Control.h"

#include <string>
#include <vector>

namespace ui {

class TabCtrl : public Control {
 public:
  using Control::Control;

  int InsertItem(int index, const std::string& label);  // index used, or -1
  bool DeleteItem(int index);
  bool DeleteAllItems();
  int GetItemCount() const { return int(m_labels.size()); }
  std::string GetItemText(int index) const;

  int GetCurSel() const { return m_curSel; }
  // Selects without notifications, like the platform; returns the previous one.
  int SetCurSel(int index);

  // larger = false: turns the control's window rectangle into its display
  // area; true: the reverse. Both in the same coordinates.
  void AdjustRect(bool larger, Rect& rect) const;
  // The display area in the parent window's client coordinates.
  Rect GetDisplayArea() const;
  // Distances from the control's sides to its display area; the backend sets
  // the native control's values.
  void SetDisplayInsets(const Rect& insets) { m_insets = insets; }

  // A user click on a tab: TabSelChanging (a non-zero result keeps the
  // current tab), the change, TabSelChange, then TabClick.
  void UserSelect(int index);

 private:
  std::vector<std::string> m_labels;
  int m_curSel = -1;
  Rect m_insets{2, 22, 2, 2};
};

}  // namespace ui
