// Opening the album entry dialog on a full collection (its four lists filled
// and sorted) and the list of loans with 1000 albums out, headless: creation
// and initialisation, as when the dialog appears.
#include "collection/GestionBD.h"
#include "dialogs/QuilloryAjoutBD.h"
#include "dialogs/QuilloryPret.h"
#include "platform/headless/Session.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kAlbums = 5000;

// Every album with its own writer, artist, publisher and collection: the
// longest lists the dialog can be asked to show. One album in five is lent.
void Fill(CGestionBD& store) {
  char text[4][64];
  for (int i = 0; i < kAlbums; ++i) {
    std::snprintf(text[0], sizeof text[0], "Sc\xE9nariste %lld", (i * 7919LL) % kAlbums);
    std::snprintf(text[1], sizeof text[1], "Dessinateur %lld", (i * 104729LL) % kAlbums);
    std::snprintf(text[2], sizeof text[2], "\xC9" "diteur %lld", (i * 1299709LL) % kAlbums);
    std::snprintf(text[3], sizeof text[3], "Collection %lld", (i * 15485863LL) % kAlbums);
    store.AddAlbum("Blake et Mortimer", "Album", i, text[1], text[0], text[2], "_", true,
                   "Aventure", 0.0, i % 3, text[3], 5, 0, 0);
    if (i % 5 == 0) {
      store.GetAlbum(i)->SetPretA("Paul");
      store.GetAlbum(i)->SetDatePret("12/03/2020");
    }
  }
}

void BM_OpenEntryDialog(benchmark::State& state) {
  CGestionBD store;
  Fill(store);
  ui::headless::Session session;
  for (auto _ : state) {
    CQuilloryAjoutBD dlg(nullptr, &store, CQuilloryAjoutBD::MODE_SUITE, "Album",
                         "Blake et Mortimer", 4999);
    session.Open(dlg);
    benchmark::DoNotOptimize(dlg.GetMode());
  }
}
BENCHMARK(BM_OpenEntryDialog)->Unit(benchmark::kMillisecond);

void BM_OpenListOfLoans(benchmark::State& state) {
  CGestionBD store;
  Fill(store);
  ui::headless::Session session;
  for (auto _ : state) {
    CQuilloryPret dlg(nullptr, &store);
    session.Open(dlg);
    benchmark::DoNotOptimize(dlg.SaveFailed());
  }
}
BENCHMARK(BM_OpenListOfLoans)->Unit(benchmark::kMillisecond);

}  // namespace

