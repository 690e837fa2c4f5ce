#include "ReplacementFile.h"

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

// The file a path finally names, its links followed.
std::string FinalTarget(const std::string& path)
{
    std::filesystem::path p = path;
    std::error_code error;
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(p, error); ++hops) {
        const std::filesystem::path link = std::filesystem::read_symlink(p, error);
        if (error)
            break;
        p = link.is_absolute() ? link : p.parent_path() / link;
    }
    return p.string();
}

// Whether something other than a regular file (or a link to one) is there.
bool IsSpecialFile(const std::string& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

bool IsReadOnly(const std::string& path)
{
#ifndef _WIN32
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & 0222) == 0;
#else
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    return !error && std::filesystem::exists(status) &&
           (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
#endif
}

}  // namespace

ReplacementFile::ReplacementFile(const std::string& target)
    : m_target(FinalTarget(target)), m_temporary(m_target + ".tmp~")
{
    if (IsReadOnly(m_target))
        return;
    if (IsSpecialFile(m_target)) {
        m_inPlace = true;
        m_stream = std::fopen(m_target.c_str(), "wb");
        return;
    }
    m_stream = std::fopen(m_temporary.c_str(), "wb");
#ifndef _WIN32
    // The new file keeps the old one's permissions.
    struct stat old;
    if (m_stream && ::stat(m_target.c_str(), &old) == 0)
        ::fchmod(fileno(m_stream), old.st_mode & 07777);
#endif
}

ReplacementFile::~ReplacementFile()
{
    if (m_stream) {
        std::fclose(m_stream);
        if (!m_inPlace)
            std::remove(m_temporary.c_str());
    }
}

bool ReplacementFile::Commit()
{
    if (!m_stream)
        return false;
    bool written = std::fflush(m_stream) == 0;
    if (m_inPlace) {
        written = std::fclose(m_stream) == 0 && written;
        m_stream = nullptr;
        return written;
    }
#ifdef _WIN32
    written = written && _commit(_fileno(m_stream)) == 0;
#else
    written = written && fsync(fileno(m_stream)) == 0;
#endif
    written = std::fclose(m_stream) == 0 && written;
    m_stream = nullptr;
    std::error_code error;
    if (written)
        std::filesystem::rename(m_temporary, m_target, error);
    if (!written || error) {
        std::remove(m_temporary.c_str());
        return false;
    }
    return true;
}
