// Dialog templates: what a window holds when it is created, in dialog units,
// the way resource scripts describe dialogs. Templates are plain data, written
// once (in resources/) and shared by every instance of the window.
#pragma once

#include "platform/Types.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ui {

struct MenuTemplate;

struct ControlTemplate {
  ControlTemplate(int id_, ControlKind kind_, std::string text_, int x_, int y_, int cx_, int cy_,
                  std::uint32_t style_ = Style::None, std::vector<std::string> items_ = {})
      : id(id_), kind(kind_), text(std::move(text_)), x(x_), y(y_), cx(cx_), cy(cy_),
        style(style_), items(std::move(items_)) {}

  int id;
  ControlKind kind;
  std::string text;                  // Windows-1252
  int x, y, cx, cy;                  // dialog units
  std::uint32_t style;
  std::vector<std::string> items;    // initial combo-box items (sorted on creation when Style::Sorted)
};

struct DialogTemplate {
  DialogTemplate(int id_, std::string caption_, int cx_, int cy_, std::uint32_t style_,
                 const MenuTemplate* menu_, std::vector<ControlTemplate> controls_)
      : id(id_), caption(std::move(caption_)), cx(cx_), cy(cy_), style(style_), menu(menu_),
        controls(std::move(controls_)) {}

  int id;
  std::string caption;               // Windows-1252; empty for child dialogs
  int cx, cy;                        // dialog units
  std::uint32_t style;
  const MenuTemplate* menu;          // menu bar, or none
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
