// A collector's tools on the real toolkit: the search that ignores accents,
// "Albums manquants" from both windows, and an album typed twice, asked
// about before it is added (Return keeps the default, No).
#include "../AppTestSupport.h"
#include "app/QuilloryDlg.h"
#include "app/QuilloryDlgList.h"
#include "app/QuilloryDlgtypeGraph.h"
#include "collection/GestionBD.h"
#include "dialogs/QuilloryAjoutBD.h"
#include "platform/ListView.h"
#include "platform/wx/UiDriver.h"
#include "resources/Resource.h"

#include <gtest/gtest.h>

using ui::wxb::UiDriver;

namespace {

// Series with gaps, one in two spellings, one without gap, one with its
// hors-serie only.
std::vector<AlbumValues> Collection() {
  return {{"Les \xC9" "cluses du ciel", "Rodric", 1}, {"Ast\xE9rix", "Le Tour de Gaule", 5},
          {"Les \xC9" "cluses du ciel", "Eudes", 3},  {"Thorgal", "La Magicienne trahie", 1},
          {"akira", "Kei", 2},                           {"Akira", "Tetsuo", 3},
          {"Ast\xE9rix", "Hors-s\xE9rie", 0},           {"Zorro", "Hors-s\xE9rie", 0}};
}

const std::vector<std::string> kMissing = {"akira | 1", "Ast\xE9rix | 1 \xE0 4",
                                           "Les \xC9" "cluses du ciel | 2"};

// "Albums manquants" from the window's menu: its rows as the toolkit shows
// them, then it grows with the window and closes with "Fermer".
std::vector<std::string> MissingVolumesShown(ui::Window& main) {
  std::vector<std::string> rows;
  bool closed = false;
  UiDriver::WhenShown([&](ui::Window& w) {
    EXPECT_EQ(w.GetWindowText(), "Albums manquants");
    ui::ListView& list = *w.GetListView(IDC_LIST_MANQUANTS);
    EXPECT_EQ(list.GetColumnTitle(0) + "|" + list.GetColumnTitle(1), "S\xE9rie|Tomes manquants");
    EXPECT_EQ(UiDriver::NativeText(*w.GetDlgItem(ui::IDCANCEL)), "Fermer");
    UiDriver::WaitUntil([&] { return UiDriver::NativeRowCount(list) > 0; });
    for (int row = 0; row < UiDriver::NativeRowCount(list); ++row)
      rows.push_back(UiDriver::NativeCell(list, row, 0) + " | " + UiDriver::NativeCell(list, row, 1));
    const ui::Rect before = UiDriver::NativeRect(list);
    const ui::Size client = UiDriver::NativeClientSize(w);
    UiDriver::ResizeWindow(w, client.cx + 120, client.cy + 80);
    const ui::Rect after = UiDriver::NativeRect(list);
    EXPECT_EQ(after.Width(), before.Width() + 120);
    EXPECT_EQ(after.Height(), before.Height() + 80);
    UiDriver::Click(*w.GetDlgItem(ui::IDCANCEL));
    closed = true;
  });
  UiDriver::ChooseMenu(main, ID_STAT_MANQUANTS);
  EXPECT_TRUE(UiDriver::WaitUntil([&] { return closed; }, 10000));
  return rows;
}

TEST(CollectorToolsGui, GraphicWindowSearchMissingVolumesAndADuplicateAskedTwice) {
  TestProgramFolder folder;
  folder.WriteCollection(Collection());
  std::vector<std::string> boxes, buttons;
  bool scriptDone = false;
  CQuilloryDlgtypeGraph dlg(nullptr, 1, folder.Path());
  UiDriver::WhenShown([&](ui::Window&) {
    ui::ListView& series = *dlg.GetTab().GetCurrentPage()->GetList().GetListView();
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeRowCount(series) == 6; }));
    UiDriver::Type(*dlg.GetDlgItem(IDC_EDIT_RECHERCHE), "ECLUSES");
    UiDriver::Click(*dlg.GetDlgItem(IDC_BUTTON_RECHERCHE));
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeRowCount(series) == 1; }));
    EXPECT_EQ(UiDriver::NativeCell(series, 0, 0), "Les \xC9" "cluses du ciel");

    EXPECT_EQ(MissingVolumesShown(dlg), kMissing);

    // Thorgal 1 typed again: Return in the question keeps No and the dialog
    // with what was typed; the second time, Yes adds it.
    bool entryDone = false;
    UiDriver::WhenShown([&](ui::Window& w) {
      auto& entry = dynamic_cast<CQuilloryAjoutBD&>(w);
      UiDriver::Type(*entry.GetDlgItem(IDC_AJOUT_SERIE), "thorgal");
      UiDriver::Type(*entry.GetDlgItem(IDC_AJOUT_TITRE), "La Magicienne trahie");
      UiDriver::Type(*entry.GetDlgItem(IDC_AJOUT_TOME), "1");
      UiDriver::AnswerMessageBoxes({UiDriver::kReturn, ui::IDYES}, &boxes, &buttons);
      UiDriver::Click(*entry.GetDlgItem(ui::IDOK));
      EXPECT_TRUE(UiDriver::WaitUntil([&] { return boxes.size() == 1; }));
      UiDriver::Flush();
      EXPECT_FALSE(entry.IsEnded());
      EXPECT_EQ(UiDriver::NativeText(*entry.GetDlgItem(IDC_AJOUT_SERIE)), "thorgal");
      EXPECT_EQ(dlg.GetGestion()->GetAlbumCount(), 8);
      UiDriver::Click(*entry.GetDlgItem(ui::IDOK));
      entryDone = true;
    });
    UiDriver::ChooseMenu(dlg, ID_GESTION_NOUVELLESERIE);
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return dlg.GetGestion()->GetAlbumCount() == 9; }));
    EXPECT_TRUE(entryDone);
    UiDriver::AnswerMessageBoxes({ui::IDNO}, &boxes);
    UiDriver::CloseWindow(dlg);
    scriptDone = true;
  });
  dlg.DoModal();
  EXPECT_TRUE(scriptDone);
  EXPECT_EQ(boxes, (std::vector<std::string>{CQuilloryAjoutBD::MSG_DUPLICATE,
                                             CQuilloryAjoutBD::MSG_DUPLICATE,
                                             CQuilloryDlg::MSG_SAVE_QUESTION}));
  EXPECT_EQ(buttons, (std::vector<std::string>{"Oui|Non", "Oui|Non"}));
}

TEST(CollectorToolsGui, ListWindowSearchWithoutAccentsAndMissingVolumes) {
  TestProgramFolder folder;
  folder.WriteCollection(Collection());
  bool scriptDone = false;
  CQuilloryDlg dlg(nullptr, 0, folder.Path());
  UiDriver::WhenShown([&](ui::Window&) {
    ui::ListView& albums = *dlg.GetTab().GetCurrentPage()->GetList().GetListView();
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeRowCount(albums) == 8; }));
    UiDriver::Type(*dlg.GetDlgItem(IDC_EDIT_RECHERCHE), "asterix");
    UiDriver::Key(ui::VK_RETURN);
    EXPECT_TRUE(UiDriver::WaitUntil([&] { return UiDriver::NativeRowCount(albums) == 2; }));
    EXPECT_EQ(UiDriver::NativeCell(albums, 0, 1), "Le Tour de Gaule");
    EXPECT_EQ(MissingVolumesShown(dlg), kMissing);
    UiDriver::CloseWindow(dlg);
    scriptDone = true;
  });
  dlg.DoModal();
  EXPECT_TRUE(scriptDone);
}

}  // namespace
