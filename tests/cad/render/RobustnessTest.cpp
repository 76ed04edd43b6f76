// Malformed models recorded and painted without crashes, hangs or unbounded
// memory.

#include "DrawingFixture.h"
#include "cad/render/FrontEnd.h"
#include "cad/render/PainterBackEnd.h"

#include <gtest/gtest.h>

#include <limits>

namespace cad::render {
namespace {

using namespace test;

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Robustness, NonFiniteGeometryIsLeftOut) {
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        b.add(line({kNan, 0}, {1, 1}));
        b.add(line({0, 0}, {kInf, 1}));
        b.add(line({-1e200, 0}, {1e200, 1})); // finite, but its length overflows
        Circle c;
        c.radius = kNan;
        b.add(c);
        Arc a;
        a.radius = 1;
        a.startAngle = kInf;
        b.add(a);
        Ellipse e;
        e.ratio = kNan;
        b.add(e);
        Text t;
        t.text.height = kNan;
        t.text.rotation = kInf;
        t.text.content = b.intern("x");
        b.add(t);
        b.add(line({0, 0}, {1, 1})); // the one good entity
    });
    const auto scene = sceneOf(drawing);
    EXPECT_FALSE(scene->extents().empty());
    EXPECT_NEAR(scene->extents().width(), 1, 1e-9);
    ViewTransform view(QSize(64, 64), {}, 1);
    view.zoomExtents(scene->extents());
    const QImage image = renderScene(*scene, view, 0xFF000000);
    EXPECT_EQ(image.size(), QSize(64, 64));
}

TEST(Robustness, PolylineArcsOfAnyBulgeStayWithinTheirBoxes) {
    // Bulges from a near-straight sliver to a near-full circle, on chords from
    // a hair to one that overflows when squared, at zooms in and out.
    const double bulges[] = {1e-300, -1e-12, 0.5, -1, 1 - 1e-15, 7, -999, 1e3, 1e6, 1e300, kNan};
    const double chords[] = {1e-9, 1, 1e140};
    for (const double bulge : bulges)
        for (const double chord : chords) {
            SCOPED_TRACE(testing::Message() << "bulge " << bulge << ", chord " << chord);
            const Drawing drawing = makeDrawing([&](DrawingBuilder& b) {
                auto& pool = b.drawing().polyVertices;
                LwPolyline p;
                p.vertices = {std::uint32_t(pool.size()), 3};
                p.closed = true;
                pool.push_back({{0, 0, 0}, 0, 0, bulge});
                pool.push_back({{chord, 0, 0}, 0, 0, -bulge});
                pool.push_back({{chord, chord, 0}, 0, 0, bulge});
                b.add(p);
            });
            const auto scene = sceneOf(drawing);
            for (const Box2& box : scene->recording().boxes()) {
                EXPECT_TRUE(std::isfinite(box.width()) && std::isfinite(box.height()));
            }
            for (const double zoom : {1e-3, 1.0, 1e6}) {
                ViewTransform view(QSize(64, 48), {0, 0}, 1);
                view.zoomExtents(scene->extents());
                view.zoomAbout(QPointF(32, 24), zoom);
                const QImage image = renderScene(*scene, view, 0xFF000000);
                EXPECT_EQ(image.size(), QSize(64, 48));
            }
        }
}

TEST(Robustness, ExplosiveBlockNestingIsBounded) {
    // Each level references the one below ten times: 10^20 lines if expanded.
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        b.beginBlock("L0", Block{});
        b.add(line({0, 0}, {1, 0}));
        b.endBlock();
        for (int level = 1; level <= 20; ++level) {
            b.beginBlock("L" + std::to_string(level), Block{});
            for (int i = 0; i < 10; ++i) {
                Insert insert;
                insert.blockName = b.intern("L" + std::to_string(level - 1));
                insert.insertion = {double(i), 0, 0};
                b.add(insert);
            }
            b.endBlock();
        }
        Insert top;
        top.blockName = b.intern("L20");
        b.add(top);
        Insert array;
        array.blockName = b.intern("L0");
        array.rows = 60000;
        array.columns = 60000;
        b.add(array);
    });
    FrontEndLimits limits;
    limits.maxPoints = 1 << 20;
    limits.maxEntityVisits = 1 << 22;
    Recording recording;
    FontCatalog fonts;
    FrontEnd frontEnd(drawing, recording, fonts, limits);
    frontEnd.drawModelSpace();
    EXPECT_TRUE(frontEnd.truncated());
    EXPECT_LE(recording.points().size(), limits.maxPoints + 1024);
}

TEST(Robustness, DanglingRangesAndIndicesAreIgnored) {
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        LwPolyline p;
        p.vertices = {1000, 5};
        b.add(p);
        Spline s;
        s.controlPoints = {0, 1u << 30};
        b.add(s);
        Hatch h;
        h.solid = true;
        h.paths = {7, 3};
        b.add(h);
        Insert i;
        i.block = 12345;
        b.add(i);
        Line l = line({0, 0}, {1, 0});
        l.props.layer = 999;
        l.props.linetype = 999;
        l.props.extrusion = 999;
        b.add(l);
        Text t;
        t.text.style = 999;
        t.text.content = b.intern("ok");
        b.add(t);
        Polyline mesh;
        mesh.kind = PolylineKind::PolygonMesh;
        mesh.meshM = 1000;
        mesh.meshN = 1000;
        b.add(mesh);
        Polyline faces;
        faces.kind = PolylineKind::PolyfaceMesh;
        faces.faces = {0, 1};
        b.drawing().polyfaceFaces.push_back({5, -9, 0, 0});
        b.add(faces);
    });
    const auto scene = sceneOf(drawing);
    EXPECT_EQ(primitivesOf(*scene, PrimitiveKind::Polyline).size(), 1u);
    EXPECT_EQ(primitivesOf(*scene, PrimitiveKind::Text).size(), 1u);
}

TEST(Robustness, DenseHatchPatternIsLeftOutNotExpanded) {
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        Drawing& d = b.drawing();
        Hatch hatch;
        hatch.paths = {0, 1};
        d.hatchPaths.push_back({0, {0, 1}});
        HatchEdge circle;
        circle.type = HatchEdgeType::Arc;
        circle.radius = 1e6;
        circle.endAngle = 2 * 3.141592653589793;
        d.hatchEdges.push_back(circle);
        HatchPatternLine fine;
        fine.offset = {0, 1e-3}; // a billion lines across the circle
        d.hatchPatternLines.push_back(fine);
        hatch.patternLines = {0, 1};
        b.add(hatch);
    });
    const auto scene = sceneOf(drawing);
    EXPECT_EQ(scene->recording().size(), 0u);
}

} // namespace
} // namespace cad::render
