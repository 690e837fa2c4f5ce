// Template 136: the list of albums out on loan, with the return button.
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

const ui::DialogTemplate kDialogPrets{
    IDD_PRETS,
    "Liste des pr\xEAts",
    300, 190,
    Style::Resizable | Style::SysMenu,
    nullptr,
    {
        {IDC_LIST_PRETS, ControlKind::ListView, "", 7, 7, 286, 152,
         Style::SingleSel | Style::ShowSelAlways | Style::FullRowSelect},
        {IDC_BUTTON_RENDUE, ControlKind::PushButton, "Bd Rendue", 185, 168, 50, 15},
        {ui::IDOK, ControlKind::PushButton, "Fermer", 243, 168, 50, 15, Style::DefaultButton},
    }};
