// The notepad's file and the About boxes.
#include "../app/AppTestSupport.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/AboutDlg2.h"
#include "dialogs/QuilloryBlocNote.h"
#include "platform/Static.h"
#include "platform/headless/Driver.h"
#include "platform/headless/Session.h"
#include "resources/Templates.h"

#include <gtest/gtest.h>

#include <filesystem>

using ui::headless::Driver;
using ui::headless::Session;

namespace {

TEST(BlocNote, ThreeLinesAreStoredWithCrCrLfAndComeBackTheSame) {
  TestProgramFolder folder;
  Session session;
  {
    CQuilloryBlocNote dlg(nullptr, folder.Path());
    session.Open(dlg);
    Driver d(dlg);
    EXPECT_EQ(d.Text(IDC_EDIT_BLOCNOTE), "");  // no file yet
    d.Type(IDC_EDIT_BLOCNOTE, "Acheter Thorgal 34\nPr\xEAter Maus \xE0 Jo\nFin").Click(ui::IDOK);
    EXPECT_TRUE(dlg.IsEnded());
  }
  EXPECT_EQ(folder.ReadFile("data/BlocNote.txt"), "Acheter Thorgal 34\r\r\nPr\xEAter Maus \xE0 Jo\r\r\nFin");
  {
    CQuilloryBlocNote dlg(nullptr, folder.Path());
    session.Open(dlg);
    Driver d(dlg);
    EXPECT_EQ(d.Text(IDC_EDIT_BLOCNOTE), "Acheter Thorgal 34\r\nPr\xEAter Maus \xE0 Jo\r\nFin");
    d.Type(IDC_EDIT_BLOCNOTE, "\nperdu").Click(ui::IDCANCEL);  // Cancel writes nothing
    EXPECT_TRUE(dlg.IsEnded());
  }
  EXPECT_EQ(folder.ReadFile("data/BlocNote.txt"), "Acheter Thorgal 34\r\r\nPr\xEAter Maus \xE0 Jo\r\r\nFin");
}

TEST(BlocNote, EveryNoteComesBackAsItWasWritten) {
  TestProgramFolder folder;
  Session session;
  std::string big;
  for (int line = 0; big.size() < 100000; ++line) big += "ligne " + std::to_string(line) + "\r\r\n";
  // Opened and closed with OK, a note is written back byte for byte: the
  // shortest ones, lines kept as CR CR LF, a last line without line end.
  for (const std::string& note : {std::string(), std::string("x"), std::string("ab"),
                                  std::string("abc"), std::string("a\r\r\nb\r\r\n"),
                                  std::string("Deux lignes\r\r\nsans fin"), big}) {
    folder.WriteFile("data/BlocNote.txt", note);
    CQuilloryBlocNote dlg(nullptr, folder.Path());
    session.Open(dlg);
    Driver(dlg).Click(ui::IDOK);
    EXPECT_EQ(folder.ReadFile("data/BlocNote.txt"), note) << note.size() << " bytes";
  }
  // The box cannot hold a NUL byte: it shows as a space, and what follows it stays.
  folder.WriteFile("data/BlocNote.txt", std::string("avant\0apr\xE8s", 11));
  CQuilloryBlocNote dlg(nullptr, folder.Path());
  session.Open(dlg);
  EXPECT_EQ(Driver(dlg).Text(IDC_EDIT_BLOCNOTE), "avant apr\xE8s");
  Driver(dlg).Click(ui::IDOK);
  EXPECT_EQ(folder.ReadFile("data/BlocNote.txt"), "avant apr\xE8s");
}

TEST(BlocNote, ANoteThatCannotBeWrittenIsReportedAndTheDialogStaysOpen) {
  TestProgramFolder folder;
  folder.Remove("data/AddPicture.bmp");
  std::filesystem::remove(folder.File("data"));
  folder.WriteFile("data", "a file where the folder should be");
  Session session;
  CQuilloryBlocNote dlg(nullptr, folder.Path());
  session.Open(dlg);
  Driver d(dlg);
  d.Type(IDC_EDIT_BLOCNOTE, "Ma note");
  session.ExpectMessageBox("Impossible d'enregistrer le bloc note dans le fichier " +
                           folder.Path() + "/data/BlocNote.txt");
  d.Click(ui::IDOK);
  EXPECT_FALSE(dlg.IsEnded());
  EXPECT_EQ(d.Text(IDC_EDIT_BLOCNOTE), "Ma note");
}

TEST(About, BothBoxesShowTheProgramIconNameAndVersion) {
  Session session;
  CAboutDlg about(nullptr);
  session.Open(about);
  EXPECT_EQ(about.GetWindowText(), "A propos de Quillory");
  EXPECT_EQ(about.GetStatic(IDC_ABOUT_ICON)->GetIcon(), &ApplicationIcon());
  EXPECT_TRUE(about.GetStatic(IDC_ABOUT_ICON)->HasStyle(ui::Style::Icon));
  EXPECT_EQ(Driver(about).Text(IDC_ABOUT_VERSION), "Quillory Version 4.0");
  Driver(about).PressKey(ui::VK_RETURN);
  EXPECT_TRUE(about.IsEnded());

  CAboutDlg2 about2(nullptr);
  session.Open(about2);
  EXPECT_EQ(about2.GetStatic(IDC_ABOUT_ICON)->GetIcon(), &ApplicationIcon());
  EXPECT_EQ(Driver(about2).Text(IDC_ABOUT_VERSION), "Quillory Version 6.0");
  Driver(about2).Click(ui::IDOK);
  EXPECT_TRUE(about2.IsEnded());
}

}  // namespace
