// Template 160: the second picture of an album, in a frame that fills the
// dialog; a click on it chooses another picture.
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

const ui::DialogTemplate kDialogSeconPic{
    IDD_SECONPIC,
    "",
    220, 282,
    Style::SysMenu,
    nullptr,
    {
        {IDC_PICTURE2, ControlKind::OwnerDrawButton, "", 7, 7, 206, 246},
        {ui::IDOK, ControlKind::PushButton, "Fermer", 85, 260, 50, 14, Style::DefaultButton},
    }};
