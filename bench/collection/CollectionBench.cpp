// The collection core on a generated collection of 5000 albums in 500 series.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "collection/GestionBD.h"

namespace {

constexpr int kAlbums = 5000;
constexpr int kSeries = 500;

std::string SerieName(int i) { return "S\xE9rie de bande dessin\xE9" "e num\xE9ro " + std::to_string(i % kSeries); }

void Fill(CGestionBD& store) {
  for (int i = 0; i < kAlbums; ++i) {
    std::string titre = "Le titre de l'album " + std::to_string(i);
    store.AddAlbum(SerieName(i).c_str(), titre.c_str(), i / kSeries + 1, "Un dessinateur",
                   "Un sc\xE9nariste", "Dupuis", "Un commentaire assez long sur cet album", i % 2,
                   "Aventure", 1700000000.0, i % 3, "Collection", i % 11, i % 2, 0);
    store.GetAlbum(i)->SetPicture("images\\album" + std::to_string(i) + ".jpg");
  }
}

// A program folder of its own with a saved collection and its CSV export.
struct Fixture {
  std::filesystem::path folder;
  std::string csvWithoutHeader;
  Fixture() {
    folder = std::filesystem::temp_directory_path() / "quillory-bench";
    std::filesystem::create_directories(folder / "data");
    CGestionBD store;
    store.Load(folder.string());
    Fill(store);
    store.Save();
    store.ExportCsv(folder.string());
    std::FILE* in = std::fopen((folder / "Quillory.csv").c_str(), "rb");
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) csvWithoutHeader.append(buffer, n);
    std::fclose(in);
    csvWithoutHeader.erase(0, csvWithoutHeader.find('\n') + 1);
    std::FILE* out = std::fopen(CsvPath().c_str(), "wb");
    std::fwrite(csvWithoutHeader.data(), 1, csvWithoutHeader.size(), out);
    std::fclose(out);
  }
  std::string CsvPath() const { return (folder / "import.csv").string(); }
};

const Fixture& TheFixture() {
  static Fixture fixture;
  return fixture;
}

void BM_Load(benchmark::State& state) {
  const Fixture& f = TheFixture();
  CGestionBD store;
  for (auto _ : state) benchmark::DoNotOptimize(store.Load(f.folder.string()));
  state.counters["albums"] = store.GetAlbumCount();
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state) {
  const Fixture& f = TheFixture();
  CGestionBD store;
  store.Load(f.folder.string());
  for (auto _ : state) benchmark::DoNotOptimize(store.Save());
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

void BM_ImportCsvIntoEmptyStore(benchmark::State& state) {
  const Fixture& f = TheFixture();
  for (auto _ : state) {
    CGestionBD store;
    benchmark::DoNotOptimize(store.ImportCsv(f.CsvPath()));
  }
}
BENCHMARK(BM_ImportCsvIntoEmptyStore)->Unit(benchmark::kMillisecond);

void BM_ImportCsvMergingEveryLine(benchmark::State& state) {
  const Fixture& f = TheFixture();
  CGestionBD store;
  store.Load(f.folder.string());
  for (auto _ : state) benchmark::DoNotOptimize(store.ImportCsv(f.CsvPath()));
  state.counters["albums"] = store.GetAlbumCount();
}
BENCHMARK(BM_ImportCsvMergingEveryLine)->Unit(benchmark::kMillisecond);

// Twenty lines whose fields hold 100 kB each: the texts are cut to what an
// album takes, so the collection (and the list showing it) stays small.
void BM_ImportCsvOfLongFields(benchmark::State& state) {
  const Fixture& f = TheFixture();
  const std::string path = (f.folder / "long.csv").string();
  const std::string field(100000, 'x');
  std::string csv;
  for (int i = 0; i < 20; ++i)
    csv += "S" + std::to_string(i) + ";" + field + ";1;" + field + ";" + field + ";" + field + ";" +
           field + ";0;Aventure;" + field + ";5;0\r\n";
  std::FILE* out = std::fopen(path.c_str(), "wb");
  std::fwrite(csv.data(), 1, csv.size(), out);
  std::fclose(out);
  std::size_t databaseBytes = 0;
  for (auto _ : state) {
    CGestionBD store;
    benchmark::DoNotOptimize(store.ImportCsv(path));
    databaseBytes = store.FormatDatabase().size();
  }
  state.counters["file_MB"] = double(csv.size()) / (1 << 20);
  state.counters["database_bytes"] = double(databaseBytes);
}
BENCHMARK(BM_ImportCsvOfLongFields)->Unit(benchmark::kMillisecond);

void BM_RebuildSeries(benchmark::State& state) {
  CGestionBD store;
  Fill(store);
  for (auto _ : state) store.RebuildSeries();
  state.counters["series"] = store.GetSeriesCount();
}
BENCHMARK(BM_RebuildSeries)->Unit(benchmark::kMillisecond);

// The worst case: the album sought is the last one, and every album before it
// shares its serie in all but the final letters.
void BM_FindAlbumWorstCase(benchmark::State& state) {
  CGestionBD store;
  Fill(store);
  const CAlbum& last = *store.GetAlbum(kAlbums - 1);
  for (auto _ : state)
    benchmark::DoNotOptimize(store.FindAlbum(last.GetSerie(), last.GetTitre(), last.GetTome()));
}
BENCHMARK(BM_FindAlbumWorstCase)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
