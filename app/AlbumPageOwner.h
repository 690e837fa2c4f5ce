#pragma once
// What an album page of the tab control needs of the main window it belongs
// to. The pages and the tab control know their window only through this, so
// that neither includes a main window's header: a change to a window does not
// reach them.

namespace ui {
class Window;
}
class CQuilloryDlgList;

class CAlbumPageOwner {
 public:
  // The main window itself: the pages' parent, the owner of the dialogs and
  // menus they open, and where the keys they leave go as commands.
  virtual ui::Window& GetOwnerWindow() = 0;
  // While the window closes or lays itself out, a selection that changes is
  // not the user's doing: the pages leave it alone.
  virtual bool IsClosing() const = 0;
  virtual bool IsResizing() const = 0;
  // A row of the page was clicked or selected; row < 0: the click hit no row,
  // or the rows were replaced under a selection.
  virtual void OnPageSelection(CQuilloryDlgList& page, int row) = 0;
  // An album command of a page (new volume, modification, deletion) has
  // changed the collection; saveNow: the change is to be written at once.
  virtual void OnPageAlbumsChanged(bool saveNow) = 0;

 protected:
  ~CAlbumPageOwner() = default;
};
