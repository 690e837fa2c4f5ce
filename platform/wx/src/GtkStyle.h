// What the toolkit's GTK port does not offer through wxWidgets: the buttons'
// padding and the smallest size GTK lets a control have. Reached through
// the GTK library the port has already loaded, without its headers.
#pragma once

#include <functional>

class wxWindow;

namespace ui {
namespace wxb {

// Buttons and check boxes with the small padding of the Windows program's,
// so that "Ok" fits the 19 dialog units its templates give it (GTK's theme
// pads a button label by 17 pixels on each side) and a check box the 10
// units of its height. Once, after the toolkit started.
void UseCompactButtons();

// The smallest width and height GTK gives the native widget; false when not
// known (another port).
bool MinimumSize(wxWindow* window, int& width, int& height);

// A command standing in the menu bar itself. A wx menu bar holds only menus,
// and a menu of one item takes two clicks: GTK's menu bar takes plain items
// too, which one click chooses. The item goes with the bar; onChosen runs
// each time the user chooses it. Null when GTK is not there.
void* AddMenuBarItem(void* gtkMenuBar, int position, const char* utf8Label,
                     std::function<void()> onChosen);
void SetWidgetSensitive(void* gtkWidget, bool sensitive);
// Whether the user is in the menu bar (an item of it is selected, a menu of
// it open or not): its keys are its own.
bool MenuBarActive(void* gtkMenuBar);
void* WidgetParent(void* gtkWidget);
// Where a GTK widget is on the screen; false when it is not shown there.
bool WidgetScreenRect(void* gtkWidget, int& x, int& y, int& width, int& height);

}  // namespace wxb
}  // namespace ui
