#include "platform/Dialog.h"

#include "platform/Backend.h"

namespace ui {

int Dialog::DoModal() { return CurrentBackend().RunModal(*this); }

void Dialog::EndDialog(int result) {
  m_result = result;
  m_ended = true;
  if (m_modal) CurrentBackend().EndModal(*this, result);
}

bool Dialog::Create(Window* parent) {
  SetParentWindow(parent);
  return CurrentBackend().CreateChild(*this);
}

void Dialog::DestroyWindow() {
  if (IsCreated()) CurrentBackend().DestroyChild(*this);
}

bool Dialog::OnCommand(int id) {
  if (Window::OnCommand(id)) return true;
  if (id == IDOK) { OnOK(); return true; }
  if (id == IDCANCEL) { OnCancel(); return true; }
  return false;
}

}  // namespace ui
