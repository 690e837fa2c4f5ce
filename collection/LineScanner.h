#pragma once
// Reads the fields of one line of a data file with the rules of C sscanf,
// without its fixed buffers: a pattern space matches any run of white space
// (none included), a literal character must match exactly, a text field takes
// one or more characters up to a stop character, "%i" integers accept a sign
// and the 0x (hexadecimal) and leading 0 (octal) forms, "%Lf" numbers are read
// whatever the C locale says. Each call returns false when its conversion
// fails; the caller then stops, as sscanf does.

#include <string>
#include <string_view>

class CLineScanner {
 public:
  explicit CLineScanner(std::string_view line) : m_line(line) {}

  // A space in a pattern: skips any run of white space, possibly empty.
  void SkipSpaces();
  // A literal character of a pattern.
  bool Literal(char expected);
  // "%[^x]" with x = stop: one or more characters other than `stop`.
  bool Text(char stop, std::string& out);
  // "%i".
  bool Integer(int& out);
  // "%Lf", stored in a double.
  bool Decimal(double& out);
  // How far the line has been read.
  std::size_t Position() const { return m_pos; }

 private:
  // Steps over an optional sign at `pos`; true when it was a minus.
  bool TakeSign(std::size_t& pos) const;

  std::string_view m_line;
  std::size_t m_pos = 0;
};

// Splits a whole file's bytes into lines the way the readers see them: a line
// ends at a line feed, a carriage return before it is dropped, and a line is
// cut at a NUL byte as C string functions would. Lines of any length are kept
// whole. Calls `onLine` for every line, empty ones included; stops early when
// it returns false.
template <typename OnLine>
void ForEachLine(std::string_view bytes, OnLine onLine) {
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (std::size_t nul = line.find('\0'); nul != std::string_view::npos) line = line.substr(0, nul);
    if (!onLine(line)) return;
    start = next;
  }
}
