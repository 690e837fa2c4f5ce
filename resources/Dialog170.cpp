// Template 170: the progress box of the news download.
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

const ui::DialogTemplate kDialogNewsProgress{
    IDD_QUILLORY_NEWSPROGRESS,
    "Sortie BD",
    200, 64,
    Style::SysMenu,
    nullptr,
    {
        {IDC_STATIC_NEWSPROGRESS, ControlKind::Static, "T\xE9l\xE9" "chargement des sorties BD...",
         10, 12, 180, 18},
        {ui::IDCANCEL, ControlKind::PushButton, "Annuler", 75, 40, 50, 16},
    }};
