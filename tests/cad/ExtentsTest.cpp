#include "DxfBuilder.h"

#include "cad/DxfReader.h"
#include "cad/Extents.h"

#include <gtest/gtest.h>

using namespace cad;

namespace {

Box2 extentsOf(const dxftest::Groups& entities) {
    return modelSpaceExtents(readDxf(dxftest::bytes(dxftest::text(dxftest::drawing(entities)))));
}

} // namespace

TEST(Extents, FollowTheGeometryOfCurves) {
    struct Case {
        const char* name;
        dxftest::Groups entity;
        Box2 expected;
    };
    const Case cases[] = {
        {"quarter arc",
         {{0, "ARC"}, {10, "0"}, {20, "0"}, {40, "2"}, {50, "0"}, {51, "90"}},
         {0, 0, 2, 2}},
        {"arc over 0 degrees",
         {{0, "ARC"}, {10, "0"}, {20, "0"}, {40, "1"}, {50, "270"}, {51, "90"}},
         {0, -1, 1, 1}},
        {"arc seen from below",
         {{0, "ARC"}, {10, "1"}, {20, "0"}, {40, "1"}, {50, "0"}, {51, "90"}, {230, "-1"}},
         {-2, 0, -1, 1}},
        {"circle", {{0, "CIRCLE"}, {10, "5"}, {20, "5"}, {40, "1"}}, {4, 4, 6, 6}},
        {"half ellipse",
         {{0, "ELLIPSE"},
          {10, "0"},
          {20, "0"},
          {11, "4"},
          {21, "0"},
          {40, "0.5"},
          {41, "0"},
          {42, "3.141592653589793"}},
         {-4, 0, 4, 2}},
        {"bulge half circle",
         {{0, "LWPOLYLINE"}, {10, "0"}, {20, "0"}, {42, "1"}, {10, "2"}, {20, "0"}},
         {0, -1, 2, 0}},
        {"negative bulge",
         {{0, "LWPOLYLINE"}, {10, "0"}, {20, "0"}, {42, "-1"}, {10, "2"}, {20, "0"}},
         {0, 0, 2, 1}},
        {"wide polyline",
         {{0, "LWPOLYLINE"}, {43, "1"}, {10, "0"}, {20, "0"}, {10, "4"}, {20, "0"}},
         {-0.5, -0.5, 4.5, 0.5}},
        {"infinite lines add nothing",
         {{0, "XLINE"},
          {10, "0"},
          {20, "0"},
          {11, "1"},
          {21, "0"},
          {0, "POINT"},
          {10, "1"},
          {20, "2"}},
         {1, 2, 1, 2}},
        {"clamped cubic spline",
         {{0, "SPLINE"},
          {71, "3"},
          {40, "0"},
          {40, "0"},
          {40, "0"},
          {40, "0"},
          {40, "1"},
          {40, "1"},
          {40, "1"},
          {40, "1"},
          {10, "0"},
          {20, "0"},
          {10, "1"},
          {20, "3"},
          {10, "3"},
          {20, "3"},
          {10, "4"},
          {20, "0"}},
         // The curve's top is at 3 * 3/4 = 2.25, below the control polygon's 3.
         {0, 0, 4, 2.25}},
    };
    for (const auto& c : cases) {
        const Box2 box = extentsOf(c.entity);
        EXPECT_NEAR(box.minX, c.expected.minX, 1e-6) << c.name;
        EXPECT_NEAR(box.minY, c.expected.minY, 1e-6) << c.name;
        EXPECT_NEAR(box.maxX, c.expected.maxX, 1e-6) << c.name;
        EXPECT_NEAR(box.maxY, c.expected.maxY, 1e-6) << c.name;
    }
}

TEST(Extents, SurviveBlocksThatHoldThemselves) {
    const dxftest::Groups blocks = {{0, "BLOCK"}, {2, "A"},     {0, "INSERT"}, {2, "B"},
                                    {0, "LINE"},  {11, "1"},    {21, "1"},     {0, "ENDBLK"},
                                    {0, "BLOCK"}, {2, "B"},     {0, "INSERT"}, {2, "A"},
                                    {10, "5"},    {0, "ENDBLK"}};
    const Drawing d =
        readDxf(dxftest::bytes(dxftest::text(dxftest::drawing({{0, "INSERT"}, {2, "A"}}, blocks))));
    const Box2 box = modelSpaceExtents(d);
    EXPECT_FALSE(box.empty());
    EXPECT_LE(box.maxX, 1e6);
}

TEST(Extents, EndForAnglesOfAnySize) {
    // Angles so large that adding a turn to them changes nothing.
    for (const char* angle : {"1e160", "-1e300", "1e20"}) {
        const Box2 box =
            extentsOf({{0, "ARC"}, {10, "0"}, {20, "0"}, {40, "1"}, {50, angle}, {51, "0"}});
        EXPECT_FALSE(box.empty()) << angle;
        EXPECT_GE(box.minX, -1 - 1e-9) << angle;
        EXPECT_LE(box.maxX, 1 + 1e-9) << angle;
    }
}
