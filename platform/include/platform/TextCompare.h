// The platform's order of texts (Windows-1252), used by sorted combo boxes,
// sorted list views and string sorting in application code: letters compare
// by their base letter first (accents and case ignored), then by accent,
// then lower case before upper case; digits before letters.
#pragma once

#include <string>

namespace ui {

// Negative, zero or positive. caseSensitive = false ignores letter case
// entirely (texts differing only in case compare equal).
int CompareText(const std::string& a, const std::string& b, bool caseSensitive = true);

// A key whose byte order is the order CompareText(a, b, caseSensitive)
// gives the texts: sorting many texts compares their keys, computed once each.
std::string CompareKey(const std::string& text, bool caseSensitive = false);

// Upper and lower case of Windows-1252 characters (accented letters included).
char ToUpper1252(char c);
char ToLower1252(char c);
std::string ToUpper1252(const std::string& s);
std::string ToLower1252(const std::string& s);

}  // namespace ui
