#include "platform/PictureStore.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

// A picture like a drawing preview: lines on a plain background, different for each n.
QImage preview(int n, QImage::Format format = QImage::Format_RGB888) {
    QImage image(80, 60, format);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setPen(QColor::fromHsv((n * 37) % 360, 255, 255));
    for (int i = 0; i < 12; ++i) {
        painter.drawLine((n + i * 7) % 80, 0, (i * 13) % 80, 59);
    }
    return image;
}

} // namespace

TEST(PictureStore, GivesEveryPictureBackExactlyWhateverWasEvicted) {
    PictureStore store(8);
    store.resize(100);
    for (int i = 0; i < 100; ++i) {
        store.set(i, preview(i));
    }
    EXPECT_EQ(store.cachedCount(), 8);
    for (int i : {0, 50, 99, 3, 3, 77}) {
        EXPECT_EQ(store.get(i), preview(i)) << i;
        EXPECT_LE(store.cachedCount(), 8);
    }
    // Compressed, a hundred previews take far less than their bitmaps.
    EXPECT_LT(store.packedBytes(), 100 * preview(0).sizeInBytes() / 4);
}

TEST(PictureStore, KeepsFormatsAndDropsColourTables) {
    struct Case {
        QImage picture;
        QImage::Format stored;
    };
    QImage indexed = preview(1).convertToFormat(QImage::Format_Indexed8);
    QImage mono = preview(2).convertToFormat(QImage::Format_Mono);
    const Case cases[] = {
        {preview(1, QImage::Format_RGB32), QImage::Format_RGB32},
        {preview(1, QImage::Format_ARGB32_Premultiplied), QImage::Format_ARGB32_Premultiplied},
        {preview(1), QImage::Format_RGB888},
        {indexed, QImage::Format_RGB32},
        {mono, QImage::Format_RGB32},
    };
    PictureStore store(1);
    store.resize(2);
    for (const Case& c : cases) {
        store.set(0, c.picture);
        store.set(1, preview(9)); // pushes slot 0 out of the decoded cache
        const QImage back = store.get(0);
        EXPECT_EQ(back.format(), c.stored) << c.picture.format();
        EXPECT_EQ(back, c.picture.convertToFormat(c.stored)) << c.picture.format();
    }
}

TEST(PictureStore, RemovingResizingAndClearingFreeTheirPictures) {
    PictureStore store;
    store.resize(3);
    for (int i = 0; i < 3; ++i) {
        store.set(i, preview(i));
    }
    const qint64 all = store.packedBytes();
    store.set(1, QImage());
    EXPECT_FALSE(store.has(1));
    EXPECT_TRUE(store.get(1).isNull());
    EXPECT_LT(store.packedBytes(), all);
    store.resize(1);
    EXPECT_EQ(store.count(), 1);
    EXPECT_FALSE(store.has(2));
    EXPECT_EQ(store.cachedCount(), 1);
    EXPECT_EQ(store.size(0), QSize(80, 60));
    store.clear();
    EXPECT_EQ(store.count(), 0);
    EXPECT_EQ(store.packedBytes(), 0);
    EXPECT_EQ(store.cachedCount(), 0);
    store.set(5, preview(5)); // out of range: ignored
    EXPECT_TRUE(store.get(5).isNull());
}
