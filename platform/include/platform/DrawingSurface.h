// A drawing surface (a device context): a window's owner-drawn control, or a
// printer page. Coordinates are device units (pixels, printer dots).
#pragma once

#include "platform/Image.h"
#include "platform/Types.h"

#include <string>
#include <vector>

namespace ui {

enum class DeviceCap { LogPixelsX, LogPixelsY, HorzRes, VertRes };

struct FontSpec {
  int height = 0;            // cell height in device units; 0: the default font
  int weight = 400;          // 400 normal, 700 bold
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  bool roman = false;        // a serif family when no face name is given
  std::string faceName;
};

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  virtual int GetDeviceCaps(DeviceCap cap) const = 0;
  virtual bool IsPrinting() const = 0;

  virtual void SelectFont(const FontSpec& font) = 0;
  virtual void SetTextColor(Color color) = 0;
  virtual void SetBkTransparent(bool transparent) = 0;
  virtual Size GetTextExtent(const std::string& text) = 0;
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  // Text whose tab characters advance to the next tab stop (positions
  // relative to tabOrigin); past the last stop a tab is one space. With no
  // stops, tabs stop every 8 average character widths. Returns the extent.
  Size TabbedTextOut(int x, int y, const std::string& text, const std::vector<int>& tabStops,
                     int tabOrigin);

  virtual void SelectPen(Color color, int width) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  virtual void FillSolidRect(const Rect& rect, Color color) = 0;
  // The whole picture stretched into rect.
  virtual void DrawImage(const Image& image, const Rect& rect) = 0;

  virtual void SaveDC() {}
  virtual void RestoreDC() {}
  virtual void IntersectClipRect(const Rect&) {}
};

// A printer: a drawing surface with documents and pages.
class PrinterSurface : public DrawingSurface {
 public:
  bool IsPrinting() const override { return true; }
  virtual bool StartDoc(const std::string& name) = 0;
  virtual bool StartPage() = 0;
  virtual bool EndPage() = 0;
  virtual bool EndDoc() = 0;
};

}  // namespace ui
