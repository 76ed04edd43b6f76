#include "cad/render/Dashes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace cad::render {
namespace {

std::vector<std::pair<Vec2, Vec2>> pairs(const std::vector<Vec2>& points) {
    std::vector<std::pair<Vec2, Vec2>> out;
    for (std::size_t i = 0; i + 1 < points.size(); i += 2)
        out.emplace_back(points[i], points[i + 1]);
    return out;
}

TEST(Dashes, PatternRunsOnAcrossCorners) {
    const double elements[] = {3, -1};
    const DashPattern pattern(elements, 1);
    const Vec2 path[] = {{0, 0}, {2, 0}, {2, 10}};
    std::vector<Vec2> out;
    appendDashes(out, path, false, pattern);
    const auto dashes = pairs(out);
    // 3 along: 2 on the first leg, 1 on the second; then gap 1, dash 3 ...
    ASSERT_EQ(dashes.size(), 4u);
    EXPECT_EQ(dashes[0].first, (Vec2{0, 0}));
    EXPECT_EQ(dashes[0].second, (Vec2{2, 0}));
    EXPECT_EQ(dashes[1].first, (Vec2{2, 0}));
    EXPECT_EQ(dashes[1].second, (Vec2{2, 1}));
    EXPECT_EQ(dashes[2].first, (Vec2{2, 2}));
    EXPECT_EQ(dashes[2].second, (Vec2{2, 5}));
    EXPECT_EQ(dashes[3].first, (Vec2{2, 6}));
    EXPECT_EQ(dashes[3].second, (Vec2{2, 9})); // and the gap 9..10 ends the path
}

TEST(Dashes, DotsAreZeroLengthPairs) {
    const double elements[] = {0, -1};
    const DashPattern pattern(elements, 2);
    const Vec2 path[] = {{0, 0}, {7, 0}};
    std::vector<Vec2> out;
    appendDashes(out, path, false, pattern);
    const auto dots = pairs(out);
    ASSERT_EQ(dots.size(), 4u); // at 0, 2, 4, 6
    for (std::size_t i = 0; i < dots.size(); ++i) {
        EXPECT_EQ(dots[i].first, dots[i].second);
        EXPECT_EQ(dots[i].first.x, 2.0 * i);
    }
}

TEST(Dashes, ClosedPathsIncludeTheClosingSegment) {
    const double elements[] = {1, -1};
    const DashPattern pattern(elements, 1);
    const Vec2 square[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
    std::vector<Vec2> open, closed;
    appendDashes(open, square, false, pattern);
    appendDashes(closed, square, true, pattern);
    EXPECT_EQ(pairs(open).size(), 6u);
    EXPECT_EQ(pairs(closed).size(), 8u);
}

TEST(Dashes, UnusablePatternsAreContinuous) {
    const double onlyDash[] = {5};
    const double zeros[] = {0, 0};
    const double withNan[] = {1, NAN};
    const double fine[] = {1, -1};
    EXPECT_TRUE(DashPattern(onlyDash, 1).continuousFor(100));
    EXPECT_TRUE(DashPattern(zeros, 1).continuousFor(100));
    EXPECT_TRUE(DashPattern(withNan, 1).continuousFor(100));
    EXPECT_TRUE(DashPattern(fine, 0).continuousFor(100));
    EXPECT_TRUE(DashPattern().continuousFor(100));
    EXPECT_FALSE(DashPattern(fine, 1).continuousFor(100));
    // Far more repeats than could be seen: drawn solid.
    EXPECT_TRUE(DashPattern(fine, 1e-6).continuousFor(100));
}

TEST(Dashes, SpanAnchorsThePatternAtItsOrigin) {
    const double elements[] = {2, -2};
    const DashPattern pattern(elements, 1);
    std::vector<Vec2> out;
    appendDashedSpan(out, {0, 0}, {1, 0}, 3, 9, pattern);
    const auto dashes = pairs(out);
    ASSERT_EQ(dashes.size(), 2u); // [4, 6] and [8, 9]; [3, 4) is in a gap
    EXPECT_EQ(dashes[0].first.x, 4);
    EXPECT_EQ(dashes[0].second.x, 6);
    EXPECT_EQ(dashes[1].first.x, 8);
    EXPECT_EQ(dashes[1].second.x, 9);
}

} // namespace
} // namespace cad::render
