#include "dialogs/AboutDlg2.h"

#include "platform/Static.h"
#include "resources/Templates.h"

CAboutDlg2::CAboutDlg2(ui::Window* parent) : ui::Dialog(kDialogAbout2, parent) {}

bool CAboutDlg2::OnInitDialog() {
  GetStatic(IDC_ABOUT_ICON)->SetIcon(&ApplicationIcon());
  return true;
}
