// Combo boxes. The model keeps the items in its own order (sorted combo boxes
// sort in the model, whatever the locale), the native control shows them.
#include "Peers.h"

#include "Text1252.h"
#include "platform/ComboBox.h"

#include <wx/combobox.h>

namespace ui {
namespace wxb {

class ComboPeer : public NativeControl {
 public:
  ComboPeer(ComboBox& model, wxWindow* parent)
      : NativeControl(model, new wxComboBox(parent, wxID_ANY, wxString(), wxDefaultPosition,
                                            wxDefaultSize, 0, nullptr,
                                            model.IsEditable() ? wxCB_DROPDOWN : wxCB_READONLY)),
        m_combo(model) {
    PushItems();
    BindCommonEvents();
    BindCharFilter();
    m_native->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) {
      if (!m_model || m_pushing) return;
      m_combo.UserSelect(Combo()->GetSelection());
    });
    m_native->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
      if (!m_model || m_pushing || !m_combo.IsEditable()) return;
      m_combo.UserSetText(FromWx(Combo()->GetValue()));
    });
  }
  wxComboBox* Combo() const { return static_cast<wxComboBox*>(m_native); }

  void PushItems() {
    PushGuard guard(m_pushing);
    wxArrayString items;
    for (int i = 0; i < m_combo.GetCount(); ++i) items.Add(ToWx(m_combo.GetLBText(i)));
    Combo()->Set(items);
    PushSelection();
  }
  void PushSelection() {
    PushGuard guard(m_pushing);
    int sel = m_combo.GetCurSel();
    if (sel >= 0 && sel < int(Combo()->GetCount())) Combo()->SetSelection(sel);
    if (m_combo.IsEditable()) {
      wxString text = ToWx(m_combo.GetWindowText());
      ApplyLimit(*Combo(), m_combo.GetLimitText(), text.length());
      if (Combo()->GetValue() != text) Combo()->ChangeValue(text);
    } else if (sel < 0) {
      Combo()->SetSelection(wxNOT_FOUND);
    }
  }
  void Update(Aspect aspect, int) override {
    if (aspect == Aspect::Items) PushItems();
    if (aspect == Aspect::Selection || aspect == Aspect::Text) PushSelection();
    if (aspect == Aspect::Limit) PushSelection();
  }

 private:
  ComboBox& m_combo;
};

std::unique_ptr<NativeControl> MakeComboPeer(ComboBox& model, wxWindow* parent) {
  return std::make_unique<ComboPeer>(model, parent);
}

}  // namespace wxb
}  // namespace ui
