#include "platform/DrawingSurface.h"

#include <algorithm>

namespace ui {

Size DrawingSurface::TabbedTextOut(int x, int y, const std::string& text,
                                   const std::vector<int>& tabStops, int tabOrigin) {
  const int height = GetTextExtent("Zpg").cy;
  const int spaceWidth = std::max(1, GetTextExtent(" ").cx);
  int defaultStep = 8 * std::max(1, GetTextExtent("x").cx);
  std::vector<int> stops = tabStops;
  // One stop means a stop at every multiple of it.
  if (stops.size() == 1 && stops[0] > 0) { defaultStep = stops[0]; stops.clear(); }
  int pos = x;
  std::size_t start = 0;
  for (;;) {
    std::size_t tab = text.find('\t', start);
    std::string piece = text.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
    if (!piece.empty()) {
      TextOut(pos, y, piece);
      pos += GetTextExtent(piece).cx;
    }
    if (tab == std::string::npos) break;
    int rel = pos - tabOrigin;
    int next = -1;
    if (tabStops.empty() || (tabStops.size() == 1 && tabStops[0] > 0)) {
      next = (rel / defaultStep + 1) * defaultStep;
    } else {
      for (int s : stops)
        if (s > rel) { next = s; break; }
    }
    pos = next >= 0 ? tabOrigin + next : pos + spaceWidth;
    start = tab + 1;
  }
  return Size{pos - x, height};
}

}  // namespace ui
