// Full redraws of the million-entity drawing at 1920 x 1080, zoomed to its
// extents and into a small area, and the longest stretch the user-interface
// thread spends per frame while the view pans with the background render job.

#include "MillionEntityDrawing.h"
#include "cad/DxfReader.h"
#include "cad/render/PainterBackEnd.h"
#include "cad/render/RenderJob.h"
#include "cad/render/Scene.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

using namespace cad::render;

const QSize kViewSize(1920, 1080);

const Scene& millionEntityScene() {
    static const std::shared_ptr<const Scene> scene = [] {
        const std::string path = std::string(TESSVANE_BENCH_DATA_DIR) + "/million-entities.dxf";
        ensureMillionEntityDrawing(path);
        const cad::Drawing drawing = cad::readDxfFile(path);
        const auto start = std::chrono::steady_clock::now();
        auto built = Scene::build(drawing);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::fprintf(stderr, "recorded %zu primitives from %zu entities in %.2f s\n",
                     built->recording().size(), std::size_t(drawing.modelSpace.count), seconds);
        return built;
    }();
    return *scene;
}

ViewTransform extentsView() {
    ViewTransform view(kViewSize, {}, 1);
    view.zoomExtents(millionEntityScene().extents());
    return view;
}

// A view of about 1/50 of the drawing's width, off its centre.
ViewTransform smallAreaView() {
    const cad::Box2& all = millionEntityScene().extents();
    ViewTransform view(kViewSize, {all.minX + all.width() * 0.37, all.minY + all.height() * 0.61},
                       1);
    view.zoomToWorld([&] {
        cad::Box2 area;
        const cad::Vec2 c = view.centre();
        area.add(c.x - all.width() / 100, c.y - all.height() / 100);
        area.add(c.x + all.width() / 100, c.y + all.height() / 100);
        return area;
    }());
    return view;
}

void redraw(benchmark::State& state, const ViewTransform& view) {
    const Scene& scene = millionEntityScene();
    QImage picture(kViewSize, QImage::Format_RGB32);
    for (auto _ : state) {
        paintScene(scene, view, picture, 0xFF000000);
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["primitives"] = double(scene.recording().size());
}

void BM_RedrawZoomedToExtents(benchmark::State& state) {
    redraw(state, extentsView());
}
BENCHMARK(BM_RedrawZoomedToExtents)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RedrawSmallArea(benchmark::State& state) {
    redraw(state, smallAreaView());
}
BENCHMARK(BM_RedrawSmallArea)->Unit(benchmark::kMillisecond)->UseRealTime();

// One frame of a pan as the drawing view does it on the user-interface
// thread: move the view, ask the job for it, take in delivered pictures, and
// paint the last picture, placed for the current view, into the frame.
void BM_PanUserInterfaceBlock(benchmark::State& state) {
    const auto scene = std::shared_ptr<const Scene>(&millionEntityScene(), [](const Scene*) {});
    RenderJob job;
    job.setScene(scene);
    QImage lastPicture(kViewSize, QImage::Format_RGB32);
    lastPicture.fill(Qt::black);
    ViewTransform lastView = extentsView();
    int delivered = 0;
    QObject::connect(&job, &RenderJob::rendered, [&](const QImage& p, const ViewTransform& v) {
        lastPicture = p;
        lastView = v;
        ++delivered;
    });
    QImage frame(kViewSize, QImage::Format_RGB32);
    ViewTransform view = extentsView();
    double longest = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (int step = 0; step < 120; ++step) {
            const auto frameStart = std::chrono::steady_clock::now();
            view.pan(QPointF(6, -3));
            job.request(view, 0xFF000000);
            QCoreApplication::processEvents();
            {
                QPainter painter(&frame);
                painter.fillRect(frame.rect(), Qt::black);
                painter.setTransform(view.pictureTransformFrom(lastView));
                painter.drawImage(0, 0, lastPicture);
            }
            const auto frameEnd = std::chrono::steady_clock::now();
            longest = std::max(
                longest, std::chrono::duration<double, std::milli>(frameEnd - frameStart).count());
            // The rest of a 60 Hz frame is the user's.
            std::this_thread::sleep_until(frameStart + std::chrono::microseconds(16667));
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    job.cancel();
    state.counters["longest_ui_block_ms"] = longest;
    state.counters["pictures_delivered"] = delivered;
}
BENCHMARK(BM_PanUserInterfaceBlock)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    millionEntityScene();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
