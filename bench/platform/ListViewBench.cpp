// Filling a report list of 5000 rows of ten columns and sorting it by a
// text column, in the model (no display).
#include "platform/Dialog.h"
#include "platform/ListView.h"
#include "platform/TextCompare.h"

#include <benchmark/benchmark.h>

#include "ListRows.h"

#include <string>

namespace {

const ui::DialogTemplate kTemplate{1, "", 400, 300, ui::Style::None, nullptr, {
  {1001, ui::ControlKind::ListView, "", 0, 0, 400, 300, ui::Style::SingleSel | ui::Style::ShowSelAlways},
}};

using listbench::Cell;
using listbench::kColumns;
using listbench::kRows;

void Fill(ui::ListView& list) {
  list.DeleteAllItems();
  for (int r = 0; r < kRows; ++r) {
    int row = list.InsertItem(r, Cell(r, 0));
    for (int c = 1; c < kColumns; ++c) list.SetItemText(row, c, Cell(r, c));
    list.SetItemData(row, std::uintptr_t(r));
  }
}

struct Fixture {
  ui::Dialog window{kTemplate, nullptr};
  ui::ListView* list = nullptr;
  Fixture() {
    window.BuildFromTemplate(ui::DialogUnits{});
    list = window.GetListView(1001);
    for (int c = 0; c < kColumns; ++c) list->InsertColumn(c, "C" + std::to_string(c), ui::LVCFMT_LEFT, 80);
  }
};

void BM_Fill5000x10(benchmark::State& state) {
  Fixture f;
  for (auto _ : state) Fill(*f.list);
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_Fill5000x10)->Unit(benchmark::kMillisecond);

void BM_FillAndSortByTextColumn(benchmark::State& state) {
  Fixture f;
  const int column = 3;
  for (auto _ : state) {
    Fill(*f.list);
    ui::ListView& list = *f.list;
    list.SortItemsEx([&](int a, int b) {
      return ui::CompareText(list.GetItemText(a, column), list.GetItemText(b, column));
    });
    list.SetSortIndicator(column, true);
    benchmark::DoNotOptimize(list.GetItemText(0, column));
  }
}
BENCHMARK(BM_FillAndSortByTextColumn)->Unit(benchmark::kMillisecond);

void BM_SortByTextColumnOnly(benchmark::State& state) {
  Fixture f;
  Fill(*f.list);
  ui::ListView& list = *f.list;
  bool ascending = true;
  for (auto _ : state) {
    list.SortItemsEx([&](int a, int b) {
      int c = ui::CompareText(list.GetItemText(a, 3), list.GetItemText(b, 3));
      return ascending ? c : -c;
    });
    ascending = !ascending;
  }
}
BENCHMARK(BM_SortByTextColumnOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
