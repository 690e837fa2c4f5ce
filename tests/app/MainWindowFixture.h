#pragma once
// The list-style main window opened on a test program folder in the headless
// backend, with helpers to read its pages.

#include "AppTestSupport.h"
#include "app/QuilloryDlg.h"
#include "app/QuilloryDlgList.h"
#include "platform/headless/Driver.h"
#include "platform/headless/Session.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class MainWindowTest : public ::testing::Test {
 protected:
  // Opens the window (the collection file must be written first).
  void Open() {
    dlg = std::make_unique<CQuilloryDlg>(nullptr, 0, folder.Path());
    session.Open(*dlg);
  }
  ui::headless::Driver Window() { return ui::headless::Driver(*dlg); }
  CQuilloryDlgList& Page() { return *dlg->GetTab().GetCurrentPage(); }
  ui::headless::Driver PageDriver() { return ui::headless::Driver(Page()); }

  // The texts of one column of the current page, row by row.
  std::vector<std::string> Column(int column) {
    std::vector<std::string> texts;
    CSortListCtrl& list = Page().GetList();
    for (int row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetItemText(row, column));
    return texts;
  }
  // The row of the current page whose series and title are these.
  int RowOf(const std::string& serie, const std::string& titre) {
    CSortListCtrl& list = Page().GetList();
    for (int row = 0; row < list.GetItemCount(); ++row)
      if (list.GetItemText(row, 0) == serie && list.GetItemText(row, 1) == titre) return row;
    ADD_FAILURE() << "no row " << serie << " / " << titre;
    return -1;
  }

  TestProgramFolder folder;
  ui::headless::Session session;
  std::unique_ptr<CQuilloryDlg> dlg;  // destroyed before the session
};
