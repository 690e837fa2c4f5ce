// "Imprimer" of 5000 albums (1000 series of five) into a PDF file, on the
// real toolkit (Xvfb when there is no display): the print dialog, the list
// drawn on the printer's context and written page by page by the print
// framework. Print is pressed in the dialog from outside (xdotool) as soon as
// it is up, so the time includes the dialog's opening and closing.
#include "app/ImpressionListe.h"
#include "collection/GestionBD.h"
#include "platform/wx/WxApplication.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void BM_PrintToPdf_5000Albums(benchmark::State& state) {
  CGestionBD store;
  std::vector<std::string> series;
  for (int i = 0; i < 5000; ++i) {
    const std::string serie = "Serie " + std::to_string(i / 5);
    const std::string titre = "Album " + std::to_string(i);
    store.AddAlbum(serie.c_str(), titre.c_str(), i % 5 + 1, "Dessin", "Sc\xE9nario", "Dargaud",
                   "Un commentaire", true, "Aventure", 0.0, 0, "_", 5, 0, 0);
    series.push_back(serie);
  }
  const fs::path folder = fs::temp_directory_path() / ("quillory_print_" + std::to_string(getpid()));
  fs::create_directories(folder);
  const fs::path oldDir = fs::current_path();
  fs::current_path(folder);
  for (auto _ : state) {
    state.PauseTiming();
    // Return in the dialog until it has gone (Print is greyed until the
    // printer list is filled).
    std::system("(for i in $(seq 1 100); do "
                "w=$(xdotool search --onlyvisible --name '^(Print|Imprimer)$' 2>/dev/null | head -1); "
                "if [ -n \"$w\" ]; then xdotool windowfocus $w key --window $w Return 2>/dev/null; "
                "elif [ $i -gt 20 ]; then exit 0; fi; sleep 0.1; done) &");
    state.ResumeTiming();
    if (!CImpressionListe::Print(nullptr, store, series)) {
      state.SkipWithError("nothing was printed");
      break;
    }
  }
  std::uintmax_t size = 0;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == ".pdf") size = entry.file_size();
  state.counters["pdf_bytes"] = double(size);
  fs::current_path(oldDir);
  fs::remove_all(folder);
}

BENCHMARK(BM_PrintToPdf_5000Albums)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
  ui::wxb::WxApplication app(argc, argv);
  if (!app.IsOk()) return 1;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
