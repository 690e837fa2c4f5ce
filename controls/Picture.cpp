#include "controls/Picture.h"

#include "platform/DrawingSurface.h"
#include "platform/Image.h"
#include "platform/Services.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>
#include <vector>

#include <sys/stat.h>
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

const char kCaption[] = "CPicture Error";
const char kNoMemory[] = "Can not allocate enough memory\t";
constexpr int kHimetricPerInch = 2540;
constexpr int kScreenDpi = 96;

// Picture paths are written the Windows way ("images\cover.jpg").
std::string NativeFilePath(const std::string& path) {
#ifdef _WIN32
  return path;
#else
  std::string native = path;
  for (char& c : native)
    if (c == '\\') c = '/';
  return native;
#endif
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// The picture file, opened for reading only when it is a regular file: a
// named pipe in its place would block the window until something writes to
// it, and a device never ends. errno says why when it is not opened.
std::FILE* OpenPictureFile(const std::string& path) {
#ifdef _WIN32
  return std::fopen(path.c_str(), "rb");
#else
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    const int error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    ::close(fd);
    errno = error;
    return nullptr;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE* file = ::fdopen(fd, "rb");
  if (!file) ::close(fd);
  return file;
#endif
}

}  // namespace

CPicture::~CPicture() {
  if (m_pPicture) Release();
}

int CPicture::MulDiv(long long a, long long b, long long c) {
  if (c == 0) return -1;
  long long product = a * b;
  bool negative = (product < 0) != (c < 0);
  long long pa = product < 0 ? -product : product;
  long long pc = c < 0 ? -c : c;
  long long q = (pa + pc / 2) / pc;
  long long r = negative ? -q : q;
  if (r > INT_MAX || r < INT_MIN) return -1;
  return int(r);
}

long CPicture::GetHimetricWidth() const {
  return m_pPicture ? MulDiv(m_pPicture->SourceWidth(), kHimetricPerInch, kScreenDpi) : 0;
}

long CPicture::GetHimetricHeight() const {
  return m_pPicture ? MulDiv(m_pPicture->SourceHeight(), kHimetricPerInch, kScreenDpi) : 0;
}

void CPicture::ShowError(const std::string& text) const {
  if (m_reportErrors) ui::MessageBox(text, kCaption, ui::MB_OK | ui::MB_ICONSTOP);
}

void CPicture::Release() {
  m_pPicture.reset();
  m_heightPx = 0;
  m_byteCount = 0;
  m_widthPx = 0;
}

bool CPicture::LoadFromFile(const std::string& path) {
  Release();
  bool result = false;
  std::unique_ptr<std::FILE, FileCloser> file(OpenPictureFile(NativeFilePath(path)));
  if (!file) {
    // The system's own text for the failure, at most 255 characters.
    ShowError(std::string(std::strerror(errno)).substr(0, 255));
  } else {
    long length = 0;
    if (std::fseek(file.get(), 0, SEEK_END) == 0) length = std::ftell(file.get());
    if (length < 0) length = 0;
    std::rewind(file.get());
    std::vector<unsigned char> buffer;
    try {
      buffer.resize(std::size_t(length));
    } catch (const std::bad_alloc&) {
      ShowError(kNoMemory);
      return false;
    } catch (const std::length_error&) {
      ShowError(kNoMemory);
      return false;
    }
    std::size_t read = length > 0 ? std::fread(buffer.data(), 1, buffer.size(), file.get()) : 0;
    if (read > 0 && LoadFromMemory(buffer.data(), read)) result = true;
    m_byteCount = length > INT_MAX ? INT_MAX : std::int32_t(length);
  }
  if (m_pPicture) {
    m_heightPx = MulDiv(GetHimetricHeight(), kScreenDpi, kHimetricPerInch);
    m_widthPx = MulDiv(GetHimetricWidth(), kScreenDpi, kHimetricPerInch);
  } else {
    m_heightPx = 0;
    m_widthPx = 0;
    result = false;
  }
  return result;
}

bool CPicture::LoadFromMemory(const unsigned char* bytes, std::size_t count) {
  m_pPicture.reset();
  std::vector<unsigned char> block;
  try {
    block.assign(bytes, bytes + count);
  } catch (const std::bad_alloc&) {
    ShowError(kNoMemory);
    return false;
  }
  // A block that is not a picture the decoder knows leaves no picture; the
  // caller sees it through HasPicture.
  m_pPicture = ui::DecodeImage(block, m_decodeSize);
  if (m_pPicture) {
    m_heightPx = MulDiv(GetHimetricHeight(), kScreenDpi, kHimetricPerInch);
    m_widthPx = MulDiv(GetHimetricWidth(), kScreenDpi, kHimetricPerInch);
  }
  return true;
}

void CPicture::RefreshSize(ui::DrawingSurface& dc) {
  if (!m_pPicture) return;
  int dpiX = dc.IsPrinting() ? kScreenDpi : dc.GetDeviceCaps(ui::DeviceCap::LogPixelsX);
  int dpiY = dc.IsPrinting() ? kScreenDpi : dc.GetDeviceCaps(ui::DeviceCap::LogPixelsY);
  m_widthPx = MulDiv(GetHimetricWidth(), dpiX, kHimetricPerInch);
  m_heightPx = MulDiv(GetHimetricHeight(), dpiY, kHimetricPerInch);
}

bool CPicture::DrawStretched(ui::DrawingSurface& dc, const ui::Rect& rect) {
  if (!m_pPicture) return false;
  dc.DrawImage(*m_pPicture, rect);
  return true;
}

bool CPicture::DrawScaled(ui::DrawingSurface& dc, ui::Point origin, ui::Size base, double factorX,
                          double factorY) {
  if (!m_pPicture) return false;
  ui::Rect rect{origin.x, origin.y, origin.x + base.cx + int(factorX * m_widthPx),
                origin.y + base.cy + int(factorY * m_heightPx)};
  return DrawStretched(dc, rect);
}
