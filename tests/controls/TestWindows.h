// A small window holding what the controls attach to, and temporary files.
#pragma once

#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"

#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

namespace test {

enum : int { kSortedList = 1001, kPlainList = 1002, kFrame = 1016, kTab = 1031, kSearch = 1025 };

inline const ui::DialogTemplate kWindow{102, "Quillory", 400, 240,
    ui::Style::Resizable | ui::Style::SysMenu, nullptr, {
  {kTab, ui::ControlKind::TabCtrl, "", 8, 16, 240, 160},
  {kSortedList, ui::ControlKind::ListView, "", 8, 16, 200, 80,
   ui::Style::SingleSel | ui::Style::ShowSelAlways | ui::Style::SortAscending},
  {kPlainList, ui::ControlKind::ListView, "", 8, 100, 200, 80, ui::Style::SingleSel},
  {kFrame, ui::ControlKind::OwnerDrawButton, "", 264, 16, 120, 160},
  {kSearch, ui::ControlKind::Edit, "", 264, 200, 80, 16},
}};

class Window : public ui::Dialog {
 public:
  Window() : ui::Dialog(kWindow, nullptr) {}
};

inline std::string TempPath(const std::string& name) {
  return ::testing::TempDir() + "quillory_controls_" + std::to_string(getpid()) + "_" + name;
}

}  // namespace test
