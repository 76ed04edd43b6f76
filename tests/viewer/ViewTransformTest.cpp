#include "viewer/ViewTransform.h"

#include <gtest/gtest.h>

namespace {

const QSize kView(400, 300);

void expectNear(QPointF actual, QPointF expected) {
    EXPECT_NEAR(actual.x(), expected.x(), 1e-9);
    EXPECT_NEAR(actual.y(), expected.y(), 1e-9);
}

TEST(ViewTransform, MapsScreenToDrawingWithYUpwards) {
    const ViewTransform view{{10.0, 20.0}, 2.0};
    expectNear(view.screenToWorld({200, 150}, kView), {10.0, 20.0});
    expectNear(view.screenToWorld({0, 0}, kView), {-90.0, 95.0});
    expectNear(view.screenToWorld({400, 300}, kView), {110.0, -55.0});
    const QPointF points[] = {{0, 0}, {13.5, 299}, {400, 1}};
    for (const QPointF& p : points)
        expectNear(view.worldToScreen(view.screenToWorld(p, kView), kView), p);
}

TEST(ViewTransform, PanMovesTheDrawingWithTheMouse) {
    const ViewTransform view{{0.0, 0.0}, 4.0};
    const QPointF grabbed = view.screenToWorld({100, 100}, kView);
    const ViewTransform moved = view.panned({100, 100}, {140, 60});
    expectNear(moved.worldToScreen(grabbed, kView), {140, 60});
    EXPECT_EQ(moved.scale, 4.0);
}

TEST(ViewTransform, ZoomKeepsThePointUnderTheMouse) {
    const ViewTransform view{{5.0, -3.0}, 1.5};
    const QPointF mouse(321, 47);
    const QPointF before = view.screenToWorld(mouse, kView);
    for (const double factor : {1.25, 0.8, 10.0}) {
        const ViewTransform zoomed = view.zoomedAbout(mouse, factor, kView);
        EXPECT_DOUBLE_EQ(zoomed.scale, 1.5 * factor);
        expectNear(zoomed.screenToWorld(mouse, kView), before);
    }
}

TEST(ViewTransform, FittingShowsTheWholeRectangleCentred) {
    const QRectF world(-100, 0, 200, 50); // wide: the width decides
    const ViewTransform view = ViewTransform::fitting(world, kView);
    expectNear(view.centre, {0.0, 25.0});
    EXPECT_DOUBLE_EQ(view.scale, 400 * 0.9 / 200);
    const QPointF left = view.worldToScreen({-100, 25}, kView);
    EXPECT_NEAR(left.x(), 20.0, 1e-9);

    const ViewTransform point = ViewTransform::fitting(QRectF(3, 4, 0, 0), kView);
    expectNear(point.centre, {3.0, 4.0});
    EXPECT_GT(point.scale, 0.0);
    const ViewTransform line = ViewTransform::fitting(QRectF(0, 0, 0, 10), kView);
    EXPECT_DOUBLE_EQ(line.scale, 300 * 0.9 / 10);
}

TEST(ViewTransform, ZoomWindowFillsTheViewWithTheRectangle) {
    const ViewTransform view{{0.0, 0.0}, 1.0};
    const QRectF window(QPointF(250, 100), QPointF(150, 50)); // drawn from right to left
    const ViewTransform zoomed = view.zoomedToWindow(window, kView);
    EXPECT_DOUBLE_EQ(zoomed.scale, 4.0);
    expectNear(zoomed.centre, view.screenToWorld({200, 75}, kView));
}

} // namespace
