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
  // First the characters the C library's "%Lf" takes from the line, by its
  // own rules (they decide where the next field starts); then their value,
  // read as strtold reads that text, whatever the C locale says.
  const std::string_view line = m_line;
  std::size_t pos = m_pos;
  auto lower = [&](std::size_t at) {
    char c = at < line.size() ? line[at] : '\0';
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  const bool negative = TakeSign(pos);
  const std::size_t numberStart = pos;
  double value = 0;

  if (lower(pos) == 'n') {
    // "nan", nothing more (no parenthesised part).
    if (lower(pos + 1) != 'a' || lower(pos + 2) != 'n') return false;
    pos += 3;
    value = std::numeric_limits<double>::quiet_NaN();
  } else if (lower(pos) == 'i') {
    // "inf", or "infinity" whole: a longer start of it fails.
    if (lower(pos + 1) != 'n' || lower(pos + 2) != 'f') return false;
    pos += 3;
    if (lower(pos) == 'i') {
      for (char c : std::string_view("inity"))
        if (lower(pos++) != c) return false;
    }
    value = HUGE_VAL;
  } else {
    bool hexadecimal = false;
    bool gotDigit = false, gotDot = false, gotExponent = false;
    if (pos < line.size() && line[pos] == '0') {
      ++pos;
      if (lower(pos) == 'x') {
        hexadecimal = true;
        ++pos;
      } else {
        gotDigit = true;
      }
    }
    const char exponentMark = hexadecimal ? 'p' : 'e';
    while (pos < line.size()) {
      const char c = line[pos];
      if (c >= '0' && c <= '9') {
        gotDigit = true;
      } else if (!gotExponent && hexadecimal && DigitValue(c) < 16) {
        gotDigit = true;
      } else if (gotExponent && lower(pos - 1) == exponentMark && (c == '+' || c == '-')) {
      } else if (gotDigit && !gotExponent && lower(pos) == exponentMark) {
        gotExponent = gotDot = true;
      } else if (!gotDot && c == '.') {
        gotDot = true;
      } else {
        break;
      }
      ++pos;
    }
    if (pos == numberStart || (hexadecimal && pos - numberStart == 2)) return false;

    // The value of that text: its longest prefix that is a number.
    const char* first = line.data() + numberStart + (hexadecimal ? 2 : 0);
    const char* last = line.data() + pos;
    auto [end, error] = std::from_chars(
        first, last, value, hexadecimal ? std::chars_format::hex : std::chars_format::general);
    if (end == first) {
      // Nothing after "0x" reads as a number ("0x."): strtold reads the 0.
      if (!hexadecimal) return false;
      value = 0;
    } else if (error == std::errc::result_out_of_range) {
      // Too large becomes infinity and too small zero, as strtold gives them.
      const std::string_view digits(first, static_cast<std::size_t>(end - first));
      const std::size_t mark = digits.find_first_of(hexadecimal ? "pP" : "eE");
      bool tiny;
      if (mark != std::string_view::npos) {
        tiny = mark + 1 < digits.size() && digits[mark + 1] == '-';
      } else {
        const std::string_view whole = digits.substr(0, digits.find('.'));
        tiny = whole.find_first_not_of('0') == std::string_view::npos;
      }
      value = tiny ? 0.0 : HUGE_VAL;
    }
  }
  out = negative ? -value : value;
  m_pos = pos;
  return true;
}
