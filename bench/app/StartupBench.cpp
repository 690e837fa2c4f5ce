// Start-up of the program itself, on a display (Xvfb when there is none):
// from starting the process to its main window shown and painted. The
// program is started with QUILLORY_EXIT_WHEN_SHOWN, so it ends there, and
// QUILLORY_SHOWN_FILE, where it writes the moment it was shown (the bare
// window does the same).
//
// BM_QuilloryAgainstBareWindow/N starts, in turn, a bare toolkit window with
// one list of N rows (bare_window) and Quillory with N albums, five times
// each per iteration, and reports the medians of both times to the window
// shown, their ratio, the times to the process's end (its teardown
// included) and both peak memories. Targets: with 5000 albums a ratio within
// 1.2 and 25 MiB more; with 50 000 albums within 1.3 and 60 MiB more.
#include "BenchCollection.h"
#include "collection/GestionBD.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

// A program folder: a copy of the program and its library, and a collection.
class ProgramFolder {
 public:
  // style: the content of the style file (0 list style, 1 graphic style).
  ProgramFolder(const char* style, int albums) {
    m_path = fs::temp_directory_path() /
             ("quillory_startup_" + std::to_string(getpid()) + "_" + std::to_string(albums) + style);
    fs::remove_all(m_path);
    fs::create_directories(m_path / "data");
    fs::create_directories(m_path / "images");
    const fs::path program(QUILLORY_PROGRAM_EXE);
    for (const auto& entry : fs::directory_iterator(program.parent_path())) {
      const std::string name = entry.path().filename().string();
      if (name == "Quillory" || name.rfind("libTessaly.so", 0) == 0)
        fs::copy(entry.path(), m_path / name, fs::copy_options::copy_symlinks);
    }
    fs::copy(program.parent_path() / "data" / "AddPicture.bmp", m_path / "data" / "AddPicture.bmp");
    CGestionBD store;
    benchcollection::Fill(store, albums);
    std::ofstream(m_path / "data" / "quillory.db", std::ios::binary) << store.FormatDatabase();
    std::ofstream(m_path / "data" / "quilloryType.cfg", std::ios::binary) << style;
  }
  ~ProgramFolder() { fs::remove_all(m_path); }
  std::string Executable() const { return (m_path / "Quillory").string(); }

 private:
  fs::path m_path;
};

// What one run took: to the window shown and to the process's end, in ms,
// and its peak memory in MiB.
struct Run {
  double shownMs = 0, endMs = 0, peakMiB = 0;
};

// Runs a program to its end; false when it could not be started, failed or
// did not say when its window was shown.
bool RunProgram(const std::vector<std::string>& command, const std::string& shownFile, Run& run) {
  std::vector<char*> argv;
  for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  std::remove(shownFile.c_str());
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
  int status = 0;
  struct rusage usage {};
  if (wait4(pid, &status, 0, &usage) != pid) return false;
  const auto end = std::chrono::steady_clock::now();
  long long shownNs = 0;
  if (!(std::ifstream(shownFile) >> shownNs)) return false;
  const auto shown = std::chrono::steady_clock::time_point(std::chrono::nanoseconds(shownNs));
  run.shownMs = std::chrono::duration<double, std::milli>(shown - start).count();
  run.endMs = std::chrono::duration<double, std::milli>(end - start).count();
  run.peakMiB = double(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void QuilloryAgainstBareWindow(benchmark::State& state, const char* style) {
  if (!std::getenv("DISPLAY")) {
    state.SkipWithError("no display: run under xvfb-run");
    return;
  }
  const int albums = int(state.range(0));
  ProgramFolder folder(style, albums);
  const std::vector<std::string> quillory{folder.Executable()};
  const std::vector<std::string> bare{BARE_WINDOW_EXE, std::to_string(albums)};
  const std::string shownFile =
      (fs::temp_directory_path() / ("quillory_shown_" + std::to_string(getpid()))).string();
  setenv("QUILLORY_EXIT_WHEN_SHOWN", "1", 1);
  setenv("QUILLORY_SHOWN_FILE", shownFile.c_str(), 1);
  std::vector<double> bareShown, quilloryShown, bareEnd, quilloryEnd, bareMiB, quilloryMiB;
  for (auto _ : state) {
    std::vector<Run> b, q;
    for (int i = 0; i < 5; ++i) {
      Run run;
      if (!RunProgram(bare, shownFile, run)) {
        state.SkipWithError("the bare window failed");
        break;
      }
      b.push_back(run);
      if (!RunProgram(quillory, shownFile, run)) {
        state.SkipWithError("the program failed");
        break;
      }
      q.push_back(run);
    }
    if (b.empty() || q.empty()) break;
    auto median = [](const std::vector<Run>& runs, double Run::*field) {
      std::vector<double> values;
      for (const Run& r : runs) values.push_back(r.*field);
      return Median(values);
    };
    bareShown.push_back(median(b, &Run::shownMs));
    quilloryShown.push_back(median(q, &Run::shownMs));
    bareEnd.push_back(median(b, &Run::endMs));
    quilloryEnd.push_back(median(q, &Run::endMs));
    bareMiB.push_back(median(b, &Run::peakMiB));
    quilloryMiB.push_back(median(q, &Run::peakMiB));
    state.SetIterationTime(quilloryShown.back() / 1000.0);
  }
  unsetenv("QUILLORY_EXIT_WHEN_SHOWN");
  unsetenv("QUILLORY_SHOWN_FILE");
  std::remove(shownFile.c_str());
  if (bareShown.empty()) return;
  state.counters["bare_ms"] = Median(bareShown);
  state.counters["quillory_ms"] = Median(quilloryShown);
  state.counters["ratio"] = Median(quilloryShown) / Median(bareShown);
  state.counters["bare_end_ms"] = Median(bareEnd);
  state.counters["quillory_end_ms"] = Median(quilloryEnd);
  state.counters["bare_MiB"] = Median(bareMiB);
  state.counters["quillory_MiB"] = Median(quilloryMiB);
  state.counters["extra_MiB"] = Median(quilloryMiB) - Median(bareMiB);
}

void BM_QuilloryAgainstBareWindow(benchmark::State& state) { QuilloryAgainstBareWindow(state, "0"); }
void BM_GraphicAgainstBareWindow(benchmark::State& state) { QuilloryAgainstBareWindow(state, "1"); }

BENCHMARK(BM_QuilloryAgainstBareWindow)
    ->Arg(5000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);
BENCHMARK(BM_GraphicAgainstBareWindow)
    ->Arg(5000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
