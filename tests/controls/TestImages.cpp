#include "TestImages.h"

#include <cstdio>
#include <cstdint>
#include <fstream>
#include <vector>

#ifdef QUILLORY_HAVE_JPEG
#include <jpeglib.h>
#endif

namespace test {

namespace {
void Put32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(char((v >> (8 * i)) & 0xFF));
}
void Put16(std::string& out, std::uint16_t v) {
  out.push_back(char(v & 0xFF));
  out.push_back(char(v >> 8));
}
}  // namespace

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

void WriteBmp(const std::string& path, int width, int height) {
  std::uint32_t stride = (std::uint32_t(width) * 3 + 3) / 4 * 4;
  std::uint32_t dataSize = stride * std::uint32_t(height);
  std::string out = "BM";
  Put32(out, 54 + dataSize);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, std::uint32_t(width));
  Put32(out, std::uint32_t(height));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);
  Put32(out, dataSize);
  Put32(out, 3780);
  Put32(out, 3780);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) out += "\x20\x80\xC0";
    out.append(stride - std::uint32_t(width) * 3, '\0');
  }
  WriteBytes(path, out);
}

bool WriteJpeg(const std::string& path, int width, int height) {
#ifdef QUILLORY_HAVE_JPEG
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  jpeg_compress_struct info;
  jpeg_error_mgr error;
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, f);
  info.image_width = JDIMENSION(width);
  info.image_height = JDIMENSION(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(std::size_t(width) * 3, 0x80);
  while (info.next_scanline < info.image_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::fclose(f);
  return true;
#else
  (void)path; (void)width; (void)height;
  return false;
#endif
}

}  // namespace test
