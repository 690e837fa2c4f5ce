#include "dialogs/QuillorySerieASuivre.h"

#include "collection/GestionBD.h"
#include "resources/Templates.h"

#include <string>

namespace {

const ResizeInfo kResize[] = {
    {IDC_LIST_ASUIVRE, {ANCHOR_OFFSET, IDC_MAIN, SIDE_LEFT}, {ANCHOR_OFFSET, IDC_MAIN, SIDE_TOP},
     {ANCHOR_KEEP_WIDTH, IDC_MAIN, SIDE_LEFT}, {ANCHOR_OFFSET, IDC_MAIN, SIDE_BOTTOM}},
    {IDC_BUTTON_IMPRIMER_ASUIVRE, {ANCHOR_OFFSET, IDC_MAIN, SIDE_RIGHT},
     {ANCHOR_OFFSET, IDC_MAIN, SIDE_BOTTOM}, {ANCHOR_OFFSET, IDC_MAIN, SIDE_RIGHT},
     {ANCHOR_OFFSET, IDC_MAIN, SIDE_BOTTOM}},
    {ui::IDOK, {ANCHOR_OFFSET, IDC_MAIN, SIDE_RIGHT}, {ANCHOR_OFFSET, IDC_MAIN, SIDE_BOTTOM},
     {ANCHOR_OFFSET, IDC_MAIN, SIDE_RIGHT}, {ANCHOR_OFFSET, IDC_MAIN, SIDE_BOTTOM}},
};

}  // namespace

CQuillorySerieASuivre::CQuillorySerieASuivre(ui::Window* parent, CGestionBD* gestion)
    : ui::Dialog(kDialogSerieASuivre, parent), m_pGestion(gestion) {}

bool CQuillorySerieASuivre::OnInitDialog() {
  m_listSuivre.SubclassDlgItem(IDC_LIST_ASUIVRE, *this);
  m_listSuivre.CreateColumns("Serie,100;Tome,60");
  Fill();
  m_resizer.SetUp(*this, nullptr, kResize, int(std::size(kResize)));
  m_bInit = true;
  m_rcClient = GetClientRect();
  return true;
}

void CQuillorySerieASuivre::Fill() {
  m_listSuivre.DeleteAllItems();
  for (int i = 0; i < m_pGestion->GetSeriesCount(); ++i) {
    const CSerie* serie = m_pGestion->GetSeries(i);
    if (!serie || serie->GetFinie() == 1) continue;
    m_listSuivre.AppendRow(serie->GetNom(), std::to_string(serie->GetDernierTome() + 1));
  }
}

void CQuillorySerieASuivre::OnSize(int cx, int cy) {
  ui::Dialog::OnSize(cx, cy);
  if (!m_bInit) return;
  m_resizer.Move();
  m_rcClient = GetClientRect();
}
