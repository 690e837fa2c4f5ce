// What the toolkit's GTK port does not offer through wxWidgets: the buttons'
// padding and the smallest size GTK lets a control have. Reached through
// the GTK library the port has already loaded, without its headers.
#pragma once

class wxWindow;

namespace ui {
namespace wxb {

// Buttons with the small padding of the Windows program's buttons, so that
// "Ok" fits the 19 dialog units its templates give it (GTK's theme pads a
// button label by 17 pixels on each side). Once, after the toolkit started.
void UseCompactButtons();

// The smallest width and height GTK gives the native widget; false when not
// known (another port).
bool MinimumSize(wxWindow* window, int& width, int& height);

}  // namespace wxb
}  // namespace ui
