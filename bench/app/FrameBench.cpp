#include "app/SkinPainter.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// One paint of the whole frame and body onto a window-sized picture: the design size, a
// full-HD and a 4K work area.
void BM_PaintSkin(benchmark::State& state) {
    const QImage skin = QImage(":/skin/skin.png").convertToFormat(QImage::Format_RGB32);
    QImage window(int(state.range(0)), int(state.range(1)), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter canvas(&window);
        PaintSkin(canvas, skin, window.width(), window.height());
        canvas.end();
        benchmark::DoNotOptimize(window.constBits());
    }
    state.SetItemsProcessed(state.iterations() * window.width() * window.height());
}
BENCHMARK(BM_PaintSkin)
    ->Args({712, 486})
    ->Args({1920, 1040})
    ->Args({3840, 2100})
    ->Unit(benchmark::kMicrosecond);

} // namespace
