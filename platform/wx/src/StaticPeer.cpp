// Static texts and group boxes.
#include "Peers.h"

#include "DcSurface.h"
#include "Text1252.h"

#include "platform/Static.h"

#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace ui {
namespace wxb {

namespace {

long AlignStyle(const Control& c) {
  if (c.HasStyle(Style::Center)) return wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE;
  if (c.HasStyle(Style::Right)) return wxALIGN_RIGHT | wxST_NO_AUTORESIZE;
  return wxALIGN_LEFT | wxST_NO_AUTORESIZE;
}

}  // namespace

class StaticPeer : public NativeControl {
 public:
  StaticPeer(Control& model, wxWindow* parent)
      : NativeControl(model, new wxStaticText(parent, wxID_ANY, wxString(), wxDefaultPosition,
                                              wxDefaultSize, AlignStyle(model))) {
    Text()->SetLabelText(ToWx(model.GetWindowText()));
  }
  wxStaticText* Text() const { return static_cast<wxStaticText*>(m_native); }
  void Update(Aspect aspect, int) override {
    if (aspect == Aspect::Text) Text()->SetLabelText(ToWx(m_model->GetWindowText()));
  }
};

class GroupBoxPeer : public NativeControl {
 public:
  GroupBoxPeer(Control& model, wxWindow* parent)
      : NativeControl(model, new wxStaticBox(parent, wxID_ANY, ToWx(model.GetWindowText()))) {}
  void Update(Aspect aspect, int) override {
    if (aspect == Aspect::Text) m_native->SetLabel(ToWx(m_model->GetWindowText()));
  }
};

// A static with the icon style: the icon at its own size, like the platform.
class IconPeer : public NativeControl {
 public:
  IconPeer(Control& model, wxWindow* parent)
      : NativeControl(model, new wxStaticBitmap(parent, wxID_ANY, wxNullBitmap)) {
    Show();
  }
  void Update(Aspect aspect, int) override {
    if (aspect == Aspect::Redraw) Show();
  }

 private:
  void Show() {
    const Image* icon = static_cast<Static*>(m_model)->GetIcon();
    static_cast<wxStaticBitmap*>(m_native)->SetBitmap(icon ? ToBitmap(*icon) : wxNullBitmap);
  }
};

std::unique_ptr<NativeControl> MakeStaticPeer(Control& model, wxWindow* parent) {
  if (model.HasStyle(Style::Icon)) return std::make_unique<IconPeer>(model, parent);
  return std::make_unique<StaticPeer>(model, parent);
}

std::unique_ptr<NativeControl> MakeGroupBoxPeer(Control& model, wxWindow* parent) {
  return std::make_unique<GroupBoxPeer>(model, parent);
}

}  // namespace wxb
}  // namespace ui
