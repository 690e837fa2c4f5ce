// The program Quillory: starts the toolkit, then the application object's
// start-up runs the main window for the whole run.
//
// With QUILLORY_EXIT_WHEN_SHOWN set in the environment, the program ends as
// soon as its main window is shown and painted (start-up measurements).
#include "app/QuilloryApp.h"
#include "platform/Window.h"
#include "platform/wx/UiDriver.h"
#include "platform/wx/WxApplication.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  ui::wxb::WxApplication toolkit(argc, argv);
  if (!toolkit.IsOk()) {
    std::fprintf(stderr, "Quillory: no display could be opened (is DISPLAY set?)\n");
    return 1;
  }
  if (std::getenv("QUILLORY_EXIT_WHEN_SHOWN")) {
    ui::wxb::UiDriver::WhenShown([](ui::Window& window) {
      ui::wxb::UiDriver::Flush();
      window.SendClose();
    });
  }
  CQuilloryApp app;
  app.InitInstance(CQuilloryApp::ModulePath());
  return 0;
}
