#include <gtest/gtest.h>

#include "collection/Album.h"

namespace {

CAlbum MakeAlbum() {
  return CAlbum("Blake", "La Marque", 6, "Jacobs", "De Moor", "Lombard", "Relu", 1, "Aventure",
                "images\\marque.jpg", "Marc", "12/03/2024", 1700000000.0, 1, "Classique", 8, 1, 2,
                "images\\dos.jpg");
}

CAlbum MakeImported(const char* titre, int type) {
  return CAlbum("BLAKE", titre, 6, "Dessin", "Scenario", "Editeur", "Autre commentaire", 0,
                "Humour", "_", "_", "_", 0.0, type, "Poche", 3, 1, 9, "_");
}

TEST(Album, NullTextsReadAsNoValue) {
  CAlbum album(nullptr, nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0, nullptr, nullptr,
               nullptr, nullptr, 0.0, 0, nullptr, 0, 0, 0, nullptr);
  EXPECT_EQ(album.GetSerie(), "_");
  EXPECT_EQ(album.GetCollection(), "_");
  EXPECT_EQ(album.GetPicture2(), "_");
  EXPECT_FALSE(album.IsLent());
}

TEST(Album, ConstructorTakesDatabaseOrder) {
  CAlbum a = MakeAlbum();
  EXPECT_EQ(a.GetSerie(), "Blake");
  EXPECT_EQ(a.GetTitre(), "La Marque");
  EXPECT_EQ(a.GetTome(), 6);
  EXPECT_EQ(a.GetDessinateur(), "Jacobs");
  EXPECT_EQ(a.GetScenariste(), "De Moor");
  EXPECT_EQ(a.GetEditeur(), "Lombard");
  EXPECT_EQ(a.GetCommentaire(), "Relu");
  EXPECT_EQ(a.GetEO(), 1);
  EXPECT_EQ(a.GetGenre(), "Aventure");
  EXPECT_EQ(a.GetPicture(), "images\\marque.jpg");
  EXPECT_EQ(a.GetPretA(), "Marc");
  EXPECT_EQ(a.GetDatePret(), "12/03/2024");
  EXPECT_DOUBLE_EQ(a.GetDateAchat(), 1700000000.0);
  EXPECT_EQ(a.GetType(), 1);
  EXPECT_EQ(a.GetCollection(), "Classique");
  EXPECT_EQ(a.GetNote(), 8);
  EXPECT_EQ(a.GetSerieFinie(), 1);
  EXPECT_EQ(a.GetNbPrets(), 2);
  EXPECT_EQ(a.GetPicture2(), "images\\dos.jpg");
}

TEST(Album, LendingIsCarriedByTheBorrower) {
  CAlbum a = MakeAlbum();
  a.SetPretA("Marc");
  a.SetDatePret("12/03");
  EXPECT_TRUE(a.IsLent());
  a.SetPretA("_");
  EXPECT_FALSE(a.IsLent());
}

TEST(AlbumMerge, TakesDescriptiveFieldsAndType) {
  CAlbum a = MakeAlbum();
  a.MergeFrom(MakeImported("LA MARQUE", 2));
  EXPECT_EQ(a.GetTitre(), "LA MARQUE");
  EXPECT_EQ(a.GetCollection(), "Poche");
  EXPECT_EQ(a.GetScenariste(), "Scenario");
  EXPECT_EQ(a.GetDessinateur(), "Dessin");
  EXPECT_EQ(a.GetEditeur(), "Editeur");
  EXPECT_EQ(a.GetGenre(), "Humour");
  EXPECT_EQ(a.GetType(), 2);
  // Everything else stays.
  EXPECT_EQ(a.GetSerie(), "Blake");
  EXPECT_EQ(a.GetCommentaire(), "Relu");
  EXPECT_EQ(a.GetEO(), 1);
  EXPECT_EQ(a.GetNote(), 8);
  EXPECT_EQ(a.GetNbPrets(), 2);
  EXPECT_EQ(a.GetSerieFinie(), 1);
  EXPECT_EQ(a.GetPicture(), "images\\marque.jpg");
  EXPECT_DOUBLE_EQ(a.GetDateAchat(), 1700000000.0);
}

TEST(AlbumMerge, NoValueIsCopiedButEmptyTextAndNegativeTypeAreNot) {
  CAlbum a = MakeAlbum();
  CAlbum other = MakeImported("_", -1);
  other.SetEditeur("");
  a.MergeFrom(other);
  EXPECT_EQ(a.GetTitre(), "_");
  EXPECT_EQ(a.GetEditeur(), "Lombard");
  EXPECT_EQ(a.GetType(), 1);  // a negative type is not taken
  // Type 0 (BD Euro) is a type like the others: it is taken.
  a.MergeFrom(MakeImported("La Marque", 0));
  EXPECT_EQ(a.GetType(), 0);
}

}  // namespace
