#include "dialogs/QuilloryComicLinkDlg.h"

#include "platform/TabCtrl.h"
#include "resources/Templates.h"

CQuilloryComicLinkDlg::CQuilloryComicLinkDlg(ui::Window* parent, CGestionBD* gestion,
                                             std::string dossier)
    : ui::Dialog(kDialogComicLink, parent),
      m_pGestion(gestion),
      m_pParent(parent),
      m_strDossier(std::move(dossier)) {
  MapNotify(IDC_TAB_COMICS, ui::Notification::TabSelChange, &CQuilloryComicLinkDlg::OnSelchangeTab);
}

bool CQuilloryComicLinkDlg::OnInitDialog() {
  m_tab.SubclassDlgItem(IDC_TAB_COMICS, *this);
  const int years = m_tab.BuildPages(this, m_pGestion, m_strDossier);
  m_tab.ShowAllPages();
  for (int i = 0; i < years; ++i) m_tab.GetTabCtrl()->InsertItem(i, std::to_string(m_tab.GetYear(i)));
  m_tab.Select();
  return true;
}

void CQuilloryComicLinkDlg::OnSelchangeTab() { m_tab.Select(); }
