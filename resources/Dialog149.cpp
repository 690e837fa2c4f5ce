// Template 149: the main window in the graphic style. Three panels side by
// side: the series (tab control and search), the albums of the selected
// series, and the details of the selected album with its cover.
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

namespace {
ui::ControlTemplate Label(int id, const char* text, int x, int y, int cx = 40) {
  return {id, ControlKind::Static, text, x, y, cx, 8, Style::Hidden};
}
ui::ControlTemplate Value(int id, int x, int y, int cx) {
  return {id, ControlKind::Static, "", x, y, cx, 10};
}
}  // namespace

const ui::DialogTemplate kDialogQuilloryGraph{
    IDD_QUILLORY_GRAPH,
    "Quillory : G\xE9rer facilement vos BD",
    792, 416,
    Style::Resizable | Style::SysMenu | Style::MinimizeBox | Style::MaximizeBox,
    &kMenuQuillory,
    {
        // Series
        {IDC_GROUP_SERIES, ControlKind::GroupBox, "S\xE9ries", 13, 39, 221, 336},
        {IDC_TAB, ControlKind::TabCtrl, "", 25, 58, 197, 311},
        {IDC_STATIC_RECHERCHE, ControlKind::Static, "Recherche S\xE9rie :", 19, 399, 62, 8},
        {IDC_EDIT_RECHERCHE, ControlKind::Edit, "", 83, 393, 69, 14},
        {IDC_BUTTON_RECHERCHE, ControlKind::PushButton, "Ok", 157, 394, 19, 13},
        // Albums
        {IDC_GROUP_ALBUMS, ControlKind::GroupBox, "Albums", 245, 39, 221, 336},
        {IDC_LIST_SERIE_ALBUMS, ControlKind::ListView, "", 258, 72, 191, 286,
         Style::SingleSel | Style::ShowSelAlways | Style::SortAscending},
        // Details
        {IDC_GROUP_DETAILS, ControlKind::GroupBox, "D\xE9tails de l'album", 477, 40, 293, 336},
        {IDC_PICTURE, ControlKind::OwnerDrawButton, "", 483, 52, 117, 151},
        {IDC_BUTTON_IMAGE2, ControlKind::PushButton, "Image associ\xE9" "e", 484, 204, 116, 14},
        Label(IDC_LABEL_SERIE, "S\xE9rie :", 607, 68), Value(IDC_VALUE_SERIE, 649, 67, 115),
        Label(IDC_LABEL_TITRE, "Titre :", 607, 86), Value(IDC_VALUE_TITRE, 649, 85, 115),
        Label(IDC_LABEL_TOME, "Tome :", 607, 103), Value(IDC_VALUE_TOME, 649, 102, 40),
        Label(IDC_LABEL_NOTE, "Note :", 607, 122), Value(IDC_VALUE_NOTE, 649, 121, 40),
        Label(IDC_LABEL_EO, "EO :", 607, 140), Value(IDC_VALUE_EO, 649, 139, 40),
        Label(IDC_LABEL_SCENARIO, "Sc\xE9nario :", 607, 158), Value(IDC_VALUE_SCENARIO, 649, 157, 115),
        Label(IDC_LABEL_DESSIN, "Dessin :", 607, 175), Value(IDC_VALUE_DESSIN, 649, 174, 115),
        Label(IDC_LABEL_GENRE, "Genre :", 488, 223, 54), Value(IDC_VALUE_GENRE, 545, 222, 219),
        Label(IDC_LABEL_EDITEUR, "Editeur :", 488, 247, 54), Value(IDC_VALUE_EDITEUR, 545, 246, 219),
        Label(IDC_LABEL_COLLECTION, "Collection :", 488, 269, 54),
        Value(IDC_VALUE_COLLECTION, 545, 268, 219),
        Label(IDC_LABEL_COMMENTAIRE, "Commentaires :", 488, 289, 70),
        {IDC_VALUE_COMMENTAIRE, ControlKind::Edit, "", 493, 307, 266, 25,
         Style::Multiline | Style::ReadOnly | Style::VScroll | Style::HScroll},
        {IDC_BUTTON_MODIFIER, ControlKind::PushButton, "Modifier", 590, 337, 89, 18, Style::Hidden},
        {IDC_STATIC_ENPRET, ControlKind::Static, "BD EN PRET", 706, 337, 58, 18},
        // Counters per type
        {IDC_STATIC_NBBD, ControlKind::Static, "Nb total de BD :", 574, 12, 62, 8},
        {IDC_EDIT_NBBD, ControlKind::Edit, "", 595, 24, 24, 12, Style::ReadOnly | Style::NoBorder},
        {IDC_STATIC_NBCOMIC, ControlKind::Static, "Nb total de Comic :", 639, 12, 66, 8},
        {IDC_EDIT_NBCOMIC, ControlKind::Edit, "", 664, 24, 24, 12, Style::ReadOnly | Style::NoBorder},
        {IDC_STATIC_NBMANGA, ControlKind::Static, "Nb total de Manga :", 707, 12, 70, 8},
        {IDC_EDIT_NBMANGA, ControlKind::Edit, "", 723, 24, 24, 12, Style::ReadOnly | Style::NoBorder},
        // Loan controls
        {IDC_STATIC_PRETA, ControlKind::Static, "Pr\xEAt\xE9 \xE0 :", 641, 383, 28, 10},
        {IDC_EDIT_PRETA, ControlKind::Edit, "", 671, 381, 94, 12},
        {IDC_STATIC_DATEPRET, ControlKind::Static, "le :", 651, 396, 16, 10},
        {IDC_EDIT_DATEPRET, ControlKind::Edit, "", 671, 394, 94, 12},
        {IDC_BUTTON_PRET, ControlKind::PushButton, "OK", 769, 381, 18, 26},
    }};
