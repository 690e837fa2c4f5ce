// The rows both list benchmarks fill, so that the model and the real backend
// are measured on the same texts: 5000 rows of ten columns that vary like
// album fields (series names shared by a few rows).
#pragma once

#include <cstdio>
#include <string>

namespace listbench {

constexpr int kRows = 5000;
constexpr int kColumns = 10;

inline std::string Cell(int row, int column) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%c%s %d-%d", 'A' + (row * 7919 + column * 31) % 26,
                column % 2 ? "\xe9rie" : "lbum", (row * 104729) % 977, column);
  return buf;
}

}  // namespace listbench
