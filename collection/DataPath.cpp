#include "collection/DataPath.h"

#include "collection/Cp1252.h"

namespace {
#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// A stored path's bytes as the file system names them.
std::string FileSystemText(std::string_view text1252) {
#ifdef _WIN32
  return std::string(text1252);  // the ANSI file functions take Windows-1252
#else
  return cp1252::ToUtf8(text1252);
#endif
}

bool FromFileSystemText(std::string_view text, std::string& text1252) {
#ifdef _WIN32
  text1252.assign(text);
  return true;
#else
  return cp1252::FromUtf8(text, text1252);
#endif
}

}  // namespace

std::string NativePath(std::string_view path) {
  std::string native(path);
  for (char& c : native)
    if (IsSeparator(c)) c = kSeparator;
  return native;
}

bool StaysInFolder(std::string_view relative) {
  if (relative.empty() || IsSeparator(relative.front())) return false;
  std::size_t start = 0;
  while (start <= relative.size()) {
    std::size_t end = start;
    while (end < relative.size() && !IsSeparator(relative[end])) ++end;
    const std::string_view step = relative.substr(start, end - start);
    if (step == "..") return false;
    // "C:" names a drive on Windows, where the stored paths come from.
    if (start == 0 && step.find(':') != std::string_view::npos) return false;
    start = end + 1;
  }
  return true;
}

std::string DataPath(std::string_view folder, std::string_view relative) {
  if (!StaysInFolder(relative)) return std::string();
  const std::string file = NativePath(FileSystemText(relative));
  if (folder.empty()) return file;
  std::string joined(folder);
  if (!IsSeparator(joined.back())) joined += kSeparator;
  joined += file;
  return joined;
}

StoredPathResult StoredPath(std::string_view folder, std::string_view file) {
  StoredPathResult result;
  std::string_view base = folder;
  while (!base.empty() && IsSeparator(base.back())) base.remove_suffix(1);
  // Below the folder: the folder's own text, then a separator, then a name.
  bool inside = file.size() > base.size() + 1 && IsSeparator(file[base.size()]);
  for (std::size_t i = 0; inside && i < base.size(); ++i)
    inside = file[i] == base[i] || (IsSeparator(file[i]) && IsSeparator(base[i]));
  if (!inside) {
    result.status = StoredPathResult::OUTSIDE_FOLDER;
    return result;
  }
  std::string_view relative = file.substr(base.size() + 1);
  while (!relative.empty() && IsSeparator(relative.front())) relative.remove_prefix(1);
  // "/q/../x" starts with the folder's text but lies outside it.
  if (!StaysInFolder(relative)) {
    result.status = StoredPathResult::OUTSIDE_FOLDER;
    return result;
  }
  std::string stored;
  if (!FromFileSystemText(relative, stored)) {
    result.status = StoredPathResult::NOT_1252;
    return result;
  }
  for (char& c : stored)
    if (c == '/') c = '\\';
  result.path = std::move(stored);
  return result;
}
