#pragma once
// The second picture of an album (template 160), in a frame that fills the
// dialog. A click on the frame chooses another picture; the album takes it
// at once.

#include "controls/PictureViewer.h"
#include "platform/Dialog.h"

#include <string>

class CAlbum;

class CQuillorySeconPicDlg : public ui::Dialog {
 public:
  CQuillorySeconPicDlg(ui::Window* parent, CAlbum* album, std::string dossier);

  bool OnInitDialog() override;
  void OnClickPicture();

  static constexpr const char* MSG_CHANGE_PICTURE = "Voulez vous changer l'image ?";
  static constexpr const char* MSG_OUTSIDE =
      "l'image doit \xEAtre dans le repertoire \"images\" du dossier Quillory.";

 private:
  CPictureViewer m_picture;
  CAlbum* m_pAlbum;  // an album of the store, not owned
  std::string m_strDossier;
};
