#include "app/QuilloryDlgList.h"

#include "app/AlbumPageOwner.h"
#include "collection/GestionBD.h"
#include "dialogs/QuilloryAjoutBD.h"
#include "platform/ListView.h"
#include "platform/Menu.h"
#include "platform/Services.h"
#include "platform/TextCompare.h"
#include "resources/Templates.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace {

std::string Collection(const CAlbum& album) {
  return album.GetCollection().empty() ? std::string(kNoValue) : album.GetCollection();
}

}  // namespace

CQuilloryDlgList::CQuilloryDlgList(CAlbumPageOwner& owner, CGestionBD* gestion, bool graphique)
    : ui::Dialog(kDialogQuilloryList, &owner.GetOwnerWindow()),
      m_owner(owner),
      m_pGestion(gestion),
      m_bGraphique(graphique) {
  MapNotify(IDC_LIST_ALBUMS, ui::Notification::ItemClick, &CQuilloryDlgList::OnClickList);
  MapNotify(IDC_LIST_ALBUMS, ui::Notification::ItemChanged, &CQuilloryDlgList::OnItemChangedList);
  MapNotify(IDC_LIST_ALBUMS, ui::Notification::ItemRightClick, &CQuilloryDlgList::OnRightClickList);
  MapNotify(IDC_LIST_ALBUMS, ui::Notification::ItemDoubleClick, &CQuilloryDlgList::OnDblClickList);
  MapCommand(ID_PAGE_MODIFIER, &CQuilloryDlgList::OnModifier);
  MapCommand(ID_PAGE_AJOUTERSUITE, &CQuilloryDlgList::OnAjouterSuite);
  MapCommand(ID_PAGE_SUPPRIMER, &CQuilloryDlgList::OnSupprimer);
}

bool CQuilloryDlgList::OnInitDialog() {
  m_bCtrl = false;
  m_list.SubclassDlgItem(IDC_LIST_ALBUMS, *this);
  m_list.GetListView()->SetFullRowSelect(true);
  m_list.CreateColumns(HEADING);
  m_list.RestoreColumnWidths();
  m_list.SetCellSource([this](std::uintptr_t item, int column) {
    if (!m_pGestion || m_pGestion->GetGeneration() != m_generation) return std::string();
    return CellText(*reinterpret_cast<const CAlbum*>(item), column);
  });
  // No rows yet: the tab control fills a page each time it shows it, so
  // filling the four pages here (5000 rows each) would only slow the start.
  m_list.SortByColumn(0, true);
  if (m_bGraphique) {
    GetDlgItem(IDC_STATIC_COMMENTAIRE)->ShowWindow(false);
    GetDlgItem(IDC_GROUP_COMMENTAIRE)->ShowWindow(false);
  }
  return true;
}

void CQuilloryDlgList::Fill(int typeFilter) {
  std::vector<const CAlbum*> albums;
  std::unordered_set<std::string> series;
  for (int i = 0; m_pGestion && i < m_pGestion->GetAlbumCount(); ++i) {
    const CAlbum* album = m_pGestion->GetAlbum(i);
    if (!album) continue;
    if (typeFilter != FILTER_ALL && album->GetType() != typeFilter) continue;
    // The graphic style lists each series once.
    if (m_bGraphique && !series.insert(album->GetSerie()).second) continue;
    albums.push_back(album);
  }
  ShowAlbums(albums);
}

void CQuilloryDlgList::ShowAlbums(const std::vector<const CAlbum*>& albums) {
  // The selection goes with the rows: so does what the window showed of it.
  const bool hadSelection = m_list.GetNextSelectedItem() >= 0;
  // Each album's series, series equal without regard to case being one;
  // albums of a series mostly follow one another, so a series is looked up
  // once per run of them.
  std::unordered_map<std::string, int> seriesOf;
  std::vector<const std::string*> names;  // each series as first spelled
  std::vector<int> seriesOfAlbum(albums.size());
  const std::string* lastSerie = nullptr;
  int series = 0;
  for (std::size_t i = 0; i < albums.size(); ++i) {
    const std::string& serie = albums[i]->GetSerie();
    if (!lastSerie || *lastSerie != serie) {
      auto [at, added] = seriesOf.try_emplace(ui::ToLower1252(serie), int(names.size()));
      if (added) names.push_back(&serie);
      series = at->second;
      lastSerie = &serie;
    }
    seriesOfAlbum[i] = series;
  }
  // The series in the list's order (no two compare equal), then each
  // album placed after the albums of the series before its own.
  std::vector<std::pair<std::string, int>> keys(names.size());
  for (std::size_t k = 0; k < names.size(); ++k) keys[k] = {ui::CompareKey(*names[k]), int(k)};
  std::sort(keys.begin(), keys.end());
  std::vector<int> order(names.size());
  for (std::size_t k = 0; k < keys.size(); ++k) order[k] = keys[k].second;
  std::vector<std::size_t> next(names.size() + 1, 0);
  std::vector<int> rank(names.size());
  for (std::size_t k = 0; k < order.size(); ++k) rank[std::size_t(order[k])] = int(k);
  for (int s : seriesOfAlbum) ++next[std::size_t(rank[std::size_t(s)]) + 1];
  for (std::size_t k = 1; k < next.size(); ++k) next[k] += next[k - 1];
  std::vector<std::uintptr_t> rows(albums.size());
  for (std::size_t i = 0; i < albums.size(); ++i)
    rows[next[std::size_t(rank[std::size_t(seriesOfAlbum[i])])]++] =
        reinterpret_cast<std::uintptr_t>(albums[i]);
  m_generation = m_pGestion ? m_pGestion->GetGeneration() : 0;
  m_list.SetRows(rows);
  if (hadSelection && !m_bGraphique) ShowSelection(-1);
}

std::string CQuilloryDlgList::CellText(const CAlbum& a, int column) {
  switch (column) {
    case 0: return a.GetSerie();
    case 1: return a.GetTitre();
    case 2: return std::to_string(a.GetTome());
    case 3: return a.GetScenariste();
    case 4: return a.GetDessinateur();
    case 5: return a.GetEditeur();
    case 6: return a.GetEO() == 1 ? "Oui" : (a.GetEO() == 0 ? "Non" : "");
    case 7: return a.GetGenre();
    case 8: return Collection(a);
    case 9: return std::to_string(a.GetNote());
    default: return std::string();
  }
}

void CQuilloryDlgList::MovePage(int dx, int dy) {
  for (int id : {IDC_GROUP_COMMENTAIRE, IDC_STATIC_COMMENTAIRE}) {
    ui::Control* c = GetDlgItem(id);
    ui::Rect r = c->GetRect();
    r.Offset(dx, dy);
    c->MoveWindow(r);
  }
  ui::ListView* view = m_list.GetListView();
  ui::Rect r = view->GetRect();
  r.right += dx;
  r.bottom += dy;
  view->MoveWindow(r);
}

CAlbum* CQuilloryDlgList::FindRowAlbum(int row) const {
  const int index = FindRowAlbumIndex(row);
  return index >= 0 ? m_pGestion->GetAlbum(index) : nullptr;
}

int CQuilloryDlgList::FindRowAlbumIndex(int row) const {
  if (!m_pGestion || row < 0) return -1;
  const std::string serie = m_list.GetItemText(row, 0);
  const std::string titre = m_list.GetItemText(row, 1);
  const int tome = std::atoi(m_list.GetItemText(row, 2).c_str());
  for (int i = 0; i < m_pGestion->GetAlbumCount(); ++i) {
    const CAlbum* album = m_pGestion->GetAlbum(i);
    if (album && album->GetSerie() == serie && album->GetTitre() == titre &&
        album->GetTome() == tome)
      return i;
  }
  return -1;
}

// ---- Album commands ----

bool CQuilloryDlgList::RunEntryDialog(bool nextVolume, const char* noRowMessage) {
  const int row = m_list.GetNextSelectedItem();
  if (row < 0) {
    ui::AfxMessageBox(noRowMessage);
    return false;
  }
  CQuilloryAjoutBD dlg(&m_owner.GetOwnerWindow(), m_pGestion,
                       nextVolume ? CQuilloryAjoutBD::MODE_SUITE : row, m_list.GetItemText(row, 1),
                       m_list.GetItemText(row, 0), std::atoi(m_list.GetItemText(row, 2).c_str()));
  dlg.DoModal();
  return true;
}

// The album commands are the list style's: a series page has none.
void CQuilloryDlgList::OnModifier() {
  m_bCtrl = false;
  if (m_bGraphique || !RunEntryDialog(false, MSG_RESELECT)) return;
  m_owner.OnPageAlbumsChanged(false);
}

void CQuilloryDlgList::OnDblClickList(const ui::NotifyInfo&) {
  if (m_bGraphique || !RunEntryDialog(false, MSG_RESELECT_DBLCLK)) return;
  // A modification by double-click is written at once.
  m_owner.OnPageAlbumsChanged(true);
}

void CQuilloryDlgList::OnAjouterSuite() {
  m_bCtrl = false;
  if (m_bGraphique || !RunEntryDialog(true, MSG_RESELECT)) return;
  m_owner.OnPageAlbumsChanged(false);
}

void CQuilloryDlgList::OnSupprimer() {
  m_bCtrl = false;
  if (m_bGraphique) return;
  const int row = m_list.GetNextSelectedItem();
  if (row < 0) {
    ui::AfxMessageBox(MSG_RESELECT);
    return;
  }
  if (ui::AfxMessageBox(MSG_DELETE_QUESTION, ui::MB_YESNO) != ui::IDYES) return;
  const int index = FindRowAlbumIndex(row);
  if (index < 0 || m_pGestion->RemoveAlbum(index) != 1) {
    ui::AfxMessageBox(MSG_DELETE_FAILED);
    return;
  }
  ui::AfxMessageBox(MSG_DELETED);
  m_pGestion->RebuildSeries();
  m_owner.OnPageAlbumsChanged(false);
}

void CQuilloryDlgList::OnRightClickList(const ui::NotifyInfo&) {
  if (m_bGraphique) {
    // A series page: the series commands are the main window's.
    ui::Menu menu(kMenuPopupSerie);
    ui::TrackPopupMenu(*menu.GetSubMenu(0), m_owner.GetOwnerWindow());
    m_bCtrl = false;
    return;
  }
  ui::Menu menu(kMenuPage);
  ui::TrackPopupMenu(*menu.GetSubMenu(0), *this);
}

bool CQuilloryDlgList::PreTranslateSeries(const ui::Message& msg) {
  ui::Window& window = m_owner.GetOwnerWindow();
  switch (msg.key) {
    case ui::VK_CONTROL:
      return true;
    case ui::VK_DELETE:
      window.SendCommand(ID_SERIE_SUPPRIMER);
      return true;
    case 'A':
    case 'S':
      if (!m_bCtrl) return false;
      m_bCtrl = false;
      window.SendCommand(msg.key == 'A' ? ID_GESTION_NOUVELLESERIE : ID_GESTION_ENREGISTRER);
      return true;
    default:
      return false;
  }
}

bool CQuilloryDlgList::PreTranslateMessage(const ui::Message& msg) {
  // Shortcuts while Ctrl is held only: a Ctrl pressed and released earlier
  // leaves nothing armed. The window takes the keys the page leaves.
  if (msg.kind == ui::MessageKind::KeyUp && msg.key == ui::VK_CONTROL) m_bCtrl = false;
  if (msg.kind != ui::MessageKind::KeyDown) return false;
  m_bCtrl = msg.ctrlDown || msg.key == ui::VK_CONTROL;
  if (m_bGraphique) return PreTranslateSeries(msg);
  ui::Window& window = m_owner.GetOwnerWindow();
  switch (msg.key) {
    case ui::VK_RETURN:
      window.SendCommand(IDC_BUTTON_RECHERCHE);
      return true;
    case ui::VK_CONTROL:
      return true;
    case 'M':
    case 'D':
    case 'N':
    case 'S':
      if (!m_bCtrl) return false;
      m_bCtrl = false;
      if (msg.key == 'S') {
        window.SendCommand(ID_GESTION_ENREGISTRER);
      } else {
        // The page's commands of its context menu.
        SendCommand(msg.key == 'M' ? ID_PAGE_MODIFIER
                                   : msg.key == 'D' ? ID_PAGE_SUPPRIMER : ID_PAGE_AJOUTERSUITE);
      }
      return true;
    default:
      return false;
  }
}

void CQuilloryDlgList::OnClickList(const ui::NotifyInfo& info) { ShowSelection(info.row); }

void CQuilloryDlgList::OnItemChangedList(const ui::NotifyInfo& info) {
  if (m_owner.IsClosing() || m_owner.IsResizing()) return;
  // A series page: only a row that becomes selected changes what the window shows.
  if (m_bGraphique && !(info.newState & ui::LVIS_SELECTED)) return;
  ShowSelection(info.row);
}

void CQuilloryDlgList::ShowSelection(int hitRow) {
  // An album row clicked in the list style ends a Ctrl shortcut of the page.
  const bool albumRow = !m_bGraphique && hitRow >= 0 && m_list.GetNextSelectedItem() >= 0;
  m_owner.OnPageSelection(*this, hitRow);
  if (albumRow) m_bCtrl = false;
}
