// An edit box: single or multi-line, possibly read-only or digits-only.
// SetWindowText and typing both send the EditChange notification, as the
// platform's edit control does.
#pragma once

#include "platform/Control.h"

namespace ui {

class Edit : public Control {
 public:
  using Control::Control;

  void SetWindowText(const std::string& text) override;
  void SetReadOnly(bool readOnly = true);
  bool IsReadOnly() const { return HasStyle(Style::ReadOnly); }
  bool IsMultiline() const { return HasStyle(Style::Multiline); }
  bool IsDigitsOnly() const { return HasStyle(Style::Number); }

  // User input, called by the backends after PreTranslateMessage let the
  // character through. Returns false when the control refuses it (read-only,
  // a non-digit in a digits-only box). Backspace (8) removes the last
  // character; Return (13) starts a new line ("\r\n") in a multi-line box
  // that wants Return.
  bool UserChar(int ch);
  // The native control's whole new text (typing, pasting, deleting).
  void UserSetText(const std::string& text);

  // Would the control accept this character (without changing anything)?
  bool AcceptsChar(int ch) const;
};

}  // namespace ui
