// A drawing surface over a wxDC (a control being painted, or a printer).
#pragma once

#include "platform/DrawingSurface.h"

#include <wx/bitmap.h>
#include <wx/dc.h>

#include <memory>
#include <vector>

namespace ui {
namespace wxb {

// A picture as a bitmap of the given size (its own size when 0), with its
// transparency.
wxBitmap ToBitmap(const Image& image, int width = 0, int height = 0);

class DcSurface : public PrinterSurface {
 public:
  DcSurface(wxDC& dc, bool printing) : m_dc(dc), m_printing(printing) {}
  // A surface that owns its context (a printer's).
  explicit DcSurface(std::unique_ptr<wxDC> owned) : m_owned(std::move(owned)), m_dc(*m_owned), m_printing(true) {}

  int GetDeviceCaps(DeviceCap cap) const override;
  bool IsPrinting() const override { return m_printing; }
  void SelectFont(const FontSpec& font) override;
  void SetTextColor(Color color) override;
  void SetBkTransparent(bool transparent) override;
  Size GetTextExtent(const std::string& text) override;
  void TextOut(int x, int y, const std::string& text) override;
  void SelectPen(Color color, int width) override;
  void MoveTo(int x, int y) override { m_pos = wxPoint(x, y); }
  void LineTo(int x, int y) override;
  void FillSolidRect(const Rect& rect, Color color) override;
  void DrawImage(const Image& image, const Rect& rect) override;
  void SaveDC() override;
  void RestoreDC() override;
  void IntersectClipRect(const Rect& rect) override;
  bool StartDoc(const std::string& name) override;
  bool StartPage() override;
  bool EndPage() override;
  bool EndDoc() override;

 private:
  std::unique_ptr<wxDC> m_owned;
  wxDC& m_dc;
  bool m_printing;
  wxPoint m_pos;
  std::vector<wxRect> m_clips;  // saved clipping, empty rect = none
  wxRect m_clip;
};

}  // namespace wxb
}  // namespace ui
