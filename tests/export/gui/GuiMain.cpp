// The GUI tests run on a display (Xvfb in CI): the toolkit is started once.
#include "platform/wx/WxApplication.h"

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ui::wxb::WxApplication app(argc, argv);
  if (!app.IsOk()) {
    std::fprintf(stderr, "export_gui_tests: no display (run under xvfb-run)\n");
    return 1;
  }
  int result = RUN_ALL_TESTS();
  if (ui::wxb::WxApplication::CheckFailures() != 0) {
    std::fprintf(stderr, "export_gui_tests: %d toolkit checks failed\n",
                 ui::wxb::WxApplication::CheckFailures());
    return 1;
  }
  return result;
}
