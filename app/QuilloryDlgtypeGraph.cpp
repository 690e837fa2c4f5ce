#include "app/QuilloryDlgtypeGraph.h"

#include "app/ImpressionListe.h"
#include "app/MainWindowCommands.h"
#include "app/QuilloryDlg.h"
#include "app/QuilloryDlgList.h"
#include "collection/Cp1252.h"
#include "collection/DataPath.h"
#include "collection/GestionBD.h"
#include "dialogs/AboutDlg2.h"
#include "dialogs/ChooseFile.h"
#include "dialogs/QuilloryBlocNote.h"
#include "dialogs/QuilloryComicLinkDlg.h"
#include "dialogs/QuillorySerieASuivre.h"
#include "dialogs/QuilloryStatAchat.h"
#include "dialogs/QuilloryStatDlg.h"
#include "dialogs/QuilloryStatEditDlg.h"
#include "dialogs/QuilloryAjoutBD.h"
#include "dialogs/QuilloryAlbumsManquants.h"
#include "dialogs/QuilloryPret.h"
#include "dialogs/SaveFailure.h"
#include "dialogs/QuilloryRenameDlg.h"
#include "dialogs/QuillorySeconPicDlg.h"
#include "dialogs/QuilloryStatPret.h"
#include "export/CollectionExport.h"
#include "export/NewsFeed.h"
#include "export/WebLinks.h"
#include "platform/Button.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/Services.h"
#include "platform/TabCtrl.h"
#include "resources/Templates.h"

#include <cstdio>
#include <cstdlib>
#include <unordered_set>

namespace {

// The tab control keeps its distance to every side of the window (set up as
// in the list style, though the layout below moves it itself).
const ResizeInfo kResize[] = {
    {IDC_TAB, {ANCHOR_OFFSET, IDC_MAIN, SIDE_LEFT}, {ANCHOR_OFFSET, IDC_MAIN, SIDE_TOP},
     {ANCHOR_OFFSET, IDC_MAIN, SIDE_RIGHT}, {ANCHOR_OFFSET, IDC_MAIN, SIDE_BOTTOM}}};

constexpr int kLoanControls[] = {IDC_EDIT_PRETA, IDC_STATIC_PRETA, IDC_BUTTON_PRET,
                                 IDC_EDIT_DATEPRET, IDC_STATIC_DATEPRET};

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

constexpr const char* kPlaceholder = "data/AddPicture.bmp";

std::string Format(const char* pattern, const std::string& value) {
  std::string text(pattern);
  std::size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, value);
  return text;
}

// The volume as the album list shows it: at least two digits.
std::string VolumeText(int tome) {
  char text[16];
  std::snprintf(text, sizeof text, tome > 9 ? "%d" : "0%d", tome);
  return text;
}

}  // namespace

CQuilloryDlgtypeGraph::CQuilloryDlgtypeGraph(ui::Window* parent, int style,
                                             std::string programFolder)
    : ui::Dialog(kDialogQuilloryGraph, parent),
      m_szRepertoire(std::move(programFolder)),
      m_bGraphique(style != 0) {
  MapCommand(IDC_BUTTON_RECHERCHE, &CQuilloryDlgtypeGraph::OnRecherche);
  MapCommand(ID_GESTION_NOUVELLESERIE, &CQuilloryDlgtypeGraph::OnNouvelleSerie);
  MapCommand(ID_SERIE_AJOUTER, &CQuilloryDlgtypeGraph::OnNouvelleSerie);
  MapCommand(ID_PAGE_AJOUTERSUITE, &CQuilloryDlgtypeGraph::OnAjouterSuite);
  MapCommand(ID_PAGE_MODIFIER, &CQuilloryDlgtypeGraph::OnModifier);
  MapCommand(ID_PAGE_SUPPRIMER, &CQuilloryDlgtypeGraph::OnSupprimer);
  MapCommand(ID_SERIE_RENOMMER, &CQuilloryDlgtypeGraph::OnRenommerSerie);
  MapCommand(ID_SERIE_SUPPRIMER, &CQuilloryDlgtypeGraph::OnSupprimerSerie);
  MapCommand(IDC_BUTTON_MODIFIER, &CQuilloryDlgtypeGraph::OnModifier);
  MapCommand(IDC_BUTTON_IMAGE2, &CQuilloryDlgtypeGraph::OnImageAssociee);
  MapCommand(IDC_PICTURE, &CQuilloryDlgtypeGraph::OnChangeImage);
  MapCommand(IDC_BUTTON_PRET, &CQuilloryDlgtypeGraph::OnOkPret);
  MapCommand(ID_OUTILS_LISTEPRETS, &CQuilloryDlgtypeGraph::OnListePrets);
  MapCommand(ID_STAT_PRETEES, &CQuilloryDlgtypeGraph::OnStatPrets);
  MapCommand(ID_IMPORTER_CSV, &CQuilloryDlgtypeGraph::OnImporterCsv);
  MapCommand(ID_GESTION_ENREGISTRER, &CQuilloryDlgtypeGraph::OnEnregistrer);
  MapCommand(ID_GESTION_ENREGISTRERSOUS, &CQuilloryDlgtypeGraph::OnEnregistrerSous);
  MapCommand(ID_GESTION_RESTORER, &CQuilloryDlgtypeGraph::OnRestorer);
  MapCommand(ID_EXPORTER_CSV, &CQuilloryDlgtypeGraph::OnExporterCsv);
  MapCommand(ID_STYLE_LISTE, &CQuilloryDlgtypeGraph::OnStyleListe);
  MapCommand(ID_STYLE_GRAPHIQUE, &CQuilloryDlgtypeGraph::OnStyleGraphique);
  MapCommand(ID_WEB_SITE, &CQuilloryDlgtypeGraph::OnSiteWeb);
  MapCommand(ID_EXPORTER_HTML, &CQuilloryDlgtypeGraph::OnExportHtml);
  MapCommand(ID_WEB_SORTIEBD, &CQuilloryDlgtypeGraph::OnSortieBD);
  MapCommand(ID_CONFIG_WEB, &CQuilloryDlgtypeGraph::OnConfigurationWeb);
  MapCommand(ID_FERMER, &CQuilloryDlgtypeGraph::OnFermer);
  MapCommand(ID_GESTION_IMPRIMER, &CQuilloryDlgtypeGraph::OnImprimer);
  MapCommand(ID_OUTILS_BLOCNOTE, &CQuilloryDlgtypeGraph::OnBlocNote);
  MapCommand(ID_STAT_GENERALES, &CQuilloryDlgtypeGraph::OnStatGenerales);
  MapCommand(ID_STAT_EDITEURS, &CQuilloryDlgtypeGraph::OnStatEditeurs);
  MapCommand(ID_STAT_ACHAT, &CQuilloryDlgtypeGraph::OnStatAchat);
  MapCommand(ID_STAT_ASUIVRE, &CQuilloryDlgtypeGraph::OnSerieASuivre);
  MapCommand(ID_STAT_HISTORIQUECOMICS, &CQuilloryDlgtypeGraph::OnHistoriqueComics);
  MapCommand(ID_STAT_MANQUANTS, &CQuilloryDlgtypeGraph::OnAlbumsManquants);
  MapCommand(ID_APROPOS, &CQuilloryDlgtypeGraph::OnAPropos);
  MapNotify(IDC_TAB, ui::Notification::TabSelChange, &CQuilloryDlgtypeGraph::OnSelchangeTab);
  MapNotify(IDC_TAB, ui::Notification::TabClick, &CQuilloryDlgtypeGraph::OnClickTab);
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
  m_resizer.SetUp(*this, nullptr, kResize, 1);

  MainWindowCommands::AddAboutItemAndIcon(*this);

  m_picture.SubclassDlgItem(IDC_PICTURE, *this);
  ShowLoanControls(false);
  // The same room as the list window gives: a longer loan would make the
  // album's database line too long to be read back.
  GetDlgItem(IDC_EDIT_PRETA)->SetLimitText(field_limits::PRET_A);
  GetDlgItem(IDC_EDIT_DATEPRET)->SetLimitText(field_limits::DATE_PRET);

  m_pGestion = MainWindowCommands::OpenCollection(m_szRepertoire);
  ShowTypeCounters();

  m_tab.SubclassDlgItem(IDC_TAB, *this);
  m_tab.Init(this, m_pGestion.get(), true);
  const auto labels = CQuilloryTabCtrl::Labels(true);
  for (int i = 0; i < CQuilloryTabCtrl::TAB_COUNT; ++i) m_tab.GetTabCtrl()->InsertItem(i, labels[i]);
  m_tab.ShowPage();

  m_bFermeture = false;
  m_bRedim = false;
  m_bInit = true;
  m_rcClient = GetClientRect();
  // Smaller, the panels would run into one another (their labels and
  // buttons keep their places): the window is no smaller than its layout.
  SetMinClientSize(ui::Size{m_rcClient.Width(), m_rcClient.Height()});

  m_proxy = ProxySettings::Load(m_szRepertoire);

  // The pages list series: only the series column is shown.
  m_tab.SetColumnWidth(0, 200);
  for (int column = 1; column < 10; ++column) m_tab.HideColumn(column);

  m_bCtrl = false;
  CheckStyleItems(true);
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

void CQuilloryDlgtypeGraph::ShowLoanControls(bool show) {
  for (int id : kLoanControls) GetDlgItem(id)->ShowWindow(show);
}

void CQuilloryDlgtypeGraph::ShowPlaceholderPicture() {
  m_picture.ShowWindow(true);
  m_picture.ShowFile(DataPath(m_szRepertoire, kPlaceholder), false);
  m_picture.Invalidate();
}

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
    // The loan boxes show who has this album, and since when.
    SetDlgItemText(IDC_EDIT_PRETA, album->IsLent() ? album->GetPretA() : std::string());
    SetDlgItemText(IDC_EDIT_DATEPRET, album->IsLent() && album->GetDatePret() != kNoValue
                                          ? album->GetDatePret()
                                          : std::string());
    if (album->GetPicture() != kNoValue) {
      m_picture.ShowWindow(true);
      if (!m_picture.ShowFile(DataPath(m_szRepertoire, album->GetPicture()), false))
        m_picture.ShowFile(DataPath(m_szRepertoire, kPlaceholder), false);
      m_picture.Invalidate();
      m_bImage = true;
    }
  }
  if (!m_bImage) ShowPlaceholderPicture();
  if (album) ShowLoanControls(true);
}

void CQuilloryDlgtypeGraph::OnSelectSerie(int row) {
  m_bImage = false;
  if (row < 0) {
    ShowLoanControls(false);
    m_picture.ShowWindow(false);
    return;
  }
  CQuilloryDlgList* page = m_tab.GetCurrentPage();
  if (!page) return;
  const int selected = page->GetList().GetNextSelectedItem();
  if (selected < 0) return;
  ShowAlbumList(page->GetList().GetItemText(selected, 0));
}

void CQuilloryDlgtypeGraph::RefreshAfterChange() {
  m_tab.ShowPage();
  ShowTypeCounters();
  ShowAlbumList(m_strSerieCourante);
}

// ---- Messages ----

bool CQuilloryDlgtypeGraph::PreTranslateMessage(const ui::Message& msg) {
  // The Ctrl shortcuts of the menus, from any control of the window, while
  // Ctrl is held: a Ctrl pressed and released earlier leaves nothing armed.
  if (msg.kind == ui::MessageKind::KeyUp && msg.key == ui::VK_CONTROL) m_bCtrl = false;
  if (msg.kind != ui::MessageKind::KeyDown) return false;
  m_bCtrl = msg.ctrlDown || msg.key == ui::VK_CONTROL;
  if (msg.key == ui::VK_RETURN) {
    // Typed in the search box, Return searches, whatever album is selected.
    const ui::Control* focus = GetFocus();
    const bool inSearch = focus && focus->GetDlgCtrlID() == IDC_EDIT_RECHERCHE;
    if (!inSearch && m_listAlbums.GetNextSelectedItem() >= 0)
      OnModifier();
    else
      OnRecherche();
    return true;
  }
  if (msg.key == ui::VK_CONTROL) return true;
  if (msg.key == ui::VK_DELETE) {
    // In the search box the key edits the text.
    const ui::Control* focus = GetFocus();
    if (focus && focus->GetKind() == ui::ControlKind::Edit) return false;
    OnSupprimer();
    return true;
  }
  if (!m_bCtrl) return false;
  switch (msg.key) {
    case 'N': m_bCtrl = false; OnAjouterSuite(); return true;
    case 'M': m_bCtrl = false; OnModifier(); return true;
    case 'D': m_bCtrl = false; OnSupprimer(); return true;
    case 'S': m_bCtrl = false; OnEnregistrer(); return true;
    case 'A': m_bCtrl = false; SendCommand(ID_GESTION_NOUVELLESERIE); return true;
    default: return false;
  }
}

void CQuilloryDlgtypeGraph::OnMove() { m_bCtrl = false; }

void CQuilloryDlgtypeGraph::OnSysCommand(int id) {
  if (id == IDM_ABOUTBOX) {
    CAboutDlg2 about(this);
    about.DoModal();
    return;
  }
  ui::Dialog::OnSysCommand(id);
}

void CQuilloryDlgtypeGraph::MoveControl(int id, int dx, int dy) {
  ui::Control* c = GetDlgItem(id);
  ui::Rect r = c->GetRect();
  r.Offset(dx, dy);
  c->MoveWindow(r);
}

void CQuilloryDlgtypeGraph::GrowControl(int id, int dx, int dy) {
  ui::Control* c = GetDlgItem(id);
  ui::Rect r = c->GetRect();
  r.right += dx;
  r.bottom += dy;
  c->MoveWindow(r);
}

void CQuilloryDlgtypeGraph::OnSize(int cx, int cy) {
  m_bRedim = true;
  ui::Dialog::OnSize(cx, cy);
  // Below this height the panels would overlap: everything stays put.
  if (m_bInit && cy >= MIN_LAYOUT_HEIGHT) {
    const int dx = cx - m_rcClient.Width();
    const int dy = cy - m_rcClient.Height();
    for (int id : {IDC_EDIT_RECHERCHE, IDC_BUTTON_RECHERCHE, IDC_STATIC_RECHERCHE})
      MoveControl(id, dx, dy);
    for (int id : kLoanControls) MoveControl(id, dx, dy);
    // The three counters keep together at the top right.
    if (dx != 0)
      for (int id : kCounters) MoveControl(id, dx, 0);
    for (int id : {IDC_GROUP_SERIES, IDC_GROUP_ALBUMS, IDC_LIST_SERIE_ALBUMS}) GrowControl(id, 0, dy);
    GrowControl(IDC_GROUP_DETAILS, dx, dy);
    for (int id : kWideValues) GrowControl(id, dx, 0);
    m_tab.ResizePages(0, dy);
    m_rcClient = GetClientRect();
  }
  m_bRedim = false;
}

void CQuilloryDlgtypeGraph::OnSelchangeTab() {
  m_bCtrl = false;
  m_tab.ShowPage();
  ShowLoanControls(false);
  ShowAlbumList(FirstSerieOfPage());
  ShowAlbumDetails(0);
}

void CQuilloryDlgtypeGraph::OnClickTab() { m_bCtrl = false; }

void CQuilloryDlgtypeGraph::OnClickAlbum(const ui::NotifyInfo& info) {
  if (info.row < 0) {
    // No album selected: none shown.
    ShowNoAlbum();
    m_picture.ShowWindow(false);
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

void CQuilloryDlgtypeGraph::OnClose() {
  m_bFermeture = true;
  if (m_bModifie && ui::AfxMessageBox(CQuilloryDlg::MSG_SAVE_QUESTION,
                                      ui::MB_YESNO | ui::MB_ICONEXCLAMATION) == ui::IDYES) {
    if (!m_pGestion->Save()) {
      // Closing now would lose the changes: the window stays open.
      ReportSaveFailure(*m_pGestion);
      m_bFermeture = false;
      return;
    }
    m_bModifie = false;
  }
  EndDialog(ui::IDCANCEL);
}

// ---- Series ----

void CQuilloryDlgtypeGraph::OnRecherche() {
  m_bCtrl = false;
  CQuilloryDlgList* page = m_tab.GetCurrentPage();
  if (!page) {
    ui::AfxMessageBox(CQuilloryDlg::MSG_NO_PAGE);
    return;
  }
  const int filter = CQuilloryTabCtrl::TypeFilter(m_tab.GetTabCtrl()->GetCurSel());
  const std::string text = GetDlgItemText(IDC_EDIT_RECHERCHE);
  if (text.empty()) {
    page->Fill(filter);
    return;
  }
  // Letter case and accents aside, as in the list style.
  cp1252::SearchFinder finder(text);
  std::vector<const CAlbum*> found;
  std::unordered_set<std::string> seen;  // each series is looked at once
  for (int i = 0; i < m_pGestion->GetAlbumCount(); ++i) {
    const CAlbum* a = m_pGestion->GetAlbum(i);
    if (!a || (filter != CQuilloryDlgList::FILTER_ALL && a->GetType() != filter)) continue;
    if (seen.insert(a->GetSerie()).second && finder.FoundIn(a->GetSerie())) found.push_back(a);
  }
  page->ShowAlbums(found);
}

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
  if (ui::AfxMessageBox(Format(MSG_DELETE_SERIE_QUESTION, serie), ui::MB_YESNO) != ui::IDYES)
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

void CQuilloryDlgtypeGraph::OnNouvelleSerie() {
  m_bCtrl = false;
  CQuilloryAjoutBD dlg(this, m_pGestion.get(), CQuilloryAjoutBD::MODE_NOUVELLE_SERIE);
  dlg.DoModal();
  m_tab.ShowPage();
  ShowTypeCounters();
  // The new album is the last of the table; a cancelled entry on an empty
  // collection leaves the current series as it was.
  if (m_pGestion->GetAlbumCount() > 0)
    m_strSerieCourante = m_pGestion->GetAlbum(m_pGestion->GetAlbumCount() - 1)->GetSerie();
  ShowAlbumList(m_strSerieCourante);
  ShowAlbumDetails(0);
  m_bCtrl = false;
  m_bModifie = true;
}

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

void CQuilloryDlgtypeGraph::OnChangeImage() {
  m_bCtrl = false;
  const int row = m_listAlbums.GetNextSelectedItem();
  if (row < 0) {
    ui::AfxMessageBox(MSG_PICTURE_REQUIRED);
    ShowLoanControls(false);
    return;
  }
  if (m_bImage && ui::AfxMessageBox(MSG_CHANGE_PICTURE, ui::MB_YESNO) != ui::IDYES) return;
  std::string path;
  if (!ChooseFile(this, m_szRepertoire, path, {CQuilloryDlg::IMAGE_FILTER, "*.jpg"}, "images\\"))
    return;
  CAlbum* album = FindRowAlbum(row);
  if (!album) return;
  const StoredPathResult stored = StoredPath(m_szRepertoire, path);
  if (stored.status == StoredPathResult::NOT_1252) {
    // Stored garbled, the name would never find the file again.
    ui::AfxMessageBox(CQuilloryDlg::MSG_IMAGE_NAME, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    return;
  }
  if (stored.status == StoredPathResult::STORED &&
      static_cast<int>(stored.path.size()) > field_limits::PICTURE) {
    ui::AfxMessageBox(CQuilloryDlg::MSG_IMAGE_PATH_TOO_LONG, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    return;
  }
  album->SetPicture(stored.status == StoredPathResult::STORED ? stored.path
                                                               : std::string(kNoValue));
  m_bModifie = true;
  m_picture.ShowWindow(true);
  // A file outside the program folder has no stored path: it cannot be shown.
  if (stored.status != StoredPathResult::STORED ||
      !m_picture.ShowFile(DataPath(m_szRepertoire, stored.path), false)) {
    album->SetPicture(kNoValue);
    ui::AfxMessageBox(MSG_PICTURE_NOT_LOADED);
    m_picture.ShowFile(DataPath(m_szRepertoire, kPlaceholder), false);
  }
  m_picture.Invalidate();
  m_bImage = true;
}

void CQuilloryDlgtypeGraph::OnOkPret() {
  m_bCtrl = false;
  const int row = m_listAlbums.GetNextSelectedItem();
  if (row < 0) {
    ui::AfxMessageBox(MSG_NO_ALBUM);
    return;
  }
  const std::string pretA = GetDlgItemText(IDC_EDIT_PRETA);
  const std::string datePret = GetDlgItemText(IDC_EDIT_DATEPRET);
  // A double quote or a line break would break the album's database line.
  for (const std::string* text : {&pretA, &datePret}) {
    for (char c : *text) {
      if (c == '"' || c == '&' || static_cast<unsigned char>(c) < 0x20) {
        ui::AfxMessageBox(CQuilloryAjoutBD::MSG_FORBIDDEN_CHAR);
        return;
      }
    }
  }
  CAlbum* album = FindRowAlbum(row);
  if (album && !pretA.empty()) {
    album->SetPretA(pretA);
    // Kept as typed; an empty date is stored as "no value".
    album->SetDatePret(datePret.empty() ? std::string(kNoValue) : datePret);
    ui::AfxMessageBox(MSG_LOAN_DONE);
    m_bModifie = true;
    GetDlgItem(IDC_STATIC_ENPRET)->ShowWindow(true);
  } else {
    ui::AfxMessageBox(MSG_LOAN_FAILED);
  }
  ShowLoanControls(false);
}

void CQuilloryDlgtypeGraph::OnListePrets() {
  CQuilloryPret dlg(this, m_pGestion.get());
  dlg.DoModal();
  // A return is saved at once; when that failed the changes wait for a save.
  if (dlg.SaveFailed()) m_bModifie = true;
  m_tab.ShowPage();
  ShowAlbumList(m_strSerieCourante);
  m_bCtrl = false;
}

void CQuilloryDlgtypeGraph::OnStatPrets() {
  m_bCtrl = false;
  CQuilloryStatPret dlg(this, m_pGestion.get());
  dlg.DoModal();
}

// ---- Files ----

void CQuilloryDlgtypeGraph::OnImporterCsv() {
  m_bCtrl = false;
  if (!MainWindowCommands::ImportCsv(this, *m_pGestion, m_szRepertoire)) return;
  m_bModifie = true;
  RefreshAfterChange();
}

void CQuilloryDlgtypeGraph::OnEnregistrer() {
  m_bCtrl = false;
  if (!m_pGestion->Save()) {
    ReportSaveFailure(*m_pGestion);
    m_bModifie = true;
    return;
  }
  m_bModifie = false;
}

void CQuilloryDlgtypeGraph::OnEnregistrerSous() {
  m_bCtrl = false;
  MainWindowCommands::SaveBackup(*m_pGestion, m_szRepertoire);
}

void CQuilloryDlgtypeGraph::OnRestorer() {
  m_bCtrl = false;
  if (MainWindowCommands::RestoreBackup(this, *m_pGestion, m_szRepertoire, [this] {
        m_tab.ShowPage();
        ShowTypeCounters();
        ShowAlbumList(FirstSerieOfPage());
      }))
    SendClose();
}

void CQuilloryDlgtypeGraph::OnExporterCsv() {
  m_bCtrl = false;
  if (!m_pGestion->ExportCsv(m_szRepertoire))
    ui::AfxMessageBox(CQuilloryDlg::MSG_CSV_FAILED, ui::MB_OK | ui::MB_ICONSTOP);
}

void CQuilloryDlgtypeGraph::OnSiteWeb() {
  m_bCtrl = false;
  WebLinks::OnSiteWeb(true);  // this window links to the collectors' forum
}

void CQuilloryDlgtypeGraph::OnExportHtml() {
  m_bCtrl = false;
  CollectionExport::OnExportHtml(*m_pGestion, m_szRepertoire);
}

void CQuilloryDlgtypeGraph::OnSortieBD() {
  m_bCtrl = false;
  NewsFeed::OnSortieBD(*this, m_proxy, m_szRepertoire);
}

void CQuilloryDlgtypeGraph::OnConfigurationWeb() {
  m_bCtrl = false;
  NewsFeed::OnConfigurationWeb(*this, m_proxy, m_szRepertoire,
                               [this](const ProxySettings& p) { m_proxy = p; });
}

// ---- Style ----

void CQuilloryDlgtypeGraph::CheckStyleItems(bool graphique) {
  GetMenu()->CheckMenuItem(ID_STYLE_LISTE, !graphique);
  GetMenu()->CheckMenuItem(ID_STYLE_GRAPHIQUE, graphique);
}

void CQuilloryDlgtypeGraph::OnStyleChange(int style) {
  m_bCtrl = false;
  if (MainWindowCommands::ChangeStyle(*this, m_szRepertoire, m_bGraphique ? 1 : 0, style))
    m_bGraphique = style != 0;
  else
    CheckStyleItems(m_bGraphique);
}

// ---- Printing, statistics, notepad and About box ----

void CQuilloryDlgtypeGraph::OnImprimer() {
  m_bCtrl = false;
  CQuilloryDlgList* page = m_tab.GetCurrentPage();
  if (!page) return;
  // The rows of a page are series here.
  CImpressionListe::Print(this, *m_pGestion, CImpressionListe::FirstColumn(page->GetList()));
}

void CQuilloryDlgtypeGraph::OnBlocNote() {
  m_bCtrl = false;
  CQuilloryBlocNote dlg(this, m_szRepertoire);
  dlg.DoModal();
}

void CQuilloryDlgtypeGraph::OnStatGenerales() {
  m_bCtrl = false;
  CQuilloryStatDlg dlg(this, m_pGestion.get());
  dlg.DoModal();
}

void CQuilloryDlgtypeGraph::OnStatEditeurs() {
  m_bCtrl = false;
  CQuilloryStatEditDlg dlg(this, m_pGestion.get());
  dlg.DoModal();
}

void CQuilloryDlgtypeGraph::OnStatAchat() {
  m_bCtrl = false;
  CQuilloryStatAchat dlg(this, m_pGestion.get());
  dlg.DoModal();
}

void CQuilloryDlgtypeGraph::OnSerieASuivre() {
  m_bCtrl = false;
  CQuillorySerieASuivre dlg(this, m_pGestion.get());
  dlg.DoModal();
}

void CQuilloryDlgtypeGraph::OnHistoriqueComics() {
  m_bCtrl = false;
  CQuilloryComicLinkDlg dlg(this, m_pGestion.get(), m_szRepertoire);
  dlg.DoModal();
}

void CQuilloryDlgtypeGraph::OnAlbumsManquants() {
  m_bCtrl = false;
  CQuilloryAlbumsManquants dlg(this, m_pGestion.get());
  dlg.DoModal();
}

void CQuilloryDlgtypeGraph::OnAPropos() {
  m_bCtrl = false;
  CAboutDlg2 about(this);
  about.DoModal();
}
