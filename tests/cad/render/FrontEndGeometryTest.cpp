// Where the front end puts entities: object coordinate systems, ellipse
// parameters, block references (arrays, nesting, mirroring) and polylines.

#include "DrawingFixture.h"
#include "cad/render/FrontEnd.h"

#include <gtest/gtest.h>

#include <numbers>

namespace cad::render {
namespace {

using namespace test;
constexpr double kPi = std::numbers::pi;

void expectNear(const Vec2& actual, const Vec2& expected, double tolerance = 1e-9) {
    EXPECT_NEAR(actual.x, expected.x, tolerance) << "x";
    EXPECT_NEAR(actual.y, expected.y, tolerance) << "y";
}

struct ArcCase {
    const char* name;
    Vec3 normal;
    Vec3 centre;
    double start, end;
    Vec2 startPoint, endPoint, midPoint;
};

class ArcPlacement : public ::testing::TestWithParam<ArcCase> {};

TEST_P(ArcPlacement, EndsAndMiddleInWorld) {
    const ArcCase& c = GetParam();
    const Drawing drawing = makeDrawing([&](DrawingBuilder& b) {
        Arc arc;
        arc.center = c.centre;
        arc.radius = 1;
        arc.startAngle = c.start;
        arc.endAngle = c.end;
        arc.props.extrusion = b.extrusion(c.normal);
        b.add(arc);
    });
    const auto scene = sceneOf(drawing);
    const auto arcs = primitivesOf(*scene, PrimitiveKind::EllipseArc);
    ASSERT_EQ(arcs.size(), 1u);
    const auto d = scene->recording().pointsOf(*arcs[0]);
    const double t0 = d[3].x, t1 = d[3].y;
    expectNear(arcPoint(*scene, *arcs[0], t0), c.startPoint);
    expectNear(arcPoint(*scene, *arcs[0], t1), c.endPoint);
    expectNear(arcPoint(*scene, *arcs[0], (t0 + t1) / 2), c.midPoint);
}

const double kR = std::sqrt(0.5);
INSTANTIATE_TEST_SUITE_P(
    Table, ArcPlacement,
    ::testing::Values(
        ArcCase{"plain", {0, 0, 1}, {1, 0, 0}, 0, kPi / 2, {2, 0}, {1, 1}, {1 + kR, kR}},
        // Seen from above, an arc drawn from below is mirrored in x.
        ArcCase{
            "extrusionDown", {0, 0, -1}, {1, 0, 0}, 0, kPi / 2, {-2, 0}, {-1, 1}, {-1 - kR, kR}},
        ArcCase{"extrusionDownWithElevation",
                {0, 0, -1},
                {1, 2, 5},
                kPi / 2,
                kPi,
                {-1, 3},
                {0, 2},
                {-1 + kR, 2 + kR}},
        ArcCase{"acrossZero", {0, 0, 1}, {0, 0, 0}, 3 * kPi / 2, kPi / 2, {0, -1}, {0, 1}, {1, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

struct EllipseCase {
    const char* name;
    Vec3 major;
    double ratio;
    Vec3 normal;
    double start, end;
    Vec2 startPoint, endPoint;
    double sweep;
};

class EllipseParameters : public ::testing::TestWithParam<EllipseCase> {};

TEST_P(EllipseParameters, AxesAndEnds) {
    const EllipseCase& c = GetParam();
    const Drawing drawing = makeDrawing([&](DrawingBuilder& b) {
        Ellipse e;
        e.center = {10, 20, 0};
        e.majorAxis = c.major;
        e.ratio = c.ratio;
        e.startParam = c.start;
        e.endParam = c.end;
        e.props.extrusion = b.extrusion(c.normal);
        b.add(e);
    });
    const auto scene = sceneOf(drawing);
    const auto arcs = primitivesOf(*scene, PrimitiveKind::EllipseArc);
    ASSERT_EQ(arcs.size(), 1u);
    const auto d = scene->recording().pointsOf(*arcs[0]);
    EXPECT_NEAR(d[3].y - d[3].x, c.sweep, 1e-12);
    expectNear(arcPoint(*scene, *arcs[0], d[3].x), {10 + c.startPoint.x, 20 + c.startPoint.y});
    expectNear(arcPoint(*scene, *arcs[0], d[3].y), {10 + c.endPoint.x, 20 + c.endPoint.y});
}

INSTANTIATE_TEST_SUITE_P(
    Table, EllipseParameters,
    ::testing::Values(
        EllipseCase{"full", {2, 0, 0}, 0.5, {0, 0, 1}, 0, 2 * kPi, {2, 0}, {2, 0}, 2 * kPi},
        EllipseCase{
            "quarterFromTop", {2, 0, 0}, 0.5, {0, 0, 1}, kPi / 2, kPi, {0, 1}, {-2, 0}, kPi / 2},
        EllipseCase{
            "rotatedMajor", {0, 3, 0}, 0.5, {0, 0, 1}, 0, kPi / 2, {0, 3}, {-1.5, 0}, kPi / 2},
        EllipseCase{
            "wrapsPastZero", {2, 0, 0}, 0.5, {0, 0, 1}, 3 * kPi / 2, kPi / 2, {0, -1}, {0, 1}, kPi},
        EllipseCase{
            "fromBelow", {2, 0, 0}, 0.5, {0, 0, -1}, kPi / 2, kPi, {0, -1}, {-2, 0}, kPi / 2}),
    [](const auto& info) { return std::string(info.param.name); });

// A block "UNIT" holding the line (0,0)-(1,0).
void defineUnitBlock(DrawingBuilder& b, Vec3 base = {}) {
    Block block;
    block.base = base;
    b.beginBlock("UNIT", block);
    b.add(line({0, 0}, {1, 0}));
    b.endBlock();
}

Insert insertOf(DrawingBuilder& b, const char* name, Vec3 at) {
    Insert insert;
    insert.blockName = b.intern(name);
    insert.insertion = at;
    return insert;
}

std::vector<std::pair<Vec2, Vec2>> recordedLines(const Scene& scene) {
    std::vector<std::pair<Vec2, Vec2>> lines;
    for (const Primitive* p : primitivesOf(scene, PrimitiveKind::Polyline)) {
        const auto pts = scene.recording().pointsOf(*p);
        lines.emplace_back(pts[0], pts[1]);
    }
    return lines;
}

TEST(BlockReferences, MinsertArrayStepsAlongTheRotatedAxes) {
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        defineUnitBlock(b);
        Insert insert = insertOf(b, "UNIT", {10, 10, 0});
        insert.rotation = kPi / 2;
        insert.scale = {2, 2, 1};
        insert.columns = 3;
        insert.rows = 2;
        insert.columnSpacing = 5;
        insert.rowSpacing = 7;
        b.add(insert);
    });
    const auto lines = recordedLines(*sceneOf(drawing));
    ASSERT_EQ(lines.size(), 6u);
    std::size_t i = 0;
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column, ++i) {
            // Cell (column, row) at insertion + R(90) (5 column, 7 row); the line
            // (length 2 after scaling) turned to point up.
            const Vec2 origin{10 - 7.0 * row, 10 + 5.0 * column};
            expectNear(lines[i].first, origin);
            expectNear(lines[i].second, {origin.x, origin.y + 2});
        }
    }
}

struct NestingCase {
    const char* name;
    Vec3 innerScale;
    double innerRotation;
    Vec3 outerScale;
    double outerRotation;
    Vec2 start, end;
};

class NestedBlocks : public ::testing::TestWithParam<NestingCase> {};

TEST_P(NestedBlocks, TransformsCompose) {
    const NestingCase& c = GetParam();
    // OUTER (base (1,0)) holds UNIT at (1,0); model space holds OUTER at (10,0).
    const Drawing drawing = makeDrawing([&](DrawingBuilder& b) {
        defineUnitBlock(b);
        Block outer;
        outer.base = {1, 0, 0};
        b.beginBlock("OUTER", outer);
        Insert inner = insertOf(b, "UNIT", {1, 0, 0});
        inner.scale = c.innerScale;
        inner.rotation = c.innerRotation;
        b.add(inner);
        b.endBlock();
        Insert top = insertOf(b, "OUTER", {10, 0, 0});
        top.scale = c.outerScale;
        top.rotation = c.outerRotation;
        b.add(top);
    });
    const auto lines = recordedLines(*sceneOf(drawing));
    ASSERT_EQ(lines.size(), 1u);
    expectNear(lines[0].first, c.start);
    expectNear(lines[0].second, c.end);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NestedBlocks,
    ::testing::Values(
        NestingCase{"identity", {1, 1, 1}, 0, {1, 1, 1}, 0, {10, 0}, {11, 0}},
        NestingCase{"innerScaled", {3, 3, 1}, 0, {1, 1, 1}, 0, {10, 0}, {13, 0}},
        NestingCase{"innerRotated", {2, 2, 1}, kPi / 2, {1, 1, 1}, 0, {10, 0}, {10, 2}},
        NestingCase{"outerMirrored", {2, 2, 1}, 0, {-1, 1, 1}, 0, {10, 0}, {8, 0}},
        NestingCase{"bothRotated", {1, 1, 1}, kPi / 2, {2, 2, 1}, kPi / 2, {10, 0}, {8, 0}},
        NestingCase{"outerNonUniform", {1, 1, 1}, kPi / 2, {3, 0.5, 1}, 0, {10, 0}, {10, 0.5}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BlockReferences, ExtrusionDownMirrorsTheInsert) {
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        defineUnitBlock(b);
        Insert insert = insertOf(b, "UNIT", {5, 1, 0});
        insert.props.extrusion = b.extrusion({0, 0, -1});
        b.add(insert);
    });
    const auto lines = recordedLines(*sceneOf(drawing));
    ASSERT_EQ(lines.size(), 1u);
    expectNear(lines[0].first, {-5, 1});
    expectNear(lines[0].second, {-6, 1});
}

TEST(BlockReferences, SelfReferenceStopsAtTheNestingLimit) {
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        b.beginBlock("LOOP", Block{});
        b.add(line({0, 0}, {1, 0}));
        Insert self = insertOf(b, "LOOP", {1, 0, 0});
        b.add(self);
        b.endBlock();
        b.add(insertOf(b, "LOOP", {0, 0, 0}));
    });
    const auto scene = sceneOf(drawing);
    EXPECT_EQ(recordedLines(*scene).size(), std::size_t(FrontEndLimits{}.maxBlockDepth));
}

TEST(Polylines, WidthsBecomeFilledBandsAndBulgesArcs) {
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        auto& pool = b.drawing().polyVertices;
        LwPolyline wide;
        wide.vertices = {std::uint32_t(pool.size()), 2};
        pool.push_back({{0, 0, 0}, 2, 2, 0});
        pool.push_back({{10, 0, 0}, 0, 0, 0});
        b.add(wide);
        LwPolyline arc;
        arc.vertices = {std::uint32_t(pool.size()), 2};
        pool.push_back({{0, 0, 0}, 0, 0, 1});
        pool.push_back({{2, 0, 0}, 0, 0, 0});
        b.add(arc);
    });
    const auto scene = sceneOf(drawing);
    const auto bands = primitivesOf(*scene, PrimitiveKind::Polygon);
    ASSERT_EQ(bands.size(), 1u);
    const Box2& band =
        scene->recording().boxes()[bands[0] - scene->recording().primitives().data()];
    EXPECT_NEAR(band.minY, -1, 1e-12);
    EXPECT_NEAR(band.maxY, 1, 1e-12);
    EXPECT_NEAR(band.width(), 10, 1e-12);
    // The arc stays an arc: its vertices and bulges, boxed as the half circle.
    EXPECT_TRUE(primitivesOf(*scene, PrimitiveKind::Polyline).empty());
    const auto paths = primitivesOf(*scene, PrimitiveKind::BulgePath);
    ASSERT_EQ(paths.size(), 1u);
    const auto pts = scene->recording().pointsOf(*paths[0]);
    ASSERT_EQ(pts.size(), 4u);
    EXPECT_EQ(pts[0], (Vec2{0, 0}));
    EXPECT_EQ(pts[1].x, 1); // the bulge
    EXPECT_EQ(pts[2], (Vec2{2, 0}));
    const Box2& arcBox =
        scene->recording().boxes()[paths[0] - scene->recording().primitives().data()];
    EXPECT_NEAR(arcBox.minY, -1, 1e-9); // the half circle runs below
    EXPECT_NEAR(arcBox.maxY, 0, 1e-9);
    EXPECT_NEAR(arcBox.width(), 2, 1e-9);
    EXPECT_NEAR(scene->extents().minY, -1, 1e-9);
}

} // namespace
} // namespace cad::render
