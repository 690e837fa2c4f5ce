#pragma once
// A collection in memory for the dialogs' tests: albums with every value
// their own, dated in local time, and the time zone the test runs in.

#include "collection/GestionBD.h"

#include <string>

struct TestAlbum {
  std::string serie, titre;
  int tome = 1;
  int type = 0;
  std::string genre = "Aventure";
  std::string editeur = "Dupuis";
  std::string commentaire = "_";
  double date = 0;  // seconds since 1970 (UTC)
  int serieFinie = 0;
  std::string picture = "_";
};

// Appends the album to the store; its other texts are distinct per album.
void Add(CGestionBD& gestion, const TestAlbum& album);

// Seconds since 1970 of a local date and time in the current time zone.
double LocalTime(int year, int month, int day, int hour = 12, int minute = 0);

// Sets the process's time zone (TZ) for the test's lifetime.
class TimeZone {
 public:
  explicit TimeZone(const char* tz);
  ~TimeZone();
  TimeZone(const TimeZone&) = delete;
  TimeZone& operator=(const TimeZone&) = delete;

 private:
  std::string m_old;
  bool m_had;
};
