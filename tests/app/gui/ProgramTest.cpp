// The program itself, started on a prepared program folder and driven from
// outside as a user would, through the X server (xdotool for the mouse and
// keys, the window manager's close request for the close box). A process of
// its own: a toolkit running in the test process could hold the pointer.
#include "../AppTestSupport.h"
#include "collection/GestionBD.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>

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
  explicit Program(const TestProgramFolder& folder) {
    const std::string exe = folder.File("Quillory");
    m_errFile = folder.File("stderr.txt");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, m_errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    char* argv[] = {const_cast<char*>(exe.c_str()), nullptr};
    EXPECT_EQ(posix_spawn(&m_pid, exe.c_str(), &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
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
    std::string ids = Shell("xdotool search --onlyvisible --pid " + std::to_string(program.Pid()) +
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
  // A row near the top of the album list, then Ctrl+S: the page saves.
  ClickAt(FromBottomLeft(g, 120, 401 - 70));
  Shell("xdotool key ctrl+s");
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
  std::istringstream in(Shell("xdotool search --onlyvisible --pid " + std::to_string(program.Pid()) +
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

  // Back in the album list, Ctrl+S: the window saves.
  ClickAt(FromBottomLeft(g, 300, int(kHeight) - 72 - 20, kWidth));
  Shell("xdotool key ctrl+s");
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
  // Back in the album list once the dialog has gone: Ctrl+S.
  EXPECT_TRUE(WaitFor([&] {
    ClickAt(FromBottomLeft(g, 300, int(kHeight) - 72 - 20, kWidth));
    Shell("xdotool key ctrl+s");
    return saved.Load(folder.Path()) == CGestionBD::LOAD_OK &&
           saved.GetAlbum(0)->GetTitre() == "Le Piege diabolique";
  })) << saved.GetAlbum(0)->GetTitre();
  EXPECT_EQ(saved.GetAlbum(0)->GetSerie(), "Blake et Mortimer");
  EXPECT_EQ(saved.GetAlbum(0)->GetPretA(), "Camille");
  EXPECT_EQ(saved.GetAlbumCount(), 40);

  CloseBox(window);
  EXPECT_EQ(program.WaitExit(), 0) << program.Stderr();
}

}  // namespace
