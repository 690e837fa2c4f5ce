#pragma once
// One album of the collection: nineteen values. Every text field holds a
// non-empty Windows-1252 text; "_" stands for a missing value, because the
// database line cannot carry an empty quoted field.

#include <string>

// Values of an album's type. Any value other than 1 or 2 counts as BD Euro.
enum AlbumType { ALBUM_BD_EURO = 0, ALBUM_COMIC = 1, ALBUM_MANGA = 2 };

// The twelve genres offered by the entry dialog, in their insertion order.
constexpr int GENRE_COUNT = 12;
extern const char* const kGenres[GENRE_COUNT];
// The first nine of them are the genres the CSV import and the statistics know.
constexpr int KNOWN_GENRE_COUNT = 9;

// The text that stands for a missing value.
extern const char* const kNoValue;

// The longest texts the program lets a user type into an album's fields. An
// album's database line may hold 1023 bytes: these limits, the quotes and
// spaces and the widest numbers leave the rest to the comment, so a line
// written for a typed album always loads again, here and in the Windows program.
namespace field_limits {
constexpr int SERIE = 80;
constexpr int TITRE = 80;
constexpr int DESSINATEUR = 50;
constexpr int SCENARISTE = 50;
constexpr int EDITEUR = 50;
constexpr int GENRE = 40;
constexpr int COLLECTION = 50;
constexpr int PRET_A = 50;
constexpr int DATE_PRET = 30;
constexpr int PICTURE = 100;   // a stored picture path, the second picture's too
// Twelve quoted texts, eighteen spaces, six integers of at most eleven
// characters and the purchase date with its six decimals.
constexpr int LINE_OVERHEAD = 12 * 2 + 18 + 6 * 11 + 20;
constexpr int COMMENTAIRE = 1023 - LINE_OVERHEAD - SERIE - TITRE - DESSINATEUR - SCENARISTE -
                            EDITEUR - GENRE - COLLECTION - PRET_A - DATE_PRET - 2 * PICTURE;
static_assert(COMMENTAIRE >= 200, "the comment keeps room for a few sentences");
}  // namespace field_limits

class CAlbum {
 public:
  // The nineteen values in database-line order. A null text leaves its field
  // unset, which reads as "_".
  CAlbum(const char* serie, const char* titre, int tome, const char* dessinateur,
         const char* scenariste, const char* editeur, const char* commentaire, int eo,
         const char* genre, const char* picture, const char* pretA, const char* datePret,
         double dateAchat, int type, const char* collection, int note, int serieFinie,
         int nbPrets, const char* picture2);
  // The same from texts handed over (moved in, none copied), for readers of
  // many albums; an empty text stays empty, as the caller gave it.
  CAlbum(std::string serie, std::string titre, int tome, std::string dessinateur,
         std::string scenariste, std::string editeur, std::string commentaire, int eo,
         std::string genre, std::string picture, std::string pretA, std::string datePret,
         double dateAchat, int type, std::string collection, int note, int serieFinie,
         int nbPrets, std::string picture2);

  const std::string& GetSerie() const { return m_serie; }
  const std::string& GetTitre() const { return m_titre; }
  int GetTome() const { return m_tome; }
  const std::string& GetDessinateur() const { return m_dessinateur; }
  const std::string& GetScenariste() const { return m_scenariste; }
  const std::string& GetEditeur() const { return m_editeur; }
  const std::string& GetCommentaire() const { return m_commentaire; }
  const std::string& GetPicture() const { return m_picture; }
  const std::string& GetPretA() const { return m_pretA; }
  const std::string& GetDatePret() const { return m_datePret; }
  const std::string& GetGenre() const { return m_genre; }
  const std::string& GetCollection() const { return m_collection; }
  const std::string& GetPicture2() const { return m_picture2; }
  double GetDateAchat() const { return m_dateAchat; }
  int GetEO() const { return m_eo; }
  int GetType() const { return m_type; }
  int GetNote() const { return m_note; }
  int GetSerieFinie() const { return m_serieFinie; }
  int GetNbPrets() const { return m_nbPrets; }

  void SetSerie(std::string value) { m_serie = std::move(value); }
  void SetTitre(std::string value) { m_titre = std::move(value); }
  void SetTome(int value) { m_tome = value; }
  void SetDessinateur(std::string value) { m_dessinateur = std::move(value); }
  void SetScenariste(std::string value) { m_scenariste = std::move(value); }
  void SetEditeur(std::string value) { m_editeur = std::move(value); }
  void SetCommentaire(std::string value) { m_commentaire = std::move(value); }
  void SetPicture(std::string value) { m_picture = std::move(value); }
  void SetPretA(std::string value) { m_pretA = std::move(value); }
  void SetDatePret(std::string value) { m_datePret = std::move(value); }
  void SetGenre(std::string value) { m_genre = std::move(value); }
  void SetCollection(std::string value) { m_collection = std::move(value); }
  void SetPicture2(std::string value) { m_picture2 = std::move(value); }
  void SetDateAchat(double value) { m_dateAchat = value; }
  void SetEO(int value) { m_eo = value; }
  void SetType(int value) { m_type = value; }
  void SetNote(int value) { m_note = value; }
  void SetSerieFinie(int value) { m_serieFinie = value; }
  void SetNbPrets(int value) { m_nbPrets = value; }

  // An album is lent exactly when its borrower is not "_".
  bool IsLent() const { return m_pretA != kNoValue; }

  // Takes over the descriptive values of a matching imported album: the
  // collection, titre, scenariste, dessinateur, editeur and genre when the
  // other's value is not empty ("_" is a value), and the type when it is 0 or
  // greater. Everything else stays.
  void MergeFrom(const CAlbum& other);

 private:
  std::string m_serie;
  std::string m_titre;
  int m_tome;
  std::string m_dessinateur;
  std::string m_scenariste;
  std::string m_editeur;
  std::string m_commentaire;
  std::string m_picture;
  std::string m_pretA;
  std::string m_datePret;
  std::string m_genre;
  std::string m_collection;
  std::string m_picture2;
  double m_dateAchat;
  int m_eo;
  int m_type;
  int m_note;
  int m_serieFinie;
  int m_nbPrets;
};

namespace field_limits {
// The first text of an album that is longer than a user may type it: its
// label as the user knows it, its length and its limit. A null label when
// every text is within its limit.
struct Excess {
  const char* label = nullptr;
  int length = 0;
  int limit = 0;
};
Excess FirstExcess(const CAlbum& album);
// Cuts every text of the album to its limit; returns how many were cut.
int CutToLimits(CAlbum& album);
}  // namespace field_limits
