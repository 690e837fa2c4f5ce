// Start-up of the program itself with 5000 albums, on a display (Xvfb when
// there is none): from starting the process to its main window shown and
// painted. The program is started with QUILLORY_EXIT_WHEN_SHOWN, so it ends
// there; the time measured is process start to process end.
//
// BM_QuilloryAgainstBareWindow starts, in each iteration, a bare toolkit
// window with one list of 5000 rows (bare_window) and Quillory with 5000
// albums, one after the other, and reports both times, their ratio and both
// peak memories (target: ratio within 1.2, memory within 25 MiB).
#include "collection/GestionBD.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

// A program folder: a copy of the program and its library, 5000 albums.
class ProgramFolder {
 public:
  // style: the content of the style file (0 list style, 1 graphic style).
  explicit ProgramFolder(const char* style) {
    m_path = fs::temp_directory_path() / ("quillory_startup_" + std::to_string(getpid()));
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
    const char* series[] = {"Blake et Mortimer", "Ast\xE9rix", "Tintin", "Thorgal", "Largo Winch"};
    for (int i = 0; i < 5000; ++i) {
      const std::string titre = "Album " + std::to_string(i);
      store.AddAlbum(series[i % 5], titre.c_str(), i / 5 + 1, "Dessin", "Sc\xE9nario", "Dargaud",
                     "Un commentaire", i % 2 == 0, "Aventure", 0.0, i % 3, "_", i % 11, 0, 0);
    }
    std::ofstream(m_path / "data" / "quillory.db", std::ios::binary) << store.FormatDatabase();
    std::ofstream(m_path / "data" / "quilloryType.cfg", std::ios::binary) << style;
  }
  ~ProgramFolder() { fs::remove_all(m_path); }
  std::string Executable() const { return (m_path / "Quillory").string(); }

 private:
  fs::path m_path;
};

void StartupToMainWindow(benchmark::State& state, const char* style) {
  if (!std::getenv("DISPLAY")) {
    state.SkipWithError("no display: run under xvfb-run");
    return;
  }
  ProgramFolder folder(style);
  const std::string exe = folder.Executable();
  setenv("QUILLORY_EXIT_WHEN_SHOWN", "1", 1);
  for (auto _ : state) {
    char* argv[] = {const_cast<char*>(exe.c_str()), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, environ) != 0) {
      state.SkipWithError("cannot start the program");
      break;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the program failed");
      break;
    }
  }
  unsetenv("QUILLORY_EXIT_WHEN_SHOWN");
}

// Runs a program to its end: wall time in ms and peak memory in MiB; false
// when it could not be started or failed.
bool RunProgram(const std::string& exe, double& ms, double& peakMiB) {
  char* argv[] = {const_cast<char*>(exe.c_str()), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = -1;
  if (posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
  int status = 0;
  struct rusage usage {};
  if (wait4(pid, &status, 0, &usage) != pid) return false;
  ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  peakMiB = double(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_QuilloryAgainstBareWindow(benchmark::State& state) {
  if (!std::getenv("DISPLAY")) {
    state.SkipWithError("no display: run under xvfb-run");
    return;
  }
  ProgramFolder folder("0");
  const std::string exe = folder.Executable();
  setenv("QUILLORY_EXIT_WHEN_SHOWN", "1", 1);
  double bareMs = 0, bareMiB = 0, quilloryMs = 0, quilloryMiB = 0;
  for (auto _ : state) {
    if (!RunProgram(BARE_WINDOW_EXE, bareMs, bareMiB) || !RunProgram(exe, quilloryMs, quilloryMiB)) {
      state.SkipWithError("a program failed");
      break;
    }
    state.SetIterationTime(quilloryMs / 1000.0);
  }
  unsetenv("QUILLORY_EXIT_WHEN_SHOWN");
  state.counters["bare_ms"] = bareMs;
  state.counters["quillory_ms"] = quilloryMs;
  state.counters["ratio"] = bareMs > 0 ? quilloryMs / bareMs : 0;
  state.counters["bare_MiB"] = bareMiB;
  state.counters["quillory_MiB"] = quilloryMiB;
  state.counters["extra_MiB"] = quilloryMiB - bareMiB;
}

BENCHMARK(BM_QuilloryAgainstBareWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(9);

void BM_StartupToMainWindow_5000Albums(benchmark::State& state) { StartupToMainWindow(state, "0"); }
void BM_StartupToGraphicWindow_5000Albums(benchmark::State& state) {
  StartupToMainWindow(state, "1");
}

BENCHMARK(BM_StartupToMainWindow_5000Albums)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(7);
BENCHMARK(BM_StartupToGraphicWindow_5000Albums)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(7);

}  // namespace

BENCHMARK_MAIN();
