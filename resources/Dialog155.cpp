// Template 155: how many times each album has been lent and returned.
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

const ui::DialogTemplate kDialogStatPrets{
    IDD_STAT_PRETS,
    "Nombre de fois qu'un BD a \xE9t\xE9 pr\xE9t\xE9" "e",
    260, 200,
    Style::SysMenu,
    nullptr,
    {
        {IDC_LIST_STATPRETS, ControlKind::ListView, "", 7, 7, 246, 162,
         Style::SingleSel | Style::ShowSelAlways | Style::SortAscending},
        {ui::IDOK, ControlKind::PushButton, "OK", 203, 178, 50, 15, Style::DefaultButton},
    }};
