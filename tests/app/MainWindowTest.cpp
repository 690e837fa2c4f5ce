// The list-style main window: initialisation, tabs, search, album
// selection, keys and resize layout.
#include "MainWindowFixture.h"

#include "collection/DataPath.h"
#include "collection/GestionBD.h"
#include "platform/Button.h"
#include "platform/ListView.h"
#include "platform/Menu.h"
#include "platform/TabCtrl.h"
#include "resources/Resource.h"

#include <algorithm>
#include <filesystem>
#include <map>

namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

constexpr int kLoanControls[] = {IDC_EDIT_PRETA, IDC_STATIC_PRETA, IDC_BUTTON_PRET,
                                 IDC_EDIT_DATEPRET, IDC_STATIC_DATEPRET};

std::vector<AlbumValues> Collection() {
  AlbumValues asterix{"Ast\xE9rix", "Le Tour de Gaule", 5};
  asterix.dessinateur = "Uderzo";
  asterix.scenariste = "Goscinny";
  asterix.editeur = "Hachette";
  asterix.commentaire = "Un classique";
  asterix.picture = "images\\asterix.bmp";
  asterix.note = 8;
  AlbumValues blake{"Blake et Mortimer", "La Marque jaune", 6};
  blake.editeur = "Dargaud";
  blake.genre = "Aventure";
  blake.picture = "images\\missing.jpg";
  AlbumValues watchmen{"Watchmen", "Watchmen", 1};
  watchmen.type = 1;
  watchmen.commentaire = "Moore et Gibbons";
  AlbumValues akira{"Akira", "Tetsuo", 1};
  akira.type = 2;
  akira.editeur = "Gl\xE9nat";
  AlbumValues other{"Inconnu", "Hors type", 2};
  other.type = 3;
  return {asterix, blake, watchmen, akira, other};
}

// ---- Initialisation ----

TEST_F(MainWindowTest, EmptyCollectionShowsEmptyTabsAndZeroWithoutMessage) {
  folder.WriteFile("data/quillory.db", "");
  Open();
  EXPECT_EQ(Window().Text(IDC_EDIT_NBBD), "0");
  EXPECT_EQ(dlg->GetWindowText(), "Quillory : Gerer facilement vos BD");
  for (int tab = 0; tab < 4; ++tab) {
    Window().SelectTab(IDC_TAB, tab);
    EXPECT_EQ(Page().GetList().GetItemCount(), 0) << tab;
  }
  EXPECT_TRUE(session.MessageBoxes().empty());
  EXPECT_FALSE(dlg->IsModified());
}

TEST_F(MainWindowTest, MissingCollectionFileIsReportedAndTheWindowOpens) {
  session.ExpectMessageBox("Impossible d'ouvrir le fichier de base des BD");
  Open();
  EXPECT_EQ(Window().Text(IDC_EDIT_NBBD), "0");
  EXPECT_TRUE(dlg->IsWindowVisible());
}

TEST_F(MainWindowTest, FullCollectionFillsTheTabsWithTheTenColumns) {
  folder.WriteCollection(Collection());
  Open();
  EXPECT_EQ(Window().Text(IDC_EDIT_NBBD), "5");
  ui::TabCtrl* tab = dlg->GetDlgItem(IDC_TAB) ? dlg->GetTabCtrl(IDC_TAB) : nullptr;
  ASSERT_NE(tab, nullptr);
  ASSERT_EQ(tab->GetItemCount(), 4);
  EXPECT_EQ(tab->GetItemText(0), "General");
  EXPECT_EQ(tab->GetItemText(1), "BD euro");
  EXPECT_EQ(tab->GetItemText(2), "Comics");
  EXPECT_EQ(tab->GetItemText(3), "Manga");

  ui::ListView* view = Page().GetList().GetListView();
  ASSERT_EQ(view->GetColumnCount(), 10);
  EXPECT_EQ(view->GetColumnTitle(4), "D\xE9ssinateur");
  EXPECT_EQ(view->GetColumnWidth(1), 108);
  // Rows stand in the order of their series.
  EXPECT_THAT(Column(0), ElementsAre("Akira", "Ast\xE9rix", "Blake et Mortimer", "Inconnu", "Watchmen"));
  const int row = RowOf("Ast\xE9rix", "Le Tour de Gaule");
  std::vector<std::string> cells;
  for (int c = 0; c < 10; ++c) cells.push_back(Page().GetList().GetItemText(row, c));
  EXPECT_THAT(cells, ElementsAre("Ast\xE9rix", "Le Tour de Gaule", "5", "Goscinny", "Uderzo",
                                 "Hachette", "Non", "Humour", "_", "8"));
  // Loan controls hidden, picture frame there but empty.
  for (int id : kLoanControls) EXPECT_FALSE(Window().Visible(id)) << id;
  EXPECT_TRUE(Window().Visible(IDC_PICTURE));
  EXPECT_FALSE(dlg->GetPicture().GetPicture().HasPicture());
}

TEST_F(MainWindowTest, TabsFilterByTypeAndOnlyGeneralShowsOtherTypes) {
  folder.WriteCollection(Collection());
  Open();
  Window().SelectTab(IDC_TAB, 1);
  EXPECT_THAT(Column(0), ElementsAre("Ast\xE9rix", "Blake et Mortimer"));
  Window().SelectTab(IDC_TAB, 2);
  EXPECT_THAT(Column(0), ElementsAre("Watchmen"));
  Window().SelectTab(IDC_TAB, 3);
  EXPECT_THAT(Column(0), ElementsAre("Akira"));
  Window().SelectTab(IDC_TAB, 0);
  EXPECT_EQ(Column(0).size(), 5u);
  // Only the selected page is shown.
  for (int tab = 0; tab < 4; ++tab)
    EXPECT_EQ(dlg->GetTab().GetPage(tab)->IsWindowVisible(), tab == 0) << tab;
}

TEST_F(MainWindowTest, TabChangeHidesLoanControlsAndPicture) {
  folder.WriteCollection(Collection());
  Open();
  PageDriver().ClickRow(IDC_LIST_ALBUMS, RowOf("Watchmen", "Watchmen"));
  EXPECT_TRUE(Window().Visible(IDC_EDIT_PRETA));
  Window().SelectTab(IDC_TAB, 2);
  for (int id : kLoanControls) EXPECT_FALSE(Window().Visible(id)) << id;
  EXPECT_FALSE(Window().Visible(IDC_PICTURE));
}

TEST_F(MainWindowTest, MenuHoldsEveryItemAndEveryCommandIsAvailable) {
  folder.WriteCollection({});
  Open();
  ui::Menu* menu = dlg->GetMenu();
  ASSERT_EQ(menu->GetMenuItemCount(), 6);
  EXPECT_EQ(menu->ItemAt(0)->text, "Gestion");
  EXPECT_EQ(menu->GetSubMenu(0)->GetMenuItemCount(), 11);
  EXPECT_EQ(menu->FindItem(ID_GESTION_NOUVELLESERIE)->text, "Nouvelle s\xE9rie             Ctrl+A");
  EXPECT_EQ(menu->FindItem(ID_GESTION_ENREGISTRER)->text, "Enregistrer                  Ctrl+S");
  EXPECT_EQ(menu->FindItem(ID_WEB_SITE)->text, "Site de Quillory ");
  EXPECT_EQ(menu->GetSubMenu(2)->GetMenuItemCount(), 9);  // two separators
  EXPECT_EQ(menu->GetSubMenu(2)->ItemAt(8)->text, "Albums manquants");
  EXPECT_EQ(menu->ItemAt(5)->text, "A propos");
  EXPECT_EQ(menu->ItemAt(5)->id, ID_APROPOS);
  for (int id : {ID_GESTION_RESTORER, ID_GESTION_ENREGISTRER, ID_GESTION_ENREGISTRERSOUS,
                 ID_EXPORTER_CSV, ID_FERMER, ID_GESTION_NOUVELLESERIE, ID_OUTILS_LISTEPRETS,
                 ID_STAT_PRETEES, ID_IMPORTER_CSV, ID_CONFIG_LISTES, ID_STYLE_LISTE,
                 ID_STYLE_GRAPHIQUE, ID_EXPORTER_HTML, ID_CONFIG_WEB, ID_WEB_SORTIEBD, ID_WEB_SITE,
                 ID_GESTION_IMPRIMER, ID_OUTILS_BLOCNOTE, ID_STAT_GENERALES, ID_STAT_EDITEURS,
                 ID_STAT_ACHAT, ID_STAT_ASUIVRE, ID_STAT_HISTORIQUECOMICS, ID_STAT_MANQUANTS,
                 ID_APROPOS})
    EXPECT_TRUE(menu->IsEnabled(id)) << id;
  EXPECT_TRUE(menu->IsChecked(ID_STYLE_LISTE));
  EXPECT_FALSE(menu->IsChecked(ID_STYLE_GRAPHIQUE));
  EXPECT_TRUE(dlg->GetDlgItem(IDC_BUTTON_PRET)->IsWindowEnabled());
}

TEST_F(MainWindowTest, ExportCsvWritesTheFileInTheProgramFolder) {
  folder.WriteCollection(Collection());
  Open();
  Window().Menu(ID_EXPORTER_CSV);
  const std::string csv = folder.ReadFile("Quillory.csv");
  EXPECT_EQ(csv.rfind("Serie;Titre;Tome;", 0), 0u);
  EXPECT_NE(csv.find("Watchmen;Watchmen;1;"), std::string::npos);
}

TEST_F(MainWindowTest, ExportCsvFailureIsReported) {
  folder.WriteCollection(Collection());
  Open();
  std::filesystem::create_directories(folder.File("Quillory.csv"));  // cannot be replaced
  session.ExpectMessageBox("Impossible d'enregistrer le fichier Quillory.csv");
  Window().Menu(ID_EXPORTER_CSV);
}

TEST_F(MainWindowTest, GraphicStylePagesListEachSeriesOnceWithoutComment) {
  AlbumValues second{"Blake", "Espadon 2", 2};
  second.type = 1;
  folder.WriteCollection({{"Blake", "Espadon", 1}, {"Akira", "Tetsuo", 1}, second, {"blake", "Autre", 3}});
  Open();
  EXPECT_EQ(CQuilloryTabCtrl::Labels(true)[0], "G\xE9n\xE9ral");
  CQuilloryDlgList page(*dlg, dlg->GetGestion(), true);
  page.Create(dlg.get());
  EXPECT_EQ(page.GetList().GetItemCount(), 0);  // filled when shown, not before
  page.Fill(CQuilloryDlgList::FILTER_ALL);
  std::vector<std::string> series;
  for (int row = 0; row < page.GetList().GetItemCount(); ++row)
    series.push_back(page.GetList().GetItemText(row, 0) + "/" + page.GetList().GetItemText(row, 1));
  // The first album of each series, the series spelled exactly.
  EXPECT_THAT(series, UnorderedElementsAre("Akira/Tetsuo", "Blake/Espadon", "blake/Autre"));
  page.Fill(1);
  EXPECT_EQ(page.GetList().GetItemCount(), 1);
  EXPECT_FALSE(page.GetDlgItem(IDC_STATIC_COMMENTAIRE)->IsShown());
  EXPECT_FALSE(page.GetDlgItem(IDC_GROUP_COMMENTAIRE)->IsShown());
  page.DestroyWindow();
}

TEST_F(MainWindowTest, RowsStandInSeriesOrderLetterCaseAsideAndEqualSeriesInCollectionOrder) {
  folder.WriteCollection({{"blake", "Un", 1}, {"\xC9" "cho", "Deux", 2}, {"Akira", "Trois", 3},
                          {"Blake", "Quatre", 4}, {"BLAKE", "Cinq", 5}, {"blake", "Six", 6}});
  Open();
  EXPECT_THAT(Column(1), ElementsAre("Trois", "Un", "Quatre", "Cinq", "Six", "Deux"));
}

TEST_F(MainWindowTest, RowsOfDestroyedAlbumsShowNothingUntilThePageIsFilledAgain) {
  folder.WriteCollection({{"Akira", "Tetsuo", 1}, {"Blake", "Espadon", 2}});
  Open();
  // A deletion destroys the album before the page is filled again (a
  // message box comes in between, and the list may repaint meanwhile).
  ASSERT_EQ(dlg->GetGestion()->RemoveAlbum(0), 1);
  EXPECT_THAT(Column(0), ElementsAre("", ""));
  dlg->GetTab().ShowPage();
  EXPECT_THAT(Column(0), ElementsAre("Blake"));
  EXPECT_THAT(Column(2), ElementsAre("2"));
}

// ---- Search ----

class SearchTest : public MainWindowTest {
 protected:
  void SetUp() override {
    AlbumValues quick{"Quick et Flupke", "Haut les mains", 1};
    AlbumValues coquelicot{"Les Fleurs", "Printemps", 2};
    coquelicot.editeur = "Editions Coquelicot";
    AlbumValues none{"Tintin", "Le Lotus bleu", 5};
    none.editeur = "Casterman";
    AlbumValues echo{"\xC9" "cho des cavernes", "Premier cri", 1};
    echo.type = 2;
    AlbumValues manga{"Akira", "Tetsuo", 1};
    manga.type = 2;
    manga.scenariste = "Otomo";
    folder.WriteCollection({quick, coquelicot, none, echo, manga});
    Open();
  }
  void Search(const std::string& text) {
    Window().SetText(IDC_EDIT_RECHERCHE, text).Click(IDC_BUTTON_RECHERCHE);
  }
};

TEST_F(SearchTest, IgnoresLetterCaseAndLooksInsideEveryTextColumn) {
  Search("q");
  // Series starting with Q, and a publisher with a q inside.
  EXPECT_THAT(Column(0), UnorderedElementsAre("Quick et Flupke", "Les Fleurs"));
  Search("OTOMO");  // the writer
  EXPECT_THAT(Column(0), ElementsAre("Akira"));
}

TEST_F(SearchTest, FoldsAccentedCapitals) {
  Search("\xE9" "CHO");
  EXPECT_THAT(Column(0), ElementsAre("\xC9" "cho des cavernes"));
}

TEST_F(MainWindowTest, SearchIgnoresAccentsAsWellAsLetterCase) {
  folder.WriteCollection({{"Les \xC9" "cluses du ciel", "Rodric", 1}, {"Ast\xE9rix", "Gaule", 5},
                          {"Jour J", "C\x9Cur de lion", 3}, {"Tintin", "Objectif Lune", 16}});
  Open();
  // Each text finds the one title: an accent typed where the text has none too.
  for (const char* text : {"ECLUSES", "ecluses", "\xE9" "cluses", "\xC9" "CLUSES", "asterix", "coeur", "tint\xEEn"}) {
    Window().SetText(IDC_EDIT_RECHERCHE, text).Click(IDC_BUTTON_RECHERCHE);
    EXPECT_EQ(Column(1).size(), 1u) << text;
  }
  EXPECT_THAT(Column(1), ElementsAre("Objectif Lune"));
}

TEST_F(SearchTest, EmptyTextRestoresTheTabsList) {
  Search("tintin");
  EXPECT_EQ(Column(0).size(), 1u);
  Search("");
  EXPECT_EQ(Column(0).size(), 5u);
}

TEST_F(SearchTest, KeepsToTheSelectedTabsType) {
  Window().SelectTab(IDC_TAB, 3);
  Search("e");
  EXPECT_THAT(Column(0), UnorderedElementsAre("\xC9" "cho des cavernes", "Akira"));
  Search("");
  EXPECT_EQ(Column(0).size(), 2u);
}

TEST_F(SearchTest, ReturnInTheSearchBoxOrInAPageRunsIt) {
  Window().Type(IDC_EDIT_RECHERCHE, "lotus\n");
  EXPECT_THAT(Column(0), ElementsAre("Tintin"));
  EXPECT_EQ(Window().Text(IDC_EDIT_RECHERCHE), "lotus");
  Window().SetText(IDC_EDIT_RECHERCHE, "");
  PageDriver().Focus(IDC_LIST_ALBUMS).PressKey(ui::VK_RETURN);
  EXPECT_EQ(Column(0).size(), 5u);
}

// ---- Selection ----

TEST_F(MainWindowTest, SelectingAnAlbumShowsCommentPictureAndLoanControls) {
  folder.WriteCollection(Collection());
  folder.WritePicture("images/asterix.bmp");
  Open();
  PageDriver().ClickRow(IDC_LIST_ALBUMS, RowOf("Ast\xE9rix", "Le Tour de Gaule"));
  EXPECT_TRUE(PageDriver().Visible(IDC_STATIC_COMMENTAIRE));
  EXPECT_EQ(PageDriver().Text(IDC_STATIC_COMMENTAIRE), "Un classique");
  EXPECT_TRUE(Window().Visible(IDC_PICTURE));
  EXPECT_EQ(dlg->GetPicture().GetPath(), DataPath(folder.Path(), "images\\asterix.bmp"));
  EXPECT_EQ(dlg->GetPicture().GetPicture().GetWidth(), 2);
  EXPECT_TRUE(dlg->IsImageShown());
  for (int id : kLoanControls) EXPECT_TRUE(Window().Visible(id)) << id;
}

TEST_F(MainWindowTest, MissingPictureShowsThePlaceholderWithoutMessage) {
  folder.WriteCollection(Collection());
  Open();
  PageDriver().ClickRow(IDC_LIST_ALBUMS, RowOf("Blake et Mortimer", "La Marque jaune"));
  EXPECT_EQ(dlg->GetPicture().GetPath(), DataPath(folder.Path(), "data/AddPicture.bmp"));
  EXPECT_TRUE(dlg->GetPicture().GetPicture().HasPicture());
  EXPECT_TRUE(session.MessageBoxes().empty());
  // A picture was asked for, so the missing comment stays hidden.
  EXPECT_FALSE(PageDriver().Visible(IDC_STATIC_COMMENTAIRE));
}

TEST_F(MainWindowTest, AlbumWithoutPictureShowsThePlaceholderAndItsComment) {
  folder.WriteCollection(Collection());
  Open();
  PageDriver().ClickRow(IDC_LIST_ALBUMS, RowOf("Watchmen", "Watchmen"));
  EXPECT_EQ(dlg->GetPicture().GetPath(), DataPath(folder.Path(), "data/AddPicture.bmp"));
  EXPECT_FALSE(dlg->IsImageShown());
  EXPECT_EQ(PageDriver().Text(IDC_STATIC_COMMENTAIRE), "Moore et Gibbons");
  // Neither picture nor comment: the placeholder and an empty comment line.
  PageDriver().ClickRow(IDC_LIST_ALBUMS, RowOf("Akira", "Tetsuo"));
  EXPECT_EQ(dlg->GetPicture().GetPath(), DataPath(folder.Path(), "data/AddPicture.bmp"));
  EXPECT_TRUE(PageDriver().Visible(IDC_STATIC_COMMENTAIRE));
  EXPECT_EQ(PageDriver().Text(IDC_STATIC_COMMENTAIRE), "");
}

TEST_F(MainWindowTest, ClickBelowTheRowsHidesLoanControlsPictureAndComment) {
  folder.WriteCollection(Collection());
  Open();
  PageDriver().ClickRow(IDC_LIST_ALBUMS, 0).ClickRow(IDC_LIST_ALBUMS, -1);
  for (int id : kLoanControls) EXPECT_FALSE(Window().Visible(id)) << id;
  EXPECT_FALSE(Window().Visible(IDC_PICTURE));
  EXPECT_FALSE(PageDriver().Visible(IDC_STATIC_COMMENTAIRE));
}

TEST_F(MainWindowTest, RowNamesTheFirstAlbumWithExactlyItsSeriesTitleAndVolume) {
  AlbumValues first{"Blake", "Espadon", 1};
  first.commentaire = "premier";
  AlbumValues second = first;
  second.commentaire = "second";
  AlbumValues lower{"blake", "Espadon", 1};
  lower.commentaire = "minuscule";
  folder.WriteCollection({first, second, lower});
  Open();
  // The two identical rows both show the first album.
  for (int row = 0; row < 3; ++row) {
    PageDriver().ClickRow(IDC_LIST_ALBUMS, row);
    const bool isLower = Page().GetList().GetItemText(row, 0) == "blake";
    EXPECT_EQ(PageDriver().Text(IDC_STATIC_COMMENTAIRE), isLower ? "minuscule" : "premier") << row;
  }
}

TEST_F(MainWindowTest, KeyboardSelectionShowsTheAlbumToo) {
  folder.WriteCollection(Collection());
  Open();
  PageDriver().SelectRow(IDC_LIST_ALBUMS, RowOf("Watchmen", "Watchmen"));
  EXPECT_EQ(PageDriver().Text(IDC_STATIC_COMMENTAIRE), "Moore et Gibbons");
  EXPECT_TRUE(Window().Visible(IDC_EDIT_PRETA));
}

// ---- Keys: Ctrl shortcuts, while Ctrl is held ----

TEST_F(MainWindowTest, ACtrlPressedAndReleasedArmsNothing) {
  folder.WriteCollection(Collection());
  Open();
  dlg->SetModified();
  folder.Remove("data/quillory.db");
  // Ctrl pressed and released, then S alone: nothing is saved.
  PageDriver().Focus(IDC_LIST_ALBUMS).PressKey(ui::VK_CONTROL).PressKey('S');
  EXPECT_FALSE(folder.Exists("data/quillory.db"));
  EXPECT_FALSE(Page().IsCtrlArmed());
  // In the search box the A after it is a letter.
  Window().Focus(IDC_EDIT_RECHERCHE).PressKey(ui::VK_CONTROL);
  Window().Type(IDC_EDIT_RECHERCHE, "a");
  EXPECT_EQ(Window().Text(IDC_EDIT_RECHERCHE), "a");
  EXPECT_FALSE(dlg->IsCtrlArmed());
}

TEST_F(MainWindowTest, CtrlShortcutsWorkFromEveryControlOfTheWindow) {
  folder.WriteCollection(Collection());
  Open();
  // Ctrl+A with the album list focused: a new series.
  session.ExpectDialog(IDD_AJOUT_BD, [](ui::headless::Driver& d) { d.Click(ui::IDCANCEL); });
  PageDriver().Focus(IDC_LIST_ALBUMS).PressCtrlKey('A');
  // Ctrl+M in the search box modifies the album selected in the page.
  PageDriver().ClickRow(IDC_LIST_ALBUMS, RowOf("Watchmen", "Watchmen"));
  session.ExpectDialog(IDD_AJOUT_BD, [](ui::headless::Driver& d) {
    EXPECT_EQ(d.Text(IDC_AJOUT_TITRE), "Watchmen");
    d.Click(ui::IDCANCEL);
  });
  Window().Focus(IDC_EDIT_RECHERCHE).PressCtrlKey('M');
  EXPECT_EQ(Window().Text(IDC_EDIT_RECHERCHE), "");
  // Ctrl+S there saves.
  folder.Remove("data/quillory.db");
  Window().Focus(IDC_EDIT_RECHERCHE).PressCtrlKey('S');
  EXPECT_FALSE(dlg->IsModified());
  EXPECT_TRUE(folder.Exists("data/quillory.db"));
}

TEST_F(MainWindowTest, CtrlSInAPageSavesAndClearsTheModifiedFlag) {
  folder.WriteCollection(Collection());
  Open();
  dlg->GetGestion()->GetAlbum(0)->SetTitre("Nouveau titre");
  dlg->SetModified();
  PageDriver().Focus(IDC_LIST_ALBUMS).PressCtrlKey('S');
  EXPECT_FALSE(dlg->IsModified());
  EXPECT_NE(folder.ReadFile("data/quillory.db").find("\"Nouveau titre\""), std::string::npos);
}

// ---- Resize ----

TEST_F(MainWindowTest, ResizeMovesTheBottomRightControlsAndGrowsTabAndLists) {
  folder.WriteCollection(Collection());
  Open();
  auto rect = [&](int id) { return dlg->GetDlgItem(id)->GetRect(); };
  auto pageRect = [&](int id) { return Page().GetDlgItem(id)->GetRect(); };
  const ui::Rect client = dlg->GetClientRect();
  std::map<int, ui::Rect> before;
  for (int id : {IDC_EDIT_RECHERCHE, IDC_BUTTON_RECHERCHE, IDC_STATIC_RECHERCHE, IDC_STATIC_NBBD,
                 IDC_PICTURE, IDC_EDIT_NBBD, IDC_EDIT_PRETA, IDC_STATIC_PRETA, IDC_BUTTON_PRET,
                 IDC_EDIT_DATEPRET, IDC_STATIC_DATEPRET, IDC_TAB})
    before[id] = rect(id);
  const ui::Rect listBefore = pageRect(IDC_LIST_ALBUMS);
  const ui::Rect groupBefore = pageRect(IDC_GROUP_COMMENTAIRE);

  Window().Resize(client.Width() + 100, client.Height() + 40);

  auto moved = [](ui::Rect r, int dx, int dy) { r.Offset(dx, dy); return r; };
  for (int id : {IDC_EDIT_RECHERCHE, IDC_BUTTON_RECHERCHE, IDC_STATIC_RECHERCHE, IDC_EDIT_PRETA,
                 IDC_STATIC_PRETA, IDC_BUTTON_PRET, IDC_EDIT_DATEPRET, IDC_STATIC_DATEPRET})
    EXPECT_EQ(rect(id), moved(before[id], 100, 40)) << id;
  for (int id : {IDC_STATIC_NBBD, IDC_PICTURE, IDC_EDIT_NBBD})
    EXPECT_EQ(rect(id), moved(before[id], 100, 0)) << id;
  const ui::Rect tab = rect(IDC_TAB);
  EXPECT_EQ(tab.left, before[IDC_TAB].left);
  EXPECT_EQ(tab.top, before[IDC_TAB].top);
  EXPECT_EQ(tab.Width(), before[IDC_TAB].Width() + 100);
  EXPECT_EQ(tab.Height(), before[IDC_TAB].Height() + 40);
  EXPECT_EQ(pageRect(IDC_LIST_ALBUMS).Width(), listBefore.Width() + 100);
  EXPECT_EQ(pageRect(IDC_LIST_ALBUMS).Height(), listBefore.Height() + 40);
  EXPECT_EQ(pageRect(IDC_GROUP_COMMENTAIRE), moved(groupBefore, 100, 40));
  // The page covers the tab's display area.
  EXPECT_EQ(Page().GetWindowRect(), dlg->GetTabCtrl(IDC_TAB)->GetDisplayArea());
  // A tab shown for the first time now has its page laid out the same.
  const ui::Rect listGrown = pageRect(IDC_LIST_ALBUMS);
  Window().SelectTab(IDC_TAB, 3);
  EXPECT_EQ(pageRect(IDC_LIST_ALBUMS), listGrown);
  EXPECT_EQ(pageRect(IDC_GROUP_COMMENTAIRE), moved(groupBefore, 100, 40));
  Window().SelectTab(IDC_TAB, 0);

  // Shrinking back restores the layout.
  Window().Resize(client.Width(), client.Height());
  for (const auto& [id, r] : before) EXPECT_EQ(rect(id), r) << id;

  // As on the real toolkit, the user cannot make the window smaller than its
  // minimum, where every control still has room.
  Window().Resize(100, 80);
  const ui::Rect minimum =
      dlg->MapDialogRect(0, 0, CQuilloryDlg::MIN_WIDTH_DLU, CQuilloryDlg::MIN_HEIGHT_DLU);
  EXPECT_EQ(dlg->GetClientRect().Width(), minimum.Width());
  EXPECT_EQ(dlg->GetClientRect().Height(), minimum.Height());
  EXPECT_GT(pageRect(IDC_LIST_ALBUMS).Height(), 0);
  EXPECT_GE(rect(IDC_EDIT_PRETA).top, rect(IDC_PICTURE).bottom);
}

TEST_F(MainWindowTest, ResizeRefillsTheCurrentPageWhichEndsASearch) {
  folder.WriteCollection(Collection());
  Open();
  Window().SetText(IDC_EDIT_RECHERCHE, "watchmen").Click(IDC_BUTTON_RECHERCHE);
  EXPECT_EQ(Column(0).size(), 1u);
  Window().Resize(dlg->GetClientRect().Width() + 10, dlg->GetClientRect().Height());
  EXPECT_EQ(Column(0).size(), 5u);
}

}  // namespace
