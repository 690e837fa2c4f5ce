// Template 154: the series still followed, with the next volume.
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

const ui::DialogTemplate kDialogSerieASuivre{
    IDD_SERIE_ASUIVRE,
    "BD \xE0 suivre",
    200, 240,
    Style::SysMenu | Style::Resizable,
    nullptr,
    {
        {IDC_LIST_ASUIVRE, ControlKind::ListView, "", 7, 7, 130, 226, Style::SingleSel | Style::ShowSelAlways},
        {IDC_BUTTON_IMPRIMER_ASUIVRE, ControlKind::PushButton, "Imprimer", 143, 200, 50, 14, Style::Disabled},
        {ui::IDOK, ControlKind::PushButton, "Fermer", 143, 219, 50, 14, Style::DefaultButton},
    }};
