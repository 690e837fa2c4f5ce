// Template 159: the notepad.
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

const ui::DialogTemplate kDialogBlocNote{
    IDD_BLOCNOTE,
    "Bloc Note",
    300, 245,
    Style::SysMenu,
    nullptr,
    {
        {ui::IDC_STATIC, ControlKind::Static, "Bloc Note", 7, 7, 100, 8},
        {IDC_EDIT_BLOCNOTE, ControlKind::Edit, "", 7, 19, 286, 198,
         Style::Multiline | Style::WantReturn | Style::VScroll},
        {ui::IDOK, ControlKind::PushButton, "OK", 189, 224, 50, 14, Style::DefaultButton},
        {ui::IDCANCEL, ControlKind::PushButton, "Cancel", 243, 224, 50, 14},
    }};
