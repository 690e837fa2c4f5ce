// A date picker (short date format). Holds a calendar time, seconds since
// 1970-01-01 UTC; the user changes the date and the time of day is kept.
#pragma once

#include "platform/Control.h"

#include <ctime>

namespace ui {

class DateTimePicker : public Control {
 public:
  DateTimePicker(Window& parent, const ControlTemplate& tmpl, const Rect& rect);

  std::time_t GetTime() const { return m_time; }
  void SetTime(std::time_t time);

  // Local calendar date of the value.
  int GetYear() const;
  int GetMonth() const;  // 1..12
  int GetDay() const;    // 1..31

  // The user picked a date (local calendar); the time of day stays.
  void UserSetDate(int year, int month, int day);
  void UserSetTime(std::time_t time);

 private:
  std::time_t m_time;
};

}  // namespace ui
