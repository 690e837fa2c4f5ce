// "Sortie BD" on the worker thread, from a loopback server: a large feed that
// is read and shown, a 200 MB answer (stopped at the size limit), and a small
// feed that names one large entity 4000 times (refused). Each reports how much
// the process's peak memory grew while it ran.
#include "../../tests/export/LoopbackServer.h"
#include "export/NewsDownload.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <filesystem>
#include <fstream>

namespace {

long PeakKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

struct Folder {
  std::filesystem::path path = std::filesystem::temp_directory_path() / "quillory-news-bench";
  Folder() {
    std::filesystem::create_directories(path);
    std::filesystem::copy_file(std::filesystem::path(QUILLORY_RESOURCES_DATA) / "quilloryNews.xsl",
                               path / "quilloryNews.xsl",
                               std::filesystem::copy_options::overwrite_existing);
  }
  ~Folder() { std::filesystem::remove_all(path); }
};

void Run(benchmark::State& state, LoopbackServer::Reply reply, bool pageExpected) {
  Folder folder;
  LoopbackServer server(LoopbackServer::Mode::Serve, "");
  server.Route("/feed", std::move(reply));
  NewsRequest request;
  request.url = server.Url("/feed");
  request.documentPath = (folder.path / "quilloryNew.xml").string();
  request.stylesheetPath = (folder.path / "quilloryNews.xsl").string();
  const long before = PeakKiB();
  std::size_t pageBytes = 0;
  for (auto _ : state) {
    NewsResult result = CNewsDownload::Run(request);
    if (!result.page.ok) state.SkipWithError("no page");
    if (pageExpected != (result.document.find("<error>") == std::string::npos))
      state.SkipWithError("unexpected document");
    pageBytes = result.page.html.size();
  }
  state.counters["peak_growth_MiB"] = static_cast<double>(PeakKiB() - before) / 1024.0;
  state.counters["page_KiB"] = static_cast<double>(pageBytes) / 1024.0;
}

// 3000 items with their markup, about 3 MiB: a feed as large as is read.
void BM_NewsLargeFeed(benchmark::State& state) {
  LoopbackServer::Reply reply;
  reply.body = "<?xml version=\"1.0\" encoding=\"utf-8\"?><rss version=\"2.0\"><channel><title>Sorties</title>";
  for (int i = 0; i < 3000; ++i)
    reply.body += "<item><title>Album " + std::to_string(i) +
                  "</title><link>http://sorties.example/album/" + std::to_string(i) +
                  "</link><description>&lt;p&gt;&lt;b&gt;Tome " + std::to_string(i) +
                  "&lt;/b&gt; de la s\xC3\xA9rie, &lt;i&gt;enfin&lt;/i&gt; : " +
                  std::string(800, 'r') + "&lt;img src=\"http://sorties.example/" +
                  std::to_string(i) + ".jpg\"&gt;&lt;/p&gt;</description></item>";
  reply.body += "</channel></rss>";
  Run(state, std::move(reply), true);
}
BENCHMARK(BM_NewsLargeFeed)->Unit(benchmark::kMillisecond)->Iterations(3);

// 200 MB without a length: the download stops at 4 MiB.
void BM_News200MBAnswer(benchmark::State& state) {
  LoopbackServer::Reply reply;
  reply.body = std::string(1024 * 1024, 'x');
  reply.repeat = 200;
  reply.withLength = false;
  Run(state, std::move(reply), false);
}
BENCHMARK(BM_News200MBAnswer)->Unit(benchmark::kMillisecond)->Iterations(3);

// 70 kB naming an entity of 56 KiB 4000 times (224 MB once expanded).
void BM_NewsEntityFeed(benchmark::State& state) {
  LoopbackServer::Reply reply;
  reply.body = "<?xml version=\"1.0\"?><!DOCTYPE rss [<!ENTITY e \"" + std::string(56 * 1024, 'y') +
               "\">]><rss><channel><item><title>Bombe</title><description>";
  for (int i = 0; i < 4000; ++i) reply.body += "&e;";
  reply.body += "</description></item></channel></rss>";
  Run(state, std::move(reply), false);
}
BENCHMARK(BM_NewsEntityFeed)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
