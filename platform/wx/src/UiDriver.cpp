#include "platform/wx/UiDriver.h"

#include "GtkStyle.h"
#include "Peers.h"
#include "Text1252.h"
#include "WebEngine.h"
#include "WindowHost.h"
#include "WxBackend.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/combobox.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/checkbox.h>
#include <wx/clipbrd.h>
#include <wx/statbox.h>
#include <wx/display.h>
#include <wx/dcclient.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace ui {
namespace wxb {

namespace {

wxWindow* NativeOf(Control& control) {
  auto* peer = dynamic_cast<NativeControl*>(control.GetPeer());
  return peer ? peer->Native() : nullptr;
}

wxListCtrl* NativeList(ListView& list) { return dynamic_cast<wxListCtrl*>(NativeOf(list)); }

// Whether keys typed now go to w: its window is the active one (a window
// manager gives the focus to a new window some time after it is mapped) and
// the keyboard focus is in w.
bool HasKeyboardFocus(wxWindow* w) {
  wxWindow* focus = wxWindow::FindFocus();
  auto* top = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(w));
  return focus && (focus == w || w->IsDescendant(focus)) && top && top->IsActive();
}

// A click at a point of w (its client coordinates), once the window manager
// has placed and activated w's window: it may move a window it has just
// mapped, and a place computed before would miss.
void ClickOnScreen(const wxPoint& screen) {
  wxUIActionSimulator sim;
  sim.MouseMove(screen);
  UiDriver::WaitUntil([&] { return wxGetMousePosition() == screen; }, 1000);
  sim.MouseClick();
}

void ClickAt(wxWindow* w, const wxPoint& local) {
  if (auto* top = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(w)))
    UiDriver::WaitUntil([top] { return top->IsShownOnScreen() && top->IsActive(); }, 3000);
  ClickOnScreen(w->ClientToScreen(local));
}

// The centre of a GTK widget on the screen, once it is shown there.
bool WidgetCentre(void* widget, wxPoint& centre, int timeoutMs) {
  int x = 0, y = 0, width = 0, height = 0;
  const bool shown = UiDriver::WaitUntil(
      [&] { return WidgetScreenRect(widget, x, y, width, height) && width > 0 && height > 0; },
      timeoutMs);
  centre = wxPoint(x + width / 2, y + height / 2);
  return shown;
}

}  // namespace

bool UiDriver::WindowManagerRunning() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return false;
  bool running = false;
  Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (check != None &&
      XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type,
                         &format, &count, &after, &data) == Success) {
    running = type == XA_WINDOW && count == 1;
    if (data) XFree(data);
  }
  XCloseDisplay(display);
  return running;
}

void UiDriver::WhenShown(std::function<void(Window&)> step) {
  WxBackend* backend = WxBackend::Instance();
  if (!backend) {
    // The backend registers itself at its first window; until then use the installed one.
    backend = dynamic_cast<WxBackend*>(&CurrentBackend());
  }
  if (!step) {
    backend->onWindowShown = nullptr;
    return;
  }
  auto shared = std::make_shared<std::function<void(Window&)>>(std::move(step));
  backend->onWindowShown = [backend, shared](Window& w) {
    backend->onWindowShown = nullptr;  // once
    // As a user would: once the window manager has shown the window and given it the focus.
    if (WindowHost* host = WindowHost::Of(&w); host && host->TopLevel()) {
      wxTopLevelWindow* top = host->TopLevel();
      WaitUntil([top] { return top->IsShownOnScreen() && top->IsActive(); }, 5000);
    }
    (*shared)(w);
  };
}

void UiDriver::Flush() {
  wxTheApp->ProcessPendingEvents();
  if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) {
    while (loop->Pending()) loop->Dispatch();
  }
  for (wxWindow* top : wxTopLevelWindows) top->Update();
}

bool UiDriver::WaitUntil(const std::function<bool()>& cond, int timeoutMs) {
  wxStopWatch watch;
  while (!cond()) {
    if (watch.Time() > timeoutMs) return false;
    wxEventLoopBase* loop = wxEventLoopBase::GetActive();
    if (loop) {
      loop->DispatchTimeout(50);
      wxTheApp->ProcessPendingEvents();
      loop->ProcessIdle();
    } else {
      wxTheApp->Yield(true);
    }
  }
  return true;
}

void UiDriver::Click(Control& control) {
  wxWindow* w = NativeOf(control);
  if (!w) return;
  WaitUntil([&] { return w->IsShownOnScreen(); }, 2000);
  wxSize size = w->GetSize();
  ClickAt(w, wxPoint(size.x / 2, size.y / 2));
}

void UiDriver::ClickRow(ListView& list, int row) {
  wxListCtrl* native = NativeList(list);
  if (!native) return;
  wxRect r;
  if (row >= 0) {
    native->GetItemRect(row, r);  // in the list's own client coordinates
  } else {
    // Below the last row.
    r = wxRect(0, native->GetClientSize().y - 12, 20, 8);
  }
  ClickAt(native, wxPoint(r.x + 10, r.y + r.height / 2));
}

void UiDriver::ClickHeader(ListView& list, int column) {
  wxListCtrl* native = NativeList(list);
  if (!native) return;
  int x = 0;
  for (int c = 0; c < column; ++c) x += native->GetColumnWidth(c);
  x += native->GetColumnWidth(column) / 2;
  wxWindow* header = nullptr;
  for (wxWindow* child : native->GetChildren())
    if (!header || child->GetSize().y < header->GetSize().y) header = child;
  if (!header) return;
  ClickAt(header, wxPoint(x, header->GetSize().y / 2));
}

void UiDriver::Type(Control& control, const std::string& ascii) {
  wxWindow* w = NativeOf(control);
  // A click the window manager took to activate the window is given again.
  for (int attempt = 0; attempt < 3 && w && !HasKeyboardFocus(w); ++attempt) {
    Click(control);
    WaitUntil([&] { return HasKeyboardFocus(w); }, 1000);
  }
  WaitUntil([&] { return control.HasFocus(); }, 2000);
  wxUIActionSimulator sim;
  sim.Text(ascii.c_str());
}

void UiDriver::TypeKeys(const std::string& ascii) {
  wxUIActionSimulator sim;
  sim.Text(ascii.c_str());
}

void UiDriver::SetClipboardText(const std::string& text) {
  wxClipboardLocker locker;
  if (!!locker) wxTheClipboard->SetData(new wxTextDataObject(ToWx(text)));
  Flush();
}

void UiDriver::Key(int vk, bool ctrl) {
  wxUIActionSimulator sim;
  int code = vk;
  switch (vk) {
    case VK_RETURN: code = WXK_RETURN; break;
    case VK_ESCAPE: code = WXK_ESCAPE; break;
    case VK_DELETE: code = WXK_DELETE; break;
    case VK_DOWN: code = WXK_DOWN; break;
    case VK_UP: code = WXK_UP; break;
    case VK_F1 + 9: code = WXK_F10; break;  // F10 opens the menu bar
    default: if (vk >= 'A' && vk <= 'Z') code = vk + 32; break;
  }
  sim.Char(code, ctrl ? wxMOD_CONTROL : wxMOD_NONE);
}

void UiDriver::ClickTab(TabCtrl& tab, int index) {
  auto* book = dynamic_cast<wxNotebook*>(NativeOf(tab));
  if (!book) return;
  WaitUntil([&] { return book->IsShownOnScreen(); }, 2000);
  // Find the label by asking the notebook what lies along its tab strip.
  wxSize size = book->GetSize();
  for (int y = 4; y < 40 && y < size.y; y += 6) {
    for (int x = 2; x < size.x; x += 4) {
      long flags = 0;
      if (book->HitTest(wxPoint(x, y), &flags) == index) {
        ClickAt(book, wxPoint(x + 6, y));
        return;
      }
    }
  }
}

void UiDriver::ChooseMenu(Window& window, int commandId) {
  WindowHost* host = WindowHost::Of(&window.GetTopLevel());
  if (!host || !host->TopLevel() || !host->MenuBar()) return;
  const int nativeId = host->MenuBar()->NativeIdOf(commandId);
  if (nativeId == 0) return;
  wxCommandEvent event(wxEVT_MENU, nativeId);
  event.SetEventObject(host->TopLevel());
  wxPostEvent(host->TopLevel(), event);
}

bool UiDriver::ClickMenu(Window& window, int commandId) {
  WindowHost* host = WindowHost::Of(&window.GetTopLevel());
  if (!host || !host->TopLevel() || !host->MenuBar()) return false;
  wxTopLevelWindow* top = host->TopLevel();
  WaitUntil([top] { return top->IsShownOnScreen() && top->IsActive(); }, 3000);
  const MenuBridge::ClickPath path = host->MenuBar()->PathTo(commandId);
  wxPoint at;
  if (!path.title || !WidgetCentre(path.title, at, 2000)) return false;
  ClickOnScreen(at);
  if (!path.item) return true;
  // The menu opens under its title.
  if (!WidgetCentre(path.item, at, 3000)) return false;
  ClickOnScreen(at);
  return true;
}

bool UiDriver::ClickMenuTitle(Window& window, const std::string& title) {
  WindowHost* host = WindowHost::Of(&window.GetTopLevel());
  if (!host || !host->TopLevel() || !host->MenuBar()) return false;
  wxTopLevelWindow* top = host->TopLevel();
  WaitUntil([top] { return top->IsShownOnScreen() && top->IsActive(); }, 3000);
  wxPoint at;
  void* widget = host->MenuBar()->TitleWidget(title);
  if (!widget || !WidgetCentre(widget, at, 2000)) return false;
  ClickOnScreen(at);
  return true;
}

void UiDriver::ResizeWindow(Window& window, int cx, int cy) {
  WindowHost* host = WindowHost::Of(&window.GetTopLevel());
  if (!host || !host->TopLevel()) return;
  wxTopLevelWindow* top = host->TopLevel();
  const wxSize min = top->GetMinClientSize();
  const wxSize wanted(std::max(cx, min.x), std::max(cy, min.y));
  // Without a window manager the server may still answer an earlier size
  // request: wait until the toolkit and the model both hold this one, twice
  // in a row a little apart.
  Window& model = window.GetTopLevel();
  auto settled = [&] {
    const Rect r = model.GetClientRect();
    return top->GetClientSize() == wanted && r.Width() == wanted.x && r.Height() == wanted.y;
  };
  for (int attempt = 0; attempt < 5; ++attempt) {
    top->SetClientSize(wanted);
    WaitUntil(settled, 2000);
    wxMilliSleep(50);
    Flush();
    if (settled()) break;
  }
}

Size UiDriver::NativeClientSize(Window& window) {
  WindowHost* host = WindowHost::Of(&window.GetTopLevel());
  if (!host || !host->TopLevel()) return Size{};
  const wxSize size = host->TopLevel()->GetClientSize();
  return Size{size.x, size.y};
}

void UiDriver::CloseWindow(Window& window) {
  WindowHost* host = WindowHost::Of(&window.GetTopLevel());
  if (host && host->TopLevel()) host->TopLevel()->Close();
}

namespace {
wxMenuItem* NativeMenuItem(Window& window, int id) {
  WindowHost* host = WindowHost::Of(&window.GetTopLevel());
  return host && host->MenuBar() ? host->MenuBar()->NativeItem(id) : nullptr;
}
// A native window's place in the client area of its model top-level window.
Rect RectIn(wxWindow* w, Window& model) {
  WindowHost* host = WindowHost::Of(&model.GetTopLevel());
  if (!w || !host) return Rect{};
  wxPoint p = host->Client()->ScreenToClient(w->GetScreenPosition());
  wxSize s = w->GetSize();
  return Rect{p.x, p.y, p.x + s.x, p.y + s.y};
}
}  // namespace

bool UiDriver::NativeMenuChecked(Window& window, int commandId) {
  wxMenuItem* item = NativeMenuItem(window, commandId);
  return item && item->IsCheckable() && item->IsChecked();
}

bool UiDriver::NativeMenuCheckable(Window& window, int commandId) {
  wxMenuItem* item = NativeMenuItem(window, commandId);
  return item && item->IsCheckable();
}

bool UiDriver::NativeMenuEnabled(Window& window, int commandId) {
  wxMenuItem* item = NativeMenuItem(window, commandId);
  return item && item->IsEnabled();
}

bool UiDriver::NativeWindowShown(Window& window) {
  WindowHost* host = WindowHost::Of(&window);
  return host && host->Client()->IsShownOnScreen();
}

bool UiDriver::NativeMenuOpen(Window& window) {
  WindowHost* host = WindowHost::Of(&window.GetTopLevel());
  return host && host->MenuOpen();
}

Rect UiDriver::NativeRect(Control& control) { return RectIn(NativeOf(control), control.GetParent()); }

Rect UiDriver::NativeRect(Window& childDialog) {
  WindowHost* host = WindowHost::Of(&childDialog);
  return RectIn(host ? host->Client() : nullptr, childDialog);
}

Size UiDriver::NativeWindowSize(Window& window) {
  WindowHost* host = WindowHost::Of(&window);
  wxWindow* top = host ? wxGetTopLevelParent(host->Client()) : nullptr;
  if (!top) return Size{};
  wxRect outer = top->GetScreenRect();
  return Size{outer.width, outer.height};
}

Size UiDriver::ScreenSize() {
  wxRect screen = wxDisplay(0u).GetGeometry();
  return Size{screen.width, screen.height};
}

Size UiDriver::NativeTextNeed(Control& control) {
  wxWindow* w = NativeOf(control);
  if (!w) return Size{};
  if (dynamic_cast<wxButton*>(w) || dynamic_cast<wxCheckBox*>(w)) {
    // What GTK asks for its padding, indicator and text: less, and it draws
    // no label at all.
    if (w->GetLabel().empty()) return Size{};
    int width = 0, height = 0;
    if (!MinimumSize(w, width, height)) {
      const wxSize best = w->GetBestSize();
      width = best.x;
      height = best.y;
    }
    return Size{width, height};
  }
  wxString label;
  int margin = 0;
  if (auto* text = dynamic_cast<wxStaticText*>(w)) {
    label = text->GetLabelText();
  } else if (auto* box = dynamic_cast<wxStaticBox*>(w)) {
    label = box->GetLabelText();
    margin = 12;  // the frame's corner before the label and after it
  } else {
    return Size{};
  }
  if (label.empty()) return Size{};
  wxClientDC dc(w);
  dc.SetFont(w->GetFont());
  wxCoord width = 0, height = 0;
  dc.GetMultiLineTextExtent(label, &width, &height);
  return Size{width + margin, height};
}

void UiDriver::AnswerMessageBoxes(std::vector<int> answers, std::vector<std::string>* texts,
                                  std::vector<std::string>* buttons) {
  WxBackend* backend = dynamic_cast<WxBackend*>(&CurrentBackend());
  auto queue = std::make_shared<std::vector<int>>(std::move(answers));
  backend->onMessageBox = [backend, queue, texts, buttons](wxDialog& box, const std::string& text) {
    if (texts) texts->push_back(text);
    if (buttons) {
      std::string labels;
      for (int id : {wxID_OK, wxID_YES, wxID_NO, wxID_CANCEL})
        if (wxWindow* b = box.FindWindow(id))
          labels += (labels.empty() ? "" : "|") + FromWx(wxStripMenuCodes(b->GetLabel()));
      buttons->push_back(labels);
    }
    if (queue->empty()) {
      backend->onMessageBox = nullptr;
      return;
    }
    int answer = queue->front();
    queue->erase(queue->begin());
    if (queue->empty()) backend->onMessageBox = nullptr;
    if (answer == kEscape || answer == kCloseBox || answer == kReturn) {
      WaitUntil([&] { return box.IsShownOnScreen(); }, 2000);
      if (answer == kCloseBox) {
        box.Close();
        return;
      }
      box.Raise();
      box.SetFocus();
      WaitUntil([&] { return wxWindow::FindFocus() && wxGetTopLevelParent(wxWindow::FindFocus()) == &box; }, 2000);
      wxUIActionSimulator sim;
      sim.Char(answer == kReturn ? WXK_RETURN : WXK_ESCAPE);
      return;
    }
    int id = answer == IDYES ? wxID_YES : answer == IDNO ? wxID_NO : answer == IDCANCEL ? wxID_CANCEL : wxID_OK;
    wxWindow* button = box.FindWindow(id);
    if (!button) return;
    WaitUntil([&] { return button->IsShownOnScreen(); }, 2000);
    wxSize size = button->GetSize();
    ClickAt(button, wxPoint(size.x / 2, size.y / 2));
  };
}

std::string UiDriver::NativeText(Control& control) {
  wxWindow* w = NativeOf(control);
  if (!w) return std::string();
  if (auto* text = dynamic_cast<wxTextCtrl*>(w)) return FromWx(text->GetValue());
  if (auto* combo = dynamic_cast<wxComboBox*>(w)) return FromWx(combo->GetValue());
  if (auto* label = dynamic_cast<wxStaticText*>(w)) return FromWx(label->GetLabelText());
  // Composite controls (the date picker): the text part inside.
  std::vector<wxWindow*> pending(w->GetChildren().begin(), w->GetChildren().end());
  while (!pending.empty()) {
    wxWindow* child = pending.back();
    pending.pop_back();
    if (auto* text = dynamic_cast<wxTextCtrl*>(child)) return FromWx(text->GetValue());
    pending.insert(pending.end(), child->GetChildren().begin(), child->GetChildren().end());
  }
  return FromWx(w->GetLabel());
}

bool UiDriver::NativeContentFits(Control& control) {
  wxWindow* w = NativeOf(control);
  if (!w) return false;
  const wxSize best = w->GetBestSize();
  const wxSize size = w->GetSize();
  return best.x <= size.x && best.y <= size.y;
}

bool UiDriver::NativeShown(Control& control) {
  wxWindow* w = NativeOf(control);
  return w && w->IsShownOnScreen();
}

int UiDriver::NativeRowCount(ListView& list) {
  wxListCtrl* native = NativeList(list);
  return native ? int(native->GetItemCount()) : -1;
}

std::string UiDriver::NativeCell(ListView& list, int row, int column) {
  wxListCtrl* native = NativeList(list);
  return native ? FromWx(native->GetItemText(row, column)) : std::string();
}

int UiDriver::NativeSelectedRow(ListView& list) {
  wxListCtrl* native = NativeList(list);
  return native ? int(native->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) : -1;
}

int UiDriver::NativeSortColumn(ListView& list) {
  wxListCtrl* native = NativeList(list);
  return native ? native->GetSortIndicator() : -1;
}

bool UiDriver::NativeSortAscending(ListView& list) {
  wxListCtrl* native = NativeList(list);
  return native && native->IsAscendingSortIndicator();
}

bool UiDriver::WebEngineLoaded() { return WebEngine::IsLoaded(); }

bool UiDriver::NativeWebBusy(Control& webView) {
  const WebEngine* engine = WebEngine::IsLoaded() ? WebEngine::Get() : nullptr;
  return engine && engine->isBusy(NativeOf(webView)) != 0;
}

std::string UiDriver::NativeWebText(Control& webView) {
  return NativeWebScript(webView, "document.body ? document.body.innerText : ''");
}

std::string UiDriver::NativeWebScript(Control& webView, const std::string& script) {
  const WebEngine* engine = WebEngine::IsLoaded() ? WebEngine::Get() : nullptr;
  std::string text;
  if (!engine) return text;
  engine->runScript(
      NativeOf(webView), script.c_str(),
      [](const char* utf8, void* context) { *static_cast<std::string*>(context) = utf8; }, &text);
  return text;
}

bool UiDriver::ClickWebLink(Control& webView, const std::string& url) {
  // The link's centre in the view, in pixels from its top left corner.
  std::string quoted;
  for (char c : url) {
    if (c == '\\' || c == '\'') quoted += '\\';
    quoted += c;
  }
  const std::string where = NativeWebScript(
      webView, "(function () { for (const a of document.links) if (a.href === '" + quoted +
                   "') { a.scrollIntoView(); const r = a.getBoundingClientRect();"
                   " return Math.round(r.left + r.width / 2) + ' ' + Math.round(r.top + r.height / 2); }"
                   " return ''; })()");
  int x = 0, y = 0;
  wxWindow* native = NativeOf(webView);
  if (!native || std::sscanf(where.c_str(), "%d %d", &x, &y) != 2) return false;
  ClickAt(native, wxPoint(x, y));
  Flush();
  return true;
}

void UiDriver::RecordBrowser(std::vector<std::string>* urls) {
  WxBackend* backend = WxBackend::Instance();
  if (!backend) backend = dynamic_cast<WxBackend*>(&CurrentBackend());
  if (urls)
    backend->onOpenUrl = [urls](const std::string& url) { urls->push_back(url); };
  else
    backend->onOpenUrl = nullptr;
}

}  // namespace wxb
}  // namespace ui
