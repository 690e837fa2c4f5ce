// Drives a window as a user would: typing, clicking, choosing menu items,
// selecting list rows and tabs, pressing keys, resizing. Every action goes
// through the same model entry points as the real backend's input, so
// key-downs and characters are offered to PreTranslateMessage first.
// Failing to find a control, or acting on a hidden or disabled one, fails the
// test (a user could not do it).
#pragma once

#include "platform/Types.h"
#include "platform/Window.h"

#include <ctime>
#include <string>

namespace ui {
class ListView;
class RecordingSurface;
namespace headless {

class Driver {
 public:
  explicit Driver(Window& window) : m_window(window) {}
  Window& GetWindow() const { return m_window; }

  // Focuses the control then types each character: a key-down, then (when no
  // window consumed it) the character. '\n' is the Return key.
  Driver& Type(int id, const std::string& text);
  // Replaces the whole text at once, as pasting over a selection would.
  Driver& SetText(int id, const std::string& text);
  Driver& Click(int id);                       // button, check box, picture frame
  Driver& Focus(int id);
  // Key-downs to the focused control (or the window). Ctrl: a Ctrl key-down
  // first, then the key with Ctrl held.
  Driver& PressKey(int vk);
  Driver& PressCtrlKey(int vk);
  Driver& Menu(int commandId);                 // menu bar command, update check included
  Driver& SelectCombo(int id, int index);
  Driver& SelectComboText(int id, const std::string& item);  // the item must exist
  Driver& SetDate(int id, int year, int month, int day);
  Driver& ClickRow(int listId, int row);       // row -1: below the rows
  Driver& DoubleClickRow(int listId, int row);
  Driver& RightClickRow(int listId, int row);
  Driver& SelectRow(int listId, int row);      // keyboard selection
  Driver& ClickHeader(int listId, int column);
  Driver& SelectTab(int tabId, int index);
  Driver& Resize(int cx, int cy);
  Driver& Close();                             // the close box
  // Lets time pass: the window's timers fire at their periods (in real
  // time) until the dialog has ended; a dialog still open after timeoutMs,
  // or one with no timer left to end it, fails the test.
  Driver& RunTimersUntilEnded(int timeoutMs = 10000);
  // Paints an owner-drawn control into a recording surface at 96 dpi.
  void Paint(int id, RecordingSurface& surface);

  // Reading back, for assertions.
  std::string Text(int id) const;
  bool Visible(int id) const;
  bool Enabled(int id) const;

 private:
  Control* Find(int id) const;
  Control* Usable(int id) const;  // visible and enabled, else a failure
  template <class T> T* As(int id, const char* what) const;
  ListView* List(int id, int row) const;
  Window& m_window;
};

}  // namespace headless
}  // namespace ui
