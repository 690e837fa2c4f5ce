#include "dialogs/LocalDate.h"

#include <cmath>
#include <ctime>

LocalDate LocalDateOf(double seconds) {
  LocalDate date;
  if (!std::isfinite(seconds)) return date;
  const std::time_t t = static_cast<std::time_t>(std::floor(seconds));
  std::tm tm{};
  if (!localtime_r(&t, &tm)) return date;
  date.year = tm.tm_year + 1900;
  date.month = tm.tm_mon + 1;
  return date;
}
