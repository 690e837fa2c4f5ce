// Template 153: the About box of the graphic-style main window.
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

const ui::DialogTemplate kDialogAbout2{
    IDD_ABOUTBOX2,
    "A propos de Quillory",
    235, 62,
    Style::SysMenu,
    nullptr,
    {
        {IDC_ABOUT_ICON, ControlKind::Static, "", 11, 14, 21, 20, Style::Icon},
        {IDC_ABOUT_VERSION, ControlKind::Static, "Quillory Version 6.0", 44, 10, 130, 8},
        {ui::IDC_STATIC, ControlKind::Static, "Le catalogue de votre collection de BD", 44, 24, 130, 8},
        {ui::IDOK, ControlKind::PushButton, "OK", 178, 7, 50, 14, Style::DefaultButton},
    }};
