// Start-up: the program folder from the executable's path, and the main
// window chosen by the style file.
#include "AppTestSupport.h"
#include "app/CollectionPreload.h"
#include "app/QuilloryApp.h"
#include "app/QuilloryDlg.h"
#include "collection/Album.h"
#include "collection/DataPath.h"
#include "collection/GestionBD.h"
#include "platform/headless/Driver.h"
#include "platform/headless/Session.h"
#include "resources/Resource.h"

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace {

TEST(ProgramFolder, IsThePathCutAtItsLastSeparator) {
  EXPECT_EQ(CQuilloryApp::ProgramFolder("/opt/quillory/Quillory"), "/opt/quillory");
  EXPECT_EQ(CQuilloryApp::ProgramFolder("/opt/quillory/another-name"), "/opt/quillory");
  EXPECT_EQ(CQuilloryApp::ProgramFolder("C:\\BD\\Quillory.exe"), "C:\\BD");
  EXPECT_EQ(CQuilloryApp::ProgramFolder("/Quillory"), "/");
  EXPECT_EQ(CQuilloryApp::ProgramFolder(""), "");
  EXPECT_EQ(CQuilloryApp::ProgramFolder("Quillory"), "");
}

TEST(ProgramFolder, OfTheRunningProgramHoldsIt) {
  const std::string module = CQuilloryApp::ModulePath();
  ASSERT_FALSE(module.empty());
  EXPECT_EQ(module.substr(module.rfind('/') + 1), "app_tests");
}

// Sets an environment variable for one test.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : m_name(name), m_had(std::getenv(name) != nullptr) {
    if (m_had) m_old = std::getenv(name);
    setenv(name, value, 1);
  }
  ~ScopedEnv() { m_had ? setenv(m_name, m_old.c_str(), 1) : unsetenv(m_name); }

 private:
  const char* m_name;
  bool m_had;
  std::string m_old;
};

TEST(UserDataFolder, IsXdgDataHomeOrElseBelowHome) {
  ScopedEnv home("HOME", "/home/camille");
  {
    ScopedEnv xdg("XDG_DATA_HOME", "/srv/donnees/");
    EXPECT_EQ(CQuilloryApp::UserDataFolder(), "/srv/donnees/quillory");
  }
  for (const char* ignored : {"", "donnees/relatives"}) {
    ScopedEnv xdg("XDG_DATA_HOME", ignored);
    EXPECT_EQ(CQuilloryApp::UserDataFolder(), "/home/camille/.local/share/quillory") << ignored;
  }
}

TEST(UserDataFolder, IsLaidOutForAnInstalledProgramOnlyAndKeepsTheUsersFiles) {
  TestProgramFolder scratch;  // a program folder that can be written keeps the data
  ScopedEnv xdg("XDG_DATA_HOME", scratch.File("xdg").c_str());
  EXPECT_EQ(CQuilloryApp::ChooseProgramFolder(scratch.Path()), scratch.Path());
  EXPECT_FALSE(scratch.Exists("xdg"));

  const char* const shipped[][2] = {
      {"Quillory.xsl", "<xsl export/>"}, {"quilloryNews.xsl", "<xsl news/>"}, {"AddPicture.bmp", "BM"}};
  for (auto& file : shipped) scratch.WriteFile(std::string("prefix/share/quillory/") + file[0], file[1]);
  fs::create_directories(scratch.File("prefix/bin"));
  const std::string user = scratch.File("xdg/quillory");
  EXPECT_EQ(CQuilloryApp::ChooseProgramFolder(scratch.File("prefix/bin")), user);
  for (auto& file : shipped) EXPECT_EQ(scratch.ReadFile(std::string("xdg/quillory/data/") + file[0]), file[1]);
  EXPECT_TRUE(scratch.Exists("xdg/quillory/data/quillory.db"));
  EXPECT_EQ(scratch.ReadFile("xdg/quillory/data/quillory.db"), "");
  EXPECT_TRUE(fs::is_directory(user + "/images") && fs::is_directory(user + "/ExportXml"));
  EXPECT_EQ(fs::status(user).permissions(), fs::perms::owner_all);
  EXPECT_FALSE(scratch.Exists("prefix/bin/data"));

  // Later starts: the user's own stylesheet and notes stay, a shipped file
  // deleted by hand comes back, and a collection removed is not replaced.
  scratch.WriteFile("xdg/quillory/data/Quillory.xsl", "<xsl own/>");
  scratch.WriteFile("xdg/quillory/data/BlocNote.txt", "notes");
  scratch.Remove("xdg/quillory/data/quilloryNews.xsl");
  scratch.Remove("xdg/quillory/data/quillory.db");
  EXPECT_EQ(CQuilloryApp::ChooseProgramFolder(scratch.File("prefix/bin")), user);
  EXPECT_EQ(scratch.ReadFile("xdg/quillory/data/Quillory.xsl"), "<xsl own/>");
  EXPECT_EQ(scratch.ReadFile("xdg/quillory/data/BlocNote.txt"), "notes");
  EXPECT_EQ(scratch.ReadFile("xdg/quillory/data/quilloryNews.xsl"), "<xsl news/>");
  EXPECT_FALSE(scratch.Exists("xdg/quillory/data/quillory.db"));
}

// The program folder made read-only: by its permissions, or for root (whom
// permissions do not stop) by a read-only mount of its own, in a child
// process with a mount namespace of its own. The child's exit code: 0 when
// the choice is `expected`, 1 when not, 2 when read-only could not be made.
int ChooseOnReadOnlyFolder(const std::string& folder, const std::string& expected) {
  const pid_t child = fork();
  if (child == 0) {
    if (geteuid() == 0) {
      if (unshare(CLONE_NEWNS) != 0 ||
          mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
          mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND | MS_REC, nullptr) != 0 ||
          mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
        _exit(2);
    } else if (chmod(folder.c_str(), 0555) != 0 || chmod((folder + "/data").c_str(), 0555) != 0) {
      _exit(2);
    }
    _exit(CQuilloryApp::ChooseProgramFolder(folder) == expected ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  chmod(folder.c_str(), 0755);
  chmod((folder + "/data").c_str(), 0755);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(UserDataFolder, TakesTheDataOfAReadOnlyProgramFolder) {
  TestProgramFolder folder;  // a Windows program folder on a read-only disc
  folder.WriteCollection({{"Les Voyages de Mirabelle", "La Cit\xE9 engloutie", 3}});
  folder.WriteFile("data/Quillory.xsl", "<xsl disque/>");
  TestProgramFolder scratch;
  ScopedEnv xdg("XDG_DATA_HOME", scratch.File("xdg").c_str());
  const int result = ChooseOnReadOnlyFolder(folder.Path(), scratch.File("xdg/quillory"));
  if (result == 2) GTEST_SKIP() << "no read-only folder can be made here";
  EXPECT_EQ(result, 0);
  // The shipped files come along; the collection is the user's to move.
  EXPECT_EQ(scratch.ReadFile("xdg/quillory/data/Quillory.xsl"), "<xsl disque/>");
  EXPECT_EQ(scratch.ReadFile("xdg/quillory/data/AddPicture.bmp"), folder.ReadFile("data/AddPicture.bmp"));
  EXPECT_EQ(scratch.ReadFile("xdg/quillory/data/quillory.db"), "");
}

// The demo collection scripts/run.sh lays out: it loads whole, and every
// picture it names is there (a missing one would show the placeholder).
TEST(DemoCollection, LoadsWithItsLoansAndEveryPicture) {
  CGestionBD demo;
  ASSERT_EQ(demo.Load(QUILLORY_DEMO_FOLDER), CGestionBD::LOAD_OK);
  EXPECT_EQ(demo.GetAlbumCount(), 60);
  EXPECT_EQ(std::vector<int>({demo.GetNbEuro(), demo.GetNbComic(), demo.GetNbManga()}),
            std::vector<int>({36, 12, 12}));
  int lent = 0, pictures = 0;
  for (int i = 0; i < demo.GetAlbumCount(); ++i) {
    lent += demo.GetAlbum(i)->GetPretA() != "_";
    for (const std::string& picture : {demo.GetAlbum(i)->GetPicture(), demo.GetAlbum(i)->GetPicture2()}) {
      if (picture == "_") continue;
      ++pictures;
      EXPECT_TRUE(fs::is_regular_file(DataPath(QUILLORY_DEMO_FOLDER, picture))) << picture;
    }
  }
  EXPECT_EQ(lent, 6);
  EXPECT_EQ(pictures, 8);
}

struct StyleCase {
  const char* content;  // nullptr: no style file
  int style;
};

class StyleFile : public ::testing::TestWithParam<StyleCase> {};

TEST_P(StyleFile, IsReadLikeAtoiOverNineBytes) {
  TestProgramFolder folder;
  if (GetParam().content) folder.WriteFile("data/quilloryType.cfg", GetParam().content);
  EXPECT_EQ(CQuilloryApp::ReadStyle(folder.Path()), GetParam().style);
}

INSTANTIATE_TEST_SUITE_P(Cases, StyleFile,
                         ::testing::Values(StyleCase{nullptr, 0}, StyleCase{"", 0},
                                           StyleCase{"0", 0}, StyleCase{"1", 1},
                                           StyleCase{"1\n", 1}, StyleCase{" 1", 1},
                                           StyleCase{"x1", 0}, StyleCase{"2", 2},
                                           StyleCase{"-1", -1},
                                           // only "000000001" of the ten bytes counts
                                           StyleCase{"0000000015", 1}));

// Runs the whole start-up on a program folder; returns what it wrote on
// standard error. A list-style window, when one opens, is closed at once.
std::string StartWithStyle(const TestProgramFolder& folder, bool expectListWindow,
                           std::string* caption = nullptr, int window = IDD_QUILLORY_DIALOG) {
  ui::headless::Session session;
  if (expectListWindow)
    session.ExpectDialog(window, [caption](ui::headless::Driver& d) {
      if (caption) *caption = d.GetWindow().GetWindowText();
      d.Close();
    });
  ::testing::internal::CaptureStderr();
  CQuilloryApp app;
  EXPECT_FALSE(app.InitInstance(folder.Path() + "/Quillory"));
  return ::testing::internal::GetCapturedStderr();
}

TEST(Startup, WithoutStyleFileOpensTheListWindowOnItsFolder) {
  TestProgramFolder folder;
  folder.WriteCollection({{"Blake et Mortimer", "Le Secret de l'Espadon", 1}});
  std::string caption;
  EXPECT_EQ(StartWithStyle(folder, true, &caption), "");
  EXPECT_EQ(caption, "Quillory : Gerer facilement vos BD");
}

TEST(Startup, StyleTextWithoutLeadingNumberOpensTheListWindow) {
  TestProgramFolder folder;
  folder.WriteFile("data/quilloryType.cfg", "x1");
  folder.WriteCollection({});
  EXPECT_EQ(StartWithStyle(folder, true), "");
}

TEST(Startup, StyleOneOpensTheGraphicWindow) {
  for (const char* content : {"1", "1\r\n", " 1"}) {
    TestProgramFolder folder;
    folder.WriteFile("data/quilloryType.cfg", content);
    folder.WriteCollection({{"Blake et Mortimer", "Le Secret de l'Espadon", 1}});
    std::string caption;
    EXPECT_EQ(StartWithStyle(folder, true, &caption, IDD_QUILLORY_GRAPH), "") << content;
    EXPECT_EQ(caption, "Quillory : G\xE9rer facilement vos BD");
  }
}

TEST(Startup, TheWindowTakesTheCollectionReadAtTheStartAndOnlyOnce) {
  TestProgramFolder folder;
  folder.WriteCollection({{"Akira", "Tetsuo", 2}, {"Zorro", "Masque", 3, "_", "_", "_", "_", 1}});
  CollectionPreload::Start(folder.Path());
  ui::headless::Session session;
  auto dlg = std::make_unique<CQuilloryDlg>(nullptr, 0, folder.Path());
  session.Open(*dlg);
  EXPECT_EQ(ui::headless::Driver(*dlg).Text(IDC_EDIT_NBBD), "2");
  EXPECT_EQ(dlg->GetGestion()->GetNbComic(), 1);
  // Another window reads the file as it is by then.
  folder.WriteCollection({{"Thorgal", "La Magicienne trahie", 1}});
  dlg = std::make_unique<CQuilloryDlg>(nullptr, 0, folder.Path());
  session.Open(*dlg);
  EXPECT_EQ(ui::headless::Driver(*dlg).Text(IDC_EDIT_NBBD), "1");
}

TEST(Startup, AnyOtherStyleEndsSilentlyWithoutWindow) {
  for (const char* content : {"2", "-1", "7\n"}) {
    TestProgramFolder folder;
    folder.WriteFile("data/quilloryType.cfg", content);
    EXPECT_EQ(StartWithStyle(folder, false), "") << content;
  }
}

TEST(Startup, RemovesWhatInterruptedWritesLeftAndNothingElse) {
  TestProgramFolder folder;
  folder.WriteCollection({{"Blake et Mortimer", "Le Secret de l'Espadon", 1}});
  // A program killed while writing left its temporary files beside the
  // column file, the database, the export and a copied cover.
  const char* const leftovers[] = {"data/quilloryConf.cfg.tmp~", "data/quillory.db.tmp~",
                                   "ExportXml/Quillory.xml.tmp~", "ExportXml/images/a.jpg.tmp~",
                                   "Quillory.csv.tmp~"};
  for (const char* leftover : leftovers) folder.WriteFile(leftover, "10 20 3");
  folder.WriteFile("data/mes notes.tmp", "la liste des achats");
  folder.WriteFile("data/dossier.tmp~/x", "");  // a folder of that name is not ours
  EXPECT_EQ(StartWithStyle(folder, true), "");
  for (const char* leftover : leftovers) EXPECT_FALSE(folder.Exists(leftover)) << leftover;
  EXPECT_EQ(folder.ReadFile("data/mes notes.tmp"), "la liste des achats");
  EXPECT_TRUE(folder.Exists("data/dossier.tmp~/x"));
}

}  // namespace
