#include "PreviewReader.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

enum class Preview { Bitmap, Png, None };

// What the drawings of each release folder carry: bitmaps up to 2010, PNG in
// 2013, and no picture in 2018 (a header entry or an empty table). DXF files
// have no preview area, and 2000/PolyLine2D.dwg was saved with an empty table.
Preview expectedPreview(const QString& folder, const QString& name) {
    if (name.endsWith(QLatin1String(".dxf")) || name == QLatin1String("PolyLine2D.dwg") ||
        folder == QLatin1String("2018"))
        return Preview::None;
    return folder == QLatin1String("2013") ? Preview::Png : Preview::Bitmap;
}

QStringList corpusFiles() {
    QStringList files;
    QDirIterator it(TESSVANE_CORPUS_DIR, {"*.dwg", "*.dxf"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

// Width and height as the bitmap's information header states them.
QSize statedSize(const QByteArray& bmp) {
    const auto field = [&bmp](int at) {
        return qFromLittleEndian<std::int32_t>(bmp.constData() + at);
    };
    return QSize(field(14 + 4), std::abs(field(14 + 8)));
}

TEST(CorpusPreview, EveryDrawingGivesThePreviewItCarries) {
    if (!QDir(TESSVANE_CORPUS_DIR).exists())
        GTEST_SKIP() << "drawing corpus not found at " << TESSVANE_CORPUS_DIR;
    std::map<Preview, int> seen;
    for (const QString& path : corpusFiles()) {
        SCOPED_TRACE(path.toStdString());
        const QFileInfo info(path);
        const Preview expected = expectedPreview(info.dir().dirName(), info.fileName());
        ++seen[expected];
        QByteArray bmp, png;
        ASSERT_EQ(ReadDrawingPreview(bmp, path), expected == Preview::Bitmap);
        ASSERT_EQ(ReadDrawingPreviewPng(png, path), expected == Preview::Png);
        QImage loaded;
        ASSERT_EQ(LoadDrawingPreview(loaded, path), expected != Preview::None);
        if (expected == Preview::Bitmap) {
            QImage image;
            ASSERT_TRUE(image.loadFromData(bmp, "BMP"));
            EXPECT_EQ(image.size(), statedSize(bmp));
            EXPECT_EQ(loaded.size(), image.size());
        }
        if (expected == Preview::Png) {
            QImage image;
            ASSERT_TRUE(image.loadFromData(png, "PNG"));
            EXPECT_FALSE(image.isNull());
            EXPECT_EQ(loaded.size(), image.size());
        }
    }
    EXPECT_GT(seen[Preview::Bitmap], 0);
    EXPECT_GT(seen[Preview::Png], 0);
    EXPECT_GT(seen[Preview::None], 0);
}

} // namespace
