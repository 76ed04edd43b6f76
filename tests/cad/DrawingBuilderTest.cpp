#include "cad/DrawingBuilder.h"

#include <gtest/gtest.h>

using namespace cad;

TEST(DrawingBuilder, LaysOutBlocksAsRangesWhateverTheOrderOfEntities) {
    Drawing d;
    DrawingBuilder b(d);
    const BlockIndex first = b.block("First");
    const BlockIndex second = b.block("SECOND");
    EXPECT_EQ(b.block("first"), first);
    Line line;
    for (int i = 0; i < 6; ++i) {
        line.start.x = i;
        b.addTo(i % 3 == 0 ? kNoBlock : (i % 3 == 1 ? first : second), line);
    }
    Insert insert;
    insert.blockName = b.intern("second");
    b.add(insert);
    b.finish();

    auto xs = [&d](Range range) {
        std::vector<double> out;
        for (const auto& ref : d.entities(range))
            if (ref.type == EntityType::Line)
                out.push_back(d.get<Line>(ref.index).start.x);
        return out;
    };
    EXPECT_EQ(xs(d.modelSpace), (std::vector<double>{0, 3}));
    EXPECT_EQ(xs(d.blocks[first].entities), (std::vector<double>{1, 4}));
    EXPECT_EQ(xs(d.blocks[second].entities), (std::vector<double>{2, 5}));
    EXPECT_EQ(d.modelSpaceEntities().size(), 3u);
    EXPECT_EQ(d.get<Insert>(0).block, second);
}

TEST(DrawingBuilder, FindsAndCreatesTableEntriesByName) {
    Drawing d;
    DrawingBuilder b(d);
    EXPECT_EQ(b.linetype("BYLAYER"), kLinetypeByLayer);
    EXPECT_EQ(b.linetype("ByBlock"), kLinetypeByBlock);
    EXPECT_EQ(b.linetype("continuous"), kLinetypeContinuous);
    EXPECT_EQ(b.linetype(""), kLinetypeByLayer);
    Linetype dashed;
    dashed.patternLength = 1;
    const LinetypeIndex index = b.defineLinetype("Dashed", dashed);
    EXPECT_EQ(b.linetype("DASHED"), index);
    // A built-in linetype cannot be redefined with a pattern.
    b.defineLinetype("CONTINUOUS", dashed);
    EXPECT_EQ(d.linetypes[kLinetypeContinuous].patternLength, 0);

    EXPECT_EQ(b.layer("0"), kLayerZero);
    const LayerIndex walls = b.layer("Walls"); // created as CAD programs do
    EXPECT_NE(walls, kLayerZero);
    EXPECT_EQ(d.text(d.layers[walls].name), "Walls");
    Layer red;
    red.color = Color::fromIndex(1);
    EXPECT_EQ(b.defineLayer("WALLS", red), walls); // the table entry replaces it
    EXPECT_EQ(b.layer("walls"), walls);
    EXPECT_EQ(d.layers[walls].color, Color::fromIndex(1));

    EXPECT_EQ(b.extrusion(Vec3{0, 0, 2}), kDefaultExtrusion);
    EXPECT_EQ(b.extrusion(Vec3{0, 0, 0}), kDefaultExtrusion);
    const ExtrusionIndex down = b.extrusion(Vec3{0, 0, -1});
    EXPECT_NE(down, kDefaultExtrusion);
    EXPECT_EQ(b.extrusion(Vec3{0, 0, -3}), down);
}
