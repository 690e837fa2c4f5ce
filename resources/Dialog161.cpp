// Template 161: purchases per month of a chosen year.
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

const ui::DialogTemplate kDialogStatAchat{
    IDD_STAT_ACHAT,
    "Statistique d'achat",
    200, 235,
    Style::SysMenu,
    nullptr,
    {
        {ui::IDC_STATIC, ControlKind::Static, "Ann\xE9" "e d'achat :", 7, 9, 55, 8},
        {IDC_COMBO_ANNEE, ControlKind::ComboBox, "", 66, 7, 60, 120, Style::Sorted},
        {IDC_LIST_ACHAT, ControlKind::ListView, "", 7, 26, 186, 180, Style::SingleSel},
        {ui::IDOK, ControlKind::PushButton, "Fermer", 143, 214, 50, 14, Style::DefaultButton},
    }};
