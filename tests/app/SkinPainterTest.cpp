#include "app/SkinPainter.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const SkinRect& r, std::ostream* out) {
    *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

const QSize kSkinSize(100, 50);
const QColor kUnpainted(255, 0, 255);

struct Expected {
    SkinRect source;
    QSize staged; // invalid for a straight copy
    SkinRect destination;
};

struct LayoutCase {
    const char* name;
    QSize client;
    std::array<Expected, 9> pieces;
};

const QSize kStraight;

TEST(SkinLayout, PiecesForTheDesignSizeAFullHdWorkAreaAndATinyWindow) {
    const LayoutCase cases[] = {
        {"design size",
         {712, 486},
         {{{{0, 0, 20, 28}, kStraight, {0, 0, 20, 28}},
           {{80, 0, 100, 28}, kStraight, {692, 0, 712, 28}},
           {{21, 0, 81, 28}, {80, 28}, {20, 0, 692, 28}},
           {{0, 40, 10, 50}, kStraight, {0, 476, 10, 486}},
           {{90, 40, 100, 50}, kStraight, {702, 476, 712, 486}},
           {{0, 28, 10, 40}, {10, 12}, {0, 28, 10, 476}},
           {{90, 28, 100, 40}, {10, 12}, {702, 28, 712, 476}},
           {{10, 40, 90, 50}, {80, 10}, {10, 476, 702, 486}},
           {{10, 28, 90, 40}, {80, 12}, {10, 28, 702, 476}}}}},
        {"full-HD work area",
         {1920, 1040},
         {{{{0, 0, 20, 28}, kStraight, {0, 0, 20, 28}},
           {{80, 0, 100, 28}, kStraight, {1900, 0, 1920, 28}},
           {{21, 0, 81, 28}, {80, 28}, {20, 0, 1900, 28}},
           {{0, 40, 10, 50}, kStraight, {0, 1030, 10, 1040}},
           {{90, 40, 100, 50}, kStraight, {1910, 1030, 1920, 1040}},
           {{0, 28, 10, 40}, {10, 12}, {0, 28, 10, 1030}},
           {{90, 28, 100, 40}, {10, 12}, {1910, 28, 1920, 1030}},
           {{10, 40, 90, 50}, {80, 10}, {10, 1030, 1910, 1040}},
           {{10, 28, 90, 40}, {80, 12}, {10, 28, 1910, 1030}}}}},
        // 30 columns: the top corners share them, the band between them is gone; 20 rows:
        // the title band keeps 14 (28 of 38), the bottom pieces 6.
        {"smaller than the fixed pieces",
         {30, 20},
         {{{{0, 0, 15, 14}, kStraight, {0, 0, 15, 14}},
           {{85, 0, 100, 14}, kStraight, {15, 0, 30, 14}},
           {{21, 0, 81, 14}, {80, 14}, {15, 0, 15, 14}},
           {{0, 44, 10, 50}, kStraight, {0, 14, 10, 20}},
           {{90, 44, 100, 50}, kStraight, {20, 14, 30, 20}},
           {{0, 28, 10, 40}, {10, 12}, {0, 14, 10, 14}},
           {{90, 28, 100, 40}, {10, 12}, {20, 14, 30, 14}},
           {{10, 44, 90, 50}, {80, 6}, {10, 14, 20, 20}},
           {{10, 28, 90, 40}, {80, 12}, {10, 14, 20, 14}}}}},
    };
    for (const LayoutCase& c : cases) {
        const auto pieces = SkinLayout(kSkinSize, c.client);
        for (std::size_t step = 0; step < pieces.size(); ++step) {
            SCOPED_TRACE(testing::Message() << c.name << ", step " << step + 1);
            EXPECT_EQ(pieces[step].source, c.pieces[step].source);
            EXPECT_EQ(pieces[step].staged, c.pieces[step].staged);
            EXPECT_EQ(pieces[step].destination, c.pieces[step].destination);
        }
    }
}

QImage skin() {
    return QImage(":/skin/skin.png").convertToFormat(QImage::Format_RGB32);
}

// Paints a client area of Size into a picture with a margin of unpainted pixels around it.
QImage painted(QSize size, const QImage& skin, int margin = 4) {
    QImage canvas(size + QSize(2 * margin, 2 * margin), QImage::Format_RGB32);
    canvas.fill(kUnpainted);
    QPainter painter(&canvas);
    painter.translate(margin, margin);
    PaintSkin(painter, skin, size.width(), size.height());
    return canvas;
}

TEST(PaintSkin, CoversTheWholeClientAreaAndNothingElseAtEverySize) {
    const QImage picture = skin();
    ASSERT_EQ(picture.size(), kSkinSize);
    const QSize sizes[] = {{712, 486}, {1920, 1040}, {40, 38}, {39, 37}, {30, 20},
                           {21, 60},   {60, 11},     {3, 100}, {100, 3}, {1, 1}};
    const int margin = 4;
    for (const QSize size : sizes) {
        const QImage canvas = painted(size, picture, margin);
        const QRect client(QPoint(margin, margin), size);
        int wrong = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x) {
                const bool unpainted = canvas.pixelColor(x, y) == kUnpainted;
                wrong += client.contains(x, y) == unpainted;
            }
        EXPECT_EQ(wrong, 0) << size.width() << " x " << size.height();
    }
}

struct Sample {
    QPoint window;
    QPoint skin;
};

TEST(PaintSkin, CornersAreCopiedAndBandsStretchedFromTheirRows) {
    const QImage picture = skin();
    const struct {
        QSize size;
        std::vector<Sample> samples;
    } cases[] = {
        {{712, 486},
         {{{0, 0}, {0, 0}},
          {{19, 27}, {19, 27}},
          {{711, 0}, {99, 0}},
          {{711, 485}, {99, 49}},
          {{0, 485}, {0, 49}},
          {{356, 1}, {50, 1}},      // the bright line of the title band
          {{356, 20}, {50, 20}},    // its darkening lower part
          {{1, 300}, {1, 35}},      // the line inside the left edge
          {{710, 300}, {98, 35}},   // and inside the right edge
          {{356, 484}, {50, 48}},   // and above the bottom edge
          {{356, 300}, {50, 35}}}}, // the body
        // A tiny window keeps the outer part of each corner.
        {{30, 20},
         {{{0, 0}, {0, 0}},
          {{14, 13}, {14, 13}},
          {{29, 0}, {99, 0}},
          {{29, 19}, {99, 49}},
          {{0, 14}, {0, 44}},
          {{15, 5}, {85, 5}}}},
    };
    for (const auto& c : cases) {
        const QImage canvas = painted(c.size, picture, 0);
        for (const Sample& s : c.samples)
            EXPECT_EQ(canvas.pixel(s.window), picture.pixel(s.skin))
                << c.size.width() << " x " << c.size.height() << " at (" << s.window.x() << ", "
                << s.window.y() << ")";
    }
}

TEST(PaintSkin, WithoutASkinTheBodyColourFillsTheArea) {
    const QImage canvas = painted({50, 40}, QImage(), 0);
    EXPECT_EQ(canvas.pixelColor(0, 0), QColor(6, 6, 6));
    EXPECT_EQ(canvas.pixelColor(49, 39), QColor(6, 6, 6));
}

} // namespace
