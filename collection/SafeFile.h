#pragma once
// Writes a whole file so that a crash, a full disk or a killed process leaves
// either the old file or the new one complete, never a truncated one: the bytes
// go to a temporary file beside the target, are flushed to the disk, and the
// temporary file then replaces the target in one rename. A path that is a
// symbolic link writes the file it points to, and the file keeps its mode.
//
// Reading takes regular files only: a named pipe would block the program
// until something writes to it, and a device such as /dev/zero never ends.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

// The name of the temporary file beside `target` while it is written. One
// left behind by an interrupted write is removed at the next start.
constexpr const char* TEMPORARY_SUFFIX = ".tmp~";

// Returns false (and leaves the target as it was) when anything fails. A
// read-only target (the user's own protection) is not replaced, nor one that
// is no regular file (a device, a pipe: the rename would replace it).
bool WriteFileAtomically(const std::string& path, std::string_view bytes);
// The same for a file that holds a secret (a password): it is readable and
// writable by its owner only, whatever mode it had, from its first byte on.
bool WritePrivateFileAtomically(const std::string& path, std::string_view bytes);

// Whether the file at `path` exists and is marked read-only: no write
// permission, whoever runs the program.
bool IsReadOnlyFile(const std::string& path);

enum class ReadStatus {
  OK,
  CANNOT_OPEN,  // missing, or not readable
  NOT_A_FILE,   // a folder, a pipe, a device...
  TOO_LARGE,    // larger than the limit given; nothing was read
};

// A regular file of at most `maxBytes` bytes opened for reading ("rb"), for
// a reader that takes it a block at a time; null otherwise, and why in
// `status`. The caller closes it.
std::FILE* OpenDataFile(const std::string& path, ReadStatus& status,
                        std::uint64_t maxBytes = UINT64_MAX);

// The whole content of a regular file of at most `maxBytes` bytes.
ReadStatus ReadDataFile(const std::string& path, std::string& bytes,
                        std::uint64_t maxBytes = UINT64_MAX);

// The whole content of a regular file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// The size of a file, 0 when it cannot be known.
std::uint64_t FileSize(const std::string& path);

// Whether anything (file, folder, link) exists at the path.
bool FileExists(const std::string& path);

// Removes the temporary files that interrupted writes left in `folder` (not
// below it); returns how many were removed.
int RemoveLeftoverTemporaries(const std::string& folder);
