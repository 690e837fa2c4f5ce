#pragma once
// The About box of the list-style main window (template 100): the program
// icon, its name and version.

#include "platform/Dialog.h"

class CAboutDlg : public ui::Dialog {
 public:
  explicit CAboutDlg(ui::Window* parent);
  bool OnInitDialog() override;
};
