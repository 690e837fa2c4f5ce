#include "app/QuilloryDlgtypeGraph.h"

#include "app/MainWindowCommands.h"
#include "app/QuilloryDlgList.h"
#include "collection/GestionBD.h"
#include "dialogs/AboutDlg2.h"
#include "dialogs/QuilloryAjoutBD.h"
#include "dialogs/QuilloryRenameDlg.h"
#include "dialogs/QuillorySeconPicDlg.h"
#include "export/WebLinks.h"
#include "platform/ListView.h"
#include "platform/Menu.h"
#include "platform/Services.h"
#include "resources/Templates.h"

#include <cstdio>
#include <cstdlib>

namespace {

// The labels of the details panel, hidden until an album is shown.
constexpr int kDetailLabels[] = {IDC_LABEL_DESSIN, IDC_LABEL_SCENARIO,   IDC_LABEL_GENRE,
                                 IDC_LABEL_EDITEUR, IDC_LABEL_COLLECTION, IDC_LABEL_COMMENTAIRE,
                                 IDC_LABEL_SERIE,  IDC_LABEL_TOME,       IDC_LABEL_EO,
                                 IDC_LABEL_NOTE,   IDC_LABEL_TITRE};

// The value controls of the details panel.
constexpr int kDetailValues[] = {IDC_VALUE_SERIE, IDC_VALUE_TITRE, IDC_VALUE_TOME,
                                 IDC_VALUE_NOTE,  IDC_VALUE_EO,    IDC_VALUE_SCENARIO,
                                 IDC_VALUE_DESSIN, IDC_VALUE_GENRE, IDC_VALUE_EDITEUR,
                                 IDC_VALUE_COLLECTION, IDC_VALUE_COMMENTAIRE};

// The type counters at the top right, with their labels.
constexpr int kCounters[] = {IDC_STATIC_NBBD,    IDC_EDIT_NBBD,    IDC_STATIC_NBCOMIC,
                             IDC_EDIT_NBCOMIC,   IDC_STATIC_NBMANGA, IDC_EDIT_NBMANGA};

// Value controls that grow with the window's width.
constexpr int kWideValues[] = {IDC_VALUE_SERIE,  IDC_VALUE_TITRE,    IDC_VALUE_COMMENTAIRE,
                               IDC_STATIC_ENPRET, IDC_VALUE_DESSIN,  IDC_VALUE_SCENARIO,
                               IDC_VALUE_COLLECTION, IDC_VALUE_EDITEUR, IDC_VALUE_GENRE};

// The volume as the album list shows it: at least two digits.
std::string VolumeText(int tome) {
  char text[16];
  std::snprintf(text, sizeof text, tome > 9 ? "%d" : "0%d", tome);
  return text;
}

}  // namespace

CQuilloryDlgtypeGraph::CQuilloryDlgtypeGraph(ui::Window* parent, int style,
                                             std::string programFolder)
    : CQuilloryMainWindow(kDialogQuilloryGraph, parent, style, std::move(programFolder), true) {
  MapCommand(ID_SERIE_AJOUTER, &CQuilloryDlgtypeGraph::OnNouvelleSerie);
  MapCommand(ID_PAGE_AJOUTERSUITE, &CQuilloryDlgtypeGraph::OnAjouterSuite);
  MapCommand(ID_PAGE_MODIFIER, &CQuilloryDlgtypeGraph::OnModifier);
  MapCommand(ID_PAGE_SUPPRIMER, &CQuilloryDlgtypeGraph::OnSupprimer);
  MapCommand(ID_SERIE_RENOMMER, &CQuilloryDlgtypeGraph::OnRenommerSerie);
  MapCommand(ID_SERIE_SUPPRIMER, &CQuilloryDlgtypeGraph::OnSupprimerSerie);
  MapCommand(IDC_BUTTON_MODIFIER, &CQuilloryDlgtypeGraph::OnModifier);
  MapCommand(IDC_BUTTON_IMAGE2, &CQuilloryDlgtypeGraph::OnImageAssociee);
  MapCommand(ID_WEB_SITE, &CQuilloryDlgtypeGraph::OnSiteWeb);
  MapNotify(IDC_TAB, ui::Notification::TabSelChange, &CQuilloryDlgtypeGraph::OnSelchangeTab);
  MapNotify(IDC_LIST_SERIE_ALBUMS, ui::Notification::ItemClick, &CQuilloryDlgtypeGraph::OnClickAlbum);
  MapNotify(IDC_LIST_SERIE_ALBUMS, ui::Notification::ItemChanged,
            &CQuilloryDlgtypeGraph::OnItemChangedAlbum);
  MapNotify(IDC_LIST_SERIE_ALBUMS, ui::Notification::ItemDoubleClick,
            &CQuilloryDlgtypeGraph::OnDblClickAlbum);
  MapNotify(IDC_LIST_SERIE_ALBUMS, ui::Notification::ItemRightClick,
            &CQuilloryDlgtypeGraph::OnRClickAlbum);
}

CQuilloryDlgtypeGraph::~CQuilloryDlgtypeGraph() = default;

bool CQuilloryDlgtypeGraph::OnInitDialog() {
  CQuilloryMainWindow::OnInitDialog();
  // Smaller, the panels would run into one another (their labels and
  // buttons keep their places): the window is no smaller than its layout.
  SetMinClientSize(ui::Size{m_rcClient.Width(), m_rcClient.Height()});

  // The pages list series: only the series column is shown.
  m_tab.SetColumnWidth(0, 200);
  for (int column = 1; column < 10; ++column) m_tab.HideColumn(column);
  GetMenu()->EnableMenuItem(ID_CONFIG_LISTES, false);

  m_listAlbums.SubclassDlgItem(IDC_LIST_SERIE_ALBUMS, *this);
  m_listAlbums.GetListView()->SetFullRowSelect(true);
  m_listAlbums.CreateColumns("T,35;Albums,240");
  m_listAlbums.RestoreColumnWidths();

  ShowAlbumList(FirstSerieOfPage());
  ShowAlbumDetails(0);
  m_bModifie = false;
  return true;
}

void CQuilloryDlgtypeGraph::ShowTypeCounters() {
  SetDlgItemText(IDC_EDIT_NBBD, std::to_string(m_pGestion->GetNbEuro()));
  SetDlgItemText(IDC_EDIT_NBCOMIC, std::to_string(m_pGestion->GetNbComic()));
  SetDlgItemText(IDC_EDIT_NBMANGA, std::to_string(m_pGestion->GetNbManga()));
}

std::string CQuilloryDlgtypeGraph::FirstSerieOfPage() const {
  CQuilloryDlgList* page = m_tab.GetCurrentPage();
  if (!page || page->GetList().GetItemCount() == 0) return std::string();
  return page->GetList().GetItemText(0, 0);
}

// ---- Display ----

void CQuilloryDlgtypeGraph::ShowAlbumList(const std::string& serie) {
  m_listAlbums.DeleteAllItems();
  for (int i = 0; i < m_pGestion->GetAlbumCount(); ++i) {
    const CAlbum* album = m_pGestion->GetAlbum(i);
    if (album && album->GetSerie() == serie)
      m_listAlbums.AppendRow(VolumeText(album->GetTome()), album->GetTitre());
  }
  m_strSerieCourante = serie;
  ShowAlbumDetails(0);
}

CAlbum* CQuilloryDlgtypeGraph::FindRowAlbum(int row) const {
  if (row < 0 || row >= m_listAlbums.GetItemCount()) return nullptr;
  const int tome = std::atoi(m_listAlbums.GetItemText(row, 0).c_str());
  const std::string titre = m_listAlbums.GetItemText(row, 1);
  for (int i = 0; i < m_pGestion->GetAlbumCount(); ++i) {
    CAlbum* album = m_pGestion->GetAlbum(i);
    if (album && album->GetTitre() == titre && album->GetSerie() == m_strSerieCourante &&
        album->GetTome() == tome)
      return album;
  }
  return nullptr;
}

void CQuilloryDlgtypeGraph::ShowNoAlbum() {
  for (int id : kDetailLabels) GetDlgItem(id)->ShowWindow(false);
  for (int id : kDetailValues) GetDlgItem(id)->ShowWindow(false);
  GetDlgItem(IDC_BUTTON_MODIFIER)->ShowWindow(false);
  GetDlgItem(IDC_STATIC_ENPRET)->ShowWindow(false);
  ShowLoanControls(false);
}

void CQuilloryDlgtypeGraph::ShowAlbumDetails(int row) {
  m_bImage = false;
  const CAlbum* album = FindRowAlbum(row);
  // No album (an empty series, a deleted one): the panel shows none rather
  // than the one shown before.
  if (!album) ShowNoAlbum();
  if (album) {
    for (int id : kDetailLabels) GetDlgItem(id)->ShowWindow(true);
    GetDlgItem(IDC_BUTTON_MODIFIER)->ShowWindow(true);
    const std::pair<int, const std::string*> texts[] = {
        {IDC_VALUE_SERIE, &album->GetSerie()},           {IDC_VALUE_TITRE, &album->GetTitre()},
        {IDC_VALUE_SCENARIO, &album->GetScenariste()},   {IDC_VALUE_DESSIN, &album->GetDessinateur()},
        {IDC_VALUE_GENRE, &album->GetGenre()},           {IDC_VALUE_EDITEUR, &album->GetEditeur()},
        {IDC_VALUE_COLLECTION, &album->GetCollection()}, {IDC_VALUE_COMMENTAIRE, &album->GetCommentaire()}};
    for (const auto& [id, value] : texts) {
      // An album read from an old file may have no collection at all.
      const bool missing = *value == kNoValue || value->empty();
      GetDlgItem(id)->ShowWindow(!missing);
      if (!missing) SetDlgItemText(id, *value);
    }
    SetDlgItemText(IDC_VALUE_TOME, std::to_string(album->GetTome()));
    SetDlgItemText(IDC_VALUE_NOTE, std::to_string(album->GetNote()));
    SetDlgItemText(IDC_VALUE_EO, album->GetEO() == 1 ? "Oui" : "Non");
    for (int id : {IDC_VALUE_TOME, IDC_VALUE_NOTE, IDC_VALUE_EO}) GetDlgItem(id)->ShowWindow(true);
    GetDlgItem(IDC_STATIC_ENPRET)->ShowWindow(album->GetPretA() != kNoValue);
    ShowLoanOf(*album);
    if (album->GetPicture() != kNoValue) ShowAlbumPicture(album->GetPicture());
  }
  if (!m_bImage) ShowPlaceholderPicture();
  if (album) ShowLoanControls(true);
}

void CQuilloryDlgtypeGraph::OnSelectSerie(int row) {
  m_bImage = false;
  if (row < 0) {
    ShowLoanControls(false);
    ShowPictureFrame(false);
    return;
  }
  CQuilloryDlgList* page = m_tab.GetCurrentPage();
  if (!page) return;
  const int selected = page->GetList().GetNextSelectedItem();
  if (selected < 0) return;
  ShowAlbumList(page->GetList().GetItemText(selected, 0));
}

void CQuilloryDlgtypeGraph::RefreshAfterChange() {
  CQuilloryMainWindow::RefreshAfterChange();
  ShowAlbumList(m_strSerieCourante);
}

void CQuilloryDlgtypeGraph::RefreshAfterNewAlbum() {
  CQuilloryMainWindow::RefreshAfterChange();
  // The new album is the last of the table; a cancelled entry on an empty
  // collection leaves the current series as it was.
  if (m_pGestion->GetAlbumCount() > 0)
    m_strSerieCourante = m_pGestion->GetAlbum(m_pGestion->GetAlbumCount() - 1)->GetSerie();
  ShowAlbumList(m_strSerieCourante);
  ShowAlbumDetails(0);
}

void CQuilloryDlgtypeGraph::RefreshAfterReload() {
  CQuilloryMainWindow::RefreshAfterChange();
  ShowAlbumList(FirstSerieOfPage());
}

// ---- Messages ----

void CQuilloryDlgtypeGraph::OnReturnKey() {
  // Typed in the search box, Return searches, whatever album is selected.
  const ui::Control* focus = GetFocus();
  const bool inSearch = focus && focus->GetDlgCtrlID() == IDC_EDIT_RECHERCHE;
  if (!inSearch && m_listAlbums.GetNextSelectedItem() >= 0)
    OnModifier();
  else
    OnRecherche();
}

bool CQuilloryDlgtypeGraph::OnDeleteKey() {
  // In the search box the key edits the text.
  const ui::Control* focus = GetFocus();
  if (focus && focus->GetKind() == ui::ControlKind::Edit) return false;
  OnSupprimer();
  return true;
}

void CQuilloryDlgtypeGraph::RunAboutBox() {
  CAboutDlg2 about(this);
  about.DoModal();
}

void CQuilloryDlgtypeGraph::GrowControl(int id, int dx, int dy) {
  ui::Control* c = GetDlgItem(id);
  ui::Rect r = c->GetRect();
  r.right += dx;
  r.bottom += dy;
  c->MoveWindow(r);
}

void CQuilloryDlgtypeGraph::LayOut(int dx, int dy) {
  // The three counters keep together at the top right.
  if (dx != 0)
    for (int id : kCounters) MoveControl(id, dx, 0);
  for (int id : {IDC_GROUP_SERIES, IDC_GROUP_ALBUMS, IDC_LIST_SERIE_ALBUMS}) GrowControl(id, 0, dy);
  GrowControl(IDC_GROUP_DETAILS, dx, dy);
  for (int id : kWideValues) GrowControl(id, dx, 0);
  m_tab.ResizePages(0, dy);
}

void CQuilloryDlgtypeGraph::OnSelchangeTab() {
  m_bCtrl = false;
  m_tab.ShowPage();
  ShowLoanControls(false);
  ShowAlbumList(FirstSerieOfPage());
  ShowAlbumDetails(0);
}

void CQuilloryDlgtypeGraph::OnClickAlbum(const ui::NotifyInfo& info) {
  if (info.row < 0) {
    // No album selected: none shown.
    ShowNoAlbum();
    ShowPictureFrame(false);
    return;
  }
  const int row = m_listAlbums.GetNextSelectedItem();
  if (row >= 0) ShowAlbumDetails(row);
}

void CQuilloryDlgtypeGraph::OnItemChangedAlbum(const ui::NotifyInfo& info) {
  if (!m_bFermeture && !m_bRedim) OnClickAlbum(info);
  m_bCtrl = false;
}

void CQuilloryDlgtypeGraph::OnDblClickAlbum(const ui::NotifyInfo& info) {
  if (info.row >= 0) OnModifier();
  m_bCtrl = false;
}

void CQuilloryDlgtypeGraph::OnRClickAlbum(const ui::NotifyInfo&) {
  ui::Menu menu(kMenuPage);
  ui::TrackPopupMenu(*menu.GetSubMenu(0), *this);
  m_bCtrl = false;
}

// ---- Series ----

void CQuilloryDlgtypeGraph::OnRenommerSerie() {
  m_bCtrl = false;
  CQuilloryDlgList* page = m_tab.GetCurrentPage();
  const int row = page ? page->GetList().GetNextSelectedItem() : -1;
  if (row < 0) {
    ui::AfxMessageBox(MSG_NO_SERIE);
    return;
  }
  CQuilloryRenameDlg dlg(this, m_pGestion.get(), page->GetList().GetItemText(row, 0),
                         [this](const std::string& nom) { RenommerSerie(nom); });
  dlg.DoModal();
  m_tab.ShowPage();
  ShowAlbumList(m_strSerieCourante);
  ShowAlbumDetails(0);
}

void CQuilloryDlgtypeGraph::RenommerSerie(const std::string& nouveauNom) {
  for (int i = 0; i < m_pGestion->GetAlbumCount(); ++i) {
    CAlbum* album = m_pGestion->GetAlbum(i);
    if (album && album->GetSerie() == m_strSerieCourante) album->SetSerie(nouveauNom);
  }
  m_strSerieCourante = nouveauNom;
  m_pGestion->RebuildSeries();
  m_bModifie = true;
}

void CQuilloryDlgtypeGraph::OnSupprimerSerie() {
  m_bCtrl = false;
  CQuilloryDlgList* page = m_tab.GetCurrentPage();
  const int row = page ? page->GetList().GetNextSelectedItem() : -1;
  if (row < 0) {
    ui::AfxMessageBox(MSG_NO_SERIE);
    return;
  }
  const std::string serie = page->GetList().GetItemText(row, 0);
  if (ui::AfxMessageBox(MainWindowCommands::Format(MSG_DELETE_SERIE_QUESTION, serie),
                        ui::MB_YESNO) != ui::IDYES)
    return;
  // The series of the row asked about, which a click has made the current one.
  m_strSerieCourante = serie;
  int result = 1;
  for (int i = 0; i < m_pGestion->GetAlbumCount();) {
    const CAlbum* album = m_pGestion->GetAlbum(i);
    if (album && album->GetSerie() == m_strSerieCourante) {
      result = m_pGestion->RemoveAlbum(i);
      if (!result) break;
    } else {
      ++i;
    }
  }
  if (!result) {
    ui::AfxMessageBox(MSG_SERIE_DELETE_FAILED);
    return;
  }
  ui::AfxMessageBox(MSG_SERIE_DELETED);
  m_pGestion->RebuildSeries();
  m_bModifie = true;
  RefreshAfterChange();
}

// ---- Albums ----

void CQuilloryDlgtypeGraph::OnAjouterSuite() {
  m_bCtrl = false;
  const int row = m_listAlbums.GetNextSelectedItem();
  if (row < 0) {
    ui::AfxMessageBox(MSG_NO_ALBUM);
    return;
  }
  CQuilloryAjoutBD dlg(this, m_pGestion.get(), CQuilloryAjoutBD::MODE_SUITE,
                       m_listAlbums.GetItemText(row, 1), m_strSerieCourante,
                       std::atoi(m_listAlbums.GetItemText(row, 0).c_str()));
  dlg.DoModal();
  m_bModifie = true;
  RefreshAfterChange();
}

// Also the button "Modifier": the modified album is shown again either way.
void CQuilloryDlgtypeGraph::OnModifier() {
  m_bCtrl = false;
  const int row = m_listAlbums.GetNextSelectedItem();
  if (row < 0) {
    ui::AfxMessageBox(MSG_NO_ALBUM);
    return;
  }
  CQuilloryAjoutBD dlg(this, m_pGestion.get(), row, m_listAlbums.GetItemText(row, 1),
                       m_strSerieCourante, std::atoi(m_listAlbums.GetItemText(row, 0).c_str()));
  dlg.DoModal();
  m_pGestion->RebuildSeries();
  m_bModifie = true;
  m_tab.ShowPage();
  // The modified album stays the selected one, shown, wherever its volume
  // (or its series) now puts it.
  const CAlbum* modified = dlg.GetMode() >= 0 ? m_pGestion->GetAlbum(dlg.GetMode()) : nullptr;
  ShowAlbumList(modified ? modified->GetSerie() : m_strSerieCourante);
  for (int r = 0; modified && r < m_listAlbums.GetItemCount(); ++r) {
    if (FindRowAlbum(r) != modified) continue;
    m_listAlbums.GetListView()->SetItemState(r, ui::LVIS_SELECTED | ui::LVIS_FOCUSED,
                                             ui::LVIS_SELECTED | ui::LVIS_FOCUSED);
    m_listAlbums.GetListView()->EnsureVisible(r);
    ShowAlbumDetails(r);
    break;
  }
}

void CQuilloryDlgtypeGraph::OnSupprimer() {
  m_bCtrl = false;
  const int row = m_listAlbums.GetNextSelectedItem();
  if (row < 0) {
    ui::AfxMessageBox(MSG_NO_ALBUM);
    return;
  }
  if (ui::AfxMessageBox(MSG_DELETE_QUESTION, ui::MB_YESNO) != ui::IDYES) return;
  int result = 1;
  if (const CAlbum* album = FindRowAlbum(row)) {
    for (int i = 0; i < m_pGestion->GetAlbumCount(); ++i)
      if (m_pGestion->GetAlbum(i) == album) {
        result = m_pGestion->RemoveAlbum(i);
        break;
      }
  }
  if (!result) {
    ui::AfxMessageBox(MSG_DELETE_FAILED);
    return;
  }
  ui::AfxMessageBox(MSG_DELETED);
  m_pGestion->RebuildSeries();
  m_bModifie = true;
  RefreshAfterChange();
}

void CQuilloryDlgtypeGraph::OnImageAssociee() {
  m_bImage = false;
  const int row = m_listAlbums.GetNextSelectedItem();
  if (row < 0) {
    ui::AfxMessageBox(MSG_NO_ALBUM);
    return;
  }
  CAlbum* album = FindRowAlbum(row);
  if (!album) {
    ui::AfxMessageBox(MSG_BAD_SLOT);
    return;
  }
  const std::string before = album->GetPicture2();
  CQuillorySeconPicDlg dlg(this, album, m_szRepertoire);
  dlg.DoModal();
  if (album->GetPicture2() != before) m_bModifie = true;
}

void CQuilloryDlgtypeGraph::ShowAlbumLent() { GetDlgItem(IDC_STATIC_ENPRET)->ShowWindow(true); }

void CQuilloryDlgtypeGraph::OnSiteWeb() {
  m_bCtrl = false;
  WebLinks::OnSiteWeb(true);  // this window links to the collectors' forum
}
