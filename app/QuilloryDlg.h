#pragma once
// The main window in the list style (template 102, menu 134): it shows the
// collection in a tab control of four album list pages, with the total
// counter, the cover picture and comment of the selected album, the search
// box and the loan entry controls. What it shares with the graphic style is
// CQuilloryMainWindow's.

#include "app/QuilloryMainWindow.h"
#include "controls/Resizer.h"

#include <string>

class CQuilloryDlg : public CQuilloryMainWindow {
 public:
  // style: the value of the style file (0 here); programFolder: the folder
  // of the executable, below which the data lives.
  CQuilloryDlg(ui::Window* parent, int style, std::string programFolder);
  ~CQuilloryDlg() override;

  bool OnInitDialog() override;

  // Commands of this window only.
  void OnConfigListes();
  void OnSiteWeb();

  void ShowAlbumCount();
  // The album a row of the current page names.
  CAlbum* FindRowAlbum(int row) const override;
  // The selected album's comment, cover and loan; none for row < 0.
  void OnPageSelection(CQuilloryDlgList& page, int row) override;

  // The smallest client area, in dialog units (the template is 709 by 401).
  static constexpr int MIN_WIDTH_DLU = 560;
  static constexpr int MIN_HEIGHT_DLU = 300;

  static constexpr const char* MSG_IMAGE_FAILED =
      "l'image doit \xEAtre dans le repertoire de Quillory et de preferences dans images.";

 protected:
  void ShowCounters() override { ShowAlbumCount(); }
  void RunAboutBox() override;
  CSortListCtrl* GetAlbumRows() override;
  ui::Window* GetAlbumCommandTarget() override;
  void OnReturnKey() override { OnRecherche(); }
  void HideAlbumShown() override;
  const char* PictureNotShownMessage() const override { return MSG_IMAGE_FAILED; }
  void LayOut(int dx, int dy) override;

 private:
  void OnSelchangeTab();

  CResizer m_resizer;
};
