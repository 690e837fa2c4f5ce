#include "collection/SafeFile.h"

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
  const std::string temporary = target.string() + ".tmp~";
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

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  bytes.clear();
  // Room for the whole file at once: a large collection is not copied again
  // each time the text grows (the loop below still reads to the real end).
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  if (!error && size < (std::uintmax_t{1} << 31)) bytes.reserve(std::size_t(size));
  char buffer[64 * 1024];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, count);
  bool ok = !std::ferror(file);
  std::fclose(file);
  return ok;
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}
