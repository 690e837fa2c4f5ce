// Menu 143: the context menu of an album list page in the list style. The
// shortcut hints are part of the item texts, padded with spaces.
#include "resources/Templates.h"

const ui::MenuTemplate kMenuPage{
    IDR_MENU_PAGE,
    {
        {"Page",
         {
             {"Ajouter une suite  Ctrl+N", ID_PAGE_AJOUTERSUITE},
             {"Modifier                Ctrl+M", ID_PAGE_MODIFIER},
             {"Supprimer             Ctrl+D", ID_PAGE_SUPPRIMER},
         }},
    }};
