#pragma once
// The graphic-style main window opened on a test program folder in the
// headless backend, with helpers to read its series pages and album list.

#include "AppTestSupport.h"
#include "app/QuilloryDlgList.h"
#include "app/QuilloryDlgtypeGraph.h"
#include "platform/headless/Driver.h"
#include "platform/headless/Session.h"
#include "resources/Resource.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class GraphWindowTest : public ::testing::Test {
 protected:
  void Open() {
    dlg = std::make_unique<CQuilloryDlgtypeGraph>(nullptr, 1, folder.Path());
    session.Open(*dlg);
  }
  ui::headless::Driver Window() { return ui::headless::Driver(*dlg); }
  CQuilloryDlgList& Page() { return *dlg->GetTab().GetCurrentPage(); }
  ui::headless::Driver PageDriver() { return ui::headless::Driver(Page()); }

  // The series listed by the current page, row by row.
  std::vector<std::string> Series() {
    std::vector<std::string> texts;
    CSortListCtrl& list = Page().GetList();
    for (int row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetItemText(row, 0));
    return texts;
  }
  // The album list, "volume title" per row.
  std::vector<std::string> Albums() {
    std::vector<std::string> texts;
    CSortListCtrl& list = dlg->GetAlbumList();
    for (int row = 0; row < list.GetItemCount(); ++row)
      texts.push_back(list.GetItemText(row, 0) + " " + list.GetItemText(row, 1));
    return texts;
  }
  int SerieRow(const std::string& serie) {
    std::vector<std::string> series = Series();
    for (std::size_t row = 0; row < series.size(); ++row)
      if (series[row] == serie) return static_cast<int>(row);
    ADD_FAILURE() << "no series row " << serie;
    return -1;
  }
  int AlbumRow(const std::string& titre) {
    CSortListCtrl& list = dlg->GetAlbumList();
    for (int row = 0; row < list.GetItemCount(); ++row)
      if (list.GetItemText(row, 1) == titre) return row;
    ADD_FAILURE() << "no album row " << titre;
    return -1;
  }
  // Clicks a series of the current page, then an album of it.
  void Pick(const std::string& serie, const std::string& titre = std::string()) {
    PageDriver().ClickRow(IDC_LIST_ALBUMS, SerieRow(serie));
    if (!titre.empty()) Window().ClickRow(IDC_LIST_SERIE_ALBUMS, AlbumRow(titre));
  }

  TestProgramFolder folder;
  ui::headless::Session session;
  std::unique_ptr<CQuilloryDlgtypeGraph> dlg;  // destroyed before the session
};
