// The statistics, series, comics, notepad and About dialogs and the printed
// list, opened from the list-style main window on the real toolkit.
#include "../AppTestSupport.h"
#include "app/QuilloryApp.h"
#include "app/QuilloryDlg.h"
#include "app/QuilloryDlgtypeGraph.h"
#include "dialogs/QuilloryComicLinkDlg.h"
#include "dialogs/QuilloryListSimple.h"
#include "platform/ListView.h"
#include "platform/Static.h"
#include "platform/TabCtrl.h"
#include "platform/wx/UiDriver.h"
#include "resources/Resource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <unistd.h>

using ui::wxb::UiDriver;

namespace {

// Runs step inside the dialog the command opens; true once it came.
bool InDialog(ui::Window& main, int command, std::function<void(ui::Window&)> step) {
  auto done = std::make_shared<bool>(false);
  UiDriver::WhenShown([step, done](ui::Window& w) {
    step(w);
    *done = true;
  });
  UiDriver::ChooseMenu(main, command);
  return UiDriver::WaitUntil([done] { return *done; }, 10000);
}

// The user presses Print in the print dialog once it is up (the button is
// greyed until the printer list is filled).
void PressPrintWhenTheDialogIsUp() {
  std::system("(for i in $(seq 1 150); do "
              "w=$(xdotool search --onlyvisible --name '^(Print|Imprimer)$' 2>/dev/null | head -1); "
              "if [ -n \"$w\" ]; then xdotool windowfocus $w key --window $w Return 2>/dev/null; "
              "elif [ $i -gt 50 ]; then exit 0; fi; sleep 0.1; done) &");
}

// The folder the prints of this process go into. The print dialog offers
// again the file chosen last, so every print of the run writes there.
class PrintFolder {
 public:
  PrintFolder() : m_path(std::filesystem::temp_directory_path() /
                         ("quillory_print_" + std::to_string(getpid()))) {
    std::filesystem::create_directories(m_path);
  }
  ~PrintFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  // Becomes the working folder, without a PDF file in it.
  void Enter() {
    for (const auto& entry : std::filesystem::directory_iterator(m_path))
      std::filesystem::remove(entry.path());
    m_old = std::filesystem::current_path();
    std::filesystem::current_path(m_path);
  }
  void Leave() { std::filesystem::current_path(m_old); }
  // The PDF file written, or an empty text.
  std::string Pdf() const {
    for (const auto& entry : std::filesystem::directory_iterator(m_path))
      if (entry.path().extension() == ".pdf") return entry.path().string();
    return std::string();
  }

 private:
  std::filesystem::path m_path, m_old;
};
PrintFolder g_prints;

std::string Output(const std::string& command) {
  std::string out;
  if (FILE* p = popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, p)) > 0) out.append(buffer, n);
    pclose(p);
  }
  return out;
}

TEST(SecondaryDialogsGui, EveryStatisticsAndToolsItemOpensItsDialog) {
  TestProgramFolder folder;
  AlbumValues watchmen{"Watchmen", "Minuit moins douze", 1};
  watchmen.type = 1;
  watchmen.editeur = "Urban";
  folder.WriteCollection({{"Blake et Mortimer", "La Marque jaune", 6}, watchmen});

  bool scriptDone = false;
  UiDriver::WhenShown([&](ui::Window& window) {
    auto& dlg = dynamic_cast<CQuilloryDlg&>(window);
    EXPECT_TRUE(InDialog(dlg, ID_STAT_GENERALES, [](ui::Window& w) {
      EXPECT_EQ(w.GetWindowText(), "Statistiques g\xE9n\xE9rales");
      EXPECT_EQ(UiDriver::NativeText(*w.GetDlgItem(IDC_STAT_TOTAL)), "2");
      EXPECT_EQ(UiDriver::NativeText(*w.GetDlgItem(IDC_STAT_COMICS)), "1");
      UiDriver::Click(*w.GetDlgItem(ui::IDOK));
    }));
    EXPECT_TRUE(InDialog(dlg, ID_STAT_EDITEURS, [](ui::Window& w) {
      ui::ListView& list = *w.GetListView(IDC_LIST_STATEDITEURS);
      EXPECT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeRowCount(list) == 2; }));
      EXPECT_EQ(UiDriver::NativeCell(list, 1, 0), "Urban");
      UiDriver::CloseWindow(w);
    }));
    EXPECT_TRUE(InDialog(dlg, ID_STAT_ACHAT, [](ui::Window& w) {
      EXPECT_EQ(UiDriver::NativeRowCount(*w.GetListView(IDC_LIST_ACHAT)), 12);
      UiDriver::Click(*w.GetDlgItem(ui::IDOK));
    }));
    EXPECT_TRUE(InDialog(dlg, ID_STAT_ASUIVRE, [](ui::Window& w) {
      ui::ListView& list = *w.GetListView(IDC_LIST_ASUIVRE);
      EXPECT_EQ(UiDriver::NativeRowCount(list), 2);
      EXPECT_EQ(UiDriver::NativeCell(list, 0, 1), "7");
      UiDriver::Click(*w.GetDlgItem(ui::IDOK));
    }));
    EXPECT_TRUE(InDialog(dlg, ID_STAT_HISTORIQUECOMICS, [](ui::Window& w) {
      auto& comics = dynamic_cast<CQuilloryComicLinkDlg&>(w);
      EXPECT_EQ(comics.GetTabCtrl(IDC_TAB_COMICS)->GetItemCount(), 1);
      ui::ListView& list = *comics.GetTab().GetPage(0)->GetListView(IDC_LIST_COMICS);
      EXPECT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeRowCount(list) == 13; }));
      EXPECT_EQ(UiDriver::NativeCell(list, 1, 1), "Watchmen");  // bought in January 1970
      EXPECT_TRUE(UiDriver::NativeWindowShown(*comics.GetTab().GetPage(0)));
      UiDriver::ClickRow(list, 0);
      UiDriver::Click(*w.GetDlgItem(ui::IDOK));
    }));
    EXPECT_TRUE(InDialog(dlg, ID_OUTILS_BLOCNOTE, [](ui::Window& w) {
      UiDriver::Type(*w.GetDlgItem(IDC_EDIT_BLOCNOTE), "Thorgal");
      UiDriver::Key(ui::VK_RETURN);
      UiDriver::Type(*w.GetDlgItem(IDC_EDIT_BLOCNOTE), "Maus");
      UiDriver::Click(*w.GetDlgItem(ui::IDOK));
    }));
    EXPECT_TRUE(InDialog(dlg, ID_APROPOS, [](ui::Window& w) {
      EXPECT_EQ(w.GetWindowText(), "A propos de Quillory");
      EXPECT_EQ(UiDriver::NativeText(*w.GetDlgItem(IDC_ABOUT_VERSION)), "Quillory Version 4.0");
      EXPECT_TRUE(w.GetStatic(IDC_ABOUT_ICON)->GetIcon());
      UiDriver::Click(*w.GetDlgItem(ui::IDOK));
    }));
    EXPECT_TRUE(dlg.GetIcon());
    UiDriver::CloseWindow(dlg);
    scriptDone = true;
  });
  CQuilloryApp app;
  app.InitInstance(folder.Path() + "/Quillory");
  EXPECT_TRUE(scriptDone);
  // Typed at the end of the text, with Return between: the file's line end is CR CR LF.
  const std::string note = folder.ReadFile("data/BlocNote.txt");
  EXPECT_NE(note.find("Thorgal\r\r\n"), std::string::npos) << note;
  EXPECT_NE(note.find("Maus"), std::string::npos) << note;
}

TEST(SecondaryDialogsGui, PrintsTheListIntoAPdfFileThroughThePrintDialog) {
  TestProgramFolder folder;
  AlbumValues marque{"Blake et Mortimer", "La Marque jaune", 6};
  marque.commentaire = "Edition originale";
  folder.WriteCollection({marque, {"Akira", "Tetsuo", 2}});
  // "Print to File" writes into the working folder a file named in the
  // user's language ("sortie.pdf" in French).
  g_prints.Enter();

  PressPrintWhenTheDialogIsUp();

  bool scriptDone = false;
  UiDriver::WhenShown([&](ui::Window& window) {
    UiDriver::ChooseMenu(window, ID_GESTION_IMPRIMER);
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return !g_prints.Pdf().empty(); }, 30000));
    UiDriver::CloseWindow(window);
    scriptDone = true;
  });
  CQuilloryApp app;
  app.InitInstance(folder.Path() + "/Quillory");
  g_prints.Leave();
  EXPECT_TRUE(scriptDone);

  const std::string pdf = g_prints.Pdf();
  ASSERT_FALSE(pdf.empty());
  const std::string text = Output("pdftotext -layout '" + pdf + "' - 2>&1");
  EXPECT_NE(text.find("Liste des BD de ma bibliotheque"), std::string::npos) << text;
  EXPECT_NE(text.find("Blake et Mortimer"), std::string::npos) << text;
  EXPECT_NE(text.find("6 - La Marque jaune :"), std::string::npos) << text;
  EXPECT_NE(text.find("Edition originale"), std::string::npos) << text;
  EXPECT_NE(text.find("2 - Tetsuo :"), std::string::npos) << text;
}

TEST(SecondaryDialogsGui, GraphicWindowPrintsItsSeriesAndShowsItsAboutBox) {
  TestProgramFolder folder;
  folder.WriteCollection({{"Thorgal", "La Magicienne trahie", 1}, {"Akira", "Tetsuo", 2}});
  g_prints.Enter();
  bool scriptDone = false;
  CQuilloryDlgtypeGraph dlg(nullptr, 1, folder.Path());
  UiDriver::WhenShown([&](ui::Window&) {
    EXPECT_TRUE(dlg.GetIcon());
    EXPECT_TRUE(InDialog(dlg, ID_APROPOS, [](ui::Window& w) {
      EXPECT_EQ(UiDriver::NativeText(*w.GetDlgItem(IDC_ABOUT_VERSION)), "Quillory Version 6.0");
      UiDriver::Click(*w.GetDlgItem(ui::IDOK));
    }));
    PressPrintWhenTheDialogIsUp();
    UiDriver::ChooseMenu(dlg, ID_GESTION_IMPRIMER);
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return !g_prints.Pdf().empty(); }, 30000));
    dlg.EndDialog(ui::IDCANCEL);
    scriptDone = true;
  });
  dlg.DoModal();
  g_prints.Leave();
  EXPECT_TRUE(scriptDone);
  const std::string pdf = g_prints.Pdf();
  ASSERT_FALSE(pdf.empty());
  const std::string text = Output("pdftotext -layout '" + pdf + "' - 2>&1");
  EXPECT_NE(text.find("Thorgal"), std::string::npos) << text;
  EXPECT_NE(text.find("1 - La Magicienne trahie :"), std::string::npos) << text;
  EXPECT_NE(text.find("2 - Tetsuo :"), std::string::npos) << text;
}

}  // namespace
