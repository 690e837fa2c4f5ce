#include "platform/DialogTemplate.h"

namespace ui {

const ControlTemplate* DialogTemplate::Find(int controlId) const {
  for (const ControlTemplate& c : controls)
    if (c.id == controlId) return &c;
  return nullptr;
}

}  // namespace ui
