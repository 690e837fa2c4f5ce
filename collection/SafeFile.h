#pragma once
// Writes a whole file so that a crash, a full disk or a killed process leaves
// either the old file or the new one complete, never a truncated one: the bytes
// go to a temporary file beside the target, are flushed to the disk, and the
// temporary file then replaces the target in one rename. A path that is a
// symbolic link writes the file it points to, and the file keeps its mode.

#include <string>
#include <string_view>

// Returns false (and leaves the target as it was) when anything fails.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);
// The same for a file that holds a secret (a password): it is readable and
// writable by its owner only, whatever mode it had, from its first byte on.
bool WritePrivateFileAtomically(const std::string& path, std::string_view bytes);

// The whole content of a file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Whether anything (file, folder, link) exists at the path.
bool FileExists(const std::string& path);
