#include "dialogs/QuillorySeconPicDlg.h"

#include "collection/Album.h"
#include "collection/DataPath.h"
#include "dialogs/ChooseFile.h"
#include "platform/Services.h"
#include "resources/Templates.h"

namespace {
constexpr const char* kPlaceholder = "data/AddPicture.bmp";
}  // namespace

CQuillorySeconPicDlg::CQuillorySeconPicDlg(ui::Window* parent, CAlbum* album, std::string dossier)
    : ui::Dialog(kDialogSeconPic, parent), m_pAlbum(album), m_strDossier(std::move(dossier)) {
  MapCommand(IDC_PICTURE2, &CQuillorySeconPicDlg::OnClickPicture);
}

bool CQuillorySeconPicDlg::OnInitDialog() {
  m_picture.SubclassDlgItem(IDC_PICTURE2, *this);
  const bool hasPicture = m_pAlbum && m_pAlbum->GetPicture2() != kNoValue;
  m_picture.ShowWindow(true);
  if (m_picture.ShowFile(DataPath(m_strDossier, hasPicture ? m_pAlbum->GetPicture2() : kPlaceholder),
                         false))
    m_picture.Invalidate();
  return true;
}

void CQuillorySeconPicDlg::OnClickPicture() {
  if (!m_pAlbum) return;
  if (m_pAlbum->GetPicture2() != kNoValue &&
      ui::AfxMessageBox(MSG_CHANGE_PICTURE, ui::MB_YESNO) != ui::IDYES)
    return;
  std::string path;
  if (!ChooseFile(this, m_strDossier, path, {"Fichiers jpg (*.jpg)", "*.jpg"}, "images\\")) return;
  // Only a file below the program folder, named in Windows-1252, can be
  // stored so that it is found again.
  const StoredPathResult stored = StoredPath(m_strDossier, path);
  if (stored.status != StoredPathResult::STORED ||
      static_cast<int>(stored.path.size()) > field_limits::PICTURE) {
    ui::AfxMessageBox(MSG_OUTSIDE, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    return;
  }
  m_pAlbum->SetPicture2(stored.path);
  m_picture.ShowWindow(true);
  if (m_picture.ShowFile(DataPath(m_strDossier, stored.path), false)) m_picture.Invalidate();
}
