// A collection of 50 000 albums (and 5000 for comparison), headless: load
// and save of the database, both windows opened on it, the search, a page
// refilled, a sort by each column, and the cells a scroll step paints.
#include "BenchCollection.h"
#include "app/QuilloryDlg.h"
#include "app/QuilloryDlgList.h"
#include "app/QuilloryDlgtypeGraph.h"
#include "collection/GestionBD.h"
#include "dialogs/QuilloryAlbumsManquants.h"
#include "platform/ListView.h"
#include "platform/headless/Session.h"
#include "resources/Resource.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

// A program folder holding a collection of that size, kept for the run.
class Folder {
 public:
  explicit Folder(int albums) {
    m_path = (std::filesystem::temp_directory_path() /
              ("quillory_large_" + std::to_string(getpid()) + "_" + std::to_string(albums)))
                 .string();
    std::filesystem::create_directories(m_path + "/data");
    CGestionBD store;
    benchcollection::Fill(store, albums);
    std::ofstream(m_path + "/data/quillory.db", std::ios::binary) << store.FormatDatabase();
  }
  ~Folder() { std::filesystem::remove_all(m_path); }
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
};

const Folder& FolderOf(int albums) {
  static std::map<int, std::unique_ptr<Folder>> folders;
  auto& folder = folders[albums];
  if (!folder) folder = std::make_unique<Folder>(albums);
  return *folder;
}

void BM_Load(benchmark::State& state) {
  const Folder& folder = FolderOf(int(state.range(0)));
  CGestionBD store;
  for (auto _ : state) benchmark::DoNotOptimize(store.Load(folder.Path()));
  state.counters["albums"] = store.GetAlbumCount();
}
BENCHMARK(BM_Load)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

// The file written whole and flushed to the disk, as "Enregistrer" does.
void BM_Save(benchmark::State& state) {
  const Folder& folder = FolderOf(int(state.range(0)));
  CGestionBD store;
  store.Load(folder.Path());
  for (auto _ : state) benchmark::DoNotOptimize(store.Save());
}
BENCHMARK(BM_Save)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

// The bytes of the file alone, without the disk.
void BM_FormatDatabase(benchmark::State& state) {
  const Folder& folder = FolderOf(int(state.range(0)));
  CGestionBD store;
  store.Load(folder.Path());
  for (auto _ : state) benchmark::DoNotOptimize(store.FormatDatabase());
}
BENCHMARK(BM_FormatDatabase)->Arg(50000)->Unit(benchmark::kMillisecond);

// A main window opened (collection loaded, first page filled) and closed.
template <class Window>
void OpenWindow(benchmark::State& state, int style) {
  const Folder& folder = FolderOf(int(state.range(0)));
  for (auto _ : state) {
    ui::headless::Session session;
    auto dlg = std::make_unique<Window>(nullptr, style, folder.Path());
    session.Open(*dlg);
    benchmark::DoNotOptimize(dlg->GetTab().GetCurrentPage()->GetList().GetItemCount());
    dlg.reset();
  }
}
void BM_OpenListWindow(benchmark::State& state) { OpenWindow<CQuilloryDlg>(state, 0); }
void BM_OpenGraphicWindow(benchmark::State& state) { OpenWindow<CQuilloryDlgtypeGraph>(state, 1); }
BENCHMARK(BM_OpenListWindow)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenGraphicWindow)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

// The list-style window on 50 000 albums, for the commands below.
struct ListWindow {
  ui::headless::Session session;
  std::unique_ptr<CQuilloryDlg> dlg;
  ListWindow() {
    dlg = std::make_unique<CQuilloryDlg>(nullptr, 0, FolderOf(50000).Path());
    session.Open(*dlg);
  }
  ~ListWindow() { dlg.reset(); }
  CSortListCtrl& List() { return dlg->GetTab().GetCurrentPage()->GetList(); }
};

ListWindow& TheListWindow() {
  static ListWindow window;
  return window;
}

void Search(benchmark::State& state, const char* text) {
  ListWindow& w = TheListWindow();
  w.dlg->SetDlgItemText(IDC_EDIT_RECHERCHE, text);
  for (auto _ : state) {
    w.dlg->OnRecherche();
    benchmark::DoNotOptimize(w.List().GetItemCount());
  }
  state.counters["rows"] = w.List().GetItemCount();
  w.dlg->SetDlgItemText(IDC_EDIT_RECHERCHE, "");
  w.dlg->OnRecherche();
}
// Two words of fifteen: about an eighth of the albums, by their series.
void BM_Search50000_Ecluses(benchmark::State& state) { Search(state, "ecluses"); }
// Every album matches: the page shows all 50 000.
void BM_Search50000_AllMatch(benchmark::State& state) { Search(state, "e"); }
void BM_Search50000_NoMatch(benchmark::State& state) { Search(state, "introuvable"); }
// An empty text: the whole tab again.
void BM_Search50000_EmptyText(benchmark::State& state) { Search(state, ""); }
BENCHMARK(BM_Search50000_Ecluses)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Search50000_AllMatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Search50000_NoMatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Search50000_EmptyText)->Unit(benchmark::kMillisecond);

// A header click on a column of the page of 50 000 rows (each run turns
// the order around, as a second click does).
void BM_Sort50000(benchmark::State& state) {
  ListWindow& w = TheListWindow();
  const int column = int(state.range(0));
  bool ascending = true;
  for (auto _ : state) {
    w.List().SortByColumn(column, ascending);
    ascending = !ascending;
  }
  w.List().SortByColumn(0, true);
}
BENCHMARK(BM_Sort50000)->DenseRange(0, 9)->Unit(benchmark::kMillisecond);

// One scroll step of a list 40 rows high: the cells of the rows it paints,
// as the native list asks for them.
void BM_ScrollStep50000(benchmark::State& state) {
  ListWindow& w = TheListWindow();
  const ui::ListView& list = *w.List().GetListView();
  int top = 0;
  for (auto _ : state) {
    for (int row = top; row < top + 40; ++row)
      for (int column = 0; column < 10; ++column)
        benchmark::DoNotOptimize(list.GetItemText(row, column));
    top = (top + 997) % (list.GetItemCount() - 40);
  }
}
BENCHMARK(BM_ScrollStep50000)->Unit(benchmark::kMicrosecond);

// "Albums manquants" opened on 50 000 albums (a fifth of the series lack a
// volume): the rows worked out and listed.
void BM_AlbumsManquants50000(benchmark::State& state) {
  ListWindow& w = TheListWindow();
  for (auto _ : state) {
    CQuilloryAlbumsManquants dlg(w.dlg.get(), w.dlg->GetGestion());
    w.session.Open(dlg);
    benchmark::DoNotOptimize(dlg.GetListView(IDC_LIST_MANQUANTS)->GetItemCount());
    dlg.DestroyWindow();
  }
}
BENCHMARK(BM_AlbumsManquants50000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
