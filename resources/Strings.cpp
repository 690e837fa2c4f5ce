// The string table and the application icon.
#include "resources/Templates.h"

const char* LoadResourceString(int id) {
  switch (id) {
    case IDS_ABOUTBOX: return "&A propos de Quillory...";
    default: return "";
  }
}

ui::Image DrawApplicationIcon(int size) {
  // Drawn rather than stored: a speech balloon, as in a comic strip, on a
  // rounded blue square, designed on a grid of 32 units and sampled 4 x 4
  // times per pixel so that every size gets smooth edges.
  constexpr double kUnits = 32;
  constexpr int kSamples = 4;
  struct Rgba { double r, g, b, a; };
  const Rgba kClear{0, 0, 0, 0}, kBlue{0x2F, 0x5F, 0xA8, 1}, kWhite{0xFF, 0xFF, 0xFF, 1},
      kInk{0x1A, 0x1A, 0x1A, 1}, kRed{0xD0, 0x31, 0x2D, 1};
  auto inEllipse = [](double x, double y, double cx, double cy, double rx, double ry) {
    double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
  };
  auto colourAt = [&](double x, double y) {  // x, y in units
    // rounded square: the corners cut by circles of radius 5
    double cx = x < 5 ? 5 : (x > 27 ? 27 : x), cy = y < 5 ? 5 : (y > 27 ? 27 : y);
    if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > 25) return kClear;
    Rgba c = kBlue;
    bool balloon = inEllipse(x, y, 16, 13, 12, 9);
    bool tail = y >= 18 && y <= 27 && x >= 8 && x <= 15 && (x - 8) >= (y - 18) * 0.75;
    if (balloon || tail) c = kWhite;
    if (balloon && !inEllipse(x, y, 16, 13, 10.8, 7.8)) c = kInk;
    // three dots of speech
    for (int d = 0; d < 3; ++d)
      if (inEllipse(x, y, 10.5 + d * 5.5, 13, 1.6, 1.6)) c = kRed;
    return c;
  };

  ui::Image image;
  image.width = image.height = size;
  image.pixels.assign(std::size_t(size) * size, 0);
  const double unitsPerSample = kUnits / size / kSamples;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      Rgba sum{0, 0, 0, 0};  // colours weighted by their coverage
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx) {
          Rgba c = colourAt((x * kSamples + sx + 0.5) * unitsPerSample,
                            (y * kSamples + sy + 0.5) * unitsPerSample);
          sum = {sum.r + c.r * c.a, sum.g + c.g * c.a, sum.b + c.b * c.a, sum.a + c.a};
        }
      if (sum.a == 0) continue;
      auto channel = [](double v) { return std::uint32_t(v + 0.5) & 0xFF; };
      image.pixels[std::size_t(y) * size + x] =
          channel(sum.a * 255 / (kSamples * kSamples)) << 24 | channel(sum.r / sum.a) << 16 |
          channel(sum.g / sum.a) << 8 | channel(sum.b / sum.a);
    }
  }
  return image;
}

const ui::Image& ApplicationIcon() {
  static const ui::Image icon = DrawApplicationIcon(32);
  return icon;
}
