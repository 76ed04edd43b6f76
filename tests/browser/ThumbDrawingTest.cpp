#include "browser/ThumbDrawing.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kGrey = 0x808080;

quint32 valueAt(const QImage& image, int x, int y) {
    const QRgb rgb = image.pixel(x, y);
    return quint32(qRed(rgb)) | quint32(qGreen(rgb)) << 8 | quint32(qBlue(rgb)) << 16;
}

TEST(BlendColors, EachChannelRoundsToTheNearestInteger) {
    struct Case {
        quint32 first;
        quint32 second;
        int alpha;
        quint32 blended;
    };
    const Case cases[] = {
        {kGrey, kWhite, 0, kWhite},
        {kGrey, kWhite, 255, kGrey},
        // 128 * 128/255 + 255 * 127/255 = 191.251: down.
        {kGrey, kWhite, 128, 0xBFBFBF},
        // 128 * 96/255 + 255 * 159/255 = 207.188; 64 -> 223.125; 32 -> 239.063.
        {kGrey, kWhite, 96, 0xCFCFCF},
        {kGrey, kWhite, 64, 0xDFDFDF},
        {kGrey, kWhite, 32, 0xEFEFEF},
        // 255 * 128/255 = 128.0 exactly, 0 stays 0, 100 * 128/255 + 0 = 50.196: down.
        {0x0000FF, 0x000000, 128, 0x000080},
        {0x000064, 0x000000, 128, 0x000032},
        // 1 * 128/255 = 0.502: up where truncating would give 0; red 3 -> 1.506: up to 2.
        {0x000301, 0x000000, 128, 0x000201},
        // Channels blend on their own: red 255 over blue 255 at 128: 128 red, 127 blue.
        {0x0000FF, 0xFF0000, 128, 0x7F0080},
        // 10 * 51/255 + 20 * 204/255 = 2 + 16 = 18.0 exactly.
        {0x00000A, 0x000014, 51, 0x000012},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BlendColors(c.first, c.second, c.alpha), c.blended)
            << std::hex << c.first << " over " << c.second << " at " << std::dec << c.alpha;
    }
}

TEST(BlendColors, SystemColoursAreResolvedFirst) {
    // A system colour (top byte 0x80) blends as the plain colour it stands for, and the
    // result is always plain.
    const quint32 windowColour = 0x80000005;
    const quint32 plain = BlendColors(windowColour, windowColour, 255);
    EXPECT_EQ(plain & 0xFF000000u, 0u);
    EXPECT_EQ(BlendColors(windowColour, kGrey, 128), BlendColors(plain, kGrey, 128));
}

// A white surface with the shadow of a frame drawn on it.
QImage shadowOn(const EdgeRect& frame, int depth, QSize size = {200, 200}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ThumbSurface surface{image, painter};
    DrawShadow(surface, frame, depth, kGrey);
    painter.end();
    return image;
}

TEST(DrawShadow, FourRingsOfFallingStrengthEachPixelBlendedOnce) {
    const EdgeRect frame{9, 9, 95, 95}; // the frame of an 80 px cell at (12, 12)
    const QImage image = shadowOn(frame, 4);
    // Every changed pixel holds white blended once at one ring's alpha; a pixel blended
    // twice would hold a darker grey that none of the rings gives.
    const std::map<quint32, int> ringOf = {{BlendColors(kGrey, kWhite, 128), 1},
                                           {BlendColors(kGrey, kWhite, 96), 2},
                                           {BlendColors(kGrey, kWhite, 64), 3},
                                           {BlendColors(kGrey, kWhite, 32), 4}};
    std::map<int, int> pixelsOfRing;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const quint32 value = valueAt(image, x, y);
            if (value == kWhite)
                continue;
            ASSERT_TRUE(ringOf.count(value)) << x << "," << y << " " << std::hex << value;
            ++pixelsOfRing[ringOf.at(value)];
            // The shadow lies right of and below the frame's inside, never left or above.
            EXPECT_TRUE(x >= frame.Right - 1 || y >= frame.Bottom - 1) << x << "," << y;
        }
    }
    // Ring i holds 6 i + 155 pixels around an 86 x 86 frame: 680 in all.
    EXPECT_EQ(pixelsOfRing, (std::map<int, int>{{1, 161}, {2, 167}, {3, 173}, {4, 179}}));

    struct Pixel {
        int x;
        int y;
        int ring;
    };
    const Pixel pixels[] = {
        {frame.Left + 7, frame.Bottom - 1, 1},  // ring 1 starts 7 px right of the left edge
        {frame.Left + 8, frame.Bottom, 1},      // ... with its stair step below
        {frame.Left + 4, frame.Bottom - 1, 4},  // ring 4 starts 4 px right of it
        {frame.Right + 2, frame.Bottom + 2, 4}, // the outer corner
        {frame.Right, frame.Bottom - 1, 1},     // ring 1 hugs the frame's right side
        {frame.Right, frame.Bottom, 2},         // ... and ring 2 wraps its corner
        {frame.Right, frame.Top + 8, 1},        // the right band's first stair
        {frame.Right, frame.Top + 7, 2},        {frame.Right + 3, frame.Top + 50, 4},
    };
    for (const Pixel& p : pixels) {
        const quint32 value = valueAt(image, p.x, p.y);
        EXPECT_EQ(ringOf.count(value) ? ringOf.at(value) : 0, p.ring) << p.x << "," << p.y;
    }
    EXPECT_EQ(valueAt(image, frame.Left + 3, frame.Bottom), kWhite);
    EXPECT_EQ(valueAt(image, frame.Right, frame.Top + 3), kWhite);
}

TEST(DrawShadow, NoDepthDrawsNothingAndTheEdgeOfTheSurfaceIsRespected) {
    const QImage none = shadowOn({9, 9, 95, 95}, 0);
    const QImage noneNegative = shadowOn({9, 9, 95, 95}, -2);
    QImage white(none.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_EQ(none, white);
    EXPECT_EQ(noneNegative, white);
    // A frame that reaches past the surface: the pixels outside are left out.
    const QImage clipped = shadowOn({150, 150, 199, 199}, 4);
    EXPECT_NE(valueAt(clipped, 199, 180), kWhite);
}

TEST(IconToBitmap, TheIconOnTheColourAtTheIconsSize) {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter(&picture).fillRect(8, 8, 16, 16, Qt::red);
    QImage bitmap(5, 5, QImage::Format_RGB32);
    IconToBitmap(QIcon(picture), bitmap, 0xFF0000); // blue
    ASSERT_EQ(bitmap.size(), QSize(32, 32));
    EXPECT_EQ(bitmap.pixelColor(0, 0), QColor(Qt::blue)); // transparent parts show the colour
    EXPECT_EQ(bitmap.pixelColor(16, 16), QColor(Qt::red));

    IconToBitmap(QIcon(), bitmap, 0x00FF00);
    EXPECT_EQ(bitmap.size(), QSize(32, 32));
    EXPECT_EQ(bitmap.pixelColor(16, 16), QColor(Qt::green));
}

} // namespace
