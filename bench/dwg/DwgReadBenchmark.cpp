// Reading a large DWG drawing of release 2000 held in memory: 200,000 lines and
// 100,000 circles in model space, built bit by bit. Reports the read time, the
// bytes read per second and the entities per second.

#include "cad/dwg/DwgReader.h"
#include "tests/cad/dwg/DwgBuilder.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kLines = 200000;
constexpr int kCircles = 100000;

const std::vector<std::uint8_t>& largeDrawing() {
    static const std::vector<std::uint8_t> bytes = [] {
        std::vector<dwgtest::Object> objects;
        objects.reserve(kLines + kCircles);
        std::uint64_t handle = 0x100;
        for (int i = 0; i < kLines; ++i)
            objects.push_back(dwgtest::line(handle++, i * 0.5, i * 0.25, i * 0.5 + 3, 7.5));
        for (int i = 0; i < kCircles; ++i) {
            dwgtest::Object circle;
            circle.type = 0x12;
            circle.handle = handle++;
            circle.fields.point3(i, -i * 0.5, 0).bd(1 + i % 17).b(true).b(true);
            objects.push_back(std::move(circle));
        }
        return dwgtest::dwgFile(objects);
    }();
    return bytes;
}

void readLargeDwg(benchmark::State& state) {
    const auto& bytes = largeDrawing();
    std::size_t entities = 0;
    for (auto _ : state) {
        const cad::Drawing drawing = cad::readDwg(bytes);
        benchmark::DoNotOptimize(entities = drawing.modelSpaceEntities().size());
    }
    if (entities != std::size_t(kLines + kCircles))
        state.SkipWithError("the reader did not find every entity");
    state.counters["MB_per_s"] = benchmark::Counter(
        double(bytes.size()) / 1e6 * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["entities_per_s"] = benchmark::Counter(
        double(entities) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(readLargeDwg)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
