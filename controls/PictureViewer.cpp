#include "controls/PictureViewer.h"

#include "platform/Button.h"
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
  bool loaded = m_picture.LoadFromFile(path);
  m_picture.SetReportErrors(previous);
  return loaded;
}

void CPictureViewer::DrawItem(ui::DrawingSurface& dc, const ui::Rect& item) {
  if (!m_picture.HasPicture()) return;
  m_picture.RefreshSize(dc);
  m_picture.DrawScaled(dc, ui::Point{0, 0}, ui::Size{m_picture.GetWidth(), m_picture.GetHeight()}, 0, 0);
  // Covers the first drawing: the picture fills the whole control.
  m_picture.DrawStretched(dc, item);
}

void CPictureViewer::Invalidate() {
  if (m_button) m_button->Invalidate();
}

void CPictureViewer::ShowWindow(bool show) {
  if (m_button) m_button->ShowWindow(show);
}

bool CPictureViewer::IsWindowVisible() const { return m_button && m_button->IsWindowVisible(); }
