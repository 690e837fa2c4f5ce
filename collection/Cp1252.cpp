#include "collection/Cp1252.h"

#include <array>

namespace cp1252 {
namespace {

// Upper-case letters of Windows-1252 and their lower-case partners:
// A-Z, À-Þ except the multiplication sign ×, and Š Œ Ž Ÿ.
constexpr std::array<unsigned char, 256> MakeLowerTable() {
  std::array<unsigned char, 256> table{};
  for (int i = 0; i < 256; ++i) table[i] = static_cast<unsigned char>(i);
  for (int c = 'A'; c <= 'Z'; ++c) table[c] = static_cast<unsigned char>(c + 32);
  for (int c = 0xC0; c <= 0xDE; ++c)
    if (c != 0xD7) table[c] = static_cast<unsigned char>(c + 32);
  table[0x8A] = 0x9A;  // Š š
  table[0x8C] = 0x9C;  // Œ œ
  table[0x8E] = 0x9E;  // Ž ž
  table[0x9F] = 0xFF;  // Ÿ ÿ
  return table;
}

constexpr std::array<unsigned char, 256> kLower = MakeLowerTable();

// What a search sees of each byte: one or two bytes (the second 0 when one).
struct SearchFolding {
  std::array<char, 256> first{};
  std::array<char, 256> second{};
};

constexpr SearchFolding MakeSearchFolding() {
  SearchFolding f;
  for (int i = 0; i < 256; ++i) f.first[i] = static_cast<char>(kLower[i]);
  // The base letters of 0xE0..0xFF, the lower-case accented letters ('-': none).
  const char* bases = "aaaaaa-ceeeeiiiidnooooo-ouuuuy-y";
  for (int i = 0; i < 32; ++i) {
    if (bases[i] == '-') continue;
    f.first[0xE0 + i] = bases[i];
    f.first[0xC0 + i] = bases[i];
  }
  f.first[0xFF] = f.first[0x9F] = 'y';
  f.first[0x8A] = f.first[0x9A] = 's';
  f.first[0x8E] = f.first[0x9E] = 'z';
  auto pair = [&f](int c, char a, char b) {
    f.first[c] = a;
    f.second[c] = b;
  };
  pair(0xC6, 'a', 'e');
  pair(0xE6, 'a', 'e');
  pair(0x8C, 'o', 'e');
  pair(0x9C, 'o', 'e');
  pair(0xDF, 's', 's');
  return f;
}

constexpr SearchFolding kSearch = MakeSearchFolding();

void AppendSearchFold(std::string& out, std::string_view text) {
  for (char c : text) {
    const unsigned char b = static_cast<unsigned char>(c);
    out += kSearch.first[b];
    if (kSearch.second[b]) out += kSearch.second[b];
  }
}

// Code points of bytes 0x80..0x9F.
constexpr char32_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t u) {
  if (u < 0x80) {
    out += static_cast<char>(u);
  } else if (u < 0x800) {
    out += static_cast<char>(0xC0 | (u >> 6));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (u >> 12));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  }
}

// The Windows-1252 byte of a code point, or -1.
int ByteOf(char32_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<int>(u);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == u) return 0x80 + i;
  return -1;
}

}  // namespace

char ToLower(char c) {
  return static_cast<char>(kLower[static_cast<unsigned char>(c)]);
}

std::string Fold(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = ToLower(c);
  return folded;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (kLower[static_cast<unsigned char>(a[i])] != kLower[static_cast<unsigned char>(b[i])])
      return false;
  return true;
}

bool ContainsNoCase(std::string_view haystack, std::string_view needle) {
  if (needle.empty()) return true;
  if (needle.size() > haystack.size()) return false;
  for (std::size_t start = 0; start + needle.size() <= haystack.size(); ++start)
    if (EqualsNoCase(haystack.substr(start, needle.size()), needle)) return true;
  return false;
}

std::string SearchFold(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  AppendSearchFold(folded, text);
  return folded;
}

bool SearchFinder::FoundIn(std::string_view text) {
  if (m_folded.empty()) return true;
  m_buffer.clear();
  AppendSearchFold(m_buffer, text);
  return m_buffer.find(m_folded) != std::string::npos;
}

std::string ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char c : text) {
    const unsigned char b = static_cast<unsigned char>(c);
    AppendUtf8(out, (b >= 0x80 && b <= 0x9F) ? kHigh[b - 0x80] : char32_t(b));
  }
  return out;
}

std::string ToUtf8ForDisplay(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char c : text) {
    const unsigned char b = static_cast<unsigned char>(c);
    char32_t u = (b >= 0x80 && b <= 0x9F) ? kHigh[b - 0x80] : char32_t(b);
    if (u >= 0x80 && u <= 0x9F) u = 0xFFFD;  // the undefined bytes
    AppendUtf8(out, u);
  }
  return out;
}

std::string FromUtf8ForDisplay(std::string_view utf8) {
  std::string out, one;
  std::size_t i = 0;
  while (i < utf8.size()) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3
                                         : (lead & 0xF8) == 0xF0 ? 4 : 1;
    if (i + length > utf8.size()) length = 1;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(utf8[i + k]) & 0xC0) != 0x80) length = 1;
    out += FromUtf8(utf8.substr(i, length), one) ? one : std::string("?");
    i += length;
  }
  return out;
}

bool FromUtf8(std::string_view utf8, std::string& text1252) {
  text1252.clear();
  std::size_t i = 0;
  while (i < utf8.size()) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    int extra = 0;
    char32_t u = 0;
    if (lead < 0x80) {
      u = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1;
      u = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2;
      u = lead & 0x0F;
    } else {
      return false;  // four-byte characters are all beyond the code page
    }
    if (i + extra >= utf8.size()) return false;  // cut short
    for (int k = 1; k <= extra; ++k) {
      const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      u = (u << 6) | (next & 0x3F);
    }
    // Over-long forms are not valid UTF-8.
    if ((extra == 1 && u < 0x80) || (extra == 2 && u < 0x800)) return false;
    const int byte = ByteOf(u);
    if (byte < 0) return false;
    text1252 += static_cast<char>(byte);
    i += extra + 1;
  }
  return true;
}

}  // namespace cp1252
