// A drawing surface that records what is drawn, with fixed text metrics
// (every character as wide as the font's average width). The headless
// backend paints and prints into it, so tests read what was drawn where.
#pragma once

#include "platform/DrawingSurface.h"

#include <string>
#include <vector>

namespace ui {

struct DrawOp {
  enum Kind { Text, Line, FillRect, Picture, Font, StartDoc, StartPage, EndPage, EndDoc };
  explicit DrawOp(Kind k) : kind(k) {}
  Kind kind;
  int x = 0, y = 0;     // text origin, line start
  int x2 = 0, y2 = 0;   // line end
  Rect rect;            // filled or picture rectangle
  std::string text;     // text drawn, document name
  Color color = 0;
  int imageWidth = 0, imageHeight = 0;
  FontSpec font;
};

class RecordingSurface : public PrinterSurface {
 public:
  // dpi: resolution; page: size in device units; printing: a printer or not.
  RecordingSurface(int dpi, Size page, bool printing);

  const std::vector<DrawOp>& Ops() const { return m_ops; }
  std::vector<DrawOp> Ops(DrawOp::Kind kind) const;
  // Texts drawn, in order (a tabbed text's pieces each appear on their own).
  std::vector<std::string> Texts() const;
  int PageCount() const;

  int GetDeviceCaps(DeviceCap cap) const override;
  bool IsPrinting() const override { return m_printing; }
  void SelectFont(const FontSpec& font) override;
  void SetTextColor(Color color) override { m_textColor = color; }
  void SetBkTransparent(bool) override {}
  Size GetTextExtent(const std::string& text) override;
  void TextOut(int x, int y, const std::string& text) override;
  void SelectPen(Color color, int) override { m_pen = color; }
  void MoveTo(int x, int y) override { m_pos = Point{x, y}; }
  void LineTo(int x, int y) override;
  void FillSolidRect(const Rect& rect, Color color) override;
  void DrawImage(const Image& image, const Rect& rect) override;
  bool StartDoc(const std::string& name) override;
  bool StartPage() override;
  bool EndPage() override;
  bool EndDoc() override;

 private:
  int m_dpi;
  Size m_page;
  bool m_printing;
  FontSpec m_font;
  Color m_textColor = 0;
  Color m_pen = 0;
  Point m_pos;
  std::vector<DrawOp> m_ops;
};

}  // namespace ui
