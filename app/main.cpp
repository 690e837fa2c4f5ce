// The program Quillory: starts the toolkit, then the application object's
// start-up runs the main window for the whole run.
//
// With QUILLORY_EXIT_WHEN_SHOWN set in the environment, the program ends as
// soon as its main window is shown and painted (start-up measurements); with
// QUILLORY_SHOWN_FILE too, it writes into that file when that was, in
// nanoseconds of the monotonic clock.
#include "app/CollectionPreload.h"
#include "app/QuilloryApp.h"
#include "platform/Window.h"
#include "platform/wx/UiDriver.h"
#include "platform/wx/WxApplication.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>

int main(int argc, char** argv) {
  // The collection is read on a second thread while the toolkit starts.
  const std::string modulePath = CQuilloryApp::ModulePath();
  CollectionPreload::Start(
      CQuilloryApp::ChooseProgramFolder(CQuilloryApp::ProgramFolder(modulePath)));
  ui::wxb::WxApplication toolkit(argc, argv);
  if (!toolkit.IsOk()) {
    std::fprintf(stderr, "Quillory: no display could be opened (is DISPLAY set?)\n");
    return 1;
  }
  if (std::getenv("QUILLORY_EXIT_WHEN_SHOWN")) {
    ui::wxb::UiDriver::WhenShown([](ui::Window& window) {
      ui::wxb::UiDriver::Flush();
      if (const char* file = std::getenv("QUILLORY_SHOWN_FILE")) {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::ofstream(file) << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
      }
      window.SendClose();
    });
  }
  CQuilloryApp app;
  app.InitInstance(modulePath);
  return 0;
}
