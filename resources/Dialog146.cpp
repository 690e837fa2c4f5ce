// Template 146: "Sortie BD", the news page in a web view.
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

const ui::DialogTemplate kDialogAffNews{
    IDD_QUILLORY_AFFNEWS,
    "Sortie BD",
    315, 249,
    Style::SysMenu,
    nullptr,
    {
        {IDC_EXPLORER_NEWS, ControlKind::WebView, "", 13, 12, 289, 230},
    }};
