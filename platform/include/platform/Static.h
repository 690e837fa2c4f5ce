// A static text (a label, or a value shown by the program).
#pragma once

#include "platform/Control.h"

namespace ui {

class Static : public Control {
 public:
  using Control::Control;
};

}  // namespace ui
