#include <gtest/gtest.h>

#include "collection/GestionBD.h"

namespace {

void Add(CGestionBD& store, const char* serie, const char* titre, int tome, int type = 0,
         int serieFinie = 0) {
  store.AddAlbum(serie, titre, tome, "_", "_", "_", "_", false, "Aventure", 0.0, type,
                        "_", 0, serieFinie, 0);
}

void ExpectCountersAddUp(const CGestionBD& store) {
  EXPECT_EQ(store.GetNbEuro() + store.GetNbComic() + store.GetNbManga(), store.GetAlbumCount());
}

TEST(StoreAdd, AppendsWithDefaultsForPicturesAndLoan) {
  CGestionBD store;
  store.AddAlbum("Aria", "La fugue", 1, "Weyland", "Weyland", "Dupuis", "Beau", true,
                 "Fantastique", 86400.0, 0, "_", 7, 0, 0);
  ASSERT_EQ(store.GetAlbumCount(), 1);
  const CAlbum& a = *store.GetAlbum(0);
  EXPECT_EQ(a.GetEO(), 1);
  EXPECT_EQ(a.GetPicture(), "_");
  EXPECT_EQ(a.GetPretA(), "_");
  EXPECT_EQ(a.GetDatePret(), "_");
  EXPECT_EQ(a.GetPicture2(), "_");
  EXPECT_EQ(a.GetNote(), 7);
  EXPECT_DOUBLE_EQ(a.GetDateAchat(), 86400.0);
}

TEST(StoreCounters, EveryTypeButComicAndMangaIsBdEuro) {
  CGestionBD store;
  Add(store, "A", "a", 1, 0);
  Add(store, "B", "b", 1, 1);
  Add(store, "C", "c", 1, 2);
  Add(store, "D", "d", 1, -1);
  Add(store, "E", "e", 1, 3);
  EXPECT_EQ(store.GetNbEuro(), 3);
  EXPECT_EQ(store.GetNbComic(), 1);
  EXPECT_EQ(store.GetNbManga(), 1);
  ASSERT_EQ(store.RemoveAlbum(3), 1);  // the type -1 album
  EXPECT_EQ(store.GetNbEuro(), 2);
  ExpectCountersAddUp(store);
}

TEST(StoreSeries, HighestTomeAndItsFinishedFlagWin) {
  CGestionBD store;
  Add(store, "Thorgal", "t3", 3, 0, 1);
  Add(store, "Thorgal", "t2", 2, 0, 0);
  ASSERT_EQ(store.GetSeriesCount(), 1);
  EXPECT_EQ(store.GetSeries(0)->GetDernierTome(), 3);
  EXPECT_EQ(store.GetSeries(0)->GetFinie(), 1);
  Add(store, "Thorgal", "t3 bis", 3, 0, 0);  // same tome: the flag stays
  EXPECT_EQ(store.GetSeries(0)->GetFinie(), 1);
  Add(store, "Thorgal", "t4", 4, 0, 0);
  EXPECT_EQ(store.GetSeries(0)->GetDernierTome(), 4);
  EXPECT_EQ(store.GetSeries(0)->GetFinie(), 0);
}

TEST(StoreSeries, NamesAreCaseBlindAndSpelledByTheFirstAlbum) {
  CGestionBD store;
  Add(store, "L'\xC9t\xE9 indien", "un", 1);  // Windows-1252 bytes
  Add(store, "L'\xC9T\xC9 INDIEN", "deux", 2);
  Add(store, "Z\xE9ro", "z", 0);
  ASSERT_EQ(store.GetSeriesCount(), 2);
  EXPECT_EQ(store.GetSeries(0)->GetNom(), "L'\xC9t\xE9 indien");
  EXPECT_EQ(store.GetSeries(0)->GetDernierTome(), 2);
  EXPECT_EQ(store.GetSeries(1)->GetDernierTome(), 0);
}

TEST(StoreSeries, RebuildFollowsTheRemainingAlbums) {
  CGestionBD store;
  Add(store, "Alpha", "a1", 1);
  Add(store, "Beta", "b5", 5);
  Add(store, "alpha", "a9", 9, 0, 1);
  ASSERT_EQ(store.RemoveAlbum(0), 1);
  EXPECT_EQ(store.GetSeriesCount(), 2) << "removal leaves the series to the caller";
  store.RebuildSeries();
  ASSERT_EQ(store.GetSeriesCount(), 2);
  EXPECT_EQ(store.GetSeries(0)->GetNom(), "Beta");
  EXPECT_EQ(store.GetSeries(1)->GetNom(), "alpha");
  EXPECT_EQ(store.GetSeries(1)->GetDernierTome(), 9);
  EXPECT_EQ(store.GetSeries(1)->GetFinie(), 1);
  EXPECT_EQ(store.GetSeries(2), nullptr);
}

TEST(StoreFind, CaseBlindForTextsExactForTome) {
  CGestionBD store;
  Add(store, "Ast\xE9rix", "Le Devin", 19);
  Add(store, "Ast\xE9rix", "Le Devin", 19);
  Add(store, "Ast\xE9rix", "Le Devin", 20);
  EXPECT_EQ(store.FindAlbum("AST\xC9RIX", "le devin", 19), 0);
  EXPECT_EQ(store.FindAlbum("ast\xE9rix", "LE DEVIN", 20), 2);
  EXPECT_EQ(store.FindAlbum("Ast\xE9rix", "Le Devin", 21), -1);
  EXPECT_EQ(store.FindAlbum("Asterix", "Le Devin", 19), -1) << "an accent is not a case";
}

TEST(StoreRemove, ShiftsLaterAlbumsAndRefusesBadIndexes) {
  CGestionBD store;
  Add(store, "S", "a", 1, 1);
  Add(store, "S", "b", 2, 2);
  Add(store, "S", "c", 3, 0);
  EXPECT_EQ(store.RemoveAlbum(3), 0);
  EXPECT_EQ(store.RemoveAlbum(-1), 0);
  EXPECT_EQ(store.GetAlbumCount(), 3);
  ASSERT_EQ(store.RemoveAlbum(0), 1);
  EXPECT_EQ(store.GetAlbum(0)->GetTitre(), "b");
  EXPECT_EQ(store.GetAlbum(1)->GetTitre(), "c");
  ASSERT_EQ(store.RemoveAlbum(1), 1);  // the last one
  EXPECT_EQ(store.GetAlbumCount(), 1);
  EXPECT_EQ(store.GetNbComic(), 0);
  EXPECT_EQ(store.GetNbManga(), 1);
  EXPECT_EQ(store.GetNbEuro(), 0);
  EXPECT_EQ(store.GetAlbum(1), nullptr);
}

TEST(StoreGenres, KnownGenresAreTheFirstNineWithoutRegardToCase) {
  EXPECT_TRUE(CGestionBD::IsKnownGenre("humour"));
  EXPECT_TRUE(CGestionBD::IsKnownGenre("HEROIC FANTAISY"));
  EXPECT_FALSE(CGestionBD::IsKnownGenre("Roman Graphique"));
  EXPECT_FALSE(CGestionBD::IsKnownGenre("Inclassable"));
  EXPECT_FALSE(CGestionBD::IsKnownGenre("Humour "));
}

}  // namespace
