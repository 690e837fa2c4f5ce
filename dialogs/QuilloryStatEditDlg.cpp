#include "dialogs/QuilloryStatEditDlg.h"

#include "collection/Cp1252.h"
#include "collection/GestionBD.h"
#include "platform/ListView.h"
#include "resources/Templates.h"

#include <string>
#include <unordered_map>
#include <vector>

CQuilloryStatEditDlg::CQuilloryStatEditDlg(ui::Window* parent, CGestionBD* gestion)
    : ui::Dialog(kDialogStatEdit, parent), m_pGestion(gestion) {}

bool CQuilloryStatEditDlg::OnInitDialog() {
  // Every publisher is listed, however many there are.
  struct Publisher {
    std::string name;
    int count;
  };
  std::vector<Publisher> publishers;
  std::unordered_map<std::string, std::size_t> byFoldedName;
  for (int i = 0; i < m_pGestion->GetAlbumCount(); ++i) {
    const CAlbum* album = m_pGestion->GetAlbum(i);
    if (!album) continue;
    auto [it, isNew] = byFoldedName.emplace(cp1252::Fold(album->GetEditeur()), publishers.size());
    if (isNew) publishers.push_back({album->GetEditeur(), 1});
    else ++publishers[it->second].count;
  }

  m_listStat.SubclassDlgItem(IDC_LIST_STATEDITEURS, *this);
  m_listStat.GetListView()->SetFullRowSelect(true);
  m_listStat.CreateColumns(HEADINGS);
  m_listStat.RestoreColumnWidths();
  for (const Publisher& p : publishers) m_listStat.AppendRow(p.name, std::to_string(p.count));
  return true;
}
