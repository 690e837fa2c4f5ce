#include "Peers.h"

#include "platform/Button.h"
#include "platform/ComboBox.h"
#include "platform/DateTimePicker.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/TabCtrl.h"
#include "platform/WebView.h"

namespace ui {
namespace wxb {

std::unique_ptr<NativeControl> MakeStaticPeer(Control& model, wxWindow* parent);
std::unique_ptr<NativeControl> MakeGroupBoxPeer(Control& model, wxWindow* parent);
std::unique_ptr<NativeControl> MakeEditPeer(Edit& model, wxWindow* parent);
std::unique_ptr<NativeControl> MakeButtonPeer(Button& model, wxWindow* parent);
std::unique_ptr<NativeControl> MakeCheckBoxPeer(Button& model, wxWindow* parent);
std::unique_ptr<NativeControl> MakeOwnerDrawPeer(Button& model, wxWindow* parent);
std::unique_ptr<NativeControl> MakeComboPeer(ComboBox& model, wxWindow* parent);
std::unique_ptr<NativeControl> MakeDatePeer(DateTimePicker& model, wxWindow* parent);
std::unique_ptr<NativeControl> MakeListPeer(ListView& model, wxWindow* parent);
std::unique_ptr<NativeControl> MakeTabPeer(TabCtrl& model, wxWindow* parent);
std::unique_ptr<NativeControl> MakeWebPeer(WebView& model, wxWindow* parent);

std::unique_ptr<NativeControl> NativeControl::Create(Control& model, wxWindow* parent) {
  std::unique_ptr<NativeControl> peer;
  switch (model.GetKind()) {
    case ControlKind::Static: peer = MakeStaticPeer(model, parent); break;
    case ControlKind::GroupBox: peer = MakeGroupBoxPeer(model, parent); break;
    case ControlKind::Edit: peer = MakeEditPeer(static_cast<Edit&>(model), parent); break;
    case ControlKind::PushButton: peer = MakeButtonPeer(static_cast<Button&>(model), parent); break;
    case ControlKind::CheckBox: peer = MakeCheckBoxPeer(static_cast<Button&>(model), parent); break;
    case ControlKind::OwnerDrawButton: peer = MakeOwnerDrawPeer(static_cast<Button&>(model), parent); break;
    case ControlKind::ComboBox: peer = MakeComboPeer(static_cast<ComboBox&>(model), parent); break;
    case ControlKind::DateTimePicker: peer = MakeDatePeer(static_cast<DateTimePicker&>(model), parent); break;
    case ControlKind::ListView: peer = MakeListPeer(static_cast<ListView&>(model), parent); break;
    case ControlKind::TabCtrl: peer = MakeTabPeer(static_cast<TabCtrl&>(model), parent); break;
    case ControlKind::WebView: peer = MakeWebPeer(static_cast<WebView&>(model), parent); break;
  }
  wxWindow* native = peer->Native();
  PlaceNative(model, native);
  native->Show(model.IsShown());
  native->Enable(model.IsWindowEnabled());
  return peer;
}

}  // namespace wxb
}  // namespace ui
