#include "app/QuilloryDlg.h"

#include "dialogs/ChooseFile.h"
#include "app/ColumnWidths.h"
#include "app/MainWindowCommands.h"
#include "app/QuilloryConfTab.h"
#include "app/ImpressionListe.h"
#include "export/ProxySettings.h"
#include "app/QuilloryDlgList.h"
#include "collection/Cp1252.h"
#include "collection/DataPath.h"
#include "collection/GestionBD.h"
#include "collection/SafeFile.h"
#include "dialogs/QuilloryAjoutBD.h"
#include "dialogs/QuilloryAlbumsManquants.h"
#include "dialogs/QuilloryPret.h"
#include "dialogs/SaveFailure.h"
#include "dialogs/QuilloryStatPret.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/QuilloryBlocNote.h"
#include "dialogs/QuilloryComicLinkDlg.h"
#include "dialogs/QuillorySerieASuivre.h"
#include "dialogs/QuilloryStatAchat.h"
#include "dialogs/QuilloryStatDlg.h"
#include "dialogs/QuilloryStatEditDlg.h"
#include "export/CollectionExport.h"
#include "export/NewsFeed.h"
#include "export/WebLinks.h"
#include "platform/Button.h"
#include "platform/Services.h"
#include "platform/TabCtrl.h"
#include "resources/Templates.h"

#include <cstdio>
#include <initializer_list>
#include <vector>

namespace {

// The tab control keeps its distance to every side of the window.
const ResizeInfo kResize[] = {
    {IDC_TAB, {ANCHOR_OFFSET, IDC_MAIN, SIDE_LEFT}, {ANCHOR_OFFSET, IDC_MAIN, SIDE_TOP},
     {ANCHOR_OFFSET, IDC_MAIN, SIDE_RIGHT}, {ANCHOR_OFFSET, IDC_MAIN, SIDE_BOTTOM}}};

constexpr int kLoanControls[] = {IDC_EDIT_PRETA, IDC_STATIC_PRETA, IDC_BUTTON_PRET,
                                 IDC_EDIT_DATEPRET, IDC_STATIC_DATEPRET};

constexpr const char* kPlaceholder = "data/AddPicture.bmp";

// Fills the %s and %i of a message in order with the values given.
std::string Format(const char* pattern, std::initializer_list<std::string> values) {
  std::string text(pattern);
  std::size_t from = 0;
  for (const std::string& value : values) {
    std::size_t at = text.find('%', from);
    while (at != std::string::npos && at + 1 < text.size() && text[at + 1] != 's' &&
           text[at + 1] != 'i')
      at = text.find('%', at + 1);
    if (at == std::string::npos || at + 1 >= text.size()) break;
    text.replace(at, 2, value);
    from = at + value.size();
  }
  return text;
}

std::string Format(const char* pattern, const std::string& value) { return Format(pattern, {value}); }

}  // namespace

CQuilloryDlg::CQuilloryDlg(ui::Window* parent, int style, std::string programFolder)
    : ui::Dialog(kDialogQuillory, parent),
      m_szRepertoire(std::move(programFolder)),
      m_bGraphique(style != 0) {
  MapCommand(IDC_BUTTON_RECHERCHE, &CQuilloryDlg::OnRecherche);
  MapCommand(ID_GESTION_ENREGISTRER, &CQuilloryDlg::OnEnregistrer);
  MapCommand(ID_GESTION_ENREGISTRERSOUS, &CQuilloryDlg::OnEnregistrerSous);
  MapCommand(ID_GESTION_RESTORER, &CQuilloryDlg::OnRestorer);
  MapCommand(ID_EXPORTER_CSV, &CQuilloryDlg::OnExporterCsv);
  MapCommand(ID_FERMER, &CQuilloryDlg::OnFermer);
  MapCommand(ID_EXPORTER_HTML, &CQuilloryDlg::OnExportHtml);
  MapCommand(ID_WEB_SORTIEBD, &CQuilloryDlg::OnSortieBD);
  MapCommand(ID_CONFIG_WEB, &CQuilloryDlg::OnConfigurationWeb);
  MapCommand(ID_WEB_SITE, &CQuilloryDlg::OnSiteWeb);
  MapCommand(ID_IMPORTER_CSV, &CQuilloryDlg::OnImporterCsv);
  MapCommand(ID_CONFIG_LISTES, &CQuilloryDlg::OnConfigListes);
  MapCommand(ID_STYLE_LISTE, &CQuilloryDlg::OnStyleListe);
  MapCommand(ID_STYLE_GRAPHIQUE, &CQuilloryDlg::OnStyleGraphique);
  MapCommand(ID_GESTION_NOUVELLESERIE, &CQuilloryDlg::OnNouvelleSerie);
  MapCommand(IDC_BUTTON_PRET, &CQuilloryDlg::OnOkPret);
  MapCommand(IDC_PICTURE, &CQuilloryDlg::OnChangeImage);
  MapCommand(ID_OUTILS_LISTEPRETS, &CQuilloryDlg::OnListePrets);
  MapCommand(ID_STAT_PRETEES, &CQuilloryDlg::OnStatPrets);
  MapCommand(ID_GESTION_IMPRIMER, &CQuilloryDlg::OnImprimer);
  MapCommand(ID_OUTILS_BLOCNOTE, &CQuilloryDlg::OnBlocNote);
  MapCommand(ID_STAT_GENERALES, &CQuilloryDlg::OnStatGenerales);
  MapCommand(ID_STAT_EDITEURS, &CQuilloryDlg::OnStatEditeurs);
  MapCommand(ID_STAT_ACHAT, &CQuilloryDlg::OnStatAchat);
  MapCommand(ID_STAT_ASUIVRE, &CQuilloryDlg::OnSerieASuivre);
  MapCommand(ID_STAT_HISTORIQUECOMICS, &CQuilloryDlg::OnHistoriqueComics);
  MapCommand(ID_STAT_MANQUANTS, &CQuilloryDlg::OnAlbumsManquants);
  MapCommand(ID_APROPOS, &CQuilloryDlg::OnAPropos);
  MapNotify(IDC_TAB, ui::Notification::TabSelChange, &CQuilloryDlg::OnSelchangeTab);
  MapNotify(IDC_TAB, ui::Notification::TabClick, &CQuilloryDlg::OnClickTab);
}

CQuilloryDlg::~CQuilloryDlg() = default;

bool CQuilloryDlg::OnInitDialog() {
  m_resizer.SetUp(*this, nullptr, kResize, 1);

  MainWindowCommands::AddAboutItemAndIcon(*this);

  m_picture.SubclassDlgItem(IDC_PICTURE, *this);
  ShowLoanControls(false);
  GetDlgItem(IDC_EDIT_PRETA)->SetLimitText(field_limits::PRET_A);
  GetDlgItem(IDC_EDIT_DATEPRET)->SetLimitText(field_limits::DATE_PRET);

  m_pGestion = MainWindowCommands::OpenCollection(m_szRepertoire);
  ShowAlbumCount();

  m_tab.SubclassDlgItem(IDC_TAB, *this);
  m_tab.Init(this, m_pGestion.get(), m_bGraphique);
  const auto labels = CQuilloryTabCtrl::Labels(m_bGraphique);
  for (int i = 0; i < CQuilloryTabCtrl::TAB_COUNT; ++i) m_tab.GetTabCtrl()->InsertItem(i, labels[i]);
  m_tab.ShowPage();

  m_bFermeture = false;
  m_bRedim = false;
  m_bInit = true;
  m_rcClient = GetClientRect();
  // Below this the resize rules would give the tab control, the lists or the
  // comment box no room, and the loan controls would reach the picture.
  const ui::Rect minimum = MapDialogRect(0, 0, MIN_WIDTH_DLU, MIN_HEIGHT_DLU);
  SetMinClientSize(ui::Size{minimum.Width(), minimum.Height()});

  ColumnWidths columns;
  if (columns.Load(m_szRepertoire))
    for (int i = 0; i < ColumnWidths::COUNT; ++i) m_tab.SetColumnWidth(i, columns.widths[i]);

  const ProxySettings proxy = ProxySettings::Load(m_szRepertoire);
  SetProxyConfig(proxy.m_nProxy, proxy.m_nProxyAuth, proxy.m_strProxyHost, proxy.m_strProxyPort,
                 proxy.m_strProxyLogin, proxy.m_strProxyPassword);

  m_bCtrl = false;
  GetMenu()->CheckMenuItem(ID_STYLE_LISTE, !m_bGraphique);
  GetMenu()->CheckMenuItem(ID_STYLE_GRAPHIQUE, m_bGraphique);

  m_bModifie = false;
  return true;
}


void CQuilloryDlg::ShowAlbumCount() {
  SetDlgItemText(IDC_EDIT_NBBD, std::to_string(m_pGestion->GetAlbumCount()));
}

void CQuilloryDlg::SetProxyConfig(int proxy, int proxyAuth, const std::string& host,
                                  const std::string& port, const std::string& login,
                                  const std::string& password) {
  m_nProxy = proxy;
  m_nProxyAuth = proxyAuth;
  m_strProxyHost = host;
  m_strProxyPort = port;
  m_strProxyLogin = login;
  m_strProxyPassword = password;
}

// ---- Display ----

void CQuilloryDlg::ShowLoanControls(bool show) {
  for (int id : kLoanControls) GetDlgItem(id)->ShowWindow(show);
}

void CQuilloryDlg::ShowLoanOf(const CAlbum& album) {
  SetDlgItemText(IDC_EDIT_PRETA, album.IsLent() ? album.GetPretA() : std::string());
  SetDlgItemText(IDC_EDIT_DATEPRET,
                 album.IsLent() && album.GetDatePret() != kNoValue ? album.GetDatePret()
                                                                   : std::string());
}

void CQuilloryDlg::ShowPictureFrame(bool show) { m_picture.ShowWindow(show); }

void CQuilloryDlg::ShowAlbumPicture(const std::string& picture) {
  m_picture.ShowWindow(true);
  if (!m_picture.ShowFile(DataPath(m_szRepertoire, picture), false))
    m_picture.ShowFile(DataPath(m_szRepertoire, kPlaceholder), false);
  m_picture.Invalidate();
  m_bImage = true;
}

void CQuilloryDlg::ShowPlaceholderPicture() {
  m_picture.ShowWindow(true);
  m_picture.ShowFile(DataPath(m_szRepertoire, kPlaceholder), false);
  m_picture.Invalidate();
}

// ---- Messages ----

bool CQuilloryDlg::PreTranslateMessage(const ui::Message& msg) {
  // The Ctrl shortcuts of the menus, from any control of the window, while
  // Ctrl is held: a Ctrl pressed and released earlier leaves nothing armed.
  if (msg.kind == ui::MessageKind::KeyUp && msg.key == ui::VK_CONTROL) m_bCtrl = false;
  if (msg.kind != ui::MessageKind::KeyDown) return false;
  m_bCtrl = msg.ctrlDown || msg.key == ui::VK_CONTROL;
  if (msg.key == ui::VK_RETURN) {
    OnRecherche();
    return true;
  }
  if (msg.key == ui::VK_CONTROL) return true;
  if (!m_bCtrl) return false;
  CQuilloryDlgList* page = m_tab.GetCurrentPage();
  switch (msg.key) {
    case 'A': m_bCtrl = false; SendCommand(ID_GESTION_NOUVELLESERIE); return true;
    case 'S': m_bCtrl = false; SendCommand(ID_GESTION_ENREGISTRER); return true;
    // The album commands of the current page, as its context menu gives them.
    case 'N': m_bCtrl = false; if (page) page->SendCommand(ID_PAGE_AJOUTERSUITE); return true;
    case 'M': m_bCtrl = false; if (page) page->SendCommand(ID_PAGE_MODIFIER); return true;
    case 'D': m_bCtrl = false; if (page) page->SendCommand(ID_PAGE_SUPPRIMER); return true;
    default: return false;
  }
}

void CQuilloryDlg::OnMove() { m_bCtrl = false; }

void CQuilloryDlg::OnSysCommand(int id) {
  if (id == IDM_ABOUTBOX) {
    CAboutDlg about(this);
    about.DoModal();
    return;
  }
  ui::Dialog::OnSysCommand(id);
}

void CQuilloryDlg::MoveControl(int id, int dx, int dy) {
  ui::Control* c = GetDlgItem(id);
  ui::Rect r = c->GetRect();
  r.Offset(dx, dy);
  c->MoveWindow(r);
}

void CQuilloryDlg::OnSize(int cx, int cy) {
  m_bRedim = true;
  ui::Dialog::OnSize(cx, cy);
  if (m_bInit) {
    const int dx = cx - m_rcClient.Width();
    const int dy = cy - m_rcClient.Height();
    for (int id : {IDC_EDIT_RECHERCHE, IDC_BUTTON_RECHERCHE, IDC_STATIC_RECHERCHE})
      MoveControl(id, dx, dy);
    if (dx != 0)
      for (int id : {IDC_STATIC_NBBD, IDC_PICTURE, IDC_EDIT_NBBD}) MoveControl(id, dx, 0);
    for (int id : kLoanControls) MoveControl(id, dx, dy);
    m_tab.ResizePages(dx, dy);
    m_rcClient = GetClientRect();
    m_resizer.Move();
  }
  m_bRedim = false;
}

void CQuilloryDlg::OnSelchangeTab() {
  m_tab.ShowPage();
  ShowLoanControls(false);
  ShowPictureFrame(false);
  m_bCtrl = false;
}

void CQuilloryDlg::OnClickTab() { m_bCtrl = false; }

void CQuilloryDlg::OnClose() {
  m_bFermeture = true;
  if (m_bModifie &&
      ui::AfxMessageBox(MSG_SAVE_QUESTION, ui::MB_YESNO | ui::MB_ICONEXCLAMATION) == ui::IDYES) {
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

// ---- Commands ----

void CQuilloryDlg::OnRecherche() {
  m_bCtrl = false;
  CQuilloryDlgList* page = m_tab.GetCurrentPage();
  if (!page) {
    ui::AfxMessageBox(MSG_NO_PAGE);
    return;
  }
  const int filter = CQuilloryTabCtrl::TypeFilter(m_tab.GetTabCtrl()->GetCurSel());
  const std::string text = GetDlgItemText(IDC_EDIT_RECHERCHE);
  if (text.empty()) {
    page->Fill(filter);
    return;
  }
  // Letter case and accents aside: "ecluses" finds "Les \xC9" "cluses du ciel".
  cp1252::SearchFinder finder(text);
  std::vector<const CAlbum*> found;
  for (int i = 0; i < m_pGestion->GetAlbumCount(); ++i) {
    const CAlbum* a = m_pGestion->GetAlbum(i);
    if (!a || (filter != CQuilloryDlgList::FILTER_ALL && a->GetType() != filter)) continue;
    if (finder.FoundIn(a->GetTitre()) || finder.FoundIn(a->GetSerie()) ||
        finder.FoundIn(a->GetScenariste()) || finder.FoundIn(a->GetGenre()) ||
        finder.FoundIn(a->GetDessinateur()) || finder.FoundIn(a->GetEditeur()))
      found.push_back(a);
  }
  page->ShowAlbums(found);
}

void CQuilloryDlg::OnEnregistrer() {
  m_bCtrl = false;
  if (SaveCollection()) m_bModifie = false;
}

bool CQuilloryDlg::SaveCollection() {
  if (m_pGestion->Save()) return true;
  ReportSaveFailure(*m_pGestion);
  m_bModifie = true;
  return false;
}

void CQuilloryDlg::OnNouvelleSerie() {
  CQuilloryAjoutBD dlg(this, m_pGestion.get(), CQuilloryAjoutBD::MODE_NOUVELLE_SERIE);
  dlg.DoModal();
  m_tab.ShowPage();
  ShowAlbumCount();
  m_bCtrl = false;
  m_bModifie = true;
}

void CQuilloryDlg::OnOkPret() {
  m_bCtrl = false;
  CQuilloryDlgList* page = m_tab.GetCurrentPage();
  if (!page) {
    ui::AfxMessageBox(MSG_NO_PAGE);
    return;
  }
  const int row = page->GetList().GetNextSelectedItem();
  if (row < 0) {
    ui::AfxMessageBox(MSG_RESELECT);
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
  CAlbum* album = page->FindRowAlbum(row);
  bool recorded = false;
  if (album && !pretA.empty()) {
    album->SetPretA(pretA);
    // The date is kept as typed; an empty one is stored as "no value", since
    // the database line cannot carry an empty text.
    album->SetDatePret(datePret.empty() ? std::string(kNoValue) : datePret);
    recorded = true;
  }
  if (recorded) {
    ui::AfxMessageBox(MSG_PRET_OK);
    m_bModifie = true;
  } else {
    ui::AfxMessageBox(MSG_PRET_FAILED);
  }
  ShowLoanControls(false);
}

void CQuilloryDlg::OnChangeImage() {
  m_bCtrl = false;
  CQuilloryDlgList* page = m_tab.GetCurrentPage();
  if (!page) {
    ui::AfxMessageBox(MSG_NO_PAGE);
    return;
  }
  const int row = page->GetList().GetNextSelectedItem();
  if (row < 0) {
    ui::AfxMessageBox(MSG_IMAGE_NO_ROW);
    ShowLoanControls(false);
    ShowPictureFrame(false);
    page->GetDlgItem(IDC_STATIC_COMMENTAIRE)->ShowWindow(false);
    return;
  }
  if (m_bImage && ui::AfxMessageBox(MSG_IMAGE_QUESTION, ui::MB_YESNO) != ui::IDYES) return;

  std::string path;
  if (!ChooseFile(this, m_szRepertoire, path, {IMAGE_FILTER, "*.jpg"}, "images\\")) return;
  CAlbum* album = page->FindRowAlbum(row);
  if (!album) return;

  const StoredPathResult stored = StoredPath(m_szRepertoire, path);
  if (stored.status == StoredPathResult::NOT_1252) {
    // Stored garbled, the name would never find the file again.
    ui::AfxMessageBox(MSG_IMAGE_NAME, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    return;
  }
  if (stored.status == StoredPathResult::STORED &&
      static_cast<int>(stored.path.size()) > field_limits::PICTURE) {
    ui::AfxMessageBox(MSG_IMAGE_PATH_TOO_LONG, ui::MB_OK | ui::MB_ICONEXCLAMATION);
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
    ui::AfxMessageBox(MSG_IMAGE_FAILED);
    m_picture.ShowFile(DataPath(m_szRepertoire, kPlaceholder), false);
  }
  m_picture.Invalidate();
  m_bImage = true;
}

void CQuilloryDlg::OnListePrets() {
  CQuilloryPret dlg(this, m_pGestion.get());
  dlg.DoModal();
  // A return is saved at once; when that failed the changes wait for a save.
  if (dlg.SaveFailed()) m_bModifie = true;
  m_tab.ShowPage();
  m_bCtrl = false;
}

void CQuilloryDlg::OnStatPrets() {
  m_bCtrl = false;
  CQuilloryStatPret dlg(this, m_pGestion.get());
  dlg.DoModal();
}

void CQuilloryDlg::OnEnregistrerSous() {
  m_bCtrl = false;
  ui::FileDialogRequest request;
  request.filters = {{BACKUP_FILTER, "*.db"}};
  request.initialDir = DataPath(m_szRepertoire, "data\\");
  request.defaultExt = "db";
  request.flags = ui::OFN_PATHMUSTEXIST | ui::OFN_OVERWRITEPROMPT | ui::OFN_HIDEREADONLY;
  const auto path = ui::GetSaveFileName(request);
  if (!path) return;
  if (!m_pGestion->SaveAs(*path))
    ui::AfxMessageBox(Format(MSG_BACKUP_FAILED, *path), ui::MB_OK | ui::MB_ICONSTOP);
}

void CQuilloryDlg::OnRestorer() {
  m_bCtrl = false;
  if (MainWindowCommands::RestoreBackup(this, *m_pGestion, m_szRepertoire, [this] {
        ShowAlbumCount();
        m_tab.ShowPage();
      }))
    SendClose();
}

void CQuilloryDlg::OnExporterCsv() {
  m_bCtrl = false;
  if (!m_pGestion->ExportCsv(m_szRepertoire))
    ui::AfxMessageBox(MSG_CSV_FAILED, ui::MB_OK | ui::MB_ICONSTOP);
}

void CQuilloryDlg::OnExportHtml() {
  m_bCtrl = false;
  ExportCollectionXml();
}

void CQuilloryDlg::ExportCollectionXml() { CollectionExport::OnExportHtml(*m_pGestion, m_szRepertoire); }

ProxySettings CQuilloryDlg::GetProxyConfig() const {
  ProxySettings settings;
  settings.m_nProxy = m_nProxy;
  settings.m_nProxyAuth = m_nProxyAuth;
  settings.m_strProxyHost = m_strProxyHost;
  settings.m_strProxyPort = m_strProxyPort;
  settings.m_strProxyLogin = m_strProxyLogin;
  settings.m_strProxyPassword = m_strProxyPassword;
  return settings;
}

void CQuilloryDlg::OnSortieBD() {
  m_bCtrl = false;
  NewsFeed::OnSortieBD(*this, GetProxyConfig(), m_szRepertoire);
}

void CQuilloryDlg::OnConfigurationWeb() {
  m_bCtrl = false;
  NewsFeed::OnConfigurationWeb(*this, GetProxyConfig(), m_szRepertoire,
                               [this](const ProxySettings& p) {
                                 SetProxyConfig(p.m_nProxy, p.m_nProxyAuth, p.m_strProxyHost,
                                                p.m_strProxyPort, p.m_strProxyLogin,
                                                p.m_strProxyPassword);
                               });
}

void CQuilloryDlg::OnSiteWeb() {
  m_bCtrl = false;
  WebLinks::OnSiteWeb(false);  // this window links to the program's own site
}

void CQuilloryDlg::OnImporterCsv() {
  m_bCtrl = false;
  if (!MainWindowCommands::ImportCsv(this, *m_pGestion, m_szRepertoire)) return;
  m_bModifie = true;
  ShowAlbumCount();
  m_tab.ShowPage();
}

void CQuilloryDlg::OnConfigListes() {
  m_bCtrl = false;
  CQuilloryConfTab dlg(this, &m_tab);
  dlg.DoModal();
  // Written whatever closed the dialog.
  ColumnWidths columns;
  for (int i = 0; i < ColumnWidths::COUNT; ++i) columns.widths[i] = m_tab.GetColumnWidth(i);
  columns.Save(m_szRepertoire);
}

void CQuilloryDlg::OnStyleChange(int style) {
  m_bCtrl = false;
  if (MainWindowCommands::ChangeStyle(*this, m_szRepertoire, m_bGraphique ? 1 : 0, style)) {
    m_bGraphique = style != 0;
    return;
  }
  // The running style keeps its marks.
  GetMenu()->CheckMenuItem(ID_STYLE_LISTE, !m_bGraphique);
  GetMenu()->CheckMenuItem(ID_STYLE_GRAPHIQUE, m_bGraphique);
}

void CQuilloryDlg::OnImprimer() {
  m_bCtrl = false;
  CQuilloryDlgList* page = m_tab.GetCurrentPage();
  if (!page) return;
  CImpressionListe::Print(this, *m_pGestion, CImpressionListe::FirstColumn(page->GetList()));
}

void CQuilloryDlg::OnBlocNote() {
  m_bCtrl = false;
  CQuilloryBlocNote dlg(this, m_szRepertoire);
  dlg.DoModal();
}

void CQuilloryDlg::OnStatGenerales() {
  m_bCtrl = false;
  CQuilloryStatDlg dlg(this, m_pGestion.get());
  dlg.DoModal();
}

void CQuilloryDlg::OnStatEditeurs() {
  m_bCtrl = false;
  CQuilloryStatEditDlg dlg(this, m_pGestion.get());
  dlg.DoModal();
}

void CQuilloryDlg::OnStatAchat() {
  m_bCtrl = false;
  CQuilloryStatAchat dlg(this, m_pGestion.get());
  dlg.DoModal();
}

void CQuilloryDlg::OnSerieASuivre() {
  m_bCtrl = false;
  CQuillorySerieASuivre dlg(this, m_pGestion.get());
  dlg.DoModal();
}

void CQuilloryDlg::OnHistoriqueComics() {
  m_bCtrl = false;
  CQuilloryComicLinkDlg dlg(this, m_pGestion.get(), m_szRepertoire);
  dlg.DoModal();
}

void CQuilloryDlg::OnAlbumsManquants() {
  m_bCtrl = false;
  CQuilloryAlbumsManquants dlg(this, m_pGestion.get());
  dlg.DoModal();
}

void CQuilloryDlg::OnAPropos() {
  m_bCtrl = false;
  CAboutDlg about(this);
  about.DoModal();
}
