// Template 145: "Config des listes", a check box and a width per column of
// the album list pages ("Genre" stands above "EO").
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

namespace {
ui::ControlTemplate Check(int id, const char* text, int y) {
  return {id, ControlKind::CheckBox, text, 14, y - 2, 72, 14, Style::AutoCheck};
}
ui::ControlTemplate Size(int id, int y) {
  return {id, ControlKind::Edit, "", 96, y - 2, 40, 14, Style::Number};
}
}  // namespace

const ui::DialogTemplate kDialogConfTab{
    IDD_CONFTAB,
    "Configuration de la liste",
    154, 252,
    Style::SysMenu,
    nullptr,
    {
        {ui::IDC_STATIC, ControlKind::Static, "Colonnes ", 14, 6, 60, 8},
        {ui::IDC_STATIC, ControlKind::Static, "Taille", 96, 6, 40, 8},
        Check(IDC_CONF_CHECK_SERIE, "Serie", 21), Size(IDC_CONF_SIZE_SERIE, 21),
        Check(IDC_CONF_CHECK_TITRE, "Titre", 42), Size(IDC_CONF_SIZE_TITRE, 42),
        Check(IDC_CONF_CHECK_TOME, "Tome", 63), Size(IDC_CONF_SIZE_TOME, 63),
        Check(IDC_CONF_CHECK_SCENARISTE, "Scenariste", 84), Size(IDC_CONF_SIZE_SCENARISTE, 84),
        Check(IDC_CONF_CHECK_DESSINATEUR, "Dessinateur", 105),
        Size(IDC_CONF_SIZE_DESSINATEUR, 105),
        Check(IDC_CONF_CHECK_EDITEUR, "Editeur", 121), Size(IDC_CONF_SIZE_EDITEUR, 121),
        Check(IDC_CONF_CHECK_GENRE, "Genre", 142), Size(IDC_CONF_SIZE_GENRE, 142),
        Check(IDC_CONF_CHECK_EO, "EO", 163), Size(IDC_CONF_SIZE_EO, 163),
        Check(IDC_CONF_CHECK_COLLECTION, "Collection", 184), Size(IDC_CONF_SIZE_COLLECTION, 184),
        Check(IDC_CONF_CHECK_NOTE, "Note", 205), Size(IDC_CONF_SIZE_NOTE, 205),
        {ui::IDOK, ControlKind::PushButton, "OK", 20, 228, 50, 14, Style::DefaultButton},
        {ui::IDCANCEL, ControlKind::PushButton, "Cancel", 84, 228, 50, 14},
    }};
