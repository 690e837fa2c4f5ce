#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "TempFolder.h"
#include "collection/GestionBD.h"

namespace {

const char* const kDb = "data/quillory.db";

// One complete line, as the Windows program wrote it.
const std::string kFullLine =
    "\"Blake et Mortimer\" \"La Marque jaune\" 6 \"Jacobs\" \"Van Hamme\" \"Dargaud\" "
    "\"Un classique \xE0 relire\" 1 \"Aventure\" \"images\\marque.jpg\" \"Marc\" \"12/03/2024\" "
    "1700000000.000000 2 \"Classique\" 9 1 4 \"images\\dos.jpg\"\r\n";

class DatabaseFile : public ::testing::Test {
 protected:
  TempFolder folder;
  CGestionBD store;

  int LoadBytes(const std::string& bytes) {
    folder.write(kDb, bytes);
    return store.Load(folder.path());
  }
};

TEST_F(DatabaseFile, SaveWritesTheExactLineFormat) {
  ASSERT_EQ(LoadBytes(kFullLine), CGestionBD::LOAD_OK);
  std::filesystem::remove(folder.file(kDb));
  ASSERT_TRUE(store.Save());
  EXPECT_EQ(folder.read(kDb), kFullLine);
}

TEST_F(DatabaseFile, AFullLineReadsBackAllNineteenValues) {
  ASSERT_EQ(LoadBytes(kFullLine), CGestionBD::LOAD_OK);
  ASSERT_EQ(store.GetAlbumCount(), 1);
  const CAlbum& a = *store.GetAlbum(0);
  EXPECT_EQ(a.GetSerie(), "Blake et Mortimer");
  EXPECT_EQ(a.GetTitre(), "La Marque jaune");
  EXPECT_EQ(a.GetTome(), 6);
  EXPECT_EQ(a.GetDessinateur(), "Jacobs");
  EXPECT_EQ(a.GetScenariste(), "Van Hamme");
  EXPECT_EQ(a.GetEditeur(), "Dargaud");
  EXPECT_EQ(a.GetCommentaire(), "Un classique \xE0 relire");
  EXPECT_EQ(a.GetEO(), 1);
  EXPECT_EQ(a.GetGenre(), "Aventure");
  EXPECT_EQ(a.GetPicture(), "images\\marque.jpg");
  EXPECT_EQ(a.GetPretA(), "Marc");
  EXPECT_EQ(a.GetDatePret(), "12/03/2024");
  EXPECT_DOUBLE_EQ(a.GetDateAchat(), 1700000000.0);
  EXPECT_EQ(a.GetType(), 2);
  EXPECT_EQ(a.GetCollection(), "Classique");
  EXPECT_EQ(a.GetNote(), 9);
  EXPECT_EQ(a.GetSerieFinie(), 1);
  EXPECT_EQ(a.GetNbPrets(), 4);
  EXPECT_EQ(a.GetPicture2(), "images\\dos.jpg");
  ASSERT_EQ(store.GetSeriesCount(), 1);
  EXPECT_EQ(store.GetSeries(0)->GetFinie(), 1);
}

TEST_F(DatabaseFile, SaveAndSaveAsWriteTheSameBytesThatLoadReadsBack) {
  ASSERT_EQ(store.Load(folder.path()), CGestionBD::LOAD_CANNOT_OPEN);  // no file yet
  store.AddAlbum("S\xE9rie", "Titre", -3, "D", "Sc", "E", "C", false, "Humour", 0.0, 2, "Col", 10,
                 1, 0);
  ASSERT_TRUE(store.Save());
  const std::string saved = folder.read(kDb);
  ASSERT_TRUE(store.SaveAs(folder.file("backup.db")));
  EXPECT_EQ(folder.read("backup.db"), saved);
  EXPECT_EQ(saved,
            "\"S\xE9rie\" \"Titre\" -3 \"D\" \"Sc\" \"E\" \"C\" 0 \"Humour\" \"_\" \"_\" \"_\" "
            "0.000000 2 \"Col\" 10 1 0 \"_\"\r\n");
  CGestionBD reloaded;
  ASSERT_EQ(reloaded.Load(folder.path()), CGestionBD::LOAD_OK);
  ASSERT_EQ(reloaded.GetAlbumCount(), 1);
  EXPECT_EQ(reloaded.GetAlbum(0)->GetTome(), -3);
  EXPECT_EQ(reloaded.GetNbManga(), 1);
}

TEST_F(DatabaseFile, ShorterLinesGetDefaultsForTheirMissingFields) {
  const std::string line18 = kFullLine.substr(0, kFullLine.rfind(" \"images\\dos")) + "\n";
  const std::string line14 =
      "\"S\" \"T\" 1 \"D\" \"Sc\" \"E\" \"C\" 0 \"Humour\" \"_\" \"_\" \"_\" 0.000000 1\n";
  ASSERT_EQ(LoadBytes(line18 + line14), CGestionBD::LOAD_OK);
  ASSERT_EQ(store.GetAlbumCount(), 2);
  EXPECT_EQ(store.GetAlbum(0)->GetPicture2(), "_");
  EXPECT_EQ(store.GetAlbum(0)->GetNbPrets(), 4);
  const CAlbum& b = *store.GetAlbum(1);
  EXPECT_EQ(b.GetCollection(), "_");
  EXPECT_EQ(b.GetNote(), 0);
  EXPECT_EQ(b.GetSerieFinie(), 0);
  EXPECT_EQ(b.GetNbPrets(), 0);
  EXPECT_EQ(b.GetType(), 1);
}

TEST_F(DatabaseFile, AnEmptyFieldStopsTheLineThere) {
  // Empty collection: only fourteen fields convert, the rest take defaults.
  const std::string emptyCollection =
      "\"S\" \"T\" 1 \"D\" \"Sc\" \"E\" \"C\" 0 \"G\" \"_\" \"_\" \"_\" 0.000000 0 \"\" 7 1 3 "
      "\"p2\"\n";
  // Empty fourth field: three fields, the line is dropped.
  const std::string emptyDessinateur =
      "\"S\" \"T\" 2 \"\" \"Sc\" \"E\" \"C\" 0 \"G\" \"_\" \"_\" \"_\" 0.000000 0\n";
  ASSERT_EQ(LoadBytes(emptyCollection + emptyDessinateur), CGestionBD::LOAD_OK);
  ASSERT_EQ(store.GetAlbumCount(), 1);
  const CAlbum& a = *store.GetAlbum(0);
  EXPECT_EQ(a.GetCollection(), "_");
  EXPECT_EQ(a.GetNote(), 0);
  EXPECT_EQ(a.GetSerieFinie(), 0);
  EXPECT_EQ(a.GetNbPrets(), 0);
  EXPECT_EQ(a.GetPicture2(), "_");
}

TEST_F(DatabaseFile, ReadsWhitespaceAndIntegersAsCFormattedInputDoes) {
  const std::string line =
      "\"S\"\"T\"   010 \"D\"\t\"Sc\" \"E\" \"C\" 0x1 \"G\" \"_\" \"_\" \"_\"  +86400.5  0x1A "
      "\"Col\" -2 1 3\"p2\"\n";
  ASSERT_EQ(LoadBytes(line), CGestionBD::LOAD_OK);
  ASSERT_EQ(store.GetAlbumCount(), 1);
  const CAlbum& a = *store.GetAlbum(0);
  EXPECT_EQ(a.GetTome(), 8);
  EXPECT_EQ(a.GetEO(), 1);
  EXPECT_DOUBLE_EQ(a.GetDateAchat(), 86400.5);
  EXPECT_EQ(a.GetType(), 26);
  EXPECT_EQ(a.GetNote(), -2);
  EXPECT_EQ(a.GetPicture2(), "p2");
  EXPECT_EQ(store.GetNbEuro(), 1) << "type 26 counts as BD Euro";
}

TEST_F(DatabaseFile, LinesThatDoNotStartWithAQuoteAreDropped) {
  ASSERT_EQ(LoadBytes(" " + kFullLine + "x" + kFullLine + kFullLine), CGestionBD::LOAD_OK);
  EXPECT_EQ(store.GetAlbumCount(), 1);
}

TEST_F(DatabaseFile, BlankLinesAndTheFinalLineEndAddNothing) {
  ASSERT_EQ(LoadBytes("\r\n\n" + kFullLine + "\n\r\n" + kFullLine + "\r\n"), CGestionBD::LOAD_OK);
  EXPECT_EQ(store.GetAlbumCount(), 2);
}

TEST_F(DatabaseFile, LineFeedOnlyFilesLoadToo) {
  std::string unixLine = kFullLine;
  unixLine.erase(unixLine.size() - 2, 1);
  ASSERT_EQ(LoadBytes(unixLine + unixLine), CGestionBD::LOAD_OK);
  ASSERT_EQ(store.GetAlbumCount(), 2);
  EXPECT_EQ(store.GetAlbum(1)->GetPicture2(), "images\\dos.jpg");
}

TEST_F(DatabaseFile, ALongLineIsReadWholeAndTheNextLinesStayIntact) {
  const std::string longComment(3000, 'x');
  std::string longLine = kFullLine;
  longLine.replace(longLine.find("Un classique"), 12, longComment);
  ASSERT_EQ(LoadBytes(longLine + kFullLine), CGestionBD::LOAD_OK);
  ASSERT_EQ(store.GetAlbumCount(), 2);
  EXPECT_EQ(store.GetAlbum(0)->GetCommentaire().size(), longComment.size() + 9);
  EXPECT_EQ(store.GetAlbum(0)->GetPicture2(), "images\\dos.jpg");
  EXPECT_EQ(store.GetAlbum(1)->GetCommentaire(), "Un classique \xE0 relire");
  // Written back whole, byte for byte.
  ASSERT_TRUE(store.Save());
  EXPECT_EQ(folder.read(kDb), longLine + kFullLine);
}

TEST_F(DatabaseFile, EmptyStoreSavesAnEmptyFileThatLoadsBack) {
  ASSERT_EQ(LoadBytes(kFullLine), CGestionBD::LOAD_OK);
  ASSERT_EQ(store.RemoveAlbum(0), 1);
  ASSERT_TRUE(store.Save());
  EXPECT_EQ(folder.read(kDb), "");
  EXPECT_EQ(store.Load(folder.path()), CGestionBD::LOAD_OK);
  EXPECT_EQ(store.GetAlbumCount(), 0);
}

TEST_F(DatabaseFile, MissingFileGivesEightAndAnEmptyStore) {
  ASSERT_EQ(LoadBytes(kFullLine + kFullLine), CGestionBD::LOAD_OK);
  std::filesystem::remove(folder.file(kDb));
  EXPECT_EQ(store.Load(folder.path()), CGestionBD::LOAD_CANNOT_OPEN);
  EXPECT_EQ(store.GetAlbumCount(), 0);
  EXPECT_EQ(store.GetSeriesCount(), 0);
  EXPECT_EQ(store.GetNbEuro(), 0);
  // The next save creates the file.
  store.AddAlbum("S", "T", 1, "_", "_", "_", "_", false, "_", 0, 0, "_", 0, 0, 0);
  EXPECT_TRUE(store.Save());
  EXPECT_TRUE(folder.exists(kDb));
}

TEST_F(DatabaseFile, LoadReplacesWhatTheStoreHeld) {
  store.AddAlbum("Old", "T", 1, "_", "_", "_", "_", false, "_", 0, 1, "_", 0, 0, 0);
  ASSERT_EQ(LoadBytes(kFullLine), CGestionBD::LOAD_OK);
  ASSERT_EQ(store.GetAlbumCount(), 1);
  EXPECT_EQ(store.GetNbComic(), 0);
  EXPECT_EQ(store.GetNbManga(), 1);
  ASSERT_EQ(store.GetSeriesCount(), 1);
  EXPECT_EQ(store.GetSeries(0)->GetNom(), "Blake et Mortimer");
}

TEST_F(DatabaseFile, TextsTheLineCannotCarryAreWrittenSoTheAlbumSurvives) {
  store.Load(folder.path());  // sets the folder; there is no file yet
  store.AddAlbum("Le \"Grand\" Duc", "", 1, "D", "Sc", "E", "ligne 1\r\nligne 2", false, "G", 0,
                 0, "_", 0, 0, 0);
  store.AddAlbum("Suivant", "T", 2, "D", "Sc", "E", "C", false, "G", 0, 0, "_", 0, 0, 0);
  ASSERT_TRUE(store.Save());
  CGestionBD reloaded;
  ASSERT_EQ(reloaded.Load(folder.path()), CGestionBD::LOAD_OK);
  ASSERT_EQ(reloaded.GetAlbumCount(), 2);
  EXPECT_EQ(reloaded.GetAlbum(0)->GetSerie(), "Le 'Grand' Duc");
  EXPECT_EQ(reloaded.GetAlbum(0)->GetTitre(), "_");
  EXPECT_EQ(reloaded.GetAlbum(0)->GetCommentaire(), "ligne 1  ligne 2");
  EXPECT_EQ(reloaded.GetAlbum(1)->GetSerie(), "Suivant");
}

TEST_F(DatabaseFile, AFailedSaveLeavesTheOldFileWhole) {
  ASSERT_EQ(LoadBytes(kFullLine), CGestionBD::LOAD_OK);
  // A folder where the temporary file should go makes the write fail.
  std::filesystem::create_directory(folder.file("data/quillory.db.tmp~"));
  store.AddAlbum("S", "T", 1, "_", "_", "_", "_", false, "_", 0, 0, "_", 0, 0, 0);
  EXPECT_FALSE(store.Save());
  EXPECT_EQ(folder.read(kDb), kFullLine);
  EXPECT_FALSE(store.SaveAs(folder.file("missing-folder/backup.db")));
}

TEST_F(DatabaseFile, SavingLeavesNoTemporaryFileBehind) {
  ASSERT_EQ(LoadBytes(kFullLine), CGestionBD::LOAD_OK);
  ASSERT_TRUE(store.Save());
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.file("data"))) {
    (void)entry;
    ++entries;
  }
  EXPECT_EQ(entries, 1);
}

TEST_F(DatabaseFile, AFileOfFiftyThousandAlbumsLoadsWholeAndSavesBackUnchanged) {
  // 50 000 albums in 10 000 series of five volumes, types in turn; one
  // unreadable line in the middle is the only line not shown.
  std::string bytes;
  for (int i = 0; i < 50000; ++i) {
    if (i == 25000) bytes += "\"Coupee\" \"net\" 4\r\n";
    bytes += "\"S" + std::to_string(i / 5) + "\" \"T" + std::to_string(i) + "\" " +
             std::to_string(i % 5 + 1) + " \"D\" \"Sc\" \"E\" \"C\" 0 \"G\" \"_\" \"_\" \"_\" " +
             "0.000000 " + std::to_string(i % 3) + " \"_\" 0 " + (i % 5 == 4 ? "1" : "0") +
             " 0 \"_\"\r\n";
  }
  EXPECT_EQ(LoadBytes(bytes), CGestionBD::LOAD_OK);
  ASSERT_EQ(store.GetAlbumCount(), 50000);
  EXPECT_EQ(store.GetAlbum(49999)->GetTitre(), "T49999");
  EXPECT_EQ(store.GetNbEuro(), 16667);
  EXPECT_EQ(store.GetNbComic(), 16667);
  EXPECT_EQ(store.GetNbManga(), 16666);
  ASSERT_EQ(store.GetSeriesCount(), 10000);
  EXPECT_EQ(store.GetSeries(9999)->GetNom(), "S9999");
  EXPECT_EQ(store.GetSeries(9999)->GetDernierTome(), 5);
  EXPECT_EQ(store.GetSeries(9999)->GetFinie(), 1);
  EXPECT_EQ(store.GetUnreadLines(), (std::vector<std::string>{"\"Coupee\" \"net\" 4"}));

  // Every album is written back, then the unreadable line.
  ASSERT_TRUE(store.Save());
  const std::size_t cut = bytes.find("\"Coupee\"");
  const std::size_t cutEnd = bytes.find('\n', cut) + 1;
  EXPECT_EQ(folder.read(kDb),
            bytes.substr(0, cut) + bytes.substr(cutEnd) + bytes.substr(cut, cutEnd - cut));
}

TEST_F(DatabaseFile, UnreadableLinesAreKeptVerbatimAndWrittenBackAfterTheAlbums) {
  const std::string shortLine = "\"Gaston\" \"Gaffes\" 3 \"Franquin\"";
  const std::string junk("\x89PNG\r\x1A\0\x01\x02\xFF", 11);
  ASSERT_EQ(LoadBytes(shortLine + "\r\n" + kFullLine + junk + "\n\r\n"), CGestionBD::LOAD_OK);
  ASSERT_EQ(store.GetAlbumCount(), 1);
  EXPECT_EQ(store.GetUnreadLines(), (std::vector<std::string>{shortLine, junk}));
  store.GetAlbum(0)->SetNote(3);
  ASSERT_TRUE(store.Save());
  std::string changed = kFullLine;
  changed.replace(changed.find(" 9 1 4 "), 7, " 3 1 4 ");
  EXPECT_EQ(folder.read(kDb), changed + shortLine + "\r\n" + junk + "\r\n");
  // They stay unread at the next load, and are not doubled by the next save.
  ASSERT_EQ(store.Load(folder.path()), CGestionBD::LOAD_OK);
  ASSERT_TRUE(store.Save());
  EXPECT_EQ(folder.read(kDb), changed + shortLine + "\r\n" + junk + "\r\n");

  const DatabaseSummary summary = CGestionBD::Inspect(folder.read(kDb));
  EXPECT_EQ(summary.albums, 1);
  EXPECT_EQ(summary.unreadable, 2);
  EXPECT_EQ(summary.firstUnreadable, shortLine);
}

TEST_F(DatabaseFile, SavingThroughALinkWritesTheLinkedFileAndKeepsItsMode) {
  ASSERT_EQ(LoadBytes(kFullLine), CGestionBD::LOAD_OK);
  // The database is a link to a private file elsewhere.
  std::filesystem::rename(folder.file(kDb), folder.file("prive.db"));
  std::filesystem::permissions(folder.file("prive.db"), std::filesystem::perms::owner_read |
                                                            std::filesystem::perms::owner_write);
  std::filesystem::create_symlink("../prive.db", folder.file(kDb));
  store.GetAlbum(0)->SetPretA("Lucie");
  ASSERT_TRUE(store.Save());

  EXPECT_TRUE(std::filesystem::is_symlink(folder.file(kDb)));
  EXPECT_NE(folder.read("prive.db").find("\"Lucie\""), std::string::npos);
  EXPECT_EQ(std::filesystem::status(folder.file("prive.db")).permissions() &
                std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  EXPECT_FALSE(folder.exists("data/quillory.db.tmp~"));
  EXPECT_FALSE(folder.exists("prive.db.tmp~"));
}

}  // namespace
