#pragma once
// The About box of the graphic-style main window (template 153): the program
// icon, its name and version.

#include "platform/Dialog.h"

class CAboutDlg2 : public ui::Dialog {
 public:
  explicit CAboutDlg2(ui::Window* parent);
  bool OnInitDialog() override;
};
