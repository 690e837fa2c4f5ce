// Template 142: general statistics, albums per type and per genre.
#include "resources/Templates.h"

using ui::ControlKind;
namespace Style = ui::Style;

const ui::DialogTemplate kDialogStat{
    IDD_STAT_GENERALES,
    "Statistiques g\xE9n\xE9rales",
    288, 185,
    Style::SysMenu,
    nullptr,
    {
        {ui::IDC_STATIC, ControlKind::GroupBox, "Nombre de BD par type", 7, 7, 126, 78},
        {ui::IDC_STATIC, ControlKind::Static, "BD Euro :", 15, 24, 60, 8},
        {IDC_STAT_EURO, ControlKind::Edit, "", 80, 22, 44, 12, Style::ReadOnly | Style::Disabled | Style::Right},
        {ui::IDC_STATIC, ControlKind::Static, "Comics :", 15, 39, 60, 8},
        {IDC_STAT_COMICS, ControlKind::Edit, "", 80, 37, 44, 12, Style::ReadOnly | Style::Disabled | Style::Right},
        {ui::IDC_STATIC, ControlKind::Static, "Manga :", 15, 54, 60, 8},
        {IDC_STAT_MANGA, ControlKind::Edit, "", 80, 52, 44, 12, Style::ReadOnly | Style::Disabled | Style::Right},
        {ui::IDC_STATIC, ControlKind::Static, "Total :", 15, 69, 60, 8},
        {IDC_STAT_TOTAL, ControlKind::Edit, "", 80, 67, 44, 12, Style::ReadOnly | Style::Disabled | Style::Right},
        {ui::IDC_STATIC, ControlKind::GroupBox, "Nombre BD par genre", 141, 7, 140, 150},
        {ui::IDC_STATIC, ControlKind::Static, "Aventure :", 149, 24, 70, 8},
        {IDC_STAT_AVENTURE, ControlKind::Edit, "", 226, 22, 46, 12, Style::ReadOnly | Style::Disabled | Style::Right},
        {ui::IDC_STATIC, ControlKind::Static, "Science fiction :", 149, 39, 70, 8},
        {IDC_STAT_SF, ControlKind::Edit, "", 226, 37, 46, 12, Style::ReadOnly | Style::Disabled | Style::Right},
        {ui::IDC_STATIC, ControlKind::Static, "Fantastique :", 149, 54, 70, 8},
        {IDC_STAT_FANTASTIQUE, ControlKind::Edit, "", 226, 52, 46, 12, Style::ReadOnly | Style::Disabled | Style::Right},
        {ui::IDC_STATIC, ControlKind::Static, "Historique :", 149, 69, 70, 8},
        {IDC_STAT_HISTORIQUE, ControlKind::Edit, "", 226, 67, 46, 12, Style::ReadOnly | Style::Disabled | Style::Right},
        {ui::IDC_STATIC, ControlKind::Static, "Contemporain :", 149, 84, 70, 8},
        {IDC_STAT_CONTEMPORAIN, ControlKind::Edit, "", 226, 82, 46, 12, Style::ReadOnly | Style::Disabled | Style::Right},
        {ui::IDC_STATIC, ControlKind::Static, "Romantique :", 149, 99, 70, 8},
        {IDC_STAT_ROMANTIQUE, ControlKind::Edit, "", 226, 97, 46, 12, Style::ReadOnly | Style::Disabled | Style::Right},
        {ui::IDC_STATIC, ControlKind::Static, "Humour :", 149, 114, 70, 8},
        {IDC_STAT_HUMOUR, ControlKind::Edit, "", 226, 112, 46, 12, Style::ReadOnly | Style::Disabled | Style::Right},
        {ui::IDC_STATIC, ControlKind::Static, "Policier :", 149, 129, 70, 8},
        {IDC_STAT_POLICIER, ControlKind::Edit, "", 226, 127, 46, 12, Style::ReadOnly | Style::Disabled | Style::Right},
        {ui::IDC_STATIC, ControlKind::Static, "Heroic Fantaisy :", 149, 144, 70, 8},
        {IDC_STAT_HEROIC, ControlKind::Edit, "", 226, 142, 46, 12, Style::ReadOnly | Style::Disabled | Style::Right},
        {ui::IDOK, ControlKind::PushButton, "Fermer", 231, 164, 50, 14, Style::DefaultButton},
    }};
