#include "DialogTestSupport.h"

#include <cstdlib>
#include <ctime>

void Add(CGestionBD& gestion, const TestAlbum& a) {
  const std::string tag = a.serie + " " + std::to_string(a.tome);
  gestion.AddAlbum(a.serie.c_str(), a.titre.c_str(), a.tome, ("dessin " + tag).c_str(),
                   ("scenario " + tag).c_str(), a.editeur.c_str(), a.commentaire.c_str(), true,
                   a.genre.c_str(), a.date, a.type, ("collection " + tag).c_str(), 7, a.serieFinie, 0);
  gestion.GetAlbum(gestion.GetAlbumCount() - 1)->SetPicture(a.picture);
}

double LocalTime(int year, int month, int day, int hour, int minute) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_isdst = -1;
  return double(std::mktime(&tm));
}

TimeZone::TimeZone(const char* tz) {
  const char* old = std::getenv("TZ");
  m_had = old != nullptr;
  if (old) m_old = old;
  setenv("TZ", tz, 1);
  tzset();
}

TimeZone::~TimeZone() {
  if (m_had) setenv("TZ", m_old.c_str(), 1);
  else unsetenv("TZ");
  tzset();
}
