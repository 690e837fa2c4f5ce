#pragma once
// Data paths are written as the Windows program wrote them, with backslashes
// ("data\quillory.db", "images\cover.jpg"). This is the one place that joins
// such a path to the program folder and maps it to this platform's separators
// for file access. Values stored inside the files keep their backslashes.

#include <string>
#include <string_view>

// The file-system path of `relative` below `folder`. An empty folder gives the
// relative path itself (the data is then looked for in the current directory).
std::string DataPath(std::string_view folder, std::string_view relative);

// `path` with its backslashes turned into this platform's separator.
std::string NativePath(std::string_view path);
