// The main of every GUI test program: the toolkit is started once, on a
// desktop as users have it (a display with a window manager: run the tests
// through scripts/desktop-run.sh), and its own checks must all hold.
#include "platform/wx/UiDriver.h"
#include "platform/wx/WxApplication.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  const char* name = std::strrchr(argv[0], '/') ? std::strrchr(argv[0], '/') + 1 : argv[0];
  ::testing::InitGoogleTest(&argc, argv);
  ui::wxb::WxApplication app(argc, argv);
  if (!app.IsOk()) {
    std::fprintf(stderr, "%s: no display (run it through scripts/desktop-run.sh)\n", name);
    return 1;
  }
  if (!ui::wxb::UiDriver::WindowManagerRunning()) {
    std::fprintf(stderr, "%s: no window manager on the display (run it through scripts/desktop-run.sh)\n",
                 name);
    return 1;
  }
  int result = RUN_ALL_TESTS();
  if (ui::wxb::WxApplication::CheckFailures() != 0) {
    std::fprintf(stderr, "%s: %d toolkit checks failed\n", name,
                 ui::wxb::WxApplication::CheckFailures());
    return 1;
  }
  return result;
}
