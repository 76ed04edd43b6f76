#pragma once

#include <cstdint>

// Where the preview of a DWG file lies. All integers are little-endian and
// offsets count from the start of the file.
namespace PreviewLayout {

// File header: a 6-byte version string, other fields, and at offset 13 the
// 32-bit signed address of the preview area.
constexpr std::int64_t HeaderLength = 17;
constexpr std::int64_t PreviewAddressOffset = 13;

// Preview area: a 16-byte sentinel, the 32-bit overall size, the signed 8-bit
// entry count, then the entry table.
constexpr std::int64_t AreaHeadLength = 21;
constexpr std::int64_t EntryCountOffset = 20;

// Entry: code (1 byte), 32-bit signed start and size of its data.
constexpr std::int64_t EntryLength = 9;
constexpr std::uint8_t HeaderEntryCode = 1;
constexpr std::uint8_t BitmapEntryCode = 2;
constexpr std::uint8_t PngEntryCode = 6;

// A bitmap entry holds a device-independent bitmap without its file header: the
// 40-byte information header and a 256-colour table come before the pixels.
constexpr std::int64_t BitmapInfoHeaderLength = 40;
constexpr std::int64_t BitmapHeadLength = BitmapInfoHeaderLength + 256 * 4;

// The BMP file header put in front of it.
constexpr std::int64_t BmpFileHeaderLength = 14;

} // namespace PreviewLayout
