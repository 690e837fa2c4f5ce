#include "app/QuilloryConfTab.h"

#include "app/QuilloryTabCtrl.h"
#include "resources/Templates.h"

const int CQuilloryConfTab::CHECK_IDS[10] = {
    IDC_CONF_CHECK_SERIE,   IDC_CONF_CHECK_TITRE, IDC_CONF_CHECK_TOME,
    IDC_CONF_CHECK_SCENARISTE, IDC_CONF_CHECK_DESSINATEUR, IDC_CONF_CHECK_EDITEUR,
    IDC_CONF_CHECK_EO,      IDC_CONF_CHECK_GENRE, IDC_CONF_CHECK_COLLECTION,
    IDC_CONF_CHECK_NOTE};
const int CQuilloryConfTab::SIZE_IDS[10] = {
    IDC_CONF_SIZE_SERIE,   IDC_CONF_SIZE_TITRE, IDC_CONF_SIZE_TOME,
    IDC_CONF_SIZE_SCENARISTE, IDC_CONF_SIZE_DESSINATEUR, IDC_CONF_SIZE_EDITEUR,
    IDC_CONF_SIZE_EO,      IDC_CONF_SIZE_GENRE, IDC_CONF_SIZE_COLLECTION,
    IDC_CONF_SIZE_NOTE};

CQuilloryConfTab::CQuilloryConfTab(ui::Window* parent, CQuilloryTabCtrl* tab)
    : ui::Dialog(kDialogConfTab, parent), m_pTab(tab) {}

bool CQuilloryConfTab::OnInitDialog() {
  for (int column = 0; column < 10; ++column) {
    const int width = m_pTab ? m_pTab->GetColumnWidth(column) : 0;
    if (width == 0) continue;
    CheckDlgButton(CHECK_IDS[column], 1);
    SetDlgItemInt(SIZE_IDS[column], width);
  }
  return true;
}

void CQuilloryConfTab::OnOK() {
  for (int column = 0; m_pTab && column < 10; ++column) {
    const int width = IsDlgButtonChecked(CHECK_IDS[column]) ? GetDlgItemInt(SIZE_IDS[column]) : 0;
    m_pTab->SetColumnWidth(column, width < 0 ? 0 : width);
  }
  EndDialog(ui::IDOK);
}
