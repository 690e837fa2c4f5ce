#include "collection/LineScanner.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

}  // namespace

void CLineScanner::SkipSpaces() {
  while (m_pos < m_line.size() && IsCSpace(m_line[m_pos])) ++m_pos;
}

bool CLineScanner::Literal(char expected) {
  if (m_pos >= m_line.size() || m_line[m_pos] != expected) return false;
  ++m_pos;
  return true;
}

bool CLineScanner::Text(char stop, std::string& out) {
  std::size_t end = m_line.find(stop, m_pos);
  if (end == std::string_view::npos) end = m_line.size();
  if (end == m_pos) return false;
  out.assign(m_line.substr(m_pos, end - m_pos));
  m_pos = end;
  return true;
}

bool CLineScanner::TakeSign(std::size_t& pos) const {
  if (pos >= m_line.size() || (m_line[pos] != '+' && m_line[pos] != '-')) return false;
  return m_line[pos++] == '-';
}

bool CLineScanner::Integer(int& out) {
  SkipSpaces();
  std::size_t pos = m_pos;
  bool negative = TakeSign(pos);
  int base = 10;
  if (pos < m_line.size() && m_line[pos] == '0') {
    base = 8;
    if (pos + 1 < m_line.size() && (m_line[pos + 1] == 'x' || m_line[pos + 1] == 'X')) {
      // The C library takes "0x" as a hexadecimal prefix even when no digit
      // follows; the value is then 0.
      base = 16;
      pos += 2;
      if (pos >= m_line.size() || DigitValue(m_line[pos]) >= 16) {
        out = 0;
        m_pos = pos;
        return true;
      }
    }
  }
  // Like strtol: the value saturates at the 64-bit range, then keeps the low
  // 32 bits when stored in an int, as the C library does on this platform.
  std::uint64_t value = 0;
  bool overflow = false;
  std::size_t digits = 0;
  while (pos < m_line.size() && DigitValue(m_line[pos]) < base) {
    std::uint64_t next = value * static_cast<std::uint64_t>(base) +
                         static_cast<std::uint64_t>(DigitValue(m_line[pos]));
    if (next / static_cast<std::uint64_t>(base) != value || next > (std::uint64_t{1} << 63))
      overflow = true;
    value = next;
    ++pos;
    ++digits;
  }
  if (digits == 0) return false;
  std::int64_t signedValue;
  if (overflow) {
    signedValue = negative ? std::numeric_limits<std::int64_t>::min()
                           : std::numeric_limits<std::int64_t>::max();
  } else if (negative) {
    signedValue = value == (std::uint64_t{1} << 63) ? std::numeric_limits<std::int64_t>::min()
                                                    : -static_cast<std::int64_t>(value);
  } else {
    signedValue = value == (std::uint64_t{1} << 63) ? std::numeric_limits<std::int64_t>::max()
                                                    : static_cast<std::int64_t>(value);
  }
  out = static_cast<int>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(signedValue)));
  m_pos = pos;
  return true;
}

bool CLineScanner::Decimal(double& out) {
  SkipSpaces();
  std::size_t pos = m_pos;
  bool negative = TakeSign(pos);
  // from_chars reads no sign of its own and ignores the C locale.
  const char* first = m_line.data() + pos;
  const char* last = m_line.data() + m_line.size();
  if (first != last && *first == '-') return false;
  double value = 0;
  bool hexadecimal = last - first >= 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X');
  if (hexadecimal) first += 2;
  auto [end, error] = std::from_chars(
      first, last, value, hexadecimal ? std::chars_format::hex : std::chars_format::general);
  if (end == first) return false;
  // The C library consumes an exponent mark (and its sign) even when no digit follows.
  if (end != last && (*end == (hexadecimal ? 'p' : 'e') || *end == (hexadecimal ? 'P' : 'E'))) {
    ++end;
    if (end != last && (*end == '+' || *end == '-')) ++end;
  }
  if (error == std::errc::result_out_of_range) {
    // Too large becomes infinity and too small zero, as strtod gives them.
    std::string_view digits(first, static_cast<std::size_t>(end - first));
    std::size_t exponent = digits.find_first_of("eE");
    bool tiny = exponent != std::string_view::npos && exponent + 1 < digits.size() &&
                digits[exponent + 1] == '-';
    value = tiny ? 0.0 : HUGE_VAL;
  }
  out = negative ? -value : value;
  m_pos = static_cast<std::size_t>(end - m_line.data());
  return true;
}
