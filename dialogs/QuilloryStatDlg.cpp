#include "dialogs/QuilloryStatDlg.h"

#include "collection/GestionBD.h"
#include "resources/Templates.h"

#include <array>
#include <string>

namespace {

// The genres counted, each with its box. Genres are compared exactly: a genre
// typed in another letter case counts in the total only.
struct GenreBox {
  const char* genre;
  int box;
};
constexpr std::array<GenreBox, 9> kGenreBoxes{{
    {"Aventure", IDC_STAT_AVENTURE},
    {"Science fiction", IDC_STAT_SF},
    {"Fantastique", IDC_STAT_FANTASTIQUE},
    {"Historique", IDC_STAT_HISTORIQUE},
    {"Contemporain", IDC_STAT_CONTEMPORAIN},
    {"Romantique", IDC_STAT_ROMANTIQUE},
    {"Humour", IDC_STAT_HUMOUR},
    {"Policier", IDC_STAT_POLICIER},
    {"Heroic Fantaisy", IDC_STAT_HEROIC},
}};

}  // namespace

CQuilloryStatDlg::CQuilloryStatDlg(ui::Window* parent, CGestionBD* gestion)
    : ui::Dialog(kDialogStat, parent), m_pGestion(gestion) {}

bool CQuilloryStatDlg::OnInitDialog() {
  int euro = 0, comics = 0, manga = 0;
  std::array<int, kGenreBoxes.size()> genres{};
  for (int i = 0; i < m_pGestion->GetAlbumCount(); ++i) {
    const CAlbum* album = m_pGestion->GetAlbum(i);
    if (!album) continue;
    switch (album->GetType()) {
      case ALBUM_BD_EURO: ++euro; break;
      case ALBUM_COMIC: ++comics; break;
      case ALBUM_MANGA: ++manga; break;
      default: break;  // an unselected type counts in the total only
    }
    for (std::size_t g = 0; g < kGenreBoxes.size(); ++g)
      if (album->GetGenre() == kGenreBoxes[g].genre) ++genres[g];
  }
  SetDlgItemInt(IDC_STAT_EURO, euro);
  SetDlgItemInt(IDC_STAT_COMICS, comics);
  SetDlgItemInt(IDC_STAT_MANGA, manga);
  SetDlgItemInt(IDC_STAT_TOTAL, m_pGestion->GetAlbumCount());
  for (std::size_t g = 0; g < kGenreBoxes.size(); ++g) SetDlgItemInt(kGenreBoxes[g].box, genres[g]);
  return true;
}
