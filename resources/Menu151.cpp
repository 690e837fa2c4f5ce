// Menu 151 (POP_UP_SERIE): the series commands of the graphic window's
// series pages.
#include "resources/Templates.h"

const ui::MenuTemplate kMenuPopupSerie{
    IDR_MENU_POPUP_SERIE,
    {
        {"POP_UP_SERIE",
         {
             {"Ajouter  Ctrl+A", ID_SERIE_AJOUTER},
             {"Renommer", ID_SERIE_RENOMMER},
             {"Supprimer", ID_SERIE_SUPPRIMER},
         }},
    }};
