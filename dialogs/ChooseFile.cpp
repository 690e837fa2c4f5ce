#include "dialogs/ChooseFile.h"

#include "collection/DataPath.h"
#include "platform/Profile.h"

bool ChooseFile(ui::Window* owner, const std::string& programFolder, std::string& path,
                const ui::FileFilter& filter, const std::string& initialFolder) {
  ui::FileDialogRequest request;
  request.owner = owner;
  request.filters = {filter};
  request.flags = ui::OFN_PATHMUSTEXIST;
  if (path.empty()) {
    request.initialDir = ui::AppProfile().GetProfileString(OPEN_FILE_SECTION, OPEN_FILE_ENTRY);
    if (request.initialDir.empty()) request.initialDir = programFolder;
  } else {
    const std::size_t slash = path.find_last_of("/\\");
    request.initialDir = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    request.fileName = slash == std::string::npos ? path : path.substr(slash + 1);
  }
  // Taken below the program folder, whatever the current directory is.
  if (!initialFolder.empty()) request.initialDir = DataPath(programFolder, initialFolder);

  const auto chosen = ui::GetOpenFileName(request);
  path.clear();
  if (!chosen || chosen->empty()) return false;
  const std::size_t slash = chosen->find_last_of("/\\");
  if (slash != std::string::npos)
    ui::AppProfile().WriteProfileString(OPEN_FILE_SECTION, OPEN_FILE_ENTRY,
                                        chosen->substr(0, slash + 1));
  path = *chosen;
  return true;
}
