#pragma once
// Purchase and release dates are seconds since 1970 (UTC) held in a double;
// what the collector sees and counts is the local calendar date.

struct LocalDate {
  int year = 1970;
  int month = 1;  // 1 to 12
};

// The local calendar date of a stored date (the time zone of the process).
LocalDate LocalDateOf(double seconds);
