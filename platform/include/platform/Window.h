// A window built from a dialog template: its controls (by id), its menu, and
// its message table (the handlers it maps for commands, notifications and
// command updates). Backends create the window, feed user input into it and
// show what it holds; application windows derive from Dialog.
#pragma once

#include "platform/Control.h"
#include "platform/DialogTemplate.h"
#include "platform/Image.h"
#include "platform/Menu.h"
#include "platform/Message.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace ui {

class Button;
class ComboBox;
class DateTimePicker;
class Edit;
class ListView;
class Static;
class TabCtrl;
class WebView;

enum class WindowAspect { Caption, Visible, Place, Menu, Focus, Redraw, ZOrder, MinSize, Timers, Icon };

class WindowPeer {
 public:
  virtual ~WindowPeer() = default;
  virtual void Changed(WindowAspect aspect) = 0;
};

class Window {
 public:
  Window(const DialogTemplate& tmpl, Window* parent);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const DialogTemplate& GetTemplate() const { return m_template; }
  int GetTemplateId() const { return m_template.id; }
  Window* GetParent() const { return m_parent; }
  bool IsChild() const { return (m_template.style & Style::Child) != 0; }
  // The top-level window this one belongs to (itself unless a child dialog).
  Window& GetTopLevel();
  const std::vector<Window*>& GetChildWindows() const { return m_children; }
  bool IsCreated() const { return m_created; }

  // ---- Controls, by id ----
  Control* GetDlgItem(int id) const;
  template <class T> T* Item(int id) const { return dynamic_cast<T*>(GetDlgItem(id)); }
  Edit* GetEdit(int id) const;
  Button* GetButton(int id) const;
  ComboBox* GetComboBox(int id) const;
  ListView* GetListView(int id) const;
  TabCtrl* GetTabCtrl(int id) const;
  DateTimePicker* GetDateTimePicker(int id) const;
  WebView* GetWebView(int id) const;
  Static* GetStatic(int id) const;
  const std::vector<std::unique_ptr<Control>>& GetControls() const { return m_controls; }

  void SetDlgItemText(int id, const std::string& text);
  std::string GetDlgItemText(int id) const;
  // Like the platform: optional sign, decimal digits; ok is false when the
  // text does not start with a number (the result is then 0).
  int GetDlgItemInt(int id, bool* ok = nullptr, bool isSigned = true) const;
  void SetDlgItemInt(int id, int value, bool isSigned = true);
  void CheckDlgButton(int id, int check);
  int IsDlgButtonChecked(int id) const;

  // ---- The window itself ----
  void SetWindowText(const std::string& caption);
  std::string GetWindowText() const { return m_caption; }
  void ShowWindow(bool show);
  bool IsWindowVisible() const;   // shown, and its parent too for a child dialog
  bool IsShown() const { return m_visible; }  // its own flag only
  Rect GetClientRect() const { return Rect{0, 0, m_clientSize.cx, m_clientSize.cy}; }
  // Place: in the parent's client coordinates for a child dialog; for a
  // top-level window its client area at (0, 0).
  Rect GetWindowRect() const { return m_rect; }
  // Moves a child dialog (a size change sends OnSize), resizes a top-level one.
  void MoveWindow(const Rect& rect);
  void MoveWindow(int x, int y, int cx, int cy) { MoveWindow(Rect{x, y, x + cx, y + cy}); }
  void BringWindowToTop();
  void Invalidate();
  // The smallest client area the user can give a resizable top-level window
  // (the window manager keeps to it; a user's resize below it stops there).
  void SetMinClientSize(Size size);
  Size GetMinClientSize() const { return m_minClientSize; }
  Menu* GetMenu() const { return m_menu.get(); }
  // The window's icon (caption, task bar); not owned, like a resource.
  void SetIcon(const Image* icon);
  const Image* GetIcon() const { return m_icon; }
  // The window menu (system menu); created on first use.
  Menu* GetSystemMenu();
  Control* GetFocus() const;      // focused control of this window's top-level window
  const DialogUnits& GetDialogUnits() const { return m_units; }
  // Dialog units to pixels with this window's font.
  Rect MapDialogRect(int x, int y, int cx, int cy) const { return m_units.ToPixels(x, y, cx, cy); }

  // ---- Timers ----
  // The platform's window timers: OnTimer(id) every `ms` milliseconds, on
  // the user-interface thread, until KillTimer (setting an id again restarts
  // it). A window that is destroyed loses its timers.
  void SetTimer(int id, int ms);
  void KillTimer(int id);
  const std::map<int, int>& GetTimers() const { return m_timers; }

  // ---- The message table ----
  // Handlers for commands (menu items, buttons, accelerators), control
  // notifications and command updates, mapped by id (usually in the
  // constructor of the derived window).
  void MapCommand(int id, std::function<void()> handler);
  void MapNotify(int id, Notification code, std::function<void(const NotifyInfo&)> handler);
  void MapUpdateCommandUI(int id, std::function<void(CmdUI&)> handler);
  template <class T> void MapCommand(int id, void (T::*fn)()) {
    MapCommand(id, [this, fn] { (static_cast<T*>(this)->*fn)(); });
  }
  template <class T> void MapNotify(int id, Notification code, void (T::*fn)(const NotifyInfo&)) {
    MapNotify(id, code, [this, fn](const NotifyInfo& n) { (static_cast<T*>(this)->*fn)(n); });
  }
  template <class T> void MapNotify(int id, Notification code, void (T::*fn)()) {
    MapNotify(id, code, [this, fn](const NotifyInfo&) { (static_cast<T*>(this)->*fn)(); });
  }
  template <class T> void MapUpdateCommandUI(int id, void (T::*fn)(CmdUI&)) {
    MapUpdateCommandUI(id, [this, fn](CmdUI& ui) { (static_cast<T*>(this)->*fn)(ui); });
  }

  // ---- Dispatch ----
  // A command from a menu, an accelerator or code (WM_COMMAND without a
  // control): runs the update handler first; a disabled item does nothing.
  // Returns true when a handler ran.
  bool SendCommand(int id);
  // A command from a control (a button click): no update check.
  bool SendControlCommand(int id);
  // A notification from one of this window's controls.
  long SendNotify(const NotifyInfo& info);
  // Runs the update handler of a command; returns whether it stays enabled.
  bool UpdateCommandUI(int id);
  // The close request (close box, Alt+F4, or code): calls OnClose.
  void SendClose();
  void SendSysCommand(int id) { OnSysCommand(id); }

  // ---- Overridables ----
  // Called once the controls exist, before the window is first shown.
  virtual bool OnInitDialog() { return true; }
  // Sees keyboard messages before they are dispatched; true consumes them.
  virtual bool PreTranslateMessage(const Message& msg);
  virtual void OnSize(int cx, int cy);
  virtual void OnMove() {}
  virtual void OnClose() {}
  virtual void OnSysCommand(int id);
  virtual void OnDestroy() {}
  virtual void OnTimer(int /*id*/) {}
  // A command no handler took (default: nothing).
  virtual void OnUnhandledCommand(int id);

  // ---- User input (backends and tests) ----
  // Offers a keyboard message for the focused control (or this window) to
  // PreTranslateMessage of its window, then of each parent up to the
  // top-level window. Returns true when one consumed it.
  bool PreTranslate(MessageKind kind, int key, bool ctrl = false, bool shift = false);
  // The dialog manager's processing of a key-down nobody consumed: Return
  // presses the default button (or sends IDOK), except in a multi-line edit
  // that wants Return; Escape sends IDCANCEL. Returns true when it took the
  // key (no character follows).
  bool DialogKeyDown(int vk);
  // A key-down as the user presses it: PreTranslate, then DialogKeyDown,
  // then (headless) arrows move a focused list's selection and Space clicks a
  // focused button. Returns true when no character should follow.
  bool UserKeyDown(int vk, bool ctrl = false, bool shift = false);
  bool UserKeyUp(int vk) { return PreTranslate(MessageKind::KeyUp, vk); }
  // A character for the focused control, after a key-down that was let
  // through: PreTranslate, then the control takes it. Returns true when a
  // window consumed it.
  bool UserChar(int ch);
  void UserResize(int cx, int cy);
  void UserMove() { OnMove(); }
  void UserFocus(Control* control);
  // Chooses a command of the menu bar or of a context menu.
  bool UserMenuCommand(int id) { return SendCommand(id); }

  // ---- Backend side ----
  // Builds the controls from the template with the given dialog units.
  void BuildFromTemplate(const DialogUnits& units);
  // Calls OnInitDialog; backends call it once the native window exists.
  void InitDialog();
  // Marks the window destroyed (OnDestroy); controls keep their last state.
  void DestroyModel();
  void SetPeer(WindowPeer* peer) { m_peer = peer; }
  WindowPeer* GetPeer() const { return m_peer; }
  // Client size set by the backend without sending OnSize.
  void SetClientSize(int cx, int cy);

 protected:
  virtual bool OnCommand(int id);  // default: the mapped handler, else false
  void SetParentWindow(Window* parent);
  void Changed(WindowAspect aspect);

 private:
  friend class Control;
  Menu* MenuHolding(int id) const;

  const DialogTemplate& m_template;
  Window* m_parent;
  std::vector<Window*> m_children;
  std::vector<std::unique_ptr<Control>> m_controls;
  std::map<int, Control*> m_byId;
  std::unique_ptr<Menu> m_menu;
  std::unique_ptr<Menu> m_sysMenu;
  std::string m_caption;
  const Image* m_icon = nullptr;
  DialogUnits m_units;
  Size m_clientSize;
  Size m_minClientSize{0, 0};
  Rect m_rect;
  bool m_visible = false;
  bool m_created = false;
  Control* m_focus = nullptr;
  WindowPeer* m_peer = nullptr;
  std::map<int, std::function<void()>> m_commands;
  std::map<std::pair<int, Notification>, std::function<void(const NotifyInfo&)>> m_notifies;
  std::map<int, std::function<void(CmdUI&)>> m_updates;
  std::map<int, int> m_timers;  // id -> period in milliseconds
};

}  // namespace ui
