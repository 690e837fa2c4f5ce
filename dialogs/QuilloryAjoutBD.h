#pragma once
// The album entry dialog (template 135), the one place where an album's
// fields are typed in. Three modes: the first album of a new series, the next
// volume of an album's series, and the modification of an album. It changes
// the collection in memory when the user accepts, and nothing else; saving is
// left to whoever opened it.

#include "platform/Dialog.h"

#include <string>

namespace ui {
class ComboBox;
class DateTimePicker;
class Button;
}  // namespace ui
class CAlbum;
class CGestionBD;

class CQuilloryAjoutBD : public ui::Dialog {
 public:
  static constexpr int MODE_NOUVELLE_SERIE = -1;
  static constexpr int MODE_SUITE = -2;
  // Any mode from 0 up modifies the album.

  // gestion: the collection (not owned). In the next-volume and modify modes,
  // titre, serie and tome name the album to start from: the first one in
  // collection order with exactly that title and series and, unless tome is
  // -1, that volume.
  CQuilloryAjoutBD(ui::Window* parent, CGestionBD* gestion, int mode,
                   const std::string& titre = std::string(),
                   const std::string& serie = std::string(), int tome = -1);

  bool OnInitDialog() override;
  bool PreTranslateMessage(const ui::Message& msg) override;
  void OnOK() override;

  // The album's index in the collection once initialised (modify mode).
  int GetMode() const { return m_nMode; }

  static constexpr const char* MSG_FORBIDDEN_CHAR = "Ce caract\xE8re est interdit, d\xE9sol\xE9.";
  static constexpr const char* MSG_NOTE_RANGE = "La note doit \xEAtre entre 0 et 10";
  static constexpr const char* MSG_DUPLICATE =
      "Cette BD existe d\xE9j\xE0 dans la collection. Voulez-vous l'ajouter quand m\xEAme ?";
  static constexpr const char* MSG_ALBUM_GONE = "Cette BD ne se trouve plus dans la collection.";
  // %s the field's label, then its length and its limit.
  static constexpr const char* MSG_TOO_LONG =
      "Le champ \xAB %s \xBB de cette BD est trop long pour le fichier de base des BD "
      "(%i caract\xE8res, %i au plus) : raccourcissez-le.";
  // The refusal of an album whose database line would be too long, naming
  // the field that is.
  static std::string TooLongMessage(const CAlbum& album);

 private:
  void FillDistinctValues();
  void OnChangeNote();
  // The first album matching the title, series and volume given at creation.
  int FindStartAlbum() const;
  // A text field whose text holds a character the database line cannot
  // carry (a double quote, an ampersand, a line break), or 0.
  int FieldWithForbiddenChar() const;

  ui::ComboBox* m_cbDessin = nullptr;
  ui::ComboBox* m_cbScenario = nullptr;
  ui::ComboBox* m_cbCollection = nullptr;
  ui::ComboBox* m_cbEditeur = nullptr;
  ui::Button* m_chkSerieFinie = nullptr;
  ui::ComboBox* m_cbType = nullptr;
  ui::DateTimePicker* m_dtpAchat = nullptr;
  ui::Button* m_chkEO = nullptr;
  int m_bEO = 0;
  CGestionBD* m_pGestion;  // not owned
  std::string m_strTitre;
  std::string m_strSerie;
  int m_nTome;
  int m_nMode;
};
