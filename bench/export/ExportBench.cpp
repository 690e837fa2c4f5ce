// "Exporter en Html" of 5000 albums in 500 series, without pictures: the XML
// document alone, and with the page transformed through the shipped stylesheet.
#include "collection/GestionBD.h"
#include "export/CollectionExport.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

constexpr int kAlbums = 5000;
constexpr int kSeries = 500;

struct Fixture {
  std::filesystem::path folder;
  CGestionBD store;
  Fixture() {
    folder = std::filesystem::temp_directory_path() / "quillory-export-bench";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "data");
    std::filesystem::copy_file(std::filesystem::path(QUILLORY_RESOURCES_DATA) / "Quillory.xsl",
                               folder / "data" / "Quillory.xsl");
    for (int i = 0; i < kAlbums; ++i) {
      const std::string serie = "S\xE9rie num\xE9ro " + std::to_string(i % kSeries);
      const std::string titre = "Le titre de l'album " + std::to_string(i);
      store.AddAlbum(serie.c_str(), titre.c_str(), i / kSeries + 1, "Un dessinateur",
                     "Un sc\xE9nariste", "Dupuis", "Un commentaire & un avis sur cet album", i % 2,
                     "Aventure", 1700000000.0, i % 4 - 1, "Collection", i % 11, i % 2, 0);
    }
  }
  ~Fixture() { std::filesystem::remove_all(folder); }
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

void BM_ExportXml5000(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) {
    auto result = CollectionExport::ExportCollectionXml(f.store, f.folder.string(), false);
    if (!result.documentWritten) state.SkipWithError("export failed");
  }
}
BENCHMARK(BM_ExportXml5000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ExportXmlAndPage5000(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) {
    auto result = CollectionExport::ExportCollectionXml(f.store, f.folder.string(), true);
    if (!result.pageWritten) state.SkipWithError(result.problem.c_str());
  }
}
BENCHMARK(BM_ExportXmlAndPage5000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
