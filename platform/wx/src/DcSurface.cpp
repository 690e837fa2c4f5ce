#include "DcSurface.h"

#include "Text1252.h"

#include <wx/bitmap.h>
#include <wx/image.h>

namespace ui {
namespace wxb {

namespace {
wxColour ToColour(Color c) { return wxColour(GetRValue(c), GetGValue(c), GetBValue(c)); }
}  // namespace

int DcSurface::GetDeviceCaps(DeviceCap cap) const {
  switch (cap) {
    case DeviceCap::LogPixelsX: return m_dc.GetPPI().x;
    case DeviceCap::LogPixelsY: return m_dc.GetPPI().y;
    case DeviceCap::HorzRes: return m_dc.GetSize().x;
    case DeviceCap::VertRes: return m_dc.GetSize().y;
  }
  return 0;
}

void DcSurface::SelectFont(const FontSpec& spec) {
  wxFontInfo info = spec.height > 0 ? wxFontInfo(wxSize(0, spec.height)) : wxFontInfo();
  info.Family(spec.roman ? wxFONTFAMILY_ROMAN : wxFONTFAMILY_DEFAULT)
      .Weight(spec.weight)
      .Italic(spec.italic)
      .Underlined(spec.underline)
      .Strikethrough(spec.strikeOut);
  if (!spec.faceName.empty()) info.FaceName(ToWx(spec.faceName));
  m_dc.SetFont(wxFont(info));
}

void DcSurface::SetTextColor(Color color) { m_dc.SetTextForeground(ToColour(color)); }

void DcSurface::SetBkTransparent(bool transparent) {
  m_dc.SetBackgroundMode(transparent ? wxBRUSHSTYLE_TRANSPARENT : wxBRUSHSTYLE_SOLID);
}

Size DcSurface::GetTextExtent(const std::string& text) {
  wxSize s = m_dc.GetTextExtent(ToWx(text));
  return Size{s.x, s.y};
}

void DcSurface::TextOut(int x, int y, const std::string& text) { m_dc.DrawText(ToWx(text), x, y); }

void DcSurface::SelectPen(Color color, int width) { m_dc.SetPen(wxPen(ToColour(color), width)); }

void DcSurface::LineTo(int x, int y) {
  m_dc.DrawLine(m_pos, wxPoint(x, y));
  m_pos = wxPoint(x, y);
}

void DcSurface::FillSolidRect(const Rect& r, Color color) {
  wxPen pen = m_dc.GetPen();
  m_dc.SetPen(*wxTRANSPARENT_PEN);
  m_dc.SetBrush(wxBrush(ToColour(color)));
  m_dc.DrawRectangle(r.left, r.top, r.Width(), r.Height());
  m_dc.SetPen(pen);
}

wxBitmap ToBitmap(const Image& image, int width, int height) {
  if (!image.IsValid()) return wxBitmap();
  wxImage img(image.width, image.height, false);
  unsigned char* rgb = img.GetData();
  bool transparent = false;
  for (std::uint32_t p : image.pixels) transparent = transparent || (p >> 24) != 0xFF;
  if (transparent) img.InitAlpha();
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    std::uint32_t p = image.pixels[i];
    rgb[i * 3] = (p >> 16) & 0xFF;
    rgb[i * 3 + 1] = (p >> 8) & 0xFF;
    rgb[i * 3 + 2] = p & 0xFF;
    if (transparent) img.GetAlpha()[i] = (p >> 24) & 0xFF;
  }
  if (width > 0 && height > 0 && (width != image.width || height != image.height))
    img.Rescale(width, height, wxIMAGE_QUALITY_HIGH);
  return wxBitmap(img);
}

void DcSurface::DrawImage(const Image& image, const Rect& r) {
  if (!image.IsValid() || r.IsEmpty()) return;
  m_dc.DrawBitmap(ToBitmap(image, r.Width(), r.Height()), r.left, r.top, true);
}

void DcSurface::SaveDC() { m_clips.push_back(m_clip); }

void DcSurface::RestoreDC() {
  if (m_clips.empty()) return;
  m_clip = m_clips.back();
  m_clips.pop_back();
  m_dc.DestroyClippingRegion();
  if (!m_clip.IsEmpty()) m_dc.SetClippingRegion(m_clip);
}

void DcSurface::IntersectClipRect(const Rect& r) {
  wxRect rect(r.left, r.top, r.Width(), r.Height());
  m_clip = m_clip.IsEmpty() ? rect : m_clip.Intersect(rect);
  m_dc.DestroyClippingRegion();
  m_dc.SetClippingRegion(m_clip);
}

bool DcSurface::StartDoc(const std::string& name) { return m_dc.StartDoc(ToWx(name)); }
bool DcSurface::StartPage() { m_dc.StartPage(); return true; }
bool DcSurface::EndPage() { m_dc.EndPage(); return true; }
bool DcSurface::EndDoc() { m_dc.EndDoc(); return true; }

}  // namespace wxb
}  // namespace ui
