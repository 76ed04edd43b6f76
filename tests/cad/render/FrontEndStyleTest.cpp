// How the front end resolves colours, layers and linetypes.

#include "DrawingFixture.h"
#include "cad/render/AciPalette.h"

#include <gtest/gtest.h>

namespace cad::render {
namespace {

using namespace test;

Layer layerWith(Color color, bool on = true, bool frozen = false) {
    Layer layer;
    layer.color = color;
    layer.on = on;
    layer.frozen = frozen;
    return layer;
}

std::vector<Ink> recordedInks(const Scene& scene) {
    std::vector<Ink> inks;
    for (const Primitive& p : scene.recording().primitives())
        inks.push_back(p.ink);
    return inks;
}

TEST(Colours, ResolveByLayerIndexTrueColourAndContrastingSeven) {
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        const LayerIndex blue = b.defineLayer("BLUE", layerWith(Color::fromIndex(5)));
        const LayerIndex white = b.defineLayer("WHITE", layerWith(Color::fromIndex(7)));
        Line e = line({0, 0}, {1, 0});
        e.props.layer = blue;
        b.add(e); // by layer: blue
        e.props.color = Color::fromIndex(1);
        b.add(e); // red, whatever the layer
        e.props.color = Color::fromRgb(1, 2, 3);
        b.add(e);
        e.props.color = Color::fromIndex(7);
        b.add(e);
        e.props.color = Color::byLayer();
        e.props.layer = white;
        b.add(e);
        e.props.color = Color::byBlock(); // outside a block: the default colour
        b.add(e);
    });
    const auto inks = recordedInks(*sceneOf(drawing));
    const std::vector<Ink> expected = {Ink::rgb(0x0000FF), Ink::rgb(0xFF0000), Ink::rgb(0x010203),
                                       Ink::foreground(),  Ink::foreground(),  Ink::foreground()};
    EXPECT_EQ(inks, expected);
}

TEST(Colours, PaletteNamedColoursAndGreys) {
    EXPECT_EQ(aciToRgb(1), 0xFF0000u);
    EXPECT_EQ(aciToRgb(3), 0x00FF00u);
    EXPECT_EQ(aciToRgb(5), 0x0000FFu);
    EXPECT_EQ(aciToRgb(8), 0x414141u);
    EXPECT_EQ(aciToRgb(10), 0xFF0000u);
    EXPECT_EQ(aciToRgb(30), 0xFF7F00u); // hue 30 degrees, full
    EXPECT_EQ(aciToRgb(21), 0xFFBFAAu); // hue 15 degrees, pale
    EXPECT_EQ(aciToRgb(250), 0x333333u);
    EXPECT_EQ(aciToRgb(255), 0xFFFFFFu);
    // Odd indices are the pale form of the colour before them.
    const std::uint32_t pale = aciToRgb(11);
    EXPECT_EQ(pale >> 16, 0xFFu);
    EXPECT_EQ(pale & 0xFF, (pale >> 8) & 0xFF);
    EXPECT_GT(pale & 0xFF, 0x80u);
}

TEST(Colours, ContrastFollowsTheBackground) {
    EXPECT_EQ(Ink::foreground().resolve(0x000000), 0xFFFFFFu);
    EXPECT_EQ(Ink::foreground().resolve(0xFFFFFF), 0x000000u);
    EXPECT_EQ(Ink::foreground().resolve(0x202060), 0xFFFFFFu);
    EXPECT_EQ(Ink::foreground().resolve(0xE0E0A0), 0x000000u);
    EXPECT_EQ(Ink::background().resolve(0x123456), 0x123456u);
    EXPECT_EQ(Ink::rgb(0xFF0000).resolve(0xFFFFFF), 0xFF0000u);
}

TEST(Blocks, ByBlockAndLayerZeroInheritFromTheReference) {
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        const LayerIndex green = b.defineLayer("GREEN", layerWith(Color::fromIndex(3)));
        b.defineLayer("RED", layerWith(Color::fromIndex(1)));
        b.beginBlock("B", Block{});
        Line byBlock = line({0, 0}, {1, 0}, Color::byBlock());
        b.add(byBlock);
        Line onZero = line({0, 0}, {1, 0}); // layer 0, colour by layer
        b.add(onZero);
        Line onRed = line({0, 0}, {1, 0});
        onRed.props.layer = b.layer("RED");
        b.add(onRed);
        b.endBlock();
        Insert insert;
        insert.blockName = b.intern("B");
        insert.props.layer = green;
        insert.props.color = Color::fromIndex(6);
        b.add(insert);
    });
    const auto inks = recordedInks(*sceneOf(drawing));
    const std::vector<Ink> expected = {Ink::rgb(0xFF00FF), Ink::rgb(0x00FF00), Ink::rgb(0xFF0000)};
    EXPECT_EQ(inks, expected);
}

TEST(Layers, OffAndFrozenLayersAreNotDrawn) {
    const Drawing drawing = makeDrawing([](DrawingBuilder& b) {
        const LayerIndex off = b.defineLayer("OFF", layerWith(Color::fromIndex(1), false));
        const LayerIndex frozen =
            b.defineLayer("FROZEN", layerWith(Color::fromIndex(2), true, true));
        const LayerIndex shown = b.defineLayer("SHOWN", layerWith(Color::fromIndex(3)));
        b.beginBlock("B", Block{});
        b.add(line({0, 0}, {1, 0}, Color::fromIndex(4))); // layer 0: takes the reference's
        Line ownLayer = line({0, 0}, {1, 0});
        ownLayer.props.layer = shown;
        b.add(ownLayer);
        b.endBlock();
        for (const LayerIndex layer : {off, frozen, shown}) {
            Line e = line({0, 0}, {1, 0});
            e.props.layer = layer;
            b.add(e);
            Insert insert;
            insert.blockName = b.intern("B");
            insert.props.layer = layer;
            b.add(insert);
        }
        Line invisible = line({0, 0}, {1, 0});
        invisible.props.invisible = true;
        b.add(invisible);
    });
    const auto inks = recordedInks(*sceneOf(drawing));
    // Off: only the block's entity on its own shown layer. Frozen: nothing.
    // Shown: the line and both block entities.
    const std::vector<Ink> expected = {Ink::rgb(0x00FF00), Ink::rgb(0x00FF00), Ink::rgb(0x00FFFF),
                                       Ink::rgb(0x00FF00)};
    EXPECT_EQ(inks, expected);
}

// Dash lengths of the first dashes a dashed line records.
std::vector<double> firstDashLengths(const Scene& scene, std::size_t count) {
    std::vector<double> lengths;
    for (const Primitive* p : primitivesOf(scene, PrimitiveKind::Segments)) {
        const auto pts = scene.recording().pointsOf(*p);
        for (std::size_t i = 0; i + 1 < pts.size() && lengths.size() < count; i += 2)
            lengths.push_back(std::hypot(pts[i + 1].x - pts[i].x, pts[i + 1].y - pts[i].y));
    }
    return lengths;
}

TEST(Linetypes, DashesScaleWithLtscaleEntityScaleAndBlockScale) {
    struct Case {
        double ltScale;
        float entityScale;
        double insertScale;
        double dash;
    };
    for (const Case c :
         {Case{1, 1, 0, 2}, Case{3, 1, 0, 6}, Case{2, 0.5f, 0, 2}, Case{1, 1, 4, 8}}) {
        const Drawing drawing = makeDrawing([&](DrawingBuilder& b) {
            b.drawing().header.ltScale = c.ltScale;
            auto& reals = b.drawing().reals;
            Linetype dashed;
            dashed.dashes = {std::uint32_t(reals.size()), 2};
            reals.push_back(2);
            reals.push_back(-1);
            dashed.patternLength = 3;
            const LinetypeIndex lt = b.defineLinetype("DASHED", dashed);
            Line e = line({0, 0}, {100, 0});
            e.props.linetype = lt;
            e.props.linetypeScale = c.entityScale;
            if (c.insertScale == 0) {
                b.add(e);
                return;
            }
            b.beginBlock("B", Block{});
            b.add(e);
            b.endBlock();
            Insert insert;
            insert.blockName = b.intern("B");
            insert.scale = {c.insertScale, c.insertScale, 1};
            b.add(insert);
        });
        const auto lengths = firstDashLengths(*sceneOf(drawing), 3);
        ASSERT_EQ(lengths.size(), 3u) << c.ltScale;
        for (const double length : lengths)
            EXPECT_NEAR(length, c.dash, 1e-9) << "ltscale " << c.ltScale;
    }
}

} // namespace
} // namespace cad::render
