#include "Text1252.h"

namespace ui {
namespace wxb {

namespace {

// Code points of bytes 0x80..0x9F; the five bytes the code page leaves
// undefined keep their own value, as the platform's conversion does.
const wxChar32 kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

wxString ToWx(const std::string& text) {
  wxString out;
  out.reserve(text.size());
  for (unsigned char c : text) {
    wxChar32 u = (c >= 0x80 && c <= 0x9F) ? kHigh[c - 0x80] : wxChar32(c);
    out += wxUniChar(u);
  }
  return out;
}

int CharFromWx(wxChar32 u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return int(u);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == u) return 0x80 + i;
  return -1;
}

std::string FromWx(const wxString& text) {
  std::string out;
  out.reserve(text.length());
  for (wxString::const_iterator it = text.begin(); it != text.end(); ++it) {
    int c = CharFromWx(wxChar32((*it).GetValue()));
    out += c < 0 ? '?' : char(c);
  }
  return out;
}

wxString PathToWx(const std::string& path) { return wxString::FromUTF8(path.c_str(), path.size()); }

std::string PathFromWx(const wxString& path) {
  wxScopedCharBuffer utf8 = path.utf8_str();
  return std::string(utf8.data(), utf8.length());
}

}  // namespace wxb
}  // namespace ui
