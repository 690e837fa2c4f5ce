// Base of every control of a window: identity, text, place, visibility and
// enabled state, held by the model whatever backend shows it. Changes are
// reported to the backend's peer, which updates the native control.
#pragma once

#include "platform/DialogTemplate.h"
#include "platform/Message.h"
#include "platform/Types.h"

#include <cstdint>
#include <functional>
#include <string>

namespace ui {

class Window;

// What changed in a control, for its peer.
enum class Aspect {
  Text, Visible, Enabled, Place, Check, ReadOnly, Items, Selection,
  Rows, Row, Columns, SortIndicator, Redraw, Focus, Time, Limit,
};

class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  // index: the row or item concerned (Row, Items), -1 when not applicable.
  virtual void Changed(Aspect aspect, int index) = 0;
};

class Control {
 public:
  Control(Window& parent, const ControlTemplate& tmpl, const Rect& rect);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  int GetDlgCtrlID() const { return m_id; }
  ControlKind GetKind() const { return m_kind; }
  std::uint32_t GetStyle() const { return m_style; }
  bool HasStyle(std::uint32_t flag) const { return (m_style & flag) != 0; }
  void ModifyStyle(std::uint32_t remove, std::uint32_t add);
  Window& GetParent() const { return m_parent; }

  virtual void SetWindowText(const std::string& text);
  virtual std::string GetWindowText() const { return m_text; }

  // The most characters the user may type or paste into an edit box or the
  // text of a combo box (0: no limit). Text set by code is not cut.
  void SetLimitText(int limit);
  int GetLimitText() const { return m_limit; }
  // What the control keeps of a text the user made of its own: the limit
  // holds what is typed or pasted (a paste is cut to the room left), while a
  // longer text set by code stays whole and may be shortened.
  std::string KeptOfUserText(const std::string& text) const;

  void ShowWindow(bool show);
  bool IsWindowVisible() const;   // shown and its window shown
  bool IsShown() const { return m_visible; }  // its own flag only
  void EnableWindow(bool enable);
  bool IsWindowEnabled() const { return m_enabled; }

  // Place in the parent window's client coordinates, in pixels.
  Rect GetRect() const { return m_rect; }
  void MoveWindow(const Rect& rect);
  void MoveWindow(int x, int y, int cx, int cy) { MoveWindow(Rect{x, y, x + cx, y + cy}); }
  Rect GetClientRect() const { return Rect{0, 0, m_rect.Width(), m_rect.Height()}; }

  void SetFocus();
  bool HasFocus() const;
  void Invalidate();  // repaint (owner-drawn controls are painted again)

  // Message reflection: a hook that sees the control's own notifications
  // before its parent window; returning true consumes the notification.
  using ReflectHook = std::function<bool(const NotifyInfo&)>;
  void SetReflectHook(ReflectHook hook) { m_reflect = std::move(hook); }

  // Sends a notification from this control: the reflect hook first, then the
  // parent window's handlers. Returns the notification's result.
  long Notify(NotifyInfo info);

  void SetPeer(ControlPeer* peer) { m_peer = peer; }
  ControlPeer* GetPeer() const { return m_peer; }

 protected:
  void Changed(Aspect aspect, int index = -1);
  std::string m_text;

 private:
  Window& m_parent;
  int m_id;
  ControlKind m_kind;
  std::uint32_t m_style;
  Rect m_rect;
  bool m_visible;
  bool m_enabled;
  ReflectHook m_reflect;
  int m_limit = 0;
  ControlPeer* m_peer = nullptr;
};

}  // namespace ui
