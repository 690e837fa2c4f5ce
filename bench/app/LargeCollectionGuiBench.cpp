// The list-style window with 50 000 albums on the real toolkit (Xvfb when
// there is no display), each measured until the native list has painted:
// scrolling the page a screen at a time, a header click's sort and the
// search. Run: xvfb-run -a -s "-screen 0 1600x1000x24" build/bench/app/app_large_gui_bench
#include "BenchCollection.h"
#include "app/QuilloryDlg.h"
#include "app/QuilloryDlgList.h"
#include "platform/ListView.h"
#include "platform/wx/UiDriver.h"
#include "platform/wx/WxApplication.h"
#include "resources/Resource.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using ui::wxb::UiDriver;

CQuilloryDlg* g_window = nullptr;

ui::ListView& PageList() { return *g_window->GetTab().GetCurrentPage()->GetList().GetListView(); }

// A screen further down at each step (the list shows about 30 rows), the
// rows then painted: what a user paging through the list waits for.
void BM_ScrollAScreen50000(benchmark::State& state) {
  ui::ListView& list = PageList();
  int row = 0;
  for (auto _ : state) {
    row = (row + 30) % list.GetItemCount();
    list.EnsureVisible(row);
    UiDriver::Flush();
  }
}
BENCHMARK(BM_ScrollAScreen50000)->Unit(benchmark::kMillisecond);

// A header click on each column, the list painted again.
void BM_SortPainted50000(benchmark::State& state) {
  CSortListCtrl& list = g_window->GetTab().GetCurrentPage()->GetList();
  const int column = int(state.range(0));
  bool ascending = true;
  for (auto _ : state) {
    list.SortByColumn(column, ascending);
    ascending = !ascending;
    UiDriver::Flush();
  }
  list.SortByColumn(0, true);
}
BENCHMARK(BM_SortPainted50000)->DenseRange(0, 9)->Unit(benchmark::kMillisecond);

void Search(benchmark::State& state, const char* text) {
  g_window->SetDlgItemText(IDC_EDIT_RECHERCHE, text);
  for (auto _ : state) {
    g_window->OnRecherche();
    UiDriver::Flush();
  }
  state.counters["rows"] = PageList().GetItemCount();
}
void BM_SearchPainted50000_Ecluses(benchmark::State& state) { Search(state, "ecluses"); }
void BM_SearchPainted50000_AllMatch(benchmark::State& state) { Search(state, "e"); }
BENCHMARK(BM_SearchPainted50000_Ecluses)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchPainted50000_AllMatch)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  ui::wxb::WxApplication app(argc, argv);
  if (!app.IsOk()) {
    std::fprintf(stderr, "app_large_gui_bench: no display (run under xvfb-run)\n");
    return 1;
  }
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("quillory_large_gui_" + std::to_string(getpid()));
  std::filesystem::create_directories(folder / "data");
  {
    CGestionBD store;
    benchcollection::Fill(store, 50000);
    std::ofstream(folder / "data" / "quillory.db", std::ios::binary) << store.FormatDatabase();
  }
  CQuilloryDlg window(nullptr, 0, folder.string());
  g_window = &window;
  UiDriver::WhenShown([&](ui::Window&) {
    UiDriver::Flush();
    benchmark::RunSpecifiedBenchmarks();
    window.EndDialog(ui::IDCANCEL);
  });
  window.DoModal();
  benchmark::Shutdown();
  std::filesystem::remove_all(folder);
  return 0;
}
