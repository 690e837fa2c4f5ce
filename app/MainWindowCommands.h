#pragma once
// The bodies of the main windows' file commands, apart from any window: the
// CSV import dialogue, the style switch, loading, the backup and the restore.

#include "platform/Services.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

namespace ui {
class Window;
}
class CGestionBD;

namespace MainWindowCommands {

constexpr const char* CSV_FILTER = "Fichiers csv (*.csv)";
constexpr const char* MSG_IMPORT_QUESTION = "Voulez vous vraiment importer le fichier : %s ?";
constexpr const char* MSG_IMPORT_DONE = "Importation R\xE9ussie";
constexpr const char* MSG_IMPORT_BAD_LINE =
    "Probl\xE8me de format de CSV \xE0 la ligne : %s .\n\n Pour Rappel le format est le suivant :\n"
    "Serie;Album;Tome;Dessinateur;Scenariste;Editeur;Commentaire;EO;Genre;Collection;Note;Type \n\n"
    " Tout les chamops doivent au moins contenir un espace ! \n\n"
    " Pour annuler la saisie, il vous suffit de quitter sans sauver";
// Added to the two messages of an import that stopped.
constexpr const char* MSG_IMPORT_NOT_READ = "\n\n %i ligne(s) du fichier n'ont pas \xE9t\xE9 import\xE9" "es.";
constexpr const char* MSG_IMPORT_UNREADABLE =
    "Impossible de lire le fichier : %s\nAucune BD n'a \xE9t\xE9 import\xE9" "e.";
// Added to the import's messages when texts had to be cut.
constexpr const char* MSG_IMPORT_TEXTS_CUT =
    "\n\n %i texte(s) trop long(s) pour la fiche d'une BD ont \xE9t\xE9 coup\xE9s.";
// A file chosen for an import or a restore that is not read.
constexpr const char* MSG_NOT_A_FILE =
    "%s n'est pas un fichier ordinaire (dossier, tube ou p\xE9riph\xE9rique) : il n'a pas \xE9t\xE9 lu.";
constexpr const char* MSG_FILE_TOO_LARGE =
    "%s fait %s Mo : c'est bien plus qu'une collection de BD (%s Mo au plus). "
    "Il n'a pas \xE9t\xE9 lu.";
// The style file: the style of the main window at the next start, one digit.
constexpr const char* STYLE_FILE = "data\\quilloryType.cfg";
constexpr const char* MSG_STYLE_QUESTION =
    "Un changement de Style va necessitee un redemarrage du logiciel.\n Voulez vous continuer?";
constexpr const char* MSG_STYLE_FAILED = "Erreur de changement de type. Contactez quillory";

constexpr const char* MSG_CANNOT_OPEN = "Impossible d'ouvrir le fichier de base des BD";
// Lines of the database that give no album because they cannot be read:
// %i their count, %s the first of them.
constexpr const char* MSG_UNREAD_LINES =
    "%i ligne(s) du fichier de base des BD ne sont pas affich\xE9" "es (illisibles).\n"
    "Elles sont conserv\xE9" "es telles quelles dans le fichier \xE0 chaque "
    "enregistrement.\nPremi\xE8re de ces lignes : %s";

constexpr const char* BACKUP_FILTER = "Fichier de sauvegarde (*.db)";
constexpr const char* MSG_BACKUP_FAILED = "Impossible d'enregistrer la sauvegarde : %s";
constexpr const char* MSG_RESTORE_QUESTION =
    "Voulez vous vraiment restorer votre base de donn\xE9" "e ?\n"
    " Si oui Quillory va devoir se fermer pour se reinitialiser.";
constexpr const char* MSG_RESTORE_DONE = "Cliquer sur OK pour fermer Quillory";
constexpr const char* MSG_RESTORE_NOT_A_DATABASE =
    "Le fichier %s ne contient aucune BD lisible : ce n'est pas une sauvegarde de Quillory.\n"
    "La base des BD n'a pas \xE9t\xE9 modifi\xE9" "e.";
constexpr const char* MSG_RESTORE_UNREADABLE =
    "Le fichier %s contient %i BD et %i ligne(s) illisible(s), dont la premi\xE8re est :\n%s\n"
    "Ces lignes seront gard\xE9" "es dans la base, mais aucune BD n'en sera tir\xE9" "e.\n"
    "Restorer quand m\xEAme ?";
constexpr const char* MSG_RESTORE_KEPT =
    "L'ancienne base des BD est conserv\xE9" "e dans le fichier %s.";
constexpr const char* MSG_RESTORE_NO_COPY =
    "Impossible de conserver une copie de la base actuelle (%s) : la restauration est annul\xE9" "e.";
constexpr const char* MSG_RESTORE_FAILED =
    "Impossible de restorer la sauvegarde : %s\nLa base des BD n'a pas \xE9t\xE9 modifi\xE9" "e.";
// The copy of the database kept before a restore, in data\ beside it.
constexpr const char* RESTORE_COPY_PREFIX = "quillory-avant-restauration";

// The %s and %i of a message filled in order with the values given.
std::string Format(const char* pattern, std::initializer_list<std::string> values);
std::string Format(const char* pattern, const std::string& value);

// The About item at the end of the window menu, and the program icon.
void AddAboutItemAndIcon(ui::Window& window);

// Loads the database file, saying when it cannot be opened or holds lines
// the store cannot show.
void LoadCollection(CGestionBD& gestion, const std::string& programFolder);
// The collection of a main window being opened: the one read at the
// program's start when there is one, else the file read now; said the same.
std::unique_ptr<CGestionBD> OpenCollection(const std::string& programFolder);

// The import dialogue: choose a file, confirm, import, report. True when the
// collection may have changed (the window then refreshes and marks itself
// modified).
bool ImportCsv(ui::Window* owner, CGestionBD& gestion, const std::string& programFolder);

// The style switch to `chosen` (0 list, 1 graphic) from the window running
// `running`: asks for the restart, writes the style file and closes the
// window. False when nothing was changed (the same style, No, or a style
// file that cannot be written); the caller then shows its style's marks.
bool ChangeStyle(ui::Window& window, const std::string& programFolder, int running, int chosen);

// "Enregistrer sous...", and "Restorer" up to the closing: a backup checked
// as a collection replaces the database (kept beside it), the collection is
// reloaded, `refresh` shows it and the user is told; true then, and the
// window closes.
void SaveBackup(const CGestionBD& gestion, const std::string& programFolder);
bool RestoreBackup(ui::Window* owner, CGestionBD& gestion, const std::string& programFolder,
                   const std::function<void()>& refresh);


}  // namespace MainWindowCommands
