#include "cad/render/ViewTransform.h"
#include "DrawingFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace cad::render {
namespace {

using test::box;

TEST(ViewTransform, PixelsAndWorldMapBothWaysWithYUp) {
    const ViewTransform view(QSize(200, 100), {10, 20}, 2);
    const QPointF centre = view.toPixel({10, 20});
    EXPECT_DOUBLE_EQ(centre.x(), 100);
    EXPECT_DOUBLE_EQ(centre.y(), 50);
    const QPointF up = view.toPixel({10, 25});
    EXPECT_DOUBLE_EQ(up.y(), 40); // world up is pixel up
    const Vec2 corner = view.toWorld(QPointF(0, 0));
    EXPECT_DOUBLE_EQ(corner.x, -40);
    EXPECT_DOUBLE_EQ(corner.y, 45);
    const Affine2 m = view.worldToPixel();
    const Vec2 p = m.map({3, 4});
    EXPECT_DOUBLE_EQ(p.x, view.toPixel({3, 4}).x());
    EXPECT_DOUBLE_EQ(p.y, view.toPixel({3, 4}).y());
}

TEST(ViewTransform, ZoomAboutKeepsThePointUnderThePointer) {
    ViewTransform view(QSize(640, 480), {0, 0}, 1);
    const QPointF pointer(100, 400);
    const Vec2 before = view.toWorld(pointer);
    for (const double factor : {1.25, 1.25, 0.8, 10.0, 0.01}) {
        view.zoomAbout(pointer, factor);
        const Vec2 after = view.toWorld(pointer);
        EXPECT_NEAR(after.x, before.x, 1e-9);
        EXPECT_NEAR(after.y, before.y, 1e-9);
    }
    EXPECT_NEAR(view.scale(), 1.25 * 1.25 * 0.8 * 10 * 0.01, 1e-12);
    view.zoomAbout(pointer, 0);
    view.zoomAbout(pointer, NAN);
    EXPECT_NEAR(view.scale(), 0.125, 1e-12);
}

TEST(ViewTransform, PanMovesTheDrawingWithTheDrag) {
    ViewTransform view(QSize(100, 100), {0, 0}, 2);
    const QPointF grabbed = view.toPixel({5, 5});
    view.pan(QPointF(30, -10));
    const QPointF now = view.toPixel({5, 5});
    EXPECT_DOUBLE_EQ(now.x(), grabbed.x() + 30);
    EXPECT_DOUBLE_EQ(now.y(), grabbed.y() - 10);
}

TEST(ViewTransform, ExtentsFitWithMarginAndEmptyGetsDefault) {
    ViewTransform view(QSize(400, 200), {}, 1);
    view.zoomExtents(box(0, 0, 100, 100)); // the height limits: 100 (1 + 2 margin) = 200 px
    EXPECT_NEAR(view.scale(), 200 / (100 * (1 + 2 * ViewTransform::kExtentsMargin)), 1e-12);
    EXPECT_EQ(view.centre(), (Vec2{50, 50}));
    const Box2 shown = view.visibleWorld();
    EXPECT_LT(shown.minY, 0);
    EXPECT_GT(shown.maxY, 100);

    view.zoomExtents(Box2{});
    const Box2 fallback = view.visibleWorld();
    const Box2 expected = ViewTransform::defaultWorld();
    EXPECT_LE(fallback.minX, expected.minX);
    EXPECT_GE(fallback.maxX, expected.maxX);
    EXPECT_LE(fallback.minY, expected.minY);
    EXPECT_GE(fallback.maxY, expected.maxY);

    // A flat line fits by its length; a single point gets the empty drawing's
    // area around it.
    view.zoomExtents(box(0, 3, 50, 3));
    EXPECT_NEAR(view.scale(), 400 / (50 * (1 + 2 * ViewTransform::kExtentsMargin)), 1e-12);
    for (const Box2& point : {box(5, 5, 5, 5), box(1e9, 1e9, 1e9, 1e9)}) {
        view.zoomExtents(point);
        EXPECT_NEAR(view.centre().x, point.minX, 1e-6);
        EXPECT_NEAR(view.visibleWorld().height(), expected.height(), 1e-6);
    }
}

TEST(ViewTransform, ZoomWindowShowsTheRectangle) {
    ViewTransform view(QSize(400, 400), {0, 0}, 1);
    const QRectF band(QPointF(300, 100), QPointF(100, 200)); // dragged right to left
    const Vec2 a = view.toWorld(band.topRight()), b = view.toWorld(band.bottomLeft());
    view.zoomToPixels(band);
    EXPECT_NEAR(view.scale(), 2, 1e-12); // 200 px wide fills 400 px
    EXPECT_NEAR(view.centre().x, (a.x + b.x) / 2, 1e-9);
    EXPECT_NEAR(view.centre().y, (a.y + b.y) / 2, 1e-9);
    const ViewTransform before = view;
    view.zoomToPixels(QRectF(10, 10, 0.2, 0.3)); // a click, not a rectangle
    EXPECT_EQ(view, before);
}

TEST(ViewTransform, OldPictureLandsWhereItsContentNowIs) {
    const ViewTransform earlier(QSize(300, 200), {5, 5}, 3);
    ViewTransform now = earlier;
    now.zoomAbout(QPointF(40, 170), 1.5);
    now.pan(QPointF(-25, 12));
    const QTransform t = now.pictureTransformFrom(earlier);
    for (const Vec2 world : {Vec2{0, 0}, Vec2{20, -7}, Vec2{5, 5}}) {
        const QPointF mapped = t.map(earlier.toPixel(world));
        const QPointF expected = now.toPixel(world);
        EXPECT_NEAR(mapped.x(), expected.x(), 1e-9);
        EXPECT_NEAR(mapped.y(), expected.y(), 1e-9);
    }
}

TEST(ViewHistory, BackGoesToPreviousViewsAndIsBounded) {
    ViewHistory history;
    const ViewTransform current(QSize(100, 100), {0, 0}, 1);
    EXPECT_EQ(history.pop(current), current); // nothing to go back to
    for (int i = 0; i < int(ViewHistory::kLimit) + 10; ++i)
        history.push(ViewTransform(QSize(100, 100), {double(i), 0}, 1));
    history.push(ViewTransform(QSize(100, 100), {double(ViewHistory::kLimit + 9), 0}, 1));
    EXPECT_EQ(history.size(), ViewHistory::kLimit); // the repeat was not added
    const ViewTransform resized(QSize(50, 80), {0, 0}, 1);
    const ViewTransform back = history.pop(resized);
    EXPECT_EQ(back.centre().x, double(ViewHistory::kLimit + 9));
    EXPECT_EQ(back.size(), QSize(50, 80)); // the view keeps its present size
    while (!history.empty())
        history.pop(current);
    EXPECT_EQ(history.pop(current), current);
}

} // namespace
} // namespace cad::render
