#pragma once
// Identifiers of the program's resources: templates, menus, controls,
// commands and strings, shared by the windows that use them and the tests.

// Templates, menus, icon, strings
enum : int {
  IDM_ABOUTBOX = 16,            // item of the window menu
  IDD_ABOUTBOX = 100,           // About box, list style
  IDS_ABOUTBOX = 101,
  IDD_QUILLORY_DIALOG = 102,    // main window, list style
  IDR_MAINFRAME = 128,          // application icon
  IDR_MENU_QUILLORY = 134,      // menu bar of both main windows
  IDD_QUILLORY_LIST = 141,      // album list page of the tab control
  IDD_STAT_GENERALES = 142,
  IDD_STAT_EDITEURS = 144,
  IDD_ABOUTBOX2 = 153,          // About box, graphic style
  IDD_SERIE_ASUIVRE = 154,
  IDD_COMIC_LINK = 156,
  IDD_LIST_SIMPLE = 157,        // page of the comics release dialog
  IDD_BLOCNOTE = 159,
  IDD_STAT_ACHAT = 161,
  IDD_AJOUT_BD = 135,           // album entry dialog
  IDD_PRETS = 136,              // list of loans
  IDR_MENU_PAGE = 143,          // album commands: list page (list style), album list (graphic)
  IDD_STAT_PRETS = 155,         // loans per album
  IDD_CONFTAB = 145,            // "Config des listes"
  IDD_QUILLORY_GRAPH = 149,     // main window, graphic style
  IDR_MENU_POPUP_SERIE = 151,   // context menu of the graphic window's series pages
  IDD_RENAME = 152,             // renaming a series
  IDD_SECONPIC = 160,           // the second picture of an album
  IDD_QUILLORY_AFFNEWS = 146,   // "Sortie BD": the news page
  IDD_QUILLORY_PROXY = 148,     // "Configuration connexion internet"
  IDD_QUILLORY_NEWSPROGRESS = 170,  // progress box of the news download
  IDD_ALBUMS_MANQUANTS = 171,   // the volumes missing from each series
};

// Controls of the album entry dialog (135)
enum : int {
  IDC_AJOUT_TITRE = 1003,
  IDC_AJOUT_SCENARIO = 1004,    // writer
  IDC_AJOUT_DESSIN = 1005,      // artist
  IDC_AJOUT_COMMENTAIRE = 1006,
  IDC_AJOUT_SERIE = 1007,
  IDC_AJOUT_EDITEUR = 1008,
  IDC_AJOUT_TOME = 1009,
  IDC_AJOUT_COLLECTION = 1010,
  IDC_AJOUT_EO = 1022,
  IDC_AJOUT_GENRE = 1023,
  IDC_AJOUT_DATEACHAT = 1024,
  IDC_AJOUT_SERIEFINIE = 1025,
  IDC_AJOUT_TYPE = 1037,
  IDC_AJOUT_NOTE = 1057,
};

// Controls of the list of loans (136) and of the loans per album (155)
enum : int {
  IDC_LIST_PRETS = 1012,
  IDC_BUTTON_RENDUE = 1013,
  IDC_LIST_STATPRETS = 1088,
};

// Controls of the statistics, series-to-follow, comics release, notepad and
// About dialogs
enum : int {
  IDC_PICTURE_COMICS = 1016,    // 157: cover of the clicked comic
  IDC_TAB_COMICS = 1031,        // 156: one tab per year
  IDC_STAT_EURO = 1038,         // 142: albums per type
  IDC_STAT_COMICS = 1039,
  IDC_STAT_MANGA = 1040,
  IDC_STAT_TOTAL = 1041,
  IDC_LIST_STATEDITEURS = 1041, // 144
  IDC_STAT_AVENTURE = 1042,     // 142: albums per genre
  IDC_STAT_SF = 1043,
  IDC_STAT_FANTASTIQUE = 1044,
  IDC_STAT_HISTORIQUE = 1045,
  IDC_STAT_CONTEMPORAIN = 1046,
  IDC_STAT_ROMANTIQUE = 1047,
  IDC_STAT_HUMOUR = 1048,
  IDC_STAT_POLICIER = 1050,
  IDC_STAT_HEROIC = 1051,
  IDC_LIST_ASUIVRE = 1086,      // 154
  IDC_BUTTON_IMPRIMER_ASUIVRE = 1087,
  IDC_LIST_COMICS = 1090,       // 157
  IDC_EDIT_BLOCNOTE = 1097,     // 159
  IDC_COMBO_ANNEE = 1101,       // 161
  IDC_LIST_ACHAT = 1102,
  IDC_LIST_MANQUANTS = 1110,    // 171
  IDC_ABOUT_ICON = 1150,        // 100 and 153
  IDC_ABOUT_VERSION = 1151,
};

// Controls of the news, proxy and progress dialogs
enum : int {
  IDC_EXPLORER_NEWS = 1054,     // the web view of "Sortie BD"
  IDC_CHECK_PROXY = 1055,       // "Activer Proxy"
  IDC_EDIT_PROXYHOST = 1056,
  IDC_EDIT_PROXYPORT = 1057,
  IDC_CHECK_AUTH = 1058,        // "Desactiver Anonyme"
  IDC_EDIT_PROXYLOGIN = 1059,
  IDC_EDIT_PROXYPASSWORD = 1060,
  IDC_STATIC_NEWSPROGRESS = 1061,
};

// Controls of the main window (list style) and of its pages
enum : int {
  IDC_LIST_ALBUMS = 1001,       // page: the album list
  IDC_EDIT_PRETA = 1008,        // borrower name
  IDC_STATIC_PRETA = 1009,
  IDC_BUTTON_PRET = 1011,       // records a loan
  IDC_PICTURE = 1016,           // cover picture frame
  IDC_EDIT_DATEPRET = 1017,     // loan date
  IDC_STATIC_DATEPRET = 1018,
  IDC_EDIT_RECHERCHE = 1025,    // search text
  IDC_BUTTON_RECHERCHE = 1026,
  IDC_EDIT_NBBD = 1030,         // total number of albums
  IDC_TAB = 1031,
  IDC_STATIC_COMMENTAIRE = 1036,  // page: the selected album's comment
  IDC_STATIC_RECHERCHE = 1042,
  IDC_STATIC_NBBD = 1043,
  IDC_GROUP_COMMENTAIRE = 1044,   // page
};

// Controls of the main window in the graphic style (template 149) besides
// those it shares with the list style (1008-1031, 1042, 1043)
enum : int {
  IDC_EDIT_NBCOMIC = 1032,
  IDC_EDIT_NBMANGA = 1033,
  IDC_STATIC_NBCOMIC = 1044,
  IDC_STATIC_NBMANGA = 1045,
  IDC_LIST_SERIE_ALBUMS = 1058, // the albums of the current series
  IDC_VALUE_DESSIN = 1059,
  IDC_LABEL_DESSIN = 1060,
  IDC_LABEL_SCENARIO = 1061,
  IDC_VALUE_SCENARIO = 1062,
  IDC_LABEL_GENRE = 1063,
  IDC_VALUE_GENRE = 1064,
  IDC_GROUP_ALBUMS = 1065,
  IDC_GROUP_DETAILS = 1066,
  IDC_LABEL_EDITEUR = 1067,
  IDC_VALUE_EDITEUR = 1068,
  IDC_LABEL_COLLECTION = 1069,
  IDC_VALUE_COLLECTION = 1070,
  IDC_LABEL_COMMENTAIRE = 1071,
  IDC_VALUE_COMMENTAIRE = 1072,
  IDC_LABEL_SERIE = 1073,
  IDC_VALUE_SERIE = 1074,
  IDC_LABEL_TOME = 1075,
  IDC_VALUE_TOME = 1076,
  IDC_LABEL_EO = 1077,
  IDC_VALUE_EO = 1078,
  IDC_LABEL_NOTE = 1079,
  IDC_VALUE_NOTE = 1080,
  IDC_GROUP_SERIES = 1081,
  IDC_BUTTON_MODIFIER = 1082,
  IDC_STATIC_ENPRET = 1083,     // "BD EN PRET"
  IDC_LABEL_TITRE = 1085,
  IDC_VALUE_TITRE = 1086,
  IDC_BUTTON_IMAGE2 = 1098,     // "Image associ\xE9e"
};

// Controls of the column dialog (template 145): a check box and a size box
// per column of the album list pages, in the columns' order.
enum : int {
  IDC_CONF_CHECK_TITRE = 1045,
  IDC_CONF_CHECK_SERIE = 1046,
  IDC_CONF_CHECK_TOME = 1047,
  IDC_CONF_CHECK_SCENARISTE = 1048,
  IDC_CONF_CHECK_EDITEUR = 1049,
  IDC_CONF_CHECK_DESSINATEUR = 1050,
  IDC_CONF_CHECK_GENRE = 1051,
  IDC_CONF_CHECK_EO = 1052,
  IDC_CONF_SIZE_TITRE = 1053,
  IDC_CONF_SIZE_SERIE = 1054,
  IDC_CONF_SIZE_TOME = 1055,
  IDC_CONF_SIZE_SCENARISTE = 1056,
  IDC_CONF_SIZE_DESSINATEUR = 1057,
  IDC_CONF_SIZE_EDITEUR = 1058,
  IDC_CONF_CHECK_COLLECTION = 1059,
  IDC_CONF_SIZE_GENRE = 1060,
  IDC_CONF_SIZE_EO = 1061,
  IDC_CONF_SIZE_COLLECTION = 1062,
  IDC_CONF_CHECK_NOTE = 1063,
  IDC_CONF_SIZE_NOTE = 1064,
};

// Controls of the rename dialog (152) and of the second picture dialog (160)
enum : int {
  IDC_RENAME_ANCIEN = 1083,
  IDC_RENAME_NOUVEAU = 1084,
  IDC_PICTURE2 = 1099,
};

// Commands of menu 134
enum : int {
  ID_FERMER = 1,
  ID_GESTION_NOUVELLESERIE = 32771,
  ID_OUTILS_LISTEPRETS = 32773,
  ID_APROPOS = 32774,
  ID_STAT_GENERALES = 32778,
  ID_EXPORTER_HTML = 32782,
  ID_STAT_EDITEURS = 32785,
  ID_GESTION_ENREGISTRERSOUS = 32786,
  ID_GESTION_RESTORER = 32787,
  ID_EXPORTER_CSV = 32789,
  ID_CONFIG_LISTES = 32790,
  ID_WEB_SORTIEBD = 32791,
  ID_CONFIG_WEB = 32792,
  ID_WEB_SITE = 32793,
  ID_STYLE_LISTE = 32794,
  ID_STYLE_GRAPHIQUE = 32795,
  ID_GESTION_ENREGISTRER = 32799,
  ID_GESTION_IMPRIMER = 32800,
  ID_STAT_ASUIVRE = 32801,
  ID_STAT_PRETEES = 32802,
  ID_STAT_HISTORIQUECOMICS = 32803,
  ID_OUTILS_BLOCNOTE = 32805,
  ID_IMPORTER_CSV = 32806,
  ID_STAT_ACHAT = 32807,
  ID_STAT_MANQUANTS = 32810,
};

// Commands of the album list page's context menu
enum : int {
  ID_PAGE_MODIFIER = 32779,
  ID_PAGE_AJOUTERSUITE = 32780,
  ID_PAGE_SUPPRIMER = 32781,
};

// Commands of the series pages' context menu (graphic style)
enum : int {
  ID_SERIE_RENOMMER = 32796,
  ID_SERIE_AJOUTER = 32797,
  ID_SERIE_SUPPRIMER = 32798,
};
