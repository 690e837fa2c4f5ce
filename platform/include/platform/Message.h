// Messages a window sees: control notifications (dispatched by control id and
// code to the handlers a window maps) and the keyboard messages offered to
// PreTranslateMessage before they are dispatched.
#pragma once

#include "platform/Types.h"

namespace ui {

class Control;
class Window;

// Notification codes sent by controls to their parent window.
enum class Notification {
  Clicked,          // button (also dispatched as the command of its id)
  EditChange,       // edit text changed (typing or SetWindowText), combo text typed
  SelChange,        // combo box selection changed by the user
  ItemClick,        // list view: NM_CLICK (row = hit row or -1)
  ItemDoubleClick,  // list view: NM_DBLCLK
  ItemRightClick,   // list view: NM_RCLICK
  ItemChanged,      // list view: LVN_ITEMCHANGED (row, oldState, newState)
  ColumnClick,      // list view header: column = clicked column
  TabSelChanging,   // tab control: TCN_SELCHANGING
  TabSelChange,     // tab control: TCN_SELCHANGE
  TabClick,         // tab control: NM_CLICK
  DateTimeChange,   // date-time picker: DTN_DATETIMECHANGE
};

// List view item states (oldState/newState of ItemChanged).
enum : unsigned { LVIS_FOCUSED = 0x1, LVIS_SELECTED = 0x2 };

struct NotifyInfo {
  NotifyInfo() = default;
  explicit NotifyInfo(Notification c) : code(c) {}
  int idFrom = 0;
  Notification code = Notification::Clicked;
  Control* control = nullptr;
  int row = -1;          // list view item, -1 when none
  int column = -1;       // list view sub-item or header column
  unsigned oldState = 0;
  unsigned newState = 0;
  Point point;           // hit point in the control's client coordinates, when known
  mutable long result = 0;  // the notification's result, as set by the handler
};

enum class MessageKind { KeyDown, KeyUp, Char };

// A keyboard message on its way to a control: offered first to the window that
// holds the focused control, then to each parent window up to the top-level
// one; a PreTranslateMessage returning true consumes it.
struct Message {
  MessageKind kind = MessageKind::KeyDown;
  int key = 0;                // virtual key for KeyDown/KeyUp, Windows-1252 code for Char
  Control* target = nullptr;  // focused control, or null when the window itself has focus
  Window* window = nullptr;   // window that holds the target
  bool ctrlDown = false;      // Ctrl held (informational; the windows arm their own flags)
  bool shiftDown = false;

  int GetDlgCtrlID() const;   // target's id, 0 when none
};

}  // namespace ui
