#pragma once
// A file written whole or not at all: the bytes go to a temporary file beside
// the target ("<target>.tmp~"), flushed to the disk, which then replaces the
// target in one rename. A process killed while writing leaves the old file
// whole; the program removes the temporary file at its next start. A target
// that is a link writes the file it points to, which keeps its mode; a
// read-only target is not replaced. A target that is no regular file (a
// device such as /dev/full, a pipe) is written in place: renaming over it
// would replace the device itself.

#include <cstdio>
#include <string>

class ReplacementFile
{
public:
    explicit ReplacementFile(const std::string& target);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Null when the temporary file could not be made.
    std::FILE* Stream() const { return m_stream; }
    // Flushes, closes and puts the new file in place; false (the target
    // untouched) when any of it failed.
    bool Commit();

private:
    std::string m_target;
    std::string m_temporary;
    std::FILE* m_stream = nullptr;
    bool m_inPlace = false;
};
