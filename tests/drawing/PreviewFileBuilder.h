#pragma once

#include "drawing/FileAccess.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

// Builds small DWG-like files that hold nothing but a file header, a preview
// area, its entry table and the entries' data, for tests, fuzz seeds and
// benchmarks.
class PreviewFileBuilder {
public:
    // Where the preview area starts (at least 17, after the file header).
    PreviewFileBuilder& previewAt(std::int32_t address);
    // Stores `count` as the entry count byte instead of the number of entries.
    PreviewFileBuilder& countByte(std::uint8_t count);
    // An entry whose data follows the table, in the order the entries are added.
    PreviewFileBuilder& entry(std::uint8_t code, const QByteArray& data);
    // An entry with the given start and size and no data of its own.
    PreviewFileBuilder& rawEntry(std::uint8_t code, std::int32_t start, std::int32_t size);
    // Bytes after all entries' data (the rest of a drawing).
    PreviewFileBuilder& trailer(const QByteArray& bytes);

    QByteArray build() const;

private:
    struct Entry {
        std::uint8_t code;
        QByteArray data;
        bool raw;
        std::int32_t start;
        std::int32_t size;
    };
    std::int32_t address_ = 0x40;
    int countByte_ = -1;
    std::vector<Entry> entries_;
    QByteArray trailer_;
};

// A device-independent bitmap as bitmap entries store it: a 40-byte
// information header stating `bitsPerPixel`, 256 colours of which colour i is
// (i, 255 - i, i / 2, reserved 0x5A), and rows of 8-bit pixels padded to four
// bytes, pixel (x, y) being (x + 3 * y) % 256.
QByteArray SyntheticBitmap(int width, int height, std::uint16_t bitsPerPixel = 8);

// A PNG picture of the given size.
QByteArray SyntheticPng(int width, int height);

// A file with one header entry, one bitmap entry and one trailing entry of code
// 3, and `padding` bytes of drawing data after them.
QByteArray SyntheticDrawing(int width, int height, int padding = 0);

// Passes reads on to another file and notes every range asked for.
class RecordingFileAccess final : public FileAccess {
public:
    struct Range {
        std::int64_t offset;
        std::int64_t length;
        bool operator==(const Range&) const = default;
    };

    explicit RecordingFileAccess(FileAccess& file) : file_(file) {}

    std::int64_t size() const override { return file_.size(); }
    std::int64_t readAt(std::int64_t offset, char* buffer, std::int64_t length) override;

    const std::vector<Range>& ranges() const { return ranges_; }
    std::int64_t bytesRead() const;

private:
    FileAccess& file_;
    std::vector<Range> ranges_;
};
