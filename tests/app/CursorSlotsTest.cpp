#include "app/CursorSlots.h"

#include <QBitmap>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

TEST(CursorSlots, LoadsBothCursorsWithTheirHotSpots) {
    LoadCursorSlot(kPanCursorSlot, "CURSOR_1", {16, 16});
    LoadCursorSlot(kZoomWindowCursorSlot, "CURSOR_3", {16, 16});
    for (const int slot : {kPanCursorSlot, kZoomWindowCursorSlot}) {
        const QCursor cursor = CursorOfSlot(slot);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << slot;
        EXPECT_EQ(cursor.hotSpot(), QPoint(16, 16)) << slot;
        const QImage picture = cursor.pixmap().toImage();
        ASSERT_EQ(picture.size(), QSize(32, 32)) << slot;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb c = picture.pixel(x, y);
                if (qAlpha(c) > 0) // two colours only
                    EXPECT_TRUE(c == qRgb(0, 0, 0) || c == qRgb(255, 255, 255)) << x << "," << y;
            }
    }
    // The crosshair's lines cross at the hot spot and run across the whole cursor.
    const QImage cross = CursorOfSlot(kZoomWindowCursorSlot).pixmap().toImage();
    for (const QPoint p : {QPoint(16, 0), QPoint(16, 31), QPoint(0, 16), QPoint(31, 16)})
        EXPECT_GT(qAlpha(cross.pixel(p)), 0);
}

TEST(CursorSlots, MissingPictureLeavesTheSlotToTheArrow) {
    LoadCursorSlot(7, "CURSOR_7", {0, 0});
    EXPECT_EQ(CursorOfSlot(7).shape(), Qt::ArrowCursor);
    EXPECT_EQ(CursorOfSlot(42).shape(), Qt::ArrowCursor);
}

} // namespace
