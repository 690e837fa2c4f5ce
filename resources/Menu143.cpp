// Menu 143 (POPUP_SUBMIT): the album commands, opened on an album row.
#include "resources/Templates.h"

const ui::MenuTemplate kMenuPopupSubmit{
    IDR_MENU_POPUP_SUBMIT,
    {
        {"POPUP_SUBMIT",
         {
             {"Ajouter une suite  Ctrl+N", ID_PAGE_AJOUTERSUITE},
             {"Modifier                Ctrl+M", ID_PAGE_MODIFIER},
             {"Supprimer             Ctrl+D", ID_PAGE_SUPPRIMER},
         }},
    }};
