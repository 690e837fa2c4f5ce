// Edit boxes: single and multi-line, read-only, digits only.
#include "Peers.h"

#include "Text1252.h"
#include "platform/Edit.h"

#include <wx/textctrl.h>

namespace ui {
namespace wxb {

namespace {

long EditStyle(const Control& c) {
  long style = 0;
  if (c.HasStyle(Style::Multiline)) style |= wxTE_MULTILINE | (c.HasStyle(Style::HScroll) ? wxHSCROLL : 0);
  if (c.HasStyle(Style::ReadOnly)) style |= wxTE_READONLY;
  if (c.HasStyle(Style::Center)) style |= wxTE_CENTRE;
  else if (c.HasStyle(Style::Right)) style |= wxTE_RIGHT;
  if (c.HasStyle(Style::NoBorder)) style |= wxBORDER_NONE;
  return style;
}

// The model's line breaks are CR LF; the native control's are LF.
wxString ToNative(const std::string& text, bool multiline) {
  if (!multiline) return ToWx(text);
  std::string lf;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lf += text[i];
  return ToWx(lf);
}

std::string FromNative(const wxString& text, bool multiline) {
  std::string s = FromWx(text);
  if (!multiline) return s;
  std::string crlf;
  for (char c : s) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return crlf;
}

}  // namespace

class EditPeer : public NativeControl {
 public:
  EditPeer(Edit& model, wxWindow* parent)
      : NativeControl(model, new wxTextCtrl(parent, wxID_ANY, wxString(), wxDefaultPosition,
                                            wxDefaultSize, EditStyle(model))),
        m_edit(model) {
    Push();
    BindCommonEvents();
    BindCharFilter();
    m_native->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
      if (!m_model || m_pushing) return;
      m_edit.UserSetText(FromNative(TextCtrl()->GetValue(), m_edit.IsMultiline()));
    });
  }
  wxTextCtrl* TextCtrl() const { return static_cast<wxTextCtrl*>(m_native); }
  void Push() {
    PushGuard guard(m_pushing);
    wxString value = ToNative(m_edit.GetWindowText(), m_edit.IsMultiline());
    if (!m_edit.IsMultiline()) ApplyLimit(*TextCtrl(), m_edit.GetLimitText(), value.length());
    if (TextCtrl()->GetValue() != value) TextCtrl()->ChangeValue(value);
  }
  void Update(Aspect aspect, int) override {
    if (aspect == Aspect::Text || aspect == Aspect::Limit) Push();
    if (aspect == Aspect::ReadOnly) TextCtrl()->SetEditable(!m_edit.IsReadOnly());
  }

 private:
  Edit& m_edit;
};

std::unique_ptr<NativeControl> MakeEditPeer(Edit& model, wxWindow* parent) {
  return std::make_unique<EditPeer>(model, parent);
}

}  // namespace wxb
}  // namespace ui
