// The scripted backend: modal interactions happen in the order scripted, and
// anything unexpected, out of order or missing fails the test.
#include "TestWindows.h"

#include "platform/Backend.h"
#include "platform/Services.h"
#include "platform/headless/Driver.h"
#include "platform/headless/Session.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using ui::headless::Driver;
using ui::headless::Session;

namespace {

TEST(Session, MessageBoxesAreAnsweredInOrderWithTheAppNameAsCaption) {
  ui::SetAppName("Quillory");
  Session session;
  session.ExpectMessageBox("Voulez vous vraiment supprimer cette BD?")
      .Answer(ui::IDYES)
      .Type(ui::MB_YESNO)
      .Caption("Quillory");
  session.ExpectMessageBox("BD Supprim\xe9" "e");
  session.ExpectMessageBox("Erreur").Caption("CPicture Error").Type(ui::MB_OK | ui::MB_ICONSTOP);
  EXPECT_EQ(ui::MessageBox("Voulez vous vraiment supprimer cette BD?", "", ui::MB_YESNO), ui::IDYES);
  EXPECT_EQ(ui::AfxMessageBox("BD Supprim\xe9" "e"), ui::IDOK);
  EXPECT_EQ(ui::MessageBox("Erreur", "CPicture Error", ui::MB_OK | ui::MB_ICONSTOP), ui::IDOK);
  EXPECT_TRUE(session.AllMet());
  ASSERT_EQ(session.MessageBoxes().size(), 3u);
  EXPECT_EQ(session.MessageBoxes()[1].caption, "Quillory");
}

TEST(Session, UnexpectedWrongOrMissingInteractionsFail) {
  EXPECT_NONFATAL_FAILURE(
      {
        Session session;
        ui::AfxMessageBox("surprise");
      },
      "unexpected message box \"surprise\"");
  EXPECT_NONFATAL_FAILURE(
      {
        Session session;
        session.ExpectMessageBox("first");
      },
      "expected message box \"first\", which never came");
  EXPECT_NONFATAL_FAILURE(
      {
        Session session;
        session.ExpectMessageBox("first");
        ui::AfxMessageBox("second");
      },
      "expected message box \"first\" but got \"second\"");
  EXPECT_NONFATAL_FAILURE(
      {
        Session session;
        session.ExpectOpenFile().Choose("/x.jpg");
        ui::AfxMessageBox("box");
      },
      "expected open-file dialog but got message box");
  EXPECT_NONFATAL_FAILURE(
      {
        Session session;
        session.ExpectMessageBox("Sure?");
        EXPECT_EQ(ui::AfxMessageBox("Sure?", ui::MB_YESNO), ui::IDNO);
      },
      "the script must give the answer");
  EXPECT_NONFATAL_FAILURE(
      {
        Session session;
        session.ExpectMessageBox("Ok box").Answer(ui::IDYES);
        ui::AfxMessageBox("Ok box");
      },
      "not one of its buttons");
}

TEST(Session, NestedDialogRunsItsScriptAndItsOwnExpectationsComeFirst) {
  ui::SetAppName("Quillory");
  Session session;
  test::Entry entry;
  session.ExpectDialog(135, [&](Driver& d) {
    EXPECT_EQ(&d.GetWindow(), &entry);
    EXPECT_EQ(d.Text(1009), "5");  // initialised before the script runs
    session.ExpectMessageBox("inside");  // goes before "after", queued earlier
    ui::AfxMessageBox("inside");
    d.Type(1007, "Thorgal").SelectComboText(1037, "Manga").Click(ui::IDOK);
  });
  session.ExpectMessageBox("after");
  EXPECT_EQ(entry.DoModal(), ui::IDOK);
  EXPECT_EQ(entry.m_serie, "Thorgal");
  EXPECT_EQ(entry.m_type, 2);
  EXPECT_FALSE(entry.IsCreated());
  ui::AfxMessageBox("after");
}

TEST(Session, ADialogLeftOpenOrAnActionExpectationNotMetFails) {
  EXPECT_NONFATAL_FAILURE(
      {
        Session session;
        test::Entry entry;
        session.ExpectDialog(135, [](Driver&) {});
        EXPECT_EQ(entry.DoModal(), ui::IDCANCEL);
      },
      "left open by its script");
  EXPECT_NONFATAL_FAILURE(
      {
        Session session;
        test::Entry entry;
        session.ExpectDialog(135, [&](Driver& d) {
          session.ExpectMessageBox("never");
          d.Click(ui::IDCANCEL);
        });
        entry.DoModal();
      },
      "inside dialog 135, which never came");
  EXPECT_NONFATAL_FAILURE(
      {
        Session session;
        test::Entry entry;
        EXPECT_EQ(entry.DoModal(), ui::IDCANCEL);
      },
      "unexpected dialog 135 \"Ajouter une BD\"");
}

TEST(Session, FileDialogsCheckTheRequestAndReturnThePick) {
  Session session;
  session.ExpectOpenFile().Filter("Fichiers jpg (*.jpg)", "*.jpg").InitialDir("images/").Choose("/p/images/a.jpg");
  session.ExpectSaveFile().Cancel();
  session.ExpectBrowseForFile().Choose("/backup.db");
  ui::FileDialogRequest open;
  open.filters = {{"Fichiers jpg (*.jpg)", "*.jpg"}};
  open.initialDir = "images/";
  EXPECT_EQ(ui::GetOpenFileName(open), std::optional<std::string>("/p/images/a.jpg"));
  EXPECT_EQ(ui::GetSaveFileName(ui::FileDialogRequest{}), std::nullopt);
  EXPECT_EQ(ui::BrowseForFile(nullptr, "R\xe9pertoire courant"), std::optional<std::string>("/backup.db"));
}

TEST(Session, EscapeOrTheCloseButtonNeverAnswersYes) {
  Session session;
  session.ExpectMessageBox("Restorer ?").Escape();
  session.ExpectMessageBox("Continuer ?").CloseBox();
  session.ExpectMessageBox("Imprimer ?").Escape();
  session.ExpectMessageBox("Fini").CloseBox();
  EXPECT_EQ(ui::AfxMessageBox("Restorer ?", ui::MB_YESNO), ui::IDNO);
  EXPECT_EQ(ui::AfxMessageBox("Continuer ?", ui::MB_YESNO | ui::MB_ICONEXCLAMATION), ui::IDNO);
  EXPECT_EQ(ui::AfxMessageBox("Imprimer ?", ui::MB_OKCANCEL), ui::IDCANCEL);
  EXPECT_EQ(ui::AfxMessageBox("Fini"), ui::IDOK);
}

TEST(Session, FileDialogsShowTheirTitleAndTheOverwriteQuestionConcernsTheRealFile) {
  const std::string folder = ::testing::TempDir() + "quillory_session_" + std::to_string(getpid());
  ::mkdir(folder.c_str(), 0700);
  const std::string existing = folder + "/sauvegarde.db";
  std::FILE* f = std::fopen(existing.c_str(), "wb");
  ASSERT_TRUE(f);
  std::fclose(f);

  ui::FileDialogRequest save;
  save.defaultExt = "db";
  save.flags = ui::OFN_OVERWRITEPROMPT;
  {
    // The name typed without its extension names an existing file once the
    // extension is on: the question comes, No goes back to the dialog.
    Session session;
    session.ExpectSaveFile().Title("Enregistrer sous").Choose(folder + "/sauvegarde");
    session.ExpectMessageBox("sauvegarde.db existe d\xE9j\xE0.\nVoulez-vous le remplacer ?")
        .Caption("Confirmer l'enregistrement").Answer(ui::IDNO);
    session.ExpectSaveFile().Choose(folder + "/autre");
    EXPECT_EQ(ui::GetSaveFileName(save), std::optional<std::string>(folder + "/autre.db"));
  }
  {
    Session session;
    session.ExpectSaveFile().Choose(existing);
    session.ExpectMessageBox("sauvegarde.db existe d\xE9j\xE0.\nVoulez-vous le remplacer ?")
        .Answer(ui::IDYES);
    EXPECT_EQ(ui::GetSaveFileName(save), std::optional<std::string>(existing));
  }
  std::remove(existing.c_str());
  ::rmdir(folder.c_str());
  // A wrong title fails the test.
  EXPECT_NONFATAL_FAILURE(
      {
        Session session;
        session.ExpectOpenFile().Title("Choisir une image").Cancel();
        ui::GetOpenFileName(ui::FileDialogRequest{});
      },
      "title \"Ouvrir\", expected \"Choisir une image\"");
  EXPECT_NONFATAL_FAILURE(
      {
        Session session;
        session.ExpectBrowseForFile().Cancel();
        ui::BrowseForFile(nullptr, "");
      },
      "shown without a title");
}

TEST(Session, ContextMenuCommandGoesToItsOwner) {
  Session session;
  test::Log log;
  test::MainWnd main(log);
  session.Open(main);
  int chosen = 0;
  main.MapCommand(32779, [&] { chosen = 32779; });
  session.ExpectContextMenu(143).Command(32779);
  session.ExpectContextMenu(143);  // dismissed
  ui::Menu menu(test::kContext);
  EXPECT_EQ(ui::TrackPopupMenu(*menu.GetSubMenu(0), main), 32779);
  EXPECT_EQ(chosen, 32779);
  EXPECT_EQ(ui::TrackPopupMenu(*menu.GetSubMenu(0), main), 0);
  session.ExpectContextMenu(143).Command(32781);
  EXPECT_NONFATAL_FAILURE(ui::TrackPopupMenu(*menu.GetSubMenu(0), main), "is greyed");
}

TEST(Session, PrintingRecordsPagesAndRefusesWhatAPrinterWouldNot) {
  Session session;
  session.ExpectPrint().Printer(300, ui::Size{2480, 3508});
  session.ExpectPrint().Cancel();
  bool drawn = false;
  EXPECT_TRUE(ui::PrintDocument(nullptr, "Ma liste de BD", [&](ui::PrinterSurface& printer) {
    EXPECT_EQ(printer.GetDeviceCaps(ui::DeviceCap::LogPixelsY), 300);
    printer.StartPage();
    printer.TextOut(10, 20, "Liste des BD de ma bibliotheque");
    printer.EndPage();
  }));
  EXPECT_FALSE(ui::PrintDocument(nullptr, "Ma liste de BD", [&](ui::PrinterSurface&) { drawn = true; }));
  EXPECT_FALSE(drawn);
  ASSERT_EQ(session.Printers().size(), 1u);
  EXPECT_EQ(session.Printers()[0]->Texts(), std::vector<std::string>{"Liste des BD de ma bibliotheque"});
  EXPECT_EQ(session.Printers()[0]->PageCount(), 1);
  EXPECT_EQ(session.Printers()[0]->Ops().front().text, "Ma liste de BD");

  // Each of these would lose or cut a line on paper.
  auto print = [&](std::function<void(ui::PrinterSurface&)> draw) {
    session.ExpectPrint();
    ui::PrintDocument(nullptr, "Ma liste de BD", draw);
  };
  EXPECT_NONFATAL_FAILURE(print([](ui::PrinterSurface& p) {
    p.TextOut(10, 20, "avant la page");
    p.StartPage();
    p.EndPage();
  }), "outside a page");
  EXPECT_NONFATAL_FAILURE(print([](ui::PrinterSurface& p) {
    p.StartPage();
    p.StartPage();
    p.EndPage();
  }), "was begun while page 1 was open");
  EXPECT_NONFATAL_FAILURE(print([](ui::PrinterSurface& p) { p.StartPage(); }), "left open");
  EXPECT_NONFATAL_FAILURE(print([](ui::PrinterSurface& p) {
    p.StartPage();
    p.TextOut(10, 7010, "en bas");
    p.EndPage();
  }), "runs off the bottom of page 1");
}

TEST(Session, RecordsUrlsAndWaitCursorAndRestoresThePreviousBackend) {
  Session outer;
  {
    Session inner;
    {
      ui::WaitCursor wait;
      EXPECT_EQ(inner.WaitCursorDepth(), 1);
    }
    EXPECT_EQ(inner.WaitCursorDepth(), 0);
    EXPECT_EQ(inner.WaitCursorShownCount(), 1);
    ui::OpenUrl("http://example.org/forums_BD/index.php?app=ccs");
    EXPECT_EQ(inner.OpenedUrls().size(), 1u);
  }
  EXPECT_EQ(&ui::CurrentBackend(), &outer);
  EXPECT_TRUE(outer.OpenedUrls().empty());
}

}  // namespace
