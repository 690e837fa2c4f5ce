#include "dialogs/QuilloryAlbumsManquants.h"

#include "collection/Cp1252.h"
#include "collection/GestionBD.h"
#include "platform/ListView.h"
#include "resources/Templates.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>

namespace {

const ResizeInfo kResize[] = {
    {IDC_LIST_MANQUANTS, {ANCHOR_OFFSET, IDC_MAIN, SIDE_LEFT}, {ANCHOR_OFFSET, IDC_MAIN, SIDE_TOP},
     {ANCHOR_OFFSET, IDC_MAIN, SIDE_RIGHT}, {ANCHOR_OFFSET, IDC_MAIN, SIDE_BOTTOM}},
    {ui::IDCANCEL, {ANCHOR_OFFSET, IDC_MAIN, SIDE_RIGHT}, {ANCHOR_OFFSET, IDC_MAIN, SIDE_BOTTOM},
     {ANCHOR_OFFSET, IDC_MAIN, SIDE_RIGHT}, {ANCHOR_OFFSET, IDC_MAIN, SIDE_BOTTOM}},
};

// Below this the button would cover the list.
constexpr int kMinWidthDlu = 140;
constexpr int kMinHeightDlu = 90;

// A run of missing volumes, as the list writes it.
void AppendRun(std::string& out, int first, int last) {
  if (!out.empty()) out += ", ";
  out += std::to_string(first);
  if (last - first >= 2) {
    out += " \xE0 ";
    out += std::to_string(last);
  } else if (last > first) {
    out += ", ";
    out += std::to_string(last);
  }
}

}  // namespace

CQuilloryAlbumsManquants::CQuilloryAlbumsManquants(ui::Window* parent, CGestionBD* gestion)
    : ui::Dialog(kDialogAlbumsManquants, parent), m_pGestion(gestion) {}

std::string CQuilloryAlbumsManquants::MissingVolumes(std::vector<int> owned) {
  owned.erase(std::remove_if(owned.begin(), owned.end(), [](int tome) { return tome <= 0; }),
              owned.end());
  std::sort(owned.begin(), owned.end());
  owned.erase(std::unique(owned.begin(), owned.end()), owned.end());
  std::string text;
  int next = 1;  // the first volume not yet accounted for
  for (int tome : owned) {
    if (tome > next) AppendRun(text, next, tome - 1);
    next = tome + 1;
  }
  return text;
}

std::vector<CQuilloryAlbumsManquants::Row> CQuilloryAlbumsManquants::Rows(
    const CGestionBD& gestion) {
  struct Series {
    std::string nom;
    std::vector<int> tomes;
  };
  std::vector<Series> series;
  std::unordered_map<std::string, std::size_t> byName;
  for (int i = 0; i < gestion.GetAlbumCount(); ++i) {
    const CAlbum* album = gestion.GetAlbum(i);
    if (!album) continue;
    auto [at, added] = byName.emplace(cp1252::Fold(album->GetSerie()), series.size());
    if (added) series.push_back({album->GetSerie(), {}});
    series[at->second].tomes.push_back(album->GetTome());
  }
  std::vector<Row> rows;
  for (Series& s : series) {
    std::string manquants = MissingVolumes(std::move(s.tomes));
    if (!manquants.empty()) rows.push_back({std::move(s.nom), std::move(manquants)});
  }
  return rows;
}

bool CQuilloryAlbumsManquants::OnInitDialog() {
  m_listManquants.SubclassDlgItem(IDC_LIST_MANQUANTS, *this);
  m_listManquants.GetListView()->SetFullRowSelect(true);
  m_listManquants.CreateColumns("S\xE9rie,170;Tomes manquants,200");
  m_listManquants.RestoreColumnWidths();
  // The list keeps its rows in the order of their series, as the album lists do.
  m_listManquants.SortByColumn(0, true);
  for (const Row& row : Rows(*m_pGestion)) m_listManquants.AppendRow(row.serie, row.manquants);
  m_resizer.SetUp(*this, nullptr, kResize, int(std::size(kResize)));
  const ui::Rect minimum = MapDialogRect(0, 0, kMinWidthDlu, kMinHeightDlu);
  SetMinClientSize(ui::Size{minimum.Width(), minimum.Height()});
  return true;
}

void CQuilloryAlbumsManquants::OnSize(int cx, int cy) {
  ui::Dialog::OnSize(cx, cy);
  m_resizer.Move();
}
