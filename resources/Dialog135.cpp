// Template 135: the album entry dialog (new series, next volume, modification).
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

namespace {
constexpr std::uint32_t kCombo = Style::DropDown | Style::Sorted | Style::VScroll;
}  // namespace

const ui::DialogTemplate kDialogAjoutBD{
    IDD_AJOUT_BD,
    "Ajouter une BD",
    334, 170,
    Style::SysMenu,
    nullptr,
    {
        {ui::IDC_STATIC, ControlKind::Static, "Serie", 7, 9, 44, 8},
        {IDC_AJOUT_SERIE, ControlKind::Edit, "", 55, 7, 110, 12},
        {ui::IDC_STATIC, ControlKind::Static, "Titre", 7, 25, 44, 8},
        {IDC_AJOUT_TITRE, ControlKind::Edit, "", 55, 23, 110, 12},
        {ui::IDC_STATIC, ControlKind::Static, "Tome", 7, 41, 44, 8},
        {IDC_AJOUT_TOME, ControlKind::Edit, "", 55, 39, 32, 12, Style::Number},
        {IDC_AJOUT_EO, ControlKind::CheckBox, "EO", 105, 40, 40, 10, Style::AutoCheck},
        {ui::IDC_STATIC, ControlKind::Static, "Date d'achat", 7, 57, 44, 8},
        {IDC_AJOUT_DATEACHAT, ControlKind::DateTimePicker, "", 55, 55, 80, 13,
         Style::ShortDate | Style::RightAlignCalendar},
        {ui::IDC_STATIC, ControlKind::Static, "Note", 7, 74, 44, 8},
        {IDC_AJOUT_NOTE, ControlKind::Edit, "", 55, 72, 24, 12, Style::Number | Style::Center},
        {IDC_AJOUT_SERIEFINIE, ControlKind::CheckBox, "Serie Finie", 95, 73, 60, 10,
         Style::AutoCheck | Style::LeftText},

        {ui::IDC_STATIC, ControlKind::Static, "Scenario", 175, 9, 42, 8},
        {IDC_AJOUT_SCENARIO, ControlKind::ComboBox, "", 220, 7, 107, 100, kCombo},
        {ui::IDC_STATIC, ControlKind::Static, "Dessin", 175, 25, 42, 8},
        {IDC_AJOUT_DESSIN, ControlKind::ComboBox, "", 220, 23, 107, 100, kCombo},
        {ui::IDC_STATIC, ControlKind::Static, "Genre", 175, 41, 42, 8},
        {IDC_AJOUT_GENRE, ControlKind::ComboBox, "", 220, 39, 107, 100, kCombo,
         {"Science fiction", "Fantastique", "Aventure", "Historique", "Contemporain",
          "Romantique", "Policier", "Humour", "Heroic Fantaisy", "Roman Graphique", "Auteur",
          "Inclassable"}},
        {ui::IDC_STATIC, ControlKind::Static, "Type", 175, 57, 42, 8},
        {IDC_AJOUT_TYPE, ControlKind::ComboBox, "", 220, 55, 107, 60, kCombo,
         {"BD Euro", "Manga", "Comic"}},
        {ui::IDC_STATIC, ControlKind::Static, "Editeur", 175, 74, 42, 8},
        {IDC_AJOUT_EDITEUR, ControlKind::ComboBox, "", 220, 72, 107, 100, kCombo},
        {ui::IDC_STATIC, ControlKind::Static, "Collection", 175, 91, 42, 8},
        {IDC_AJOUT_COLLECTION, ControlKind::ComboBox, "", 220, 89, 107, 100, kCombo},

        {ui::IDC_STATIC, ControlKind::Static, "Commentaire", 7, 108, 60, 8},
        {IDC_AJOUT_COMMENTAIRE, ControlKind::Edit, "", 7, 119, 320, 14},

        {ui::IDOK, ControlKind::PushButton, "Ajouter", 219, 147, 50, 15, Style::DefaultButton},
        {ui::IDCANCEL, ControlKind::PushButton, "Fermer", 277, 147, 50, 15},
    }};
