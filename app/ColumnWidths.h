#pragma once
// The widths of the ten columns of the album list pages, stored between runs
// in "data\quilloryConf.cfg": ten integers separated by single spaces; 0
// hides a column.

#include <array>
#include <string>

struct ColumnWidths {
  static constexpr int COUNT = 10;
  static constexpr const char* FILE = "data\\quilloryConf.cfg";
  // The widths of the pages' heading string.
  static const std::array<int, COUNT> DEFAULTS;

  std::array<int, COUNT> widths = DEFAULTS;

  // Reads the file below the program folder; false when it cannot be opened.
  // A file of an earlier layout with eight numbers gets Collection 100 and
  // Note 15, one with nine numbers Note 15; with fewer than eight, the
  // missing widths keep their defaults.
  bool Load(const std::string& programFolder);
  // Writes the ten widths, separated by single spaces, without a line end;
  // false when the file cannot be written.
  bool Save(const std::string& programFolder) const;
};
