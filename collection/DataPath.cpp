#include "collection/DataPath.h"

namespace {
#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif
}  // namespace

std::string NativePath(std::string_view path) {
  std::string native(path);
  for (char& c : native)
    if (c == '\\' || c == '/') c = kSeparator;
  return native;
}

std::string DataPath(std::string_view folder, std::string_view relative) {
  if (folder.empty()) return NativePath(relative);
  std::string joined(folder);
  joined += kSeparator;
  joined += NativePath(relative);
  return joined;
}
