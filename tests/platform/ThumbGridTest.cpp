#include "platform/ThumbGrid.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

// A shown grid whose viewport is exactly `width` x `height` pixels.
class ThumbGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid.setFrameShape(QFrame::NoFrame);
        grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid.resize(width, height);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }
    void fill(int cells) {
        for (int i = 0; i < cells; ++i) {
            grid.appendCell();
        }
    }
    // Lets pending redraws happen.
    static void settle() { QTest::qWait(30); }
    QImage render() {
        QImage image(grid.viewport()->size(), QImage::Format_RGB32);
        grid.viewport()->render(&image);
        return image;
    }

    static constexpr int width = 300; // 80 + 12 wide cells: 3 columns
    static constexpr int height = 250;
    ThumbGrid grid;
};

QImage solid(int w, int h, QColor color) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

} // namespace

TEST(ThumbGridLayout, ColumnsThatFitAndCellRectangles) {
    ThumbGridLayout layout; // 80 x 100 cells, 12 x 12 spacing
    struct Case {
        int width;
        int columns;
    };
    const Case cases[] = {{0, 1}, {50, 1}, {103, 1}, {195, 1}, {196, 2}, {288, 3}, {1000, 10}};
    for (const Case& c : cases) {
        EXPECT_EQ(layout.columnsFor(c.width), c.columns) << c.width;
    }
    EXPECT_EQ(layout.cellRect(0, 3), QRect(12, 12, 80, 100));
    EXPECT_EQ(layout.cellRect(2, 3), QRect(12 + 2 * 92, 12, 80, 100));
    EXPECT_EQ(layout.cellRect(4, 3), QRect(12 + 92, 12 + 112, 80, 100));
    EXPECT_EQ(layout.contentSize(7, 3), QSize(12 + 3 * 92, 12 + 3 * 112));
    EXPECT_EQ(layout.contentSize(2, 3), QSize(12 + 2 * 92, 12 + 112));
    EXPECT_EQ(layout.contentSize(0, 3), QSize(12 + 92, 12));
}

TEST(ThumbGridLayout, TheCellAtAPointLeavesTheSpacingOut) {
    ThumbGridLayout layout;
    struct Case {
        QPoint at;
        int cell;
    };
    const Case cases[] = {
        {{12, 12}, 0},   {{91, 111}, 0},  {{92, 50}, -1},  {{11, 50}, -1},
        {{50, 112}, -1}, {{104, 12}, 1},  {{200, 130}, 5}, {{290, 50}, -1},
        {{20, 400}, 9},  {{20, 500}, -1}, {{-5, -5}, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(layout.cellAt(c.at, 3, 10), c.cell) << c.at.x() << "," << c.at.y();
    }
}

TEST_F(ThumbGridTest, CellsFollowTheViewportAndScrollPosition) {
    fill(10); // 4 rows of 3: 460 high content in a 250 high view
    EXPECT_EQ(grid.columnCount(), 3);
    EXPECT_EQ(grid.cellRect(4), QRect(104, 124, 80, 100));
    EXPECT_EQ(grid.cellRect(10), QRect());
    EXPECT_EQ(grid.verticalScrollBar()->maximum(), 12 + 4 * 112 - height);

    EXPECT_TRUE(grid.isCellVisible(0));
    EXPECT_TRUE(grid.isCellVisible(7)); // partly shown counts
    EXPECT_FALSE(grid.isCellVisible(9));
    EXPECT_EQ(grid.imageAtPos({50, 50}), 0);
    EXPECT_EQ(grid.imageAtPos({150, 150}), 4);

    grid.setViewPosition(0, 200);
    EXPECT_EQ(grid.viewPosition(), QPoint(0, 200));
    EXPECT_FALSE(grid.isCellVisible(0));
    EXPECT_TRUE(grid.isCellVisible(9));
    EXPECT_EQ(grid.imageAtPos({50, 50}), 6);  // content y 250 lies in row 2
    EXPECT_EQ(grid.imageAtPos({50, 5}), 3);   // content y 205 lies in row 1
    EXPECT_EQ(grid.imageAtPos({50, 30}), -1); // spacing between rows 1 and 2

    grid.resize(200, height); // 2 columns now
    EXPECT_EQ(grid.columnCount(), 2);
    EXPECT_EQ(grid.cellRect(3), QRect(104, 124, 80, 100));
}

TEST_F(ThumbGridTest, CellsKeepTheirTextsTagsAndPictures) {
    fill(2);
    EXPECT_EQ(grid.cellCount(), 2);
    grid.setCellText(1, 0, "2");
    grid.setCellText(1, 1, "plan.dwg");
    grid.setCellText(1, 2, "/d/plan.dwg|||");
    grid.setCellText(1, 3, "ignored");
    grid.setCellTag(1, 7);
    EXPECT_EQ(grid.cellText(1, 0), "2");
    EXPECT_EQ(grid.cellText(1, 1), "plan.dwg");
    EXPECT_EQ(grid.cellText(1, 2), "/d/plan.dwg|||");
    EXPECT_EQ(grid.cellText(1, 3), "");
    EXPECT_EQ(grid.cellText(0, 0), "");
    EXPECT_EQ(grid.cellTag(1), 7);
    EXPECT_EQ(grid.cellTag(0), 0);
    EXPECT_EQ(grid.cellText(5, 0), ""); // out of range reads as empty
    grid.setCellTag(5, 1);              // ... and writes nowhere

    struct Case {
        QSize given;
        QSize stored;
    };
    const Case cases[] = {
        {{32, 32}, {32, 32}},    // small pictures are never enlarged
        {{400, 200}, {80, 40}},  // wide ones shrink to the width
        {{100, 500}, {20, 100}}, // tall ones to the height
        {{80, 100}, {80, 100}},
    };
    for (const Case& c : cases) {
        grid.setCellPicture(0, solid(c.given.width(), c.given.height(), Qt::red));
        EXPECT_EQ(grid.cellPicture(0).size(), c.stored) << c.given.width();
    }
    grid.setCellPicture(0, QImage());
    EXPECT_FALSE(grid.hasCellPicture(0));
}

TEST_F(ThumbGridTest, ThePictureIsDrawnCentredInTheAreaTheOwnerLeaves) {
    grid.setBackground(Qt::white);
    fill(1);
    grid.setCellPicture(0, solid(80, 100, Qt::blue));
    std::vector<QPoint> corners;
    grid.setBeforeImageDraw([&](int idx, int left, int top, ThumbSurface& dest, QRect& thumbRect) {
        EXPECT_EQ(idx, 0);
        EXPECT_EQ(thumbRect, QRect(0, 0, 80, 100));
        corners.push_back({left, top});
        dest.painter.fillRect(QRect(left, top, 80, 100), Qt::green); // the owner's background
        thumbRect = QRect(0, 0, 80, 60);                             // leaves room for texts below
    });
    const QImage image = render();
    ASSERT_FALSE(corners.empty());
    EXPECT_EQ(corners.back(), QPoint(12, 12));
    // 80 x 100 shrinks to 48 x 60 in the 80 x 60 area: x from 12 + 16 to 12 + 63.
    EXPECT_EQ(image.pixelColor(12 + 16, 12 + 30), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(12 + 63, 12 + 30), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(12 + 10, 12 + 30), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(12 + 40, 12 + 80), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white)); // the grid's own background
}

TEST_F(ThumbGridTest, TheOwnerReadsTheSurfaceAsPaintedSoFar) {
    grid.setBackground(Qt::yellow);
    fill(2);
    std::vector<QColor> seen;
    grid.setBeforeImageDraw([&](int idx, int left, int top, ThumbSurface& dest, QRect&) {
        // The spacing left of each cell: the background, or what cell 0's owner put there.
        seen.push_back(dest.image.pixelColor(left - 10, top + 50));
        if (idx == 0) {
            dest.painter.fillRect(QRect(left + 81, top, 4, 100), Qt::red);
        }
    });
    render();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], QColor(Qt::yellow));
    EXPECT_EQ(seen[1], QColor(Qt::red));
}

TEST_F(ThumbGridTest, FocusChangesRedrawTheCells) {
    fill(1);
    bool focusedWhenPainted = false;
    grid.setBeforeImageDraw(
        [&](int, int, int, ThumbSurface&, QRect&) { focusedWhenPainted = grid.hasFocus(); });
    grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    grid.setFocus();
    EXPECT_TRUE(QTest::qWaitFor([&] { return focusedWhenPainted; }));
    grid.clearFocus();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !focusedWhenPainted; }));
}

TEST_F(ThumbGridTest, TheMouseWheelScrollsByRows) {
    fill(30); // 10 rows
    QWheelEvent down(QPointF(50, 50), grid.viewport()->mapToGlobal(QPointF(50, 50)), QPoint(),
                     QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid.viewport(), &down);
    const int afterOneNotch = grid.viewPosition().y();
    EXPECT_GT(afterOneNotch, 0);
    QWheelEvent up(QPointF(50, 50), grid.viewport()->mapToGlobal(QPointF(50, 50)), QPoint(),
                   QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid.viewport(), &up);
    EXPECT_EQ(grid.viewPosition().y(), 0);
}

TEST_F(ThumbGridTest, SelectedCellsAreMarkedAroundThePictureArea) {
    grid.setSelectionColor(Qt::red);
    grid.setBackground(Qt::white);
    fill(2);
    grid.select(1);
    const QImage image = render();
    const QRect second = grid.cellRect(1);
    EXPECT_EQ(image.pixelColor(second.left() - 1, second.center().y()), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(11, 50), QColor(Qt::white)); // cell 0 is not selected
}

TEST_F(ThumbGridTest, ThePaintLockRedrawsOnceWhenReleased) {
    settle();
    const int before = grid.paintCount();
    grid.lockUpdate();
    grid.lockUpdate();
    fill(30);
    for (int i = 0; i < 30; ++i) {
        grid.setCellPicture(i, solid(10, 10, Qt::red));
    }
    grid.setViewPosition(0, 100);
    settle();
    EXPECT_EQ(grid.paintCount(), before);
    grid.unlockUpdate();
    settle();
    EXPECT_EQ(grid.paintCount(), before);
    EXPECT_EQ(grid.updateLockCount(), 1);
    grid.unlockUpdate();
    settle();
    EXPECT_EQ(grid.paintCount(), before + 1);
    grid.unlockUpdate(); // an extra release is harmless
    EXPECT_EQ(grid.updateLockCount(), 0);
}

TEST_F(ThumbGridTest, ClearRemovesCellsSelectionAndPictures) {
    fill(12);
    grid.setCellPicture(3, solid(10, 10, Qt::red));
    grid.select(3);
    grid.setViewPosition(0, 150);
    QSignalSpy selection(&grid, &ThumbGrid::selectionChanged);
    grid.clear();
    EXPECT_EQ(grid.cellCount(), 0);
    EXPECT_TRUE(grid.selectedIndexes().isEmpty());
    EXPECT_EQ(grid.currentIndex(), -1);
    EXPECT_EQ(grid.viewPosition(), QPoint(0, 0));
    EXPECT_EQ(selection.count(), 1);
    EXPECT_EQ(grid.appendCell(), 0);
    EXPECT_FALSE(grid.hasCellPicture(0));
    EXPECT_FALSE(grid.isSelected(0));
}

TEST_F(ThumbGridTest, MouseSelectsSingleControlAndShiftRanges) {
    fill(9);
    QSignalSpy pressed(&grid, &ThumbGrid::mousePressed);
    const auto click = [&](int idx, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, modifiers,
                          grid.cellRect(idx).center() - grid.viewPosition());
    };
    click(1);
    EXPECT_EQ(grid.selectedIndexes(), QList<int>({1}));
    click(4, Qt::ControlModifier);
    EXPECT_EQ(grid.selectedIndexes(), QList<int>({1, 4}));
    click(1, Qt::ControlModifier);
    EXPECT_EQ(grid.selectedIndexes(), QList<int>({4}));
    click(7, Qt::ShiftModifier);
    EXPECT_EQ(grid.selectedIndexes(), QList<int>({1, 2, 3, 4, 5, 6, 7}));
    click(2);
    EXPECT_EQ(grid.selectedIndexes(), QList<int>({2}));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(5, 5)); // empty space
    EXPECT_TRUE(grid.selectedIndexes().isEmpty());
    // The right button reports the press and leaves the selection to the owner.
    click(2);
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, grid.cellRect(5).center());
    EXPECT_EQ(grid.selectedIndexes(), QList<int>({2}));
    ASSERT_EQ(pressed.count(), 8);
    EXPECT_EQ(pressed.last()[0].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(grid.imageAtPos(pressed.last()[2].toPoint()), 5);
}

TEST_F(ThumbGridTest, KeysMoveTheCurrentCellAndScrollToIt) {
    fill(12);
    grid.setFocus();
    grid.select(0);
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QList<int> selected;
    };
    const Case cases[] = {
        {Qt::Key_Right, {}, {1}},
        {Qt::Key_Down, {}, {4}},
        {Qt::Key_Down, Qt::ShiftModifier, {4, 5, 6, 7}},
        {Qt::Key_Left, {}, {6}},
        {Qt::Key_End, {}, {11}},
        {Qt::Key_Down, {}, {11}}, // stays on the last cell
        {Qt::Key_Home, {}, {0}},
        {Qt::Key_Up, {}, {0}},
    };
    for (const Case& c : cases) {
        QTest::keyClick(&grid, c.key, c.modifiers);
        EXPECT_EQ(grid.selectedIndexes(), c.selected) << c.key;
        EXPECT_TRUE(grid.isCellVisible(grid.currentIndex()));
    }
    QTest::keyClick(&grid, Qt::Key_End);
    EXPECT_GT(grid.viewPosition().y(), 0);
    EXPECT_TRUE(grid.cellRect(11).bottom() - grid.viewPosition().y() < height);
    QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(grid.selectedIndexes().size(), 12);
}

TEST_F(ThumbGridTest, SizeAndSpacingChangesRelayOut) {
    fill(6);
    grid.setThumbWidth(120);
    grid.setThumbHeight(140);
    grid.setHorizBorder(4);
    grid.setVertBorder(6);
    EXPECT_EQ(grid.columnCount(), 2); // (300 - 4) / 124
    EXPECT_EQ(grid.cellRect(3), QRect(4 + 124, 6 + 146, 120, 140));
    grid.setCellPicture(0, solid(500, 500, Qt::red));
    EXPECT_EQ(grid.cellPicture(0).size(), QSize(120, 120));
}

TEST_F(ThumbGridTest, HintsShowTheTextOnlyWhileSwitchedOn) {
    fill(1);
    const auto askForHint = [&] {
        const QPoint at = grid.cellRect(0).center();
        QHelpEvent help(QEvent::ToolTip, at, grid.viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid.viewport(), &help);
    };
    grid.setHintText("plan.dwg\r\n Size: 58 KB");
    grid.setHintsEnabled(true);
    askForHint();
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "plan.dwg\r\n Size: 58 KB");

    // Moving to another cell changes the text of the hint already showing.
    grid.setHintText("flange.dwg");
    EXPECT_EQ(QToolTip::text(), "flange.dwg");

    grid.setHintsEnabled(false); // over empty space: the showing hint goes
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
    askForHint();
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST_F(ThumbGridTest, ManyPicturesKeepOnlyAFewDecoded) {
    fill(500);
    for (int i = 0; i < 500; ++i) {
        grid.setCellPicture(i, solid(80, 60, QColor::fromHsv(i % 360, 200, 200)));
    }
    EXPECT_LE(grid.decodedPictureCount(), 40);
    EXPECT_LT(grid.pictureBytes(), 500 * 80 * 60); // well under one byte a pixel
    EXPECT_EQ(grid.cellPicture(123), solid(80, 60, QColor::fromHsv(123, 200, 200)));
    // Painting decodes what the view shows and stays within the bound.
    render();
    EXPECT_LE(grid.decodedPictureCount(), 40);
}
