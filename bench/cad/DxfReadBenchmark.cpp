// Reading the million-entity drawing: our reader against Debian's libdxflib with
// callbacks that only count, in the same run. Each benchmark reports the read
// time and, as the counter peak_MB, the peak memory of one read in a child process.

#include "MillionEntityDrawing.h"
#include "PeakMemory.h"

#include "cad/DxfReader.h"

#include <benchmark/benchmark.h>
#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

#include <filesystem>

namespace {

std::string drawingPath() {
    static const std::string path = [] {
        const auto p = std::filesystem::path(TESSVANE_BENCH_DATA_DIR) / "million-entities.dxf";
        ensureMillionEntityDrawing(p.string());
        return p.string();
    }();
    return path;
}

std::size_t readWithTessvane(const std::string& path) {
    const cad::Drawing drawing = cad::readDxfFile(path);
    return drawing.modelSpaceEntities().size();
}

class CountingAdapter : public DL_CreationAdapter {
public:
    std::size_t entities = 0;
    void addLine(const DL_LineData&) override { ++entities; }
    void addCircle(const DL_CircleData&) override { ++entities; }
    void addArc(const DL_ArcData&) override { ++entities; }
    void addPolyline(const DL_PolylineData&) override { ++entities; }
    void addText(const DL_TextData&) override { ++entities; }
};

std::size_t readWithDxflib(const std::string& path) {
    CountingAdapter adapter;
    DL_Dxf dxf;
    dxf.in(path, &adapter);
    return adapter.entities;
}

template <std::size_t (*Read)(const std::string&)> void readDrawing(benchmark::State& state) {
    const std::string path = drawingPath();
    std::size_t entities = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(entities = Read(path));
    if (entities != kBenchmarkEntityCount)
        state.SkipWithError("the reader did not find every entity");
    state.counters["entities"] = double(entities);
    state.counters["MB_per_s"] = benchmark::Counter(double(std::filesystem::file_size(path)) / 1e6 *
                                                        double(state.iterations()),
                                                    benchmark::Counter::kIsRate);
    state.counters["peak_MB"] = peakMegabytesInChild([&path] { Read(path); });
}

} // namespace

BENCHMARK(readDrawing<readWithTessvane>)
    ->Name("ReadDxf/tessvane")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(readDrawing<readWithDxflib>)
    ->Name("ReadDxf/libdxflib")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

BENCHMARK_MAIN();
