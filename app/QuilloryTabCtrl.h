#pragma once
// The main window's tab control: four tabs (all types, BD euro, Comics,
// Manga), each with its album list page. The pages are child windows of the
// owning main window, placed over the tab control's display area; they reach
// that window through CAlbumPageOwner.

#include <array>
#include <memory>
#include <string>

namespace ui {
class TabCtrl;
class Window;
}
class CAlbumPageOwner;
class CGestionBD;
class CQuilloryDlgList;

class CQuilloryTabCtrl {
 public:
  static constexpr int TAB_COUNT = 4;

  CQuilloryTabCtrl();
  ~CQuilloryTabCtrl();
  CQuilloryTabCtrl(const CQuilloryTabCtrl&) = delete;
  CQuilloryTabCtrl& operator=(const CQuilloryTabCtrl&) = delete;

  // Attaches to the tab control `id` of the owner; false when there is none.
  bool SubclassDlgItem(int id, ui::Window& owner);
  ui::TabCtrl* GetTabCtrl() const { return m_ctrl; }

  // Prepares the four pages, child windows of the owner; in the graphic
  // style each page is moved 450 pixels to the left. A page's window is made
  // the first time it is shown or asked for: a start shows one tab only.
  void Init(CAlbumPageOwner* owner, CGestionBD* gestion, bool graphique);
  // The tabs' labels in this style, in tab order.
  static std::array<std::string, TAB_COUNT> Labels(bool graphique);
  // The type filter of a tab's page (4: all types).
  static int TypeFilter(int tab);

  // Refills the selected tab's page and shows it over the display area.
  void ShowPage();
  // The tab control grows by (dx, dy), and so do the pages; then ShowPage.
  void ResizePages(int dx, int dy);

  // Column widths, on all four pages (0 hides the column); read from the first.
  void SetColumnWidth(int column, int width);
  void HideColumn(int column) { SetColumnWidth(column, 0); }
  int GetColumnWidth(int column) const;

  // The tab's page (made now if it was not yet), or null.
  CQuilloryDlgList* GetPage(int tab) const;
  // The page of the selected tab, or null.
  CQuilloryDlgList* GetCurrentPage() const;
  int GetCurrentTab() const { return m_nCurrentTab; }

 private:
  ui::TabCtrl* m_ctrl = nullptr;
  CAlbumPageOwner* m_pOwner = nullptr;
  CGestionBD* m_pGestion = nullptr;  // not owned
  bool m_bGraphique = false;
  // Made on demand, hence mutable: asking for a page makes it.
  mutable std::array<std::unique_ptr<CQuilloryDlgList>, TAB_COUNT> m_pages;
  int m_nCurrentTab = 0;
  // What every page has been given so far, for a page made later: its moves
  // in total and the column widths set (-1: as the page starts).
  int m_dx = 0, m_dy = 0;
  std::array<int, 10> m_widths;
};
