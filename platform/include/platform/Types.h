// Basic value types and constants of the window layer: rectangles in pixels,
// dialog results, message-box flags, virtual key codes and the style flags
// that dialog templates give to their controls.
#pragma once

#include <cstdint>

namespace ui {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point& o) const { return x == o.x && y == o.y; }
};

struct Size {
  int cx = 0;
  int cy = 0;
  bool operator==(const Size& o) const { return cx == o.cx && cy == o.cy; }
};

// A rectangle in pixels, right and bottom excluded, like the platform's RECT.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  bool Intersects(const Rect& o) const {
    return !IsEmpty() && !o.IsEmpty() && left < o.right && o.left < right && top < o.bottom &&
           o.top < bottom;
  }
  void Offset(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  bool operator!=(const Rect& o) const { return !(*this == o); }
};

// 0x00BBGGRR like the platform's COLORREF.
using Color = std::uint32_t;
constexpr Color RGB(int r, int g, int b) {
  return Color(r & 0xFF) | (Color(g & 0xFF) << 8) | (Color(b & 0xFF) << 16);
}
constexpr int GetRValue(Color c) { return int(c & 0xFF); }
constexpr int GetGValue(Color c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(Color c) { return int((c >> 16) & 0xFF); }

// Dialog results and standard control identifiers.
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

// Window-menu commands (OnSysCommand).
enum : int { SC_CLOSE = 0xF060 };

// Id of labels that code never addresses.
enum : int { IDC_STATIC = -1 };

// Message-box buttons and icons (combine one of each with |).
enum : unsigned {
  MB_OK = 0x0,
  MB_OKCANCEL = 0x1,
  MB_YESNO = 0x4,
  MB_BUTTONMASK = 0xF,
  MB_ICONSTOP = 0x10,
  MB_ICONERROR = MB_ICONSTOP,
  MB_ICONQUESTION = 0x20,
  MB_ICONEXCLAMATION = 0x30,
  MB_ICONWARNING = MB_ICONEXCLAMATION,
  MB_ICONINFORMATION = 0x40,
  MB_ICONMASK = 0xF0,
  MB_DEFBUTTON1 = 0x000,  // Return presses the first button (the usual)
  MB_DEFBUTTON2 = 0x100,  // Return presses the second one (No, Cancel)
  MB_DEFMASK = 0xF00,
};

// Virtual key codes seen in key-down messages; letters and digits are their
// upper-case ASCII codes ('A', '7').
enum : int {
  VK_BACK = 0x08,
  VK_TAB = 0x09,
  VK_RETURN = 0x0D,
  VK_SHIFT = 0x10,
  VK_CONTROL = 0x11,
  VK_MENU = 0x12,
  VK_ESCAPE = 0x1B,
  VK_SPACE = 0x20,
  VK_END = 0x23,
  VK_LEFT = 0x25,
  VK_UP = 0x26,
  VK_RIGHT = 0x27,
  VK_DOWN = 0x28,
  VK_DELETE = 0x2E,
  VK_F1 = 0x70,
};

// The kinds of control a dialog template can hold.
enum class ControlKind {
  Static,
  Edit,
  PushButton,      // also the default push button (Style::DefaultButton)
  CheckBox,
  GroupBox,
  OwnerDrawButton, // painted by its owner (picture frames)
  ComboBox,
  DateTimePicker,
  ListView,        // report view with a header
  TabCtrl,
  WebView,
};

// Style flags of controls and dialogs, combined with |. Flags that do not
// apply to a control's kind are ignored.
namespace Style {
enum : std::uint32_t {
  None = 0,
  // any control
  Hidden = 1u << 0,
  Disabled = 1u << 1,
  ClipSiblings = 1u << 2,
  NoBorder = 1u << 3,
  // text alignment (static, edit)
  Center = 1u << 4,
  Right = 1u << 5,
  // edit
  ReadOnly = 1u << 6,
  Number = 1u << 7,       // digits only
  Multiline = 1u << 8,
  WantReturn = 1u << 9,   // multi-line: Return starts a new line
  VScroll = 1u << 10,
  HScroll = 1u << 11,
  // buttons
  DefaultButton = 1u << 12,
  AutoCheck = 1u << 13,   // check box toggles itself when clicked
  LeftText = 1u << 14,    // check box text on the left
  // combo box
  Sorted = 1u << 15,
  DropDown = 1u << 16,    // editable text part (default: drop-down list)
  // list view
  SingleSel = 1u << 17,
  ShowSelAlways = 1u << 18,
  SortAscending = 1u << 19,   // rows kept in ascending order of column 0 as inserted
  SortDescending = 1u << 20,
  FullRowSelect = 1u << 21,
  NoSortHeader = 1u << 22,
  // static: shows an icon (SetIcon) instead of its text
  Icon = 1u << 30,
  // date-time picker
  ShortDate = 1u << 23,
  RightAlignCalendar = 1u << 24,
  // dialogs
  Resizable = 1u << 25,
  Child = 1u << 26,       // child dialog (a tab page), no caption, no frame
  SysMenu = 1u << 27,
  MinimizeBox = 1u << 28,
  MaximizeBox = 1u << 29,
};
}  // namespace Style

}  // namespace ui
