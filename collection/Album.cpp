#include "collection/Album.h"

const char* const kGenres[GENRE_COUNT] = {
    "Science fiction", "Fantastique", "Aventure",        "Historique",
    "Contemporain",    "Romantique",  "Policier",        "Humour",
    "Heroic Fantaisy", "Roman Graphique", "Auteur",      "Inclassable"};

const char* const kNoValue = "_";

namespace {
std::string TextOrNoValue(const char* text) { return text ? std::string(text) : kNoValue; }
}  // namespace

CAlbum::CAlbum(const char* serie, const char* titre, int tome, const char* dessinateur,
               const char* scenariste, const char* editeur, const char* commentaire, int eo,
               const char* genre, const char* picture, const char* pretA,
               const char* datePret, double dateAchat, int type, const char* collection,
               int note, int serieFinie, int nbPrets, const char* picture2)
    : m_serie(TextOrNoValue(serie)),
      m_titre(TextOrNoValue(titre)),
      m_tome(tome),
      m_dessinateur(TextOrNoValue(dessinateur)),
      m_scenariste(TextOrNoValue(scenariste)),
      m_editeur(TextOrNoValue(editeur)),
      m_commentaire(TextOrNoValue(commentaire)),
      m_picture(TextOrNoValue(picture)),
      m_pretA(TextOrNoValue(pretA)),
      m_datePret(TextOrNoValue(datePret)),
      m_genre(TextOrNoValue(genre)),
      m_collection(TextOrNoValue(collection)),
      m_picture2(TextOrNoValue(picture2)),
      m_dateAchat(dateAchat),
      m_eo(eo),
      m_type(type),
      m_note(note),
      m_serieFinie(serieFinie),
      m_nbPrets(nbPrets) {}

CAlbum::CAlbum(std::string serie, std::string titre, int tome, std::string dessinateur,
               std::string scenariste, std::string editeur, std::string commentaire, int eo,
               std::string genre, std::string picture, std::string pretA, std::string datePret,
               double dateAchat, int type, std::string collection, int note, int serieFinie,
               int nbPrets, std::string picture2)
    : m_serie(std::move(serie)),
      m_titre(std::move(titre)),
      m_tome(tome),
      m_dessinateur(std::move(dessinateur)),
      m_scenariste(std::move(scenariste)),
      m_editeur(std::move(editeur)),
      m_commentaire(std::move(commentaire)),
      m_picture(std::move(picture)),
      m_pretA(std::move(pretA)),
      m_datePret(std::move(datePret)),
      m_genre(std::move(genre)),
      m_collection(std::move(collection)),
      m_picture2(std::move(picture2)),
      m_dateAchat(dateAchat),
      m_eo(eo),
      m_type(type),
      m_note(note),
      m_serieFinie(serieFinie),
      m_nbPrets(nbPrets) {}

void CAlbum::MergeFrom(const CAlbum& other) {
  auto takeIfSet = [](std::string& mine, const std::string& theirs) {
    if (!theirs.empty()) mine = theirs;
  };
  takeIfSet(m_collection, other.m_collection);
  takeIfSet(m_titre, other.m_titre);
  takeIfSet(m_scenariste, other.m_scenariste);
  takeIfSet(m_dessinateur, other.m_dessinateur);
  takeIfSet(m_editeur, other.m_editeur);
  takeIfSet(m_genre, other.m_genre);
  if (other.m_type >= 0) m_type = other.m_type;
}

namespace field_limits {
namespace {

struct LimitedText {
  const char* label;  // as the user knows the field
  const std::string& (CAlbum::*get)() const;
  void (CAlbum::*set)(std::string);
  int limit;
};

// In the order of the entry dialog, then the loan and the pictures.
const LimitedText kLimitedTexts[] = {
    {"Serie", &CAlbum::GetSerie, &CAlbum::SetSerie, SERIE},
    {"Titre", &CAlbum::GetTitre, &CAlbum::SetTitre, TITRE},
    {"Scenario", &CAlbum::GetScenariste, &CAlbum::SetScenariste, SCENARISTE},
    {"Dessin", &CAlbum::GetDessinateur, &CAlbum::SetDessinateur, DESSINATEUR},
    {"Genre", &CAlbum::GetGenre, &CAlbum::SetGenre, GENRE},
    {"Editeur", &CAlbum::GetEditeur, &CAlbum::SetEditeur, EDITEUR},
    {"Collection", &CAlbum::GetCollection, &CAlbum::SetCollection, COLLECTION},
    {"Commentaire", &CAlbum::GetCommentaire, &CAlbum::SetCommentaire, COMMENTAIRE},
    {"Pr\xEAt\xE9 \xE0", &CAlbum::GetPretA, &CAlbum::SetPretA, PRET_A},
    {"Date du pr\xEAt", &CAlbum::GetDatePret, &CAlbum::SetDatePret, DATE_PRET},
    {"Image", &CAlbum::GetPicture, &CAlbum::SetPicture, PICTURE},
    {"Image associ\xE9" "e", &CAlbum::GetPicture2, &CAlbum::SetPicture2, PICTURE},
};

}  // namespace

Excess FirstExcess(const CAlbum& album) {
  for (const LimitedText& text : kLimitedTexts) {
    const int length = static_cast<int>((album.*text.get)().size());
    if (length > text.limit) return Excess{text.label, length, text.limit};
  }
  return Excess{};
}

int CutToLimits(CAlbum& album) {
  int cut = 0;
  for (const LimitedText& text : kLimitedTexts) {
    const std::string& value = (album.*text.get)();
    if (static_cast<int>(value.size()) <= text.limit) continue;
    (album.*text.set)(value.substr(0, static_cast<std::size_t>(text.limit)));
    ++cut;
  }
  return cut;
}

}  // namespace field_limits
