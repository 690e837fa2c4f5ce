// Template 156: comics by release year and month, one tab per year.
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

const ui::DialogTemplate kDialogComicLink{
    IDD_COMIC_LINK,
    "Date de sortie de comics",
    640, 320,
    Style::SysMenu,
    nullptr,
    {
        {IDC_TAB_COMICS, ControlKind::TabCtrl, "", 7, 7, 626, 285},
        {ui::IDOK, ControlKind::PushButton, "Fermer", 583, 299, 50, 14, Style::DefaultButton},
    }};
