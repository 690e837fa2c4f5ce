// A combo box: a drop-down list, or with Style::DropDown an editable text with
// a list. With Style::Sorted the combo box keeps its items in the platform's
// order (TextCompare, letter case ignored) whatever the order of insertion.
#pragma once

#include "platform/Control.h"

#include <string>
#include <vector>

namespace ui {

enum : int { CB_ERR = -1 };

class ComboBox : public Control {
 public:
  ComboBox(Window& parent, const ControlTemplate& tmpl, const Rect& rect);

  int AddString(const std::string& item);           // index where it went
  // Adds many items at once, in the order AddString would give them one by
  // one (a sorted combo box sorts them), telling the native control once.
  void AddStrings(const std::vector<std::string>& items);
  int InsertString(int index, const std::string& item);  // -1: at the end; no sorting
  int DeleteString(int index);                      // count left, or CB_ERR
  void ResetContent();
  int GetCount() const { return int(m_items.size()); }
  std::string GetLBText(int index) const;
  // Index of the item equal to text (letter case ignored), searching after
  // indexAfter (-1: from the start), or CB_ERR.
  int FindStringExact(int indexAfter, const std::string& text) const;
  int SelectString(int indexAfter, const std::string& text);

  int GetCurSel() const { return m_curSel; }
  // Selects an item and shows its text; -1 clears the selection and the text.
  int SetCurSel(int index);
  // Sets the edit text; the selection becomes the item equal to it, or none.
  void SetWindowText(const std::string& text) override;
  bool IsEditable() const { return HasStyle(Style::DropDown); }

  // User input: choosing a line of the list (SelChange), typing in the text
  // part (EditChange; the selection follows the text as for SetWindowText).
  void UserSelect(int index);
  void UserSetText(const std::string& text);
  bool UserChar(int ch);

 private:
  std::vector<std::string> m_items;
  int m_curSel = CB_ERR;
};

}  // namespace ui
