// Rebuilding the thumbnail grid from the shell list (no file is read, no picture made) for
// folders of thousands of drawings.
// Run: build/<dir>/bench/browser/tessvane_browser_bench (Qt on its offscreen platform).

#include "browser/ThumbPopulation.h"
#include "platform/ShellList.h"
#include "platform/ThumbGrid.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_RefreshThumbnails(benchmark::State& state) {
    const int count = int(state.range(0));
    QTemporaryDir dir;
    for (int i = 0; i < count; ++i) {
        QFile file(dir.filePath(QStringLiteral("plan-%1.dwg").arg(i)));
        if (file.open(QIODevice::WriteOnly))
            file.write("AC1015");
    }
    ShellList list;
    list.setFolder(dir.path());
    ThumbGrid grid;
    grid.resize(800, 600);
    for (auto _ : state)
        RefreshThumbnails(grid, list);
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["cells"] = grid.cellCount();
}
BENCHMARK(BM_RefreshThumbnails)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace
