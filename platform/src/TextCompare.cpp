#include "platform/TextCompare.h"

#include <array>

namespace ui {

namespace {

// What the platform's sort sees of one Windows-1252 character.
struct CharKey {
  int primary = 0;   // 0: ignored at the first level (hyphen, apostrophe)
  int accent = 0;    // 0: no accent
  int upper = 0;     // 1: upper case
  unsigned char lower = 0;
};

constexpr int kDigits = 2000;
constexpr int kLetters = 3000;

struct Tables {
  std::array<CharKey, 256> key{};
  std::array<unsigned char, 256> toUpper{};
  std::array<unsigned char, 256> toLower{};

  Tables() {
    for (int c = 0; c < 256; ++c) {
      toUpper[c] = toLower[c] = static_cast<unsigned char>(c);
      key[c].primary = c + 1;
      key[c].lower = static_cast<unsigned char>(c);
    }
    auto pair = [&](int up, int low) {
      toUpper[low] = static_cast<unsigned char>(up);
      toLower[up] = static_cast<unsigned char>(low);
    };
    for (int c = 'A'; c <= 'Z'; ++c) pair(c, c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c)
      if (c != 0xD7) pair(c, c + 32);
    pair(0x8A, 0x9A);  // S caron
    pair(0x8C, 0x9C);  // OE
    pair(0x8E, 0x9E);  // Z caron
    pair(0x9F, 0xFF);  // Y diaeresis

    auto letter = [&](int c, char base, int accent) {
      key[c].primary = kLetters + (base - 'a');
      key[c].accent = accent;
      key[c].upper = toLower[c] != c ? 1 : 0;
      key[c].lower = toLower[c];
    };
    for (int c = 'a'; c <= 'z'; ++c) { letter(c, char(c), 0); letter(c - 32, char(c), 0); }
    for (int c = '0'; c <= '9'; ++c) key[c].primary = kDigits + (c - '0');
    key['-'].primary = 0;
    key['\''].primary = 0;
    // Accented letters sort with their base letter.
    const char* bases = "aaaaaaaceeeeiiiidnooooo\0ouuuuyty";  // 0xE0..0xFF, 0xF7 none
    for (int i = 0; i < 32; ++i) {
      int low = 0xE0 + i;
      if (low == 0xF7) continue;
      char base = bases[i];
      int accent = 1 + i;
      letter(low, base, accent);
      if (toUpper[low] != low) letter(toUpper[low], base, accent);
    }
    letter(0xDF, 's', 40);  // sharp s
    letter(0x8A, 's', 41); letter(0x9A, 's', 41);
    letter(0x8C, 'o', 42); letter(0x9C, 'o', 42);
    letter(0x8E, 'z', 43); letter(0x9E, 'z', 43);
  }
};

const Tables& T() {
  static const Tables tables;
  return tables;
}

int Sign(int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

}  // namespace

int CompareText(const std::string& a, const std::string& b, bool caseSensitive) {
  const Tables& t = T();
  auto at = [](const std::string& s, std::size_t i) { return static_cast<unsigned char>(s[i]); };
  // First level: base characters, ignoring hyphens and apostrophes.
  std::size_t i = 0, j = 0;
  for (;;) {
    while (i < a.size() && t.key[at(a, i)].primary == 0) ++i;
    while (j < b.size() && t.key[at(b, j)].primary == 0) ++j;
    if (i >= a.size() || j >= b.size()) break;
    int d = t.key[at(a, i)].primary - t.key[at(b, j)].primary;
    if (d) return Sign(d);
    ++i, ++j;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  // Second level: accents; third: lower case before upper case.
  for (int level = 2; level <= 3; ++level) {
    if (level == 3 && !caseSensitive) break;
    i = j = 0;
    for (;;) {
      while (i < a.size() && t.key[at(a, i)].primary == 0) ++i;
      while (j < b.size() && t.key[at(b, j)].primary == 0) ++j;
      if (i >= a.size() || j >= b.size()) break;
      const CharKey& ka = t.key[at(a, i)];
      const CharKey& kb = t.key[at(b, j)];
      int d = level == 2 ? ka.accent - kb.accent : ka.upper - kb.upper;
      if (d) return Sign(d);
      ++i, ++j;
    }
  }
  // Last: the ignored characters, then the bytes themselves.
  std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t k = 0; k < n; ++k) {
    int ca = at(a, k), cb = at(b, k);
    if (!caseSensitive) { ca = t.toLower[ca]; cb = t.toLower[cb]; }
    if (ca != cb) return Sign(ca - cb);
  }
  return Sign(int(a.size()) - int(b.size()));
}

std::string CompareKey(const std::string& text, bool caseSensitive) {
  const Tables& t = T();
  std::string key;
  key.reserve(text.size() * 5 + 4);
  // Base characters, two bytes each (never zero), then an end below them all.
  for (unsigned char c : text) {
    const int primary = t.key[c].primary;
    if (primary == 0) continue;
    key += static_cast<char>(primary >> 8);
    key += static_cast<char>(primary & 0xFF);
  }
  key += '\0';
  key += '\0';
  // Accents: as many as base characters, so equal bases give equal lengths.
  for (unsigned char c : text)
    if (t.key[c].primary != 0) key += static_cast<char>(t.key[c].accent);
  key += '\0';
  if (caseSensitive) {
    // Then lower case before upper case, letter by letter; last the bytes.
    for (unsigned char c : text)
      if (t.key[c].primary != 0) key += static_cast<char>(t.key[c].upper);
    key += '\0';
    key.append(text);
    return key;
  }
  // Last, the whole text in lower case.
  for (unsigned char c : text) key += static_cast<char>(t.toLower[c]);
  return key;
}

char ToUpper1252(char c) { return char(T().toUpper[static_cast<unsigned char>(c)]); }
char ToLower1252(char c) { return char(T().toLower[static_cast<unsigned char>(c)]); }

std::string ToUpper1252(const std::string& s) {
  std::string r(s);
  for (char& c : r) c = ToUpper1252(c);
  return r;
}

std::string ToLower1252(const std::string& s) {
  std::string r(s);
  for (char& c : r) c = ToLower1252(c);
  return r;
}

}  // namespace ui
