// An album list page refilled through the sortable list: 5000 rows of the
// ten album columns appended to a list with the ascending-sort style, then
// sorted by column 0; and re-sorting by a text and a number column, as a
// header click does.
#include "controls/SortListCtrl.h"
#include "platform/Dialog.h"
#include "platform/ListView.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

const ui::DialogTemplate kPage{141, "", 487, 295, ui::Style::Child, nullptr, {
  {1001, ui::ControlKind::ListView, "", 7, 6, 475, 240,
   ui::Style::SingleSel | ui::Style::ShowSelAlways | ui::Style::SortAscending},
}};

const char kHeadings[] =
    "S\xe9rie,100;Titre,108;Tome,40;Scenariste,100;D\xe9ssinateur,100;Editeur,90;EO,50;"
    "Genre,100;Collection,100;Note,40";

constexpr int kRows = 5000;

std::string Text(const char* prefix, int n) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%s%c %d", prefix, 'A' + (n * 7919) % 26, (n * 104729) % 977);
  return buf;
}

void Fill(CSortListCtrl& list) {
  list.DeleteAllItems();
  for (int r = 0; r < kRows; ++r) {
    list.AppendRow(Text("S\xe9rie ", r / 4), Text("Titre ", r), std::to_string(r % 40 + 1),
                   Text("Sc ", r % 300), Text("Des ", r % 250), Text("Ed ", r % 60),
                   r % 3 ? "Non" : "Oui", Text("Genre ", r % 12), Text("Col ", r % 90),
                   std::to_string(r % 11));
  }
}

struct Page {
  ui::Dialog window{kPage, nullptr};
  CSortListCtrl list;
  Page() {
    window.BuildFromTemplate(ui::DialogUnits{});
    list.SubclassDlgItem(1001, window);
    list.CreateColumns(kHeadings);
  }
};

void BM_FillPageAndSortByColumn0(benchmark::State& state) {
  Page page;
  for (auto _ : state) {
    Fill(page.list);
    page.list.SortByColumn(0, true);
    benchmark::DoNotOptimize(page.list.GetItemCount());
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_FillPageAndSortByColumn0)->Unit(benchmark::kMillisecond);

void BM_HeaderClickTextColumn(benchmark::State& state) {
  Page page;
  Fill(page.list);
  bool ascending = true;
  for (auto _ : state) {
    page.list.SortByColumn(1, ascending);
    ascending = !ascending;
  }
}
BENCHMARK(BM_HeaderClickTextColumn)->Unit(benchmark::kMillisecond);

void BM_HeaderClickNumberColumn(benchmark::State& state) {
  Page page;
  Fill(page.list);
  bool ascending = true;
  for (auto _ : state) {
    page.list.SortByColumn(2, ascending);
    ascending = !ascending;
  }
}
BENCHMARK(BM_HeaderClickNumberColumn)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
