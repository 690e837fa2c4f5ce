// Drives the real wxWidgets backend in GUI tests, through the toolkit's input
// simulation (real mouse and keyboard events on the display), and reads back
// what the native controls show. Tests include this instead of wx headers.
#pragma once

#include "platform/Control.h"
#include "platform/ListView.h"
#include "platform/TabCtrl.h"
#include "platform/Window.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {
namespace wxb {

class UiDriver {
 public:
  // Whether a window manager manages the display: the GUI tests refuse to run
  // on a bare X server, where dialogs close and move as no user's do.
  static bool WindowManagerRunning();
  // Runs step inside the next window's modal loop, once it is shown (an
  // empty step: no step waits any more).
  static void WhenShown(std::function<void(Window&)> step);
  // Handles every pending event and paints every window that needs it.
  static void Flush();
  // Dispatches events until cond holds; false after timeoutMs.
  static bool WaitUntil(const std::function<bool()>& cond, int timeoutMs = 5000);

  static void Click(Control& control);                 // mouse click at its centre
  static void ClickRow(ListView& list, int row);
  static void ClickHeader(ListView& list, int column);
  static void Type(Control& control, const std::string& ascii);  // click in it, then keys
  static void Key(int vk, bool ctrl = false);
  // Keys typed into whatever has the keyboard focus, with no click first.
  static void TypeKeys(const std::string& ascii);
  // What a copy elsewhere would leave in the clipboard (Windows-1252).
  static void SetClipboardText(const std::string& text);
  static void ClickTab(TabCtrl& tab, int index);       // mouse click on the tab's label
  // Chooses a menu-bar command as the toolkit reports a user's choice.
  static void ChooseMenu(Window& window, int commandId);
  // Chooses it with the mouse, as a user does: a click on its menu's title in
  // the menu bar, then on the item (a command of the bar itself: the one
  // click). False when something to click was not on the screen.
  static bool ClickMenu(Window& window, int commandId);
  // One click on a title of the menu bar (Windows-1252 text).
  static bool ClickMenuTitle(Window& window, const std::string& title);
  // Gives a top-level window that client size, as a user's drag of its frame
  // would (the toolkit keeps to its minimum size); waits for the layout.
  static void ResizeWindow(Window& window, int cx, int cy);
  // The window's close box (the toolkit's close request).
  static void CloseWindow(Window& window);
  // Every next message box: its text is recorded and the button given is
  // clicked (IDOK, IDYES, IDNO), in order; then boxes are left alone.
  // kEscape presses Escape in the box, kCloseBox asks it to close, kReturn
  // presses Return (the box's default button).
  static constexpr int kEscape = -1;
  static constexpr int kCloseBox = -2;
  static constexpr int kReturn = -3;
  // buttons, when given, receives the labels of each box's buttons, joined
  // with "|" ("Oui|Non").
  static void AnswerMessageBoxes(std::vector<int> answers, std::vector<std::string>* texts,
                                 std::vector<std::string>* buttons = nullptr);

  // The native side.
  static std::string NativeText(Control& control);
  static bool NativeShown(Control& control);
  // Whether the control is wide and high enough for what it shows (its
  // label with the toolkit's padding).
  static bool NativeContentFits(Control& control);
  static int NativeRowCount(ListView& list);
  static std::string NativeCell(ListView& list, int row, int column);
  static int NativeSelectedRow(ListView& list);
  static int NativeSortColumn(ListView& list);
  static bool NativeSortAscending(ListView& list);
  static bool NativeMenuChecked(Window& window, int commandId);
  static bool NativeMenuEnabled(Window& window, int commandId);
  // Whether the item shows a check box at all.
  static bool NativeMenuCheckable(Window& window, int commandId);
  static bool NativeWindowShown(Window& window);
  // A menu of the window's menu bar is open (F10 opens the first one).
  static bool NativeMenuOpen(Window& window);
  // A native window's place in its top-level window's client area.
  static Rect NativeRect(Control& control);
  static Rect NativeRect(Window& childDialog);
  // A top-level window's client size on screen.
  static Size NativeClientSize(Window& window);
  // A top-level window's outer size (menu bar included, and the frame where
  // the window manager reports one), and the screen's size.
  static Size NativeWindowSize(Window& window);
  static Size ScreenSize();
  // The room the control's text needs, in pixels: GTK's smallest size for
  // buttons and check boxes (padding included), the extent of the text in the
  // control's font for static texts and group boxes; (0, 0) for other kinds.
  static Size NativeTextNeed(Control& control);
  // The web engine: whether it has been loaded in this process, whether a
  // view is still loading its page, and the text the page shows (Unicode
  // letters as UTF-8; empty when the view has no engine).
  static bool WebEngineLoaded();
  static bool NativeWebBusy(Control& webView);
  static std::string NativeWebText(Control& webView);
  // What a script run on the view's page gives, as text (UTF-8); the page's
  // own policy does not apply to it.
  static std::string NativeWebScript(Control& webView, const std::string& script);
  // A mouse click on the page's first link to `url` (as the page resolves
  // it); false when the page has no such link.
  static bool ClickWebLink(Control& webView, const std::string& url);
  // From now on the addresses the program opens in the user's browser are
  // recorded in `urls` instead (null: browsers open again).
  static void RecordBrowser(std::vector<std::string>* urls);
};

}  // namespace wxb
}  // namespace ui
