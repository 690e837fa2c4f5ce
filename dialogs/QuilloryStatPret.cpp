#include "dialogs/QuilloryStatPret.h"

#include "collection/Album.h"
#include "collection/GestionBD.h"
#include "platform/ListView.h"
#include "resources/Templates.h"

#include <string>

CQuilloryStatPret::CQuilloryStatPret(ui::Window* parent, CGestionBD* gestion)
    : ui::Dialog(kDialogStatPrets, parent), m_pGestion(gestion) {}

bool CQuilloryStatPret::OnInitDialog() {
  m_listStat.SubclassDlgItem(IDC_LIST_STATPRETS, *this);
  m_listStat.GetListView()->SetFullRowSelect(true);
  m_listStat.CreateColumns(HEADING);
  m_listStat.RestoreColumnWidths();
  // Only returned loans count: an album out for the first time is not listed.
  for (int i = 0; m_pGestion && i < m_pGestion->GetAlbumCount(); ++i) {
    const CAlbum* a = m_pGestion->GetAlbum(i);
    if (a && a->GetNbPrets() > 0)
      m_listStat.AppendRow(a->GetSerie(), a->GetTitre(), std::to_string(a->GetNbPrets()));
  }
  return true;
}
