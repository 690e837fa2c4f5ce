#pragma once
// The collection in memory: the album table, the series summaries derived from
// it, the per-type counters, and the program folder under which the database
// file lies. The store owns every album and series; others borrow pointers for
// the length of one operation.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "collection/Album.h"
#include "collection/Serie.h"

// What an import did, and the line that stopped it.
struct CsvImportResult {
  enum Status {
    IMPORTED,     // every line was used
    BAD_LINE,     // `line` has five or fewer usable columns; the lines before it were imported
    CANNOT_OPEN,  // the file could not be read; nothing was imported
    NOT_A_FILE,   // a pipe, a device or a folder: not read
    TOO_LARGE,    // far larger than any collection (`fileBytes`): not read
  };
  Status status = IMPORTED;
  std::string line;
  std::uint64_t fileBytes = 0;
  // Texts longer than an album's fields may be, cut to their limit.
  int textsCut = 0;
  // Lines not read: the stopping line and the non-empty ones after it.
  int notRead = 0;
};

// What a database file holds, as Load would read it.
struct DatabaseSummary {
  int albums = 0;          // lines that give an album
  int unreadable = 0;      // non-empty lines that do not
  std::string firstUnreadable;
};

class CGestionBD {
 public:
  // Results of Load.
  static constexpr int LOAD_OK = 10;
  static constexpr int LOAD_CANNOT_OPEN = 8;

  static constexpr const char* DATABASE_FILE = "data\\quillory.db";
  static constexpr const char* CSV_FILE = "Quillory.csv";
  // Far more than any collection's database or CSV file: a file chosen for a
  // restore or an import that is larger is not read.
  static constexpr std::uint64_t MAX_FILE_BYTES = std::uint64_t(64) << 20;

  CGestionBD();
  ~CGestionBD();
  CGestionBD(const CGestionBD&) = delete;
  CGestionBD& operator=(const CGestionBD&) = delete;

  // Database file "data\quillory.db" below the program folder.
  int Load(const std::string& repertoire);
  // Both return false when the file could not be written; the old file is then untouched.
  bool Save() const;
  bool SaveAs(const std::string& path) const;
  // The bytes Save writes: one line per album, in table order, then the
  // lines the last Load could not read, as they were.
  std::string FormatDatabase() const;
  // One album's line, its CR LF included.
  static std::string FormatDatabaseLine(const CAlbum& album);
  // The longest line, line end excluded, that the Windows program reads back.
  static constexpr int MAX_LINE = 1023;
  // Lines of the last Load that gave no album (fewer than fourteen fields),
  // byte for byte without their line end. They are written back after the
  // albums, so no save ever loses them.
  const std::vector<std::string>& GetUnreadLines() const { return m_unread; }
  // Reads a database file's bytes without loading them.
  static DatabaseSummary Inspect(std::string_view bytes);

  // Appends a new album. The collection holds any number of albums.
  void AddAlbum(const char* serie, const char* titre, int tome, const char* dessinateur,
                const char* scenariste, const char* editeur, const char* commentaire, bool eo,
                const char* genre, double dateAchat, int type, const char* collection,
                int note, int serieFinie, int nbPrets);
  // Index of the first album whose serie and titre equal these without regard
  // to case and whose tome is equal; -1 when there is none.
  int FindAlbum(const std::string& serie, const std::string& titre, int tome) const;
  // 1 when the album at `index` was removed, 0 when there is no such album.
  // The series table is left for the caller to rebuild.
  int RemoveAlbum(int index);

  int GetAlbumCount() const { return static_cast<int>(m_albums.size()); }
  // The album in a slot, or null outside 0..GetAlbumCount()-1.
  CAlbum* GetAlbum(int index) const;

  int GetNbEuro() const { return m_nbEuro; }
  int GetNbComic() const { return m_nbComic; }
  int GetNbManga() const { return m_nbManga; }
  void IncTypeCount(int type);
  void DecTypeCount(int type);

  void UpdateSeries(const CAlbum& album);
  void RebuildSeries();
  int GetSeriesCount() const { return static_cast<int>(m_series.size()); }
  CSerie* GetSeries(int index) const;

  const std::string& GetRepertoire() const { return m_repertoire; }

  // Changes each time albums are destroyed (one removed, or the store
  // reloaded): album pointers borrowed before may no longer be valid.
  unsigned GetGeneration() const { return m_generation; }

  // "Quillory.csv" in `repertoire`: a header line, then the twelve columns of
  // every album, followed by the seven fields they do not carry (purchase
  // date, finished flag, cover, second picture, borrower, loan date, loan
  // count), so that an import gives the collection back whole. An empty store
  // gives an empty file. False when it could not be written.
  bool ExportCsv(const std::string& repertoire) const;
  // Adds the albums of a CSV file of six to twelve columns, or of the export's
  // nineteen; an album already held takes only the columns the line carries.
  CsvImportResult ImportCsv(const std::string& path);

  static bool IsKnownGenre(const std::string& genre);

 private:
  void Clear();
  void AppendAlbum(std::unique_ptr<CAlbum> album);

  std::vector<std::unique_ptr<CAlbum>> m_albums;
  std::vector<std::unique_ptr<CSerie>> m_series;
  std::vector<std::string> m_unread;
  // Each series' slot by its name folded to lower case: the names are unique
  // without regard to case, so this finds the same series a scan would.
  std::unordered_map<std::string, int> m_seriesByName;
  // The series UpdateSeries found last, and the name it was found by.
  int m_lastSeries = -1;
  std::string m_lastSerieName;
  std::string m_repertoire;
  int m_nbEuro = 0;
  int m_nbComic = 0;
  int m_nbManga = 0;
  unsigned m_generation = 0;
};
