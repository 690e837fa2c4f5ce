// Template 157: one year's page of the comics release dialog.
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

const ui::DialogTemplate kDialogListSimple{
    IDD_LIST_SIMPLE,
    "",
    620, 265,
    Style::Child,
    nullptr,
    {
        {IDC_LIST_COMICS, ControlKind::ListView, "", 4, 4, 500, 255, Style::SingleSel | Style::ShowSelAlways},
        {IDC_PICTURE_COMICS, ControlKind::OwnerDrawButton, "", 510, 4, 105, 140, Style::Hidden},
    }};
