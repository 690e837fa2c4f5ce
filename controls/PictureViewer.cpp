#include "controls/PictureViewer.h"

#include "platform/Button.h"
#include "platform/DrawingSurface.h"
#include "platform/Image.h"
#include "platform/Services.h"
#include "platform/Window.h"

CPictureViewer::~CPictureViewer() {
  if (m_button) m_button->SetDrawHandler(nullptr);
}

bool CPictureViewer::SubclassDlgItem(int id, ui::Window& parent) {
  ui::Button* button = parent.GetButton(id);
  return button ? SubclassWindow(*button) : false;
}

bool CPictureViewer::SubclassWindow(ui::Button& button) {
  if (m_button) m_button->SetDrawHandler(nullptr);
  m_button = &button;
  button.SetDrawHandler([this](ui::DrawingSurface& dc, const ui::Rect& item) { DrawItem(dc, item); });
  return true;
}

bool CPictureViewer::ShowFile(const std::string& path, bool reportErrors) {
  m_path = path;
  bool previous = m_picture.GetReportErrors();
  m_picture.SetReportErrors(reportErrors);
  if (m_button) {
    const ui::Rect frame = m_button->GetClientRect();
    m_picture.SetDecodeSize(ui::Size{frame.Width(), frame.Height()});
  }
  m_scaled.reset();
  m_scaledFrom = nullptr;
  bool loaded = m_picture.LoadFromFile(path);
  m_picture.SetReportErrors(previous);
  return loaded;
}

void CPictureViewer::DrawItem(ui::DrawingSurface& dc, const ui::Rect& item) {
  const ui::Image* image = m_picture.GetImage();
  if (!image || item.IsEmpty()) return;
  m_picture.RefreshSize(dc);
  // The picture fills the whole control, resampled once for its size.
  if (image->width == item.Width() && image->height == item.Height()) {
    m_picture.DrawStretched(dc, item);
    return;
  }
  if (!m_scaled || m_scaledFrom != image || m_scaled->width != item.Width() ||
      m_scaled->height != item.Height()) {
    m_scaled = ui::ScaleImage(*image, ui::Size{item.Width(), item.Height()});
    m_scaledFrom = image;
  }
  if (m_scaled) dc.DrawImage(*m_scaled, item);
}

void CPictureViewer::Invalidate() {
  if (m_button) m_button->Invalidate();
}

void CPictureViewer::ShowWindow(bool show) {
  if (m_button) m_button->ShowWindow(show);
}

bool CPictureViewer::IsWindowVisible() const { return m_button && m_button->IsWindowVisible(); }
