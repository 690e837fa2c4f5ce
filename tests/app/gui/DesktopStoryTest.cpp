// A user's session with the real program, on a desktop with a window manager,
// in each window style: every dialog that a menu, a context menu or a button
// of the main window opens is opened three times and closed in turn by its
// button, by Escape and by the window manager's close box; then a series is
// added with two more volumes, one album modified, one lent and returned, and
// the collection saved. The program must live through all of it, and the
// database must hold exactly what was done.
#include "../../export/LoopbackServer.h"
#include "ProgramDriver.h"
#include "collection/GestionBD.h"
#include "resources/Templates.h"

#include <gtest/gtest.h>

#include <ctime>
#include <set>
#include <string>
#include <vector>

namespace {

enum class Closing { Button, Escape, CloseBox };
constexpr Closing kEveryClosing[] = {Closing::Button, Closing::Escape, Closing::CloseBox};

// A dialog the user opens: its title, and how its button is pressed (a
// control of its template, or keys: Return for a message box's OK, Alt+N for
// "Non"). The toolkit's own file and print dialogs have no button the test
// can reach; they are closed by Escape in the button's turn.
struct DialogSpec {
  std::string title;  // Windows-1252
  const ui::DialogTemplate* tmpl = nullptr;
  int button = 0;
  std::string buttonKeys;
};

DialogSpec Ours(const ui::DialogTemplate& t, int button, const std::string& title = {}) {
  return {title.empty() ? t.caption : title, &t, button, {}};
}
DialogSpec MessageBox(const std::string& keys) { return {"Quillory", nullptr, 0, keys}; }
DialogSpec Toolkit(const std::string& title) { return {title, nullptr, 0, "Escape"}; }

// The distinct values of the collection the story starts from.
std::vector<AlbumValues> StartingCollection() {
  AlbumValues lune{"Les Voyages de Lune", "Le Phare", 1};
  lune.dessinateur = "Marc Ollier";
  lune.scenariste = "Ines Vautrin";
  lune.editeur = "Editions du Quai";
  lune.commentaire = "Dos abime";
  lune.genre = "Aventure";
  lune.collection = "Horizon";
  lune.picture = "images\\phare.bmp";
  lune.note = 7;
  AlbumValues kaito{"Kaito", "L'Eveil", 3};
  kaito.dessinateur = "Rei Tanabe";
  kaito.scenariste = "Sho Kimura";
  kaito.editeur = "Kazoku";
  kaito.commentaire = "Edition reliee";
  kaito.type = 2;
  kaito.genre = "Fantastique";
  kaito.collection = "Shonen";
  kaito.note = 9;
  AlbumValues volt{"Mister Volt", "Surtension", 12};
  volt.dessinateur = "Dan Carver";
  volt.scenariste = "Lena Stroud";
  volt.editeur = "Arclight";
  volt.commentaire = "Variant cover";
  volt.type = 1;
  volt.genre = "Science fiction";
  volt.collection = "Prime";
  volt.note = 4;
  return {lune, kaito, volt};
}

class Session {
 public:
  Session(Program& program, unsigned long main, const ui::DialogTemplate& mainTemplate,
          std::set<int> grayed)
      : m_program(program), m_main(main, mainTemplate), m_grayed(std::move(grayed)) {}

  const TemplateWindow& Main() const { return m_main; }

  // A command of the menu bar, chosen with the keyboard: F10 opens the first
  // menu, Right the next ones, Down goes through the items that can be chosen.
  void ChooseMenu(int command) {
    const auto& menus = kMenuQuillory.items;
    for (std::size_t m = 0; m < menus.size(); ++m) {
      std::string keys = "F10";
      for (std::size_t r = 0; r < m; ++r) keys += " Right";
      if (menus[m].id == command) {  // an item of the bar itself
        Keys(keys + " Down Return");
        return;
      }
      int downs = 0;
      for (const auto& item : menus[m].popup) {
        if (item.separator || m_grayed.count(item.id)) continue;
        ++downs;
        if (item.id != command) continue;
        for (int d = 0; d < downs; ++d) keys += " Down";
        Keys(keys + " Return");
        return;
      }
    }
    ADD_FAILURE() << "no menu item " << command;
  }

  // The dialog the user has just asked for, once shown; 0 if none came.
  unsigned long Await(const DialogSpec& dialog) {
    const std::string title = XTitle(dialog.title);
    unsigned long id = 0;
    WaitFor([&] {
      for (unsigned long w : m_program.ShownWindows(title))
        if (w != m_main.Id() && (!dialog.tmpl || WindowGeometry(w).width >= dialog.tmpl->cx * m_main.Unit() * 0.9))
          id = w;  // a window of that title and of the template's width (not the news' progress box)
      return id != 0 || !m_program.Running();
    }, std::chrono::seconds(15));
    return id;
  }

  // Closes the dialog shown as the user would, and checks that it went and
  // that the program lives on.
  void Close(const DialogSpec& dialog, unsigned long id, Closing closing, unsigned long owner = 0) {
    switch (closing) {
      case Closing::Button:
        if (dialog.tmpl && dialog.button) TemplateWindow(id, *dialog.tmpl).Click(dialog.button);
        else Keys(dialog.buttonKeys.empty() ? "Escape" : dialog.buttonKeys);
        break;
      case Closing::Escape: Keys("Escape"); break;
      case Closing::CloseBox: CloseBox(id); break;
    }
    EXPECT_TRUE(WaitFor([&] {
      for (unsigned long w : m_program.ShownWindows(XTitle(dialog.title)))
        if (w == id) return false;
      return true;
    })) << dialog.title << " still shown after closing " << int(closing);
    // As a user goes on: once the window below has the focus again.
    const std::string below = std::to_string(owner ? owner : m_main.Id());
    EXPECT_TRUE(WaitFor([&] { return Shell("xdotool getactivewindow") == below; }))
        << "the window below did not get the focus back after " << dialog.title;
    ASSERT_TRUE(m_program.Running()) << "the program ended closing " << dialog.title << ": "
                                     << m_program.Stderr();
  }

  // Opens the dialog three times with open(), closing it in turn each way.
  void OpenThreeTimes(const DialogSpec& dialog, const std::function<void()>& open,
                      std::vector<Closing> closings = {std::begin(kEveryClosing), std::end(kEveryClosing)}) {
    for (Closing closing : closings) {
      open();
      if (::testing::Test::HasFatalFailure()) return;
      const unsigned long id = Await(dialog);
      ASSERT_NE(id, 0u) << "\"" << dialog.title << "\" did not open; " << m_program.Stderr();
      Close(dialog, id, closing);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }

  // The context menu of a list row (right button), then its item: Down goes
  // through the items.
  void ContextCommand(std::pair<int, int> row, int item) {
    ClickAt(row, 3);
    // A click that comes while the toolkit gives the focus back to the window
    // can be lost: as a user would, the story clicks again.
    if (!WaitFor([&] { return m_program.MenuShown(); }, std::chrono::seconds(2))) {
      ClickAt(row, 3);
      WaitFor([&] { return m_program.MenuShown(); });
    }
    ASSERT_TRUE(m_program.MenuShown()) << "no context menu";
    std::string keys;
    for (int d = 0; d < item; ++d) keys += " Down";
    Keys(keys + " Return");
  }

  // Clears a search box of the main window and searches for text with Return.
  void Search(const std::string& text) {
    m_main.Click(IDC_EDIT_RECHERCHE);
    Keys("End shift+Home BackSpace");  // Ctrl+A would be the window's "Nouvelle série"
    TypeText(text);
    Keys("Return");
  }

  void MenuDialogThreeTimes(int command, const DialogSpec& dialog) {
    OpenThreeTimes(dialog, [&] { ChooseMenu(command); });
  }

  // Presses Return in the message box that must come now, over the main
  // window or over the dialog given.
  void Acknowledge(unsigned long owner = 0) {
    const unsigned long box = Await(MessageBox("Return"));
    ASSERT_NE(box, 0u) << "no message box";
    Close(MessageBox("Return"), box, Closing::Button, owner);
  }

 private:
  Program& m_program;
  TemplateWindow m_main;
  std::set<int> m_grayed;
};

// Every dialog of the menu bar, in both styles.
void EveryMenuDialog(Session& s, bool graphic) {
  const DialogSpec entry = Ours(kDialogAjoutBD, ui::IDCANCEL);
  const std::vector<std::pair<int, DialogSpec>> dialogs = {
      {ID_GESTION_NOUVELLESERIE, entry},
      {ID_GESTION_RESTORER, Toolkit("R\xE9pertoire courant")},
      {ID_GESTION_ENREGISTRERSOUS, Toolkit("Enregistrer sous")},
      {ID_GESTION_IMPRIMER, Toolkit("Imprimer")},
      {ID_EXPORTER_HTML, MessageBox("Return")},  // "Export Terminé."
      {ID_IMPORTER_CSV, Toolkit("Ouvrir")},
      {ID_OUTILS_LISTEPRETS, Ours(kDialogPrets, ui::IDOK)},
      {ID_OUTILS_BLOCNOTE, Ours(kDialogBlocNote, ui::IDCANCEL)},
      {ID_STAT_GENERALES, Ours(kDialogStat, ui::IDOK)},
      {ID_STAT_EDITEURS, Ours(kDialogStatEdit, ui::IDOK)},
      {ID_STAT_ACHAT, Ours(kDialogStatAchat, ui::IDOK)},
      {ID_STAT_PRETEES, Ours(kDialogStatPrets, ui::IDOK)},
      {ID_STAT_ASUIVRE, Ours(kDialogSerieASuivre, ui::IDOK)},
      {ID_STAT_HISTORIQUECOMICS, Ours(kDialogComicLink, ui::IDOK)},
      {ID_CONFIG_WEB, Ours(kDialogProxy, ui::IDCANCEL)},
      // The style question: "Non" keeps the running style.
      {graphic ? ID_STYLE_LISTE : ID_STYLE_GRAPHIQUE, MessageBox("alt+n")},
      {ID_APROPOS, Ours(graphic ? kDialogAbout2 : kDialogAbout, ui::IDOK)},
  };
  for (const auto& [command, dialog] : dialogs) {
    SCOPED_TRACE(dialog.title);
    s.MenuDialogThreeTimes(command, dialog);
    if (::testing::Test::HasFatalFailure()) return;
  }
  if (!graphic) s.MenuDialogThreeTimes(ID_CONFIG_LISTES, Ours(kDialogConfTab, ui::IDCANCEL));
  // The news has no button: Escape and the close box close it. Its progress
  // box goes by itself once the feed is read.
  const DialogSpec news = Ours(kDialogAffNews, 0);
  s.OpenThreeTimes(news, [&] { s.ChooseMenu(ID_WEB_SORTIEBD); },
                   {Closing::Escape, Closing::CloseBox, Closing::Escape});
}

// What the story adds to the collection, field by field.
struct Added {
  std::string titre;
  int tome;
};

void ExpectAlbum(const CAlbum* a, const AlbumValues& v, const std::string& pretA, int nbPrets) {
  ASSERT_NE(a, nullptr);
  SCOPED_TRACE(v.titre);
  EXPECT_EQ(a->GetSerie(), v.serie);
  EXPECT_EQ(a->GetTitre(), v.titre);
  EXPECT_EQ(a->GetTome(), v.tome);
  EXPECT_EQ(a->GetDessinateur(), v.dessinateur);
  EXPECT_EQ(a->GetScenariste(), v.scenariste);
  EXPECT_EQ(a->GetEditeur(), v.editeur);
  EXPECT_EQ(a->GetCommentaire(), v.commentaire);
  EXPECT_EQ(a->GetGenre(), v.genre);
  EXPECT_EQ(a->GetCollection(), v.collection);
  EXPECT_EQ(a->GetType(), v.type);
  EXPECT_EQ(a->GetNote(), v.note);
  EXPECT_EQ(a->GetPicture(), v.picture);
  EXPECT_EQ(a->GetPretA(), pretA);
  EXPECT_EQ(a->GetNbPrets(), nbPrets);
}

// The new series as the story types it: every field its own value.
AlbumValues NewSeries(const std::string& titre, int tome) {
  AlbumValues v{"Aube Rouge", titre, tome};
  v.dessinateur = "Bruno Tessier";
  v.scenariste = "Alma Ruiz";
  v.editeur = "Le Sillon";
  v.commentaire = "Premiere lecture";
  v.genre = "Policier";
  v.collection = "Brume";
  v.type = 2;
  v.note = 8;
  return v;
}

// Types the new series' fields into the entry dialog (series, title and
// volume only when given) and presses its OK button.
void FillEntry(const TemplateWindow& entry, const AlbumValues& v, bool withSeries) {
  if (withSeries) entry.ReplaceIn(IDC_AJOUT_SERIE, v.serie);
  entry.ReplaceIn(IDC_AJOUT_TITRE, v.titre);
  entry.ReplaceIn(IDC_AJOUT_TOME, std::to_string(v.tome));
  entry.ReplaceIn(IDC_AJOUT_NOTE, std::to_string(v.note));
  entry.ReplaceIn(IDC_AJOUT_SCENARIO, v.scenariste);
  entry.ReplaceIn(IDC_AJOUT_DESSIN, v.dessinateur);
  entry.ReplaceIn(IDC_AJOUT_GENRE, v.genre);
  entry.ReplaceIn(IDC_AJOUT_TYPE, "Manga");
  entry.ReplaceIn(IDC_AJOUT_EDITEUR, v.editeur);
  entry.ReplaceIn(IDC_AJOUT_COLLECTION, v.collection);
  entry.ReplaceIn(IDC_AJOUT_COMMENTAIRE, v.commentaire);
  entry.Click(ui::IDOK);
}

class DesktopStory : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallProgram(m_folder);
    m_folder.WriteCollection(StartingCollection());
    m_folder.WritePicture("images/phare.bmp");
    m_folder.WriteFile("data/Quillory.ini",
                       "[Web]\r\nFeedUrl=" + m_feed.Url("/Rss/Rss.aspx?NID=37276") + "\r\n");
    m_started = std::time(nullptr);
  }

  // The database the program saved: the starting albums, then the new series
  // of three volumes, the second renamed, the third lent and returned.
  void ExpectSavedCollection(const std::string& renamed) {
    CGestionBD saved;
    ASSERT_EQ(saved.Load(m_folder.Path()), CGestionBD::LOAD_OK);
    ASSERT_EQ(saved.GetAlbumCount(), 6);
    const auto start = StartingCollection();
    for (int i = 0; i < 3; ++i) ExpectAlbum(saved.GetAlbum(i), start[std::size_t(i)], "_", 0);
    AlbumValues second = NewSeries(renamed, 2);
    second.commentaire = "Relu deux fois";
    ExpectAlbum(saved.GetAlbum(3), NewSeries("Porte Nord", 1), "_", 0);
    ExpectAlbum(saved.GetAlbum(4), second, "_", 0);
    ExpectAlbum(saved.GetAlbum(5), NewSeries("Porte Est", 3), "_", 1);
    // Bought today, as the entry dialog proposes.
    for (int i = 3; i < 6; ++i) {
      const double bought = saved.GetAlbum(i)->GetDateAchat();
      EXPECT_GE(bought, double(m_started) - 86400.0);
      EXPECT_LE(bought, double(std::time(nullptr)) + 86400.0);
    }
  }

  TestProgramFolder m_folder;
  LoopbackServer m_feed{LoopbackServer::Mode::Serve,
                        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<rss version=\"2.0\"><channel>"
                        "<title>Sorties</title><item><title>Aube Rouge 4</title>"
                        "<description>Bientot</description></item></channel></rss>\n"};
  std::time_t m_started = 0;
};

TEST_F(DesktopStory, ListStyle) {
  Program program(m_folder);
  const unsigned long window = program.FindWindow(XTitle(kDialogQuillory.caption));
  ASSERT_NE(window, 0u) << program.Stderr();
  Session s(program, window, kDialogQuillory, {});
  const TemplateWindow& main = s.Main();

  EveryMenuDialog(s, false);
  if (HasFatalFailure()) return;

  // The album list's first row, once a search has left the one album wanted.
  const auto firstRow = main.At(120, 70);
  auto findAlone = [&](const std::string& text) {
    s.Search(text);
    ClickAt(firstRow);
  };
  auto pageCommand = [&](int item) { s.ContextCommand(firstRow, item); };

  // Every dialog of the page's context menu, on the first album.
  findAlone("Le Phare");
  s.OpenThreeTimes(Ours(kDialogAjoutBD, ui::IDCANCEL, "Ajouter la suite d'une BD"), [&] { pageCommand(1); });
  s.OpenThreeTimes(Ours(kDialogAjoutBD, ui::IDCANCEL, "Modification d'une BD"), [&] { pageCommand(2); });
  s.OpenThreeTimes(MessageBox("alt+n"), [&] { pageCommand(3); });  // the deletion question: No
  if (HasFatalFailure()) return;

  // A new series, then two more volumes of it.
  s.ChooseMenu(ID_GESTION_NOUVELLESERIE);
  unsigned long id = s.Await(Ours(kDialogAjoutBD, ui::IDCANCEL));
  ASSERT_NE(id, 0u);
  FillEntry(TemplateWindow(id, kDialogAjoutBD), NewSeries("Porte Nord", 1), true);
  for (const Added& next : {Added{"Porte Sud", 2}, Added{"Porte Est", 3}}) {
    findAlone(next.tome == 2 ? "Porte Nord" : "Porte Sud");
    pageCommand(1);
    id = s.Await(Ours(kDialogAjoutBD, ui::IDCANCEL, "Ajouter la suite d'une BD"));
    ASSERT_NE(id, 0u);
    const AlbumValues v = NewSeries(next.titre, next.tome);
    FillEntry(TemplateWindow(id, kDialogAjoutBD), v, false);
  }

  // The second volume gets a new title and comment.
  findAlone("Porte Sud");
  pageCommand(2);
  id = s.Await(Ours(kDialogAjoutBD, ui::IDCANCEL, "Modification d'une BD"));
  ASSERT_NE(id, 0u);
  TemplateWindow modify(id, kDialogAjoutBD);
  modify.ReplaceIn(IDC_AJOUT_TITRE, "Porte Sud-Ouest");
  modify.ReplaceIn(IDC_AJOUT_COMMENTAIRE, "Relu deux fois");
  modify.Click(ui::IDOK);

  // The third is lent, then given back through the list of loans.
  findAlone("Porte Est");
  main.TypeInto(IDC_EDIT_PRETA, "Camille Roux");
  main.TypeInto(IDC_EDIT_DATEPRET, "03/04/2025");
  main.Click(IDC_BUTTON_PRET);
  s.Acknowledge();  // "Prêt Enregistré"
  s.ChooseMenu(ID_OUTILS_LISTEPRETS);
  id = s.Await(Ours(kDialogPrets, ui::IDOK));
  ASSERT_NE(id, 0u);
  TemplateWindow loans(id, kDialogPrets);
  ClickAt(loans.At(60, 7 + 18));  // the only row, below the list's header
  loans.Click(IDC_BUTTON_RENDUE);
  s.Acknowledge(id);  // "BD rendue" (and saved), over the list of loans
  loans.Click(ui::IDOK);

  s.ChooseMenu(ID_GESTION_ENREGISTRER);
  EXPECT_TRUE(WaitFor([&] { return m_folder.ReadFile("data/quillory.db").find("Porte Sud-Ouest") != std::string::npos; }));
  ExpectSavedCollection("Porte Sud-Ouest");
  const std::string saved = m_folder.ReadFile("data/quillory.db");

  // Nothing changed since: "Fermer" ends the program without a question.
  s.ChooseMenu(ID_FERMER);
  EXPECT_EQ(program.WaitExit(), 0) << program.Stderr();
  EXPECT_EQ(m_folder.ReadFile("data/quillory.db"), saved);
}

TEST_F(DesktopStory, GraphicStyle) {
  m_folder.WriteFile("data/quilloryType.cfg", "1\r\n");
  Program program(m_folder);
  const unsigned long window = program.FindWindow(XTitle(kDialogQuilloryGraph.caption));
  ASSERT_NE(window, 0u) << program.Stderr();
  // "Config des listes" is the list style's: greyed here.
  Session s(program, window, kDialogQuilloryGraph, {ID_CONFIG_LISTES});
  const TemplateWindow& main = s.Main();

  EveryMenuDialog(s, true);
  if (HasFatalFailure()) return;

  // The series list's first row (the search leaves the one series wanted),
  // and the rows of the album list beside it, by volume.
  const auto seriesRow = main.At(80, 109);
  auto albumRow = [&](int row) { return main.At(300, 92 + 12 * row); };
  auto showSeries = [&](const std::string& name) {
    s.Search(name);
    ClickAt(seriesRow);
  };

  showSeries("Voyages");
  ClickAt(albumRow(0));
  // The series' context menu: a new series, renaming, deletion (No).
  s.OpenThreeTimes(Ours(kDialogAjoutBD, ui::IDCANCEL), [&] { s.ContextCommand(seriesRow, 1); });
  s.OpenThreeTimes(Ours(kDialogRename, ui::IDCANCEL), [&] { s.ContextCommand(seriesRow, 2); });
  s.OpenThreeTimes(MessageBox("alt+n"), [&] { s.ContextCommand(seriesRow, 3); });
  // The album's context menu, and the buttons of the details, on the first
  // album shown (the window shows every series again after a dialog): the
  // user selects it before each command.
  auto onAlbum = [&](const std::function<void()>& command) {
    return [&, command] {
      ClickAt(albumRow(0));
      command();
    };
  };
  s.OpenThreeTimes(Ours(kDialogAjoutBD, ui::IDCANCEL, "Ajouter la suite d'une BD"),
                   onAlbum([&] { s.ContextCommand(albumRow(0), 1); }));
  s.OpenThreeTimes(Ours(kDialogAjoutBD, ui::IDCANCEL, "Modification d'une BD"),
                   onAlbum([&] { s.ContextCommand(albumRow(0), 2); }));
  s.OpenThreeTimes(MessageBox("alt+n"), onAlbum([&] { s.ContextCommand(albumRow(0), 3); }));
  s.OpenThreeTimes(Ours(kDialogAjoutBD, ui::IDCANCEL, "Modification d'une BD"),
                   onAlbum([&] { main.Click(IDC_BUTTON_MODIFIER); }));
  s.OpenThreeTimes(Ours(kDialogSeconPic, ui::IDOK), onAlbum([&] { main.Click(IDC_BUTTON_IMAGE2); }));
  s.OpenThreeTimes(Toolkit("Ouvrir"), onAlbum([&] { main.Click(IDC_PICTURE); }));
  if (HasFatalFailure()) return;

  // A new series, then two more volumes from the album list's menu.
  s.ChooseMenu(ID_GESTION_NOUVELLESERIE);
  unsigned long id = s.Await(Ours(kDialogAjoutBD, ui::IDCANCEL));
  ASSERT_NE(id, 0u);
  FillEntry(TemplateWindow(id, kDialogAjoutBD), NewSeries("Porte Nord", 1), true);
  for (const Added& next : {Added{"Porte Sud", 2}, Added{"Porte Est", 3}}) {
    showSeries("Aube Rouge");
    ClickAt(albumRow(next.tome - 2));
    s.ContextCommand(albumRow(next.tome - 2), 1);
    id = s.Await(Ours(kDialogAjoutBD, ui::IDCANCEL, "Ajouter la suite d'une BD"));
    ASSERT_NE(id, 0u);
    FillEntry(TemplateWindow(id, kDialogAjoutBD), NewSeries(next.titre, next.tome), false);
  }

  // The second volume gets a new title and comment, through "Modifier".
  showSeries("Aube Rouge");
  ClickAt(albumRow(1));
  main.Click(IDC_BUTTON_MODIFIER);
  id = s.Await(Ours(kDialogAjoutBD, ui::IDCANCEL, "Modification d'une BD"));
  ASSERT_NE(id, 0u);
  TemplateWindow modify(id, kDialogAjoutBD);
  modify.ReplaceIn(IDC_AJOUT_TITRE, "Porte Sud-Ouest");
  modify.ReplaceIn(IDC_AJOUT_COMMENTAIRE, "Relu deux fois");
  modify.Click(ui::IDOK);

  // The third is lent, then given back through the list of loans.
  showSeries("Aube Rouge");
  ClickAt(albumRow(2));
  main.TypeInto(IDC_EDIT_PRETA, "Camille Roux");
  main.TypeInto(IDC_EDIT_DATEPRET, "03/04/2025");
  main.Click(IDC_BUTTON_PRET);
  s.Acknowledge();  // "Prêt Enregistré"
  s.ChooseMenu(ID_OUTILS_LISTEPRETS);
  id = s.Await(Ours(kDialogPrets, ui::IDOK));
  ASSERT_NE(id, 0u);
  TemplateWindow loans(id, kDialogPrets);
  ClickAt(loans.At(60, 7 + 18));
  loans.Click(IDC_BUTTON_RENDUE);
  s.Acknowledge(id);
  loans.Click(ui::IDOK);

  s.ChooseMenu(ID_GESTION_ENREGISTRER);
  EXPECT_TRUE(WaitFor([&] { return m_folder.ReadFile("data/quillory.db").find("Porte Sud-Ouest") != std::string::npos; }));
  ExpectSavedCollection("Porte Sud-Ouest");
  const std::string saved = m_folder.ReadFile("data/quillory.db");

  s.ChooseMenu(ID_FERMER);
  EXPECT_EQ(program.WaitExit(), 0) << program.Stderr();
  EXPECT_EQ(m_folder.ReadFile("data/quillory.db"), saved);
}

}  // namespace
