#pragma once
// The tab control of the comics release dialog: one tab per year in which
// albums are dated (all types count), in ascending order, each with a page
// (CQuilloryListSimple) listing that year's comics month by month. The pages
// are child windows of the dialog, placed over the display area; the tab
// control owns them.

#include <memory>
#include <string>
#include <vector>

namespace ui {
class TabCtrl;
class Window;
}
class CGestionBD;
class CQuilloryListSimple;

class CQuilloryTabCtrlSimple {
 public:
  CQuilloryTabCtrlSimple();
  ~CQuilloryTabCtrlSimple();
  CQuilloryTabCtrlSimple(const CQuilloryTabCtrlSimple&) = delete;
  CQuilloryTabCtrlSimple& operator=(const CQuilloryTabCtrlSimple&) = delete;

  // Attaches to the tab control `id` of the owner; false when there is none.
  bool SubclassDlgItem(int id, ui::Window& owner);
  ui::TabCtrl* GetTabCtrl() const { return m_ctrl; }

  // Collects the years and creates one page per year (every year, however
  // many); returns the number of years.
  int BuildPages(ui::Window* owner, CGestionBD* gestion, const std::string& dossier);
  int GetYearCount() const { return int(m_years.size()); }
  int GetYear(int tab) const;
  // The number of albums (of any type) dated in the tab's year.
  int GetAlbumCount(int tab) const;
  void ShowAllPages();
  // Lays the pages over the display area, refills the selected tab's page
  // for its year and shows it alone.
  void Select();
  CQuilloryListSimple* GetPage(int tab) const;
  int GetSelected() const { return m_nSelected; }

 private:
  ui::TabCtrl* m_ctrl = nullptr;
  ui::Window* m_pOwner = nullptr;
  CGestionBD* m_pGestion = nullptr;  // not owned
  std::string m_strDossier;
  std::vector<std::unique_ptr<CQuilloryListSimple>> m_pages;
  std::vector<int> m_years;
  std::vector<int> m_counts;
  int m_nSelected = 0;
};
