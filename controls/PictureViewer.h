// An owner-drawn button that shows one picture stretched to the whole
// control (the picture frames of the album windows). Nothing is painted
// while no picture is held.
//
//   m_picture.SubclassDlgItem(1016, *this);
//   if (!m_picture.ShowFile(folder + "\\" + path))
//     m_picture.ShowFile(folder + "\\data/AddPicture.bmp");
//   m_picture.Invalidate();
#pragma once

#include "controls/Picture.h"
#include "platform/Types.h"

#include <memory>
#include <string>

namespace ui {
struct Image;
class Button;
class DrawingSurface;
class Window;
}

class CPictureViewer {
 public:
  CPictureViewer() = default;
  ~CPictureViewer();
  CPictureViewer(const CPictureViewer&) = delete;
  CPictureViewer& operator=(const CPictureViewer&) = delete;

  // Attaches to the owner-drawn button `id` of parent and paints it from
  // then on; false when there is no such button.
  bool SubclassDlgItem(int id, ui::Window& parent);
  bool SubclassWindow(ui::Button& button);
  ui::Button* GetButton() const { return m_button; }

  // Remembers the path and loads it; the caller repaints the control.
  // reportErrors = false loads without any message box.
  bool ShowFile(const std::string& path, bool reportErrors = true);
  const std::string& GetPath() const { return m_path; }
  CPicture& GetPicture() { return m_picture; }

  // Paints the control: the picture stretched to the item rectangle.
  void DrawItem(ui::DrawingSurface& dc, const ui::Rect& item);

  // The button's window functions, for callers' convenience.
  void Invalidate();
  void ShowWindow(bool show);
  bool IsWindowVisible() const;

 private:
  CPicture m_picture;
  std::string m_path;
  // The picture at the size last painted, made once rather than at every paint.
  std::shared_ptr<const ui::Image> m_scaled;
  const ui::Image* m_scaledFrom = nullptr;
  ui::Button* m_button = nullptr;
};
