// On a 1366 x 768 screen (its own Xvfb): each main window and the dialogs
// they open fit the screen with a panel, no label, check box, group box or
// button needs more room for its text than its control has, and no two
// controls cover each other, at the first size or after the user's resizes.
#include "../AppTestSupport.h"
#include "app/QuilloryConfTab.h"
#include "app/QuilloryDlg.h"
#include "app/QuilloryDlgtypeGraph.h"
#include "collection/GestionBD.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/AboutDlg2.h"
#include "dialogs/QuilloryAlbumsManquants.h"
#include "dialogs/QuilloryBlocNote.h"
#include "dialogs/QuilloryComicLinkDlg.h"
#include "dialogs/QuillorySerieASuivre.h"
#include "dialogs/QuilloryStatAchat.h"
#include "dialogs/QuilloryStatDlg.h"
#include "dialogs/QuilloryStatEditDlg.h"
#include "dialogs/QuilloryAjoutBD.h"
#include "dialogs/QuilloryPret.h"
#include "dialogs/QuilloryRenameDlg.h"
#include "dialogs/QuillorySeconPicDlg.h"
#include "dialogs/QuilloryStatPret.h"
#include "export/NewsDownload.h"
#include "export/NewsProgress.h"
#include "export/QuilloryAffNews.h"
#include "export/QuilloryProxy.h"
#include "platform/wx/UiDriver.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

using ui::wxb::UiDriver;

namespace {

// A 768-pixel screen keeps about 720 for a window beside its panel; the
// window manager's title bar comes on top of what the toolkit reports here.
constexpr int kScreenWidth = 1366;
constexpr int kUsableHeight = 720;
constexpr int kTitleBar = 30;

std::vector<AlbumValues> Collection() {
  AlbumValues a{"Les Aventures de Blake et Mortimer", "Le Secret de l'Espadon", 1};
  a.dessinateur = "Edgar P. Jacobs";
  a.editeur = "Editions Blake et Mortimer";
  a.commentaire = "Premi\xE8re \xE9" "dition";
  return {a, {"Akira", "Tetsuo", 1}};
}

// Every control of the window and of its child dialogs (the tab pages).
void CheckTexts(ui::Window& window) {
  for (const auto& control : window.GetControls()) {
    const ui::Size need = UiDriver::NativeTextNeed(*control);
    if (need.cx == 0) continue;
    const ui::Rect room = UiDriver::NativeRect(*control);
    EXPECT_LE(need.cx, room.Width()) << "template " << window.GetTemplateId() << ", control "
                                     << control->GetDlgCtrlID() << " \"" << control->GetWindowText() << "\"";
    EXPECT_LE(need.cy, room.Height() + 2) << "template " << window.GetTemplateId() << ", control "
                                          << control->GetDlgCtrlID() << " \"" << control->GetWindowText() << "\"";
  }
  for (ui::Window* child : window.GetChildWindows()) CheckTexts(*child);
}

// No two controls shown in a window cover each other, but for a group box
// and what it frames; the tab's pages each on their own.
void CheckNoOverlaps(ui::Window& window, const ui::Size& size) {
  std::vector<std::pair<const ui::Control*, ui::Rect>> shown;
  for (const auto& control : window.GetControls())
    if (UiDriver::NativeShown(*control)) shown.emplace_back(control.get(), UiDriver::NativeRect(*control));
  auto frames = [](const ui::Control& box, const ui::Rect& outer, const ui::Rect& inner) {
    return box.GetKind() == ui::ControlKind::GroupBox && inner.left >= outer.left &&
           inner.right <= outer.right && inner.top >= outer.top && inner.bottom <= outer.bottom;
  };
  for (std::size_t i = 0; i < shown.size(); ++i)
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      const auto& [a, ra] = shown[i];
      const auto& [b, rb] = shown[j];
      if (!ra.Intersects(rb) || frames(*a, ra, rb) || frames(*b, rb, ra)) continue;
      ADD_FAILURE() << "template " << window.GetTemplateId() << " at " << size.cx << "x" << size.cy
                    << ": control " << a->GetDlgCtrlID() << " \"" << a->GetWindowText() << "\" ("
                    << ra.left << "," << ra.top << "," << ra.right << "," << ra.bottom << ") over "
                    << b->GetDlgCtrlID() << " \"" << b->GetWindowText() << "\" (" << rb.left << ","
                    << rb.top << "," << rb.right << "," << rb.bottom << ")";
    }
  for (ui::Window* child : window.GetChildWindows())
    if (UiDriver::NativeWindowShown(*child)) CheckNoOverlaps(*child, size);
}

void CheckFits(ui::Window& window) {
  const ui::Size screen = UiDriver::ScreenSize();
  EXPECT_EQ(screen.cx, kScreenWidth);
  const ui::Size size = UiDriver::NativeWindowSize(window);
  EXPECT_LE(size.cx, kScreenWidth) << "template " << window.GetTemplateId();
  EXPECT_LE(size.cy + kTitleBar, kUsableHeight) << "template " << window.GetTemplateId();
  CheckTexts(window);
  // At its first size, then, when the user may resize it, after each of
  // sizes a user gives it, back to the first.
  const ui::Size first = UiDriver::NativeClientSize(window);
  CheckNoOverlaps(window, first);
  if (!(window.GetTemplate().style & ui::Style::Resizable)) return;
  const ui::Size sizes[] = {{first.cx + 120, first.cy},      {first.cx + 120, first.cy + 40},
                            {first.cx, first.cy + 40},        {first.cx - 200, first.cy - 150},
                            {first.cx - 60, first.cy + 20},  {first.cx, first.cy}};
  for (const ui::Size& wanted : sizes) {
    UiDriver::ResizeWindow(window, wanted.cx, wanted.cy);
    UiDriver::Flush();
    CheckNoOverlaps(window, UiDriver::NativeClientSize(window));
  }
}

// Runs a dialog modally, checks it once shown and closes it.
void CheckDialog(ui::Dialog& dlg) {
  bool checked = false;
  UiDriver::WhenShown([&](ui::Window& window) {
    UiDriver::Flush();
    CheckFits(window);
    checked = true;
    dynamic_cast<ui::Dialog&>(window).EndDialog(ui::IDCANCEL);
  });
  dlg.DoModal();
  EXPECT_TRUE(checked) << dlg.GetTemplateId();
}

TEST(Layout, ListWindowAndItsColumnDialogFit) {
  TestProgramFolder folder;
  folder.WriteCollection(Collection());
  CQuilloryDlg dlg(nullptr, 0, folder.Path());
  bool checked = false;
  UiDriver::WhenShown([&](ui::Window& window) {
    UiDriver::Flush();
    CheckFits(window);
    CQuilloryConfTab conf(&dlg, &dlg.GetTab());
    CheckDialog(conf);
    CQuilloryAjoutBD entry(&dlg, dlg.GetGestion(), CQuilloryAjoutBD::MODE_NOUVELLE_SERIE);
    CheckDialog(entry);
    CQuilloryPret loans(&dlg, dlg.GetGestion());
    CheckDialog(loans);
    CQuilloryStatPret perAlbum(&dlg, dlg.GetGestion());
    CheckDialog(perAlbum);
    CAboutDlg about(&dlg);
    CheckDialog(about);
    CQuilloryBlocNote notepad(&dlg, folder.Path());
    CheckDialog(notepad);
    CQuilloryStatDlg general(&dlg, dlg.GetGestion());
    CheckDialog(general);
    CQuilloryStatEditDlg publishers(&dlg, dlg.GetGestion());
    CheckDialog(publishers);
    CQuilloryStatAchat purchases(&dlg, dlg.GetGestion());
    CheckDialog(purchases);
    CQuillorySerieASuivre toFollow(&dlg, dlg.GetGestion());
    CheckDialog(toFollow);
    CQuilloryAlbumsManquants missing(&dlg, dlg.GetGestion());
    CheckDialog(missing);
    CQuilloryComicLinkDlg comics(&dlg, dlg.GetGestion(), folder.Path());
    CheckDialog(comics);
    ProxySettings proxy{1, 1, "proxy.exemple.fr", "3128", "collectionneur", "mot de passe"};
    CQuilloryProxy proxyDialog(&dlg, proxy, folder.Path(), nullptr);
    CheckDialog(proxyDialog);
    CNewsDownload download;  // never started: the box stays up until closed
    CNewsProgress progress(&dlg, download);
    CheckDialog(progress);
    CQuilloryAffNews news(&dlg, std::nullopt);
    CheckDialog(news);
    checked = true;
    dlg.EndDialog(ui::IDCANCEL);
  });
  dlg.DoModal();
  EXPECT_TRUE(checked);
}

TEST(Layout, GraphicWindowAndItsDialogsFit) {
  TestProgramFolder folder;
  folder.WriteCollection(Collection());
  CQuilloryDlgtypeGraph dlg(nullptr, 1, folder.Path());
  bool checked = false;
  UiDriver::WhenShown([&](ui::Window& window) {
    UiDriver::Flush();
    // The details panel's labels show once an album is shown: they are checked too.
    CheckFits(window);
    CQuilloryRenameDlg rename(&dlg, dlg.GetGestion(), "Akira", nullptr);
    CheckDialog(rename);
    CQuillorySeconPicDlg picture(&dlg, dlg.GetGestion()->GetAlbum(0), folder.Path());
    CheckDialog(picture);
    CAboutDlg2 about(&dlg);
    CheckDialog(about);
    checked = true;
    dlg.EndDialog(ui::IDCANCEL);
  });
  dlg.DoModal();
  EXPECT_TRUE(checked);
}

}  // namespace
