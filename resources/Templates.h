#pragma once
// The program's dialog templates, menus, strings and icon, as plain data
// (texts in Windows-1252).

#include "platform/DialogTemplate.h"
#include "platform/Image.h"
#include "platform/Menu.h"

#include "resources/Resource.h"

extern const ui::DialogTemplate kDialogQuillory;   // 102, main window, list style
extern const ui::DialogTemplate kDialogQuilloryList;  // 141, album list page
extern const ui::DialogTemplate kDialogAffNews;     // 146, "Sortie BD", the news page
extern const ui::DialogTemplate kDialogProxy;       // 148, "Configuration connexion internet"
extern const ui::DialogTemplate kDialogNewsProgress;  // 170, the news download's progress box
extern const ui::MenuTemplate kMenuQuillory;       // 134, menu bar of both main windows
extern const ui::DialogTemplate kDialogAjoutBD;    // 135, album entry dialog
extern const ui::DialogTemplate kDialogPrets;      // 136, list of loans
extern const ui::MenuTemplate kMenuPage;           // 143, context menu of an album list page
extern const ui::DialogTemplate kDialogStatPrets;  // 155, loans per album
extern const ui::DialogTemplate kDialogConfTab;    // 145, "Config des listes"
extern const ui::DialogTemplate kDialogQuilloryGraph;  // 149, main window, graphic style
extern const ui::MenuTemplate kMenuPopupSerie;     // 151, series commands (graphic series pages)
extern const ui::DialogTemplate kDialogRename;     // 152, renaming a series
extern const ui::DialogTemplate kDialogSeconPic;   // 160, the second picture of an album
extern const ui::DialogTemplate kDialogAbout;      // 100, About box, list style
extern const ui::DialogTemplate kDialogStat;       // 142, general statistics
extern const ui::DialogTemplate kDialogStatEdit;   // 144, albums per publisher
extern const ui::DialogTemplate kDialogAbout2;     // 153, About box, graphic style
extern const ui::DialogTemplate kDialogSerieASuivre;  // 154, series to follow
extern const ui::DialogTemplate kDialogComicLink;  // 156, comics by release date
extern const ui::DialogTemplate kDialogListSimple; // 157, one year's page of 156
extern const ui::DialogTemplate kDialogBlocNote;   // 159, notepad
extern const ui::DialogTemplate kDialogStatAchat;  // 161, purchases per month
extern const ui::DialogTemplate kDialogAlbumsManquants;  // 171, volumes missing from the series

// String table entries by id; an empty text for an unknown id.
const char* LoadResourceString(int id);

// The application icon (resource 128), 32 by 32 pixels.
const ui::Image& ApplicationIcon();
// The same icon drawn at `size` by `size` pixels (the desktop's icon files).
ui::Image DrawApplicationIcon(int size);
