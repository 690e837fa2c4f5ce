// The string table and the application icon.
#include "resources/Templates.h"

const char* LoadResourceString(int id) {
  switch (id) {
    case IDS_ABOUTBOX: return "&A propos de Quillory...";
    default: return "";
  }
}

const ui::Image& ApplicationIcon() {
  // Drawn rather than stored: a speech balloon, as in a comic strip, on a
  // rounded blue square.
  static const ui::Image icon = [] {
    constexpr int kSize = 32;
    constexpr std::uint32_t kClear = 0x00000000, kBlue = 0xFF2F5FA8, kWhite = 0xFFFFFFFF,
                            kInk = 0xFF1A1A1A, kRed = 0xFFD0312D;
    ui::Image image;
    image.width = kSize;
    image.height = kSize;
    image.pixels.assign(kSize * kSize, kClear);
    auto inEllipse = [](int x, int y, double cx, double cy, double rx, double ry) {
      double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      return dx * dx + dy * dy <= 1.0;
    };
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        // rounded square: cut the corners with circles of radius 5
        int cx = x < 5 ? 5 : (x > 26 ? 26 : x), cy = y < 5 ? 5 : (y > 26 ? 26 : y);
        if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > 25) continue;
        std::uint32_t c = kBlue;
        bool balloon = inEllipse(x, y, 16, 13, 12, 9);
        bool tail = y >= 18 && y <= 26 && x >= 8 && x <= 14 && (x - 8) >= (y - 18) * 6 / 8;
        if (balloon || tail) c = kWhite;
        if (balloon && !inEllipse(x, y, 16, 13, 10.8, 7.8)) c = kInk;
        // three dots of speech
        for (int d = 0; d < 3; ++d)
          if (inEllipse(x, y, 10.5 + d * 5.5, 13, 1.6, 1.6)) c = kRed;
        image.pixels[y * kSize + x] = c;
      }
    }
    return image;
  }();
  return icon;
}
