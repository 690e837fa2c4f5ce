#pragma once
// The open-file routine of the windows that pick pictures and files below
// the program folder.

#include "platform/Services.h"

#include <string>

namespace ui {
class Window;
}

// The open-file dialog owned by `owner`. With an empty `path` it opens in the
// folder used last (else the program folder); a non-empty `initialFolder`
// (relative to the program folder, such as "images\") replaces it. On a pick,
// `path` is the file's path relative to the program folder, with
// backslashes, when it lies below it (else its full path), the folder is
// remembered, and the result is true. On cancel `path` is empty.
bool ChooseFile(ui::Window* owner, const std::string& programFolder, std::string& path,
                const ui::FileFilter& filter, const std::string& initialFolder);
