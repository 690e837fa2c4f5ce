// The program itself, started on a prepared program folder and driven from
// outside as a user would (see ProgramDriver.h).
#include "ProgramDriver.h"
#include "collection/GestionBD.h"
#include "resources/Templates.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kTitle = "Quillory : Gerer facilement vos BD";

// A user's desktop: a window manager manages the display (closes, moves and
// focus go through it), as scripts/desktop-run.sh provides.
class DesktopEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    ASSERT_NE(Shell("xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null").find("window id"),
              std::string::npos)
        << "no window manager on the display: run the test through scripts/desktop-run.sh";
  }
};
::testing::Environment* const kDesktop = ::testing::AddGlobalTestEnvironment(new DesktopEnvironment);

std::vector<AlbumValues> FortyAlbums() {
  std::vector<AlbumValues> albums;
  const char* series[] = {"Blake et Mortimer", "Thorgal", "Largo Winch", "Spirou et Fantasio"};
  for (int i = 0; i < 40; ++i) albums.push_back({series[i % 4], "Album " + std::to_string(i), i / 4 + 1});
  return albums;
}

TEST(Program, SearchSelectSaveWithCtrlSAndCloseBox) {
  TestProgramFolder folder;
  InstallProgram(folder);
  // Written with bare line feeds: a save rewrites it with CR LF.
  std::string lf = TestProgramFolder::DatabaseBytes(FortyAlbums());
  for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.erase(at, 1);
  folder.WriteFile("data/quillory.db", lf);

  Program program(folder);
  const unsigned long window = program.FindWindow(kTitle);
  ASSERT_NE(window, 0u) << program.Stderr();
  const TemplateWindow main(window, kDialogQuillory);

  // The search box (459, 380, 69 x 14 in a window 401 units high), then Return.
  ClickAt(main.At(493, 387));
  TypeText("blake");
  Keys("Return");
  // A row near the top of the album list, then Ctrl+S: the page saves.
  ClickAt(main.At(120, 70));
  Keys("ctrl+s");
  const std::string saved = TestProgramFolder::DatabaseBytes(FortyAlbums());
  EXPECT_TRUE(WaitFor([&] { return folder.ReadFile("data/quillory.db") == saved; }));

  // Nothing changed since the save: the close box ends the program at once.
  CloseBox(window);
  EXPECT_EQ(program.WaitExit(), 0) << program.Stderr();
  EXPECT_EQ(folder.ReadFile("data/quillory.db"), saved);
}

TEST(Program, StyleTwoEndsWithoutWindow) {
  TestProgramFolder folder;
  InstallProgram(folder);
  folder.WriteCollection(FortyAlbums());
  folder.WriteFile("data/quilloryType.cfg", "2");
  Program program(folder);
  bool windowSeen = false;
  int code = -1;
  ASSERT_TRUE(WaitFor([&] {
    windowSeen = windowSeen || !Shell("xdotool search --onlyvisible --pid " +
                                      std::to_string(program.Pid()) + " --name Quillory 2>/dev/null")
                                    .empty();
    return !program.Running();
  }));
  code = program.WaitExit(std::chrono::seconds(1));
  EXPECT_EQ(code, 0);
  EXPECT_FALSE(windowSeen);
  // The toolkit may warn on its own (accessibility bus...); the program says nothing.
  EXPECT_EQ(program.Stderr().find("Quillory"), std::string::npos) << program.Stderr();
}

// Presses Return in the program's next message box (caption "Quillory").
bool AnswerMessageBox(Program& program) {
  const unsigned long box = program.FindWindow("Quillory", std::chrono::seconds(10));
  if (box == 0) return false;
  Keys("Return");
  return WaitFor([&] { return program.ShownWindows("Quillory").empty(); });
}

TEST(Program, GraphicStyleRecordsALoanModifiesAnAlbumAndSaves) {
  TestProgramFolder folder;
  InstallProgram(folder);
  folder.WriteCollection(FortyAlbums());
  folder.WriteFile("data/quilloryType.cfg", "1\r\n");
  Program program(folder);
  const std::string title = "Quillory : G\xC3\xA9rer facilement vos BD";  // the X title is UTF-8
  const unsigned long window = program.FindWindow(title);
  ASSERT_NE(window, 0u) << program.Stderr();
  const TemplateWindow main(window, kDialogQuilloryGraph);

  // The first series (Blake et Mortimer) is shown; its first album row sits
  // below the album list's header (the list starts 72 units down).
  ClickAt(main.At(300, 72 + 20));
  // The borrower (671, 381) and the date (671, 394), then the loan's OK (769, 381, 14 x 26).
  main.TypeInto(IDC_EDIT_PRETA, "Camille");
  main.TypeInto(IDC_EDIT_DATEPRET, "01/02/2024");
  main.Click(IDC_BUTTON_PRET);
  ASSERT_TRUE(AnswerMessageBox(program)) << "no \"Pr\xC3\xAAt Enregistr\xC3\xA9\" box";

  // Back in the album list, Ctrl+S: the window saves.
  ClickAt(main.At(300, 72 + 20));
  Keys("ctrl+s");
  CGestionBD saved;
  EXPECT_TRUE(WaitFor([&] {
    return saved.Load(folder.Path()) == CGestionBD::LOAD_OK && saved.GetAlbum(0)->GetPretA() == "Camille";
  }));
  EXPECT_EQ(saved.GetAlbum(0)->GetDatePret(), "01/02/2024");
  EXPECT_EQ(saved.GetAlbum(0)->GetTitre(), "Album 0");

  // "Modifier" (590, 337, 89 x 18) opens the entry dialog on the album,
  // with the series box focused: Tab to the title, a new title, Return.
  // (The dialog's title is matched by a pattern: a quote would end the shell word.)
  main.Click(IDC_BUTTON_MODIFIER);
  ASSERT_NE(program.FindWindow("Modification d'une BD", std::chrono::seconds(10)), 0u)
      << "no entry dialog";
  Keys("Tab ctrl+a");
  TypeText("Le Piege diabolique");
  Keys("Return");
  // Back in the album list once the dialog has gone: Ctrl+S.
  EXPECT_TRUE(WaitFor([&] {
    ClickAt(main.At(300, 72 + 20));
    Keys("ctrl+s");
    return saved.Load(folder.Path()) == CGestionBD::LOAD_OK &&
           saved.GetAlbum(0)->GetTitre() == "Le Piege diabolique";
  })) << saved.GetAlbum(0)->GetTitre();
  EXPECT_EQ(saved.GetAlbum(0)->GetSerie(), "Blake et Mortimer");
  EXPECT_EQ(saved.GetAlbum(0)->GetPretA(), "Camille");
  EXPECT_EQ(saved.GetAlbumCount(), 40);

  CloseBox(window);
  EXPECT_EQ(program.WaitExit(), 0) << program.Stderr();
}

// What `find` lists of a folder tree: every path with its size, time and mode.
std::string TreeListing(const std::string& folder) {
  return Shell("find '" + folder + "' -printf '%p %s %T@ %m\\n' | sort");
}

TEST(Program, NewUserStartsTheInstalledProgramAndSavesInTheDataFolder) {
  TestProgramFolder scratch;
  const std::string prefix = scratch.File("prefix"), home = scratch.File("home");
  ASSERT_EQ(Shell("'" QUILLORY_CMAKE "' --install '" QUILLORY_BUILD_DIR "' --prefix '" + prefix +
                  "' >/dev/null 2>&1; echo $?"), "0");
  fs::create_directories(home);
  const std::string installed = TreeListing(prefix);

  // The prefix as a system's: read-only (for root, whom permissions do not
  // stop, a read-only mount of it in a mount namespace of the program's own).
  std::vector<std::string> command = {prefix + "/bin/quillory"};
  if (geteuid() == 0 && Shell("unshare -m true 2>/dev/null; echo $?") == "0")
    command = {"unshare", "-m", "sh", "-c", "mount -o bind,ro \"$0\" \"$0\" && exec \"$1\"", prefix,
               prefix + "/bin/quillory"};
  else
    Shell("chmod -R a-w '" + prefix + "'");
  std::vector<std::string> environment =
      Program::Environment({"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"});
  environment.push_back("HOME=" + home);

  Program program(command, environment, scratch.File("stderr.txt"));
  // The window comes with an empty collection, without a word of a missing file.
  const unsigned long window = program.FindWindow(kTitle);
  ASSERT_NE(window, 0u) << program.Stderr();
  EXPECT_TRUE(program.ShownWindows("Quillory").empty()) << "a message box at the first start";
  const std::string user = home + "/.local/share/quillory";
  for (const char* shipped : {"Quillory.xsl", "quilloryNews.xsl", "AddPicture.bmp"})
    EXPECT_TRUE(fs::exists(user + "/data/" + shipped)) << shipped;

  // "Nouvelle serie", the first item of the first menu (F10 opens it); the
  // entry dialog opens on the series: series, title and volume, then Return adds.
  Keys("F10 Down Return");
  const unsigned long entry = program.FindWindow("Ajouter une BD", std::chrono::seconds(10));
  ASSERT_NE(entry, 0u) << "no entry dialog";
  ASSERT_TRUE(WaitFor([&] { return Shell("xdotool getactivewindow") == std::to_string(entry); }));
  TypeText("Les Brumes de Kerlann");
  Keys("Tab");
  TypeText("Le Chant des go\xC3\xA9lands");
  Keys("Tab");
  TypeText("4");
  Keys("Return");
  ASSERT_TRUE(WaitFor([&] { return program.ShownWindows("Ajouter une BD").empty(); }));

  // Ctrl+S: saved into the user's data folder.
  ClickAt(TemplateWindow(window, kDialogQuillory).At(120, 70));
  Keys("ctrl+s");
  CGestionBD saved;
  EXPECT_TRUE(WaitFor([&] { return saved.Load(user) == CGestionBD::LOAD_OK && saved.GetAlbumCount() == 1; }));
  ASSERT_EQ(saved.GetAlbumCount(), 1);
  EXPECT_EQ(saved.GetAlbum(0)->GetSerie(), "Les Brumes de Kerlann");
  EXPECT_EQ(saved.GetAlbum(0)->GetTitre(), "Le Chant des go\xE9lands");
  EXPECT_EQ(saved.GetAlbum(0)->GetTome(), 4);

  CloseBox(window);
  EXPECT_EQ(program.WaitExit(), 0) << program.Stderr();
  EXPECT_TRUE(fs::is_directory(user + "/images"));
  EXPECT_TRUE(fs::is_directory(user + "/ExportXml"));
  Shell("chmod -R u+w '" + prefix + "'");
  EXPECT_EQ(TreeListing(prefix), installed) << "the program wrote into its prefix";
}

}  // namespace
