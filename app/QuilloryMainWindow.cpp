#include "app/QuilloryMainWindow.h"

#include "app/ImpressionListe.h"
#include "app/MainWindowCommands.h"
#include "app/QuilloryDlgList.h"
#include "collection/Cp1252.h"
#include "collection/DataPath.h"
#include "collection/GestionBD.h"
#include "dialogs/ChooseFile.h"
#include "dialogs/QuilloryAjoutBD.h"
#include "dialogs/QuilloryAlbumsManquants.h"
#include "dialogs/QuilloryBlocNote.h"
#include "dialogs/QuilloryComicLinkDlg.h"
#include "dialogs/QuilloryPret.h"
#include "dialogs/QuillorySerieASuivre.h"
#include "dialogs/QuilloryStatAchat.h"
#include "dialogs/QuilloryStatDlg.h"
#include "dialogs/QuilloryStatEditDlg.h"
#include "dialogs/QuilloryStatPret.h"
#include "dialogs/SaveFailure.h"
#include "export/CollectionExport.h"
#include "export/NewsFeed.h"
#include "platform/Services.h"
#include "platform/TabCtrl.h"
#include "resources/Templates.h"

#include <unordered_set>
#include <vector>

namespace {

constexpr int kLoanControls[] = {IDC_EDIT_PRETA, IDC_STATIC_PRETA, IDC_BUTTON_PRET,
                                 IDC_EDIT_DATEPRET, IDC_STATIC_DATEPRET};

constexpr const char* kPlaceholder = "data/AddPicture.bmp";

}  // namespace

CQuilloryMainWindow::CQuilloryMainWindow(const ui::DialogTemplate& dialog, ui::Window* parent,
                                         int style, std::string programFolder, bool seriesPages)
    : ui::Dialog(dialog, parent),
      m_szRepertoire(std::move(programFolder)),
      m_bGraphique(style != 0),
      m_bSeriesPages(seriesPages) {
  // The commands of both windows; each window maps its own besides.
  MapCommand(IDC_BUTTON_RECHERCHE, &CQuilloryMainWindow::OnRecherche);
  MapCommand(ID_GESTION_NOUVELLESERIE, &CQuilloryMainWindow::OnNouvelleSerie);
  MapCommand(IDC_BUTTON_PRET, &CQuilloryMainWindow::OnOkPret);
  MapCommand(IDC_PICTURE, &CQuilloryMainWindow::OnChangeImage);
  MapCommand(ID_OUTILS_LISTEPRETS, &CQuilloryMainWindow::OnListePrets);
  MapCommand(ID_STAT_PRETEES, &CQuilloryMainWindow::OnStatPrets);
  MapCommand(ID_IMPORTER_CSV, &CQuilloryMainWindow::OnImporterCsv);
  MapCommand(ID_GESTION_ENREGISTRER, &CQuilloryMainWindow::OnEnregistrer);
  MapCommand(ID_GESTION_ENREGISTRERSOUS, &CQuilloryMainWindow::OnEnregistrerSous);
  MapCommand(ID_GESTION_RESTORER, &CQuilloryMainWindow::OnRestorer);
  MapCommand(ID_EXPORTER_CSV, &CQuilloryMainWindow::OnExporterCsv);
  MapCommand(ID_STYLE_LISTE, &CQuilloryMainWindow::OnStyleListe);
  MapCommand(ID_STYLE_GRAPHIQUE, &CQuilloryMainWindow::OnStyleGraphique);
  MapCommand(ID_EXPORTER_HTML, &CQuilloryMainWindow::OnExportHtml);
  MapCommand(ID_WEB_SORTIEBD, &CQuilloryMainWindow::OnSortieBD);
  MapCommand(ID_CONFIG_WEB, &CQuilloryMainWindow::OnConfigurationWeb);
  MapCommand(ID_FERMER, &CQuilloryMainWindow::OnFermer);
  MapCommand(ID_GESTION_IMPRIMER, &CQuilloryMainWindow::OnImprimer);
  MapCommand(ID_OUTILS_BLOCNOTE, &CQuilloryMainWindow::OnBlocNote);
  MapCommand(ID_STAT_GENERALES, &CQuilloryMainWindow::OnStatGenerales);
  MapCommand(ID_STAT_EDITEURS, &CQuilloryMainWindow::OnStatEditeurs);
  MapCommand(ID_STAT_ACHAT, &CQuilloryMainWindow::OnStatAchat);
  MapCommand(ID_STAT_ASUIVRE, &CQuilloryMainWindow::OnSerieASuivre);
  MapCommand(ID_STAT_HISTORIQUECOMICS, &CQuilloryMainWindow::OnHistoriqueComics);
  MapCommand(ID_STAT_MANQUANTS, &CQuilloryMainWindow::OnAlbumsManquants);
  MapCommand(ID_APROPOS, &CQuilloryMainWindow::OnAPropos);
  MapNotify(IDC_TAB, ui::Notification::TabClick, &CQuilloryMainWindow::OnClickTab);
}

CQuilloryMainWindow::~CQuilloryMainWindow() = default;

bool CQuilloryMainWindow::OnInitDialog() {
  MainWindowCommands::AddAboutItemAndIcon(*this);

  m_picture.SubclassDlgItem(IDC_PICTURE, *this);
  ShowLoanControls(false);
  // A longer loan would make the album's database line too long to be read back.
  GetDlgItem(IDC_EDIT_PRETA)->SetLimitText(field_limits::PRET_A);
  GetDlgItem(IDC_EDIT_DATEPRET)->SetLimitText(field_limits::DATE_PRET);

  m_pGestion = MainWindowCommands::OpenCollection(m_szRepertoire);
  ShowCounters();

  m_tab.SubclassDlgItem(IDC_TAB, *this);
  m_tab.Init(this, m_pGestion.get(), m_bSeriesPages);
  const auto labels = CQuilloryTabCtrl::Labels(m_bSeriesPages);
  for (int i = 0; i < CQuilloryTabCtrl::TAB_COUNT; ++i)
    m_tab.GetTabCtrl()->InsertItem(i, labels[i]);
  m_tab.ShowPage();

  m_bFermeture = false;
  m_bRedim = false;
  m_bInit = true;
  m_rcClient = GetClientRect();

  m_proxy = ProxySettings::Load(m_szRepertoire);
  m_bCtrl = false;
  CheckStyleItems(m_bGraphique);
  m_bModifie = false;
  return true;
}

// ---- Display ----

void CQuilloryMainWindow::ShowLoanControls(bool show) {
  for (int id : kLoanControls) GetDlgItem(id)->ShowWindow(show);
}

void CQuilloryMainWindow::ShowLoanOf(const CAlbum& album) {
  SetDlgItemText(IDC_EDIT_PRETA, album.IsLent() ? album.GetPretA() : std::string());
  SetDlgItemText(IDC_EDIT_DATEPRET,
                 album.IsLent() && album.GetDatePret() != kNoValue ? album.GetDatePret()
                                                                   : std::string());
}

void CQuilloryMainWindow::ShowPictureFrame(bool show) { m_picture.ShowWindow(show); }

void CQuilloryMainWindow::ShowAlbumPicture(const std::string& picture) {
  m_picture.ShowWindow(true);
  if (!m_picture.ShowFile(DataPath(m_szRepertoire, picture), false))
    m_picture.ShowFile(DataPath(m_szRepertoire, kPlaceholder), false);
  m_picture.Invalidate();
  m_bImage = true;
}

void CQuilloryMainWindow::ShowPlaceholderPicture() {
  m_picture.ShowWindow(true);
  m_picture.ShowFile(DataPath(m_szRepertoire, kPlaceholder), false);
  m_picture.Invalidate();
}

void CQuilloryMainWindow::RefreshAfterChange() {
  m_tab.ShowPage();
  ShowCounters();
}

void CQuilloryMainWindow::CheckStyleItems(bool graphique) {
  GetMenu()->CheckMenuItem(ID_STYLE_LISTE, !graphique);
  GetMenu()->CheckMenuItem(ID_STYLE_GRAPHIQUE, graphique);
}

// ---- Messages ----

bool CQuilloryMainWindow::PreTranslateMessage(const ui::Message& msg) {
  // The Ctrl shortcuts of the menus, from any control of the window, while
  // Ctrl is held: a Ctrl pressed and released earlier leaves nothing armed.
  if (msg.kind == ui::MessageKind::KeyUp && msg.key == ui::VK_CONTROL) m_bCtrl = false;
  if (msg.kind != ui::MessageKind::KeyDown) return false;
  m_bCtrl = msg.ctrlDown || msg.key == ui::VK_CONTROL;
  if (msg.key == ui::VK_RETURN) {
    OnReturnKey();
    return true;
  }
  if (msg.key == ui::VK_CONTROL) return true;
  if (msg.key == ui::VK_DELETE && OnDeleteKey()) return true;
  if (!m_bCtrl) return false;
  ui::Window* target = this;
  int command = 0;
  switch (msg.key) {
    case 'A': command = ID_GESTION_NOUVELLESERIE; break;
    case 'S': command = ID_GESTION_ENREGISTRER; break;
    // The album commands, as the albums' context menu gives them.
    case 'N': command = ID_PAGE_AJOUTERSUITE; target = GetAlbumCommandTarget(); break;
    case 'M': command = ID_PAGE_MODIFIER; target = GetAlbumCommandTarget(); break;
    case 'D': command = ID_PAGE_SUPPRIMER; target = GetAlbumCommandTarget(); break;
    default: return false;
  }
  m_bCtrl = false;
  if (target) target->SendCommand(command);
  return true;
}

void CQuilloryMainWindow::OnMove() { m_bCtrl = false; }

void CQuilloryMainWindow::OnSysCommand(int id) {
  if (id == IDM_ABOUTBOX) {
    RunAboutBox();
    return;
  }
  ui::Dialog::OnSysCommand(id);
}

void CQuilloryMainWindow::MoveControl(int id, int dx, int dy) {
  ui::Control* c = GetDlgItem(id);
  ui::Rect r = c->GetRect();
  r.Offset(dx, dy);
  c->MoveWindow(r);
}

void CQuilloryMainWindow::OnSize(int cx, int cy) {
  m_bRedim = true;
  ui::Dialog::OnSize(cx, cy);
  if (m_bInit && cy >= MinLayoutHeight()) {
    const int dx = cx - m_rcClient.Width();
    const int dy = cy - m_rcClient.Height();
    // The search box and the loan boxes keep to the bottom right corner.
    for (int id : {IDC_EDIT_RECHERCHE, IDC_BUTTON_RECHERCHE, IDC_STATIC_RECHERCHE})
      MoveControl(id, dx, dy);
    for (int id : kLoanControls) MoveControl(id, dx, dy);
    LayOut(dx, dy);
    m_rcClient = GetClientRect();
  }
  m_bRedim = false;
}

void CQuilloryMainWindow::OnClickTab() { m_bCtrl = false; }

void CQuilloryMainWindow::OnClose() {
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

void CQuilloryMainWindow::OnPageAlbumsChanged(bool saveNow) {
  if (saveNow)
    SaveCollection();
  else
    m_bModifie = true;
  RefreshAfterChange();
}

// ---- Albums ----

void CQuilloryMainWindow::OnRecherche() {
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
  std::unordered_set<std::string> seen;  // a series page looks at each series once
  for (int i = 0; i < m_pGestion->GetAlbumCount(); ++i) {
    const CAlbum* a = m_pGestion->GetAlbum(i);
    if (!a || (filter != CQuilloryDlgList::FILTER_ALL && a->GetType() != filter)) continue;
    if (m_bSeriesPages) {
      if (seen.insert(a->GetSerie()).second && finder.FoundIn(a->GetSerie())) found.push_back(a);
    } else if (finder.FoundIn(a->GetTitre()) || finder.FoundIn(a->GetSerie()) ||
               finder.FoundIn(a->GetScenariste()) || finder.FoundIn(a->GetGenre()) ||
               finder.FoundIn(a->GetDessinateur()) || finder.FoundIn(a->GetEditeur())) {
      found.push_back(a);
    }
  }
  page->ShowAlbums(found);
}

void CQuilloryMainWindow::OnNouvelleSerie() {
  m_bCtrl = false;
  CQuilloryAjoutBD dlg(this, m_pGestion.get(), CQuilloryAjoutBD::MODE_NOUVELLE_SERIE);
  dlg.DoModal();
  RefreshAfterNewAlbum();
  m_bCtrl = false;
  m_bModifie = true;
}

void CQuilloryMainWindow::OnOkPret() {
  m_bCtrl = false;
  CSortListCtrl* rows = GetAlbumRows();
  if (!rows) {
    ui::AfxMessageBox(MSG_NO_PAGE);
    return;
  }
  const int row = rows->GetNextSelectedItem();
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
  CAlbum* album = FindRowAlbum(row);
  if (album && !pretA.empty()) {
    album->SetPretA(pretA);
    // The date is kept as typed; an empty one is stored as "no value", since
    // the database line cannot carry an empty text.
    album->SetDatePret(datePret.empty() ? std::string(kNoValue) : datePret);
    ui::AfxMessageBox(MSG_PRET_OK);
    m_bModifie = true;
    ShowAlbumLent();
  } else {
    ui::AfxMessageBox(MSG_PRET_FAILED);
  }
  ShowLoanControls(false);
}

void CQuilloryMainWindow::OnChangeImage() {
  m_bCtrl = false;
  CSortListCtrl* rows = GetAlbumRows();
  if (!rows) {
    ui::AfxMessageBox(MSG_NO_PAGE);
    return;
  }
  const int row = rows->GetNextSelectedItem();
  if (row < 0) {
    ui::AfxMessageBox(MSG_IMAGE_NO_ROW);
    ShowLoanControls(false);
    HideAlbumShown();
    return;
  }
  if (m_bImage && ui::AfxMessageBox(MSG_IMAGE_QUESTION, ui::MB_YESNO) != ui::IDYES) return;

  std::string path;
  if (!ChooseFile(this, m_szRepertoire, path, {IMAGE_FILTER, "*.jpg"}, "images\\")) return;
  CAlbum* album = FindRowAlbum(row);
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
    ui::AfxMessageBox(PictureNotShownMessage());
    m_picture.ShowFile(DataPath(m_szRepertoire, kPlaceholder), false);
  }
  m_picture.Invalidate();
  m_bImage = true;
}

void CQuilloryMainWindow::OnListePrets() {
  CQuilloryPret dlg(this, m_pGestion.get());
  dlg.DoModal();
  // A return is saved at once; when that failed the changes wait for a save.
  if (dlg.SaveFailed()) m_bModifie = true;
  RefreshAfterChange();
  m_bCtrl = false;
}

void CQuilloryMainWindow::OnStatPrets() {
  m_bCtrl = false;
  CQuilloryStatPret dlg(this, m_pGestion.get());
  dlg.DoModal();
}

// ---- Files ----

void CQuilloryMainWindow::OnImporterCsv() {
  m_bCtrl = false;
  if (!MainWindowCommands::ImportCsv(this, *m_pGestion, m_szRepertoire)) return;
  m_bModifie = true;
  RefreshAfterChange();
}

void CQuilloryMainWindow::OnEnregistrer() {
  m_bCtrl = false;
  if (SaveCollection()) m_bModifie = false;
}

bool CQuilloryMainWindow::SaveCollection() {
  if (m_pGestion->Save()) return true;
  ReportSaveFailure(*m_pGestion);
  m_bModifie = true;
  return false;
}

void CQuilloryMainWindow::OnEnregistrerSous() {
  m_bCtrl = false;
  MainWindowCommands::SaveBackup(*m_pGestion, m_szRepertoire);
}

void CQuilloryMainWindow::OnRestorer() {
  m_bCtrl = false;
  if (MainWindowCommands::RestoreBackup(this, *m_pGestion, m_szRepertoire,
                                        [this] { RefreshAfterReload(); }))
    SendClose();
}

void CQuilloryMainWindow::OnExporterCsv() {
  m_bCtrl = false;
  if (!m_pGestion->ExportCsv(m_szRepertoire))
    ui::AfxMessageBox(MSG_CSV_FAILED, ui::MB_OK | ui::MB_ICONSTOP);
}

void CQuilloryMainWindow::OnExportHtml() {
  m_bCtrl = false;
  ExportCollectionXml();
}

void CQuilloryMainWindow::ExportCollectionXml() {
  CollectionExport::OnExportHtml(*m_pGestion, m_szRepertoire);
}

void CQuilloryMainWindow::OnSortieBD() {
  m_bCtrl = false;
  NewsFeed::OnSortieBD(*this, m_proxy, m_szRepertoire);
}

void CQuilloryMainWindow::OnConfigurationWeb() {
  m_bCtrl = false;
  NewsFeed::OnConfigurationWeb(*this, m_proxy, m_szRepertoire,
                               [this](const ProxySettings& p) { m_proxy = p; });
}

void CQuilloryMainWindow::OnStyleChange(int style) {
  m_bCtrl = false;
  if (MainWindowCommands::ChangeStyle(*this, m_szRepertoire, m_bGraphique ? 1 : 0, style))
    m_bGraphique = style != 0;
  else
    CheckStyleItems(m_bGraphique);  // the running style keeps its marks
}

// ---- Printing, statistics, notepad and About box ----

void CQuilloryMainWindow::OnImprimer() {
  m_bCtrl = false;
  CQuilloryDlgList* page = m_tab.GetCurrentPage();
  if (!page) return;
  // The rows of a series page are series.
  CImpressionListe::Print(this, *m_pGestion, CImpressionListe::FirstColumn(page->GetList()));
}

void CQuilloryMainWindow::OnBlocNote() {
  m_bCtrl = false;
  CQuilloryBlocNote dlg(this, m_szRepertoire);
  dlg.DoModal();
}

void CQuilloryMainWindow::OnStatGenerales() {
  m_bCtrl = false;
  CQuilloryStatDlg dlg(this, m_pGestion.get());
  dlg.DoModal();
}

void CQuilloryMainWindow::OnStatEditeurs() {
  m_bCtrl = false;
  CQuilloryStatEditDlg dlg(this, m_pGestion.get());
  dlg.DoModal();
}

void CQuilloryMainWindow::OnStatAchat() {
  m_bCtrl = false;
  CQuilloryStatAchat dlg(this, m_pGestion.get());
  dlg.DoModal();
}

void CQuilloryMainWindow::OnSerieASuivre() {
  m_bCtrl = false;
  CQuillorySerieASuivre dlg(this, m_pGestion.get());
  dlg.DoModal();
}

void CQuilloryMainWindow::OnHistoriqueComics() {
  m_bCtrl = false;
  CQuilloryComicLinkDlg dlg(this, m_pGestion.get(), m_szRepertoire);
  dlg.DoModal();
}

void CQuilloryMainWindow::OnAlbumsManquants() {
  m_bCtrl = false;
  CQuilloryAlbumsManquants dlg(this, m_pGestion.get());
  dlg.DoModal();
}

void CQuilloryMainWindow::OnAPropos() {
  m_bCtrl = false;
  RunAboutBox();
}
