#include "dialogs/QuilloryPret.h"

#include "dialogs/SaveFailure.h"

#include "collection/Album.h"
#include "collection/GestionBD.h"
#include "platform/ListView.h"
#include "platform/Services.h"
#include "resources/Templates.h"

#include <cstdlib>
#include <string>

CQuilloryPret::CQuilloryPret(ui::Window* parent, CGestionBD* gestion)
    : ui::Dialog(kDialogPrets, parent), m_pGestion(gestion) {
  MapCommand(IDC_BUTTON_RENDUE, &CQuilloryPret::OnRendue);
  MapNotify(IDC_LIST_PRETS, ui::Notification::ItemClick, &CQuilloryPret::OnClickList);
}

bool CQuilloryPret::OnInitDialog() {
  ui::ListView* list = GetListView(IDC_LIST_PRETS);
  list->InsertColumn(0, "Serie", ui::LVCFMT_LEFT, 100);
  list->InsertColumn(1, "Album", ui::LVCFMT_LEFT, 100);
  list->InsertColumn(2, "Tome", ui::LVCFMT_LEFT, 40);
  list->InsertColumn(3, "Pr\xE9t\xE9 \xE0 :", ui::LVCFMT_LEFT, 80);
  list->InsertColumn(4, "Date :", ui::LVCFMT_LEFT, 80);
  Fill();
  m_bInit = true;
  m_rcClient = GetClientRect();
  GetDlgItem(IDC_BUTTON_RENDUE)->EnableWindow(false);
  return true;
}

void CQuilloryPret::Fill() {
  ui::ListView* list = GetListView(IDC_LIST_PRETS);
  list->DeleteAllItems();
  for (int i = 0; m_pGestion && i < m_pGestion->GetAlbumCount(); ++i) {
    const CAlbum* a = m_pGestion->GetAlbum(i);
    if (!a || !a->IsLent()) continue;
    const int row = list->InsertItem(list->GetItemCount(), a->GetSerie());
    list->SetItemText(row, 1, a->GetTitre());
    list->SetItemText(row, 2, std::to_string(a->GetTome()));
    list->SetItemText(row, 3, a->GetPretA());
    list->SetItemText(row, 4, a->GetDatePret());
  }
}

void CQuilloryPret::OnClickList(const ui::NotifyInfo& info) {
  GetDlgItem(IDC_BUTTON_RENDUE)->EnableWindow(info.row >= 0);
}

void CQuilloryPret::OnRendue() {
  ui::ListView* list = GetListView(IDC_LIST_PRETS);
  const int row = list->GetNextSelectedItem();
  if (row < 0) return;
  const std::string titre = list->GetItemText(row, 1);
  const std::string serie = list->GetItemText(row, 0);
  const int tome = std::atoi(list->GetItemText(row, 2).c_str());
  CAlbum* album = nullptr;
  for (int i = 0; m_pGestion && i < m_pGestion->GetAlbumCount() && !album; ++i) {
    CAlbum* a = m_pGestion->GetAlbum(i);
    if (a && a->GetTitre() == titre && a->GetSerie() == serie && a->GetTome() == tome) album = a;
  }
  if (album) {
    album->SetPretA(kNoValue);
    album->SetDatePret(kNoValue);
    album->SetNbPrets(album->GetNbPrets() + 1);
    ui::AfxMessageBox(MSG_RENDUE);
    if (!m_pGestion->Save()) {
      ReportSaveFailure(*m_pGestion);
      m_bSaveFailed = true;
    }
  } else {
    ui::AfxMessageBox(MSG_RENDUE_FAILED);
  }
  GetDlgItem(IDC_BUTTON_RENDUE)->EnableWindow(false);
  Fill();
}

void CQuilloryPret::OnSize(int cx, int cy) {
  ui::Dialog::OnSize(cx, cy);
  if (!m_bInit) return;
  const int dx = cx - m_rcClient.Width();
  const int dy = cy - m_rcClient.Height();
  for (int id : {static_cast<int>(IDC_BUTTON_RENDUE), static_cast<int>(ui::IDOK)}) {
    ui::Control* button = GetDlgItem(id);
    ui::Rect r = button->GetRect();
    r.Offset(dx, dy);
    button->MoveWindow(r);
  }
  // The list keeps its width and its upper left corner, and grows in height.
  ui::Control* list = GetDlgItem(IDC_LIST_PRETS);
  ui::Rect r = list->GetRect();
  r.bottom += dy;
  list->MoveWindow(r);
  m_rcClient = GetClientRect();
}
