// Editing the collection from the list-style window: new series, the page's
// album commands, loans and their return, and covers, each story ending with
// the database file checked byte for byte.
#include "MainWindowFixture.h"

#include "collection/DataPath.h"
#include "collection/GestionBD.h"
#include "dialogs/QuilloryAjoutBD.h"
#include "dialogs/QuilloryPret.h"
#include "dialogs/SaveFailure.h"
#include "platform/ListView.h"
#include "resources/Resource.h"

#include <cstdio>
#include <ctime>
#include <filesystem>

namespace {

using ::testing::ElementsAre;
using Driver = ui::headless::Driver;

constexpr double kAchat2010 = 1262347200.0;  // 2010-01-01 12:00 UTC

// An album whose nineteen values all differ.
CAlbum Album(const std::string& serie, const std::string& titre, int tome) {
  return CAlbum(serie.c_str(), titre.c_str(), tome, "Jacobs", "Van Hamme", "Dargaud",
                "Relu en 2019", 1, "Aventure", "_", "_", "_", kAchat2010, ALBUM_BD_EURO,
                "Les Classiques", 7, 0, 0, "images\\dos.jpg");
}

std::string Lines(const std::vector<CAlbum>& albums) {
  std::string bytes;
  for (const CAlbum& a : albums) bytes += CGestionBD::FormatDatabaseLine(a);
  return bytes;
}

class EditingTest : public MainWindowTest {
 protected:
  void OpenWith(const std::vector<CAlbum>& albums) {
    folder.WriteFile("data/quillory.db", Lines(albums));
    Open();
  }
  CGestionBD& Store() { return *dlg->GetGestion(); }
  std::string Database() { return folder.ReadFile("data/quillory.db"); }
};

TEST_F(EditingTest, NewSeriesWithNothingTypedAddsTheDefaultsAndIsSavedOnClosing) {
  const std::vector<CAlbum> albums = {Album("Blake et Mortimer", "La Marque jaune", 6)};
  OpenWith(albums);
  const std::time_t before = std::time(nullptr);
  session.ExpectDialog(IDD_AJOUT_BD, [](Driver& d) {
    EXPECT_EQ(d.GetWindow().GetWindowText(), "Ajouter une BD");
    EXPECT_EQ(d.Text(IDC_AJOUT_NOTE), "5");
    EXPECT_EQ(d.GetWindow().IsDlgButtonChecked(IDC_AJOUT_EO), 1);
    EXPECT_EQ(d.Text(IDC_AJOUT_SERIE), "");
    d.Click(ui::IDOK);
  });
  Window().Focus(IDC_EDIT_RECHERCHE).PressCtrlKey('A');
  const std::time_t after = std::time(nullptr);
  EXPECT_EQ(Window().Text(IDC_EDIT_NBBD), "2");
  EXPECT_FALSE(dlg->IsCtrlArmed());
  EXPECT_TRUE(dlg->IsModified());
  ASSERT_EQ(Store().GetAlbumCount(), 2);
  const CAlbum& a = *Store().GetAlbum(1);
  EXPECT_GE(a.GetDateAchat(), double(before));
  EXPECT_LE(a.GetDateAchat(), double(after));
  EXPECT_THAT(Column(0), ElementsAre("_", "Blake et Mortimer"));

  session.ExpectMessageBox("Voulez vous sauvegarder les modifications ??").Answer(ui::IDYES);
  Window().Close();
  char date[64];
  std::snprintf(date, sizeof date, "%.6f", a.GetDateAchat());
  EXPECT_EQ(Database(), Lines(albums) + "\"_\" \"_\" 0 \"_\" \"_\" \"_\" \"_\" 1 \"_\" \"_\" \"_\" \"_\" " +
                            date + " -1 \"_\" 5 0 0 \"_\"\r\n");
}

TEST_F(EditingTest, PageCommandsAddTheNextVolumeModifyAndDelete) {
  CAlbum lent = Album("Blake et Mortimer", "Le Secret", 2);
  lent.SetPretA("Paul");
  lent.SetDatePret("12/03/2020");
  lent.SetNbPrets(3);
  lent.SetPicture("images\\secret.jpg");
  OpenWith({Album("Blake et Mortimer", "Le Secret", 1), lent,
            Album("Blake et Mortimer", "La Marque jaune", 7)});

  // Next volume from the context menu, on the volume 7 row.
  session.ExpectContextMenu(IDR_MENU_PAGE).Command(ID_PAGE_AJOUTERSUITE);
  session.ExpectDialog(IDD_AJOUT_BD, [](Driver& d) {
    EXPECT_EQ(d.Text(IDC_AJOUT_TOME), "8");
    d.Type(IDC_AJOUT_TITRE, "L'Affaire du collier").Click(ui::IDOK);
  });
  PageDriver().ClickRow(IDC_LIST_ALBUMS, RowOf("Blake et Mortimer", "La Marque jaune"));
  PageDriver().RightClickRow(IDC_LIST_ALBUMS, RowOf("Blake et Mortimer", "La Marque jaune"));
  EXPECT_EQ(Window().Text(IDC_EDIT_NBBD), "4");
  EXPECT_TRUE(dlg->IsModified());
  EXPECT_EQ(Store().GetAlbum(3)->GetTome(), 8);
  EXPECT_EQ(Store().GetAlbum(3)->GetCollection(), "Les Classiques");

  // Ctrl then M on volume 2: the dialog shows volume 2, not volume 1.
  session.ExpectDialog(IDD_AJOUT_BD, [](Driver& d) {
    EXPECT_EQ(d.Text(IDC_AJOUT_TOME), "2");
    d.SetText(IDC_AJOUT_COMMENTAIRE, "Le deuxi\xE8me").Click(ui::IDOK);
  });
  const int row = [&] {
    for (int r = 0; r < Page().GetList().GetItemCount(); ++r)
      if (Page().GetList().GetItemText(r, 2) == "2") return r;
    return -1;
  }();
  PageDriver().ClickRow(IDC_LIST_ALBUMS, row).PressCtrlKey('M');
  const CAlbum& modified = *Store().GetAlbum(1);
  EXPECT_EQ(modified.GetCommentaire(), "Le deuxi\xE8me");
  EXPECT_EQ(Store().GetAlbum(0)->GetCommentaire(), "Relu en 2019");
  EXPECT_EQ(modified.GetPretA(), "Paul");
  EXPECT_EQ(modified.GetDatePret(), "12/03/2020");
  EXPECT_EQ(modified.GetNbPrets(), 3);
  EXPECT_EQ(modified.GetPicture(), "images\\secret.jpg");
  EXPECT_EQ(modified.GetPicture2(), "images\\dos.jpg");

  // Ctrl then D: No keeps the album, Yes deletes it.
  session.ExpectMessageBox("Voulez vous vraiment supprimer cette BD?").Answer(ui::IDNO);
  PageDriver().ClickRow(IDC_LIST_ALBUMS, RowOf("Blake et Mortimer", "La Marque jaune"))
      .PressCtrlKey('D');
  EXPECT_EQ(Store().GetAlbumCount(), 4);
  session.ExpectMessageBox("Voulez vous vraiment supprimer cette BD?").Answer(ui::IDYES);
  session.ExpectMessageBox("BD Supprim\xE9" "e");
  PageDriver().PressCtrlKey('D');
  EXPECT_EQ(Store().GetAlbumCount(), 3);
  EXPECT_EQ(Window().Text(IDC_EDIT_NBBD), "3");

  // Nothing selected after the refill: every command asks for a row.
  session.ExpectContextMenu(IDR_MENU_PAGE).Command(ID_PAGE_MODIFIER);
  session.ExpectMessageBox("Veuillez reselectionn\xE9" "e votre BD");
  PageDriver().RightClickRow(IDC_LIST_ALBUMS, -1);

  session.ExpectMessageBox("Voulez vous sauvegarder les modifications ??").Answer(ui::IDYES);
  Window().Close();
  CAlbum next = Album("Blake et Mortimer", "L'Affaire du collier", 8);
  next.SetCommentaire("_");
  next.SetNote(5);
  next.SetPicture2("_");
  CAlbum second = lent;
  second.SetCommentaire("Le deuxi\xE8me");
  const std::string bytes = Database();
  EXPECT_EQ(bytes.substr(0, Lines({Album("Blake et Mortimer", "Le Secret", 1), second}).size()),
            Lines({Album("Blake et Mortimer", "Le Secret", 1), second}));
  EXPECT_EQ(bytes.find("La Marque jaune"), std::string::npos);
}

TEST_F(EditingTest, DoubleClickModifiesAndSavesAtOnceAndAFailedSaveIsReported) {
  OpenWith({Album("Blake et Mortimer", "La Marque jaune", 6)});
  session.ExpectDialog(IDD_AJOUT_BD, [](Driver& d) {
    d.SetText(IDC_AJOUT_TITRE, "La Marque Jaune").Click(ui::IDOK);
  });
  PageDriver().DoubleClickRow(IDC_LIST_ALBUMS, 0);
  EXPECT_EQ(Database(), Store().FormatDatabase());
  EXPECT_NE(Database().find("\"La Marque Jaune\""), std::string::npos);
  EXPECT_FALSE(dlg->IsModified());

  std::filesystem::remove_all(folder.File("data"));
  session.ExpectDialog(IDD_AJOUT_BD, [](Driver& d) {
    d.SetText(IDC_AJOUT_TITRE, "Perdu ?").Click(ui::IDOK);
  });
  session.ExpectMessageBox(MSG_SAVE_FAILED);
  PageDriver().DoubleClickRow(IDC_LIST_ALBUMS, 0);
  EXPECT_TRUE(dlg->IsModified());

  session.ExpectMessageBox("Veuillez resel\xE9" "ctionner votre BD");
  PageDriver().DoubleClickRow(IDC_LIST_ALBUMS, -1);
}

TEST_F(EditingTest, LoansAreRecordedShownReturnedAndCounted) {
  CAlbum lent = Album("Aldebaran", "La Catastrophe", 1);
  lent.SetPretA("Marie");
  lent.SetDatePret("01/02/2021");
  OpenWith({Album("Blake et Mortimer", "La Marque jaune", 6), lent});

  // Selecting a lent album shows who has it; another one empties the boxes.
  PageDriver().ClickRow(IDC_LIST_ALBUMS, RowOf("Aldebaran", "La Catastrophe"));
  EXPECT_EQ(Window().Text(IDC_EDIT_PRETA), "Marie");
  EXPECT_EQ(Window().Text(IDC_EDIT_DATEPRET), "01/02/2021");
  PageDriver().ClickRow(IDC_LIST_ALBUMS, RowOf("Blake et Mortimer", "La Marque jaune"));
  EXPECT_EQ(Window().Text(IDC_EDIT_PRETA), "");

  // No borrower: nothing recorded, the boxes are hidden.
  session.ExpectMessageBox("Probleme lors de l'enregitrement du pret");
  Window().Type(IDC_EDIT_DATEPRET, "hier").Click(IDC_BUTTON_PRET);
  EXPECT_FALSE(Window().Visible(IDC_EDIT_PRETA));
  EXPECT_FALSE(dlg->IsModified());

  // A date that is not a date is kept as typed.
  PageDriver().ClickRow(IDC_LIST_ALBUMS, RowOf("Blake et Mortimer", "La Marque jaune"));
  session.ExpectMessageBox("Pr\xEAt Enregistr\xE9");
  Window().Type(IDC_EDIT_PRETA, "L\xE9on").SetText(IDC_EDIT_DATEPRET, "quand il pleut")
      .Click(IDC_BUTTON_PRET);
  EXPECT_TRUE(dlg->IsModified());
  EXPECT_FALSE(Window().Visible(IDC_BUTTON_PRET));
  const CAlbum& blake = *Store().GetAlbum(0);
  EXPECT_EQ(blake.GetPretA(), "L\xE9on");
  EXPECT_EQ(blake.GetDatePret(), "quand il pleut");

  // Return Marie's album: written at once, then counted once.
  session.ExpectDialog(IDD_PRETS, [](Driver& d) {
    ui::ListView* list = d.GetWindow().GetListView(IDC_LIST_PRETS);
    ASSERT_EQ(list->GetItemCount(), 2);
    EXPECT_EQ(list->GetItemText(1, 3), "Marie");
    d.ClickRow(IDC_LIST_PRETS, 1).Click(IDC_BUTTON_RENDUE).Click(ui::IDOK);
  });
  session.ExpectMessageBox("BD enregistr\xE9" "e comme rendue");
  Window().Menu(ID_OUTILS_LISTEPRETS);
  CAlbum returned = lent;
  returned.SetPretA("_");
  returned.SetDatePret("_");
  returned.SetNbPrets(1);
  CAlbum blakeLent = Album("Blake et Mortimer", "La Marque jaune", 6);
  blakeLent.SetPretA("L\xE9on");
  blakeLent.SetDatePret("quand il pleut");
  EXPECT_EQ(Database(), Lines({blakeLent, returned}));

  session.ExpectDialog(IDD_STAT_PRETS, [](Driver& d) {
    ui::ListView* list = d.GetWindow().GetListView(IDC_LIST_STATPRETS);
    ASSERT_EQ(list->GetItemCount(), 1);
    EXPECT_EQ(list->GetItemText(0, 0), "Aldebaran");
    EXPECT_EQ(list->GetItemText(0, 2), "1");
    d.Click(ui::IDOK);
  });
  Window().Menu(ID_STAT_PRETEES);
}

TEST_F(EditingTest, CoversArePickedInsideImagesRefusedOutsideAndAccentedNamesWork) {
  CAlbum asterix = Album("Ast\xE9rix", "Le Tour de Gaule", 5);
  asterix.SetPicture("images\\Ast\xE9rix.jpg");
  OpenWith({asterix, Album("Blake et Mortimer", "La Marque jaune", 6)});
  folder.WritePicture("images/Ast\xC3\xA9rix.jpg");        // named in UTF-8 on disk
  folder.WritePicture("images/Blake \xC3\xA9t\xC3\xA9.jpg");
  folder.WritePicture("images/\xE6\xBC\xAB\xE7\x94\xBB.jpg");  // no Windows-1252 name
  const std::string outside = folder.File("../quillory-outside.jpg");

  // A stored accented name opens the file on disk.
  PageDriver().ClickRow(IDC_LIST_ALBUMS, RowOf("Ast\xE9rix", "Le Tour de Gaule"));
  EXPECT_EQ(dlg->GetPicture().GetPath(), folder.File("images/Ast\xC3\xA9rix.jpg"));
  EXPECT_TRUE(dlg->IsImageShown());

  PageDriver().ClickRow(IDC_LIST_ALBUMS, RowOf("Blake et Mortimer", "La Marque jaune"));
  EXPECT_FALSE(dlg->IsImageShown());
  session.ExpectOpenFile()
      .Filter("Fichiers jpg (*.jpg)", "*.jpg")
      .InitialDir(DataPath(folder.Path(), "images\\"))
      .Choose(folder.File("images/Blake \xC3\xA9t\xC3\xA9.jpg"));
  Window().Click(IDC_PICTURE);
  const CAlbum& blake = *Store().GetAlbum(1);
  EXPECT_EQ(blake.GetPicture(), "images\\Blake \xE9t\xE9.jpg");
  EXPECT_EQ(dlg->GetPicture().GetPath(), folder.File("images/Blake \xC3\xA9t\xC3\xA9.jpg"));
  EXPECT_TRUE(dlg->IsModified());

  // A name Windows-1252 cannot hold is refused; the cover stays.
  session.ExpectMessageBox("Voulez vous changer l'image ?").Answer(ui::IDYES);
  session.ExpectOpenFile().Choose(folder.File("images/\xE6\xBC\xAB\xE7\x94\xBB.jpg"));
  session.ExpectMessageBox(CQuilloryDlg::MSG_IMAGE_NAME);
  Window().Click(IDC_PICTURE);
  EXPECT_EQ(blake.GetPicture(), "images\\Blake \xE9t\xE9.jpg");

  // No to the question changes nothing; a file outside the program folder
  // cannot be shown from a stored path: the cover is emptied.
  session.ExpectMessageBox("Voulez vous changer l'image ?").Answer(ui::IDNO);
  Window().Click(IDC_PICTURE);
  session.ExpectMessageBox("Voulez vous changer l'image ?").Answer(ui::IDYES);
  session.ExpectOpenFile().Choose(outside);
  session.ExpectMessageBox(
      "l'image doit \xEAtre dans le repertoire de Quillory et de preferences dans images.");
  Window().Click(IDC_PICTURE);
  EXPECT_EQ(blake.GetPicture(), "_");
  EXPECT_EQ(dlg->GetPicture().GetPath(), DataPath(folder.Path(), "data/AddPicture.bmp"));

  // Without a selected album.
  PageDriver().ClickRow(IDC_LIST_ALBUMS, -1);
  Window().GetWindow().GetDlgItem(IDC_PICTURE)->ShowWindow(true);
  session.ExpectMessageBox("Voulez devez selectionner une BD pour changer son image");
  Window().Click(IDC_PICTURE);
  EXPECT_FALSE(Window().Visible(IDC_PICTURE));

  Window().Menu(ID_GESTION_ENREGISTRER);
  CAlbum blakeSaved = Album("Blake et Mortimer", "La Marque jaune", 6);
  EXPECT_EQ(Database(), Lines({asterix, blakeSaved}));
}

}  // namespace
