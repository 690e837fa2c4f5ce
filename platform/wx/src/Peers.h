// The native side of each control kind: a peer creates the wx control, pushes
// the model's changes into it and feeds the user's input back to the model.
#pragma once

#include "platform/Control.h"

#include <wx/window.h>

#include <memory>

namespace ui {
class Window;
namespace wxb {

// Places a native control where its model says. A combo box's template
// height includes its dropped-down list, as on Windows: the closed control
// keeps its own height.
void PlaceNative(const Control& model, wxWindow* native);

// The native box's own limit: the model's, or the length of a longer text
// set by code, which GTK would otherwise refuse whole (an empty box).
void ApplyLimit(class wxTextEntry& entry, int limit, std::size_t length);

class NativeControl : public ControlPeer {
 public:
  NativeControl(Control& model, wxWindow* native);
  ~NativeControl() override;

  void Changed(Aspect aspect, int index) override;
  // The model goes away: the peer ignores native events from now on.
  virtual void Detach();
  Control* Model() const { return m_model; }
  wxWindow* Native() const { return m_native; }

  // Creates the peer and native control for a model control inside parent.
  static std::unique_ptr<NativeControl> Create(Control& model, wxWindow* parent);

 protected:
  // Kind-specific changes; common ones (visibility, place...) are done here.
  virtual void Update(Aspect aspect, int index) = 0;
  // Keyboard characters typed into text fields: offered to the window's
  // PreTranslateMessage, then to the model's filter. Returns true to let the
  // native control take the character.
  bool LetCharThrough(int ch);
  void BindCommonEvents();
  void BindCharFilter();

  Control* m_model;
  wxWindow* m_native;
  bool m_pushing = false;  // a model change is being pushed: ignore echoes
};

struct PushGuard {
  explicit PushGuard(bool& flag) : m_flag(flag), m_old(flag) { m_flag = true; }
  ~PushGuard() { m_flag = m_old; }
  bool& m_flag;
  bool m_old;
};

}  // namespace wxb
}  // namespace ui
