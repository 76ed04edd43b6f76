#include "drawing/PreviewReader.h"

#include "drawing/PreviewEntries.h"
#include "drawing/PreviewLayout.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace {

using namespace PreviewLayout;

// Colour-table entries the reader forces: entry 0 to black, entry 225 to
// white. Their fourth (reserved) bytes stay as stored.
constexpr std::int64_t BlackEntryOffset = BitmapInfoHeaderLength + 0 * 4;
constexpr std::int64_t WhiteEntryOffset = BitmapInfoHeaderLength + 225 * 4;

constexpr char PngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr std::int64_t PngSignatureLength = sizeof PngSignature - 1;

// No preview comes near this; an entry claiming more is passed over unread,
// however large the file.
constexpr std::int32_t MaxEntrySize = 64 << 20;

// Reads the entry's data into `picture` at `at`, growing it to fit. The range is
// checked against the file first, so a size field never makes it allocate
// more than the file holds.
EntryOutcome readEntryData(FileAccess& file, const PreviewEntry& entry, QByteArray& picture,
                           std::int64_t at) {
    if (!holdsRange(file, entry.start, entry.size))
        return EntryOutcome::ShortRead;
    if (entry.size > MaxEntrySize)
        return EntryOutcome::NotPicture;
    picture.resize(at + entry.size);
    if (!readExactly(file, entry.start, picture.data() + at, entry.size))
        return EntryOutcome::ShortRead;
    return EntryOutcome::Picture;
}

void putBmpFileHeader(char* header, std::int32_t entrySize) {
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian<std::uint32_t>(std::uint32_t(entrySize) + BmpFileHeaderLength, header + 2);
    qToLittleEndian<std::uint32_t>(0, header + 6);
    qToLittleEndian<std::uint32_t>(BmpFileHeaderLength + BitmapHeadLength, header + 10);
}

void setColour(char* entry, char value) {
    entry[0] = entry[1] = entry[2] = value;
}

EntryOutcome extractBitmap(FileAccess& file, const PreviewEntry& entry, QByteArray& picture) {
    if (entry.start >= 0 && entry.size >= 0 && entry.size <= BitmapHeadLength)
        return EntryOutcome::NotPicture; // header and colours at most, no pixels
    const EntryOutcome outcome = readEntryData(file, entry, picture, BmpFileHeaderLength);
    if (outcome != EntryOutcome::Picture)
        return outcome;
    char* bytes = picture.data();
    putBmpFileHeader(bytes, entry.size);
    setColour(bytes + BmpFileHeaderLength + BlackEntryOffset, char(0));
    setColour(bytes + BmpFileHeaderLength + WhiteEntryOffset, char(255));
    return EntryOutcome::Picture;
}

EntryOutcome extractPng(FileAccess& file, const PreviewEntry& entry, QByteArray& picture) {
    if (entry.start >= 0 && entry.size >= 0 && entry.size < PngSignatureLength)
        return EntryOutcome::NotPicture;
    const EntryOutcome outcome = readEntryData(file, entry, picture, 0);
    if (outcome == EntryOutcome::Picture && !picture.startsWith(PngSignature))
        return EntryOutcome::NotPicture;
    return outcome;
}

// The stated size of a stored picture is as untrusted as the rest of the file:
// previews are thumbnails, and one claiming more pixels than this is refused
// before any memory is set aside for it.
constexpr std::int64_t MaxPreviewPixels = 4096 * 4096;

QImage decodePreview(const QByteArray& picture, const char* format) {
    QBuffer buffer;
    buffer.setData(picture);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    const QSize size = reader.size();
    if (size.isValid() && std::int64_t(size.width()) * size.height() > MaxPreviewPixels)
        throw DrawingFileError(QStringLiteral("the %1 preview claims %2 x %3 pixels")
                                   .arg(format)
                                   .arg(size.width())
                                   .arg(size.height())
                                   .toStdString());
    QImage image = reader.read();
    if (image.isNull())
        throw DrawingFileError(QStringLiteral("the %1 preview cannot be decoded: %2")
                                   .arg(format, reader.errorString())
                                   .toStdString());
    return image;
}

} // namespace

bool ReadDrawingPreview(QByteArray& Stream, FileAccess& File) {
    return ExtractPreviewEntry(Stream, File, BitmapEntryCode, extractBitmap);
}

bool ReadDrawingPreview(QByteArray& Stream, const QString& FileName) {
    LocalFileAccess file(FileName);
    return ReadDrawingPreview(Stream, file);
}

bool ReadDrawingPreviewPng(QByteArray& Stream, FileAccess& File) {
    return ExtractPreviewEntry(Stream, File, PngEntryCode, extractPng);
}

bool ReadDrawingPreviewPng(QByteArray& Stream, const QString& FileName) {
    LocalFileAccess file(FileName);
    return ReadDrawingPreviewPng(Stream, file);
}

bool LoadDrawingPreview(QImage& Bitmap, FileAccess& File) {
    QByteArray stream;
    const char* format = "BMP";
    if (!ReadDrawingPreview(stream, File)) {
        if (!ReadDrawingPreviewPng(stream, File))
            return false;
        format = "PNG";
    }
    Bitmap = decodePreview(stream, format);
    return true;
}

bool LoadDrawingPreview(QImage& Bitmap, const QString& FileName) {
    LocalFileAccess file(FileName);
    try {
        return LoadDrawingPreview(Bitmap, file);
    } catch (const DrawingFileError& error) {
        throw DrawingFileError(QStringLiteral("%1: %2")
                                   .arg(FileName, QString::fromStdString(error.what()))
                                   .toStdString());
    }
}
