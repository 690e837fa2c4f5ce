// A collection as collectors keep them, for the benchmarks: series of about
// ten volumes (a fifth of them with gaps), names with accents, a few hundred
// authors and sixty publishers, the three types, purchases over twenty years.
#pragma once

#include "collection/GestionBD.h"

#include <cstdio>
#include <string>

namespace benchcollection {

inline void Fill(CGestionBD& store, int albums) {
  static const char* const kWords[] = {"Blake", "Ast\xE9rix", "Tintin", "Thorgal", "Largo",
                                       "\xC9" "cluses", "Lanfeust", "Akira", "Watchmen", "Spirou",
                                       "Myst\xE8re", "Chr\xF4niques", "L\xE9gende", "Troy", "Ciel"};
  static const char* const kGenres[] = {"Aventure", "Humour", "Science fiction", "Policier",
                                        "Historique", "Fantastique", "Heroic Fantaisy"};
  char serie[96], titre[96], dessin[48], scenario[48], editeur[48];
  for (int i = 0; i < albums; ++i) {
    const int s = i / 10;
    std::snprintf(serie, sizeof serie, "%s %s %d", kWords[s % 15], kWords[(s / 15) % 15], s);
    std::snprintf(titre, sizeof titre, "La %s de l'album num\xE9ro %d", kWords[(i * 7) % 15], i);
    std::snprintf(dessin, sizeof dessin, "Dessinateur %d", (s * 37) % 400);
    std::snprintf(scenario, sizeof scenario, "Sc\xE9nariste %d", (s * 53) % 300);
    std::snprintf(editeur, sizeof editeur, "\xC9" "diteur %d", s % 60);
    // One series in five misses its third volume.
    const int tome = (s % 5 == 0 && i % 10 >= 2) ? i % 10 + 2 : i % 10 + 1;
    store.AddAlbum(serie, titre, tome, dessin, scenario, editeur,
                   i % 4 ? "_" : "Un commentaire sur cet album", i % 2 == 0, kGenres[s % 7],
                   946684800.0 + 86400.0 * (i % 7300), s % 3, i % 6 ? "_" : "Collection", i % 11,
                   0, 0);
  }
}

}  // namespace benchcollection
