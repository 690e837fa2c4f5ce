// The native side of a model window: a top-level frame or dialog (run
// modally), or a panel for a child dialog, with one peer per control.
#pragma once

#include "MenuBridge.h"
#include "Peers.h"
#include "platform/Dialog.h"
#include "platform/Window.h"

#include <wx/evtloop.h>
#include <wx/panel.h>
#include <wx/timer.h>
#include <wx/toplevel.h>

#include <map>
#include <memory>
#include <vector>

namespace ui {
namespace wxb {

class WindowHost : public WindowPeer {
 public:
  // Top-level: a frame when the template has a menu (a dialog cannot carry
  // one), a dialog otherwise. parent: the owner's native window, or null.
  static WindowHost* CreateTopLevel(Dialog& model, wxWindow* parent);
  // A child dialog inside its parent's client panel.
  static WindowHost* CreateChild(Dialog& model, WindowHost& parent);
  static WindowHost* Of(Window* model);
  // The top-level window whose modal loop runs innermost now, or null: the
  // owner of a message box or file dialog asked for without one, so that the
  // window manager keeps it above that window and gives it the focus back.
  static wxTopLevelWindow* InnermostModal();

  ~WindowHost() override;

  // Dialog units of the native font, then the native controls.
  DialogUnits Units() const;
  void CreateControls();
  // Shows the window and runs its modal loop until EndModal.
  void RunModal();
  void EndModal();
  // Detaches the peers (its own and its child dialogs'), destroys the native
  // window and deletes the hosts.
  void Destroy();

  void Changed(WindowAspect aspect) override;
  // Cut when the host goes: a callback queued for later holds a copy and
  // checks it before touching the host or its model.
  std::shared_ptr<const bool> AliveFlag() const { return m_alive; }
  wxWindow* Client() const { return m_client; }
  wxTopLevelWindow* TopLevel() const { return m_top; }
  MenuBridge* MenuBar() const;
  Window& Model() const { return m_model; }

 private:
  WindowHost(Window& model, wxTopLevelWindow* top, wxWindow* client);
  void BindTopLevelEvents();
  // Binds a handler of the native top-level window that runs only while this
  // host lives. The toolkit destroys a top-level window later than Destroy
  // (at idle time), and until then the window manager's configure, focus and
  // close events still reach it: they must find no freed host.
  template <class Event, class Handler>
  void BindWhileAlive(const wxEventTypeTag<Event>& type, Handler handler);
  void DetachTree();
  void ApplyMinSize();
  void SyncTimers();

  Window& m_model;
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
  wxTopLevelWindow* m_top;  // null for a child dialog
  wxWindow* m_client;       // where the controls live
  wxGUIEventLoop* m_loop = nullptr;
  bool m_endRequested = false;
  std::map<int, std::unique_ptr<wxTimer>> m_timers;  // by the model's timer id
 public:
  // A menu of the bar is open, or the user is in the bar: the keys are the bar's.
  bool MenuOpen() const;

 private:
  int m_menusOpen = 0;  // menus of the menu bar shown now: their keys are theirs
};

}  // namespace wxb
}  // namespace ui
