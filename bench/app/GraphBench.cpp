// The graphic-style main window, headless: showing the albums of a series of
// 100 albums and the details of one, in a collection of 5000 albums (what a
// click on a series does).
#include "app/QuilloryDlgtypeGraph.h"
#include "collection/GestionBD.h"
#include "platform/headless/Session.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

// 50 series of 100 albums, interleaved in the table as a collection grows.
class SeriesCollection {
 public:
  SeriesCollection() {
    m_path = (std::filesystem::temp_directory_path() /
              ("quillory_graph_bench_" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(m_path + "/data");
    CGestionBD store;
    for (int i = 0; i < 5000; ++i) {
      const std::string serie = "S\xE9rie " + std::to_string(i % 50);
      const std::string titre = "Album " + std::to_string(i);
      store.AddAlbum(serie.c_str(), titre.c_str(), i / 50 + 1, "Dessin", "Sc\xE9nario", "Dargaud",
                     "Un commentaire", i % 2 == 0, "Aventure", 0.0, i % 3, "Collection", i % 11,
                     0, 0);
    }
    std::ofstream(m_path + "/data/quillory.db", std::ios::binary) << store.FormatDatabase();
  }
  ~SeriesCollection() { std::filesystem::remove_all(m_path); }
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
};

void BM_ShowAlbumListAndDetails_100Of5000(benchmark::State& state) {
  SeriesCollection collection;
  ui::headless::Session session;
  auto dlg = std::make_unique<CQuilloryDlgtypeGraph>(nullptr, 1, collection.Path());
  session.Open(*dlg);
  int n = 0;
  for (auto _ : state) {
    const std::string serie = "S\xE9rie " + std::to_string(n++ % 50);
    dlg->ShowAlbumList(serie);
    dlg->ShowAlbumDetails(99);
    benchmark::DoNotOptimize(dlg->GetAlbumList().GetItemCount());
  }
  if (dlg->GetAlbumList().GetItemCount() != 100) state.SkipWithError("not 100 albums listed");
}

BENCHMARK(BM_ShowAlbumListAndDetails_100Of5000)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace
