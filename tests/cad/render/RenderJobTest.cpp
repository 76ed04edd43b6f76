#include "cad/render/RenderJob.h"
#include "DrawingFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace cad::render {
namespace {

using namespace test;

std::shared_ptr<const Scene> manyLines(int count) {
    const Drawing drawing = makeDrawing([&](DrawingBuilder& b) {
        for (int i = 0; i < count; ++i)
            b.add(line({double(i % 1000), double(i / 1000)},
                       {double(i % 1000) + 5, double(i / 1000) + 3},
                       Color::fromIndex(std::uint8_t(1 + i % 200))));
    });
    return sceneOf(drawing);
}

// Runs the event loop until `done` or a generous limit (a hang fails the test
// instead of blocking it).
template <class Done> bool waitFor(Done done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

struct Delivery {
    QImage picture;
    ViewTransform view;
};

// Keeps every picture the job delivers.
void collect(RenderJob& job, std::vector<Delivery>& delivered) {
    QObject::connect(&job, &RenderJob::rendered, [&](const QImage& p, const ViewTransform& v) {
        delivered.push_back({p, v});
    });
}

TEST(RenderJob, DeliversThePictureOfTheRequestedView) {
    RenderJob job;
    std::vector<Delivery> delivered;
    collect(job, delivered);
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        b.add(line({0, 0.5}, {100, 0.5}, Color::fromIndex(7)));
    });
    job.setScene(sceneOf(drawing));
    const ViewTransform view(QSize(100, 40), {50, 0.5}, 1);
    job.request(view, 0xFF000000);
    EXPECT_TRUE(job.busy());
    ASSERT_TRUE(waitFor([&] { return !delivered.empty(); }));
    EXPECT_FALSE(job.busy());
    ASSERT_EQ(delivered.size(), 1u);
    EXPECT_EQ(delivered[0].view, view);
    EXPECT_EQ(delivered[0].picture.size(), QSize(100, 40));
    EXPECT_EQ(delivered[0].picture.pixel(50, int(view.toPixel({0, 0.5}).y())), 0xFFFFFFFF);
}

TEST(RenderJob, ABurstOfRequestsEndsWithTheLatestView) {
    RenderJob job;
    std::vector<Delivery> delivered;
    collect(job, delivered);
    job.setScene(manyLines(200000));
    ViewTransform view(QSize(640, 480), {500, 100}, 0.5);
    for (int i = 0; i < 30; ++i) {
        view.pan(QPointF(3, 1));
        job.request(view, 0xFFFFFFFF);
    }
    ASSERT_TRUE(waitFor([&] { return !job.busy(); }));
    // The picture under way when the burst came, then the last one asked for;
    // the ones in between were replaced before they started.
    ASSERT_GE(delivered.size(), 1u);
    ASSERT_LE(delivered.size(), 2u);
    EXPECT_EQ(delivered.back().view, view);
}

TEST(RenderJob, ResizingStopsThePictureOfTheOldSize) {
    RenderJob job;
    std::vector<Delivery> delivered;
    collect(job, delivered);
    job.setScene(manyLines(300000));
    job.request(ViewTransform(QSize(1920, 1080), {500, 150}, 1.5), 0xFF000000);
    const ViewTransform small(QSize(320, 200), {500, 150}, 0.3);
    job.request(small, 0xFF000000);
    ASSERT_TRUE(waitFor([&] { return !job.busy(); }));
    ASSERT_FALSE(delivered.empty());
    EXPECT_EQ(delivered.back().view, small);
    for (const Delivery& d : delivered)
        EXPECT_EQ(d.picture.size(), d.view.size());
}

TEST(RenderJob, CancelAndDestructionMidRenderAreSafe) {
    const auto scene = manyLines(300000);
    int deliveries = 0;
    {
        RenderJob job;
        QObject::connect(&job, &RenderJob::rendered, [&] { ++deliveries; });
        job.setScene(scene);
        job.request(ViewTransform(QSize(1920, 1080), {500, 150}, 1.5), 0xFF000000);
        job.cancel();
        EXPECT_FALSE(job.busy());
        job.request(ViewTransform(QSize(1920, 1080), {500, 150}, 1.4), 0xFF000000);
        // Leaving the scope destroys the job while it renders.
    }
    QCoreApplication::processEvents();
    EXPECT_LE(deliveries, 1);
}

TEST(RenderJob, WithoutASceneDeliversTheBackground) {
    RenderJob job;
    QImage picture;
    QObject::connect(&job, &RenderJob::rendered,
                     [&](const QImage& p, const ViewTransform&) { picture = p; });
    job.request(ViewTransform(QSize(8, 8), {}, 1), 0xFF336699);
    ASSERT_TRUE(waitFor([&] { return !picture.isNull(); }));
    EXPECT_EQ(picture.pixel(3, 3), 0xFF336699);
}

} // namespace
} // namespace cad::render
