// The statistics dialogs and "BD à suivre" opened on a full collection (5000
// albums, 1000 series, 250 publishers, purchases over 25 years), headless:
// what is measured is the dialog's own work, building and filling it.
#include "collection/GestionBD.h"
#include "dialogs/QuillorySerieASuivre.h"
#include "dialogs/QuilloryStatAchat.h"
#include "dialogs/QuilloryStatDlg.h"
#include "dialogs/QuilloryStatEditDlg.h"
#include "platform/ComboBox.h"
#include "platform/headless/Session.h"
#include "resources/Resource.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

CGestionBD& FullCollection() {
  static CGestionBD store;
  if (store.GetAlbumCount() == 0) {
    const char* genres[] = {"Aventure", "Humour", "Policier", "Science fiction", "Roman Graphique"};
    for (int i = 0; i < 5000; ++i) {
      const std::string serie = "Serie " + std::to_string(i % 1000);
      const std::string titre = "Album " + std::to_string(i);
      const std::string editeur = (i % 2 ? "Editeur " : "EDITEUR ") + std::to_string(i % 250);
      const double date = 946684800.0 + double(i) * 157680.0;  // 2000 to 2025
      store.AddAlbum(serie.c_str(), titre.c_str(), i / 1000 + 1, "Dessin", "Sc\xE9nario",
                     editeur.c_str(), "Un commentaire", i % 2 == 0, genres[i % 5], date, i % 3, "_",
                     i % 11, i % 7 == 0 ? 1 : 0, 0);
    }
  }
  return store;
}

template <class Dlg>
void OpenDialog(benchmark::State& state) {
  CGestionBD& store = FullCollection();
  for (auto _ : state) {
    ui::headless::Session session;
    Dlg dlg(nullptr, &store);
    session.Open(dlg);
    benchmark::DoNotOptimize(dlg.GetControls().size());
  }
}

void BM_StatGenerales_5000Albums(benchmark::State& s) { OpenDialog<CQuilloryStatDlg>(s); }
void BM_StatEditeurs_5000Albums(benchmark::State& s) { OpenDialog<CQuilloryStatEditDlg>(s); }
void BM_SerieASuivre_5000Albums(benchmark::State& s) { OpenDialog<CQuillorySerieASuivre>(s); }

// Opening, then choosing a year in the combo.
void BM_StatAchat_5000Albums(benchmark::State& state) {
  CGestionBD& store = FullCollection();
  for (auto _ : state) {
    ui::headless::Session session;
    CQuilloryStatAchat dlg(nullptr, &store);
    session.Open(dlg);
    dlg.GetComboBox(IDC_COMBO_ANNEE)->UserSelect(10);
  }
}

BENCHMARK(BM_StatGenerales_5000Albums)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatEditeurs_5000Albums)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatAchat_5000Albums)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SerieASuivre_5000Albums)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
