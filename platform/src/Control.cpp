#include "platform/Control.h"

#include "platform/Window.h"

namespace ui {

Control::Control(Window& parent, const ControlTemplate& tmpl, const Rect& rect)
    : m_text(tmpl.text),
      m_parent(parent),
      m_id(tmpl.id),
      m_kind(tmpl.kind),
      m_style(tmpl.style),
      m_rect(rect),
      m_visible((tmpl.style & Style::Hidden) == 0),
      m_enabled((tmpl.style & Style::Disabled) == 0) {}

Control::~Control() = default;

void Control::ModifyStyle(std::uint32_t remove, std::uint32_t add) {
  m_style = (m_style & ~remove) | add;
  Changed(Aspect::Redraw);
}

void Control::SetWindowText(const std::string& text) {
  if (text == m_text) return;
  m_text = text;
  Changed(Aspect::Text);
}

std::string Control::KeptOfUserText(const std::string& text) const {
  const std::size_t limit = m_limit > 0 ? std::size_t(m_limit) : 0;
  if (limit == 0 || text.size() <= limit || text.size() <= m_text.size()) return text;
  if (m_text.size() >= limit) return m_text;  // no room left: nothing is added
  return text.substr(0, limit);
}

void Control::SetLimitText(int limit) {
  m_limit = limit < 0 ? 0 : limit;
  Changed(Aspect::Limit);
}

void Control::ShowWindow(bool show) {
  if (m_visible == show) return;
  m_visible = show;
  Changed(Aspect::Visible);
}

bool Control::IsWindowVisible() const { return m_visible && m_parent.IsWindowVisible(); }

void Control::EnableWindow(bool enable) {
  if (m_enabled == enable) return;
  m_enabled = enable;
  Changed(Aspect::Enabled);
}

void Control::MoveWindow(const Rect& rect) {
  if (rect == m_rect) return;
  m_rect = rect;
  Changed(Aspect::Place);
}

void Control::SetFocus() { m_parent.UserFocus(this); Changed(Aspect::Focus); }

bool Control::HasFocus() const { return m_parent.GetFocus() == this; }

void Control::Invalidate() { Changed(Aspect::Redraw); }

long Control::Notify(NotifyInfo info) {
  info.idFrom = m_id;
  info.control = this;
  if (m_reflect && m_reflect(info)) return info.result;
  return m_parent.SendNotify(info);
}

void Control::Changed(Aspect aspect, int index) {
  if (m_peer) m_peer->Changed(aspect, index);
}

int Message::GetDlgCtrlID() const { return target ? target->GetDlgCtrlID() : 0; }

}  // namespace ui
