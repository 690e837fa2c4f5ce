// Template 152: renaming a series.
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

const ui::DialogTemplate kDialogRename{
    IDD_RENAME,
    "Renommer une s\xE9rie",
    214, 78,
    Style::SysMenu,
    nullptr,
    {
        {ui::IDC_STATIC, ControlKind::Static, "Ancien Nom :", 8, 12, 54, 8},
        {IDC_RENAME_ANCIEN, ControlKind::Edit, "", 66, 10, 140, 14, Style::ReadOnly},
        {ui::IDC_STATIC, ControlKind::Static, "Nouveau Nom :", 8, 32, 54, 8},
        {IDC_RENAME_NOUVEAU, ControlKind::Edit, "", 66, 30, 140, 14},
        {ui::IDOK, ControlKind::PushButton, "OK", 50, 56, 50, 14, Style::DefaultButton},
        {ui::IDCANCEL, ControlKind::PushButton, "Cancel", 114, 56, 50, 14},
    }};
