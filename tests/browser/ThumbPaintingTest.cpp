#include "browser/ThumbPainting.h"
#include "browser/ImageLoadThread.h"
#include "browser/ThumbEntry.h"
#include "browser/ThumbJobList.h"
#include "browser/ThumbPlaceholder.h"
#include "browser/UiHandOver.h"
#include "platform/Colors.h"
#include "platform/ShellList.h"
#include "platform/ThumbGrid.h"

#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {

const QColor kSelectionBlue(0, 158, 255);

// One cell of a grid painted by the thumbnail painting, at (12, 12) on a white background.
class ThumbPainting : public ::testing::Test {
protected:
    void SetUp() override {
        grid.setFrameShape(QFrame::NoFrame);
        grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid.setBackground(Qt::white);
        grid.setSelectionColor(Qt::green);
        grid.resize(400, 400);
        look.BorderType = 1;
        look.BorderColor = 0xFF0000; // blue
        look.BackColor = 0xFFFFFF;
        grid.setBeforeImageDraw(
            [this](int idx, int left, int top, ThumbSurface& dest, QRect& thumbRect) {
                PaintThumbCell(grid, idx, left, top, dest, thumbRect, look);
                pictureArea[idx] = thumbRect;
            });
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }

    void sizeCells(int width) {
        grid.setThumbWidth(width);
        grid.setThumbHeight(width + 20);
    }

    int addCell(const QString& kind, const QString& caption = {}, const QString& info = {}) {
        const int idx = grid.appendCell();
        ThumbEntry::setKind(grid, idx, kind.toInt());
        ThumbEntry::setCaption(grid, idx, caption);
        ThumbEntry::setInfo(grid, idx, info);
        return idx;
    }

    QImage render() {
        QImage image(grid.viewport()->size(), QImage::Format_RGB32);
        grid.viewport()->render(&image);
        return image;
    }

    // The frame of the cell at (12, 12): (9, 9) to (15 + width, 15 + width).
    EdgeRect frameOf(int width) const { return {9, 9, 15 + width, 15 + width}; }

    ThumbGrid grid;
    ThumbLook look;
    std::map<int, QRect> pictureArea;
};

bool isDark(const QColor& color) {
    return color.lightness() < 128;
}

// Whether any pixel of the rectangle (right and bottom outside) is dark.
bool hasDarkPixels(const QImage& image, const EdgeRect& r) {
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (isDark(image.pixelColor(x, y)))
                return true;
    return false;
}

TEST_F(ThumbPainting, FrameAndPictureAreaFollowTheWidthAndTheKind) {
    for (const int width : {50, 80, 150}) {
        for (const char* kind : {"0", "1", "2", "3"}) {
            SCOPED_TRACE(testing::Message() << "ThumbW " << width << ", Kind " << kind);
            grid.clear();
            sizeCells(width);
            addCell(kind);
            const QImage image = render();
            const bool file = QString(kind) == "2" || QString(kind) == "3";
            EXPECT_EQ(pictureArea[0], QRect(0, 0, width, width + 20 - (file ? 38 : 20)));
            const EdgeRect f = frameOf(width);
            const int midX = (f.Left + f.Right) / 2;
            const int midY = (f.Top + f.Bottom) / 2;
            const QColor blue(Qt::blue);
            EXPECT_EQ(image.pixelColor(f.Left, midY), blue);
            EXPECT_EQ(image.pixelColor(f.Right - 1, midY), blue);
            EXPECT_EQ(image.pixelColor(midX, f.Top), blue);
            EXPECT_EQ(image.pixelColor(midX, f.Bottom - 1), blue);
            EXPECT_EQ(image.pixelColor(f.Left - 1, midY), QColor(Qt::white));
            EXPECT_EQ(image.pixelColor(f.Right, midY), QColor(Qt::white));
            EXPECT_EQ(image.pixelColor(midX, f.Top - 1), QColor(Qt::white));
            EXPECT_EQ(image.pixelColor(midX, f.Bottom), QColor(Qt::white));
            EXPECT_EQ(image.pixelColor(f.Left + 1, midY), QColor(Qt::white)); // an outline
        }
    }
}

TEST_F(ThumbPainting, EachBorderStyle) {
    sizeCells(80);
    addCell("2");
    const EdgeRect f = frameOf(80);
    const int midY = (f.Top + f.Bottom) / 2;
    const QColor grey128 = colorFromValue(BlendColors(0x808080, 0xFFFFFF, 128));
    const QColor grey32 = colorFromValue(BlendColors(0x808080, 0xFFFFFF, 32));
    struct Case {
        int style;
        QColor edge;      // the left edge's middle
        QColor corner;    // the top-left corner pixel
        QColor rightOfIt; // just right of the frame
        QColor fourRight; // four pixels right of the frame
        QColor frameFoot; // the frame's bottom-right pixel, where ring 1 meets it
    };
    const QColor blue(Qt::blue), white(Qt::white), red(Qt::red);
    const Case cases[] = {
        {0, red, red, white, white, red}, // the frame in the back colour
        {1, blue, blue, white, white, blue},
        {2, blue, blue, grey128, grey32, blue}, // the shadow, under the frame
        {3, blue, white, white, white, white},  // rounded corners
    };
    look.BackColor = 0x0000FF; // red
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        look.BorderType = c.style;
        const QImage image = render();
        EXPECT_EQ(image.pixelColor(f.Left, midY), c.edge);
        EXPECT_EQ(image.pixelColor(f.Left, f.Top), c.corner);
        EXPECT_EQ(image.pixelColor(f.Right, midY), c.rightOfIt);
        EXPECT_EQ(image.pixelColor(f.Right + 3, midY), c.fourRight);
        EXPECT_EQ(image.pixelColor(f.Right - 1, f.Bottom - 1), c.frameFoot);
    }
}

TEST_F(ThumbPainting, TheSelectionFrameIsThreePixelsWithFocusAndTwoWithoutInEveryStyle) {
    sizeCells(80);
    addCell("2");
    grid.select(0);
    const EdgeRect f = frameOf(80);
    const int midY = (f.Top + f.Bottom) / 2;
    grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    for (const bool focused : {true, false}) {
        if (focused) {
            grid.setFocus();
        } else {
            grid.clearFocus();
        }
        ASSERT_EQ(grid.hasFocus(), focused);
        for (const int style : {0, 1, 2, 3}) {
            SCOPED_TRACE(testing::Message() << "style " << style << ", focus " << focused);
            look.BorderType = style;
            const QImage image = render();
            const auto blueAt = [&](int x, int y) {
                return image.pixelColor(x, y) == kSelectionBlue;
            };
            // Left side: columns F.Left - 1 .. F.Left (+ 1 with focus).
            EXPECT_FALSE(blueAt(f.Left - 2, midY));
            EXPECT_TRUE(blueAt(f.Left - 1, midY));
            EXPECT_TRUE(blueAt(f.Left, midY));
            EXPECT_EQ(blueAt(f.Left + 1, midY), focused);
            EXPECT_FALSE(blueAt(f.Left + 2, midY));
            // Right side, one pixel further out than the plain frame: F.Right - 1 .. F.Right
            // (+ 1 with focus).
            EXPECT_FALSE(blueAt(f.Right - 2, midY));
            EXPECT_TRUE(blueAt(f.Right - 1, midY));
            EXPECT_TRUE(blueAt(f.Right, midY));
            EXPECT_EQ(blueAt(f.Right + 1, midY), focused);
            // Square corners, also in the rounded style.
            EXPECT_TRUE(blueAt(f.Left, f.Top));
            EXPECT_TRUE(blueAt(f.Right, f.Bottom));
            // The grid's own marking stays around the picture area.
            EXPECT_EQ(image.pixelColor(11, 30), QColor(Qt::green));
        }
    }
}

TEST_F(ThumbPainting, FileCellsShowTheirTypeAndEveryCellItsName) {
    sizeCells(80);
    const QString info = "/d/plan.dwg|Size: 58 KB|Type: Drawing|Modified: 2008-5-12 9:30";
    for (const char* kind : {"1", "2", "3"}) {
        SCOPED_TRACE(kind);
        grid.clear();
        addCell(kind, "plan", info);
        const QImage image = render();
        const EdgeRect f = frameOf(80);
        const EdgeRect typeLine{f.Left + 1, f.Bottom - 18, f.Right - 1, f.Bottom - 1};
        const EdgeRect nameLine{f.Left, f.Bottom + 4, f.Right, f.Bottom + 22};
        EXPECT_EQ(hasDarkPixels(image, typeLine), QString(kind) != "1");
        EXPECT_TRUE(hasDarkPixels(image, nameLine));
    }
}

TEST_F(ThumbPainting, LongNamesAreCutWithinTheFrameAndShortOnesCentred) {
    sizeCells(80);
    addCell("2", "a drawing with a name far too long to fit under its cell.dwg");
    addCell("2", "ab");
    const QImage image = render();
    for (const int idx : {0, 1}) {
        const QRect cell = grid.cellRect(idx);
        const EdgeRect f{cell.left() - 3, cell.top() - 3, cell.left() + 83, cell.top() + 83};
        int leftmost = image.width();
        int rightmost = -1;
        for (int y = f.Bottom + 4; y < f.Bottom + 22; ++y) {
            for (int x = f.Left - 6; x < f.Right + 6; ++x) {
                if (isDark(image.pixelColor(x, y))) {
                    leftmost = std::min(leftmost, x);
                    rightmost = std::max(rightmost, x);
                }
            }
        }
        ASSERT_GE(rightmost, 0) << idx;
        EXPECT_GE(leftmost, f.Left) << idx;
        EXPECT_LT(rightmost, f.Right) << idx;
        if (idx == 0) {
            EXPECT_GT(rightmost - leftmost, 70); // the cut name fills the line
        } else {
            EXPECT_NEAR((leftmost + rightmost) / 2.0, (f.Left + f.Right) / 2.0, 2.0);
        }
    }
}

TEST_F(ThumbPainting, TheFirstPaintGivesAnIconAJobAndWakesTheLoaderOnce) {
    UiHandOver handOver;
    ThumbJobList jobs;
    ShellList list;
    TImageLoadThread loader(grid, jobs, handOver, true);
    look.BackColor = 0x00FFFF; // yellow
    grid.setBeforeImageDraw([&](int idx, int left, int top, ThumbSurface& dest, QRect& area) {
        PaintThumbCell(grid, idx, left, top, dest, area, look);
        StartThumbPicture(grid, list, idx, look.BackColor, jobs, loader);
    });
    sizeCells(80);
    addCell("2", "plan.dwg", "/nowhere/plan.dwg|||");
    addCell("1", "sub", "/nowhere/sub/|||");
    const int loaded = addCell("2", "done.dwg", "/nowhere/done.dwg|||");
    ThumbEntry::setState(grid, loaded, ThumbEntry::Loaded);
    // Painted without a turn of the event loop, so the loader cannot take the jobs yet.
    render();
    EXPECT_EQ(ThumbEntry::state(grid, 0), ThumbEntry::Queued);
    EXPECT_EQ(ThumbEntry::state(grid, 1), ThumbEntry::Queued);
    EXPECT_EQ(ThumbEntry::state(grid, loaded), ThumbEntry::Loaded);
    EXPECT_FALSE(grid.hasCellPicture(loaded));
    EXPECT_EQ(jobs.size(), 2u);
    EXPECT_FALSE(loader.Suspended());
    const QImage icon = grid.cellPicture(0);
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.pixelColor(0, 0), QColor(Qt::yellow)); // the icon sits on the back colour

    render(); // a repaint queues nothing more and keeps the icon
    EXPECT_EQ(jobs.size(), 2u);
    EXPECT_EQ(grid.cellPicture(0), icon);
}

} // namespace
