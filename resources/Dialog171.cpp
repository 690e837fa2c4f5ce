// Template 171: the volumes each series lacks, up to its highest volume.
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

const ui::DialogTemplate kDialogAlbumsManquants{
    IDD_ALBUMS_MANQUANTS,
    "Albums manquants",
    280, 240,
    Style::SysMenu | Style::Resizable,
    nullptr,
    {
        {IDC_LIST_MANQUANTS, ControlKind::ListView, "", 7, 7, 266, 206,
         Style::SingleSel | Style::ShowSelAlways | Style::SortAscending},
        {ui::IDCANCEL, ControlKind::PushButton, "Fermer", 223, 219, 50, 14},
    }};
