// A static text (a label, or a value shown by the program), or with
// Style::Icon a picture of an icon given by the program.
#pragma once

#include "platform/Control.h"
#include "platform/Image.h"

namespace ui {

class Static : public Control {
 public:
  using Control::Control;
  // The icon shown by a static with Style::Icon (not owned: icons are
  // resources that outlive every window); null shows nothing.
  void SetIcon(const Image* icon);
  const Image* GetIcon() const { return m_icon; }

 private:
  const Image* m_icon = nullptr;
};

}  // namespace ui
