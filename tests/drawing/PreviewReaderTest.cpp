#include "drawing/PreviewReader.h"
#include "PreviewFileBuilder.h"
#include "drawing/PreviewLayout.h"

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using PreviewLayout::BitmapEntryCode;
using PreviewLayout::HeaderEntryCode;
using PreviewLayout::PngEntryCode;

const QByteArray Untouched("content from before");

// The BMP file image a bitmap entry must turn into, written out field by field.
QByteArray expectedBmp(QByteArray dib) {
    for (int i : {40, 41, 42})
        dib[i] = '\0';
    for (int i : {940, 941, 942})
        dib[i] = '\xff';
    QByteArray bmp;
    QDataStream out(&bmp, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0x4D42) << quint32(dib.size() + 14) << quint16(0) << quint16(0) << quint32(1078);
    return bmp + dib;
}

QByteArray withInt32At(QByteArray bytes, qsizetype at, std::int32_t value) {
    qToLittleEndian(value, bytes.data() + at);
    return bytes;
}

class TempFiles {
public:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

struct ReaderCase {
    const char* name;
    QByteArray file;
    bool result;
    QByteArray stream; // what the stream holds afterwards
};

std::vector<ReaderCase> readerCases() {
    const QByteArray bitmap = SyntheticBitmap(5, 3);
    const QByteArray other = SyntheticBitmap(7, 2);
    const QByteArray deep = SyntheticBitmap(5, 3, 24);
    const QByteArray header(80, '\x01');
    const QByteArray extra(32, '\x03');
    const QByteArray good = PreviewFileBuilder()
                                .entry(HeaderEntryCode, header)
                                .entry(BitmapEntryCode, bitmap)
                                .entry(3, extra)
                                .build();
    const auto withCount = [&](std::uint8_t count) {
        return PreviewFileBuilder().countByte(count).entry(BitmapEntryCode, bitmap).build();
    };
    const auto single = [](std::int32_t start, std::int32_t size) {
        return PreviewFileBuilder().rawEntry(BitmapEntryCode, start, size).build();
    };
    const std::int32_t end = std::int32_t(good.size());
    return {
        {"codes 1, 2, 3", good, true, expectedBmp(bitmap)},
        {"bitmap entry last",
         PreviewFileBuilder()
             .entry(HeaderEntryCode, header)
             .entry(3, extra)
             .entry(BitmapEntryCode, bitmap)
             .build(),
         true, expectedBmp(bitmap)},
        {"bitmap entry first",
         PreviewFileBuilder()
             .entry(BitmapEntryCode, bitmap)
             .entry(HeaderEntryCode, header)
             .entry(3, extra)
             .build(),
         true, expectedBmp(bitmap)},
        {"stored header states 24 bits", PreviewFileBuilder().entry(BitmapEntryCode, deep).build(),
         true, expectedBmp(deep)},
        {"last of two bitmap entries stands",
         PreviewFileBuilder().entry(BitmapEntryCode, other).entry(BitmapEntryCode, bitmap).build(),
         true, expectedBmp(bitmap)},
        {"first picture kept when the second reaches past the end",
         PreviewFileBuilder()
             .entry(BitmapEntryCode, bitmap)
             .rawEntry(BitmapEntryCode, 40, 1 << 30)
             .build(),
         true, expectedBmp(bitmap)},
        {"entry without pixel data is passed over",
         PreviewFileBuilder()
             .entry(BitmapEntryCode, bitmap.left(1064))
             .entry(BitmapEntryCode, bitmap)
             .build(),
         true, expectedBmp(bitmap)},
        {"short read ends the reader",
         PreviewFileBuilder()
             .rawEntry(BitmapEntryCode, 1 << 20, 2000)
             .entry(BitmapEntryCode, bitmap)
             .build(),
         false, Untouched},
        {"entry count 0", withCount(0), false, Untouched},
        {"count byte 128", withCount(128), false, Untouched},
        {"count byte 255", withCount(255), false, Untouched},
        {"no bitmap entry",
         PreviewFileBuilder()
             .entry(HeaderEntryCode, header)
             .entry(PngEntryCode, SyntheticPng(4, 4))
             .build(),
         false, Untouched},
        {"empty file", QByteArray(), false, Untouched},
        {"16 bytes", good.left(16), false, Untouched},
        {"header only", good.left(17), false, Untouched},
        {"preview address past the end", withInt32At(good, 13, end + 100), false, Untouched},
        {"negative preview address", withInt32At(good, 13, -8), false, Untouched},
        {"preview area cut short", good.left(0x40 + 20), false, Untouched},
        {"entry start past the end", single(end + 10, 2000), false, Untouched},
        {"entry size past the end", withInt32At(good, 0x40 + 21 + 9 + 5, end), false, Untouched},
        {"entry claims 2 GB", single(200, 0x7fffffff), false, Untouched},
        {"negative entry start", single(-1, 2000), false, Untouched},
        {"negative entry size", single(200, -2000), false, Untouched},
        {"entry of exactly 1064 bytes",
         PreviewFileBuilder().entry(BitmapEntryCode, bitmap.left(1064)).build(), false, Untouched},
        {"entry of 100 bytes",
         PreviewFileBuilder().entry(BitmapEntryCode, bitmap.left(100)).build(), false, Untouched},
        {"text file", QByteArray("  0\nSECTION\n  2\nHEADER\n  0\nENDSEC\n  0\nEOF\n"), false,
         Untouched},
    };
}

TEST(ReadDrawingPreview, ReadsTheBitmapEntryOrLeavesTheStream) {
    TempFiles files;
    for (const ReaderCase& c : readerCases()) {
        SCOPED_TRACE(c.name);
        QByteArray stream = Untouched;
        EXPECT_EQ(ReadDrawingPreview(stream, files.write("case.dwg", c.file)), c.result);
        EXPECT_EQ(stream, c.stream);
    }
}

TEST(ReadDrawingPreview, ForcesColoursZeroAnd225AndKeepsTheRest) {
    BufferFileAccess file(
        PreviewFileBuilder().entry(BitmapEntryCode, SyntheticBitmap(5, 3)).build());
    QByteArray bmp;
    ASSERT_TRUE(ReadDrawingPreview(bmp, file));
    const auto colour = [&bmp](int i) { return bmp.mid(14 + 40 + 4 * i, 4); };
    EXPECT_EQ(colour(0), QByteArray("\x00\x00\x00\x5a", 4));
    EXPECT_EQ(colour(225), QByteArray("\xff\xff\xff\x5a", 4));
    EXPECT_EQ(colour(1), QByteArray("\x01\xfe\x00\x5a", 4));
    EXPECT_EQ(colour(224), QByteArray("\xe0\x1f\x70\x5a", 4));
    EXPECT_EQ(colour(255), QByteArray("\xff\x00\x7f\x5a", 4));
}

TEST(ReadDrawingPreview, ReadsOnlyTheHeaderTheTableAndTheEntry) {
    for (int padding : {0, 4 << 20}) {
        SCOPED_TRACE(padding);
        BufferFileAccess stored(SyntheticDrawing(5, 3, padding));
        RecordingFileAccess file(stored);
        QByteArray stream;
        ASSERT_TRUE(ReadDrawingPreview(stream, file));
        const std::int64_t table = 0x40 + 21;
        const std::int64_t bitmapStart = table + 3 * 9 + 80;
        const std::vector<RecordingFileAccess::Range> expected{
            {0, 17}, {0x40, 21}, {table, 27}, {bitmapStart, 1064 + 8 * 3}};
        EXPECT_EQ(file.ranges(), expected);
    }
}

TEST(ReadDrawingPreview, ReadsNothingOfAnEntryLargerThanTheFile) {
    BufferFileAccess stored(PreviewFileBuilder()
                                .rawEntry(BitmapEntryCode, 100, 0x7fffffff)
                                .trailer(QByteArray(20000, '\0'))
                                .build());
    RecordingFileAccess file(stored);
    QByteArray stream;
    EXPECT_FALSE(ReadDrawingPreview(stream, file));
    EXPECT_EQ(file.bytesRead(), 17 + 21 + 9);
}

// A file of 3 GB whose first bytes are given and the rest zeros, made up as it
// is read.
class HugeFileAccess final : public FileAccess {
public:
    explicit HugeFileAccess(QByteArray head) : head_(std::move(head)) {}
    std::int64_t size() const override { return std::int64_t(3) << 30; }
    std::int64_t readAt(std::int64_t offset, char* buffer, std::int64_t length) override {
        bytesRead += length;
        std::fill_n(buffer, length, '\0');
        if (offset < head_.size())
            std::copy_n(head_.constData() + offset,
                        std::min<std::int64_t>(length, head_.size() - offset), buffer);
        return length;
    }
    std::int64_t bytesRead = 0;

private:
    QByteArray head_;
};

TEST(ReadDrawingPreview, PassesOverEntriesNoPreviewComesNearInAHugeFile) {
    HugeFileAccess file(PreviewFileBuilder()
                            .rawEntry(BitmapEntryCode, 1 << 20, 1 << 30)
                            .entry(BitmapEntryCode, SyntheticBitmap(5, 3))
                            .build());
    QByteArray stream;
    EXPECT_TRUE(ReadDrawingPreview(stream, file));
    EXPECT_EQ(stream, expectedBmp(SyntheticBitmap(5, 3)));
    EXPECT_EQ(file.bytesRead, 17 + 21 + 18 + 1064 + 8 * 3);
}

TEST(ReadDrawingPreview, OpenFailuresReachTheCaller) {
    TempFiles files;
    ASSERT_EQ(::mkfifo(QFile::encodeName(files.path("pipe.dwg")).constData(), 0600), 0);
    for (const char* name : {"missing.dwg", ".", "pipe.dwg"}) {
        SCOPED_TRACE(name);
        QByteArray stream = Untouched;
        QImage bitmap;
        const QString path = files.path(name);
        try {
            ReadDrawingPreview(stream, path);
            ADD_FAILURE() << "no failure raised";
        } catch (const DrawingFileError& error) {
            EXPECT_NE(QString(error.what()).indexOf(path), -1) << error.what();
        }
        EXPECT_THROW(ReadDrawingPreviewPng(stream, path), DrawingFileError);
        EXPECT_THROW(LoadDrawingPreview(bitmap, path), DrawingFileError);
        EXPECT_EQ(stream, Untouched);
    }
}

TEST(ReadDrawingPreviewPng, ReadsTheStoredPngBytes) {
    const QByteArray png = SyntheticPng(6, 4);
    const QByteArray bitmap = SyntheticBitmap(5, 3);
    struct Case {
        const char* name;
        QByteArray file;
        bool result;
        QByteArray stream;
    } cases[] = {
        {"PNG entry",
         PreviewFileBuilder()
             .entry(HeaderEntryCode, QByteArray(80, '\1'))
             .entry(PngEntryCode, png)
             .build(),
         true, png},
        {"PNG beside a bitmap",
         PreviewFileBuilder().entry(BitmapEntryCode, bitmap).entry(PngEntryCode, png).build(), true,
         png},
        {"no PNG signature", PreviewFileBuilder().entry(PngEntryCode, bitmap).build(), false,
         Untouched},
        {"shorter than the signature",
         PreviewFileBuilder().entry(PngEntryCode, png.left(7)).build(), false, Untouched},
        {"PNG entry past the end", PreviewFileBuilder().rawEntry(PngEntryCode, 90, 1 << 30).build(),
         false, Untouched},
        {"bitmap only", PreviewFileBuilder().entry(BitmapEntryCode, bitmap).build(), false,
         Untouched},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BufferFileAccess file(c.file);
        QByteArray stream = Untouched;
        EXPECT_EQ(ReadDrawingPreviewPng(stream, file), c.result);
        EXPECT_EQ(stream, c.stream);
    }
}

TEST(LoadDrawingPreview, LoadsTheBitmapEntryPalettedAndFallsBackToPng) {
    TempFiles files;
    QImage bitmap;
    ASSERT_TRUE(LoadDrawingPreview(bitmap, files.write("bmp.dwg", SyntheticDrawing(5, 3))));
    EXPECT_EQ(bitmap.size(), QSize(5, 3));
    EXPECT_EQ(bitmap.format(), QImage::Format_Indexed8);
    EXPECT_EQ(bitmap.color(0), qRgb(0, 0, 0));
    EXPECT_EQ(bitmap.color(225), qRgb(255, 255, 255));
    // Rows are stored bottom-up: the last stored row holds y = 2.
    EXPECT_EQ(bitmap.pixelIndex(1, 0), (1 + 3 * 2) % 256);

    const QString pngFile = files.write(
        "png.dwg", PreviewFileBuilder().entry(PngEntryCode, SyntheticPng(6, 4)).build());
    ASSERT_TRUE(LoadDrawingPreview(bitmap, pngFile));
    EXPECT_EQ(bitmap.size(), QSize(6, 4));
}

TEST(LoadDrawingPreview, LeavesTheBitmapAloneWithoutAPreview) {
    TempFiles files;
    QImage bitmap(2, 2, QImage::Format_RGB32);
    bitmap.fill(Qt::red);
    const QString path = files.write(
        "none.dwg", PreviewFileBuilder().entry(HeaderEntryCode, QByteArray(80, '\1')).build());
    EXPECT_FALSE(LoadDrawingPreview(bitmap, path));
    EXPECT_EQ(bitmap.size(), QSize(2, 2));
    EXPECT_EQ(bitmap.pixel(0, 0), qRgb(255, 0, 0));
}

TEST(LoadDrawingPreview, RaisesWhenTheStoredPictureCannotBeDecoded) {
    QByteArray zeroHeader = SyntheticBitmap(5, 3);
    zeroHeader.replace(0, 40, QByteArray(40, '\0'));
    const QByteArray huge = withInt32At(withInt32At(SyntheticBitmap(5, 3), 4, 30000), 8, 30000);
    const QByteArray badPng = QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(40, '\x11');
    const std::pair<const char*, QByteArray> cases[] = {
        {"information header of zeros",
         PreviewFileBuilder().entry(BitmapEntryCode, zeroHeader).build()},
        {"bitmap claiming 30000 x 30000",
         PreviewFileBuilder().entry(BitmapEntryCode, huge).build()},
        {"PNG signature and junk", PreviewFileBuilder().entry(PngEntryCode, badPng).build()},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        BufferFileAccess file(bytes);
        QImage bitmap(2, 2, QImage::Format_RGB32);
        EXPECT_THROW(LoadDrawingPreview(bitmap, file), DrawingFileError);
        EXPECT_EQ(bitmap.size(), QSize(2, 2));
    }
}

} // namespace
