// OnRecherche of the list-style main window over a collection of 5000
// albums, in the headless backend: the whole search, from the text in the
// search box to the refilled page.
#include "app/QuilloryDlg.h"
#include "app/QuilloryDlgList.h"
#include "collection/GestionBD.h"
#include "platform/TabCtrl.h"
#include "platform/headless/Session.h"
#include "resources/Resource.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

constexpr int kAlbums = 5000;

const char* const kSeries[] = {"Blake et Mortimer", "Ast\xE9rix", "Tintin", "Thorgal", "Largo Winch",
                               "XIII", "Lanfeust de Troy", "Akira", "Watchmen", "Spirou et Fantasio"};
const char* const kPeople[] = {"Jacobs", "Goscinny", "Herg\xE9", "Rosinski", "Van Hamme",
                               "Vance", "Arleston", "Otomo", "Moore", "Franquin"};
const char* const kPublishers[] = {"Dargaud", "Hachette", "Casterman", "Le Lombard", "Dupuis",
                                   "Soleil", "Gl\xE9nat", "DC"};

// A program folder with 5000 albums, removed at the end.
class Collection {
 public:
  Collection() {
    m_path = (std::filesystem::temp_directory_path() /
              ("quillory_bench_" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(m_path + "/data");
    CGestionBD store;
    for (int i = 0; i < kAlbums; ++i) {
      char titre[64];
      std::snprintf(titre, sizeof titre, "Album num\xE9ro %d", i);
      store.AddAlbum(kSeries[i % 10], titre, i / 10 + 1, kPeople[i % 10], kPeople[(i + 3) % 10],
                     kPublishers[i % 8], "Un commentaire", i % 3 == 0, "Aventure", 0.0, i % 3,
                     "_", i % 11, 0, 0);
    }
    std::ofstream(m_path + "/data/quillory.db", std::ios::binary) << store.FormatDatabase();
  }
  ~Collection() { std::filesystem::remove_all(m_path); }
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
};

void Search(benchmark::State& state, const char* text, int tab) {
  Collection collection;
  ui::headless::Session session;
  auto dlg = std::make_unique<CQuilloryDlg>(nullptr, 0, collection.Path());
  session.Open(*dlg);
  if (tab != 0) dlg->GetTab().GetTabCtrl()->UserSelect(tab);
  dlg->SetDlgItemText(IDC_EDIT_RECHERCHE, text);
  for (auto _ : state) {
    dlg->OnRecherche();
    benchmark::DoNotOptimize(dlg->GetTab().GetCurrentPage()->GetList().GetItemCount());
  }
  state.counters["rows"] = dlg->GetTab().GetCurrentPage()->GetList().GetItemCount();
  dlg.reset();
}

// Every album matches: the page is refilled with all 5000 rows.
void BM_OnRecherche_AllMatch(benchmark::State& state) { Search(state, "u", 0); }
// A tenth of the albums match, found by their series.
void BM_OnRecherche_OneSeries(benchmark::State& state) { Search(state, "THORGAL", 0); }
// No album matches: the scan alone.
void BM_OnRecherche_NoMatch(benchmark::State& state) { Search(state, "introuvable", 0); }
// In the Manga tab: a third of the albums are of its type.
void BM_OnRecherche_MangaTab(benchmark::State& state) { Search(state, "a", 3); }
// An empty text refills the page with the whole tab.
void BM_OnRecherche_EmptyText(benchmark::State& state) { Search(state, "", 0); }

BENCHMARK(BM_OnRecherche_AllMatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OnRecherche_OneSeries)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OnRecherche_NoMatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OnRecherche_MangaTab)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OnRecherche_EmptyText)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
