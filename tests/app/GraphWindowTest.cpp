// The graphic-style main window: series pages, album list, details panel,
// counters, search, keys, resize layout and the series and album commands.
#include "GraphWindowFixture.h"

#include "collection/GestionBD.h"
#include "export/CollectionExport.h"
#include "platform/ListView.h"
#include "platform/Menu.h"
#include "platform/TabCtrl.h"
#include "resources/Resource.h"

#include <fstream>
#include <sstream>

namespace {

using ::testing::ElementsAre;

constexpr int kLoanControls[] = {IDC_EDIT_PRETA, IDC_STATIC_PRETA, IDC_BUTTON_PRET,
                                 IDC_EDIT_DATEPRET, IDC_STATIC_DATEPRET};

AlbumValues Album(const std::string& serie, const std::string& titre, int tome, int type = 0) {
  AlbumValues a{serie, titre, tome};
  a.type = type;
  a.dessinateur = "Dessin " + titre;
  a.scenariste = "Scenar " + titre;
  a.editeur = "Editeur " + titre;
  a.commentaire = "Note sur " + titre;
  a.genre = "Aventure";
  a.collection = "Coll " + titre;
  a.note = tome % 10;
  return a;
}

// Thorgal volumes 1 to 9 and 12 (stored out of order), a comic series with
// an x, a manga, a comic without x, and an album without publisher.
std::vector<AlbumValues> Collection() {
  std::vector<AlbumValues> albums;
  albums.push_back(Album("Thorgal", "Le Royaume sous le sable", 12));
  for (int tome = 9; tome >= 1; --tome) albums.push_back(Album("Thorgal", "Tome " + std::to_string(tome), tome));
  albums.push_back(Album("X-Men", "Dark Phoenix", 1, 1));
  albums.push_back(Album("Spirou", "Spirou et Fantasio", 3, 0));
  albums.push_back(Album("Akira", "Tetsuo", 1, 2));
  albums.push_back(Album("Batman", "Year One", 1, 1));
  albums.push_back(Album("Lucky Luke", "Dalton City", 34, 0));
  albums.push_back(Album("Xenia", "Lexx", 2, 1));
  albums.back().editeur = "_";
  albums.push_back(Album("Batman", "The Killing Joke", 2, 1));
  return albums;
}

// ---- Start-up ----

TEST_F(GraphWindowTest, EmptyCollectionStartsWithEmptyListsAndThePlaceholder) {
  folder.WriteFile("data/quillory.db", "");
  Open();
  EXPECT_EQ(dlg->GetWindowText(), "Quillory : G\xE9rer facilement vos BD");
  for (int id : {int(IDC_EDIT_NBBD), int(IDC_EDIT_NBCOMIC), int(IDC_EDIT_NBMANGA)}) EXPECT_EQ(Window().Text(id), "0");
  EXPECT_TRUE(Series().empty());
  EXPECT_TRUE(Albums().empty());
  EXPECT_EQ(dlg->GetSerieCourante(), "");
  // Nothing to show: labels and the modify button hidden, the placeholder shown.
  EXPECT_FALSE(Window().Visible(IDC_LABEL_SERIE));
  EXPECT_FALSE(Window().Visible(IDC_BUTTON_MODIFIER));
  EXPECT_TRUE(Window().Visible(IDC_PICTURE));
  EXPECT_EQ(dlg->GetPicture().GetPath(), folder.File("data/AddPicture.bmp"));
  EXPECT_FALSE(dlg->IsImageShown());
  // The menu shows the graphic style and greys the column dialog.
  EXPECT_TRUE(dlg->GetMenu()->IsChecked(ID_STYLE_GRAPHIQUE));
  EXPECT_FALSE(dlg->GetMenu()->IsChecked(ID_STYLE_LISTE));
  EXPECT_FALSE(dlg->IsModified());
  EXPECT_TRUE(session.MessageBoxes().empty());
}

TEST_F(GraphWindowTest, FullCollectionShowsSeriesOnceAndTheFirstSeriesAlbums) {
  folder.WriteCollection(Collection());
  Open();
  EXPECT_EQ(Window().Text(IDC_EDIT_NBBD), "12");
  EXPECT_EQ(Window().Text(IDC_EDIT_NBCOMIC), "4");
  EXPECT_EQ(Window().Text(IDC_EDIT_NBMANGA), "1");
  ui::TabCtrl* tab = dlg->GetTabCtrl(IDC_TAB);
  ASSERT_EQ(tab->GetItemCount(), 4);
  EXPECT_EQ(tab->GetItemText(0), "G\xE9n\xE9ral");
  EXPECT_THAT(Series(), ElementsAre("Akira", "Batman", "Lucky Luke", "Spirou", "Thorgal", "Xenia", "X-Men"));
  // The platform's collation ignores hyphens: "Xenia" before "X-Men".
  // Only the series column is shown on the pages.
  EXPECT_EQ(dlg->GetTab().GetColumnWidth(0), 200);
  for (int column = 1; column < 10; ++column) EXPECT_EQ(dlg->GetTab().GetColumnWidth(column), 0);

  // The first series of the page is the current one, its first album shown.
  EXPECT_EQ(dlg->GetSerieCourante(), "Akira");
  EXPECT_THAT(Albums(), ElementsAre("01 Tetsuo"));
  EXPECT_EQ(Window().Text(IDC_VALUE_TITRE), "Tetsuo");
  EXPECT_TRUE(Window().Visible(IDC_LABEL_SERIE));
  EXPECT_TRUE(Window().Visible(IDC_BUTTON_MODIFIER));

  // Volumes with two digits, in volume order.
  Pick("Thorgal");
  EXPECT_THAT(Albums(), ElementsAre("01 Tome 1", "02 Tome 2", "03 Tome 3", "04 Tome 4", "05 Tome 5",
                                    "06 Tome 6", "07 Tome 7", "08 Tome 8", "09 Tome 9",
                                    "12 Le Royaume sous le sable"));
  Window().ClickRow(IDC_LIST_SERIE_ALBUMS, 9);
  EXPECT_EQ(Window().Text(IDC_VALUE_SERIE), "Thorgal");
  EXPECT_EQ(Window().Text(IDC_VALUE_TITRE), "Le Royaume sous le sable");
  EXPECT_EQ(Window().Text(IDC_VALUE_TOME), "12");
  EXPECT_EQ(Window().Text(IDC_VALUE_NOTE), "2");
  EXPECT_EQ(Window().Text(IDC_VALUE_EO), "Non");
  EXPECT_EQ(Window().Text(IDC_VALUE_SCENARIO), "Scenar Le Royaume sous le sable");
  EXPECT_EQ(Window().Text(IDC_VALUE_DESSIN), "Dessin Le Royaume sous le sable");
  EXPECT_EQ(Window().Text(IDC_VALUE_GENRE), "Aventure");
  EXPECT_EQ(Window().Text(IDC_VALUE_EDITEUR), "Editeur Le Royaume sous le sable");
  EXPECT_EQ(Window().Text(IDC_VALUE_COLLECTION), "Coll Le Royaume sous le sable");
  EXPECT_EQ(Window().Text(IDC_VALUE_COMMENTAIRE), "Note sur Le Royaume sous le sable");
  for (int id : kLoanControls) EXPECT_TRUE(Window().Visible(id)) << id;
  EXPECT_FALSE(Window().Visible(IDC_STATIC_ENPRET));

  // A click below the rows hides the loan controls and the picture.
  Window().ClickRow(IDC_LIST_SERIE_ALBUMS, -1);
  for (int id : kLoanControls) EXPECT_FALSE(Window().Visible(id)) << id;
  EXPECT_FALSE(Window().Visible(IDC_PICTURE));
}

TEST_F(GraphWindowTest, MissingPublisherHidesOnlyItsValueAndLoansShowTheMark) {
  std::vector<AlbumValues> albums = Collection();
  folder.WriteCollection(albums);
  Open();
  Window().SelectTab(IDC_TAB, 2);  // Comics
  Pick("Xenia", "Lexx");
  EXPECT_TRUE(Window().Visible(IDC_LABEL_EDITEUR));
  EXPECT_FALSE(Window().Visible(IDC_VALUE_EDITEUR));
  EXPECT_TRUE(Window().Visible(IDC_VALUE_GENRE));

  // A lent album shows "BD EN PRET"; the next one without loan hides it.
  Pick("Batman", "Year One");
  Window().Type(IDC_EDIT_PRETA, "Camille").Type(IDC_EDIT_DATEPRET, "12/03/2024");
  session.ExpectMessageBox("Pr\xEAt Enregistr\xE9");
  Window().Click(IDC_BUTTON_PRET);
  EXPECT_TRUE(dlg->IsModified());
  Window().ClickRow(IDC_LIST_SERIE_ALBUMS, AlbumRow("The Killing Joke"));
  EXPECT_FALSE(Window().Visible(IDC_STATIC_ENPRET));
  Window().ClickRow(IDC_LIST_SERIE_ALBUMS, AlbumRow("Year One"));
  EXPECT_TRUE(Window().Visible(IDC_STATIC_ENPRET));
  const CAlbum* lent = dlg->GetGestion()->GetAlbum(dlg->GetGestion()->FindAlbum("Batman", "Year One", 1));
  EXPECT_EQ(lent->GetPretA(), "Camille");
  EXPECT_EQ(lent->GetDatePret(), "12/03/2024");
}

TEST_F(GraphWindowTest, LoanBoxesTakeTheListWindowsLimitsAndATooLongFieldIsNamed) {
  // Lent, before these limits, to a borrower of 900 characters: its line is
  // longer than the 1023 bytes the Windows program reads.
  CAlbum longLoan("Lanfeust", "L'Ivoire du Magohamoth", 1, "Tarquin", "Arleston", "Soleil", "_",
                  1, "Heroic Fantaisy", "_", std::string(900, 'b').c_str(), "hier", 0.0, 0, "_",
                  8, 0, 2, "_");
  folder.WriteFile("data/quillory.db",
                   TestProgramFolder::DatabaseBytes({Album("Lanfeust", "Thanos l'incongru", 2)}) +
                       CGestionBD::FormatDatabaseLine(longLoan));
  Open();
  Pick("Lanfeust", "Thanos l'incongru");
  Window().Type(IDC_EDIT_PRETA, std::string(900, 'n')).Type(IDC_EDIT_DATEPRET, std::string(60, 'd'));
  EXPECT_EQ(Window().Text(IDC_EDIT_PRETA), std::string(50, 'n'));
  EXPECT_EQ(Window().Text(IDC_EDIT_DATEPRET), std::string(30, 'd'));

  // The album lent before: "Modifier" is refused, naming the borrower, and
  // the dialog stays open with what was typed.
  Window().ClickRow(IDC_LIST_SERIE_ALBUMS, AlbumRow("L'Ivoire du Magohamoth"));
  session.ExpectDialog(IDD_AJOUT_BD, [&](ui::headless::Driver& d) {
    d.Type(IDC_AJOUT_COMMENTAIRE, "Bon \xE9tat");
    session.ExpectMessageBox(
        "Le champ \xAB Pr\xEAt\xE9 \xE0 \xBB de cette BD est trop long pour le fichier de base des BD "
        "(900 caract\xE8res, 50 au plus) : raccourcissez-le.");
    d.Click(ui::IDOK);
    EXPECT_FALSE(static_cast<ui::Dialog&>(d.GetWindow()).IsEnded());
    d.Click(ui::IDCANCEL);
  });
  Window().Click(IDC_BUTTON_MODIFIER);
  EXPECT_EQ(dlg->GetGestion()->GetAlbum(1)->GetCommentaire(), "_");
}

TEST_F(GraphWindowTest, AnEmptyTypeTabShowsAnEmptyAlbumListAndThePlaceholder) {
  folder.WriteCollection({Album("Watchmen", "Watchmen", 1, 1)});
  Open();
  EXPECT_EQ(dlg->GetSerieCourante(), "Watchmen");
  Window().SelectTab(IDC_TAB, 1);  // BD euro: none
  EXPECT_TRUE(Series().empty());
  EXPECT_TRUE(Albums().empty());
  EXPECT_EQ(dlg->GetSerieCourante(), "");
  EXPECT_EQ(dlg->GetPicture().GetPath(), folder.File("data/AddPicture.bmp"));
}

TEST_F(GraphWindowTest, SeriesSearchOnComicsListsEachMatchingSeriesOnce) {
  folder.WriteCollection(Collection());
  Open();
  Window().SelectTab(IDC_TAB, 2);
  EXPECT_THAT(Series(), ElementsAre("Batman", "Xenia", "X-Men"));
  Window().Type(IDC_EDIT_RECHERCHE, "x").Click(IDC_BUTTON_RECHERCHE);
  EXPECT_THAT(Series(), ElementsAre("Xenia", "X-Men"));
  // The album list is left as it was.
  EXPECT_EQ(dlg->GetSerieCourante(), "Batman");
  // Return with no album selected searches too; an empty text lists all again.
  Window().SetText(IDC_EDIT_RECHERCHE, "").Focus(IDC_EDIT_RECHERCHE).PressKey(ui::VK_RETURN);
  EXPECT_THAT(Series(), ElementsAre("Batman", "Xenia", "X-Men"));
}

// ---- Album commands ----

TEST_F(GraphWindowTest, DeleteAnAlbumByMenuAndByTheDeleteKey) {
  folder.WriteCollection(Collection());
  Open();
  Pick("Batman");  // on the general tab
  // No album selected.
  Window().ClickRow(IDC_LIST_SERIE_ALBUMS, -1);
  session.ExpectMessageBox("Veuillez reselectionn\xE9" "e votre BD");
  Window().Focus(IDC_LIST_SERIE_ALBUMS).PressKey(ui::VK_DELETE);

  // No to the question keeps the album.
  Window().ClickRow(IDC_LIST_SERIE_ALBUMS, AlbumRow("Year One"));
  session.ExpectContextMenu(IDR_MENU_PAGE).Command(ID_PAGE_SUPPRIMER);
  session.ExpectMessageBox("Voulez vous vraiment supprimer cette BD?").Answer(ui::IDNO);
  Window().RightClickRow(IDC_LIST_SERIE_ALBUMS, AlbumRow("Year One"));
  EXPECT_EQ(dlg->GetGestion()->GetAlbumCount(), 17);
  EXPECT_FALSE(dlg->IsModified());

  // The Delete key in the album list.
  session.ExpectMessageBox("Voulez vous vraiment supprimer cette BD?").Answer(ui::IDYES);
  session.ExpectMessageBox("BD Supprim\xE9" "e");
  Window().Focus(IDC_LIST_SERIE_ALBUMS).PressKey(ui::VK_DELETE);
  EXPECT_THAT(Albums(), ElementsAre("02 The Killing Joke"));
  EXPECT_EQ(Window().Text(IDC_EDIT_NBCOMIC), "3");
  EXPECT_TRUE(dlg->IsModified());

  // Ctrl, released, then D deletes the last one; the series leaves the pages.
  Window().ClickRow(IDC_LIST_SERIE_ALBUMS, 0);
  session.ExpectMessageBox("Voulez vous vraiment supprimer cette BD?").Answer(ui::IDYES);
  session.ExpectMessageBox("BD Supprim\xE9" "e");
  Window().PressCtrlKey('D');
  EXPECT_TRUE(Albums().empty());
  EXPECT_THAT(Series(), ElementsAre("Akira", "Lucky Luke", "Spirou", "Thorgal", "Xenia", "X-Men"));

  // Saved: the file holds the other albums, in table order.
  session.ExpectMessageBox("Voulez vous sauvegarder les modifications ??").Answer(ui::IDYES);
  Window().Close();
  std::vector<AlbumValues> left = Collection();
  left.erase(left.begin() + 16);
  left.erase(left.begin() + 13);
  EXPECT_EQ(folder.ReadFile("data/quillory.db"), TestProgramFolder::DatabaseBytes(left));
}

TEST_F(GraphWindowTest, DeleteInTheSearchBoxEditsTheText) {
  folder.WriteCollection(Collection());
  Open();
  Pick("Akira", "Tetsuo");
  Window().Focus(IDC_EDIT_RECHERCHE).PressKey(ui::VK_DELETE);
  EXPECT_EQ(dlg->GetGestion()->GetAlbumCount(), 17);
}

TEST_F(GraphWindowTest, NextVolumeModifyByButtonReturnDoubleClickAndCtrlKeys) {
  folder.WriteCollection(Collection());
  Open();
  Window().SelectTab(IDC_TAB, 2);  // Comics
  Pick("Batman", "Year One");

  // Ctrl then N: the next volume of the selected album's series.
  session.ExpectDialog(IDD_AJOUT_BD, [](ui::headless::Driver& d) {
    EXPECT_EQ(d.Text(IDC_AJOUT_SERIE), "Batman");
    EXPECT_EQ(d.Text(IDC_AJOUT_TOME), "2");
    d.SetText(IDC_AJOUT_TOME, "3").Type(IDC_AJOUT_TITRE, "Dark Victory").Click(ui::IDOK);
  });
  Window().PressCtrlKey('N');
  EXPECT_THAT(Albums(), ElementsAre("01 Year One", "02 The Killing Joke", "03 Dark Victory"));
  EXPECT_EQ(Window().Text(IDC_EDIT_NBCOMIC), "5");
  EXPECT_TRUE(dlg->IsModified());

  // The button "Modifier" on volume 2: the dialog opens on that album.
  Window().ClickRow(IDC_LIST_SERIE_ALBUMS, AlbumRow("The Killing Joke"));
  session.ExpectDialog(IDD_AJOUT_BD, [](ui::headless::Driver& d) {
    EXPECT_EQ(d.Text(IDC_AJOUT_TITRE), "The Killing Joke");
    EXPECT_EQ(d.Text(IDC_AJOUT_TOME), "2");
    d.SetText(IDC_AJOUT_TITRE, "Killing Joke").Click(ui::IDOK);
  });
  Window().Click(IDC_BUTTON_MODIFIER);
  EXPECT_THAT(Albums(), ElementsAre("01 Year One", "02 Killing Joke", "03 Dark Victory"));

  // Return with an album selected modifies it, then the details show it again.
  Window().ClickRow(IDC_LIST_SERIE_ALBUMS, AlbumRow("Dark Victory"));
  session.ExpectDialog(IDD_AJOUT_BD, [](ui::headless::Driver& d) {
    d.SetText(IDC_AJOUT_EDITEUR, "DC").Click(ui::IDOK);
  });
  Window().Focus(IDC_LIST_SERIE_ALBUMS).PressKey(ui::VK_RETURN);
  Window().ClickRow(IDC_LIST_SERIE_ALBUMS, AlbumRow("Dark Victory"));
  EXPECT_EQ(Window().Text(IDC_VALUE_EDITEUR), "DC");

  // A double-click on Year One, then Cancel: nothing changes but the flag.
  session.ExpectDialog(IDD_AJOUT_BD, [](ui::headless::Driver& d) { d.Click(ui::IDCANCEL); });
  Window().DoubleClickRow(IDC_LIST_SERIE_ALBUMS, AlbumRow("Year One"));
  EXPECT_FALSE(dlg->IsCtrlArmed());

  // No album selected: the commands say so.
  Window().ClickRow(IDC_LIST_SERIE_ALBUMS, -1);
  session.ExpectMessageBox("Veuillez reselectionn\xE9" "e votre BD");
  Window().PressCtrlKey('M');

  session.ExpectMessageBox("Voulez vous sauvegarder les modifications ??").Answer(ui::IDYES);
  Window().Close();
  CGestionBD saved;
  ASSERT_EQ(saved.Load(folder.Path()), CGestionBD::LOAD_OK);
  ASSERT_EQ(saved.GetAlbumCount(), 18);
  EXPECT_EQ(saved.GetAlbum(16)->GetTitre(), "Killing Joke");
  EXPECT_EQ(saved.GetAlbum(17)->GetTitre(), "Dark Victory");
  EXPECT_EQ(saved.GetAlbum(17)->GetEditeur(), "DC");
  EXPECT_EQ(saved.GetAlbum(17)->GetTome(), 3);
}

TEST_F(GraphWindowTest, NewSeriesBecomesTheCurrentOneEvenWhenCancelled) {
  folder.WriteCollection(Collection());
  Open();
  session.ExpectContextMenu(IDR_MENU_POPUP_SERIE).Command(ID_SERIE_AJOUTER);
  session.ExpectDialog(IDD_AJOUT_BD, [](ui::headless::Driver& d) {
    d.Type(IDC_AJOUT_SERIE, "Yoko Tsuno").Type(IDC_AJOUT_TITRE, "Le Trio de l'\xE9trange");
    d.SetText(IDC_AJOUT_TOME, "1");
    d.Click(ui::IDOK);
  });
  PageDriver().RightClickRow(IDC_LIST_ALBUMS, SerieRow("Thorgal"));
  EXPECT_EQ(dlg->GetSerieCourante(), "Yoko Tsuno");
  EXPECT_THAT(Albums(), ElementsAre("01 Le Trio de l'\xE9trange"));
  EXPECT_EQ(Window().Text(IDC_VALUE_SERIE), "Yoko Tsuno");
  EXPECT_EQ(Window().Text(IDC_EDIT_NBBD), "13");

  // Cancelled: the series of the collection's last album is the current one.
  Pick("Akira");
  session.ExpectDialog(IDD_AJOUT_BD, [](ui::headless::Driver& d) { d.Click(ui::IDCANCEL); });
  Window().Menu(ID_GESTION_NOUVELLESERIE);
  EXPECT_EQ(dlg->GetSerieCourante(), "Yoko Tsuno");
}

// ---- Series commands ----

TEST_F(GraphWindowTest, RenameToANewNameThenIntoAnExistingSeries) {
  folder.WriteCollection(Collection());
  Open();
  // Nothing selected on the page.
  session.ExpectMessageBox("Veuillez reselectionn\xE9" "e votre Serie");
  dlg->SendCommand(ID_SERIE_RENOMMER);

  Window().SelectTab(IDC_TAB, 2);
  session.ExpectContextMenu(IDR_MENU_POPUP_SERIE).Command(ID_SERIE_RENOMMER);
  session.ExpectDialog(IDD_RENAME, [&](ui::headless::Driver& d) {
    EXPECT_EQ(d.Text(IDC_RENAME_ANCIEN), "Batman");
    d.Click(ui::IDOK);  // empty: nothing happens
    for (int quote = 0; quote < 2; ++quote)
      session.ExpectMessageBox("Ce caract\xE8re est interdit, d\xE9sol\xE9.");
    d.Type(IDC_RENAME_NOUVEAU, "The \"Bat\"");
    EXPECT_EQ(d.Text(IDC_RENAME_NOUVEAU), "The Bat");
    session.ExpectMessageBox("Voulez vous vraiment renommer Batman en The Bat").Answer(ui::IDNO);
    d.Click(ui::IDOK);  // stays open
    d.SetText(IDC_RENAME_NOUVEAU, "Bat");
    session.ExpectMessageBox("Voulez vous vraiment renommer Batman en Bat").Answer(ui::IDYES);
    d.Click(ui::IDOK);
  });
  PageDriver().ClickRow(IDC_LIST_ALBUMS, SerieRow("Batman"));
  PageDriver().RightClickRow(IDC_LIST_ALBUMS, SerieRow("Batman"));
  EXPECT_EQ(dlg->GetSerieCourante(), "Bat");
  EXPECT_THAT(Series(), ElementsAre("Bat", "Xenia", "X-Men"));
  EXPECT_THAT(Albums(), ElementsAre("01 Year One", "02 The Killing Joke"));
  EXPECT_TRUE(dlg->IsModified());

  // Into an existing series: the two merge into one.
  session.ExpectContextMenu(IDR_MENU_POPUP_SERIE).Command(ID_SERIE_RENOMMER);
  session.ExpectDialog(IDD_RENAME, [&](ui::headless::Driver& d) {
    d.Type(IDC_RENAME_NOUVEAU, "Xenia");
    session.ExpectMessageBox("Voulez vous vraiment renommer Bat en Xenia").Answer(ui::IDYES);
    d.Click(ui::IDOK);
  });
  PageDriver().RightClickRow(IDC_LIST_ALBUMS, SerieRow("Bat"));
  EXPECT_THAT(Series(), ElementsAre("Xenia", "X-Men"));
  EXPECT_THAT(Albums(), ElementsAre("01 Year One", "02 Lexx", "02 The Killing Joke"));
  const CGestionBD& store = *dlg->GetGestion();
  EXPECT_EQ(store.GetSeriesCount(), 6);

  // Saved and read again: the series table is the same.
  session.ExpectMessageBox("Voulez vous sauvegarder les modifications ??").Answer(ui::IDYES);
  Window().Close();
  CGestionBD reloaded;
  ASSERT_EQ(reloaded.Load(folder.Path()), CGestionBD::LOAD_OK);
  ASSERT_EQ(reloaded.GetSeriesCount(), store.GetSeriesCount());
  for (int i = 0; i < store.GetSeriesCount(); ++i) {
    EXPECT_EQ(reloaded.GetSeries(i)->GetNom(), store.GetSeries(i)->GetNom());
    EXPECT_EQ(reloaded.GetSeries(i)->GetDernierTome(), store.GetSeries(i)->GetDernierTome());
  }
  EXPECT_EQ(reloaded.FindAlbum("Xenia", "The Killing Joke", 2), 16);
}

TEST_F(GraphWindowTest, DeleteASeriesWithItsAlbumsByTheDeleteKeyOfThePage) {
  folder.WriteCollection(Collection());
  Open();
  Pick("Thorgal");
  session.ExpectMessageBox("Voulez vous vraiment supprimer la serie : Thorgal ?").Answer(ui::IDNO);
  PageDriver().PressKey(ui::VK_DELETE);
  EXPECT_EQ(dlg->GetGestion()->GetAlbumCount(), 17);

  session.ExpectMessageBox("Voulez vous vraiment supprimer la serie : Thorgal ?").Answer(ui::IDYES);
  session.ExpectMessageBox("Serie Supprim\xE9" "e");
  PageDriver().PressKey(ui::VK_DELETE);
  EXPECT_EQ(dlg->GetGestion()->GetAlbumCount(), 7);
  EXPECT_TRUE(Albums().empty());
  EXPECT_EQ(Window().Text(IDC_EDIT_NBBD), "2");
  EXPECT_THAT(Series(), ElementsAre("Akira", "Batman", "Lucky Luke", "Spirou", "Xenia", "X-Men"));
  EXPECT_EQ(dlg->GetGestion()->GetSeriesCount(), 6);
  EXPECT_TRUE(dlg->IsModified());
}

// ---- Second picture ----

TEST_F(GraphWindowTest, SecondPictureChosenThenCancelled) {
  folder.WriteCollection(Collection());
  folder.WritePicture("images/verso.jpg");
  Open();
  // Without an album selected.
  Window().ClickRow(IDC_LIST_SERIE_ALBUMS, -1);
  session.ExpectMessageBox("Veuillez reselectionn\xE9" "e votre BD");
  Window().Click(IDC_BUTTON_IMAGE2);

  Pick("Spirou", "Spirou et Fantasio");
  session.ExpectDialog(IDD_SECONPIC, [&](ui::headless::Driver& d) {
    session.ExpectOpenFile()
        .Filter("Fichiers jpg (*.jpg)", "*.jpg")
        .InitialDir(folder.File("images") + "/")
        .Choose(folder.File("images/verso.jpg"));
    d.Click(IDC_PICTURE2);
    d.Click(ui::IDOK);
  });
  Window().Click(IDC_BUTTON_IMAGE2);
  const CAlbum* album = dlg->GetGestion()->GetAlbum(dlg->GetGestion()->FindAlbum("Spirou", "Spirou et Fantasio", 3));
  EXPECT_EQ(album->GetPicture2(), "images\\verso.jpg");
  EXPECT_TRUE(dlg->IsModified());
  dlg->GetGestion()->Save();
  dlg->SendCommand(ID_GESTION_ENREGISTRER);
  EXPECT_FALSE(dlg->IsModified());

  // A second picture is there: No keeps it, cancelling the chooser too.
  session.ExpectDialog(IDD_SECONPIC, [&](ui::headless::Driver& d) {
    session.ExpectMessageBox("Voulez vous changer l'image ?").Answer(ui::IDNO);
    d.Click(IDC_PICTURE2);
    session.ExpectMessageBox("Voulez vous changer l'image ?").Answer(ui::IDYES);
    session.ExpectOpenFile().Cancel();
    d.Click(IDC_PICTURE2);
    d.Click(ui::IDOK);
  });
  Window().Click(IDC_BUTTON_IMAGE2);
  EXPECT_EQ(album->GetPicture2(), "images\\verso.jpg");
  EXPECT_FALSE(dlg->IsModified());
}

// ---- Keys and layout ----

TEST_F(GraphWindowTest, AWindowShorterThan417PixelsMovesNothing) {
  folder.WriteCollection(Collection());
  Open();
  const ui::Rect client = dlg->GetClientRect();
  const int ids[] = {IDC_EDIT_RECHERCHE, IDC_GROUP_SERIES, IDC_GROUP_DETAILS, IDC_LIST_SERIE_ALBUMS,
                     IDC_EDIT_PRETA, IDC_VALUE_TITRE, IDC_EDIT_NBBD, IDC_TAB};
  std::vector<ui::Rect> before;
  for (int id : ids) before.push_back(dlg->GetDlgItem(id)->GetRect());
  Window().Resize(client.Width() - 40, 400);
  for (std::size_t i = 0; i < before.size(); ++i)
    EXPECT_EQ(dlg->GetDlgItem(ids[i])->GetRect(), before[i]) << ids[i];

  // Taller and wider than at start: the panels grow, the picture stays.
  const ui::Rect picture = dlg->GetDlgItem(IDC_PICTURE)->GetRect();
  Window().Resize(client.Width() + 30, client.Height() + 50);
  ui::Rect search = before[0];
  search.Offset(30, 50);
  EXPECT_EQ(dlg->GetDlgItem(IDC_EDIT_RECHERCHE)->GetRect(), search);
  EXPECT_EQ(dlg->GetDlgItem(IDC_GROUP_DETAILS)->GetRect().Width(), before[2].Width() + 30);
  EXPECT_EQ(dlg->GetDlgItem(IDC_GROUP_DETAILS)->GetRect().Height(), before[2].Height() + 50);
  EXPECT_EQ(dlg->GetDlgItem(IDC_LIST_SERIE_ALBUMS)->GetRect().Height(), before[3].Height() + 50);
  EXPECT_EQ(dlg->GetDlgItem(IDC_LIST_SERIE_ALBUMS)->GetRect().Width(), before[3].Width());
  EXPECT_EQ(dlg->GetDlgItem(IDC_VALUE_TITRE)->GetRect().Width(), before[5].Width() + 30);
  EXPECT_EQ(dlg->GetDlgItem(IDC_EDIT_NBBD)->GetRect().left, before[6].left + 30);
  EXPECT_EQ(dlg->GetDlgItem(IDC_TAB)->GetRect().Width(), before[7].Width());
  EXPECT_EQ(dlg->GetDlgItem(IDC_TAB)->GetRect().Height(), before[7].Height() + 50);
  EXPECT_EQ(dlg->GetDlgItem(IDC_PICTURE)->GetRect(), picture);
}

TEST_F(GraphWindowTest, CtrlSOnASeriesPageSaves) {
  folder.WriteCollection(Collection());
  Open();
  Pick("Thorgal");
  session.ExpectMessageBox("Voulez vous vraiment supprimer la serie : Thorgal ?").Answer(ui::IDYES);
  session.ExpectMessageBox("Serie Supprim\xE9" "e");
  PageDriver().PressKey(ui::VK_DELETE);
  PageDriver().PressCtrlKey('S');
  EXPECT_FALSE(dlg->IsModified());
  CGestionBD reloaded;
  reloaded.Load(folder.Path());
  EXPECT_EQ(reloaded.GetAlbumCount(), 7);
}

}  // namespace

namespace {

TEST_F(GraphWindowTest, SiteOpensTheForumPageExportAndProxyAsInTheListWindow) {
  folder.WriteCollection({{"Akira", "Tetsuo", 1}});
  folder.WriteFile("data/quilloryProxy.cfg", "1 0 \"proxy.example\" \"3128\" \"_\" \"_\"");
  {
    // The stylesheet the export turns into a page, as the program folder ships it.
    std::ifstream xsl(std::string(QUILLORY_RESOURCES_DATA) + "/Quillory.xsl", std::ios::binary);
    std::ostringstream bytes;
    bytes << xsl.rdbuf();
    folder.WriteFile("data/Quillory.xsl", bytes.str());
  }
  Open();
  EXPECT_EQ(dlg->GetProxyConfig().m_nProxy, 1);
  EXPECT_EQ(dlg->GetProxyConfig().m_strProxyHost, "proxy.example");
  EXPECT_EQ(dlg->GetProxyConfig().m_strProxyPort, "3128");
  session.ExpectMessageBox(CollectionExport::MSG_DONE);
  Window().Menu(ID_EXPORTER_HTML);
  EXPECT_NE(folder.ReadFile("ExportXml/Quillory.xml").find("Tetsuo"), std::string::npos);

  Window().Menu(ID_WEB_SITE);
  ASSERT_EQ(session.OpenedUrls().size(), 1u);
  const std::string& url = session.OpenedUrls()[0];
  EXPECT_EQ(url.substr(0, 7), "http://");
  EXPECT_NE(url.find("/forums_BD/index.php?app=ccs"), std::string::npos);
  EXPECT_EQ(url.size() - url.find("/forums_BD/"), std::string("/forums_BD/index.php?app=ccs").size());
}

}  // namespace
