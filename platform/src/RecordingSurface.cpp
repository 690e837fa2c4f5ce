#include "platform/RecordingSurface.h"

#include <algorithm>

namespace ui {

RecordingSurface::RecordingSurface(int dpi, Size page, bool printing)
    : m_dpi(dpi), m_page(page), m_printing(printing) {}

std::vector<DrawOp> RecordingSurface::Ops(DrawOp::Kind kind) const {
  std::vector<DrawOp> out;
  for (const DrawOp& op : m_ops)
    if (op.kind == kind) out.push_back(op);
  return out;
}

std::vector<std::string> RecordingSurface::Texts() const {
  std::vector<std::string> out;
  for (const DrawOp& op : m_ops)
    if (op.kind == DrawOp::Text) out.push_back(op.text);
  return out;
}

int RecordingSurface::PageCount() const {
  return int(std::count_if(m_ops.begin(), m_ops.end(),
                           [](const DrawOp& op) { return op.kind == DrawOp::StartPage; }));
}

int RecordingSurface::GetDeviceCaps(DeviceCap cap) const {
  switch (cap) {
    case DeviceCap::LogPixelsX:
    case DeviceCap::LogPixelsY: return m_dpi;
    case DeviceCap::HorzRes: return m_page.cx;
    case DeviceCap::VertRes: return m_page.cy;
  }
  return 0;
}

void RecordingSurface::SelectFont(const FontSpec& font) {
  m_font = font;
  DrawOp op(DrawOp::Font);
  op.font = font;
  m_ops.push_back(op);
}

Size RecordingSurface::GetTextExtent(const std::string& text) {
  // Fixed metrics: the cell height, and half of it for every character.
  int height = m_font.height > 0 ? m_font.height : 16 * m_dpi / 96;
  int charWidth = std::max(1, height / 2);
  return Size{charWidth * int(text.size()), height};
}

void RecordingSurface::TextOut(int x, int y, const std::string& text) {
  DrawOp op(DrawOp::Text);
  op.x = x;
  op.y = y;
  op.text = text;
  op.color = m_textColor;
  op.font = m_font;
  m_ops.push_back(op);
}

void RecordingSurface::LineTo(int x, int y) {
  DrawOp op(DrawOp::Line);
  op.x = m_pos.x;
  op.y = m_pos.y;
  op.x2 = x;
  op.y2 = y;
  op.color = m_pen;
  m_ops.push_back(op);
  m_pos = Point{x, y};
}

void RecordingSurface::FillSolidRect(const Rect& rect, Color color) {
  DrawOp op(DrawOp::FillRect);
  op.rect = rect;
  op.color = color;
  m_ops.push_back(op);
}

void RecordingSurface::DrawImage(const Image& image, const Rect& rect) {
  DrawOp op(DrawOp::Picture);
  op.rect = rect;
  op.imageWidth = image.width;
  op.imageHeight = image.height;
  m_ops.push_back(op);
}

bool RecordingSurface::StartDoc(const std::string& name) {
  DrawOp op(DrawOp::StartDoc);
  op.text = name;
  m_ops.push_back(op);
  return true;
}

bool RecordingSurface::StartPage() { m_ops.push_back(DrawOp(DrawOp::StartPage)); return true; }
bool RecordingSurface::EndPage() { m_ops.push_back(DrawOp(DrawOp::EndPage)); return true; }
bool RecordingSurface::EndDoc() { m_ops.push_back(DrawOp(DrawOp::EndDoc)); return true; }

}  // namespace ui
