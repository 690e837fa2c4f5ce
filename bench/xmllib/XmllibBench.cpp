// Writing and reading a collection export of 5000 albums (four fields each).
// Targets: each under 20 ms.
#include <tessaly/VantorelTessaly.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using CElement = VantorelTessaly::CElement;

const int kAlbums = 5000;

std::string ScratchFile(const char* name)
{
    return (std::filesystem::temp_directory_path() /
            ("tessaly-bench-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

// The document the collection export builds.
std::unique_ptr<VantorelTessaly> BuildExport(const std::string& file)
{
    auto doc = std::make_unique<VantorelTessaly>();
    doc->CreateRoot("Quillory");
    const char* types[] = {"BD", "Comic", "Manga"};
    for (int i = 0; i < kAlbums; ++i) {
        CElement* album = doc->AddElement(doc->Root(), types[i % 3]);
        doc->AddElement(album, "Titre", "Album numero " + std::to_string(i));
        doc->AddElement(album, "Serie", "Serie " + std::to_string(i / 10));
        doc->AddElement(album, "Comment", i % 4 ? "Un commentaire assez long sur cet album" : "_");
        doc->AddElement(album, "Picture", "images/cover" + std::to_string(i) + ".jpg");
    }
    doc->AddElement(doc->Root(), "NbEuro", kAlbums / 3);
    doc->AddElement(doc->Root(), "NbManga", kAlbums / 3);
    doc->AddElement(doc->Root(), "NbComic", kAlbums / 3);
    doc->SetXSLLink("Quillory.xsl");
    doc->SetXSLEncoding("ISO-8859-1");
    doc->SetXMLVersion("1.0");
    doc->SetFile(file);
    return doc;
}

void BM_Write5000Albums(benchmark::State& state)
{
    const std::string file = ScratchFile("write.xml");
    auto doc = BuildExport(file);
    for (auto _ : state) {
        if (!doc->Write())
            state.SkipWithError("Write failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(file)));
    std::remove(file.c_str());
}
BENCHMARK(BM_Write5000Albums)->Unit(benchmark::kMillisecond);

// What the export does each time: build the tree, then write it.
void BM_BuildAndWrite5000Albums(benchmark::State& state)
{
    const std::string file = ScratchFile("build.xml");
    for (auto _ : state) {
        auto doc = BuildExport(file);
        if (!doc->Write())
            state.SkipWithError("Write failed");
    }
    std::remove(file.c_str());
}
BENCHMARK(BM_BuildAndWrite5000Albums)->Unit(benchmark::kMillisecond);

void BM_Read5000Albums(benchmark::State& state)
{
    const std::string file = ScratchFile("read.xml");
    BuildExport(file)->Write();
    VantorelTessaly doc;
    doc.SetFile(file);
    for (auto _ : state) {
        if (!doc.Read() || !doc.GetMessages().empty())
            state.SkipWithError("Read failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(file)));
    std::remove(file.c_str());
}
BENCHMARK(BM_Read5000Albums)->Unit(benchmark::kMillisecond);

// Reading back every title, album after album, through the queries.
void BM_WalkTitles5000Albums(benchmark::State& state)
{
    const std::string file = ScratchFile("walk.xml");
    BuildExport(file)->Write();
    VantorelTessaly doc;
    doc.SetFile(file);
    doc.Read();
    auto* top = doc.GetFirstChildNode(static_cast<CElement*>(doc.Root()), "Quillory");
    for (auto _ : state) {
        std::size_t titles = 0;
        for (CElement* album = doc.GetFirstChildNode(top, "BD"); album; album = doc.GetNextSiblingNode(album))
            titles += doc.GetDataFromName(album, "Titre").size();
        benchmark::DoNotOptimize(titles);
    }
    std::remove(file.c_str());
}
BENCHMARK(BM_WalkTitles5000Albums)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
