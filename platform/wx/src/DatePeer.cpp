// Date pickers (short date, drop-down calendar).
#include "Peers.h"

#include "platform/DateTimePicker.h"

#include <wx/datectrl.h>
#include <wx/dateevt.h>

namespace ui {
namespace wxb {

class DatePeer : public NativeControl {
 public:
  DatePeer(DateTimePicker& model, wxWindow* parent)
      : NativeControl(model, new wxDatePickerCtrl(parent, wxID_ANY, wxDefaultDateTime,
                                                  wxDefaultPosition, wxDefaultSize,
                                                  wxDP_DROPDOWN | wxDP_SHOWCENTURY)),
        m_picker(model) {
    Push();
    BindCommonEvents();
    m_native->Bind(wxEVT_DATE_CHANGED, [this](wxDateEvent& e) {
      if (!m_model || m_pushing || !e.GetDate().IsValid()) return;
      const wxDateTime& d = e.GetDate();
      m_picker.UserSetDate(d.GetYear(), int(d.GetMonth()) + 1, d.GetDay());
    });
  }
  void Push() {
    PushGuard guard(m_pushing);
    static_cast<wxDatePickerCtrl*>(m_native)->SetValue(wxDateTime(m_picker.GetTime()));
  }
  void Update(Aspect aspect, int) override {
    if (aspect == Aspect::Time) Push();
  }

 private:
  DateTimePicker& m_picker;
};

std::unique_ptr<NativeControl> MakeDatePeer(DateTimePicker& model, wxWindow* parent) {
  return std::make_unique<DatePeer>(model, parent);
}

}  // namespace wxb
}  // namespace ui
