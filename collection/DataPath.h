#pragma once
// The one boundary between paths as the collection stores them and the file
// system. Stored paths are Windows-1252 text with backslashes, relative to the
// program folder ("data\quillory.db", "images\Astérix.jpg"), as the Windows
// program wrote them; values stored inside the files keep that form. The file
// system here names files in UTF-8 with '/'. DataPath goes from a stored path
// to a file, StoredPath from a file back to a stored path; every place where a
// stored path meets the file system goes through one of them.

#include <string>
#include <string_view>

// The file-system path of the stored path `relative` below `folder` (a
// file-system path). An empty folder gives the relative path itself (the data
// is then looked for in the current directory). A stored path that would lead
// out of the folder (absolute, with a drive, or with a ".." step) names no
// file: the result is empty. A collection shared, hand-edited or restored may
// hold any text there, and "..\data\quillory.db" must not reach the database.
std::string DataPath(std::string_view folder, std::string_view relative);

// Whether a stored path stays below the folder it is relative to.
bool StaysInFolder(std::string_view relative);

// `path` with its backslashes turned into this platform's separator (no
// change of encoding).
std::string NativePath(std::string_view path);

// What StoredPath made of a file.
struct StoredPathResult {
  enum Status {
    STORED,          // `path` is the file's stored path, relative to the folder
    OUTSIDE_FOLDER,  // the file is not below the folder; `path` is empty
    NOT_1252,        // the file's name holds a character Windows-1252 cannot hold
  };
  Status status = STORED;
  std::string path;
};

// The stored form of the file-system path `file` below the file-system path
// `folder`: Windows-1252, backslashes, relative to the folder.
StoredPathResult StoredPath(std::string_view folder, std::string_view file);
