#pragma once
// The open-file routine of the main windows (covers, the second picture, the
// CSV import). It remembers the last folder a file was chosen in, in the
// profile section "OpenFileName", entry "Path".

#include "platform/Services.h"

#include <string>

namespace ui {
class Window;
}

// path, in: a file-system path whose folder and name are proposed first;
// when empty, the folder remembered in the profile, or else the program
// folder. initialFolder: when not empty, a stored path below the program
// folder ("images\") shown first instead.
// path, out: the chosen file's file-system path, empty when the user cancels.
// Returns true when the user picked a file. A picked file is turned into the
// collection's stored form with StoredPath (collection/DataPath.h).
bool ChooseFile(ui::Window* owner, const std::string& programFolder, std::string& path,
                const ui::FileFilter& filter, const std::string& initialFolder);

constexpr const char* OPEN_FILE_SECTION = "OpenFileName";
constexpr const char* OPEN_FILE_ENTRY = "Path";
