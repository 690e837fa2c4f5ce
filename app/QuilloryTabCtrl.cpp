#include "app/QuilloryTabCtrl.h"

#include "app/QuilloryDlgList.h"
#include "collection/Album.h"
#include "platform/ListView.h"
#include "platform/TabCtrl.h"
#include "platform/Window.h"

namespace {
// The graphic window keeps its pages to the left of its album panel.
constexpr int kGraphicPageShift = -450;
}  // namespace

CQuilloryTabCtrl::CQuilloryTabCtrl() = default;

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

void CQuilloryTabCtrl::Init(ui::Window* owner, CGestionBD* gestion, bool graphique) {
  m_pOwner = owner;
  m_pGestion = gestion;
  m_bGraphique = graphique;
  for (auto& page : m_pages) {
    page = std::make_unique<CQuilloryDlgList>(owner, gestion, graphique);
    page->Create(owner);
    if (graphique) page->MovePage(kGraphicPageShift, 0);
  }
}

CQuilloryDlgList* CQuilloryTabCtrl::GetPage(int tab) const {
  return tab >= 0 && tab < TAB_COUNT ? m_pages[tab].get() : nullptr;
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
  for (auto& page : m_pages)
    if (page) page->MovePage(dx, dy);
  ShowPage();
}

void CQuilloryTabCtrl::SetColumnWidth(int column, int width) {
  for (auto& page : m_pages)
    if (page && page->GetList().GetListView()) page->GetList().GetListView()->SetColumnWidth(column, width);
}

int CQuilloryTabCtrl::GetColumnWidth(int column) const {
  const CQuilloryDlgList* first = m_pages[0].get();
  if (!first) return 0;
  ui::ListView* view = first->GetList().GetListView();
  return view ? view->GetColumnWidth(column) : 0;
}
