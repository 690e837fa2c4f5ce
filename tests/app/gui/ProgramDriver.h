#pragma once
// The real program, started on a test program folder and driven from outside
// as a user would, through the X server: xdotool for the mouse and the keys,
// the window manager's close request for the close box. The program runs in a
// process of its own: a toolkit running in the test process could hold the
// pointer.
#include "AppTestSupport.h"

#include "platform/DialogTemplate.h"

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <sys/types.h>

// Runs a shell command; its output without the last line end.
std::string Shell(const std::string& command);
// Polls cond every 100 ms (faster polling has made the toolkit's start-up
// fail now and then) until it holds; false after the timeout.
bool WaitFor(const std::function<bool()>& cond, std::chrono::seconds timeout = std::chrono::seconds(10));
// A window title as the X server holds it (UTF-8) from a Windows-1252 text.
std::string XTitle(const std::string& text1252);

// A copy of the program (executable and library) in the test program folder,
// so that the folder of the executable is the test's.
void InstallProgram(const TestProgramFolder& folder);

class Program {
 public:
  explicit Program(const TestProgramFolder& folder);
  // The command (searched for in PATH) with that environment; its standard
  // error goes to errFile.
  Program(const std::vector<std::string>& command, const std::vector<std::string>& environment,
          const std::string& errFile);
  // This process's environment, without the variables named.
  static std::vector<std::string> Environment(const std::vector<std::string>& without = {});
  ~Program();
  // Waits for the process to end; its exit code, or -1 after the timeout.
  int WaitExit(std::chrono::seconds timeout = std::chrono::seconds(15));
  bool Running();
  std::string Stderr() const;
  pid_t Pid() const { return m_pid; }

  // The program's windows shown now whose title is exactly this (UTF-8);
  // with popups, its menus shown now whatever their title.
  std::vector<unsigned long> ShownWindows(const std::string& title, bool popups = false) const;
  bool MenuShown() const;
  // The program's window with that title, polled for; 0 when none came.
  unsigned long FindWindow(const std::string& title,
                           std::chrono::seconds timeout = std::chrono::seconds(20));

 private:
  pid_t m_pid = -1;
  bool m_exited = false;
  int m_exitCode = -1;
  std::string m_errFile;
};

struct Geometry { int x = 0, y = 0, width = 0, height = 0; };
// The window's place on the screen, asked of the X server: a window manager
// puts the window in a frame of its own, whose offset xdotool's geometry can
// count twice.
Geometry WindowGeometry(unsigned long window);
// The close box: the window manager's close request to the window.
void CloseBox(unsigned long window);
void ClickAt(std::pair<int, int> screen, int button = 1);
// Keys as xdotool names them ("ctrl+s", "Return"), and text typed.
void Keys(const std::string& keys);
void TypeText(const std::string& utf8);

// One of the program's windows built from a template: its controls are found
// where the template puts them, in dialog units from the client area's
// bottom-left corner (a menu bar may sit above the client area). The window's
// width in units gives the pixels of a unit exactly; the dialog font makes a
// vertical unit as many pixels.
class TemplateWindow {
 public:
  TemplateWindow(unsigned long window, const ui::DialogTemplate& t);
  unsigned long Id() const { return m_window; }
  // Pixels of a dialog unit.
  double Unit() const { return double(m_geometry.width) / m_template.cx; }
  // Screen place of a point given in the template's units.
  std::pair<int, int> At(int xUnits, int yUnits) const;
  std::pair<int, int> CentreOf(int controlId) const;
  void Click(int controlId, int button = 1) const { ClickAt(CentreOf(controlId), button); }
  // Clicks into a text box and types.
  void TypeInto(int controlId, const std::string& utf8) const;
  // Clicks into a text box of a dialog, selects what it holds (Ctrl+A) and
  // types over it.
  void ReplaceIn(int controlId, const std::string& utf8) const;

 private:
  unsigned long m_window;
  const ui::DialogTemplate& m_template;
  Geometry m_geometry;
};
