#include "DateField.h"

#include <wx/button.h>
#include <wx/calctrl.h>
#include <wx/generic/calctrlg.h>
#include <wx/popupwin.h>
#include <wx/textctrl.h>
#include <wx/time.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace ui {
namespace wxb {

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

// The calendar dropped down under the field. It goes away by itself on a
// click elsewhere; the field is told so.
class CalendarPopup : public wxPopupTransientWindow {
 public:
  explicit CalendarPopup(DateField& field)
      : wxPopupTransientWindow(&field, wxBORDER_SIMPLE), m_field(field) {
    m_calendar = new wxGenericCalendarCtrl(this, wxID_ANY, wxDefaultDateTime, wxPoint(0, 0),
                                           wxDefaultSize,
                                           wxCAL_MONDAY_FIRST | wxCAL_SHOW_SURROUNDING_WEEKS |
                                               wxCAL_SEQUENTIAL_MONTH_SELECTION);
    SetClientSize(m_calendar->GetBestSize());
    m_calendar->SetSize(GetClientSize());
    // A click on a day picks it (a click on the month arrows only turns the page).
    m_calendar->Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& e) {
      e.Skip();
      wxDateTime date;
      if (m_calendar->HitTest(e.GetPosition(), &date) != wxCAL_HITTEST_DAY || !date.IsValid()) return;
      CallAfter([this, date] {
        m_field.PickDate(date.GetYear(), int(date.GetMonth()) + 1, date.GetDay());
      });
    });
    // Keys may come here while the calendar is down.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& e) {
      if (!m_field.CalendarKey(e.GetKeyCode())) e.Skip();
    });
  }
  wxGenericCalendarCtrl* Calendar() const { return m_calendar; }

 protected:
  void OnDismiss() override { m_field.m_dismissedAt = wxGetLocalTimeMillis().GetValue(); }

 private:
  DateField& m_field;
  wxGenericCalendarCtrl* m_calendar;
};

DateField::DateField(wxWindow* parent, bool alignRight)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE),
      m_alignRight(alignRight) {
  m_text = new wxTextCtrl(this, wxID_ANY);
  // The arrow of a drop-down list.
  m_button = new wxButton(this, wxID_ANY, wxString::FromUTF8("\xE2\x96\xBE"), wxDefaultPosition,
                          wxDefaultSize, wxBU_EXACTFIT);
  m_button->SetCanFocus(false);
  Bind(wxEVT_SIZE, [this](wxSizeEvent&) { PlaceChildren(); });
  m_text->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
    if (m_setting) return;
    int year = 0, month = 0, day = 0;
    if (!ParseDate(std::string(m_text->GetValue().utf8_str()), year, month, day)) return;
    m_year = year;
    m_month = month;
    m_day = day;
    if (m_onUserDate) m_onUserDate(year, month, day);
  });
  // Once the user leaves the box, it shows the date that counts.
  m_text->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& e) {
    e.Skip();
    ShowOwnDate();
  });
  m_button->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    // The click that closed the calendar (a click outside it) must not open it again.
    if (IsCalendarShown() || wxGetLocalTimeMillis().GetValue() - m_dismissedAt < 300) return;
    ShowCalendar();
  });
  // The keys of the calendar while it is down, from the box or the button.
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& e) {
    if (!CalendarKey(e.GetKeyCode())) e.Skip();
  });
}

DateField::~DateField() = default;

void DateField::PlaceChildren() {
  const wxSize size = GetClientSize();
  const int button = std::min(size.y, size.x / 3);
  m_text->SetSize(0, 0, std::max(0, size.x - button), size.y);
  m_button->SetSize(size.x - button, 0, button, size.y);
}

void DateField::SetDate(int year, int month, int day) {
  m_year = year;
  m_month = month;
  m_day = day;
  ShowOwnDate();
}

void DateField::ShowOwnDate() {
  char text[32];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", m_day, m_month, m_year);
  if (m_text->GetValue() == text) return;
  m_setting = true;
  m_text->ChangeValue(text);
  m_setting = false;
}

bool DateField::ParseDate(const std::string& text, int& year, int& month, int& day) {
  int d = 0, m = 0, y = 0, consumed = 0;
  char s1 = 0, s2 = 0;
  if (std::sscanf(text.c_str(), " %2d%c%2d%c%d %n", &d, &s1, &m, &s2, &y, &consumed) != 5) return false;
  if (consumed != int(text.size()) || s1 != s2 || (s1 != '/' && s1 != '.' && s1 != '-')) return false;
  // The year's digits as typed: two or four.
  const std::size_t yearStart = text.find_last_of(s2) + 1;
  std::size_t digits = 0;
  while (yearStart + digits < text.size() && text[yearStart + digits] >= '0' &&
         text[yearStart + digits] <= '9')
    ++digits;
  if (digits == 2) y += y < 69 ? 2000 : 1900;
  else if (digits != 4) return false;
  if (y < 1900 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m)) return false;
  year = y;
  month = m;
  day = d;
  return true;
}

bool DateField::IsCalendarShown() const { return m_popup && m_popup->IsShown(); }

void DateField::ShowCalendar() {
  if (!m_popup) m_popup = new CalendarPopup(*this);
  m_popup->Calendar()->SetDate(wxDateTime(wxDateTime::wxDateTime_t(m_day),
                                          wxDateTime::Month(m_month - 1), m_year));
  const wxSize size = m_popup->GetSize();
  const wxPoint below = ClientToScreen(wxPoint(m_alignRight ? GetClientSize().x - size.x : 0,
                                               GetClientSize().y));
  m_popup->Position(below, wxSize(0, 0));
  m_popup->Popup(m_text);
}

void DateField::HideCalendar() {
  if (IsCalendarShown()) m_popup->Dismiss();
  m_dismissedAt = 0;
}

void DateField::PickDate(int year, int month, int day) {
  HideCalendar();
  SetDate(year, month, day);
  m_text->SetFocus();
  if (m_onUserDate) m_onUserDate(year, month, day);
}

bool DateField::CalendarKey(int keyCode) {
  if (!IsCalendarShown()) return false;
  wxGenericCalendarCtrl* calendar = m_popup->Calendar();
  wxDateTime date = calendar->GetDate();
  switch (keyCode) {
    case WXK_ESCAPE: HideCalendar(); return true;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
      PickDate(date.GetYear(), int(date.GetMonth()) + 1, date.GetDay());
      return true;
    case WXK_LEFT: date -= wxDateSpan::Day(); break;
    case WXK_RIGHT: date += wxDateSpan::Day(); break;
    case WXK_UP: date -= wxDateSpan::Week(); break;
    case WXK_DOWN: date += wxDateSpan::Week(); break;
    default: return false;
  }
  calendar->SetDate(date);
  return true;
}

}  // namespace wxb
}  // namespace ui
