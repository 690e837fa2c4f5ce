#include "ProgramDriver.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {
constexpr auto kPoll = std::chrono::milliseconds(100);

// The program's windows come and go while the test asks about them: a window
// gone in between is an answer, not an error that ends the test program.
Display* OpenDisplay() {
  static const bool quiet = [] {
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    return true;
  }();
  (void)quiet;
  return XOpenDisplay(nullptr);
}

std::string Quoted(const std::string& text) {
  std::string q = "'";
  for (char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}
}  // namespace

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

bool WaitFor(const std::function<bool()>& cond, std::chrono::seconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < end) {
    if (cond()) return true;
    std::this_thread::sleep_for(kPoll);
  }
  return cond();
}

std::string XTitle(const std::string& text1252) {
  // 0x80 to 0x9F are Windows-1252's own; the rest is Latin-1.
  static const unsigned kHigh[32] = {
      0x20AC, 0x81, 0x201A, 0x192, 0x201E, 0x2026, 0x2020, 0x2021, 0x2C6, 0x2030, 0x160,
      0x2039, 0x152, 0x8D, 0x17D, 0x8F, 0x90, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x2DC, 0x2122, 0x161, 0x203A, 0x153, 0x9D, 0x17E, 0x178};
  std::string utf8;
  for (unsigned char c : text1252) {
    unsigned u = c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : c;
    if (u < 0x80) {
      utf8 += char(u);
    } else if (u < 0x800) {
      utf8 += char(0xC0 | (u >> 6));
      utf8 += char(0x80 | (u & 0x3F));
    } else {
      utf8 += char(0xE0 | (u >> 12));
      utf8 += char(0x80 | ((u >> 6) & 0x3F));
      utf8 += char(0x80 | (u & 0x3F));
    }
  }
  return utf8;
}

void InstallProgram(const TestProgramFolder& folder) {
  const fs::path program(QUILLORY_PROGRAM_EXE);
  fs::copy_file(program, folder.File("Quillory"));
  for (const auto& entry : fs::directory_iterator(program.parent_path())) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("libTessaly.so", 0) == 0 || name.rfind("libQuillory", 0) == 0)
      fs::copy(entry.path(), folder.File(name), fs::copy_options::copy_symlinks);
  }
}

Program::Program(const TestProgramFolder& folder)
    : Program({folder.File("Quillory")}, Environment(), folder.File("stderr.txt")) {}

Program::Program(const std::vector<std::string>& command, const std::vector<std::string>& environment,
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

std::vector<std::string> Program::Environment(const std::vector<std::string>& without) {
  std::vector<std::string> vars;
  for (char** var = environ; *var; ++var) {
    const std::string text = *var;
    const std::string name = text.substr(0, text.find('='));
    if (std::find(without.begin(), without.end(), name) == without.end()) vars.push_back(text);
  }
  return vars;
}

Program::~Program() {
  if (m_pid > 0 && !m_exited) {
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
  }
}

int Program::WaitExit(std::chrono::seconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (Running() && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(kPoll);
  return m_exited ? m_exitCode : -1;
}

bool Program::Running() {
  int status = 0;
  if (!m_exited && waitpid(m_pid, &status, WNOHANG) == m_pid) {
    m_exited = true;
    // A signal (a crash) is told apart from any exit code.
    m_exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  return !m_exited;
}

std::string Program::Stderr() const {
  std::ifstream in(m_errFile);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

namespace {
// Menus (and tooltips) are windows the window manager does not manage.
bool IsPopup(unsigned long window) {
  Display* display = OpenDisplay();
  if (!display) return false;
  XWindowAttributes attributes{};
  const bool popup = XGetWindowAttributes(display, window, &attributes) && attributes.override_redirect;
  XCloseDisplay(display);
  return popup;
}
}  // namespace

std::vector<unsigned long> Program::ShownWindows(const std::string& title, bool popups) const {
  std::vector<unsigned long> ids;
  // --all: the process's windows (without it xdotool takes those of the
  // process or of any name).
  std::istringstream in(Shell("xdotool search --all --onlyvisible --pid " + std::to_string(m_pid) +
                              " --name '.*' 2>/dev/null"));
  for (std::string line; std::getline(in, line);) {
    if (line.empty()) continue;
    const unsigned long id = std::stoul(line);
    if (IsPopup(id) != popups) continue;
    if (popups || Shell("xdotool getwindowname " + line + " 2>/dev/null") == title) ids.push_back(id);
  }
  return ids;
}

bool Program::MenuShown() const { return !ShownWindows(std::string(), true).empty(); }

unsigned long Program::FindWindow(const std::string& title, std::chrono::seconds timeout) {
  unsigned long found = 0;
  WaitFor([&] {
    if (!Running()) return true;
    const auto ids = ShownWindows(title);
    if (!ids.empty()) found = ids.front();
    return found != 0;
  }, timeout);
  return found;
}

Geometry WindowGeometry(unsigned long window) {
  Geometry g;
  Display* display = OpenDisplay();
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

void CloseBox(unsigned long window) {
  Display* display = OpenDisplay();
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

void ClickAt(std::pair<int, int> p, int button) {
  int x = -1, y = -1;
  std::sscanf(Shell("xdotool getmouselocation --shell").c_str(), "X=%d Y=%d", &x, &y);
  // --sync waits for the pointer to move (forever when it is there already),
  // and a toolkit may take a click without a move for a repeated one: the
  // pointer comes from one pixel aside, as a hand's would.
  if (x == p.first && y == p.second) Shell("xdotool mousemove_relative --sync 1 0");
  Shell("xdotool mousemove --sync " + std::to_string(p.first) + " " + std::to_string(p.second) +
        " click " + std::to_string(button));
}

void Keys(const std::string& keys) { Shell("xdotool key --delay 40 " + keys); }

void TypeText(const std::string& utf8) { Shell("xdotool type --delay 40 " + Quoted(utf8)); }

TemplateWindow::TemplateWindow(unsigned long window, const ui::DialogTemplate& t)
    : m_window(window), m_template(t), m_geometry(WindowGeometry(window)) {}

std::pair<int, int> TemplateWindow::At(int xUnits, int yUnits) const {
  const double unit = Unit();
  const int top = m_geometry.y + m_geometry.height - int(std::lround(m_template.cy * unit));
  return {m_geometry.x + int(std::lround(xUnits * unit)), top + int(std::lround(yUnits * unit))};
}

std::pair<int, int> TemplateWindow::CentreOf(int controlId) const {
  for (const auto& c : m_template.controls)
    if (c.id == controlId) return At(c.x + c.cx / 2, c.y + std::min(c.cy, 14) / 2);
  ADD_FAILURE() << "no control " << controlId << " in template " << m_template.id;
  return {0, 0};
}

void TemplateWindow::TypeInto(int controlId, const std::string& utf8) const {
  Click(controlId);
  TypeText(utf8);
}

void TemplateWindow::ReplaceIn(int controlId, const std::string& utf8) const {
  Click(controlId);
  Keys("ctrl+a");
  TypeText(utf8);
}
