#include "dialogs/QuilloryListSimple.h"

#include "collection/DataPath.h"
#include "collection/GestionBD.h"
#include "dialogs/LocalDate.h"
#include "platform/ListView.h"
#include "resources/Templates.h"

#include <cstdlib>
#include <vector>

const char* const CQuilloryListSimple::kMonths[12] = {
    "Janvier", "Fevrier", "Mars",      "Avril",   "Mai",      "Juin",
    "Juillet", "Aout",    "Septembre", "Octobre", "Novembre", "Decembre"};

CQuilloryListSimple::CQuilloryListSimple(CQuilloryTabCtrlSimple* tab, CGestionBD* gestion,
                                         std::string dossier)
    : ui::Dialog(kDialogListSimple, nullptr),
      m_pTab(tab),
      m_pGestion(gestion),
      m_strDossier(std::move(dossier)) {
  MapNotify(IDC_LIST_COMICS, ui::Notification::ItemClick, &CQuilloryListSimple::OnClickList);
  MapNotify(IDC_LIST_COMICS, ui::Notification::ItemChanged, &CQuilloryListSimple::OnItemChanged);
}

bool CQuilloryListSimple::OnInitDialog() {
  m_picture.SubclassDlgItem(IDC_PICTURE_COMICS, *this);
  m_listComics.SubclassDlgItem(IDC_LIST_COMICS, *this);
  m_listComics.GetListView()->SetFullRowSelect(true);
  m_listComics.CreateColumns(HEADINGS);
  m_listComics.RestoreColumnWidths();
  // The page is filled when its tab is selected.
  return true;
}

void CQuilloryListSimple::Fill(int year) {
  m_listComics.DeleteAllItems();
  struct Comic {
    const CAlbum* album;
    LocalDate date;
  };
  std::vector<Comic> comics;
  for (int i = 0; i < m_pGestion->GetAlbumCount(); ++i) {
    const CAlbum* album = m_pGestion->GetAlbum(i);
    if (album && album->GetType() == ALBUM_COMIC)
      comics.push_back({album, LocalDateOf(album->GetDateAchat())});
  }
  if (comics.empty()) return;
  for (int month = 1; month <= 12; ++month) {
    m_listComics.AppendRow(kMonths[month - 1], "", "", "", "");
    for (const Comic& c : comics)
      if (c.date.year == year && c.date.month == month)
        m_listComics.AppendRow("", c.album->GetSerie(), c.album->GetTitre(),
                               std::to_string(c.album->GetTome()), c.album->GetCommentaire());
  }
}

void CQuilloryListSimple::OnClickList(const ui::NotifyInfo& info) {
  if (info.row < 0) {
    m_picture.ShowWindow(false);
    return;
  }
  ShowSelectedCover();
}

void CQuilloryListSimple::OnItemChanged(const ui::NotifyInfo& info) {
  if (info.newState & ui::LVIS_SELECTED) ShowSelectedCover();
}

void CQuilloryListSimple::ShowSelectedCover() {
  const int row = m_listComics.GetNextSelectedItem();
  if (row < 0) {
    m_picture.ShowWindow(false);
    return;
  }
  const std::string serie = m_listComics.GetItemText(row, 1);
  const std::string titre = m_listComics.GetItemText(row, 2);
  const std::string tome = m_listComics.GetItemText(row, 3);
  // Heading rows have an empty volume and match no album.
  const CAlbum* found = nullptr;
  if (!tome.empty()) {
    const int volume = std::atoi(tome.c_str());
    for (int i = 0; i < m_pGestion->GetAlbumCount() && !found; ++i) {
      const CAlbum* album = m_pGestion->GetAlbum(i);
      if (album && album->GetTitre() == titre && album->GetSerie() == serie &&
          album->GetTome() == volume)
        found = album;
    }
  }
  // A cover that cannot be shown hides the frame rather than leave another
  // comic's cover beside this one.
  if (found && found->GetPicture() != kNoValue &&
      m_picture.ShowFile(DataPath(m_strDossier, found->GetPicture()), false)) {
    m_picture.ShowWindow(true);
    m_picture.Invalidate();
  } else {
    m_picture.ShowWindow(false);
  }
}
