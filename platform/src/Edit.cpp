#include "platform/Edit.h"

namespace ui {

void Edit::SetWindowText(const std::string& text) {
  bool changed = text != m_text;
  Control::SetWindowText(text);
  // The platform's edit control tells its parent even when set by code.
  if (changed) Notify(NotifyInfo(Notification::EditChange));
}

void Edit::SetReadOnly(bool readOnly) {
  ModifyStyle(readOnly ? 0u : std::uint32_t(Style::ReadOnly), readOnly ? std::uint32_t(Style::ReadOnly) : 0u);
  Changed(Aspect::ReadOnly);
}

bool Edit::AcceptsChar(int ch) const {
  if (IsReadOnly()) return false;
  if (ch == VK_BACK) return true;
  if (ch == '\r' || ch == '\n')
    return IsMultiline() && HasStyle(Style::WantReturn);
  if (GetLimitText() > 0 && int(m_text.size()) >= GetLimitText()) return false;
  if (IsDigitsOnly()) return ch >= '0' && ch <= '9';
  return (ch & 0xFF) >= 0x20 || ch == '\t';
}

bool Edit::UserChar(int ch) {
  if (!AcceptsChar(ch)) return false;
  std::string text = m_text;
  if (ch == VK_BACK) {
    if (text.empty()) return true;
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
      text.resize(text.size() - 2);
    else
      text.pop_back();
  } else if (ch == '\r' || ch == '\n') {
    text += "\r\n";
  } else {
    text += char(ch);
  }
  UserSetText(text);
  return true;
}

void Edit::UserSetText(const std::string& text) {
  // A paste longer than the room left is cut, as the platform's edit box does.
  const std::string kept = KeptOfUserText(text);
  const bool cut = kept != text;
  if (kept == m_text) {
    if (cut) Changed(Aspect::Text);  // the native box shows more than it keeps
    return;
  }
  m_text = kept;
  Changed(Aspect::Text);
  Notify(NotifyInfo(Notification::EditChange));
}

}  // namespace ui
