#include "collection/SafeFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
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

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::filesystem::path target(path);
  const std::string temporary = path + ".tmp~";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
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

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  bytes.clear();
  char buffer[64 * 1024];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, count);
  bool ok = !std::ferror(file);
  std::fclose(file);
  return ok;
}
