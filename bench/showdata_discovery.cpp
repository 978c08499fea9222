// A random show's search over 32,500 pictures in 210 nested folders, timed beside
// `find DIR -type f -iname '*.jpg'` on the same tree in the same run. The tree is
// made once under $TMPDIR (or /tmp) and kept for later runs.
#include "showdata/file_discovery.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int topFolders = 10;
constexpr int childrenPerFolder = 4;  // two levels below each top folder: 10 + 40 + 160 = 210 folders
constexpr int totalFiles = 32500;

fs::path treeRoot()
{
    const char* tmp = std::getenv("TMPDIR");
    return fs::path(tmp != nullptr ? tmp : "/tmp") / "quintavue-discovery-bench";
}

std::vector<fs::path> folders(const fs::path& root)
{
    std::vector<fs::path> all;
    for (int a = 0; a < topFolders; ++a) {
        const fs::path top = root / ("album" + std::to_string(a));
        all.push_back(top);
        for (int b = 0; b < childrenPerFolder; ++b) {
            const fs::path child = top / ("year" + std::to_string(b));
            all.push_back(child);
            for (int c = 0; c < childrenPerFolder; ++c)
                all.push_back(child / ("Event " + std::to_string(c)));
        }
    }
    return all;
}

const fs::path& preparedTree()
{
    static const fs::path root = [] {
        const fs::path base = treeRoot();
        if (fs::exists(base / ".complete"))
            return base;
        fs::remove_all(base);
        const std::vector<fs::path> all = folders(base);
        for (const fs::path& folder : all)
            fs::create_directories(folder);
        for (int i = 0; i < totalFiles; ++i) {
            const fs::path& folder = all[static_cast<std::size_t>(i) % all.size()];
            const char* extension = i % 7 == 0 ? ".JPG" : ".jpg";
            std::ofstream(folder / ("IMG_" + std::to_string(100000 + i) + extension)).put('x');
        }
        std::ofstream(base / ".complete").put('x');
        return base;
    }();
    return root;
}

void BM_ScanFolderWithSubfolders(benchmark::State& state)
{
    const QString root = QString::fromStdString(preparedTree().string());
    int found = 0;
    for (auto _ : state) {
        std::vector<QString> column(1);
        int count = 0;
        qv::FoundFileList list(column, count);
        qv::ScanFolder(root, true, list, qv::MediaKind::Picture);
        benchmark::DoNotOptimize(column.data());
        found = count;
    }
    state.counters["files"] = found;
}
BENCHMARK(BM_ScanFolderWithSubfolders)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FindCommand(benchmark::State& state)
{
    const std::string command = "find '" + preparedTree().string() + "' -type f -iname '*.jpg'";
    long lines = 0;
    for (auto _ : state) {
        FILE* pipe = ::popen(command.c_str(), "r");
        if (pipe == nullptr) {
            state.SkipWithError("popen failed");
            break;
        }
        lines = 0;
        char buffer[65536];
        std::size_t count = 0;
        while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            for (std::size_t i = 0; i < count; ++i)
                lines += buffer[i] == '\n';
        }
        ::pclose(pipe);
    }
    state.counters["files"] = static_cast<double>(lines);
}
BENCHMARK(BM_FindCommand)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
