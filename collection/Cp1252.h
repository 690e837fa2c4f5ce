#pragma once
// Case-blind comparison of Windows-1252 text. The collection's texts are
// Windows-1252 bytes, and "without regard to case" has to fold the accented
// capitals too ("ÉCHO" equals "écho"), as the Windows program did.

#include <string>
#include <string_view>

namespace cp1252 {

// The lower-case form of one Windows-1252 byte (bytes without a case come back unchanged).
char ToLower(char c);

// The whole text in lower case; two texts are equal without regard to case
// exactly when their folded forms are equal.
std::string Fold(std::string_view text);

bool EqualsNoCase(std::string_view a, std::string_view b);

// Whether `needle` occurs in `haystack`, without regard to case.
bool ContainsNoCase(std::string_view haystack, std::string_view needle);

// Text as a search compares it: lower case and without accents ("\xC9" and
// "\xE9" are "e"), with the ligatures and the sharp s written out ("\x9C"
// is "oe"). "ECLUSES", "ecluses" and "\xE9" "cluses" all become "ecluses".
std::string SearchFold(std::string_view text);

// Finds a search text in many texts: whether `text`, folded, contains the
// folded search text. One finder serves a whole search (it keeps its buffer).
class SearchFinder {
 public:
  explicit SearchFinder(std::string_view searched) : m_folded(SearchFold(searched)) {}
  bool FoundIn(std::string_view text);

 private:
  std::string m_folded;
  std::string m_buffer;
};

// Windows-1252 text as UTF-8 (the file system's names here). The five bytes
// the code page leaves undefined keep their own value, as the platform's
// conversion does.
std::string ToUtf8(std::string_view text);
// Windows-1252 text as UTF-8 to show (a page): the five bytes the code page
// leaves undefined become U+FFFD, the replacement character, instead of
// control characters that would show nothing.
std::string ToUtf8ForDisplay(std::string_view text);
// UTF-8 text as Windows-1252; false when it is not valid UTF-8 or holds a
// character the code page cannot hold (`text1252` is then unspecified).
bool FromUtf8(std::string_view utf8, std::string& text1252);
// UTF-8 text as Windows-1252 to show (a message): each character the code
// page cannot hold, and each byte that is not UTF-8, becomes "?".
std::string FromUtf8ForDisplay(std::string_view utf8);

}  // namespace cp1252
