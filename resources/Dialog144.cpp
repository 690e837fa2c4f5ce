// Template 144: number of albums per publisher.
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

const ui::DialogTemplate kDialogStatEdit{
    IDD_STAT_EDITEURS,
    "Statistiques \xE9" "diteurs",
    214, 235,
    Style::SysMenu,
    nullptr,
    {
        {ui::IDC_STATIC, ControlKind::GroupBox, "Nb BD par \xE9" "diteur", 7, 7, 200, 200},
        {IDC_LIST_STATEDITEURS, ControlKind::ListView, "", 14, 19, 186, 181,
         Style::SingleSel | Style::ShowSelAlways},
        {ui::IDOK, ControlKind::PushButton, "Fermer", 157, 214, 50, 14, Style::DefaultButton},
    }};
