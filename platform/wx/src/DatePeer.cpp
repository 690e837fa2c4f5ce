// Date pickers (short date, drop-down calendar): the backend's own field.
#include "DateField.h"
#include "Peers.h"

#include "platform/DateTimePicker.h"
#include "platform/Window.h"

#include <wx/button.h>
#include <wx/textctrl.h>

namespace ui {
namespace wxb {

class DatePeer : public NativeControl {
 public:
  DatePeer(DateTimePicker& model, wxWindow* parent)
      : NativeControl(model, new DateField(parent, model.HasStyle(Style::RightAlignCalendar))),
        m_picker(model) {
    Push();
    BindCommonEvents();
    // The field's box and button take the focus, not the field itself.
    for (wxWindow* part : {static_cast<wxWindow*>(Field()->Text()), static_cast<wxWindow*>(Field()->Button())})
      part->Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) {
        if (m_model) m_model->GetParent().UserFocus(m_model);
        e.Skip();
      });
    Field()->OnUserDate([this](int year, int month, int day) {
      if (!m_model) return;
      // What the user typed stays as typed: the model's date is not written back.
      PushGuard guard(m_fromUser);
      m_picker.UserSetDate(year, month, day);
    });
  }
  DateField* Field() const { return static_cast<DateField*>(m_native); }
  void Push() {
    if (m_fromUser) return;
    Field()->SetDate(m_picker.GetYear(), m_picker.GetMonth(), m_picker.GetDay());
  }
  void Update(Aspect aspect, int) override {
    if (aspect == Aspect::Time) Push();
  }

 private:
  DateTimePicker& m_picker;
  bool m_fromUser = false;
};

std::unique_ptr<NativeControl> MakeDatePeer(DateTimePicker& model, wxWindow* parent) {
  return std::make_unique<DatePeer>(model, parent);
}

}  // namespace wxb
}  // namespace ui
