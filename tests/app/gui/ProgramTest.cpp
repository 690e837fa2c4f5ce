// The program itself, started on a prepared program folder and driven from
// outside as a user would, through the X server (xdotool for the mouse and
// keys, the window manager's close request for the close box). A process of
// its own: a toolkit running in the test process could hold the pointer.
#include "../AppTestSupport.h"
#include "collection/Album.h"
#include "collection/GestionBD.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

const char* const kTitle = "Quillory : Gerer facilement vos BD";
// Polling faster than this has made the toolkit's start-up fail now and then.
constexpr auto kPoll = std::chrono::milliseconds(100);

std::string Shell(const std::string& command) {
  std::string out;
  if (FILE* p = popen(command.c_str(), "r")) {
    char buf[256];
    while (std::fgets(buf, sizeof buf, p)) out += buf;
    pclose(p);
  }
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

// A copy of the program (executable and library) in a test program folder,
// so that the folder of the executable is the test's.
void InstallProgram(const TestProgramFolder& folder) {
  const fs::path program(QUILLORY_PROGRAM_EXE);
  fs::copy_file(program, folder.File("Quillory"));
  for (const auto& entry : fs::directory_iterator(program.parent_path()))
    if (entry.path().filename().string().rfind("libTessaly.so", 0) == 0)
      fs::copy(entry.path(), folder.File(entry.path().filename().string()),
               fs::copy_options::copy_symlinks);
}

class Program {
 public:
  explicit Program(const TestProgramFolder& folder)
      : Program({folder.File("Quillory")}, Environment(), folder.File("stderr.txt")) {}
  // The command (searched for in PATH) with that environment; its standard
  // error goes to `errFile`.
  Program(const std::vector<std::string>& command, const std::vector<std::string>& environment,
          const std::string& errFile)
      : m_errFile(errFile) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, m_errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv, envp;
    for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
    for (const std::string& var : environment) envp.push_back(const_cast<char*>(var.c_str()));
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    EXPECT_EQ(posix_spawnp(&m_pid, argv[0], &actions, nullptr, argv.data(), envp.data()), 0);
    posix_spawn_file_actions_destroy(&actions);
  }
  // This process's environment, without the variables named.
  static std::vector<std::string> Environment(const std::vector<std::string>& without = {}) {
    std::vector<std::string> vars;
    for (char** var = environ; *var; ++var) {
      const std::string text = *var;
      const std::string name = text.substr(0, text.find('='));
      if (std::find(without.begin(), without.end(), name) == without.end()) vars.push_back(text);
    }
    return vars;
  }
  ~Program() {
    if (m_pid > 0 && !m_exited) {
      kill(m_pid, SIGKILL);
      waitpid(m_pid, nullptr, 0);
    }
  }
  // Waits for the process to end; its exit code, or -1 after the timeout.
  int WaitExit(std::chrono::seconds timeout = std::chrono::seconds(15)) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (Running() && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(kPoll);
    return m_exited ? m_exitCode : -1;
  }
  bool Running() {
    int status = 0;
    if (!m_exited && waitpid(m_pid, &status, WNOHANG) == m_pid) {
      m_exited = true;
      m_exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return !m_exited;
  }
  std::string Stderr() const {
    std::ifstream in(m_errFile);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  pid_t Pid() const { return m_pid; }

 private:
  pid_t m_pid = -1;
  bool m_exited = false;
  int m_exitCode = -1;
  std::string m_errFile;
};

// The program's window with that title, polled for; 0 when none came.
unsigned long FindWindow(Program& program, std::chrono::seconds timeout = std::chrono::seconds(20),
                         const std::string& title = kTitle) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < end && program.Running()) {
    // --all: the program's window AND that title (xdotool takes either by default).
    std::string ids = Shell("xdotool search --all --onlyvisible --pid " + std::to_string(program.Pid()) +
                          " --name '^" + title + "$' 2>/dev/null");
    if (!ids.empty()) return std::stoul(ids.substr(0, ids.find('\n')));
    std::this_thread::sleep_for(kPoll);
  }
  return 0;
}

struct Geometry { int x = 0, y = 0, width = 0, height = 0; };

// The window's place on the screen, asked of the X server: a window manager
// puts the window in a frame of its own, whose offset xdotool's geometry can
// count twice.
Geometry WindowGeometry(unsigned long window) {
  Geometry g;
  Display* display = XOpenDisplay(nullptr);
  if (!display) return g;
  XWindowAttributes attributes{};
  ::Window child = 0;
  if (XGetWindowAttributes(display, window, &attributes) &&
      XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &g.x, &g.y, &child)) {
    g.width = attributes.width;
    g.height = attributes.height;
  }
  XCloseDisplay(display);
  return g;
}

// The close box: the window manager's close request to the window.
void CloseBox(unsigned long window) {
  Display* display = XOpenDisplay(nullptr);
  ASSERT_NE(display, nullptr);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
  XCloseDisplay(display);
}

// Screen place of a point of the main window given in dialog units from the
// client area's left and bottom edges (below the menu bar). The window's
// width in units (709 for the list style) gives the pixels of a horizontal
// unit exactly; the dialog font makes a vertical unit as many pixels.
std::pair<int, int> FromBottomLeft(const Geometry& g, int xUnits, int unitsAboveBottom,
                                   double widthUnits = 709.0) {
  const double unitX = g.width / widthUnits;
  const double unitY = unitX;
  return {g.x + int(std::lround(xUnits * unitX)), g.y + g.height - int(std::lround(unitsAboveBottom * unitY))};
}

void ClickAt(std::pair<int, int> p) {
  Shell("xdotool mousemove --sync " + std::to_string(p.first) + " " + std::to_string(p.second) +
      " click 1");
}

bool WaitFor(const std::function<bool()>& cond, std::chrono::seconds timeout = std::chrono::seconds(10)) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < end) {
    if (cond()) return true;
    std::this_thread::sleep_for(kPoll);
  }
  return cond();
}

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
  const unsigned long window = FindWindow(program);
  ASSERT_NE(window, 0u) << program.Stderr();
  EXPECT_EQ(Shell("xdotool getwindowname " + std::to_string(window)), kTitle);
  const Geometry g = WindowGeometry(window);

  // The search box (459, 380, 69 x 14 in a window 401 units high), then Return.
  ClickAt(FromBottomLeft(g, 493, 401 - 387));
  Shell("xdotool type --delay 60 blake");
  Shell("xdotool key Return");
  // A row near the top of the album list, then Ctrl, released, and S: the page saves.
  ClickAt(FromBottomLeft(g, 120, 401 - 70));
  Shell("xdotool key ctrl");
  Shell("xdotool key s");
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

// The program's windows shown now whose title matches the pattern.
std::vector<unsigned long> ShownWindows(Program& program, const std::string& title) {
  std::vector<unsigned long> ids;
  std::istringstream in(Shell("xdotool search --all --onlyvisible --pid " + std::to_string(program.Pid()) +
                              " --name '^" + title + "$' 2>/dev/null"));
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) ids.push_back(std::stoul(line));
  return ids;
}

bool WindowShown(Program& program, const std::string& title) {
  return !ShownWindows(program, title).empty();
}

// Presses Return in the program's next message box (caption "Quillory"; the
// main window answers to that name too and is left out).
bool AnswerMessageBox(Program& program, unsigned long mainWindow) {
  unsigned long box = 0;
  WaitFor([&] {
    for (unsigned long id : ShownWindows(program, "Quillory"))
      if (id != mainWindow) box = id;
    return box != 0;
  });
  if (box == 0) return false;
  Shell("xdotool key Return");
  return WaitFor([&] {
    for (unsigned long id : ShownWindows(program, "Quillory"))
      if (id == box) return false;
    return true;
  });
}

TEST(Program, GraphicStyleRecordsALoanModifiesAnAlbumAndSaves) {
  TestProgramFolder folder;
  InstallProgram(folder);
  folder.WriteCollection(FortyAlbums());
  folder.WriteFile("data/quilloryType.cfg", "1\r\n");
  Program program(folder);
  const std::string title = "Quillory : G\xC3\xA9rer facilement vos BD";  // the X title is UTF-8
  const unsigned long window = FindWindow(program, std::chrono::seconds(20), title);
  ASSERT_NE(window, 0u) << program.Stderr();
  const Geometry g = WindowGeometry(window);
  constexpr double kWidth = 792.0, kHeight = 416.0;

  // The first series (Blake et Mortimer) is shown; its first album row sits
  // below the album list's header (the list starts 72 units down).
  ClickAt(FromBottomLeft(g, 300, int(kHeight) - 72 - 20, kWidth));
  // The borrower (671, 381) and the date (671, 394), then the loan's OK (769, 381, 14 x 26).
  ClickAt(FromBottomLeft(g, 700, int(kHeight) - 387, kWidth));
  Shell("xdotool type --delay 60 Camille");
  ClickAt(FromBottomLeft(g, 700, int(kHeight) - 400, kWidth));
  Shell("xdotool type --delay 60 01/02/2024");
  ClickAt(FromBottomLeft(g, 776, int(kHeight) - 394, kWidth));
  ASSERT_TRUE(AnswerMessageBox(program, window)) << "no \"Pr\xC3\xAAt Enregistr\xC3\xA9\" box";

  // Back in the album list, Ctrl, released, then S: the window saves.
  ClickAt(FromBottomLeft(g, 300, int(kHeight) - 72 - 20, kWidth));
  Shell("xdotool key ctrl");
  Shell("xdotool key s");
  CGestionBD saved;
  EXPECT_TRUE(WaitFor([&] {
    return saved.Load(folder.Path()) == CGestionBD::LOAD_OK && saved.GetAlbum(0)->GetPretA() == "Camille";
  }));
  EXPECT_EQ(saved.GetAlbum(0)->GetDatePret(), "01/02/2024");
  EXPECT_EQ(saved.GetAlbum(0)->GetTitre(), "Album 0");

  // "Modifier" (590, 337, 89 x 18) opens the entry dialog on the album,
  // with the series box focused: Tab to the title, a new title, Return.
  // (The dialog's title is matched by a pattern: a quote would end the shell word.)
  ClickAt(FromBottomLeft(g, 634, int(kHeight) - 346, kWidth));
  ASSERT_NE(FindWindow(program, std::chrono::seconds(10), "Modification d.une BD"), 0u)
      << "no entry dialog";
  Shell("xdotool key Tab ctrl+a");
  Shell("xdotool type --delay 60 'Le Piege diabolique'");
  Shell("xdotool key Return");
  // Back in the album list once the dialog has gone: Ctrl, then S.
  EXPECT_TRUE(WaitFor([&] {
    ClickAt(FromBottomLeft(g, 300, int(kHeight) - 72 - 20, kWidth));
    Shell("xdotool key ctrl");
    Shell("xdotool key s");
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
  const unsigned long window = FindWindow(program);
  ASSERT_NE(window, 0u) << program.Stderr();
  for (unsigned long shown : ShownWindows(program, "Quillory"))
    EXPECT_EQ(shown, window) << "a message box at the first start";
  const std::string user = home + "/.local/share/quillory";
  for (const char* shipped : {"Quillory.xsl", "quilloryNews.xsl", "AddPicture.bmp"})
    EXPECT_TRUE(fs::exists(user + "/data/" + shipped)) << shipped;

  // "Nouvelle serie", the first item of the first menu (F10 opens it); the
  // entry dialog opens on the series: series, title and volume, then Return adds.
  Shell("xdotool key F10");
  Shell("xdotool key Down");
  Shell("xdotool key Return");
  const unsigned long entry = FindWindow(program, std::chrono::seconds(10), "Ajouter une BD");
  ASSERT_NE(entry, 0u) << "no entry dialog";
  ASSERT_TRUE(WaitFor([&] { return Shell("xdotool getactivewindow") == std::to_string(entry); }));
  Shell("xdotool type --delay 60 'Les Brumes de Kerlann'");
  Shell("xdotool key Tab");
  Shell("xdotool type --delay 60 'Le Chant des go\xC3\xA9lands'");
  Shell("xdotool key Tab");
  Shell("xdotool type --delay 60 4");
  Shell("xdotool key Return");
  ASSERT_TRUE(WaitFor([&] { return !WindowShown(program, "Ajouter une BD"); }));

  // Ctrl, then S: saved into the user's data folder.
  ClickAt(FromBottomLeft(WindowGeometry(window), 120, 401 - 70));
  Shell("xdotool key ctrl");
  Shell("xdotool key s");
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
