#include "app/QuilloryDlg.h"

#include "app/ColumnWidths.h"
#include "app/QuilloryConfTab.h"
#include "app/QuilloryDlgList.h"
#include "collection/GestionBD.h"
#include "dialogs/AboutDlg.h"
#include "export/WebLinks.h"
#include "platform/Services.h"
#include "platform/Static.h"
#include "resources/Templates.h"

namespace {

// The tab control keeps its distance to every side of the window.
const ResizeInfo kResize[] = {
    {IDC_TAB, {ANCHOR_OFFSET, IDC_MAIN, SIDE_LEFT}, {ANCHOR_OFFSET, IDC_MAIN, SIDE_TOP},
     {ANCHOR_OFFSET, IDC_MAIN, SIDE_RIGHT}, {ANCHOR_OFFSET, IDC_MAIN, SIDE_BOTTOM}}};

}  // namespace

CQuilloryDlg::CQuilloryDlg(ui::Window* parent, int style, std::string programFolder)
    : CQuilloryMainWindow(kDialogQuillory, parent, style, std::move(programFolder), style != 0) {
  MapCommand(ID_WEB_SITE, &CQuilloryDlg::OnSiteWeb);
  MapCommand(ID_CONFIG_LISTES, &CQuilloryDlg::OnConfigListes);
  MapNotify(IDC_TAB, ui::Notification::TabSelChange, &CQuilloryDlg::OnSelchangeTab);
}

CQuilloryDlg::~CQuilloryDlg() = default;

bool CQuilloryDlg::OnInitDialog() {
  m_resizer.SetUp(*this, nullptr, kResize, 1);
  CQuilloryMainWindow::OnInitDialog();
  // Below this the resize rules would give the tab control, the lists or the
  // comment box no room, and the loan controls would reach the picture.
  const ui::Rect minimum = MapDialogRect(0, 0, MIN_WIDTH_DLU, MIN_HEIGHT_DLU);
  SetMinClientSize(ui::Size{minimum.Width(), minimum.Height()});

  ColumnWidths columns;
  if (columns.Load(m_szRepertoire))
    for (int i = 0; i < ColumnWidths::COUNT; ++i) m_tab.SetColumnWidth(i, columns.widths[i]);
  m_bModifie = false;
  return true;
}

void CQuilloryDlg::ShowAlbumCount() {
  SetDlgItemText(IDC_EDIT_NBBD, std::to_string(m_pGestion->GetAlbumCount()));
}

CAlbum* CQuilloryDlg::FindRowAlbum(int row) const {
  const CQuilloryDlgList* page = m_tab.GetCurrentPage();
  return page ? page->FindRowAlbum(row) : nullptr;
}

CSortListCtrl* CQuilloryDlg::GetAlbumRows() {
  CQuilloryDlgList* page = m_tab.GetCurrentPage();
  return page ? &page->GetList() : nullptr;
}

// The album commands are the current page's, as its context menu gives them.
ui::Window* CQuilloryDlg::GetAlbumCommandTarget() { return m_tab.GetCurrentPage(); }

void CQuilloryDlg::RunAboutBox() {
  CAboutDlg about(this);
  about.DoModal();
}

void CQuilloryDlg::OnPageSelection(CQuilloryDlgList& page, int row) {
  ui::Static* comment = page.GetStatic(IDC_STATIC_COMMENTAIRE);
  m_bImage = false;
  if (row < 0) {
    ShowLoanControls(false);
    ShowPictureFrame(false);
    comment->ShowWindow(false);
    return;
  }
  const int selected = page.GetList().GetNextSelectedItem();
  if (selected < 0) return;

  std::string commentText;
  if (const CAlbum* album = page.FindRowAlbum(selected)) {
    if (album->GetCommentaire() != kNoValue) {
      commentText = album->GetCommentaire();
      comment->SetWindowText(commentText);
      comment->ShowWindow(true);
    } else {
      comment->ShowWindow(false);
    }
    if (album->GetPicture() != kNoValue) ShowAlbumPicture(album->GetPicture());
    ShowLoanOf(*album);
  }
  if (!m_bImage) {
    ShowPlaceholderPicture();
    comment->ShowWindow(true);
    comment->SetWindowText(commentText);
  }
  ShowLoanControls(true);
}

void CQuilloryDlg::HideAlbumShown() {
  ShowPictureFrame(false);
  if (CQuilloryDlgList* page = m_tab.GetCurrentPage())
    page->GetDlgItem(IDC_STATIC_COMMENTAIRE)->ShowWindow(false);
}

void CQuilloryDlg::LayOut(int dx, int dy) {
  if (dx != 0)
    for (int id : {IDC_STATIC_NBBD, IDC_PICTURE, IDC_EDIT_NBBD}) MoveControl(id, dx, 0);
  m_tab.ResizePages(dx, dy);
  m_resizer.Move();
}

void CQuilloryDlg::OnSelchangeTab() {
  m_tab.ShowPage();
  ShowLoanControls(false);
  ShowPictureFrame(false);
  m_bCtrl = false;
}

void CQuilloryDlg::OnSiteWeb() {
  m_bCtrl = false;
  WebLinks::OnSiteWeb(false);  // this window links to the program's own site
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
