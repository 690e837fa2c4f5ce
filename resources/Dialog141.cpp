// Template 141: an album list page of the main window's tab control.
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

const ui::DialogTemplate kDialogQuilloryList{
    IDD_QUILLORY_LIST,
    "",
    487, 295,
    Style::Child,
    nullptr,
    {
        {IDC_LIST_ALBUMS, ControlKind::ListView, "", 7, 6, 475, 240,
         Style::SingleSel | Style::ShowSelAlways | Style::SortAscending},
        {IDC_GROUP_COMMENTAIRE, ControlKind::GroupBox, "Commentaire", 7, 251, 475, 37},
        {IDC_STATIC_COMMENTAIRE, ControlKind::Static, "", 18, 263, 457, 17},
    }};
