#include "WindowHost.h"

#include "DcSurface.h"
#include "Text1252.h"

#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/icon.h>
#include <wx/utils.h>

#include <algorithm>

namespace ui {
namespace wxb {

namespace {

long TopLevelStyle(const DialogTemplate& t) {
  long style = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX;
  if (t.style & Style::Resizable) style |= wxRESIZE_BORDER | wxMAXIMIZE_BOX;
  if (t.style & Style::MinimizeBox) style |= wxMINIMIZE_BOX;
  if (t.style & Style::MaximizeBox) style |= wxMAXIMIZE_BOX;
  return style;
}

// The platform's virtual key for a wx key code, 0 for keys no window uses.
int VirtualKey(int code) {
  if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return code;
  if (code >= 'a' && code <= 'z') return code - 32;
  switch (code) {
    case WXK_RETURN: case WXK_NUMPAD_ENTER: return VK_RETURN;
    case WXK_ESCAPE: return VK_ESCAPE;
    case WXK_CONTROL: return VK_CONTROL;
    case WXK_SHIFT: return VK_SHIFT;
    case WXK_ALT: return VK_MENU;
    case WXK_DELETE: case WXK_NUMPAD_DELETE: return VK_DELETE;
    case WXK_BACK: return VK_BACK;
    case WXK_TAB: return VK_TAB;
    case WXK_SPACE: return VK_SPACE;
    case WXK_LEFT: return VK_LEFT;
    case WXK_RIGHT: return VK_RIGHT;
    case WXK_UP: return VK_UP;
    case WXK_DOWN: return VK_DOWN;
    default: break;
  }
  if (code >= WXK_F1 && code <= WXK_F12) return VK_F1 + (code - WXK_F1);
  if (code > 32 && code < 128) return 0xDE;  // punctuation
  return 0;
}

// The font of the windows, which dialog units follow. Templates are laid
// out in the units of the Windows program's "MS Sans Serif" 8 (6 by 13
// pixels); the toolkit's sans font of that size gives 8 by 16, a main window
// of 1584 x 909 that no 1366 x 768 screen shows whole. One point smaller it
// gives 6 by 12: the windows fit, and every text keeps its control's room.
wxFont DialogFont(const DialogTemplate& t) {
  return wxFont(wxFontInfo(t.fontSize > 1 ? t.fontSize - 1 : 7).Family(wxFONTFAMILY_SWISS));
}

// The hosts running a modal loop, innermost last.
std::vector<WindowHost*>& ModalHosts() {
  static std::vector<WindowHost*> hosts;
  return hosts;
}

// The client panel owns the peers: they go after the native controls.
class ClientPanel : public wxPanel {
 public:
  ClientPanel(wxWindow* parent) : wxPanel(parent, wxID_ANY) {}
  ~ClientPanel() override {
    DestroyChildren();
    peers.clear();
  }
  std::vector<std::unique_ptr<NativeControl>> peers;
  std::unique_ptr<MenuBridge> menu;
};

}  // namespace

WindowHost::WindowHost(Window& model, wxTopLevelWindow* top, wxWindow* client)
    : m_model(model), m_top(top), m_client(client) {
  model.SetPeer(this);
}

WindowHost::~WindowHost() {
  *m_alive = false;
  if (m_model.GetPeer() == this) m_model.SetPeer(nullptr);
}

wxTopLevelWindow* WindowHost::InnermostModal() {
  return ModalHosts().empty() ? nullptr : ModalHosts().back()->TopLevel();
}

WindowHost* WindowHost::Of(Window* model) {
  return model ? dynamic_cast<WindowHost*>(model->GetPeer()) : nullptr;
}

WindowHost* WindowHost::CreateTopLevel(Dialog& model, wxWindow* parent) {
  const DialogTemplate& t = model.GetTemplate();
  wxTopLevelWindow* top;
  if (t.menu)
    top = new wxFrame(parent, wxID_ANY, ToWx(t.caption), wxDefaultPosition, wxDefaultSize, TopLevelStyle(t));
  else
    top = new wxDialog(parent, wxID_ANY, ToWx(t.caption), wxDefaultPosition, wxDefaultSize, TopLevelStyle(t));
  auto* client = new ClientPanel(top);
  top->SetFont(DialogFont(t));
  client->SetFont(top->GetFont());
  auto* host = new WindowHost(model, top, client);
  host->BindTopLevelEvents();
  return host;
}

WindowHost* WindowHost::CreateChild(Dialog& model, WindowHost& parent) {
  auto* panel = new ClientPanel(parent.Client());
  panel->Hide();
  return new WindowHost(model, nullptr, panel);
}

DialogUnits WindowHost::Units() const {
  wxSize base = m_client->ConvertDialogToPixels(wxSize(4, 8));
  return DialogUnits{base.x > 0 ? base.x : 6, base.y > 0 ? base.y : 13};
}

void WindowHost::CreateControls() {
  auto* panel = static_cast<ClientPanel*>(m_client);
  for (const auto& control : m_model.GetControls())
    panel->peers.push_back(NativeControl::Create(*control, m_client));
  if (m_top) {
    Rect client = m_model.GetClientRect();
    if (m_model.GetMenu()) {
      panel->menu = std::make_unique<MenuBridge>(*m_model.GetMenu());
      static_cast<wxFrame*>(m_top)->SetMenuBar(panel->menu->BuildMenuBar());
    }
    m_top->SetClientSize(client.Width(), client.Height());
    m_client->SetSize(0, 0, client.Width(), client.Height());
    m_top->Centre();
  } else {
    Rect r = m_model.GetWindowRect();
    m_client->SetSize(r.left, r.top, std::max(0, r.Width()), std::max(0, r.Height()),
                      wxSIZE_ALLOW_MINUS_ONE);
  }
}

bool WindowHost::MenuOpen() const {
  return m_menusOpen > 0 || (MenuBar() && MenuBar()->BarActive());
}

MenuBridge* WindowHost::MenuBar() const { return static_cast<ClientPanel*>(m_client)->menu.get(); }

template <class Event, class Handler>
void WindowHost::BindWhileAlive(const wxEventTypeTag<Event>& type, Handler handler) {
  m_top->Bind(type, [alive = m_alive, host = this, handler](Event& e) {
    if (*alive) handler(*host, e);
    else e.Skip();
  });
}

void WindowHost::BindTopLevelEvents() {
  // Key-downs are seen before any control: the model's windows may consume them.
  // While a menu is open its keys are its own: the Escape that closes it must
  // not reach the window (where it would go on to close the window).
  BindWhileAlive(wxEVT_MENU_OPEN, [](WindowHost& host, wxMenuEvent& e) {
    ++host.m_menusOpen;
    e.Skip();
  });
  BindWhileAlive(wxEVT_MENU_CLOSE, [](WindowHost& host, wxMenuEvent& e) {
    if (host.m_menusOpen > 0) --host.m_menusOpen;
    e.Skip();
  });
  BindWhileAlive(wxEVT_CHAR_HOOK, [](WindowHost& host, wxKeyEvent& e) {
    Window& model = host.m_model;
    int vk = VirtualKey(e.GetKeyCode());
    if (vk == 0 || !model.IsCreated() || host.MenuOpen()) {
      e.Skip();
      return;
    }
    if (model.PreTranslate(MessageKind::KeyDown, vk, e.ControlDown(), e.ShiftDown())) return;
    if ((vk == VK_RETURN || vk == VK_ESCAPE) && model.DialogKeyDown(vk)) return;
    e.Skip();
  });
  BindWhileAlive(wxEVT_MENU, [](WindowHost& host, wxCommandEvent& e) {
    MenuBridge* bar = host.MenuBar();
    int command = bar ? bar->CommandOf(e.GetId()) : 0;
    if (command == 0 || !host.m_model.IsCreated()) {
      e.Skip();
      return;
    }
    // GTK has ticked or cleared a check item already: the model decides.
    bar->SyncChecks();
    auto alive = host.AliveFlag();
    host.m_model.UserMenuCommand(command);
    if (*alive && host.MenuBar()) host.MenuBar()->SyncChecks();
  });
  BindWhileAlive(wxEVT_CLOSE_WINDOW, [](WindowHost& host, wxCloseEvent& e) {
    if (host.m_model.IsCreated() && !host.m_endRequested) host.m_model.SendClose();
    if (!host.m_endRequested && e.CanVeto()) e.Veto();
  });
  BindWhileAlive(wxEVT_SIZE, [](WindowHost& host, wxSizeEvent& e) {
    e.Skip();
    if (!host.m_model.IsCreated()) return;
    host.ApplyMinSize();
    wxSize size = host.m_top->GetClientSize();
    host.m_client->SetSize(0, 0, size.x, size.y);
    Rect now = host.m_model.GetClientRect();
    if (size.x != now.Width() || size.y != now.Height()) host.m_model.UserResize(size.x, size.y);
  });
  BindWhileAlive(wxEVT_MOVE, [](WindowHost& host, wxMoveEvent& e) {
    e.Skip();
    if (host.m_model.IsCreated()) host.m_model.UserMove();
  });
}

void WindowHost::RunModal() {
  if (m_endRequested) return;
  wxGUIEventLoop loop;
  m_loop = &loop;
  ModalHosts().push_back(this);
  {
    wxWindowDisabler disabler(m_top);
    m_top->Show();
    m_top->Raise();
    loop.Run();
  }
  ModalHosts().pop_back();
  m_loop = nullptr;
  m_top->Hide();
}

void WindowHost::EndModal() {
  m_endRequested = true;
  if (m_loop) m_loop->ScheduleExit(0);
}

void WindowHost::DetachTree() {
  for (Window* child : m_model.GetChildWindows())
    if (WindowHost* host = Of(child)) {
      host->DetachTree();
      delete host;  // its native panel goes with ours
    }
  auto* panel = static_cast<ClientPanel*>(m_client);
  for (auto& peer : panel->peers) peer->Detach();
  panel->menu.reset();
  m_timers.clear();
  m_model.SetPeer(nullptr);
}

void WindowHost::SyncTimers() {
  const auto& wanted = m_model.GetTimers();
  // Stopped, not deleted: a handler may kill the timer that is calling it.
  for (auto& [id, timer] : m_timers)
    if (!wanted.count(id)) timer->Stop();
  for (const auto& [id, ms] : wanted) {
    auto& timer = m_timers[id];
    if (!timer) {
      timer = std::make_unique<wxTimer>();
      timer->Bind(wxEVT_TIMER, [this, id = id](wxTimerEvent&) {
        if (m_model.IsCreated() && m_model.GetTimers().count(id)) m_model.OnTimer(id);
      });
    }
    timer->Start(ms);
  }
}

void WindowHost::Destroy() {
  DetachTree();
  if (m_top) m_top->Destroy();
  else m_client->Destroy();
  delete this;
}

void WindowHost::ApplyMinSize() {
  if (!m_top) return;
  // The toolkit keeps the minimum as a size of the whole window, worked out
  // from the frame it knows of at the time; the window manager's frame is
  // known only once the window is shown, and the same minimum then left the
  // client area a few pixels short of it. Given again as soon as it drifts.
  const Size min = m_model.GetMinClientSize();
  if (min.cx <= 0 && min.cy <= 0) return;
  const wxSize wanted(min.cx, min.cy);
  if (m_top->GetMinClientSize() != wanted) m_top->SetMinClientSize(wanted);
}

void WindowHost::Changed(WindowAspect aspect) {
  switch (aspect) {
    case WindowAspect::Caption:
      if (m_top) m_top->SetTitle(ToWx(m_model.GetWindowText()));
      break;
    case WindowAspect::Visible:
      if (!m_top) m_client->Show(m_model.IsShown());
      break;
    case WindowAspect::Place: {
      Rect r = m_model.GetWindowRect();
      if (m_top) m_top->SetClientSize(r.Width(), r.Height());
      else m_client->SetSize(r.left, r.top, std::max(0, r.Width()), std::max(0, r.Height()),
                             wxSIZE_ALLOW_MINUS_ONE);
      break;
    }
    case WindowAspect::ZOrder: m_client->Raise(); break;
    case WindowAspect::MinSize: ApplyMinSize(); break;
    case WindowAspect::Redraw: m_client->Refresh(); break;
    case WindowAspect::Timers: SyncTimers(); break;
    case WindowAspect::Icon:
      if (m_top) {
        wxIcon icon;
        if (m_model.GetIcon()) icon.CopyFromBitmap(ToBitmap(*m_model.GetIcon()));
        m_top->SetIcon(icon);
      }
      break;
    case WindowAspect::Focus:
    case WindowAspect::Menu: break;
  }
}

}  // namespace wxb
}  // namespace ui
