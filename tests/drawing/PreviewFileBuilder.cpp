#include "PreviewFileBuilder.h"

#include "drawing/PreviewLayout.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>

namespace {

void appendInt32(QByteArray& bytes, std::int32_t value) {
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

void appendInt16(QByteArray& bytes, std::uint16_t value) {
    char le[2];
    qToLittleEndian(value, le);
    bytes.append(le, 2);
}

} // namespace

PreviewFileBuilder& PreviewFileBuilder::previewAt(std::int32_t address) {
    address_ = address;
    return *this;
}

PreviewFileBuilder& PreviewFileBuilder::countByte(std::uint8_t count) {
    countByte_ = count;
    return *this;
}

PreviewFileBuilder& PreviewFileBuilder::entry(std::uint8_t code, const QByteArray& data) {
    entries_.push_back({code, data, false, 0, 0});
    return *this;
}

PreviewFileBuilder& PreviewFileBuilder::rawEntry(std::uint8_t code, std::int32_t start,
                                                 std::int32_t size) {
    entries_.push_back({code, {}, true, start, size});
    return *this;
}

PreviewFileBuilder& PreviewFileBuilder::trailer(const QByteArray& bytes) {
    trailer_ = bytes;
    return *this;
}

QByteArray PreviewFileBuilder::build() const {
    using namespace PreviewLayout;
    QByteArray file("AC1015");
    file.append(PreviewAddressOffset - file.size(), '\0');
    appendInt32(file, address_);
    file.append(address_ - file.size(), '\0');

    const auto tableLength = std::int32_t(entries_.size() * EntryLength);
    file.append(QByteArray(16, '\x1f'));
    appendInt32(file, tableLength);
    file.append(char(countByte_ >= 0 ? countByte_ : int(entries_.size())));
    std::int32_t dataStart = address_ + AreaHeadLength + tableLength;
    for (const Entry& entry : entries_) {
        file.append(char(entry.code));
        appendInt32(file, entry.raw ? entry.start : dataStart);
        appendInt32(file, entry.raw ? entry.size : std::int32_t(entry.data.size()));
        dataStart += std::int32_t(entry.data.size());
    }
    for (const Entry& entry : entries_)
        file.append(entry.data);
    return file + trailer_;
}

QByteArray SyntheticBitmap(int width, int height, std::uint16_t bitsPerPixel) {
    const int stride = (width + 3) / 4 * 4;
    QByteArray dib;
    appendInt32(dib, 40);
    appendInt32(dib, width);
    appendInt32(dib, height);
    appendInt16(dib, 1);
    appendInt16(dib, bitsPerPixel);
    appendInt32(dib, 0);               // no compression
    appendInt32(dib, stride * height); // image size
    appendInt32(dib, 0);               // horizontal resolution
    appendInt32(dib, 0);               // vertical resolution
    appendInt32(dib, 256);             // colours used
    appendInt32(dib, 0);               // colours important
    for (int i = 0; i < 256; ++i)
        dib.append(char(i)).append(char(255 - i)).append(char(i / 2)).append('\x5a');
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < stride; ++x)
            dib.append(char(x < width ? (x + 3 * y) % 256 : 0));
    }
    return dib;
}

QByteArray SyntheticPng(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

QByteArray SyntheticDrawing(int width, int height, int padding) {
    return PreviewFileBuilder()
        .entry(PreviewLayout::HeaderEntryCode, QByteArray(80, '\x01'))
        .entry(PreviewLayout::BitmapEntryCode, SyntheticBitmap(width, height))
        .entry(3, QByteArray(32, '\x03'))
        .trailer(QByteArray(padding, '\x7e'))
        .build();
}

std::int64_t RecordingFileAccess::readAt(std::int64_t offset, char* buffer, std::int64_t length) {
    ranges_.push_back({offset, length});
    return file_.readAt(offset, buffer, length);
}

std::int64_t RecordingFileAccess::bytesRead() const {
    std::int64_t total = 0;
    for (const Range& range : ranges_)
        total += range.length;
    return total;
}
