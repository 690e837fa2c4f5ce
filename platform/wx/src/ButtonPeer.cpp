// Push buttons and check boxes.
#include "Peers.h"

#include "Text1252.h"
#include "platform/Button.h"

#include <wx/button.h>
#include <wx/checkbox.h>

namespace ui {
namespace wxb {

namespace {
// A button narrower than its label with the toolkit's usual padding ("OK" in
// 14 dialog units) drops the padding, or its label would not show at all.
long ButtonStyle(const Button& model, wxWindow* parent) {
  constexpr int kUsualPadding = 24;
  const int label = parent->GetTextExtent(ToWx(model.GetWindowText())).x;
  return label + kUsualPadding > model.GetRect().Width() ? wxBU_EXACTFIT : 0;
}
}  // namespace

class ButtonPeer : public NativeControl {
 public:
  ButtonPeer(Button& model, wxWindow* parent)
      : NativeControl(model, new wxButton(parent, wxID_ANY, ToWx(model.GetWindowText()),
                                          wxDefaultPosition, wxDefaultSize,
                                          ButtonStyle(model, parent))),
        m_button(model) {
    if (model.IsDefault()) static_cast<wxButton*>(m_native)->SetDefault();
    BindCommonEvents();
    m_native->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
      if (m_model) m_button.UserClick();
    });
  }
  void Update(Aspect aspect, int) override {
    if (aspect == Aspect::Text) m_native->SetLabel(ToWx(m_model->GetWindowText()));
  }

 private:
  Button& m_button;
};

class CheckBoxPeer : public NativeControl {
 public:
  CheckBoxPeer(Button& model, wxWindow* parent)
      : NativeControl(model, new wxCheckBox(parent, wxID_ANY, ToWx(model.GetWindowText()),
                                            wxDefaultPosition, wxDefaultSize,
                                            model.HasStyle(Style::LeftText) ? wxALIGN_RIGHT : 0)),
        m_button(model) {
    Box()->SetValue(model.GetCheck() == BST_CHECKED);
    BindCommonEvents();
    m_native->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
      if (!m_model) return;
      m_button.UserClick();
      // The native box toggled itself; the model decides.
      if (m_model) Update(Aspect::Check, -1);
    });
  }
  wxCheckBox* Box() const { return static_cast<wxCheckBox*>(m_native); }
  void Update(Aspect aspect, int) override {
    if (aspect == Aspect::Text) m_native->SetLabel(ToWx(m_model->GetWindowText()));
    if (aspect == Aspect::Check) Box()->SetValue(m_button.GetCheck() == BST_CHECKED);
  }

 private:
  Button& m_button;
};

std::unique_ptr<NativeControl> MakeButtonPeer(Button& model, wxWindow* parent) {
  return std::make_unique<ButtonPeer>(model, parent);
}

std::unique_ptr<NativeControl> MakeCheckBoxPeer(Button& model, wxWindow* parent) {
  return std::make_unique<CheckBoxPeer>(model, parent);
}

}  // namespace wxb
}  // namespace ui
