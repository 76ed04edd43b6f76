#include "cad/render/SpatialIndex.h"
#include "DrawingFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace cad::render {
namespace {

using test::box;

bool meets(const Box2& a, const Box2& b) {
    return a.minX <= b.maxX && b.minX <= a.maxX && a.minY <= b.maxY && b.minY <= a.maxY;
}

TEST(SpatialIndex, FindsExactlyWhatMeetsTheArea) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> where(-1000, 1000), size(0, 30);
    std::vector<Box2> boxes;
    for (int i = 0; i < 20000; ++i) {
        const double x = where(random), y = where(random);
        boxes.push_back(box(x, y, x + size(random), y + size(random)));
    }
    boxes.push_back(box(-5000, -1, 5000, 1)); // one long box across everything
    boxes.push_back({});                      // an empty one is never found
    const SpatialIndex index(std::span<const Box2>(boxes), [](std::size_t i) { return i == 5; });
    EXPECT_EQ(index.size(), boxes.size() - 2);
    for (int q = 0; q < 50; ++q) {
        const double x = where(random), y = where(random), s = size(random) * 10;
        const Box2 area = box(x, y, x + s, y + s);
        std::vector<std::uint32_t> found;
        index.query(area, [&](std::uint32_t id) { found.push_back(id); });
        std::sort(found.begin(), found.end());
        std::vector<std::uint32_t> expected;
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (i != 5 && !boxes[i].empty() && meets(boxes[i], area))
                expected.push_back(std::uint32_t(i));
        EXPECT_EQ(found, expected) << "query " << q;
    }
}

TEST(SpatialIndex, EmptyAndSingleIndexes) {
    const std::vector<Box2> none;
    SpatialIndex empty(std::span<const Box2>(none), [](std::size_t) { return false; });
    int calls = 0;
    empty.query(box(-1, -1, 1, 1), [&](std::uint32_t) { ++calls; });
    EXPECT_EQ(calls, 0);
    const std::vector<Box2> one = {box(0, 0, 0, 0)}; // a point
    SpatialIndex single(std::span<const Box2>(one), [](std::size_t) { return false; });
    single.query(box(-1, -1, 1, 1), [&](std::uint32_t id) { calls += int(id) + 1; });
    single.query(box(2, 2, 3, 3), [&](std::uint32_t) { calls += 10; });
    EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace cad::render
