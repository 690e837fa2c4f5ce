#include "platform/Window.h"

#include "platform/Button.h"
#include "platform/ComboBox.h"
#include "platform/DateTimePicker.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/Static.h"
#include "platform/TabCtrl.h"
#include "platform/WebView.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace ui {

namespace {

std::unique_ptr<Control> MakeControl(Window& parent, const ControlTemplate& t, const Rect& r) {
  switch (t.kind) {
    case ControlKind::Static: return std::make_unique<Static>(parent, t, r);
    case ControlKind::Edit: return std::make_unique<Edit>(parent, t, r);
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::GroupBox:
    case ControlKind::OwnerDrawButton: return std::make_unique<Button>(parent, t, r);
    case ControlKind::ComboBox: return std::make_unique<ComboBox>(parent, t, r);
    case ControlKind::DateTimePicker: return std::make_unique<DateTimePicker>(parent, t, r);
    case ControlKind::ListView: return std::make_unique<ListView>(parent, t, r);
    case ControlKind::TabCtrl: return std::make_unique<TabCtrl>(parent, t, r);
    case ControlKind::WebView: return std::make_unique<WebView>(parent, t, r);
  }
  return std::make_unique<Static>(parent, t, r);
}

}  // namespace

Window::Window(const DialogTemplate& tmpl, Window* parent)
    : m_template(tmpl), m_parent(parent), m_caption(tmpl.caption) {}

Window::~Window() {
  for (Window* child : m_children) child->m_parent = nullptr;
  if (m_parent) {
    auto& siblings = m_parent->m_children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

Window& Window::GetTopLevel() {
  Window* w = this;
  while (w->IsChild() && w->m_parent) w = w->m_parent;
  return *w;
}

Control* Window::GetDlgItem(int id) const {
  auto it = m_byId.find(id);
  return it == m_byId.end() ? nullptr : it->second;
}

Edit* Window::GetEdit(int id) const { return Item<Edit>(id); }
Button* Window::GetButton(int id) const { return Item<Button>(id); }
ComboBox* Window::GetComboBox(int id) const { return Item<ComboBox>(id); }
ListView* Window::GetListView(int id) const { return Item<ListView>(id); }
TabCtrl* Window::GetTabCtrl(int id) const { return Item<TabCtrl>(id); }
DateTimePicker* Window::GetDateTimePicker(int id) const { return Item<DateTimePicker>(id); }
WebView* Window::GetWebView(int id) const { return Item<WebView>(id); }
Static* Window::GetStatic(int id) const { return Item<Static>(id); }

void Window::SetDlgItemText(int id, const std::string& text) {
  if (Control* c = GetDlgItem(id)) c->SetWindowText(text);
}

std::string Window::GetDlgItemText(int id) const {
  Control* c = GetDlgItem(id);
  return c ? c->GetWindowText() : std::string();
}

int Window::GetDlgItemInt(int id, bool* ok, bool isSigned) const {
  if (ok) *ok = false;
  Control* c = GetDlgItem(id);
  if (!c) return 0;
  const std::string text = c->GetWindowText();
  std::size_t i = 0, n = text.size();
  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (isSigned && i < n && text[i] == '-') { negative = true; ++i; }
  if (i >= n || !std::isdigit(static_cast<unsigned char>(text[i]))) return 0;
  long long value = 0;
  while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
    value = value * 10 + (text[i] - '0');
    if (value > (isSigned ? INT_MAX : (long long)UINT_MAX)) return 0;
    ++i;
  }
  while (i < n && text[i] == ' ') ++i;
  if (i != n) return 0;
  if (ok) *ok = true;
  return negative ? int(-value) : int(static_cast<unsigned>(value));
}

void Window::SetDlgItemInt(int id, int value, bool isSigned) {
  SetDlgItemText(id, isSigned ? std::to_string(value) : std::to_string(static_cast<unsigned>(value)));
}

void Window::CheckDlgButton(int id, int check) {
  if (Button* b = GetButton(id)) b->SetCheck(check);
}

int Window::IsDlgButtonChecked(int id) const {
  Button* b = GetButton(id);
  return b ? b->GetCheck() : 0;
}

void Window::SetIcon(const Image* icon) {
  m_icon = icon;
  Changed(WindowAspect::Icon);
}

void Static::SetIcon(const Image* icon) {
  m_icon = icon;
  Changed(Aspect::Redraw);
}

void Window::SetWindowText(const std::string& caption) {
  if (caption == m_caption) return;
  m_caption = caption;
  Changed(WindowAspect::Caption);
}

void Window::ShowWindow(bool show) {
  if (show == m_visible) return;
  m_visible = show;
  Changed(WindowAspect::Visible);
}

bool Window::IsWindowVisible() const {
  if (!m_created || !m_visible) return false;
  return !IsChild() || !m_parent || m_parent->IsWindowVisible();
}

void Window::MoveWindow(const Rect& rect) {
  Rect r = rect;
  if (!IsChild()) r = Rect{0, 0, rect.Width(), rect.Height()};
  bool resized = r.Width() != m_rect.Width() || r.Height() != m_rect.Height();
  if (r == m_rect) return;
  m_rect = r;
  m_clientSize = Size{r.Width(), r.Height()};
  Changed(WindowAspect::Place);
  if (resized && m_created) OnSize(m_clientSize.cx, m_clientSize.cy);
}

void Window::BringWindowToTop() { Changed(WindowAspect::ZOrder); }

void Window::Invalidate() {
  Changed(WindowAspect::Redraw);
  for (auto& c : m_controls) c->Invalidate();
}

Menu* Window::GetSystemMenu() {
  if (!m_sysMenu) m_sysMenu = std::make_unique<Menu>();
  return m_sysMenu.get();
}

Control* Window::GetFocus() const {
  const Window* w = this;
  while (w->IsChild() && w->m_parent) w = w->m_parent;
  return w->m_focus;
}

void Window::MapCommand(int id, std::function<void()> handler) { m_commands[id] = std::move(handler); }

void Window::MapNotify(int id, Notification code, std::function<void(const NotifyInfo&)> handler) {
  m_notifies[{id, code}] = std::move(handler);
}

void Window::MapUpdateCommandUI(int id, std::function<void(CmdUI&)> handler) {
  m_updates[id] = std::move(handler);
}

Menu* Window::MenuHolding(int id) const {
  if (m_menu && m_menu->FindItem(id)) return m_menu.get();
  return nullptr;
}

bool Window::UpdateCommandUI(int id) {
  auto it = m_updates.find(id);
  if (it == m_updates.end()) return true;
  CmdUI cmdUI(id, MenuHolding(id));
  auto handler = it->second;  // the handler may remap itself
  handler(cmdUI);
  return cmdUI.IsEnabled();
}

bool Window::SendCommand(int id) {
  if (!UpdateCommandUI(id)) return false;
  return SendControlCommand(id);
}

bool Window::SendControlCommand(int id) {
  if (OnCommand(id)) return true;
  OnUnhandledCommand(id);
  return false;
}

bool Window::OnCommand(int id) {
  auto it = m_commands.find(id);
  if (it == m_commands.end()) return false;
  auto handler = it->second;
  handler();
  return true;
}

void Window::OnUnhandledCommand(int) {}

long Window::SendNotify(const NotifyInfo& info) {
  auto it = m_notifies.find({info.idFrom, info.code});
  if (it == m_notifies.end()) return 0;
  auto handler = it->second;
  handler(info);
  return info.result;
}

void Window::SendClose() { OnClose(); }

void Window::OnSysCommand(int id) {
  if (id == SC_CLOSE) SendClose();
}

bool Window::PreTranslateMessage(const Message&) { return false; }

void Window::OnSize(int, int) {}

bool Window::PreTranslate(MessageKind kind, int key, bool ctrl, bool shift) {
  Message msg;
  msg.kind = kind;
  msg.key = key;
  msg.ctrlDown = ctrl;
  msg.shiftDown = shift;
  msg.target = GetFocus();
  msg.window = msg.target ? &msg.target->GetParent() : this;
  for (Window* w = msg.window; w; w = w->IsChild() ? w->m_parent : nullptr)
    if (w->PreTranslateMessage(msg)) return true;
  return false;
}

bool Window::DialogKeyDown(int vk) {
  Window& top = GetTopLevel();
  Control* focus = GetFocus();
  if (vk == VK_RETURN) {
    if (focus && focus->GetKind() == ControlKind::Edit && focus->HasStyle(Style::Multiline) &&
        focus->HasStyle(Style::WantReturn))
      return false;
    if (focus && focus->GetKind() == ControlKind::PushButton) {
      static_cast<Button*>(focus)->UserClick();
      return true;
    }
    for (auto& c : top.m_controls) {
      if (c->GetKind() == ControlKind::PushButton && c->HasStyle(Style::DefaultButton)) {
        if (c->IsWindowVisible() && c->IsWindowEnabled()) static_cast<Button*>(c.get())->UserClick();
        return true;
      }
    }
    top.SendControlCommand(IDOK);
    return true;
  }
  if (vk == VK_ESCAPE) {
    top.SendControlCommand(IDCANCEL);
    return true;
  }
  return false;
}

bool Window::UserKeyDown(int vk, bool ctrl, bool shift) {
  if (PreTranslate(MessageKind::KeyDown, vk, ctrl, shift)) return true;
  if (DialogKeyDown(vk)) return true;
  Control* focus = GetFocus();
  if (!focus) return false;
  if (auto* list = dynamic_cast<ListView*>(focus)) {
    if (vk == VK_UP || vk == VK_DOWN) {
      int row = list->GetNextSelectedItem();
      int next = row < 0 ? 0 : row + (vk == VK_DOWN ? 1 : -1);
      if (next >= 0 && next < list->GetItemCount()) list->UserSelect(next);
      return true;
    }
  }
  if (vk == VK_SPACE) {
    if (auto* button = dynamic_cast<Button*>(focus)) {
      button->UserClick();
      return true;
    }
  }
  return false;
}

bool Window::UserChar(int ch) {
  if (PreTranslate(MessageKind::Char, ch)) return true;
  Control* focus = GetFocus();
  if (auto* edit = dynamic_cast<Edit*>(focus)) edit->UserChar(ch);
  else if (auto* combo = dynamic_cast<ComboBox*>(focus)) combo->UserChar(ch);
  return false;
}

void Window::SetMinClientSize(Size size) {
  m_minClientSize = size;
  Changed(WindowAspect::MinSize);
  if (m_clientSize.cx < size.cx || m_clientSize.cy < size.cy)
    UserResize(std::max(m_clientSize.cx, size.cx), std::max(m_clientSize.cy, size.cy));
}

void Window::UserResize(int cx, int cy) {
  if (!IsChild()) {
    cx = std::max(cx, m_minClientSize.cx);
    cy = std::max(cy, m_minClientSize.cy);
  }
  m_clientSize = Size{cx, cy};
  if (!IsChild()) m_rect = Rect{0, 0, cx, cy};
  else m_rect = Rect{m_rect.left, m_rect.top, m_rect.left + cx, m_rect.top + cy};
  OnSize(cx, cy);
}

void Window::UserFocus(Control* control) { GetTopLevel().m_focus = control; }

void Window::BuildFromTemplate(const DialogUnits& units) {
  m_units = units;
  m_controls.clear();
  m_byId.clear();
  for (const ControlTemplate& t : m_template.controls) {
    Rect r = units.ToPixels(t.x, t.y, t.cx, t.cy);
    m_controls.push_back(MakeControl(*this, t, r));
    m_byId.emplace(t.id, m_controls.back().get());
  }
  m_clientSize = Size{units.ToPixelsX(m_template.cx), units.ToPixelsY(m_template.cy)};
  m_rect = Rect{0, 0, m_clientSize.cx, m_clientSize.cy};
  m_menu = m_template.menu ? std::make_unique<Menu>(*m_template.menu) : nullptr;
  m_caption = m_template.caption;
  m_focus = nullptr;
  m_created = true;
  if (IsChild()) {
    m_visible = (m_template.style & Style::Hidden) == 0;
    if (m_parent && std::find(m_parent->m_children.begin(), m_parent->m_children.end(), this) ==
                        m_parent->m_children.end())
      m_parent->m_children.push_back(this);
  } else {
    m_visible = false;
  }
}

void Window::InitDialog() {
  // The platform sends the first size change before the initialisation.
  OnSize(m_clientSize.cx, m_clientSize.cy);
  bool focusDefault = OnInitDialog();
  if (focusDefault && !GetFocus()) {
    for (auto& c : m_controls) {
      ControlKind k = c->GetKind();
      if (k != ControlKind::Static && k != ControlKind::GroupBox && c->IsShown() &&
          c->IsWindowEnabled()) {
        UserFocus(c.get());
        break;
      }
    }
  }
  if (!IsChild()) ShowWindow(true);
}

void Window::SetTimer(int id, int ms) {
  m_timers[id] = ms;
  Changed(WindowAspect::Timers);
}

void Window::KillTimer(int id) {
  if (m_timers.erase(id)) Changed(WindowAspect::Timers);
}

void Window::DestroyModel() {
  if (!m_created) return;
  OnDestroy();
  if (!m_timers.empty()) {
    m_timers.clear();
    Changed(WindowAspect::Timers);
  }
  for (Window* child : std::vector<Window*>(m_children)) child->DestroyModel();
  m_created = false;
  m_visible = false;
  if (GetTopLevel().m_focus && &GetTopLevel().m_focus->GetParent() == this) GetTopLevel().m_focus = nullptr;
  m_focus = nullptr;
  if (IsChild() && m_parent) {
    auto& siblings = m_parent->m_children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

void Window::SetClientSize(int cx, int cy) {
  m_clientSize = Size{cx, cy};
  if (!IsChild()) m_rect = Rect{0, 0, cx, cy};
  else m_rect = Rect{m_rect.left, m_rect.top, m_rect.left + cx, m_rect.top + cy};
}

void Window::SetParentWindow(Window* parent) {
  if (parent == m_parent) return;
  if (m_parent) {
    auto& siblings = m_parent->m_children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  m_parent = parent;
}

void Window::Changed(WindowAspect aspect) {
  if (m_peer) m_peer->Changed(aspect);
}

}  // namespace ui
