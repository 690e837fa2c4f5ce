// The one place where texts cross between the model (Windows-1252 bytes) and
// wxWidgets (Unicode). Explicit tables, never the C library's locale.
#pragma once

#include <wx/string.h>

#include <string>

namespace ui {
namespace wxb {

wxString ToWx(const std::string& text1252);
std::string FromWx(const wxString& text);   // unmappable characters become '?'
int CharFromWx(wxChar32 c);                  // one character; -1 when unmappable

// File paths are the file system's bytes (UTF-8 here), not Windows-1252.
wxString PathToWx(const std::string& path);
std::string PathFromWx(const wxString& path);

}  // namespace wxb
}  // namespace ui
