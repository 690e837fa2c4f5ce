// A decoded picture: 32-bit pixels, top row first. Pictures are decoded by the
// backend (DecodeImage in Services.h) and drawn stretched by drawing surfaces.
#pragma once

#include <cstdint>
#include <vector>

namespace ui {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, width * height, row by row
  // The picture's size in its file when it was decoded smaller (0: as decoded).
  int sourceWidth = 0;
  int sourceHeight = 0;
  int SourceWidth() const { return sourceWidth > 0 ? sourceWidth : width; }
  int SourceHeight() const { return sourceHeight > 0 ? sourceHeight : height; }

  bool IsValid() const { return width > 0 && height > 0 && pixels.size() == std::size_t(width) * height; }
  std::uint32_t At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

}  // namespace ui
