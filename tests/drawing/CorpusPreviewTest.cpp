#include "CorpusFiles.h"
#include "drawing/PreviewReader.h"

#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

#include <map>

namespace {

// Width and height as the bitmap's information header states them.
QSize statedSize(const QByteArray& bmp) {
    const auto field = [&bmp](int at) {
        return qFromLittleEndian<std::int32_t>(bmp.constData() + at);
    };
    return QSize(field(14 + 4), std::abs(field(14 + 8)));
}

TEST(CorpusPreview, EveryDrawingGivesThePreviewItCarries) {
    if (!HaveCorpus())
        GTEST_SKIP() << "drawing corpus not found at " << CorpusDir().toStdString();
    std::map<CorpusPreview, int> seen;
    for (const QString& path : CorpusFiles()) {
        SCOPED_TRACE(path.toStdString());
        const CorpusPreview expected = ExpectedCorpusPreview(path);
        ++seen[expected];
        QByteArray bmp, png;
        ASSERT_EQ(ReadDrawingPreview(bmp, path), expected == CorpusPreview::Bitmap);
        ASSERT_EQ(ReadDrawingPreviewPng(png, path), expected == CorpusPreview::Png);
        QImage loaded;
        ASSERT_EQ(LoadDrawingPreview(loaded, path), expected != CorpusPreview::None);
        QImage image;
        if (expected == CorpusPreview::Bitmap) {
            ASSERT_TRUE(image.loadFromData(bmp, "BMP"));
            EXPECT_EQ(image.size(), statedSize(bmp));
        }
        if (expected == CorpusPreview::Png) {
            ASSERT_TRUE(image.loadFromData(png, "PNG"));
        }
        EXPECT_EQ(loaded.size(), image.size());
    }
    EXPECT_GT(seen[CorpusPreview::Bitmap], 0);
    EXPECT_GT(seen[CorpusPreview::Png], 0);
    EXPECT_GT(seen[CorpusPreview::None], 0);
}

} // namespace
