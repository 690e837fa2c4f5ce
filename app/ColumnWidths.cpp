#include "app/ColumnWidths.h"

#include "collection/DataPath.h"
#include "collection/SafeFile.h"

#include <cstdio>
#include <fstream>

const std::array<int, ColumnWidths::COUNT> ColumnWidths::DEFAULTS = {100, 108, 40, 100, 100,
                                                                      90,  50,  100, 100, 40};

namespace {
constexpr std::size_t kFileBytes = 1024;
constexpr int kCollection = 8;
constexpr int kNote = 9;
}  // namespace

bool ColumnWidths::Load(const std::string& programFolder) {
  std::ifstream file(DataPath(programFolder, FILE), std::ios::binary);
  if (!file) return false;
  char content[kFileBytes + 1] = {};
  file.read(content, kFileBytes);

  int w[COUNT];
  int read = std::sscanf(content, "%d %d %d %d %d %d %d %d %d %d", &w[0], &w[1], &w[2], &w[3],
                         &w[4], &w[5], &w[6], &w[7], &w[8], &w[9]);
  for (int i = 0; i < read && i < COUNT; ++i) widths[i] = w[i];
  if (read == 8) {
    widths[kCollection] = 100;
    widths[kNote] = 15;
  } else if (read == 9) {
    widths[kNote] = 15;
  }
  return true;
}

bool ColumnWidths::Save(const std::string& programFolder) const {
  char line[12 * COUNT];
  const int length = std::snprintf(line, sizeof line, "%d %d %d %d %d %d %d %d %d %d", widths[0],
                                   widths[1], widths[2], widths[3], widths[4], widths[5],
                                   widths[6], widths[7], widths[8], widths[9]);
  if (length <= 0 || length >= static_cast<int>(sizeof line)) return false;
  // Replaced whole: a program killed while writing keeps the old widths.
  return WriteFileAtomically(DataPath(programFolder, FILE),
                             std::string_view(line, static_cast<std::size_t>(length)));
}
