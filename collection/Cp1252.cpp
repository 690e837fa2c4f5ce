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

}  // namespace cp1252
