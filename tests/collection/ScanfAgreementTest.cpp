// The readers must take exactly the fields the C library's sscanf takes with
// the files' patterns. Random lines, mostly well formed with small faults,
// are read both ways and compared.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "collection/GestionBD.h"
#include "collection/LineScanner.h"

#include <cmath>

namespace {

TEST(ScanfAgreement, PurchaseDatesReadAsSscanfReadsThemInEveryNumberForm) {
  const char* const forms[] = {
      "1700000000.000000", "-12.5", "+3", ".5", "5.", "-.5", "1e3", "1E-2", "1e", "1e+", "1e-x",
      "0x", "0x-2", "0x.", "0x.p1", "0xp", "0x1p", "0x1p-2", "0X1P-2x", "0x.8", "0x1.8p1",
      "0x1p-99999", "0x1p99999", "1e-99999", "1e99999", "0.000001e-400", ".e1", "-", "+x", "-0x",
      "inf", "INF", "infi", "infinit", "infinity", "Infinityx", "-inf", "nan", "NaN(", "nan(abc)",
      "na", "nanx", "-nan", "1.5.3", "00012", "0e5", "08.5", "0x1g", "\t7", "1,5"};
  for (const char* form : forms) {
    long double expected = -7;
    int consumed = -1;
    const int converted = std::sscanf(form, "%Lf%n", &expected, &consumed);
    CLineScanner in(form);
    double value = -7;
    const bool ok = in.Decimal(value);
    EXPECT_EQ(ok, converted == 1) << form;
    if (!ok || converted != 1) continue;
    EXPECT_EQ(in.Position(), static_cast<std::size_t>(consumed)) << form;
    if (std::isnan(expected)) {
      EXPECT_TRUE(std::isnan(value)) << form;
    } else {
      EXPECT_EQ(value, static_cast<double>(expected)) << form;
    }
  }
}

class LineMaker {
 public:
  explicit LineMaker(unsigned seed) : m_random(seed) {}

  // Mostly what a well-formed line holds; now and then something that is not.
  std::string Text() {
    static const std::vector<std::string> pieces = {"a", "B", "\xE9t\xE9", " ", "x y", "0", "_"};
    static const std::vector<std::string> faults = {"", "\t", "-", ";", "\"", "\"\""};
    if (Fault()) return faults[Pick(faults.size())];
    std::string text;
    int count = 1 + static_cast<int>(Pick(3));
    for (int i = 0; i < count; ++i) text += pieces[Pick(pieces.size())];
    return text;
  }
  std::string Number() {
    static const std::vector<std::string> numbers = {"0", "7", "-3", "+12", "010", "0x1A", "-0x10",
                                                     "1700000000.000000", " 5", "99999999999"};
    static const std::vector<std::string> faults = {"08", "0X", "0x", "1.5", "1e3", "x", "", "\t-"};
    if (Fault()) return faults[Pick(faults.size())];
    return numbers[Pick(numbers.size())];
  }
  std::string Space() {
    static const std::vector<std::string> spaces = {" ", " ", " ", "  ", "\t", " \t "};
    return Fault() ? "" : spaces[Pick(spaces.size())];
  }
  bool Fault() { return Pick(40) == 0; }
  std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random); }

 private:
  std::mt19937 m_random;
};

// Kinds of the database line's nineteen fields: t text, i integer, d decimal.
const char kDatabaseKinds[] = "ttitttti" "tttt" "ditiiit";

std::string MakeDatabaseLine(LineMaker& make) {
  // A third of the lines are laid out as this program writes them (nineteen
  // fields, single spaces), which the reader takes a shorter way.
  const bool written = make.Pick(3) == 0;
  std::string line = !written && make.Pick(20) == 0 ? " " : "";
  int fields = written ? 19 : 12 + static_cast<int>(make.Pick(8));
  for (int i = 0; i < fields; ++i) {
    if (i > 0) line += written ? " " : make.Space();
    if (kDatabaseKinds[i] == 't') {
      line += '"' + make.Text() + (make.Pick(30) == 0 ? "" : "\"");
    } else if (written && make.Pick(4) != 0) {
      static const char* const integers[] = {"0", "7", "-3", "123456789", "-0"};
      line += kDatabaseKinds[i] == 'd' ? (make.Pick(2) ? "1700000000.000000" : "0.000000")
                                       : integers[make.Pick(5)];
    } else {
      line += make.Number();
    }
  }
  return line;
}

TEST(ScanfAgreement, DatabaseLinesLoadAsSscanfReadsThem) {
  LineMaker make(20261207);
  std::vector<std::string> lines;
  for (int i = 0; i < 3000; ++i) lines.push_back(MakeDatabaseLine(make));
  std::string file;
  for (const std::string& line : lines) file += line + "\r\n";
  TempFolder folder;
  folder.write("data/quillory.db", file);
  CGestionBD store;
  ASSERT_EQ(store.Load(folder.path()), CGestionBD::LOAD_OK);

  const char* pattern =
      "\"%[^\"]\" \"%[^\"]\" %i \"%[^\"]\" \"%[^\"]\" \"%[^\"]\" \"%[^\"]\" %i \"%[^\"]\" "
      "\"%[^\"]\" \"%[^\"]\" \"%[^\"]\" %Lf %i \"%[^\"]\" %i %i %i \"%[^\"]\"";
  int album = 0, accepted = 0;
  for (const std::string& line : lines) {
    char t[12][1024];
    int tome, eo, type, note, finie, prets;
    long double date;
    int n = std::sscanf(line.c_str(), pattern, t[0], t[1], &tome, t[2], t[3], t[4], t[5], &eo,
                        t[6], t[7], t[8], t[9], &date, &type, t[10], &note, &finie, &prets, t[11]);
    if (n < 14) continue;
    ++accepted;
    ASSERT_LT(album, store.GetAlbumCount()) << line;
    const CAlbum& a = *store.GetAlbum(album++);
    EXPECT_EQ(a.GetSerie(), t[0]) << line;
    EXPECT_EQ(a.GetTitre(), t[1]) << line;
    EXPECT_EQ(a.GetTome(), tome) << line;
    EXPECT_EQ(a.GetCommentaire(), t[5]) << line;
    EXPECT_EQ(a.GetEO(), eo) << line;
    EXPECT_EQ(a.GetDatePret(), t[9]) << line;
    EXPECT_EQ(a.GetDateAchat(), static_cast<double>(date)) << line;
    EXPECT_EQ(a.GetType(), type) << line;
    EXPECT_EQ(a.GetCollection(), n >= 15 ? t[10] : "_") << line;
    EXPECT_EQ(a.GetNote(), n >= 16 ? note : 0) << line;
    EXPECT_EQ(a.GetSerieFinie(), n >= 17 ? finie : 0) << line;
    EXPECT_EQ(a.GetNbPrets(), n >= 18 ? prets : 0) << line;
    EXPECT_EQ(a.GetPicture2(), n >= 19 ? t[11] : "_") << line;
  }
  EXPECT_EQ(store.GetAlbumCount(), album);
  EXPECT_GT(accepted, 100) << "the generator should make enough readable lines";
  EXPECT_LT(accepted, 2950) << "and enough faulty ones";
}

// Kinds of the CSV import's twelve columns.
const char kCsvKinds[] = "ttitttti" "ttii";

TEST(ScanfAgreement, CsvLinesImportAsSscanfReadsThem) {
  LineMaker make(7);
  const char* pattern = "%[^;];%[^;];%i;%[^;];%[^;];%[^;];%[^;];%i;%[^;];%[^;];%i;%i";
  TempFolder folder;
  int checked = 0;
  for (int i = 0; i < 800; ++i) {
    std::string line;
    int columns = 4 + static_cast<int>(make.Pick(9));
    for (int c = 0; c < columns; ++c) {
      if (c > 0) line += make.Pick(40) == 0 ? "" : ";";
      line += kCsvKinds[c] == 't' ? make.Text() : make.Number();
    }
    char t[8][1024];
    int tome, eo, note, type;
    int n = std::sscanf(line.c_str(), pattern, t[0], t[1], &tome, t[2], t[3], t[4], t[5], &eo,
                        t[6], t[7], &note, &type);
    // A unique serie keeps every line a new album.
    std::string serie = "S" + std::to_string(i);
    if (n >= 1) line.replace(0, std::string(t[0]).size(), serie);
    // A new file each time: rewriting one file waits for the disk on some file systems.
    const std::string name = "line" + std::to_string(i) + ".csv";
    folder.write(name, line + "\r\n");
    CGestionBD store;
    CsvImportResult result = store.ImportCsv(folder.file(name));
    if (n <= 5) {
      EXPECT_EQ(result.status, CsvImportResult::BAD_LINE) << line;
      EXPECT_EQ(store.GetAlbumCount(), 0) << line;
      continue;
    }
    ++checked;
    ASSERT_EQ(store.GetAlbumCount(), 1) << line;
    const CAlbum& a = *store.GetAlbum(0);
    EXPECT_EQ(a.GetSerie(), serie) << line;
    EXPECT_EQ(a.GetTitre(), t[1]) << line;
    EXPECT_EQ(a.GetTome(), tome) << line;
    EXPECT_EQ(a.GetEditeur(), t[4]) << line;
    EXPECT_EQ(a.GetCommentaire(), n >= 7 ? t[5] : "_") << line;
    EXPECT_EQ(a.GetEO(), n >= 8 ? eo : 0) << line;
    EXPECT_EQ(a.GetCollection(), n >= 10 ? t[7] : "_") << line;
    EXPECT_EQ(a.GetNote(), n == 12 ? note : 0) << line;
    EXPECT_EQ(a.GetType(), n == 12 ? type : 0) << line;
  }
  EXPECT_GT(checked, 100);
}

}  // namespace
