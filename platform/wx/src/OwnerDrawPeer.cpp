// Owner-drawn buttons (picture frames): painted by the model's draw handler.
#include "Peers.h"

#include "DcSurface.h"
#include "platform/Button.h"

#include <wx/dcclient.h>

namespace ui {
namespace wxb {

class OwnerDrawPeer : public NativeControl {
 public:
  OwnerDrawPeer(Button& model, wxWindow* parent)
      : NativeControl(model, new wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                          wxFULL_REPAINT_ON_RESIZE | wxBORDER_NONE)),
        m_button(model) {
    m_native->SetBackgroundStyle(wxBG_STYLE_PAINT);
    BindCommonEvents();
    m_native->Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
      wxPaintDC dc(m_native);
      dc.SetBackground(wxBrush(m_native->GetParent()->GetBackgroundColour()));
      dc.Clear();
      if (!m_model) return;
      DcSurface surface(dc, false);
      m_button.Draw(surface);
    });
    m_native->Bind(wxEVT_LEFT_UP, [this](wxMouseEvent&) {
      if (m_model) m_button.UserClick();
    });
  }
  void Update(Aspect aspect, int) override {
    if (aspect == Aspect::Text || aspect == Aspect::Redraw) m_native->Refresh();
  }

 private:
  Button& m_button;
};

std::unique_ptr<NativeControl> MakeOwnerDrawPeer(Button& model, wxWindow* parent) {
  return std::make_unique<OwnerDrawPeer>(model, parent);
}

}  // namespace wxb
}  // namespace ui
