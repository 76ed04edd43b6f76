// Pictures painted offscreen, checked against where the test itself computes
// the drawing's pixels must be.

#include "DrawingFixture.h"
#include "cad/render/PainterBackEnd.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace cad::render {
namespace {

using namespace test;

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr double kPi = std::numbers::pi;

// A 200 x 100 view at one pixel per unit with world (0, 0) at pixel (0, 100):
// world x is pixel x, world y is 100 minus pixel y.
ViewTransform unitView() {
    return ViewTransform(QSize(200, 100), {100, 50}, 1);
}

int countNot(const QImage& image, QRgb background) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) != background;
    return n;
}

QImage paint(const Drawing& drawing, QRgb background, const ViewTransform& view = unitView()) {
    return renderScene(*sceneOf(drawing), view, background);
}

TEST(Painting, ALineLightsItsRowAndNothingElse) {
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        b.add(line({20.5, 30.5}, {180.5, 30.5}, Color::fromIndex(1)));
    });
    const QImage image = paint(drawing, kBlack);
    const int row = int(unitView().toPixel({0, 30.5}).y());
    for (int x = 25; x < 175; ++x)
        EXPECT_EQ(image.pixel(x, row), 0xFFFF0000) << x;
    EXPECT_EQ(image.pixel(10, row), kBlack);
    EXPECT_EQ(image.pixel(190, row), kBlack);
    // The painter may leave out a line's last pixel.
    const int lit = countNot(image, kBlack);
    EXPECT_TRUE(lit == 160 || lit == 161) << lit;
}

TEST(Painting, ColourSevenContrastsWithTheBackground) {
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        b.add(line({10.5, 50.5}, {190.5, 50.5}, Color::fromIndex(7)));
        b.add(line({10.5, 20.5}, {190.5, 20.5}, Color::fromIndex(1)));
    });
    const int row7 = int(unitView().toPixel({0, 50.5}).y());
    const int row1 = int(unitView().toPixel({0, 20.5}).y());
    for (const auto& [background, expected] :
         {std::pair{kBlack, kWhite}, std::pair{kWhite, kBlack}, std::pair{0xFF203040u, kWhite},
          std::pair{0xFFF0F0E0u, kBlack}}) {
        const QImage image = paint(drawing, background);
        EXPECT_EQ(image.pixel(100, row7), expected) << std::hex << background;
        EXPECT_EQ(image.pixel(100, row1), 0xFFFF0000) << "red stays red";
    }
}

Hatch solidSquare(DrawingBuilder& b, std::vector<Box2> loops) {
    Drawing& d = b.drawing();
    Hatch hatch;
    hatch.solid = true;
    hatch.props.color = Color::fromIndex(3);
    hatch.paths = {std::uint32_t(d.hatchPaths.size()), std::uint32_t(loops.size())};
    for (const Box2& loop : loops) {
        HatchPath path;
        path.edges = {std::uint32_t(d.hatchEdges.size()), 4};
        const Vec2 corners[4] = {{loop.minX, loop.minY},
                                 {loop.maxX, loop.minY},
                                 {loop.maxX, loop.maxY},
                                 {loop.minX, loop.maxY}};
        for (int i = 0; i < 4; ++i) {
            HatchEdge edge;
            edge.start = corners[i];
            edge.end = corners[(i + 1) % 4];
            d.hatchEdges.push_back(edge);
        }
        d.hatchPaths.push_back(path);
    }
    return hatch;
}

TEST(Painting, SolidHatchFillsItsAreaAndLeavesHoles) {
    struct Case {
        std::vector<Box2> loops;
        int area;
    };
    for (const Case& c : {Case{{box(20, 20, 60, 60)}, 40 * 40},
                          Case{{box(20, 20, 60, 60), box(30, 30, 50, 50)}, 40 * 40 - 20 * 20},
                          Case{{box(100, 10, 190, 90)}, 90 * 80}}) {
        const Drawing drawing =
            makeDrawing([&](DrawingBuilder& b) { b.add(solidSquare(b, c.loops)); });
        const QImage image = paint(drawing, kBlack);
        EXPECT_EQ(countNot(image, kBlack), c.area);
        const QPointF inside = unitView().toPixel({c.loops[0].minX + 5, c.loops[0].minY + 5});
        EXPECT_EQ(image.pixel(inside.toPoint()), 0xFF00FF00);
    }
}

TEST(Painting, PatternHatchDrawsItsLinesInsideTheBoundaryOnly) {
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        Hatch hatch = solidSquare(b, {box(20, 20, 80, 80)});
        hatch.solid = false;
        // Horizontal lines every 10 units through (0, 5.5): y = 25.5 ... 75.5.
        HatchPatternLine lines;
        lines.base = {0, 5.5};
        lines.offset = {0, 10};
        b.drawing().hatchPatternLines.push_back(lines);
        hatch.patternLines = {0, 1};
        b.add(hatch);
    });
    const QImage image = paint(drawing, kBlack);
    for (double y = 25.5; y <= 75.5; y += 10) {
        const int row = int(unitView().toPixel({0, y}).y());
        EXPECT_EQ(image.pixel(50, row), 0xFF00FF00) << y;
        EXPECT_EQ(image.pixel(10, row), kBlack) << y;
        EXPECT_EQ(image.pixel(90, row), kBlack) << y;
    }
    EXPECT_EQ(image.pixel(50, int(unitView().toPixel({0, 30.5}).y())), kBlack);
    EXPECT_EQ(countNot(image, kBlack), 6 * 60);
}

TEST(Painting, DashedLineLeavesItsGaps) {
    // Dashes 10, gaps 5, at $LTSCALE 1 and 2.
    for (const double ltScale : {1.0, 2.0}) {
        const Drawing drawing = makeDrawing([&](DrawingBuilder& b) {
            b.drawing().header.ltScale = ltScale;
            auto& reals = b.drawing().reals;
            Linetype dashed;
            dashed.dashes = {std::uint32_t(reals.size()), 2};
            reals.push_back(10);
            reals.push_back(-5);
            Line e = line({0, 50.5}, {200, 50.5}, Color::fromIndex(7));
            e.props.linetype = b.defineLinetype("DASHED", dashed);
            b.add(e);
        });
        const QImage image = paint(drawing, kBlack);
        const int row = int(unitView().toPixel({0, 50.5}).y());
        const double period = 15 * ltScale, dash = 10 * ltScale;
        for (int x = 0; x < 200; ++x) {
            const double into = std::fmod(x + 0.5, period);
            if (into > dash + 1 && into < period - 1) {
                EXPECT_EQ(image.pixel(x, row), kBlack) << "gap at " << x;
            } else if (into > 1 && into < dash - 1) {
                EXPECT_EQ(image.pixel(x, row), kWhite) << "dash at " << x;
            }
        }
    }
}

TEST(Painting, WipeoutCoversWhatCameBeforeIt) {
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        b.add(line({0, 50.5}, {200, 50.5}, Color::fromIndex(7)));
        Wipeout w;
        w.insertion = {50, 0, 0};
        w.uVector = {100, 0, 0};
        w.vVector = {0, 100, 0};
        b.add(w);
        b.add(line({0, 60.5}, {200, 60.5}, Color::fromIndex(7)));
    });
    const QImage image = paint(drawing, kBlack);
    const int covered = int(unitView().toPixel({0, 50.5}).y());
    const int above = int(unitView().toPixel({0, 60.5}).y());
    EXPECT_EQ(image.pixel(20, covered), kWhite);
    EXPECT_EQ(image.pixel(100, covered), kBlack);
    EXPECT_EQ(image.pixel(100, above), kWhite);
}

TEST(Painting, TextInkLandsInItsBox) {
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        Text t;
        t.text.insertion = {20, 30, 0};
        t.text.height = 30;
        t.text.content = b.intern("\xE4\xB8\xAD\xE6\x96\x87 Hi");
        t.props.color = Color::fromIndex(7);
        b.add(t);
    });
    const auto scene = sceneOf(drawing);
    const QImage image = renderScene(*scene, unitView(), kBlack);
    const Box2& textBox = scene->recording().boxes().at(0);
    int insideInk = 0, outsideInk = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == kBlack)
                continue;
            const Vec2 w = unitView().toWorld(QPointF(x + 0.5, y + 0.5));
            const bool inBox = w.x >= textBox.minX - 1 && w.x <= textBox.maxX + 1 &&
                               w.y >= textBox.minY - 1 && w.y <= textBox.maxY + 1;
            (inBox ? insideInk : outsideInk)++;
        }
    EXPECT_GT(insideInk, 300); // two CJK glyphs and two letters at 30 px
    EXPECT_EQ(outsideInk, 0);
}

TEST(Painting, InfiniteLinesCrossTheWholeViewWhereverItIs) {
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        XLine x;
        x.base = {-1e6, 50.5, 0};
        x.direction = {1, 0, 0};
        x.props.color = Color::fromIndex(7);
        b.add(x);
        Ray r;
        r.base = {100.5, 1e5, 0};
        r.direction = {0, -1, 0};
        r.props.color = Color::fromIndex(7);
        b.add(r);
    });
    const QImage image = paint(drawing, kBlack);
    const int row = int(unitView().toPixel({0, 50.5}).y());
    EXPECT_EQ(image.pixel(0, row), kWhite);
    EXPECT_EQ(image.pixel(199, row), kWhite);
    EXPECT_EQ(image.pixel(100, 0), kWhite);
    EXPECT_EQ(image.pixel(100, 99), kWhite);
}

TEST(Painting, ZoomedFarInLinesStayStraightAndClipped) {
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        b.add(line({-1e7, 0}, {1e7, 1}, Color::fromIndex(7)));
    });
    // 1e5 pixels per unit: the line's ends lie 1e12 pixels away. It runs
    // through the centre of pixel row 50.
    const ViewTransform view(QSize(200, 100), {0, 0.5 + 0.5e-5}, 1e5);
    const QImage image = paint(drawing, kBlack, view);
    EXPECT_EQ(image.pixel(100, 50), kWhite);
    EXPECT_EQ(countNot(image, kBlack), 200);
}

// Whether a pixel of the picture within one pixel of the world point is not
// the background.
bool litNear(const QImage& image, const ViewTransform& view, Vec2 world) {
    const QPointF at = view.toPixel(world);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p(int(at.x()) + dx, int(at.y()) + dy);
            if (image.valid(p) && image.pixel(p) != kBlack)
                return true;
        }
    return false;
}

TEST(Painting, PolylineArcsFollowTheirCircles) {
    const struct {
        const char* name;
        Vec2 from, to; // in the polyline's own coordinates
        double bulge;
        bool upsideDown; // extrusion (0, 0, -1): x runs the other way
        Vec2 centre;     // of the arc in the world
        double startAngle, sweep;
    } cases[] = {
        {"half, clockwise", {60, 20}, {140, 20}, -1, false, {100, 20}, kPi, -kPi},
        {"quarter", {140, 20}, {100, 60}, std::tan(kPi / 8), false, {100, 20}, 0, kPi / 2},
        {"three quarters",
         {140, 50},
         {100, 10},
         std::tan(3 * kPi / 8),
         false,
         {100, 50},
         0,
         3 * kPi / 2},
        {"half, seen from below", {-60, 20}, {-140, 20}, 1, true, {100, 20}, 0, kPi},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Drawing drawing = makeDrawing([&](DrawingBuilder& b) {
            auto& pool = b.drawing().polyVertices;
            LwPolyline arc;
            arc.vertices = {std::uint32_t(pool.size()), 2};
            pool.push_back({{c.from.x, c.from.y, 0}, 0, 0, c.bulge});
            pool.push_back({{c.to.x, c.to.y, 0}, 0, 0, 0});
            arc.props.color = Color::fromIndex(7);
            if (c.upsideDown) {
                arc.props.extrusion = std::uint32_t(b.drawing().extrusions.size());
                b.drawing().extrusions.push_back({0, 0, -1});
            }
            b.add(arc);
        });
        const QImage image = paint(drawing, kBlack);
        const double radius = 40;
        for (int i = 1; i < 24; ++i) {
            const double a = c.startAngle + c.sweep * i / 24;
            EXPECT_TRUE(
                litNear(image, unitView(),
                        {c.centre.x + radius * std::cos(a), c.centre.y + radius * std::sin(a)}))
                << "angle " << a;
        }
        // The middle of the part of the circle the arc leaves out stays dark.
        const double gap =
            c.startAngle + c.sweep + (2 * kPi - std::abs(c.sweep)) / 2 * (c.sweep > 0 ? 1 : -1);
        EXPECT_FALSE(
            litNear(image, unitView(),
                    {c.centre.x + radius * std::cos(gap), c.centre.y + radius * std::sin(gap)}));
        EXPECT_FALSE(litNear(image, unitView(), c.centre));
        const double arcLength = radius * std::abs(c.sweep);
        EXPECT_NEAR(countNot(image, kBlack), arcLength, arcLength * 0.3);
    }
}

TEST(Painting, SmallCirclesAreRoundAndWhole) {
    for (const double radius : {1.6, 4.0, 12.3, 30.0, 90.0}) {
        SCOPED_TRACE(radius);
        const Drawing drawing = makeDrawing([&](DrawingBuilder& b) {
            Circle c;
            c.center = {100.5, 50.5, 0};
            c.radius = radius;
            c.props.color = Color::fromIndex(7);
            b.add(c);
        });
        const ViewTransform view(QSize(200, 200), {100.5, 50.5}, 1);
        const QImage image = paint(drawing, kBlack, view);
        for (int i = 0; i < 36; ++i) {
            const double a = 2 * kPi * i / 36;
            EXPECT_TRUE(
                litNear(image, view, {100.5 + radius * std::cos(a), 50.5 + radius * std::sin(a)}))
                << "angle " << a;
        }
        EXPECT_FALSE(litNear(image, view, {100.5 + radius / 2, 50.5}));
        EXPECT_NEAR(countNot(image, kBlack), 2 * kPi * radius, 2 * kPi * radius * 0.3 + 4);
    }
}

TEST(Painting, SubPixelEntitiesBecomeDots) {
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        Circle c;
        c.center = {50, 50, 0};
        c.radius = 0.2;
        c.props.color = Color::fromIndex(7);
        b.add(c);
    });
    const QImage image = paint(drawing, kBlack);
    EXPECT_EQ(countNot(image, kBlack), 1);
    EXPECT_EQ(image.pixel(unitView().toPixel({50, 50}).toPoint()), kWhite);
}

} // namespace
} // namespace cad::render
