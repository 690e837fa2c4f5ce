// Menu 134: the menu bar of both main windows. The shortcut hints are part of
// the item texts, padded with spaces.
#include "resources/Templates.h"

namespace {
ui::MenuItemTemplate Separator() { return ui::MenuItemTemplate::Separator(); }
}  // namespace

const ui::MenuTemplate kMenuQuillory{
    IDR_MENU_QUILLORY,
    {
        {"Gestion",
         {
             {"Nouvelle s\xE9rie             Ctrl+A", ID_GESTION_NOUVELLESERIE},
             {"Restorer", ID_GESTION_RESTORER},
             {"Enregistrer                  Ctrl+S", ID_GESTION_ENREGISTRER},
             {"Enregistrer sous...", ID_GESTION_ENREGISTRERSOUS},
             {"Imprimer", ID_GESTION_IMPRIMER},
             Separator(),
             {"Exporter en Html", ID_EXPORTER_HTML},
             {"Exporter en CSV", ID_EXPORTER_CSV},
             {"Importer un CSV", ID_IMPORTER_CSV},
             Separator(),
             {"Fermer", ID_FERMER},
         }},
        {"Outils",
         {
             {"Liste des pr\xEAts", ID_OUTILS_LISTEPRETS},
             {"Bloc Note", ID_OUTILS_BLOCNOTE},
         }},
        {"Statistiques",
         {
             {"G\xE9n\xE9rales", ID_STAT_GENERALES},
             {"Editeurs", ID_STAT_EDITEURS},
             {"Statistiques achat", ID_STAT_ACHAT},
             Separator(),
             {"BD Pr\xE9t\xE9" "es", ID_STAT_PRETEES},
             {"BD \xE0 suivre", ID_STAT_ASUIVRE},
             {"Historique Comics", ID_STAT_HISTORIQUECOMICS},
             Separator(),
             {"Albums manquants", ID_STAT_MANQUANTS},
         }},
        {"Configuration",
         {
             {"Config des listes", ID_CONFIG_LISTES},
             {"Configuration Web", ID_CONFIG_WEB},
             Separator(),
             {"Style Liste", ID_STYLE_LISTE, ui::MF_CHECKED},
             {"Style Graphique", ID_STYLE_GRAPHIQUE},
         }},
        {"Web",
         {
             {"Sortie BD", ID_WEB_SORTIEBD},
             {"Site de Quillory ", ID_WEB_SITE},
         }},
        {"A propos", ID_APROPOS},
    }};
