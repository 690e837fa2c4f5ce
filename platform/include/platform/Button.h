// Buttons: push buttons, check boxes, group boxes and owner-drawn buttons
// (picture frames, painted by a draw handler). A click is dispatched to the
// parent window as the command of the button's id.
#pragma once

#include "platform/Control.h"

#include <functional>

namespace ui {

class DrawingSurface;

enum : int { BST_UNCHECKED = 0, BST_CHECKED = 1 };

class Button : public Control {
 public:
  using Control::Control;

  int GetCheck() const { return m_check; }
  void SetCheck(int check);
  bool IsDefault() const { return HasStyle(Style::DefaultButton); }

  // Owner-drawn buttons: the handler paints the whole item rectangle.
  using DrawHandler = std::function<void(DrawingSurface& dc, const Rect& item)>;
  void SetDrawHandler(DrawHandler handler) { m_draw = std::move(handler); Invalidate(); }
  bool HasDrawHandler() const { return bool(m_draw); }
  // Called by the backend when the control must be painted.
  void Draw(DrawingSurface& dc);

  // A user click: toggles an auto check box, then dispatches the command.
  // Ignored when the button is hidden or disabled.
  void UserClick();

 private:
  int m_check = BST_UNCHECKED;
  DrawHandler m_draw;
};

}  // namespace ui
