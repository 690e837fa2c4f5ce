#include "dialogs/QuilloryTabCtrlSimple.h"

#include "collection/GestionBD.h"
#include "dialogs/LocalDate.h"
#include "dialogs/QuilloryListSimple.h"
#include "platform/TabCtrl.h"
#include "platform/Window.h"

#include <algorithm>
#include <map>

CQuilloryTabCtrlSimple::CQuilloryTabCtrlSimple() = default;

CQuilloryTabCtrlSimple::~CQuilloryTabCtrlSimple() {
  for (auto& page : m_pages)
    if (page && page->IsCreated()) page->DestroyWindow();
}

bool CQuilloryTabCtrlSimple::SubclassDlgItem(int id, ui::Window& owner) {
  m_ctrl = owner.GetTabCtrl(id);
  return m_ctrl != nullptr;
}

int CQuilloryTabCtrlSimple::BuildPages(ui::Window* owner, CGestionBD* gestion,
                                       const std::string& dossier) {
  m_pOwner = owner;
  m_pGestion = gestion;
  m_strDossier = dossier;
  std::map<int, int> perYear;  // ascending
  for (int i = 0; i < gestion->GetAlbumCount(); ++i)
    if (const CAlbum* album = gestion->GetAlbum(i)) ++perYear[LocalDateOf(album->GetDateAchat()).year];
  m_years.clear();
  m_counts.clear();
  for (const auto& [year, count] : perYear) {
    m_years.push_back(year);
    m_counts.push_back(count);
  }
  m_pages.clear();
  for (std::size_t i = 0; i < m_years.size(); ++i) {
    m_pages.push_back(std::make_unique<CQuilloryListSimple>(this, gestion, dossier));
    m_pages.back()->Create(owner);
  }
  return int(m_years.size());
}

int CQuilloryTabCtrlSimple::GetYear(int tab) const {
  return tab >= 0 && tab < int(m_years.size()) ? m_years[std::size_t(tab)] : 0;
}

int CQuilloryTabCtrlSimple::GetAlbumCount(int tab) const {
  return tab >= 0 && tab < int(m_counts.size()) ? m_counts[std::size_t(tab)] : 0;
}

CQuilloryListSimple* CQuilloryTabCtrlSimple::GetPage(int tab) const {
  return tab >= 0 && tab < int(m_pages.size()) ? m_pages[std::size_t(tab)].get() : nullptr;
}

void CQuilloryTabCtrlSimple::ShowAllPages() {
  for (auto& page : m_pages) page->ShowWindow(true);
}

void CQuilloryTabCtrlSimple::Select() {
  if (!m_ctrl) return;
  m_nSelected = std::max(0, m_ctrl->GetCurSel());
  const ui::Rect area = m_ctrl->GetDisplayArea();
  for (auto& page : m_pages) {
    page->MoveWindow(area);
    page->ShowWindow(false);
  }
  if (CQuilloryListSimple* page = GetPage(m_nSelected)) {
    page->Fill(GetYear(m_nSelected));
    page->BringWindowToTop();
    page->ShowWindow(true);
  }
}
