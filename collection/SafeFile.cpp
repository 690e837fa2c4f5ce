#include "collection/SafeFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool IsReadOnlyFile(const std::string& path) {
#ifndef _WIN32
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return false;
  // Root may write anything, so the marks themselves decide.
  if ((info.st_mode & 0222) == 0) return true;
  return ::access(path.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
#else
  std::error_code error;
  const auto perms = std::filesystem::status(path, error).permissions();
  return !error && std::filesystem::exists(path, error) &&
         (perms & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
#endif
}

namespace {

bool FlushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

// Makes the rename itself durable on systems where a folder has its own entry to flush.
void FlushFolderOf(const std::filesystem::path& path) {
#ifndef _WIN32
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    fsync(fd);
    close(fd);
  }
#else
  (void)path;
#endif
}

// The file a path finally names, its links followed: replacing a link by a
// plain file would cut off the file it points to from every later change.
std::filesystem::path FinalTarget(const std::filesystem::path& path) {
  std::filesystem::path p = path;
  std::error_code error;
  for (int hops = 0; hops < 40 && std::filesystem::is_symlink(p, error); ++hops) {
    std::filesystem::path link = std::filesystem::read_symlink(p, error);
    if (error) break;
    p = link.is_absolute() ? link : p.parent_path() / link;
  }
  return p;
}

// The temporary file, created with its final mode from the start: the old
// file's (a private file stays private) or the one asked for. A file created
// readable by all and restricted afterwards could be opened by another user
// in between, who would then read what is written.
std::FILE* CreateTemporary(const std::string& temporary, const std::filesystem::path& target,
                           int forcedMode) {
#ifndef _WIN32
  int mode = forcedMode;
  struct stat old;
  if (mode < 0 && ::stat(target.c_str(), &old) == 0) mode = old.st_mode & 07777;
  ::unlink(temporary.c_str());  // a leftover (or a link planted there) is not reused
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                        mode < 0 ? 0666 : mode);  // a new file: the usual mode (umask)
  if (fd < 0) return nullptr;
  // The umask may have taken bits away: a mode that is kept is kept whole.
  if (mode >= 0 && ::fchmod(fd, static_cast<mode_t>(mode)) != 0) {
    ::close(fd);
    ::unlink(temporary.c_str());
    return nullptr;
  }
  std::FILE* file = ::fdopen(fd, "wb");
  if (!file) {
    ::close(fd);
    ::unlink(temporary.c_str());
  }
  return file;
#else
  (void)target;
  (void)forcedMode;
  return std::fopen(temporary.c_str(), "wb");
#endif
}

bool WriteAtomically(const std::string& path, std::string_view bytes, int forcedMode) {
  const std::filesystem::path target = FinalTarget(path);
  // The rename would replace a read-only file all the same: the mark is the
  // user's, and is kept.
  if (IsReadOnlyFile(target.string())) return false;
  // Renaming over a device or a pipe would replace it: only files are written.
  std::error_code status;
  const auto existing = std::filesystem::status(target, status);
  if (!status && std::filesystem::exists(existing) && !std::filesystem::is_regular_file(existing))
    return false;
  const std::string temporary = target.string() + TEMPORARY_SUFFIX;
  std::FILE* file = CreateTemporary(temporary, target, forcedMode);
  if (!file) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  written = FlushToDisk(file) && written;
  written = std::fclose(file) == 0 && written;
  std::error_code error;
  if (written) std::filesystem::rename(temporary, target, error);
  if (!written || error) {
    std::remove(temporary.c_str());
    return false;
  }
  FlushFolderOf(target);
  return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  return WriteAtomically(path, bytes, -1);
}

bool WritePrivateFileAtomically(const std::string& path, std::string_view bytes) {
  return WriteAtomically(path, bytes, 0600);
}

std::FILE* OpenDataFile(const std::string& path, ReadStatus& status, std::uint64_t maxBytes) {
  status = ReadStatus::CANNOT_OPEN;
#ifndef _WIN32
  // Opened without waiting: a named pipe with no writer would block here.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info;
  if (::fstat(fd, &info) != 0) {
    ::close(fd);
    return nullptr;
  }
  if (!S_ISREG(info.st_mode)) {
    ::close(fd);
    status = ReadStatus::NOT_A_FILE;
    return nullptr;
  }
  if (static_cast<std::uint64_t>(info.st_size) > maxBytes) {
    ::close(fd);
    status = ReadStatus::TOO_LARGE;
    return nullptr;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE* file = ::fdopen(fd, "rb");
  if (!file) {
    ::close(fd);
    return nullptr;
  }
#else
  std::error_code error;
  const auto fileStatus = std::filesystem::status(path, error);
  if (error || !std::filesystem::exists(fileStatus)) return nullptr;
  if (!std::filesystem::is_regular_file(fileStatus)) {
    status = ReadStatus::NOT_A_FILE;
    return nullptr;
  }
  if (std::filesystem::file_size(path, error) > maxBytes) {
    status = ReadStatus::TOO_LARGE;
    return nullptr;
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return nullptr;
#endif
  status = ReadStatus::OK;
  return file;
}

ReadStatus ReadDataFile(const std::string& path, std::string& bytes, std::uint64_t maxBytes) {
  bytes.clear();
  ReadStatus status;
  std::FILE* file = OpenDataFile(path, status, maxBytes);
  if (!file) return status;
  // Room for the whole file at once: a large file is not copied again each
  // time the text grows (the loop still reads to the real end).
  const std::uint64_t size = FileSize(path);
  if (size <= maxBytes && size < (std::uint64_t{1} << 31)) bytes.reserve(std::size_t(size));
  char buffer[64 * 1024];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    bytes.append(buffer, count);
    // A file that grows while it is read stops at the limit all the same.
    if (bytes.size() > maxBytes) {
      status = ReadStatus::TOO_LARGE;
      break;
    }
  }
  if (status == ReadStatus::OK && std::ferror(file)) status = ReadStatus::CANNOT_OPEN;
  std::fclose(file);
  if (status != ReadStatus::OK) bytes.clear();
  return status;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  return ReadDataFile(path, bytes) == ReadStatus::OK;
}

std::uint64_t FileSize(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  return error ? 0 : size;
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

int RemoveLeftoverTemporaries(const std::string& folder) {
  const std::string suffix = TEMPORARY_SUFFIX;
  int removed = 0;
  std::error_code error;
  std::filesystem::directory_iterator entries(folder, error);
  if (error) return 0;
  for (const auto& entry : entries) {
    const std::string name = entry.path().filename().string();
    if (name.size() <= suffix.size() ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
      continue;
    // Only plain files: a link or a folder of that name is not ours.
    if (!entry.is_regular_file(error) || entry.is_symlink(error)) continue;
    if (std::filesystem::remove(entry.path(), error)) ++removed;
  }
  return removed;
}
