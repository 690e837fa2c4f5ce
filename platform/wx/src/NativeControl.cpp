#include "Peers.h"

#include "Text1252.h"
#include "platform/Edit.h"
#include "platform/Window.h"

#include <algorithm>

#include <wx/textentry.h>

namespace ui {
namespace wxb {

void PlaceNative(const Control& model, wxWindow* native) {
  // Exactly the model's place: -1 is a coordinate like any other (not "keep
  // the current one"), and a size below zero is none.
  const Rect r = model.GetRect();
  int height = std::max(0, r.Height());
  if (model.GetKind() == ControlKind::ComboBox) {
    const int closed = native->GetBestSize().y;
    if (closed > 0 && closed < height) height = closed;
  }
  native->SetSize(r.left, r.top, std::max(0, r.Width()), height, wxSIZE_ALLOW_MINUS_ONE);
}

void ApplyLimit(wxTextEntry& entry, int limit, std::size_t length) {
  entry.SetMaxLength(limit > 0 ? std::max<unsigned long>(unsigned(limit), length) : 0);
}

NativeControl::NativeControl(Control& model, wxWindow* native) : m_model(&model), m_native(native) {
  model.SetPeer(this);
}

NativeControl::~NativeControl() { Detach(); }

void NativeControl::Detach() {
  if (m_model && m_model->GetPeer() == this) m_model->SetPeer(nullptr);
  m_model = nullptr;
}

void NativeControl::Changed(Aspect aspect, int index) {
  if (!m_model) return;
  PushGuard guard(m_pushing);
  switch (aspect) {
    case Aspect::Visible: m_native->Show(m_model->IsShown()); return;
    case Aspect::Enabled: m_native->Enable(m_model->IsWindowEnabled()); return;
    case Aspect::Place:
      PlaceNative(*m_model, m_native);
      return;
    case Aspect::Focus:
      if (index < 0) { m_native->SetFocus(); return; }
      break;
    case Aspect::Redraw: m_native->Refresh(); break;
    default: break;
  }
  Update(aspect, index);
}

void NativeControl::BindCommonEvents() {
  m_native->Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) {
    if (m_model) m_model->GetParent().UserFocus(m_model);
    e.Skip();
  });
}

bool NativeControl::LetCharThrough(int ch) {
  if (!m_model) return true;
  Window& window = m_model->GetParent();
  window.UserFocus(m_model);
  if (window.PreTranslate(MessageKind::Char, ch)) return false;
  return true;
}

void NativeControl::BindCharFilter() {
  m_native->Bind(wxEVT_CHAR, [this](wxKeyEvent& e) {
    wxChar32 key = e.GetUnicodeKey();
    if (key == WXK_NONE || key < 0x20 || e.ControlDown() || e.AltDown()) {
      e.Skip();
      return;
    }
    int ch = CharFromWx(key);
    if (ch < 0) return;  // the code page cannot hold it: refused
    if (!LetCharThrough(ch)) return;
    if (auto* edit = dynamic_cast<ui::Edit*>(m_model))
      if (!edit->AcceptsChar(ch)) return;
    e.Skip();
  });
}

}  // namespace wxb
}  // namespace ui
