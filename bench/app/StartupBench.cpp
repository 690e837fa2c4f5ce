// Start-up of the program itself with 5000 albums, on a display (Xvfb when
// there is none): from starting the process to its main window shown and
// painted. The program is started with QUILLORY_EXIT_WHEN_SHOWN, so it ends
// there; the time measured is process start to process end.
#include "collection/GestionBD.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <spawn.h>
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
    for (int i = 0; i < CGestionBD::MAX_ALBUMS; ++i) {
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
