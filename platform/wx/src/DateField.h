// The date picker of the wx backend: a text box holding the date as the user
// reads and types it (DD/MM/YYYY), with a button that drops a calendar down.
// The toolkit's own picker on GTK parses each keystroke and writes its reading
// back into the box, so a year came out as typed so far ("2" for 2019), and
// Escape in its calendar reached the dialog: here the box keeps what is typed,
// and a key pressed while the calendar is down is the calendar's.
#pragma once

#include <wx/panel.h>

#include <functional>

class wxButton;
class wxTextCtrl;

namespace ui {
namespace wxb {

class CalendarPopup;

class DateField : public wxPanel {
 public:
  // alignRight: the calendar drops down aligned to the field's right edge.
  DateField(wxWindow* parent, bool alignRight);
  ~DateField() override;

  // Shows a date (local calendar): the box is rewritten.
  void SetDate(int year, int month, int day);
  // Runs each time the user gives a whole date, typed or picked.
  void OnUserDate(std::function<void(int year, int month, int day)> handler) {
    m_onUserDate = std::move(handler);
  }

  bool IsCalendarShown() const;
  void ShowCalendar();
  void HideCalendar();
  wxTextCtrl* Text() const { return m_text; }
  wxButton* Button() const { return m_button; }

  // A date as typed: day, month and year between slashes (or dots or
  // dashes); a year of two digits is of this century up to 68, of the last
  // from 69. False for anything that is no calendar date.
  static bool ParseDate(const std::string& text, int& year, int& month, int& day);

 private:
  friend class CalendarPopup;
  void PlaceChildren();
  void ShowOwnDate();
  void PickDate(int year, int month, int day);
  // The keys of the dropped-down calendar; false when the key is not its.
  bool CalendarKey(int keyCode);

  wxTextCtrl* m_text;
  wxButton* m_button;
  CalendarPopup* m_popup = nullptr;
  bool m_alignRight;
  bool m_setting = false;  // the box is being rewritten, not typed into
  int m_year = 1970, m_month = 1, m_day = 1;
  long long m_dismissedAt = 0;  // when a click outside last closed the calendar
  std::function<void(int, int, int)> m_onUserDate;
};

}  // namespace wxb
}  // namespace ui
