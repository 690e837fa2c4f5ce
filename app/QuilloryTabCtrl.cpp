#include "app/QuilloryTabCtrl.h"

#include "app/AlbumPageOwner.h"
#include "app/QuilloryDlgList.h"
#include "collection/Album.h"
#include "platform/ListView.h"
#include "platform/TabCtrl.h"
#include "platform/Window.h"

#include <algorithm>

namespace {
// The graphic window keeps its pages to the left of its album panel.
constexpr int kGraphicPageShift = -450;
}  // namespace

CQuilloryTabCtrl::CQuilloryTabCtrl() { m_widths.fill(-1); }

CQuilloryTabCtrl::~CQuilloryTabCtrl() {
  for (auto& page : m_pages)
    if (page) page->DestroyWindow();
}

bool CQuilloryTabCtrl::SubclassDlgItem(int id, ui::Window& owner) {
  m_ctrl = owner.GetTabCtrl(id);
  return m_ctrl != nullptr;
}

std::array<std::string, CQuilloryTabCtrl::TAB_COUNT> CQuilloryTabCtrl::Labels(bool graphique) {
  return {graphique ? "G\xE9n\xE9ral" : "General", "BD euro", "Comics", "Manga"};
}

int CQuilloryTabCtrl::TypeFilter(int tab) {
  switch (tab) {
    case 1: return ALBUM_BD_EURO;
    case 2: return ALBUM_COMIC;
    case 3: return ALBUM_MANGA;
    default: return CQuilloryDlgList::FILTER_ALL;
  }
}

void CQuilloryTabCtrl::Init(CAlbumPageOwner* owner, CGestionBD* gestion, bool graphique) {
  m_pOwner = owner;
  m_pGestion = gestion;
  m_bGraphique = graphique;
  for (auto& page : m_pages) page.reset();
  m_dx = graphique ? kGraphicPageShift : 0;
  m_dy = 0;
}

CQuilloryDlgList* CQuilloryTabCtrl::GetPage(int tab) const {
  if (tab < 0 || tab >= TAB_COUNT || !m_pOwner) return nullptr;
  auto& page = m_pages[std::size_t(tab)];
  if (!page) {
    // Made hidden, as it would stand had it been made at the start and
    // followed every change since.
    page = std::make_unique<CQuilloryDlgList>(*m_pOwner, m_pGestion, m_bGraphique);
    page->Create(&m_pOwner->GetOwnerWindow());
    page->ShowWindow(false);
    if (m_dx != 0 || m_dy != 0) page->MovePage(m_dx, m_dy);
    for (int column = 0; column < int(m_widths.size()); ++column)
      if (m_widths[std::size_t(column)] >= 0 && page->GetList().GetListView())
        page->GetList().GetListView()->SetColumnWidth(column, m_widths[std::size_t(column)]);
  }
  return page.get();
}

CQuilloryDlgList* CQuilloryTabCtrl::GetCurrentPage() const {
  return GetPage(m_ctrl ? m_ctrl->GetCurSel() : -1);
}

void CQuilloryTabCtrl::ShowPage() {
  if (!m_ctrl) return;
  m_nCurrentTab = m_ctrl->GetCurSel();
  CQuilloryDlgList* current = GetPage(m_nCurrentTab);
  if (current && current->IsCreated()) {
    current->Fill(TypeFilter(m_nCurrentTab));
    current->ShowWindow(false);
  }
  const ui::Rect area = m_ctrl->GetDisplayArea();
  for (auto& page : m_pages) {
    if (!page || !page->IsCreated()) continue;
    page->MoveWindow(area);
    page->ShowWindow(false);
  }
  if (current && current->IsCreated()) {
    current->MoveWindow(area);
    current->BringWindowToTop();
    current->ShowWindow(true);
  }
}

void CQuilloryTabCtrl::ResizePages(int dx, int dy) {
  if (!m_ctrl) return;
  ui::Rect r = m_ctrl->GetRect();
  r.right += dx;
  r.bottom += dy;
  m_ctrl->MoveWindow(r);
  m_dx += dx;
  m_dy += dy;
  for (auto& page : m_pages)
    if (page) page->MovePage(dx, dy);
  ShowPage();
}

void CQuilloryTabCtrl::SetColumnWidth(int column, int width) {
  if (column >= 0 && column < int(m_widths.size())) m_widths[std::size_t(column)] = std::max(0, width);
  for (auto& page : m_pages)
    if (page && page->GetList().GetListView()) page->GetList().GetListView()->SetColumnWidth(column, width);
}

int CQuilloryTabCtrl::GetColumnWidth(int column) const {
  const CQuilloryDlgList* first = GetPage(0);
  if (!first) return 0;
  ui::ListView* view = first->GetList().GetListView();
  return view ? view->GetColumnWidth(column) : 0;
}
