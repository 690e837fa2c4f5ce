#include "collection/GestionBD.h"

#include <charconv>
#include <cstdio>
#include <cstring>

#include "collection/Cp1252.h"
#include "collection/DataPath.h"
#include "collection/LineScanner.h"
#include "collection/SafeFile.h"

namespace {

constexpr const char* kCsvHeader =
    "Serie;Titre;Tome;Dessinateur;Scenariste;Editeur;Commentaire;EO;Genre;Collection;Note;Type";
// The export's columns after the twelve: what they do not carry.
constexpr const char* kCsvHeaderMore = ";DateAchat;SerieFinie;Image;Image2;PreteA;DatePret;NbPrets";
// The twelve columns, and the nineteen of the export.
constexpr int kCsvColumns = 12;
constexpr int kCsvAllColumns = 19;
constexpr const char* kLineEnd = "\r\n";
constexpr const char* kDefaultGenre = "Aventure";

// A text field as the files can carry it. A stored text is normally non-empty
// and holds neither double quotes nor line breaks, and is then written as it
// is. Anything else would make the line unreadable and the album lost at the
// next load, so an empty text is written as "_", line breaks (and NUL bytes)
// as spaces, inside the database's quoted fields double quotes as
// apostrophes, and in the CSV's columns semicolons as commas (a semicolon
// would shift every later column).
void AppendText(std::string& out, const std::string& text, bool quoted) {
  if (text.empty()) {
    out += kNoValue;
    return;
  }
  for (char c : text) {
    if (c == '\r' || c == '\n' || c == '\0')
      c = ' ';
    else if (quoted && c == '"')
      c = '\'';
    else if (!quoted && c == ';')
      c = ',';
    out += c;
  }
}

void AppendQuoted(std::string& out, const std::string& text) {
  out += '"';
  AppendText(out, text, true);
  out += '"';
}

void AppendInteger(std::string& out, int value) {
  char buffer[16];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

// "%Lf": six decimals, no exponent, whatever the C locale says.
void AppendDecimal(std::string& out, double value) {
  char buffer[400];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  out.append(buffer, result.ptr);
}

void AppendDatabaseLine(std::string& out, const CAlbum& a) {
  AppendQuoted(out, a.GetSerie());
  out += ' ';
  AppendQuoted(out, a.GetTitre());
  out += ' ';
  AppendInteger(out, a.GetTome());
  for (const std::string* text :
       {&a.GetDessinateur(), &a.GetScenariste(), &a.GetEditeur(), &a.GetCommentaire()}) {
    out += ' ';
    AppendQuoted(out, *text);
  }
  out += ' ';
  AppendInteger(out, a.GetEO());
  for (const std::string* text : {&a.GetGenre(), &a.GetPicture(), &a.GetPretA(), &a.GetDatePret()}) {
    out += ' ';
    AppendQuoted(out, *text);
  }
  out += ' ';
  AppendDecimal(out, a.GetDateAchat());
  out += ' ';
  AppendInteger(out, a.GetType());
  out += ' ';
  AppendQuoted(out, a.GetCollection());
  for (int value : {a.GetNote(), a.GetSerieFinie(), a.GetNbPrets()}) {
    out += ' ';
    AppendInteger(out, value);
  }
  out += ' ';
  AppendQuoted(out, a.GetPicture2());
  out += kLineEnd;
}

// The database line's nineteen fields, as far as they convert.
struct DatabaseFields {
  std::string serie, titre, dessinateur, scenariste, editeur, commentaire, genre, picture, pretA,
      datePret, collection, picture2;
  int tome = 0, eo = 0, type = 0, note = 0, serieFinie = 0, nbPrets = 0;
  double dateAchat = 0;
};

// How many leading fields of the line convert (0 to 19). The first field's
// opening quote must be the line's first character; between fields any run of
// white space, or none, is accepted.
int ScanDatabaseLine(std::string_view line, DatabaseFields& f) {
  CLineScanner in(line);
  int count = 0;
  bool first = true;
  auto text = [&](std::string& out) {
    if (!first) in.SkipSpaces();
    first = false;
    if (!in.Literal('"') || !in.Text('"', out)) return false;
    ++count;
    // The text stops at a double quote or at the line's end, so the closing
    // quote is missing only when the line ends there.
    return in.Literal('"');
  };
  auto integer = [&](int& out) {
    in.SkipSpaces();
    if (!in.Integer(out)) return false;
    ++count;
    return true;
  };
  auto decimal = [&](double& out) {
    in.SkipSpaces();
    if (!in.Decimal(out)) return false;
    ++count;
    return true;
  };
  (void)(text(f.serie) && text(f.titre) && integer(f.tome) && text(f.dessinateur) &&
         text(f.scenariste) && text(f.editeur) && text(f.commentaire) && integer(f.eo) &&
         text(f.genre) && text(f.picture) && text(f.pretA) && text(f.datePret) &&
         decimal(f.dateAchat) && integer(f.type) && text(f.collection) && integer(f.note) &&
         integer(f.serieFinie) && integer(f.nbPrets) && text(f.picture2));
  return count;
}

// The line as this program writes it (single spaces, plain decimal
// integers, the date with six decimals), read in one pass: 19 when it is
// such a line, 0 otherwise (the general reader then reads it, by the same
// rules, so both give the same fields).
class CanonicalLine {
 public:
  explicit CanonicalLine(std::string_view line) : m_p(line.data()), m_end(line.data() + line.size()) {}

  int Scan(DatabaseFields& f) {
    const bool read = Text(f.serie) && Space() && Text(f.titre) && Space() && Integer(f.tome) &&
                      Space() && Text(f.dessinateur) && Space() && Text(f.scenariste) && Space() &&
                      Text(f.editeur) && Space() && Text(f.commentaire) && Space() &&
                      Integer(f.eo) && Space() && Text(f.genre) && Space() && Text(f.picture) &&
                      Space() && Text(f.pretA) && Space() && Text(f.datePret) && Space() &&
                      Date(f.dateAchat) && Space() && Integer(f.type) && Space() &&
                      Text(f.collection) && Space() && Integer(f.note) && Space() &&
                      Integer(f.serieFinie) && Space() && Integer(f.nbPrets) && Space() &&
                      Text(f.picture2) && m_p == m_end;
    return read ? 19 : 0;
  }

 private:
  bool Space() { return m_p < m_end && *m_p++ == ' '; }
  bool Text(std::string& out) {
    if (m_p >= m_end || *m_p != '"') return false;
    const char* first = m_p + 1;
    const void* quote = std::memchr(first, '"', std::size_t(m_end - first));
    if (!quote || quote == first) return false;
    out = std::string(first, static_cast<const char*>(quote));
    m_p = static_cast<const char*>(quote) + 1;
    return true;
  }
  // Digits only, no leading zero (the general reader's octal), `most` at most.
  bool Digits(long long& value, long most) {
    const char* first = m_p;
    value = 0;
    while (m_p < m_end && *m_p >= '0' && *m_p <= '9' && m_p - first < most)
      value = value * 10 + (*m_p++ - '0');
    const long n = m_p - first;
    return n >= 1 && (n == 1 || *first != '0') && (m_p == m_end || *m_p < '0' || *m_p > '9');
  }
  bool Integer(int& out) {
    const bool negative = m_p < m_end && *m_p == '-';
    if (negative) ++m_p;
    long long value;
    if (!Digits(value, 9)) return false;
    out = int(negative ? -value : value);
    return true;
  }
  // A whole, positive number of seconds with six zero decimals (exact in a
  // double); anything else goes to the general reader.
  bool Date(double& out) {
    long long value;
    if (!Digits(value, 15) || m_end - m_p < 7 || std::memcmp(m_p, ".000000", 7) != 0) return false;
    m_p += 7;
    out = double(value);
    return true;
  }

  const char* m_p;
  const char* m_end;
};

// Every line of a database file: `raw` is the line as it stands (without its
// line end, NUL bytes included), `text` what the reader sees of it.
template <typename OnLine>
void ForEachDatabaseLine(std::string_view bytes, OnLine onLine) {
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view raw = bytes.substr(start, end - start);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    std::string_view text = raw.substr(0, raw.find('\0'));
    onLine(raw, text);
    start = next;
  }
}

// Every line of a database file read a block at a time, so that a large
// collection is never held whole in memory beside its albums. False (after
// some lines, perhaps) when the file cannot be opened or read to its end.
template <typename OnLine>
bool ForEachDatabaseLineOfFile(const std::string& path, OnLine onLine) {
  ReadStatus status;
  std::FILE* file = OpenDataFile(path, status);
  if (!file) return false;
  std::string pending;  // the bytes read and not yet given as whole lines
  constexpr std::size_t kBlock = 256 * 1024;
  for (;;) {
    const std::size_t kept = pending.size();
    pending.resize(kept + kBlock);
    const std::size_t n = std::fread(pending.data() + kept, 1, kBlock, file);
    pending.resize(kept + n);
    if (n == 0) break;
    const std::size_t lastLineEnd = pending.rfind('\n');
    if (lastLineEnd == std::string::npos || lastLineEnd < kept) continue;
    ForEachDatabaseLine(std::string_view(pending).substr(0, lastLineEnd + 1), onLine);
    pending.erase(0, lastLineEnd + 1);
  }
  const bool read = !std::ferror(file);
  std::fclose(file);
  ForEachDatabaseLine(pending, onLine);
  return read;
}

// The import's columns, as far as they convert: the twelve, then the export's seven.
struct CsvColumns {
  std::string serie, titre, dessinateur, scenariste, editeur, commentaire, genre, collection;
  int tome = 0, eo = 0, note = 0, type = 0;
  std::string picture, picture2, pretA, datePret;
  double dateAchat = 0;
  int serieFinie = 0, nbPrets = 0;
};

int ScanCsvLine(std::string_view line, CsvColumns& c) {
  CLineScanner in(line);
  int count = 0;
  auto separator = [&] { return count == 0 || in.Literal(';'); };
  auto text = [&](std::string& out) {
    if (!separator() || !in.Text(';', out)) return false;
    ++count;
    return true;
  };
  auto integer = [&](int& out) {
    if (!separator() || !in.Integer(out)) return false;
    ++count;
    return true;
  };
  auto decimal = [&](double& out) {
    if (!separator() || !in.Decimal(out)) return false;
    ++count;
    return true;
  };
  (void)(text(c.serie) && text(c.titre) && integer(c.tome) && text(c.dessinateur) &&
         text(c.scenariste) && text(c.editeur) && text(c.commentaire) && integer(c.eo) &&
         text(c.genre) && text(c.collection) && integer(c.note) && integer(c.type) &&
         decimal(c.dateAchat) && integer(c.serieFinie) && text(c.picture) &&
         text(c.picture2) && text(c.pretA) && text(c.datePret) && integer(c.nbPrets));
  return count;
}

// Whether a line is the export's header: a file written by "Exporter en CSV"
// imports from its second line on.
bool IsCsvHeader(std::string_view line) {
  const std::string_view header = kCsvHeader;
  return line.substr(0, header.size()) == header &&
         (line.size() == header.size() || line[header.size()] == ';');
}

// The album an import line describes, given how many columns converted (6 to
// 19). A line of the export (more than twelve columns) was written by this
// program and keeps its genre as written; on a line of twelve columns a genre
// the import does not know becomes "Aventure".
std::unique_ptr<CAlbum> AlbumFromCsv(const CsvColumns& c, int n) {
  const char* commentaire = n >= 7 ? c.commentaire.c_str() : kNoValue;
  int eo = n >= 8 ? c.eo : 0;
  const char* genre = kDefaultGenre;
  const char* collection = kNoValue;
  int note = 0, type = 0;
  if (n >= kCsvColumns) {
    if (n > kCsvColumns || CGestionBD::IsKnownGenre(c.genre)) genre = c.genre.c_str();
    collection = c.collection.c_str();
    note = c.note;
    type = c.type;
  } else if (n >= 10) {
    collection = c.collection.c_str();
  }
  return std::make_unique<CAlbum>(
      c.serie.c_str(), c.titre.c_str(), c.tome, c.dessinateur.c_str(), c.scenariste.c_str(),
      c.editeur.c_str(), commentaire, eo, genre, n >= 15 ? c.picture.c_str() : kNoValue,
      n >= 17 ? c.pretA.c_str() : kNoValue, n >= 18 ? c.datePret.c_str() : kNoValue,
      n >= 13 ? c.dateAchat : 0.0, type, collection, note, n >= 14 ? c.serieFinie : 0,
      n >= 19 ? c.nbPrets : 0, n >= 16 ? c.picture2.c_str() : kNoValue);
}

// What a line gives an album it matches: only the columns it carries. The
// merge takes a text only when it is not empty and the type only when it is
// not negative, so a column the line lacks is left empty (or -1) here and
// changes nothing. A genre the import does not know leaves the album's own.
CAlbum MergeSourceFromCsv(const CAlbum& imported, const CsvColumns& c, int n) {
  CAlbum source = imported;
  if (n < 10) source.SetCollection(std::string());
  if (n < kCsvColumns || (n == kCsvColumns && !CGestionBD::IsKnownGenre(c.genre)))
    source.SetGenre(std::string());
  if (n < kCsvColumns) source.SetType(-1);
  return source;
}

// The key under which FindAlbum would match an album: serie and titre without
// regard to case, tome exact. The length prefix keeps serie and titre apart.
std::string AlbumKey(const std::string& serie, const std::string& titre, int tome) {
  std::string key = std::to_string(serie.size());
  key += ':';
  key += cp1252::Fold(serie);
  key += cp1252::Fold(titre);
  key += ':';
  key += std::to_string(tome);
  return key;
}

}  // namespace

CGestionBD::CGestionBD() = default;

CGestionBD::~CGestionBD() = default;

void CGestionBD::Clear() {
  ++m_generation;
  m_albums.clear();
  m_unread.clear();
  m_series.clear();
  m_seriesByName.clear();
  m_lastSeries = -1;
  m_nbEuro = m_nbComic = m_nbManga = 0;
}

void CGestionBD::AppendAlbum(std::unique_ptr<CAlbum> album) {
  IncTypeCount(album->GetType());
  UpdateSeries(*album);
  m_albums.push_back(std::move(album));
}

int CGestionBD::Load(const std::string& repertoire) {
  m_repertoire = repertoire;
  Clear();
  DatabaseFields f;
  const std::string path = DataPath(m_repertoire, DATABASE_FILE);
  const bool read = ForEachDatabaseLineOfFile(path, [&](std::string_view raw, std::string_view line) {
    if (raw.empty()) return;
    int n = CanonicalLine(line).Scan(f);
    if (n == 0) n = ScanDatabaseLine(line, f);
    if (n < 14) {
      m_unread.emplace_back(raw);
      return;
    }
    // The texts move into the album; a field the line does not reach is "_".
    auto album = std::make_unique<CAlbum>(
        std::move(f.serie), std::move(f.titre), f.tome, std::move(f.dessinateur),
        std::move(f.scenariste), std::move(f.editeur), std::move(f.commentaire), f.eo,
        std::move(f.genre), std::move(f.picture), std::move(f.pretA), std::move(f.datePret),
        f.dateAchat, f.type, n >= 15 ? std::move(f.collection) : std::string(kNoValue),
        n >= 16 ? f.note : 0, n >= 17 ? f.serieFinie : 0, n >= 18 ? f.nbPrets : 0,
        n >= 19 ? std::move(f.picture2) : std::string(kNoValue));
    AppendAlbum(std::move(album));
  });
  if (!read) {
    Clear();
    return LOAD_CANNOT_OPEN;
  }
  return LOAD_OK;
}

DatabaseSummary CGestionBD::Inspect(std::string_view bytes) {
  DatabaseSummary summary;
  DatabaseFields f;
  ForEachDatabaseLine(bytes, [&](std::string_view raw, std::string_view line) {
    if (raw.empty()) return;
    if (ScanDatabaseLine(line, f) >= 14) {
      ++summary.albums;
    } else if (summary.unreadable++ == 0) {
      summary.firstUnreadable.assign(raw);
    }
  });
  return summary;
}

std::string CGestionBD::FormatDatabase() const {
  std::string out;
  out.reserve(m_albums.size() * 160);
  for (const auto& album : m_albums) AppendDatabaseLine(out, *album);
  for (const std::string& line : m_unread) {
    out += line;
    out += kLineEnd;
  }
  return out;
}

std::string CGestionBD::FormatDatabaseLine(const CAlbum& album) {
  std::string line;
  AppendDatabaseLine(line, album);
  return line;
}

bool CGestionBD::Save() const {
  return SaveAs(DataPath(m_repertoire, DATABASE_FILE));
}

bool CGestionBD::SaveAs(const std::string& path) const {
  return WriteFileAtomically(path, FormatDatabase());
}

void CGestionBD::AddAlbum(const char* serie, const char* titre, int tome, const char* dessinateur,
                          const char* scenariste, const char* editeur, const char* commentaire,
                          bool eo, const char* genre, double dateAchat, int type,
                          const char* collection, int note, int serieFinie, int nbPrets) {
  AppendAlbum(std::make_unique<CAlbum>(serie, titre, tome, dessinateur, scenariste, editeur,
                                       commentaire, eo ? 1 : 0, genre, kNoValue, kNoValue,
                                       kNoValue, dateAchat, type, collection, note, serieFinie,
                                       nbPrets, kNoValue));
}

int CGestionBD::FindAlbum(const std::string& serie, const std::string& titre, int tome) const {
  for (std::size_t i = 0; i < m_albums.size(); ++i) {
    const CAlbum& album = *m_albums[i];
    if (cp1252::EqualsNoCase(album.GetSerie(), serie) && album.GetTome() == tome &&
        cp1252::EqualsNoCase(album.GetTitre(), titre))
      return static_cast<int>(i);
  }
  return -1;
}

int CGestionBD::RemoveAlbum(int index) {
  if (index < 0 || index >= GetAlbumCount()) return 0;
  DecTypeCount(m_albums[index]->GetType());
  ++m_generation;
  m_albums.erase(m_albums.begin() + index);
  return 1;
}

CAlbum* CGestionBD::GetAlbum(int index) const {
  if (index < 0 || index >= GetAlbumCount()) return nullptr;
  return m_albums[index].get();
}

void CGestionBD::IncTypeCount(int type) {
  if (type == ALBUM_COMIC)
    ++m_nbComic;
  else if (type == ALBUM_MANGA)
    ++m_nbManga;
  else
    ++m_nbEuro;
}

void CGestionBD::DecTypeCount(int type) {
  if (type == ALBUM_COMIC)
    --m_nbComic;
  else if (type == ALBUM_MANGA)
    --m_nbManga;
  else
    --m_nbEuro;
}

void CGestionBD::UpdateSeries(const CAlbum& album) {
  // Albums of a series mostly follow one another: a name equal to the last
  // one looked up is the same series, found without folding it again.
  if (m_lastSeries < 0 || m_lastSerieName != album.GetSerie()) {
    auto [found, added] = m_seriesByName.try_emplace(cp1252::Fold(album.GetSerie()), GetSeriesCount());
    m_lastSeries = found->second;
    m_lastSerieName = album.GetSerie();
    if (added) {
      m_series.push_back(
          std::make_unique<CSerie>(album.GetSerie(), album.GetTome(), album.GetSerieFinie()));
      return;
    }
  }
  CSerie& serie = *m_series[std::size_t(m_lastSeries)];
  if (serie.GetDernierTome() < album.GetTome()) {
    serie.SetDernierTome(album.GetTome());
    serie.SetFinie(album.GetSerieFinie());
  }
}

void CGestionBD::RebuildSeries() {
  m_series.clear();
  m_seriesByName.clear();
  m_lastSeries = -1;
  for (const auto& album : m_albums) UpdateSeries(*album);
}

CSerie* CGestionBD::GetSeries(int index) const {
  if (index < 0 || index >= GetSeriesCount()) return nullptr;
  return m_series[index].get();
}

bool CGestionBD::ExportCsv(const std::string& repertoire) const {
  std::string out;
  if (!m_albums.empty()) {
    out.reserve(m_albums.size() * 120);
    out += kCsvHeader;
    out += kCsvHeaderMore;
    out += kLineEnd;
  }
  for (const auto& album : m_albums) {
    const CAlbum& a = *album;
    auto text = [&](const std::string& value) {
      AppendText(out, value, false);
      out += ';';
    };
    auto integer = [&](int value) {
      AppendInteger(out, value);
      out += ';';
    };
    text(a.GetSerie());
    text(a.GetTitre());
    integer(a.GetTome());
    text(a.GetDessinateur());
    text(a.GetScenariste());
    text(a.GetEditeur());
    text(a.GetCommentaire());
    integer(a.GetEO());
    text(a.GetGenre());
    text(a.GetCollection());
    integer(a.GetNote());
    integer(a.GetType());
    AppendDecimal(out, a.GetDateAchat());
    out += ';';
    integer(a.GetSerieFinie());
    text(a.GetPicture());
    text(a.GetPicture2());
    text(a.GetPretA());
    text(a.GetDatePret());
    AppendInteger(out, a.GetNbPrets());
    out += kLineEnd;
  }
  return WriteFileAtomically(DataPath(repertoire, CSV_FILE), out);
}

CsvImportResult CGestionBD::ImportCsv(const std::string& path) {
  CsvImportResult result;
  std::string bytes;
  switch (ReadDataFile(path, bytes, MAX_FILE_BYTES)) {
    case ReadStatus::OK: break;
    case ReadStatus::CANNOT_OPEN: result.status = CsvImportResult::CANNOT_OPEN; return result;
    case ReadStatus::NOT_A_FILE: result.status = CsvImportResult::NOT_A_FILE; return result;
    case ReadStatus::TOO_LARGE:
      result.status = CsvImportResult::TOO_LARGE;
      result.fileBytes = FileSize(path);
      return result;
  }
  // Where FindAlbum would find each key: the first album holding it. Merging
  // keeps an album's key (it changes only the titre, to a text equal without
  // regard to case), so the index stays true for the whole import.
  std::unordered_map<std::string, int> firstByKey;
  firstByKey.reserve(m_albums.size() * 2 + 64);
  for (std::size_t i = 0; i < m_albums.size(); ++i) {
    const CAlbum& a = *m_albums[i];
    firstByKey.emplace(AlbumKey(a.GetSerie(), a.GetTitre(), a.GetTome()), static_cast<int>(i));
  }
  const int albumsBefore = GetAlbumCount();

  CsvColumns columns;
  bool stopped = false;
  ForEachLine(bytes, [&](std::string_view line) {
    if (line.empty()) return true;
    if (stopped) {
      ++result.notRead;
      return true;
    }
    if (IsCsvHeader(line)) return true;
    int n = ScanCsvLine(line, columns);
    if (n <= 5) {
      result.status = CsvImportResult::BAD_LINE;
      result.line.assign(line);
      result.notRead = 1;
      stopped = true;
      return true;
    }
    std::unique_ptr<CAlbum> imported = AlbumFromCsv(columns, n);
    // Any longer and the album's database line would pass the 1023 bytes
    // the program reads back.
    result.textsCut += field_limits::CutToLimits(*imported);
    std::string key = AlbumKey(imported->GetSerie(), imported->GetTitre(), imported->GetTome());
    auto found = firstByKey.find(key);
    // An export holds each album once: two lines of it with the same key are
    // two albums of the collection (two printings of one volume), and the
    // second is no update of the first.
    if (found != firstByKey.end() && n > kCsvColumns && found->second >= albumsBefore)
      found = firstByKey.end();
    if (found == firstByKey.end()) {
      firstByKey.emplace(std::move(key), GetAlbumCount());
      AppendAlbum(std::move(imported));
    } else {
      CAlbum& existing = *m_albums[found->second];
      DecTypeCount(existing.GetType());
      existing.MergeFrom(MergeSourceFromCsv(*imported, columns, n));
      IncTypeCount(existing.GetType());
      UpdateSeries(*imported);
    }
    return true;
  });
  return result;
}

bool CGestionBD::IsKnownGenre(const std::string& genre) {
  for (int i = 0; i < KNOWN_GENRE_COUNT; ++i)
    if (cp1252::EqualsNoCase(genre, kGenres[i])) return true;
  return false;
}
