#include "dialogs/AboutDlg.h"

#include "platform/Static.h"
#include "resources/Templates.h"

CAboutDlg::CAboutDlg(ui::Window* parent) : ui::Dialog(kDialogAbout, parent) {}

bool CAboutDlg::OnInitDialog() {
  GetStatic(IDC_ABOUT_ICON)->SetIcon(&ApplicationIcon());
  return true;
}
