// Build tool: writes the application icon as the PNG files of a desktop's
// icon theme, OUTPUT/<size>x<size>/apps/<name>.png for each size given.
//
//   quillory_icon_files OUTPUT NAME 16 32 48 64 128 256
#include "resources/Templates.h"

#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

void PutBigEndian(std::vector<unsigned char>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back((value >> shift) & 0xFF);
}

void PutChunk(std::vector<unsigned char>& out, const char* type, const std::vector<unsigned char>& data) {
  PutBigEndian(out, std::uint32_t(data.size()));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian(out, std::uint32_t(crc32(0, out.data() + typeAt, uInt(out.size() - typeAt))));
}

// An 8-bit RGBA PNG of the image.
std::vector<unsigned char> EncodePng(const ui::Image& image) {
  std::vector<unsigned char> rows;  // each row: filter byte 0, then R G B A
  for (int y = 0; y < image.height; ++y) {
    rows.push_back(0);
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.At(x, y);
      rows.insert(rows.end(), {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                               static_cast<unsigned char>(p), static_cast<unsigned char>(p >> 24)});
    }
  }
  uLongf packedSize = compressBound(uLong(rows.size()));
  std::vector<unsigned char> packed(packedSize);
  if (compress2(packed.data(), &packedSize, rows.data(), uLong(rows.size()), Z_BEST_COMPRESSION) != Z_OK)
    return {};
  packed.resize(packedSize);

  std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<unsigned char> header;
  PutBigEndian(header, std::uint32_t(image.width));
  PutBigEndian(header, std::uint32_t(image.height));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // depth 8, RGBA, deflate, no filter, no interlace
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", {});
  return png;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s OUTPUT NAME SIZE...\n", argv[0]);
    return 2;
  }
  for (int i = 3; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    const std::vector<unsigned char> png = size > 0 ? EncodePng(DrawApplicationIcon(size))
                                                    : std::vector<unsigned char>();
    const std::string dims = std::to_string(size) + "x" + std::to_string(size);
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / dims / "apps";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    std::ofstream file(folder / (std::string(argv[2]) + ".png"), std::ios::binary | std::ios::trunc);
    if (png.empty() || !file.write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()))) {
      std::fprintf(stderr, "%s: the %s icon cannot be written in %s\n", argv[0], dims.c_str(),
                   folder.c_str());
      return 1;
    }
  }
  return 0;
}
