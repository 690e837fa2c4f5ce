// Commands of both main windows: the CSV import dialogue, the column dialog
// with its file, and the switch between the two styles.
#include "GraphWindowFixture.h"
#include "MainWindowFixture.h"

#include "app/ColumnWidths.h"
#include "app/MainWindowCommands.h"
#include "collection/GestionBD.h"
#include "platform/ListView.h"
#include "platform/Menu.h"

#include <filesystem>

namespace {

using ::testing::ElementsAre;

std::string BadLineMessage(const std::string& line, int notRead) {
  return MainWindowCommands::Format(MainWindowCommands::MSG_IMPORT_BAD_LINE, line) + "\n\n " +
         std::to_string(notRead) + " ligne(s) du fichier n'ont pas \xE9t\xE9 import\xE9" "es.";
}

std::vector<AlbumValues> Start() {
  AlbumValues blake{"Blake et Mortimer", "La Marque jaune", 6};
  blake.dessinateur = "Jacobs";
  blake.scenariste = "Jacobs E.P.";
  blake.editeur = "Dargaud";
  blake.commentaire = "Premier achat";
  blake.genre = "Policier";
  blake.note = 9;
  return {blake};
}

// ---- CSV import ----

TEST_F(GraphWindowTest, CsvImportAddsMergesStopsAtABadLineAndRefreshes) {
  folder.WriteCollection(Start());
  // An existing album in other capitals is merged; a line of six columns
  // adds an album with defaults; a line of two stops the import.
  folder.WriteFile("data/achats.csv",
                   "blake et mortimer;la marque jaune;6;Jacobs;Van Hamme;Lombard;autre;1;Humour;Classique;3;0\r\n"
                   "Naruto;Uzumaki;1;Kishimoto;Kishimoto A.;Kana;Shonen;0;humour;Kana Manga;7;2\r\n"
                   "Thorgal;Aaricia;14;Rosinski;Van Hamme;Le Lombard\r\n"
                   "Trop court;rien\r\n"
                   "Jamais;lu;1;a;b;c\r\n");
  Open();
  session.ExpectOpenFile()
      .Filter("Fichiers csv (*.csv)", "*.csv")
      .InitialDir(folder.File("data") + "/")
      .Choose(folder.File("data/achats.csv"));
  session.ExpectMessageBox("Voulez vous vraiment importer le fichier : " + folder.File("data/achats.csv") + " ?")
      .Answer(ui::IDYES);
  session.ExpectMessageBox(BadLineMessage("Trop court;rien", 2));
  Window().Menu(ID_IMPORTER_CSV);

  const CGestionBD& store = *dlg->GetGestion();
  ASSERT_EQ(store.GetAlbumCount(), 3);
  const CAlbum* blake = store.GetAlbum(0);
  EXPECT_EQ(blake->GetSerie(), "Blake et Mortimer");
  EXPECT_EQ(blake->GetScenariste(), "Van Hamme");
  EXPECT_EQ(blake->GetEditeur(), "Lombard");
  EXPECT_EQ(blake->GetCommentaire(), "Premier achat");
  EXPECT_EQ(blake->GetNote(), 9);
  EXPECT_EQ(store.GetAlbum(1)->GetGenre(), "humour");
  EXPECT_EQ(store.GetAlbum(2)->GetCommentaire(), "_");
  EXPECT_EQ(store.GetAlbum(2)->GetTome(), 14);
  EXPECT_EQ(Window().Text(IDC_EDIT_NBBD), "2");
  EXPECT_EQ(Window().Text(IDC_EDIT_NBMANGA), "1");
  EXPECT_THAT(Series(), ElementsAre("Blake et Mortimer", "Naruto", "Thorgal"));
  EXPECT_TRUE(dlg->IsModified());
}

TEST_F(GraphWindowTest, ACollectionExportedToCsvComesBackWholeIntoAnEmptyOne) {
  // Every field of the album its own value: lent, with both pictures.
  const CAlbum lent("Blake et Mortimer", "La Marque jaune", 6, "Jacobs", "Jacobs E.P.", "Dargaud",
                    "Premier achat", 1, "Policier", "images\\marque.jpg", "Lou", "3 mai",
                    1199145600.0, 2, "Classique", 9, 0, 4, "images\\dos.jpg");
  const std::string database = CGestionBD::FormatDatabaseLine(lent) +
                               TestProgramFolder::DatabaseBytes({{"Akira", "Tetsuo", 1}});
  folder.WriteFile("data/quillory.db", database);
  Open();
  Window().Menu(ID_EXPORTER_CSV);
  const std::string exported = folder.File("Quillory.csv");
  session.ExpectOpenFile().Cancel();  // cancelling the chooser asks nothing
  Window().Menu(ID_IMPORTER_CSV);
  session.ExpectOpenFile().Choose(exported);
  session.ExpectMessageBox("Voulez vous vraiment importer le fichier : " + exported + " ?").Answer(ui::IDNO);
  Window().Menu(ID_IMPORTER_CSV);
  EXPECT_FALSE(dlg->IsModified());
  Window().Close();

  // A new collection: the export, its header line included, fills it again.
  folder.WriteFile("data/quillory.db", "");
  Open();
  session.ExpectOpenFile().Choose(exported);
  session.ExpectMessageBox("Voulez vous vraiment importer le fichier : " + exported + " ?").Answer(ui::IDYES);
  session.ExpectMessageBox("Importation R\xE9ussie");
  Window().Menu(ID_IMPORTER_CSV);
  EXPECT_THAT(Series(), ElementsAre("Akira", "Blake et Mortimer"));
  session.ExpectMessageBox("Voulez vous sauvegarder les modifications ??").Answer(ui::IDYES);
  Window().Close();
  EXPECT_EQ(folder.ReadFile("data/quillory.db"), database);
}

TEST_F(MainWindowTest, CsvImportInTheListWindowAndAFileThatCannotBeRead) {
  folder.WriteCollection(Start());
  // A comment far longer than an album takes: cut, and counted.
  folder.WriteFile("data/un.csv", "Akira;Tetsuo;1;Otomo;Otomo K.;Glenat;" + std::string(100000, 'c') +
                                      ";0;Aventure;_;8;2\r\n");
  Open();
  const std::string gone = folder.File("data/parti.csv");
  session.ExpectOpenFile().Choose(gone);
  session.ExpectMessageBox("Voulez vous vraiment importer le fichier : " + gone + " ?").Answer(ui::IDYES);
  session.ExpectMessageBox(MainWindowCommands::Format(MainWindowCommands::MSG_IMPORT_UNREADABLE, gone));
  Window().Menu(ID_IMPORTER_CSV);
  EXPECT_FALSE(dlg->IsModified());

  session.ExpectOpenFile().Choose(folder.File("data/un.csv"));
  session.ExpectMessageBox("Voulez vous vraiment importer le fichier : " + folder.File("data/un.csv") + " ?")
      .Answer(ui::IDYES);
  session.ExpectMessageBox("Importation R\xE9ussie\n\n 1 texte(s) trop long(s) pour la fiche d'une BD "
                           "ont \xE9t\xE9 coup\xE9s.");
  Window().Menu(ID_IMPORTER_CSV);
  EXPECT_EQ(Window().Text(IDC_EDIT_NBBD), "2");
  EXPECT_THAT(Column(0), ElementsAre("Akira", "Blake et Mortimer"));
  session.ExpectMessageBox("Voulez vous sauvegarder les modifications ??").Answer(ui::IDYES);
  Window().Close();
  CGestionBD saved;
  ASSERT_EQ(saved.Load(folder.Path()), CGestionBD::LOAD_OK);
  EXPECT_EQ(saved.GetAlbum(1)->GetDessinateur(), "Otomo");
  EXPECT_EQ(saved.GetAlbum(1)->GetType(), 2);
  EXPECT_EQ(saved.GetAlbum(1)->GetCommentaire(), std::string(field_limits::COMMENTAIRE, 'c'));
}

// ---- Columns ----

std::vector<int> PageWidths(CQuilloryDlgList& page) {
  std::vector<int> widths;
  for (int c = 0; c < 10; ++c) widths.push_back(page.GetList().GetListView()->GetColumnWidth(c));
  return widths;
}

TEST_F(MainWindowTest, ColumnDialogShowsTheWidthsAndWritesThemAfterOkOrCancel) {
  folder.WriteCollection(Start());
  // A file of an earlier layout: eight numbers, writer and artist hidden.
  folder.WriteFile("data/quilloryConf.cfg", "110 120 30 0 0 60 70 80");
  Open();
  session.ExpectDialog(IDD_CONFTAB, [](ui::headless::Driver& d) {
    EXPECT_EQ(d.GetWindow().GetWindowText(), "Configuration de la liste");
    EXPECT_EQ(d.Text(IDC_CONF_SIZE_SERIE), "110");
    EXPECT_EQ(d.Text(IDC_CONF_SIZE_GENRE), "80");
    EXPECT_EQ(d.Text(IDC_CONF_SIZE_COLLECTION), "100");
    EXPECT_EQ(d.Text(IDC_CONF_SIZE_NOTE), "15");
    EXPECT_EQ(d.Text(IDC_CONF_SIZE_SCENARISTE), "");
    EXPECT_EQ(d.GetWindow().IsDlgButtonChecked(IDC_CONF_CHECK_SCENARISTE), 0);
    EXPECT_EQ(d.GetWindow().IsDlgButtonChecked(IDC_CONF_CHECK_EO), 1);
    // Cancel changes nothing, but the file is written again.
    d.Type(IDC_CONF_SIZE_SERIE, "5").Click(ui::IDCANCEL);
  });
  Window().Menu(ID_CONFIG_LISTES);
  EXPECT_EQ(folder.ReadFile("data/quilloryConf.cfg"), "110 120 30 0 0 60 70 80 100 15");

  // The file is replaced whole, never rewritten in place (a program killed
  // meanwhile would leave it empty or cut): a second name of the old file
  // keeps the old widths.
  std::filesystem::create_hard_link(folder.File("data/quilloryConf.cfg"), folder.File("avant.cfg"));
  // Writer shown again at 75, the title's box emptied, the note unchecked.
  session.ExpectDialog(IDD_CONFTAB, [](ui::headless::Driver& d) {
    d.Click(IDC_CONF_CHECK_SCENARISTE).Type(IDC_CONF_SIZE_SCENARISTE, "75");
    d.SetText(IDC_CONF_SIZE_TITRE, "");
    d.Click(IDC_CONF_CHECK_NOTE);
    d.Click(ui::IDOK);
  });
  Window().Menu(ID_CONFIG_LISTES);
  EXPECT_EQ(folder.ReadFile("data/quilloryConf.cfg"), "110 0 30 75 0 60 70 80 100 0");
  EXPECT_EQ(folder.ReadFile("avant.cfg"), "110 120 30 0 0 60 70 80 100 15");
  for (int tab = 0; tab < 4; ++tab)
    EXPECT_EQ(PageWidths(*dlg->GetTab().GetPage(tab)),
              (std::vector<int>{110, 0, 30, 75, 0, 60, 70, 80, 100, 0}));

  // Every box unchecked hides every column.
  session.ExpectDialog(IDD_CONFTAB, [](ui::headless::Driver& d) {
    for (int id : {IDC_CONF_CHECK_SERIE, IDC_CONF_CHECK_TOME, IDC_CONF_CHECK_SCENARISTE,
                   IDC_CONF_CHECK_EDITEUR, IDC_CONF_CHECK_EO, IDC_CONF_CHECK_GENRE,
                   IDC_CONF_CHECK_COLLECTION})
      d.Click(id);
    d.Click(ui::IDOK);
  });
  Window().Menu(ID_CONFIG_LISTES);
  EXPECT_EQ(folder.ReadFile("data/quilloryConf.cfg"), "0 0 0 0 0 0 0 0 0 0");
  EXPECT_FALSE(dlg->IsModified());
}

TEST_F(MainWindowTest, ColumnFileOfNineNumbersGivesTheNoteFifteenInTheDialog) {
  folder.WriteCollection(Start());
  folder.WriteFile("data/quilloryConf.cfg", "1 2 3 4 5 6 7 8 9");
  Open();
  session.ExpectDialog(IDD_CONFTAB, [](ui::headless::Driver& d) {
    EXPECT_EQ(d.Text(IDC_CONF_SIZE_COLLECTION), "9");
    EXPECT_EQ(d.Text(IDC_CONF_SIZE_NOTE), "15");
    d.Click(ui::IDOK);
  });
  Window().Menu(ID_CONFIG_LISTES);
  EXPECT_EQ(folder.ReadFile("data/quilloryConf.cfg"), "1 2 3 4 5 6 7 8 9 15");
}

// ---- Style ----

TEST_F(MainWindowTest, StyleSwitchNoKeepsTheMarksYesWritesTheFileAndCloses) {
  folder.WriteCollection(Start());
  folder.WriteFile("data/quilloryType.cfg", "0");
  Open();
  // The running style: nothing at all.
  Window().Menu(ID_STYLE_LISTE);

  session.ExpectMessageBox(MainWindowCommands::MSG_STYLE_QUESTION)
      .Type(ui::MB_YESNO | ui::MB_ICONEXCLAMATION)
      .Answer(ui::IDNO);
  Window().Menu(ID_STYLE_GRAPHIQUE);
  EXPECT_EQ(folder.ReadFile("data/quilloryType.cfg"), "0");
  EXPECT_TRUE(dlg->GetMenu()->IsChecked(ID_STYLE_LISTE));
  EXPECT_FALSE(dlg->GetMenu()->IsChecked(ID_STYLE_GRAPHIQUE));
  EXPECT_FALSE(dlg->IsEnded());

  // Yes: the file holds "1" and the window closes through its question. The
  // file is replaced, not rewritten: its old content stays under a second name.
  std::filesystem::create_hard_link(folder.File("data/quilloryType.cfg"), folder.File("avant.cfg"));
  session.ExpectMessageBox(MainWindowCommands::MSG_STYLE_QUESTION).Answer(ui::IDYES);
  Window().Menu(ID_STYLE_GRAPHIQUE);
  EXPECT_EQ(folder.ReadFile("data/quilloryType.cfg"), "1");
  EXPECT_EQ(folder.ReadFile("avant.cfg"), "0");
  EXPECT_TRUE(dlg->IsEnded());
  EXPECT_TRUE(dlg->IsGraphique());
}

TEST_F(GraphWindowTest, StyleSwitchToListAsksToSaveAndAnUnwritableFileIsReported) {
  folder.WriteCollection(Start());
  // The style file cannot be written where a folder stands.
  folder.WriteFile("data/quilloryType.cfg/x", "");
  Open();
  session.ExpectMessageBox(MainWindowCommands::MSG_STYLE_QUESTION).Answer(ui::IDYES);
  session.ExpectMessageBox("Erreur de changement de type. Contactez quillory");
  Window().Menu(ID_STYLE_LISTE);
  EXPECT_FALSE(dlg->IsEnded());
  EXPECT_TRUE(dlg->GetMenu()->IsChecked(ID_STYLE_GRAPHIQUE));
  EXPECT_FALSE(dlg->GetMenu()->IsChecked(ID_STYLE_LISTE));

  folder.Remove("data/quilloryType.cfg");
  Pick("Blake et Mortimer", "La Marque jaune");
  Window().Type(IDC_EDIT_PRETA, "Lou");
  session.ExpectMessageBox("Pr\xEAt Enregistr\xE9");
  Window().Click(IDC_BUTTON_PRET);
  session.ExpectMessageBox(MainWindowCommands::MSG_STYLE_QUESTION).Answer(ui::IDYES);
  session.ExpectMessageBox("Voulez vous sauvegarder les modifications ??").Answer(ui::IDYES);
  Window().Menu(ID_STYLE_LISTE);
  EXPECT_EQ(folder.ReadFile("data/quilloryType.cfg"), "0");
  EXPECT_TRUE(dlg->IsEnded());
  CGestionBD saved;
  saved.Load(folder.Path());
  EXPECT_EQ(saved.GetAlbum(0)->GetPretA(), "Lou");
}

}  // namespace
