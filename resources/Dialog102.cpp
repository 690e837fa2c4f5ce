// Template 102: the main window in the list style.
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

const ui::DialogTemplate kDialogQuillory{
    IDD_QUILLORY_DIALOG,
    "Quillory : Gerer facilement vos BD",
    709, 401,
    Style::Resizable | Style::SysMenu | Style::MinimizeBox | Style::MaximizeBox,
    &kMenuQuillory,
    {
        {IDC_TAB, ControlKind::TabCtrl, "", 7, 18, 543, 342},
        {IDC_STATIC_NBBD, ControlKind::Static, "Nb Totale de BD :", 619, 44, 62, 10},
        {IDC_EDIT_NBBD, ControlKind::Edit, "", 683, 44, 19, 12, Style::ReadOnly | Style::NoBorder},
        {IDC_PICTURE, ControlKind::OwnerDrawButton, "", 555, 63, 147, 186},
        {IDC_STATIC_RECHERCHE, ControlKind::Static, "Recherche", 416, 380, 39, 8},
        {IDC_EDIT_RECHERCHE, ControlKind::Edit, "", 459, 380, 69, 14},
        {IDC_BUTTON_RECHERCHE, ControlKind::PushButton, "Ok", 533, 381, 19, 13},
        {IDC_STATIC_PRETA, ControlKind::Static, "Pr\xE9t\xE9 a :", 574, 369, 29, 11},
        {IDC_EDIT_PRETA, ControlKind::Edit, "", 604, 369, 79, 12},
        {IDC_STATIC_DATEPRET, ControlKind::Static, "le :", 584, 382, 12, 12},
        {IDC_EDIT_DATEPRET, ControlKind::Edit, "", 604, 382, 79, 12},
        {IDC_BUTTON_PRET, ControlKind::PushButton, "OK", 688, 368, 14, 26},
    }};
