#include "platform/Button.h"

#include "platform/DrawingSurface.h"
#include "platform/Window.h"

namespace ui {

void Button::SetCheck(int check) {
  if (check == m_check) return;
  m_check = check;
  Changed(Aspect::Check);
}

void Button::Draw(DrawingSurface& dc) {
  if (m_draw) m_draw(dc, GetClientRect());
}

void Button::UserClick() {
  if (!IsWindowVisible() || !IsWindowEnabled()) return;
  if (GetKind() == ControlKind::GroupBox || GetKind() == ControlKind::Static) return;
  if (GetKind() == ControlKind::CheckBox && HasStyle(Style::AutoCheck))
    SetCheck(m_check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
  GetParent().SendControlCommand(GetDlgCtrlID());
}

}  // namespace ui
