// Dialog templates: what a window holds when it is created, in dialog units,
// the way resource scripts describe dialogs. Templates are plain data, written
// once (in resources/) and shared by every instance of the window.
#pragma once

#include "platform/Types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

struct MenuTemplate;

struct ControlTemplate {
  int id = 0;
  ControlKind kind = ControlKind::Static;
  std::string text;              // Windows-1252
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  std::uint32_t style = Style::None;
  std::vector<std::string> items;    // initial combo-box items (sorted on creation when Style::Sorted)
};

struct DialogTemplate {
  int id = 0;
  std::string caption;           // Windows-1252; empty for child dialogs
  int cx = 0, cy = 0;            // dialog units
  std::uint32_t style = Style::None;
  const MenuTemplate* menu = nullptr;  // menu bar, or none
  std::string fontName = "MS Sans Serif";
  int fontSize = 8;
  std::vector<ControlTemplate> controls;

  const ControlTemplate* Find(int controlId) const;
};

// Dialog base units (average character width and height of the dialog font
// in pixels): 4 horizontal and 8 vertical dialog units make one of each.
struct DialogUnits {
  int baseX = 6;
  int baseY = 13;

  int ToPixelsX(int dluX) const { return dluX * baseX / 4; }
  int ToPixelsY(int dluY) const { return dluY * baseY / 8; }
  Rect ToPixels(int x, int y, int cx, int cy) const {
    return Rect{ToPixelsX(x), ToPixelsY(y), ToPixelsX(x + cx), ToPixelsY(y + cy)};
  }
};

}  // namespace ui
