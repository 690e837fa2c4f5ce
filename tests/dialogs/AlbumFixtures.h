#pragma once
// Albums with a distinct value in every field, for the dialogs' tests.

#include "collection/Album.h"
#include "collection/GestionBD.h"

#include <string>

// 2010-01-01 12:00 UTC.
constexpr double kAchat2010 = 1262347200.0;

// An album lent to Paul whose nineteen values all differ from one another.
inline CAlbum LentAlbum(const std::string& serie, const std::string& titre, int tome) {
  return CAlbum(serie.c_str(), titre.c_str(), tome, "Jacobs", "Van Hamme", "Dargaud",
                "Relu en 2019", 1, "Aventure", "images\\blake.jpg", "Paul", "12/03/2020",
                kAchat2010, ALBUM_COMIC, "Les Classiques", 7, 1, 3, "images\\dos.jpg");
}

// Appends a copy of the album to the store, keeping every value.
inline void Append(CGestionBD& store, const CAlbum& a) {
  store.AddAlbum(a.GetSerie().c_str(), a.GetTitre().c_str(), a.GetTome(),
                 a.GetDessinateur().c_str(), a.GetScenariste().c_str(), a.GetEditeur().c_str(),
                 a.GetCommentaire().c_str(), a.GetEO() == 1, a.GetGenre().c_str(),
                 a.GetDateAchat(), a.GetType(), a.GetCollection().c_str(), a.GetNote(),
                 a.GetSerieFinie(), a.GetNbPrets());
  CAlbum* added = store.GetAlbum(store.GetAlbumCount() - 1);
  added->SetPicture(a.GetPicture());
  added->SetPretA(a.GetPretA());
  added->SetDatePret(a.GetDatePret());
  added->SetPicture2(a.GetPicture2());
}
