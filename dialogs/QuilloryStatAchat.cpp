#include "dialogs/QuilloryStatAchat.h"

#include "collection/GestionBD.h"
#include "dialogs/LocalDate.h"
#include "platform/ComboBox.h"
#include "platform/ListView.h"
#include "resources/Templates.h"

#include <cstdlib>
#include <set>
#include <string>

const char* const CQuilloryStatAchat::kMonths[12] = {
    "Janvier", "Fevrier", "Mars",      "Avril",   "Mai",      "Juin",
    "Juillet", "Aout",    "Septembre", "Octobre", "Novembre", "Decembre"};

CQuilloryStatAchat::CQuilloryStatAchat(ui::Window* parent, CGestionBD* gestion)
    : ui::Dialog(kDialogStatAchat, parent), m_pGestion(gestion) {
  MapNotify(IDC_COMBO_ANNEE, ui::Notification::SelChange, &CQuilloryStatAchat::OnSelchangeAnnee);
}

bool CQuilloryStatAchat::OnInitDialog() {
  ui::ListView* list = GetListView(IDC_LIST_ACHAT);
  list->InsertColumn(0, "Mois", ui::LVCFMT_LEFT, 100);
  list->InsertColumn(1, "Nombre d'achat", ui::LVCFMT_LEFT, 70);
  for (int m = 11; m >= 0; --m) list->InsertItem(0, kMonths[m]);

  // Every year of purchase, however many there are.
  std::set<int> years;
  for (int i = 0; i < m_pGestion->GetAlbumCount(); ++i) {
    const CAlbum* album = m_pGestion->GetAlbum(i);
    if (!album) continue;
    const int year = LocalDateOf(album->GetDateAchat()).year;
    years.insert(year);
  }
  ui::ComboBox* combo = GetComboBox(IDC_COMBO_ANNEE);
  for (int year : years) combo->AddString(std::to_string(year));
  return true;
}

void CQuilloryStatAchat::OnSelchangeAnnee() {
  ui::ComboBox* combo = GetComboBox(IDC_COMBO_ANNEE);
  if (combo->GetCurSel() < 0) return;
  const int year = std::atoi(combo->GetLBText(combo->GetCurSel()).c_str());
  int counts[12] = {};
  for (int i = 0; i < m_pGestion->GetAlbumCount(); ++i) {
    const CAlbum* album = m_pGestion->GetAlbum(i);
    if (!album) continue;
    const LocalDate date = LocalDateOf(album->GetDateAchat());
    if (date.year == year) ++counts[date.month - 1];
  }
  ui::ListView* list = GetListView(IDC_LIST_ACHAT);
  for (int m = 0; m < 12; ++m) list->SetItemText(m, 1, std::to_string(counts[m]));
}
