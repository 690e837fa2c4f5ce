#include "platform/DateTimePicker.h"

namespace ui {

namespace {
std::tm LocalTime(std::time_t t) {
  std::tm tm{};
  localtime_r(&t, &tm);
  return tm;
}
}  // namespace

DateTimePicker::DateTimePicker(Window& parent, const ControlTemplate& tmpl, const Rect& rect)
    : Control(parent, tmpl, rect), m_time(std::time(nullptr)) {}

void DateTimePicker::SetTime(std::time_t time) {
  if (time == m_time) return;
  m_time = time;
  Changed(Aspect::Time);
}

int DateTimePicker::GetYear() const { return LocalTime(m_time).tm_year + 1900; }
int DateTimePicker::GetMonth() const { return LocalTime(m_time).tm_mon + 1; }
int DateTimePicker::GetDay() const { return LocalTime(m_time).tm_mday; }

void DateTimePicker::UserSetDate(int year, int month, int day) {
  std::tm tm = LocalTime(m_time);
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_isdst = -1;
  UserSetTime(std::mktime(&tm));
}

void DateTimePicker::UserSetTime(std::time_t time) {
  SetTime(time);
  Notify(NotifyInfo(Notification::DateTimeChange));
}

}  // namespace ui
