// Picture decoders that need no display: BMP by hand, JPEG through libjpeg
// when the build found it. Input is untrusted: every size is checked.
#include "platform/Backend.h"

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>

#ifdef QUILLORY_HAVE_JPEG
#include <jpeglib.h>
#endif

namespace ui {

namespace {

constexpr long long kMaxPixels = 64LL * 1024 * 1024;

std::uint32_t U32(const std::vector<unsigned char>& b, std::size_t at) {
  return std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8) | (std::uint32_t(b[at + 2]) << 16) |
         (std::uint32_t(b[at + 3]) << 24);
}
std::uint16_t U16(const std::vector<unsigned char>& b, std::size_t at) {
  return std::uint16_t(b[at] | (b[at + 1] << 8));
}

}  // namespace

std::shared_ptr<Image> DecodeBmp(const std::vector<unsigned char>& b) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return nullptr;
  std::uint32_t dataOffset = U32(b, 10);
  std::uint32_t headerSize = U32(b, 14);
  if (headerSize < 40 || 14ULL + headerSize > b.size()) return nullptr;
  std::int32_t width = std::int32_t(U32(b, 18));
  std::int32_t rawHeight = std::int32_t(U32(b, 22));
  int bpp = U16(b, 28);
  std::uint32_t compression = U32(b, 30);
  std::uint32_t colorsUsed = U32(b, 46);
  if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN) return nullptr;
  bool topDown = rawHeight < 0;
  long long height = topDown ? -(long long)rawHeight : rawHeight;
  if ((long long)width * height > kMaxPixels) return nullptr;
  if (!(compression == 0 || (compression == 3 && bpp == 32))) return nullptr;
  if (bpp != 8 && bpp != 24 && bpp != 32) return nullptr;

  std::vector<std::uint32_t> palette;
  if (bpp == 8) {
    std::size_t count = colorsUsed == 0 ? 256 : colorsUsed;
    if (count > 256) return nullptr;
    std::size_t at = 14 + headerSize;
    if (at + count * 4 > b.size()) return nullptr;
    for (std::size_t i = 0; i < count; ++i) {
      const unsigned char* p = &b[at + i * 4];
      palette.push_back(0xFF000000u | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0]);
    }
  }
  unsigned long long stride = ((unsigned long long)width * bpp + 31) / 32 * 4;
  if (dataOffset > b.size() || stride * height > b.size() - dataOffset) return nullptr;

  auto image = std::make_shared<Image>();
  image->width = width;
  image->height = int(height);
  image->pixels.resize(std::size_t(width) * height);
  for (long long y = 0; y < height; ++y) {
    const unsigned char* row = &b[dataOffset + stride * (topDown ? y : height - 1 - y)];
    std::uint32_t* out = &image->pixels[std::size_t(y) * width];
    for (int x = 0; x < width; ++x) {
      if (bpp == 8) {
        unsigned index = row[x];
        out[x] = index < palette.size() ? palette[index] : 0xFF000000u;
      } else {
        const unsigned char* p = row + x * (bpp / 8);
        out[x] = 0xFF000000u | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
      }
    }
  }
  return image;
}

#ifdef QUILLORY_HAVE_JPEG
namespace {
struct JpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};
void OnJpegError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}
void SilentJpegMessage(j_common_ptr) {}

// Decodes into image (created by the caller, before the jump point).
bool DecodeJpegInto(const std::vector<unsigned char>& bytes, Image& image, Size fit) {
  jpeg_decompress_struct info;
  JpegError error;
  info.err = jpeg_std_error(&error.mgr);
  error.mgr.error_exit = OnJpegError;
  error.mgr.output_message = SilentJpegMessage;
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  // The decoder scales by 1/2, 1/4 or 1/8 almost for free: the largest
  // reduction that still covers the size shown.
  if (fit.cx > 0 && fit.cy > 0) {
    for (unsigned denom : {8u, 4u, 2u}) {
      if ((info.image_width + denom - 1) / denom >= unsigned(fit.cx) &&
          (info.image_height + denom - 1) / denom >= unsigned(fit.cy)) {
        info.scale_num = 1;
        info.scale_denom = denom;
        break;
      }
    }
  }
  jpeg_start_decompress(&info);
  long long w = info.output_width, h = info.output_height;
  if (w <= 0 || h <= 0 || w * h > kMaxPixels || info.output_components != 3) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  image.width = int(w);
  image.height = int(h);
  if (info.scale_denom > 1) {
    image.sourceWidth = int(info.image_width);
    image.sourceHeight = int(info.image_height);
  }
  image.pixels.resize(std::size_t(w * h));
  JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                             JDIMENSION(w * 3), 1);
  while (info.output_scanline < info.output_height) {
    JDIMENSION y = info.output_scanline;
    jpeg_read_scanlines(&info, row, 1);
    std::uint32_t* out = &image.pixels[std::size_t(y) * w];
    for (long long x = 0; x < w; ++x) {
      const JSAMPLE* p = row[0] + x * 3;
      out[x] = 0xFF000000u | (std::uint32_t(p[0]) << 16) | (std::uint32_t(p[1]) << 8) | p[2];
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}
}  // namespace

std::shared_ptr<Image> DecodeJpeg(const std::vector<unsigned char>& bytes) {
  if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) return nullptr;
  auto image = std::make_shared<Image>();
  if (!DecodeJpegInto(bytes, *image, Size{})) return nullptr;
  return image;
}

std::shared_ptr<Image> DecodeJpeg(const std::vector<unsigned char>& bytes, Size fit) {
  if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) return nullptr;
  auto image = std::make_shared<Image>();
  if (!DecodeJpegInto(bytes, *image, fit)) return nullptr;
  return image;
}
#else
std::shared_ptr<Image> DecodeJpeg(const std::vector<unsigned char>&) { return nullptr; }
std::shared_ptr<Image> DecodeJpeg(const std::vector<unsigned char>&, Size) { return nullptr; }
#endif

std::shared_ptr<Image> ScaleImage(const Image& image, Size size) {
  if (!image.IsValid() || size.cx <= 0 || size.cy <= 0) return nullptr;
  auto out = std::make_shared<Image>();
  out->width = size.cx;
  out->height = size.cy;
  out->sourceWidth = image.SourceWidth();
  out->sourceHeight = image.SourceHeight();
  out->pixels.resize(std::size_t(size.cx) * size.cy);
  // Each target pixel averages the source block it covers (at least one
  // source pixel, so enlarging repeats pixels).
  std::vector<int> x0(size.cx + 1);
  for (int x = 0; x <= size.cx; ++x) x0[x] = int((long long)x * image.width / size.cx);
  for (int y = 0; y < size.cy; ++y) {
    int ya = int((long long)y * image.height / size.cy);
    int yb = std::max(ya + 1, int((long long)(y + 1) * image.height / size.cy));
    for (int x = 0; x < size.cx; ++x) {
      int xa = x0[x], xb = std::max(xa + 1, x0[x + 1]);
      std::uint64_t a = 0, r = 0, g = 0, b = 0, n = 0;
      for (int sy = ya; sy < yb; ++sy) {
        const std::uint32_t* row = &image.pixels[std::size_t(sy) * image.width];
        for (int sx = xa; sx < xb; ++sx) {
          const std::uint32_t p = row[sx];
          a += p >> 24; r += (p >> 16) & 0xFF; g += (p >> 8) & 0xFF; b += p & 0xFF;
          ++n;
        }
      }
      out->pixels[std::size_t(y) * size.cx + x] =
          std::uint32_t((a + n / 2) / n) << 24 | std::uint32_t((r + n / 2) / n) << 16 |
          std::uint32_t((g + n / 2) / n) << 8 | std::uint32_t((b + n / 2) / n);
    }
  }
  return out;
}

}  // namespace ui
