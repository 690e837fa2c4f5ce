// Saving, the backup, the restore and the close question.
#include "MainWindowFixture.h"

#include "collection/DataPath.h"
#include "collection/GestionBD.h"
#include "resources/Resource.h"

#include <sys/stat.h>

#include <filesystem>

namespace {

const char* const kQuestion = "Voulez vous sauvegarder les modifications ??";
const char* const kKeptFirst =
    "L'ancienne base des BD est conserv\xE9" "e dans le fichier data\\quillory-avant-restauration.db.\n"
    "Cliquer sur OK pour fermer Quillory";
const char* const kRestoreQuestion =
    "Voulez vous vraiment restorer votre base de donn\xE9" "e ?\n"
    " Si oui Quillory va devoir se fermer pour se reinitialiser.";

std::vector<AlbumValues> TwoAlbums() {
  return {{"Blake et Mortimer", "La Marque jaune", 6}, {"Watchmen", "Watchmen", 1}};
}

class CloseTest : public MainWindowTest {
 protected:
  void SetUp() override {
    folder.WriteCollection(TwoAlbums());
    Open();
    original = folder.ReadFile("data/quillory.db");
  }
  // A change in memory, as a command would make it.
  void Change() {
    dlg->GetGestion()->GetAlbum(0)->SetTitre("Titre change");
    dlg->SetModified();
  }
  std::string original;
};

TEST_F(CloseTest, RightAfterStartAsksNothing) {
  Window().Close();
  EXPECT_TRUE(dlg->IsEnded());
  EXPECT_TRUE(dlg->IsClosing());
}

TEST_F(CloseTest, NoLeavesTheFileAsItWas) {
  Change();
  session.ExpectMessageBox(kQuestion).Type(ui::MB_YESNO | ui::MB_ICONEXCLAMATION).Answer(ui::IDNO);
  Window().Close();
  EXPECT_TRUE(dlg->IsEnded());
  EXPECT_EQ(folder.ReadFile("data/quillory.db"), original);
}

TEST_F(CloseTest, YesWritesTheChanges) {
  Change();
  session.ExpectMessageBox(kQuestion).Answer(ui::IDYES);
  Window().Close();
  EXPECT_TRUE(dlg->IsEnded());
  EXPECT_NE(folder.ReadFile("data/quillory.db").find("\"Titre change\""), std::string::npos);
}

TEST_F(CloseTest, FermerAsksTheSameQuestion) {
  Change();
  session.ExpectMessageBox(kQuestion).Answer(ui::IDNO);
  Window().Menu(ID_FERMER);
  EXPECT_TRUE(dlg->IsEnded());
}

TEST_F(CloseTest, EscapeGoesThroughTheQuestionInsteadOfEndingAtOnce) {
  Change();
  session.ExpectMessageBox(kQuestion).Answer(ui::IDYES);
  Window().Focus(IDC_EDIT_RECHERCHE).PressKey(ui::VK_ESCAPE);
  EXPECT_TRUE(dlg->IsEnded());
  EXPECT_NE(folder.ReadFile("data/quillory.db").find("\"Titre change\""), std::string::npos);
}

TEST_F(CloseTest, FailedSaveAtYesIsReportedAndKeepsTheWindowOpen) {
  Change();
  // A folder where the file should be: it cannot be replaced.
  folder.Remove("data/quillory.db");
  std::filesystem::create_directories(folder.File("data/quillory.db/x"));
  session.ExpectMessageBox(kQuestion).Answer(ui::IDYES);
  session.ExpectMessageBox("Impossible d'enregistrer le fichier de base des BD");
  Window().Close();
  EXPECT_FALSE(dlg->IsEnded());
  EXPECT_TRUE(dlg->IsModified());
  EXPECT_FALSE(dlg->IsClosing());  // the pages react to selections again

  // Once the file can be written, closing saves.
  folder.Remove("data/quillory.db");
  session.ExpectMessageBox(kQuestion).Answer(ui::IDYES);
  Window().Close();
  EXPECT_TRUE(dlg->IsEnded());
  EXPECT_TRUE(folder.Exists("data/quillory.db"));
}

TEST_F(CloseTest, SaveClearsTheModifiedFlagUntilTheNextChange) {
  Change();
  Window().Menu(ID_GESTION_ENREGISTRER);
  EXPECT_FALSE(dlg->IsModified());
  EXPECT_NE(folder.ReadFile("data/quillory.db").find("\"Titre change\""), std::string::npos);
  Window().Close();  // no question
  EXPECT_TRUE(dlg->IsEnded());
}

TEST_F(CloseTest, FailedSaveIsReportedAndKeepsTheModifiedFlag) {
  Change();
  folder.Remove("data/quillory.db");
  std::filesystem::create_directories(folder.File("data/quillory.db/x"));
  session.ExpectMessageBox("Impossible d'enregistrer le fichier de base des BD");
  Window().Menu(ID_GESTION_ENREGISTRER);
  EXPECT_TRUE(dlg->IsModified());
}

TEST_F(CloseTest, AReadOnlyDatabaseIsNotReplacedAndTheChangesWait) {
  // The user marked the collection read-only, to protect it.
  std::filesystem::permissions(folder.File("data/quillory.db"),
                               std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                   std::filesystem::perms::others_read);
  Change();
  const std::string message =
      "Impossible d'enregistrer le fichier de base des BD\n\nLe fichier " +
      folder.File("data/quillory.db") +
      " est en lecture seule : Quillory ne le remplace pas. Retirez-lui cette protection puis "
      "enregistrez de nouveau ; d'ici l\xE0 les modifications restent en attente.";
  session.ExpectMessageBox(message).Type(ui::MB_OK | ui::MB_ICONSTOP);
  Window().PressCtrlKey('S');
  EXPECT_TRUE(dlg->IsModified());
  session.ExpectMessageBox(kQuestion).Answer(ui::IDYES);
  session.ExpectMessageBox(message);
  Window().Close();
  EXPECT_FALSE(dlg->IsEnded());
  EXPECT_EQ(folder.ReadFile("data/quillory.db"), original);
}

// ---- Backup ----

TEST_F(CloseTest, BackupWritesTheCollectionToTheChosenFile) {
  Change();
  const std::string backup = folder.File("sauvegarde.db");
  session.ExpectSaveFile()
      .Filter("Fichier de sauvegarde (*.db)", "*.db")
      .InitialDir(DataPath(folder.Path(), "data\\"))
      .Choose(backup);
  Window().Menu(ID_GESTION_ENREGISTRERSOUS);
  EXPECT_EQ(folder.ReadFile("sauvegarde.db"), dlg->GetGestion()->FormatDatabase());
  EXPECT_TRUE(dlg->IsModified());  // a backup is not a save
  EXPECT_EQ(folder.ReadFile("data/quillory.db"), original);
}

TEST_F(CloseTest, BackupAsksBeforeReplacingTheFileThatWillReallyBeWritten) {
  folder.WriteFile("data/sauvegarde.db", "ancienne sauvegarde");
  const char* const overwrite = "sauvegarde.db existe d\xE9j\xE0.\nVoulez-vous le remplacer ?";
  // Typed without its extension: the question is still about sauvegarde.db.
  session.ExpectSaveFile().Title("Enregistrer sous").Choose(folder.File("data/sauvegarde"));
  session.ExpectMessageBox(overwrite).Answer(ui::IDNO);
  session.ExpectSaveFile().Cancel();
  Window().Menu(ID_GESTION_ENREGISTRERSOUS);
  EXPECT_EQ(folder.ReadFile("data/sauvegarde.db"), "ancienne sauvegarde");
  EXPECT_FALSE(folder.Exists("data/sauvegarde"));

  session.ExpectSaveFile().Choose(folder.File("data/sauvegarde"));
  session.ExpectMessageBox(overwrite).Answer(ui::IDYES);
  Window().Menu(ID_GESTION_ENREGISTRERSOUS);
  EXPECT_EQ(folder.ReadFile("data/sauvegarde.db"), original);
}

TEST_F(CloseTest, CancelledBackupWritesNothing) {
  session.ExpectSaveFile().Cancel();
  Window().Menu(ID_GESTION_ENREGISTRERSOUS);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                          std::filesystem::directory_iterator()),
            2);  // data and images only
}

TEST_F(CloseTest, FailedBackupIsReported) {
  const std::string backup = folder.File("absent/sauvegarde.db");
  session.ExpectSaveFile().Choose(backup);
  session.ExpectMessageBox("Impossible d'enregistrer la sauvegarde : " + backup);
  Window().Menu(ID_GESTION_ENREGISTRERSOUS);
}

// ---- Restore ----

TEST_F(CloseTest, RestoreCopiesTheBackupReloadsAndCloses) {
  const std::vector<AlbumValues> saved = {{"Akira", "Tetsuo", 1}, {"Akira", "Kaneda", 2},
                                        {"Tintin", "Le Lotus bleu", 5}};
  folder.WriteCollection(saved);
  const std::string backup = folder.File("images/copie.db");
  std::filesystem::rename(folder.File("data/quillory.db"), backup);
  folder.WriteFile("data/quillory.db", original);

  session.ExpectOpenFile()
      .Title("R\xE9pertoire courant")
      .InitialDir(DataPath(folder.Path(), "data\\"))
      .Choose(backup);
  session.ExpectMessageBox(kRestoreQuestion).Type(ui::MB_YESNO | ui::MB_ICONEXCLAMATION).Answer(ui::IDYES);
  session.ExpectMessageBox(kKeptFirst).Type(ui::MB_OK | ui::MB_ICONEXCLAMATION);
  Window().Menu(ID_GESTION_RESTORER);

  EXPECT_EQ(folder.ReadFile("data/quillory.db"), TestProgramFolder::DatabaseBytes(saved));
  // The database it replaced is kept beside it.
  EXPECT_EQ(folder.ReadFile("data/quillory-avant-restauration.db"), original);
  EXPECT_EQ(dlg->GetGestion()->GetAlbumCount(), 3);
  EXPECT_TRUE(dlg->IsEnded());
}

TEST_F(CloseTest, RestoreAnsweredWithEscapeOrTheCloseBoxRestoresNothing) {
  folder.WriteFile("copie.db", TestProgramFolder::DatabaseBytes({{"Akira", "Tetsuo", 1}}));
  session.ExpectOpenFile().Choose(folder.File("copie.db"));
  session.ExpectMessageBox(kRestoreQuestion).Escape();
  Window().Menu(ID_GESTION_RESTORER);
  session.ExpectOpenFile().Choose(folder.File("copie.db"));
  session.ExpectMessageBox(kRestoreQuestion).CloseBox();
  Window().Menu(ID_GESTION_RESTORER);
  EXPECT_FALSE(dlg->IsEnded());
  EXPECT_EQ(folder.ReadFile("data/quillory.db"), original);
  EXPECT_FALSE(folder.Exists("data/quillory-avant-restauration.db"));
}

TEST_F(CloseTest, RestoreRefusesAFileWithoutAlbumsAndAsksAgainForUnreadableLines) {
  // A picture picked by mistake: refused before any question.
  const std::string picture = folder.File("images/couverture.jpg");
  folder.WriteFile("images/couverture.jpg", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\n\x01\x02", 16));
  session.ExpectOpenFile().Choose(picture);
  session.ExpectMessageBox("Le fichier " + picture +
                           " ne contient aucune BD lisible : ce n'est pas une sauvegarde de Quillory.\n"
                           "La base des BD n'a pas \xE9t\xE9 modifi\xE9" "e.")
      .Type(ui::MB_OK | ui::MB_ICONSTOP);
  Window().Menu(ID_GESTION_RESTORER);
  EXPECT_EQ(folder.ReadFile("data/quillory.db"), original);

  // A backup with a damaged line: a second question says what will happen.
  const std::string damaged = TestProgramFolder::DatabaseBytes({{"Akira", "Tetsuo", 1}}) +
                              "\"Akira\" \"Kaneda\" 2 \"Otomo\"\r\n";
  folder.WriteFile("abimee.db", damaged);
  const std::string second = "Le fichier " + folder.File("abimee.db") +
                             " contient 1 BD et 1 ligne(s) illisible(s), dont la premi\xE8re est :\n"
                             "\"Akira\" \"Kaneda\" 2 \"Otomo\"\nCes lignes seront gard\xE9" "es dans la "
                             "base, mais aucune BD n'en sera tir\xE9" "e.\nRestorer quand m\xEAme ?";
  session.ExpectOpenFile().Choose(folder.File("abimee.db"));
  session.ExpectMessageBox(kRestoreQuestion).Answer(ui::IDYES);
  session.ExpectMessageBox(second).Type(ui::MB_YESNO | ui::MB_ICONEXCLAMATION).Answer(ui::IDNO);
  Window().Menu(ID_GESTION_RESTORER);
  EXPECT_EQ(folder.ReadFile("data/quillory.db"), original);
  EXPECT_FALSE(dlg->IsEnded());

  // Yes restores it whole, the damaged line included; a second restore keeps
  // the first copy and makes a new one.
  folder.WriteFile("data/quillory-avant-restauration.db", "plus ancienne");
  session.ExpectOpenFile().Choose(folder.File("abimee.db"));
  session.ExpectMessageBox(kRestoreQuestion).Answer(ui::IDYES);
  session.ExpectMessageBox(second).Answer(ui::IDYES);
  session.ExpectMessageBox(
      "1 ligne(s) du fichier de base des BD ne sont pas affich\xE9" "es (illisibles).\n"
      "Elles sont conserv\xE9" "es telles quelles dans le fichier \xE0 chaque "
      "enregistrement.\nPremi\xE8re de ces lignes : \"Akira\" \"Kaneda\" 2 \"Otomo\"");
  session.ExpectMessageBox(
      "L'ancienne base des BD est conserv\xE9" "e dans le fichier data\\quillory-avant-restauration-2.db.\n"
      "Cliquer sur OK pour fermer Quillory");
  Window().Menu(ID_GESTION_RESTORER);
  EXPECT_TRUE(dlg->IsEnded());
  EXPECT_EQ(folder.ReadFile("data/quillory.db"), damaged);
  EXPECT_EQ(folder.ReadFile("data/quillory-avant-restauration.db"), "plus ancienne");
  EXPECT_EQ(folder.ReadFile("data/quillory-avant-restauration-2.db"), original);
}

TEST_F(CloseTest, RestoreReadsOnlyARegularFileOfACollectionsSize) {
  // A named pipe would block the program until something writes to it.
  const std::string pipe = folder.File("tube.db");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  session.ExpectOpenFile().Choose(pipe);
  session.ExpectMessageBox(pipe +
                           " n'est pas un fichier ordinaire (dossier, tube ou p\xE9riph\xE9rique) : il "
                           "n'a pas \xE9t\xE9 lu.")
      .Type(ui::MB_OK | ui::MB_ICONSTOP);
  Window().Menu(ID_GESTION_RESTORER);

  // A file of a gigabyte is no collection: refused at once, unread.
  const std::string huge = folder.File("enorme.db");
  folder.WriteFile("enorme.db", "");
  std::filesystem::resize_file(huge, std::uintmax_t(1) << 30);
  session.ExpectOpenFile().Choose(huge);
  session.ExpectMessageBox(huge +
                           " fait 1024 Mo : c'est bien plus qu'une collection de BD (64 Mo au plus). "
                           "Il n'a pas \xE9t\xE9 lu.");
  Window().Menu(ID_GESTION_RESTORER);
  EXPECT_EQ(folder.ReadFile("data/quillory.db"), original);
  EXPECT_FALSE(dlg->IsEnded());
}

TEST_F(CloseTest, RestoreWithUnsavedChangesAsksBeforeClosing) {
  const std::string backup = folder.File("copie.db");
  folder.WriteFile("copie.db", TestProgramFolder::DatabaseBytes({{"Akira", "Tetsuo", 1}}));
  Change();
  session.ExpectOpenFile().Choose(backup);
  session.ExpectMessageBox(kRestoreQuestion).Answer(ui::IDYES);
  session.ExpectMessageBox(kKeptFirst);
  session.ExpectMessageBox(kQuestion).Answer(ui::IDYES);  // writes the reloaded collection
  Window().Menu(ID_GESTION_RESTORER);
  EXPECT_TRUE(dlg->IsEnded());
  EXPECT_EQ(folder.ReadFile("data/quillory.db"), folder.ReadFile("copie.db"));
}

TEST_F(CloseTest, RestoreAnsweredNoChangesNothing) {
  folder.WriteFile("copie.db", TestProgramFolder::DatabaseBytes({{"Akira", "Tetsuo", 1}}));
  session.ExpectOpenFile().Choose(folder.File("copie.db"));
  session.ExpectMessageBox(kRestoreQuestion).Answer(ui::IDNO);
  Window().Menu(ID_GESTION_RESTORER);
  EXPECT_FALSE(dlg->IsEnded());
  EXPECT_EQ(folder.ReadFile("data/quillory.db"), original);
  EXPECT_EQ(dlg->GetGestion()->GetAlbumCount(), 2);
}

TEST_F(CloseTest, RestoreWithoutPickStopsAtOnce) {
  session.ExpectOpenFile().Cancel();
  Window().Menu(ID_GESTION_RESTORER);
  EXPECT_FALSE(dlg->IsEnded());
}

TEST_F(CloseTest, FailedRestoreCopyIsReportedAndKeepsEverything) {
  const std::string missing = folder.File("absente.db");
  Change();
  session.ExpectOpenFile().Choose(missing);
  session.ExpectMessageBox("Impossible de restorer la sauvegarde : " + missing +
                           "\nLa base des BD n'a pas \xE9t\xE9 modifi\xE9" "e.");
  Window().Menu(ID_GESTION_RESTORER);
  EXPECT_FALSE(dlg->IsEnded());
  EXPECT_EQ(folder.ReadFile("data/quillory.db"), original);
  // The unsaved change is still in memory.
  EXPECT_EQ(dlg->GetGestion()->GetAlbum(0)->GetTitre(), "Titre change");
  EXPECT_TRUE(dlg->IsModified());
}

// ---- A collection of more than 5000 albums ----

TEST_F(MainWindowTest, EveryAlbumOfALargeFileIsShownAndOnlyUnreadableLinesAreReported) {
  std::vector<AlbumValues> many;
  for (int i = 0; i <= 5000; ++i) many.push_back({"Serie", "Album", i});
  const std::string junk = std::string("\x01\x02" "binaire\0\xFF", 12);
  const std::string bytes = "\"Court\" \"Trop\" 1\r\n" + TestProgramFolder::DatabaseBytes(many) + junk + "\r\n";
  folder.WriteFile("data/quillory.db", bytes);
  session.ExpectMessageBox(
      "2 ligne(s) du fichier de base des BD ne sont pas affich\xE9" "es (illisibles).\n"
      "Elles sont conserv\xE9" "es telles quelles dans le fichier \xE0 chaque "
      "enregistrement.\nPremi\xE8re de ces lignes : \"Court\" \"Trop\" 1")
      .Type(ui::MB_OK | ui::MB_ICONEXCLAMATION);
  Open();
  EXPECT_EQ(Window().Text(IDC_EDIT_NBBD), "5001");
  EXPECT_EQ(Page().GetList().GetItemCount(), 5001);

  // A plain save keeps every line: the albums, then the unreadable ones.
  Window().Menu(ID_GESTION_ENREGISTRER);
  EXPECT_EQ(folder.ReadFile("data/quillory.db"),
            TestProgramFolder::DatabaseBytes(many) + "\"Court\" \"Trop\" 1\r\n" + junk + "\r\n");
}

}  // namespace
