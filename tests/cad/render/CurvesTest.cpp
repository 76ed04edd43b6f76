#include "cad/render/Curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace cad::render {
namespace {

constexpr double kPi = std::numbers::pi;

struct BulgeCase {
    const char* name;
    Vec2 p0, p1;
    double bulge;
    Vec2 centre;
    double radius;
    double sweep;
    Vec2 middle; // the arc's point halfway
};

class BulgeArcs : public ::testing::TestWithParam<BulgeCase> {};

TEST_P(BulgeArcs, CentreRadiusSweepAndPath) {
    const BulgeCase& c = GetParam();
    const BulgeArc arc = bulgeArc(c.p0, c.p1, c.bulge);
    EXPECT_NEAR(arc.centre.x, c.centre.x, 1e-12);
    EXPECT_NEAR(arc.centre.y, c.centre.y, 1e-12);
    EXPECT_NEAR(arc.radius, c.radius, 1e-12);
    EXPECT_NEAR(arc.sweep, c.sweep, 1e-12);

    std::vector<Vec2> points{c.p0};
    appendBulgeSegment(points, c.p0, c.p1, c.bulge, kPi / 64);
    ASSERT_GE(points.size(), 3u);
    EXPECT_EQ(points.back(), c.p1);
    for (const Vec2& p : points)
        EXPECT_NEAR(std::hypot(p.x - c.centre.x, p.y - c.centre.y), c.radius, 1e-12);
    // An even step count puts one point exactly halfway.
    ASSERT_EQ(points.size() % 2, 1u);
    const Vec2& mid = points[points.size() / 2];
    EXPECT_NEAR(mid.x, c.middle.x, 1e-12);
    EXPECT_NEAR(mid.y, c.middle.y, 1e-12);
}

const double kQuarter = std::tan(kPi / 8);
const double kRoot2 = std::sqrt(0.5);

INSTANTIATE_TEST_SUITE_P(
    Table, BulgeArcs,
    ::testing::Values(
        BulgeCase{"quarter", {1, 0}, {0, 1}, kQuarter, {0, 0}, 1, kPi / 2, {kRoot2, kRoot2}},
        BulgeCase{"half", {0, 0}, {2, 0}, 1, {1, 0}, 1, kPi, {1, -1}},
        BulgeCase{"negativeHalf", {0, 0}, {2, 0}, -1, {1, 0}, 1, -kPi, {1, 1}},
        BulgeCase{
            "negativeQuarter", {0, 1}, {1, 0}, -kQuarter, {0, 0}, 1, -kPi / 2, {kRoot2, kRoot2}},
        BulgeCase{"threeQuarters",
                  {1, 0},
                  {0, -1},
                  std::tan(3 * kPi / 8),
                  {0, 0},
                  1,
                  3 * kPi / 2,
                  {-kRoot2, kRoot2}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BulgeSegment, ZeroBulgeAndCoincidentPointsAreStraight) {
    std::vector<Vec2> points;
    appendBulgeSegment(points, {0, 0}, {3, 4}, 0, 0.1);
    appendBulgeSegment(points, {3, 4}, {3, 4}, 0.5, 0.1);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0], (Vec2{3, 4}));
}

TEST(CcwSweep, WrapsAndTreatsEqualAnglesAsFullTurn) {
    EXPECT_NEAR(ccwSweep(0, kPi / 2), kPi / 2, 1e-12);
    EXPECT_NEAR(ccwSweep(3 * kPi / 2, kPi / 2), kPi, 1e-12);
    EXPECT_NEAR(ccwSweep(1, 1), 2 * kPi, 1e-12);
    EXPECT_NEAR(ccwSweep(-kPi / 2, kPi / 2), kPi, 1e-12);
    EXPECT_EQ(ccwSweep(0, NAN), 0);
}

TEST(BSpline, QuadraticBezierAndRationalWeightsMatchHandValues) {
    const double knots[] = {0, 0, 0, 1, 1, 1};
    const Vec3 ctrl[] = {{0, 0, 0}, {1, 2, 0}, {2, 0, 0}};
    // (1-t)^2 P0 + 2t(1-t) P1 + t^2 P2 at t = 1/2 is (1, 1).
    const auto plain = sampleBSpline(2, knots, ctrl, {}, 16);
    ASSERT_EQ(plain.size(), 17u);
    EXPECT_NEAR(plain[8].x, 1, 1e-12);
    EXPECT_NEAR(plain[8].y, 1, 1e-12);
    EXPECT_NEAR(plain[4].x, 0.5, 1e-12); // t = 1/4: x = 2t, y = 4t(1-t) = 0.75
    EXPECT_NEAR(plain[4].y, 0.75, 1e-12);
    // Weights 1, 2, 1 at t = 1/2: (0.25 P0 + P1 * 2 * 0.5 + 0.25 P2) / 1.5.
    const double weights[] = {1, 2, 1};
    const auto rational = sampleBSpline(2, knots, ctrl, weights, 16);
    EXPECT_NEAR(rational[8].x, 1, 1e-12);
    EXPECT_NEAR(rational[8].y, 4.0 / 3.0, 1e-12);
}

TEST(BSpline, UniformCubicMatchesBlendingFunctions) {
    const double knots[] = {0, 1, 2, 3, 4, 5, 6, 7};
    const Vec3 ctrl[] = {{0, 0, 0}, {6, 12, 0}, {12, 0, 0}, {18, 24, 0}};
    const auto points = sampleBSpline(3, knots, ctrl, {}, 2);
    ASSERT_EQ(points.size(), 3u);
    // Start: (P0 + 4 P1 + P2) / 6; middle: (P0 + 23 P1 + 23 P2 + P3) / 48;
    // end: (P1 + 4 P2 + P3) / 6.
    EXPECT_NEAR(points[0].x, 6, 1e-12);
    EXPECT_NEAR(points[0].y, 8, 1e-12);
    EXPECT_NEAR(points[1].x, (23 * 6 + 23 * 12 + 18) / 48.0, 1e-12);
    EXPECT_NEAR(points[1].y, (23 * 12 + 24) / 48.0, 1e-12);
    EXPECT_NEAR(points[2].x, 12, 1e-12);
    EXPECT_NEAR(points[2].y, 6, 1e-12);
}

TEST(BSpline, InvalidKnotsFallBackToTheControlPolygon) {
    const Vec3 ctrl[] = {{0, 0, 0}, {1, 1, 0}, {2, 0, 0}};
    const double decreasing[] = {0, 0, 1, 0.5, 1, 1};
    const double tooFew[] = {0, 1};
    for (const auto knots :
         {std::span<const double>(decreasing), std::span<const double>(tooFew)}) {
        const auto points = sampleBSpline(2, knots, ctrl, {}, 8);
        ASSERT_EQ(points.size(), 3u);
        EXPECT_EQ(points[1], (Vec2{1, 1}));
    }
}

TEST(CurveThroughPoints, PassesThroughEveryFitPoint) {
    const Vec2 fit[] = {{0, 0}, {1, 2}, {3, 3}, {6, 1}};
    const auto points = curveThroughPoints(fit, {}, {}, 8);
    ASSERT_EQ(points.size(), 3 * 8 + 1u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(points[i * 8].x, fit[i].x, 1e-12);
        EXPECT_NEAR(points[i * 8].y, fit[i].y, 1e-12);
    }
    // A given start tangent straight up makes the curve leave upwards.
    const auto up = curveThroughPoints(fit, {0, 1}, {}, 8);
    EXPECT_LT(std::abs(up[1].x), std::abs(up[1].y));
}

} // namespace
} // namespace cad::render
