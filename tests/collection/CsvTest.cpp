#include <gtest/gtest.h>

#include "TempFolder.h"
#include "collection/GestionBD.h"

namespace {

const std::string kHeader =
    "Serie;Titre;Tome;Dessinateur;Scenariste;Editeur;Commentaire;EO;Genre;Collection;Note;Type\r\n";

class Csv : public ::testing::Test {
 protected:
  TempFolder folder;
  CGestionBD store;

  CsvImportResult Import(const std::string& bytes) {
    folder.write("import.csv", bytes);
    return store.ImportCsv(folder.file("import.csv"));
  }
  void Add(const char* serie, const char* titre, int tome, int type = 0) {
    store.AddAlbum(serie, titre, tome, "Dessin", "Scen", "Edit", "Com", true, "Humour", 0.0, type,
                   nullptr, 6, 0, 0);
  }
};

TEST_F(Csv, ExportWritesTheHeaderThenTwelveFieldsPerAlbum) {
  Add("Gaston", "Gaffes", 1, 0);
  Add("Akira", "Tetsuo", 2, 2);
  ASSERT_TRUE(store.ExportCsv(folder.path()));
  EXPECT_EQ(folder.read("Quillory.csv"),
            kHeader + "Gaston;Gaffes;1;Dessin;Scen;Edit;Com;1;Humour;_;6;0\r\n" +
                "Akira;Tetsuo;2;Dessin;Scen;Edit;Com;1;Humour;_;6;2\r\n");
}

TEST_F(Csv, ASemicolonInATextIsExportedAsACommaSoTheExportImportsAgain) {
  store.AddAlbum("Spirou; Fantasio", "Le Nid; des Marsupilamis", 12, "Franquin", "Greg; Franquin",
                 "Dupuis", "Tome 2; r\xE9\xE9" "dition", true, "Humour", 0.0, 1,
                 "Rep\xE9rages; Dupuis", 7, 0, 0);
  ASSERT_TRUE(store.ExportCsv(folder.path()));
  const std::string exported = folder.read("Quillory.csv");
  EXPECT_EQ(exported.substr(kHeader.size()),
            "Spirou, Fantasio;Le Nid, des Marsupilamis;12;Franquin;Greg, Franquin;Dupuis;"
            "Tome 2, r\xE9\xE9" "dition;1;Humour;Rep\xE9rages, Dupuis;7;1\r\n");
  CGestionBD other;
  folder.write("noheader.csv", exported.substr(kHeader.size()));
  ASSERT_EQ(other.ImportCsv(folder.file("noheader.csv")).status, CsvImportResult::IMPORTED);
  ASSERT_EQ(other.GetAlbumCount(), 1);
  const CAlbum& a = *other.GetAlbum(0);
  EXPECT_EQ(a.GetCommentaire(), "Tome 2, r\xE9\xE9" "dition");
  EXPECT_EQ(a.GetGenre(), "Humour");
  EXPECT_EQ(a.GetCollection(), "Rep\xE9rages, Dupuis");
  EXPECT_EQ(a.GetNote(), 7);
  EXPECT_EQ(a.GetType(), 1);
}

TEST_F(Csv, AnEmptyStoreExportsAnEmptyFileWithoutHeader) {
  folder.write("Quillory.csv", "old content");
  ASSERT_TRUE(store.ExportCsv(folder.path()));
  EXPECT_EQ(folder.read("Quillory.csv"), "");
}

TEST_F(Csv, ImportingAnExportStopsAtItsHeaderLine) {
  Add("Gaston", "Gaffes", 1);
  ASSERT_TRUE(store.ExportCsv(folder.path()));
  CsvImportResult result = store.ImportCsv(folder.file("Quillory.csv"));
  EXPECT_EQ(result.status, CsvImportResult::BAD_LINE);
  EXPECT_EQ(result.line + "\r\n", kHeader);
  EXPECT_EQ(store.GetAlbumCount(), 1);
}

TEST_F(Csv, ExportThenImportWithoutHeaderGivesTheSameAlbums) {
  Add("Gaston", "Gaffes", 1, 1);
  Add("Akira", "Tetsuo", 2, 2);
  ASSERT_TRUE(store.ExportCsv(folder.path()));
  std::string bytes = folder.read("Quillory.csv").substr(kHeader.size());
  CGestionBD other;
  folder.write("noheader.csv", bytes);
  ASSERT_EQ(other.ImportCsv(folder.file("noheader.csv")).status, CsvImportResult::IMPORTED);
  ASSERT_EQ(other.GetAlbumCount(), 2);
  EXPECT_EQ(other.GetAlbum(1)->GetSerie(), "Akira");
  EXPECT_EQ(other.GetAlbum(1)->GetNote(), 6);
  EXPECT_EQ(other.GetAlbum(1)->GetType(), 2);
  EXPECT_EQ(other.GetAlbum(0)->GetEO(), 1);
  EXPECT_EQ(other.GetNbComic(), 1);
  EXPECT_EQ(other.GetNbManga(), 1);
  EXPECT_EQ(other.GetSeriesCount(), 2);
}

TEST_F(Csv, TwelveColumnsKeepAKnownGenreAsWrittenAndReplaceAnUnknownOne) {
  ASSERT_EQ(Import("Lucky Luke;Daisy Town;0x10;Morris;Goscinny;Dargaud;Film;1;humour;Poche;7;1\n"
                   "Maus;Un survivant;1;Spiegelman;Spiegelman;Flammarion;_;0;Roman Graphique;_;10;"
                   "0\n")
                .status,
            CsvImportResult::IMPORTED);
  ASSERT_EQ(store.GetAlbumCount(), 2);
  const CAlbum& a = *store.GetAlbum(0);
  EXPECT_EQ(a.GetTome(), 16);
  EXPECT_EQ(a.GetGenre(), "humour");
  EXPECT_EQ(a.GetCollection(), "Poche");
  EXPECT_EQ(a.GetNote(), 7);
  EXPECT_EQ(a.GetType(), 1);
  EXPECT_EQ(a.GetPicture(), "_");
  EXPECT_EQ(a.GetPretA(), "_");
  EXPECT_DOUBLE_EQ(a.GetDateAchat(), 0.0);
  EXPECT_EQ(store.GetAlbum(1)->GetGenre(), "Aventure");
  EXPECT_EQ(store.GetNbComic(), 1);
  EXPECT_EQ(store.GetNbEuro(), 1);
}

TEST_F(Csv, ShortLinesTakeTheirColumnsAndDefaultTheRest) {
  ASSERT_EQ(Import("Six;T6;6;D;S;E\r\n"
                   "Sept;T7;7;D;S;E;Com\r\n"
                   "Neuf;T9;9;D;S;E;Com;1;Policier\r\n"
                   "Onze;T11;11;D;S;E;Com;1;Policier;Col;8\r\n")
                .status,
            CsvImportResult::IMPORTED);
  ASSERT_EQ(store.GetAlbumCount(), 4);
  const CAlbum& six = *store.GetAlbum(0);
  EXPECT_EQ(six.GetEditeur(), "E") << "the line end is not part of the last column";
  EXPECT_EQ(six.GetCommentaire(), "_");
  EXPECT_EQ(six.GetEO(), 0);
  EXPECT_EQ(six.GetGenre(), "Aventure");
  EXPECT_EQ(six.GetCollection(), "_");
  EXPECT_EQ(six.GetType(), 0);
  const CAlbum& sept = *store.GetAlbum(1);
  EXPECT_EQ(sept.GetCommentaire(), "Com");
  EXPECT_EQ(sept.GetEO(), 0);
  const CAlbum& neuf = *store.GetAlbum(2);
  EXPECT_EQ(neuf.GetEO(), 1);
  EXPECT_EQ(neuf.GetGenre(), "Aventure") << "the genre of a short line is not used";
  EXPECT_EQ(neuf.GetCollection(), "_");
  const CAlbum& onze = *store.GetAlbum(3);
  EXPECT_EQ(onze.GetCollection(), "Col");
  EXPECT_EQ(onze.GetNote(), 0) << "an eleven-column line loses its note";
  EXPECT_EQ(onze.GetGenre(), "Aventure");
}

TEST_F(Csv, AMatchingLineMergesIntoTheAlbumItFinds) {
  Add("Blacksad", "Quelque part", 1, 0);
  ASSERT_EQ(Import("BLACKSAD;QUELQUE PART;1;Guarnido;Canales;Dargaud;Neuf;0;Policier;Luxe;2;1\n")
                .status,
            CsvImportResult::IMPORTED);
  ASSERT_EQ(store.GetAlbumCount(), 1);
  const CAlbum& a = *store.GetAlbum(0);
  EXPECT_EQ(a.GetTitre(), "QUELQUE PART");
  EXPECT_EQ(a.GetSerie(), "Blacksad");
  EXPECT_EQ(a.GetDessinateur(), "Guarnido");
  EXPECT_EQ(a.GetEditeur(), "Dargaud");
  EXPECT_EQ(a.GetGenre(), "Policier");
  EXPECT_EQ(a.GetCollection(), "Luxe");
  EXPECT_EQ(a.GetType(), 1);
  EXPECT_EQ(a.GetCommentaire(), "Com");
  EXPECT_EQ(a.GetEO(), 1);
  EXPECT_EQ(a.GetNote(), 6);
  EXPECT_EQ(store.GetNbComic(), 1);
  EXPECT_EQ(store.GetNbEuro(), 0);
}

TEST_F(Csv, LinesOfOneImportMergeIntoAlbumsItAddedItself) {
  ASSERT_EQ(Import("Yoko;Vol;1;D;S;E;C;0;Humour;_;1;2\n"
                   "yoko;VOL;1;D2;S;E;C;0;Humour;_;1;1\n"
                   "Yoko;Vol;2;D;S;E;C;0;Humour;_;1;2\n")
                .status,
            CsvImportResult::IMPORTED);
  ASSERT_EQ(store.GetAlbumCount(), 2);
  EXPECT_EQ(store.GetAlbum(0)->GetDessinateur(), "D2");
  EXPECT_EQ(store.GetAlbum(0)->GetType(), 1);
  EXPECT_EQ(store.GetNbComic(), 1);
  EXPECT_EQ(store.GetNbManga(), 1);
  ASSERT_EQ(store.GetSeriesCount(), 1);
  EXPECT_EQ(store.GetSeries(0)->GetDernierTome(), 2);
}

TEST_F(Csv, ABadLineStopsTheImportAndKeepsTheLinesBefore) {
  CsvImportResult result = Import("Un;T;1;D;S;E\n"
                                  "Deux;;2;D;S;E;C\n"
                                  "Trois;T;3;D;S;E\n");
  EXPECT_EQ(result.status, CsvImportResult::BAD_LINE);
  EXPECT_EQ(result.line, "Deux;;2;D;S;E;C");
  EXPECT_EQ(result.notRead, 2);
  ASSERT_EQ(store.GetAlbumCount(), 1);
  EXPECT_EQ(store.GetAlbum(0)->GetSerie(), "Un");
}

TEST_F(Csv, AnUnreadableFileIsReportedAndImportsNothing) {
  CsvImportResult result = store.ImportCsv(folder.file("absent.csv"));
  EXPECT_EQ(result.status, CsvImportResult::CANNOT_OPEN);
  EXPECT_EQ(store.GetAlbumCount(), 0);
}

TEST_F(Csv, AnImportGoesOnPastFiveThousandAlbumsAndStillMerges) {
  for (int i = 0; i < 5000; ++i) Add(("S" + std::to_string(i)).c_str(), "T", 1);
  CsvImportResult result = Import("S7;T;1;Nouveau;S;E\n"
                                  "Autre;T;1;D;S;E\n"
                                  "Encore;T;2;D2;S2;E2\n");
  EXPECT_EQ(result.status, CsvImportResult::IMPORTED);
  ASSERT_EQ(store.GetAlbumCount(), 5002);
  EXPECT_EQ(store.GetAlbum(7)->GetDessinateur(), "Nouveau");
  EXPECT_EQ(store.GetAlbum(5000)->GetSerie(), "Autre");
  EXPECT_EQ(store.GetAlbum(5001)->GetEditeur(), "E2");
  EXPECT_EQ(store.GetSeriesCount(), 5002);
}

TEST_F(Csv, ALongLineIsOneRecordAndTheNextLinesStayIntact) {
  std::string longLine = "Long;" + std::string(5000, 'x') + ";1;D;S;E\n";
  ASSERT_EQ(Import(longLine + "Court;T;2;D;S;E\n").status, CsvImportResult::IMPORTED);
  ASSERT_EQ(store.GetAlbumCount(), 2);
  EXPECT_EQ(store.GetAlbum(0)->GetTitre().size(), 5000u);
  EXPECT_EQ(store.GetAlbum(1)->GetSerie(), "Court");
}

}  // namespace
