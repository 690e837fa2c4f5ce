// Filling a shown report list of 5000 rows of ten columns and sorting it by a
// text column, on the wxWidgets backend, until the native list has painted.
// Run under a display: xvfb-run -a build/bench/platform/platform_gui_bench
#include "platform/Dialog.h"
#include "platform/ListView.h"
#include "platform/TextCompare.h"
#include "platform/wx/UiDriver.h"
#include "platform/wx/WxApplication.h"

#include <benchmark/benchmark.h>

#include "ListRows.h"

#include <cstdio>
#include <string>

namespace {

const ui::DialogTemplate kTemplate{1, "Liste", 400, 250, ui::Style::Resizable, nullptr, {
  {1001, ui::ControlKind::ListView, "", 0, 0, 400, 250, ui::Style::SingleSel | ui::Style::ShowSelAlways},
}};

using listbench::Cell;
using listbench::kColumns;
using listbench::kRows;

ui::Dialog* g_window = nullptr;

void FillAndSort(ui::ListView& list, int column) {
  list.DeleteAllItems();
  for (int r = 0; r < kRows; ++r) {
    int row = list.InsertItem(r, Cell(r, 0));
    for (int c = 1; c < kColumns; ++c) list.SetItemText(row, c, Cell(r, c));
  }
  list.SortItemsEx([&](int a, int b) {
    return ui::CompareText(list.GetItemText(a, column), list.GetItemText(b, column));
  });
  list.SetSortIndicator(column, true);
}

void BM_GuiFillAndSortUntilPainted(benchmark::State& state) {
  ui::ListView& list = *g_window->GetListView(1001);
  for (auto _ : state) {
    FillAndSort(list, 3);
    ui::wxb::UiDriver::Flush();
  }
}
BENCHMARK(BM_GuiFillAndSortUntilPainted)->Unit(benchmark::kMillisecond);

void BM_GuiSortOnlyUntilPainted(benchmark::State& state) {
  ui::ListView& list = *g_window->GetListView(1001);
  FillAndSort(list, 3);
  ui::wxb::UiDriver::Flush();
  bool ascending = true;
  for (auto _ : state) {
    list.SortItemsEx([&](int a, int b) {
      int c = ui::CompareText(list.GetItemText(a, 5), list.GetItemText(b, 5));
      return ascending ? -c : c;
    });
    list.SetSortIndicator(5, !ascending);
    ascending = !ascending;
    ui::wxb::UiDriver::Flush();
  }
}
BENCHMARK(BM_GuiSortOnlyUntilPainted)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  ui::wxb::WxApplication app(argc, argv);
  if (!app.IsOk()) {
    std::fprintf(stderr, "platform_gui_bench: no display (run under xvfb-run)\n");
    return 1;
  }
  ui::Dialog window(kTemplate, nullptr);
  g_window = &window;
  ui::wxb::UiDriver::WhenShown([&](ui::Window&) {
    ui::ListView& list = *window.GetListView(1001);
    for (int c = 0; c < kColumns; ++c) list.InsertColumn(c, "C" + std::to_string(c), ui::LVCFMT_LEFT, 60);
    ui::wxb::UiDriver::Flush();
    benchmark::RunSpecifiedBenchmarks();
    window.EndDialog(ui::IDOK);
  });
  window.DoModal();
  benchmark::Shutdown();
  return 0;
}
