#include "dialogs/ChooseFile.h"

#include "collection/DataPath.h"
#include "platform/Profile.h"

namespace {
constexpr const char* kProfileSection = "OpenFileName";
constexpr const char* kProfileEntry = "Path";

std::string FolderOf(const std::string& path) {
  std::size_t last = path.find_last_of("/\\");
  return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}
}  // namespace

bool ChooseFile(ui::Window* owner, const std::string& programFolder, std::string& path,
                const ui::FileFilter& filter, const std::string& initialFolder) {
  ui::FileDialogRequest request;
  request.owner = owner;
  request.filters = {filter};
  if (path.empty()) {
    request.initialDir = ui::AppProfile().GetProfileString(kProfileSection, kProfileEntry, "");
    if (request.initialDir.empty()) request.initialDir = programFolder;
  } else {
    request.initialDir = FolderOf(path);
    request.fileName = path.substr(request.initialDir.size());
  }
  // The folder is below the program folder, wherever the program was started from.
  if (!initialFolder.empty()) request.initialDir = DataPath(programFolder, initialFolder);
  request.flags = ui::OFN_PATHMUSTEXIST | ui::OFN_FILEMUSTEXIST;
  const auto chosen = ui::GetOpenFileName(request);
  path.clear();
  if (!chosen) return false;
  ui::AppProfile().WriteProfileString(kProfileSection, kProfileEntry, FolderOf(*chosen));

  // Stored paths are relative to the program folder, with backslashes.
  const std::string prefix = programFolder.empty() ? std::string() : NativePath(programFolder) + "/";
  if (!prefix.empty() && chosen->compare(0, prefix.size(), prefix) == 0) {
    path = chosen->substr(prefix.size());
    for (char& c : path)
      if (c == '/') c = '\\';
  } else {
    path = *chosen;
  }
  return true;
}
