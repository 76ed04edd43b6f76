#include "cad/dwg/DwgBitReader.h"

#include "cad/ReadError.h"

#include <bit>
#include <cstring>

namespace cad::dwg {

std::uint64_t HandleRef::resolve(std::uint64_t self) const {
    switch (code) {
    case 0x6:
        return self + 1;
    case 0x8:
        return self - 1;
    case 0xA:
        return self + value;
    case 0xC:
        return self - value;
    default:
        return value;
    }
}

BitReader::BitReader(std::span<const std::uint8_t> bytes, std::size_t fileOffset)
    : data_(bytes.data()), bits_(bytes.size() * 8), base_(fileOffset) {}

void BitReader::fail(const std::string& what) const {
    throw ReadError(what + " at byte " + std::to_string(fileOffset()));
}

void BitReader::need(std::size_t bitCount) const {
    if (bitCount > bitsLeft())
        fail("the data ends inside a value");
}

void BitReader::seekBit(std::size_t position) {
    if (position > bits_)
        fail("a position beyond the data is named");
    bit_ = position;
}

void BitReader::limitTo(std::size_t position) {
    if (position > bits_)
        fail("a size beyond the data is named");
    bits_ = position;
}

std::uint64_t BitReader::take(unsigned bitCount) {
    need(bitCount);
    // Whole runs of bits within one byte at a time.
    std::uint64_t value = 0;
    while (bitCount > 0) {
        const unsigned left = 8 - unsigned(bit_ % 8);
        const unsigned run = left < bitCount ? left : bitCount;
        const unsigned bits = (data_[bit_ / 8] >> (left - run)) & ((1u << run) - 1);
        value = (value << run) | bits;
        bit_ += run;
        bitCount -= run;
    }
    return value;
}

bool BitReader::bit() {
    return take(1) != 0;
}

unsigned BitReader::bits2() {
    return unsigned(take(2));
}

std::uint8_t BitReader::rawChar() {
    if (bit_ % 8 == 0) {
        need(8);
        const std::uint8_t value = data_[bit_ / 8];
        bit_ += 8;
        return value;
    }
    return std::uint8_t(take(8));
}

std::uint16_t BitReader::rawShort() {
    const unsigned low = rawChar();
    return std::uint16_t(low | (unsigned(rawChar()) << 8));
}

std::uint32_t BitReader::rawLong() {
    const std::uint32_t low = rawShort();
    return low | (std::uint32_t(rawShort()) << 16);
}

double BitReader::rawDouble() {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= std::uint64_t(rawChar()) << (8 * i);
    return std::bit_cast<double>(bits);
}

std::int16_t BitReader::bitShort() {
    switch (bits2()) {
    case 0:
        return std::int16_t(rawShort());
    case 1:
        return rawChar();
    case 2:
        return 0;
    default:
        return 256;
    }
}

std::int32_t BitReader::bitLong() {
    switch (bits2()) {
    case 0:
        return std::int32_t(rawLong());
    case 1:
        return rawChar();
    case 2:
        return 0;
    default:
        fail("a bit long has the unused code 3");
    }
}

double BitReader::bitDouble() {
    switch (bits2()) {
    case 0:
        return rawDouble();
    case 1:
        return 1.0;
    case 2:
        return 0.0;
    default:
        fail("a bit double has the unused code 3");
    }
}

double BitReader::defaultDouble(double previous) {
    const unsigned code = bits2();
    if (code == 0)
        return previous;
    if (code == 3)
        return rawDouble();
    // Code 1 replaces the four low bytes of the previous value; code 2 replaces
    // bytes 4 and 5, then the four low bytes.
    std::uint8_t bytes[8];
    std::memcpy(bytes, &previous, 8);
    if (code == 2) {
        bytes[4] = rawChar();
        bytes[5] = rawChar();
    }
    for (int i = 0; i < 4; ++i)
        bytes[i] = rawChar();
    double value;
    std::memcpy(&value, bytes, 8);
    return value;
}

Vec2 BitReader::rawPoint2() {
    const double x = rawDouble();
    return {x, rawDouble()};
}

Vec3 BitReader::bitPoint3() {
    const double x = bitDouble();
    const double y = bitDouble();
    return {x, y, bitDouble()};
}

Vec2 BitReader::bitPoint2() {
    const double x = bitDouble();
    return {x, bitDouble()};
}

Vec3 BitReader::extrusion(bool compact) {
    if (compact && bit())
        return {0, 0, 1};
    return bitPoint3();
}

double BitReader::thickness(bool compact) {
    if (compact && bit())
        return 0;
    return bitDouble();
}

std::uint64_t BitReader::modularChar() {
    std::uint64_t value = 0;
    for (unsigned shift = 0; shift < 63; shift += 7) {
        const std::uint8_t byte = rawChar();
        value |= std::uint64_t(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            return value;
    }
    fail("a modular number does not end");
}

std::int64_t BitReader::signedModularChar() {
    std::uint64_t value = 0;
    for (unsigned shift = 0; shift < 63; shift += 7) {
        const std::uint8_t byte = rawChar();
        if (!(byte & 0x80)) {
            // The last byte holds the sign in its 0x40 bit.
            value |= std::uint64_t(byte & 0x3F) << shift;
            return (byte & 0x40) ? -std::int64_t(value) : std::int64_t(value);
        }
        value |= std::uint64_t(byte & 0x7F) << shift;
    }
    fail("a modular number does not end");
}

std::uint64_t BitReader::modularShort() {
    std::uint64_t value = 0;
    for (unsigned shift = 0; shift < 60; shift += 15) {
        const std::uint16_t word = rawShort();
        value |= std::uint64_t(word & 0x7FFF) << shift;
        if (!(word & 0x8000))
            return value;
    }
    fail("a modular number does not end");
}

HandleRef BitReader::handle() {
    const std::uint8_t first = rawChar();
    HandleRef ref;
    ref.code = first >> 4;
    const unsigned length = first & 0x0F;
    if (length > 8)
        fail("a handle is longer than eight bytes");
    for (unsigned i = 0; i < length; ++i)
        ref.value = (ref.value << 8) | rawChar();
    return ref;
}

std::string BitReader::text() {
    const auto length = count(std::uint16_t(bitShort()), 8);
    std::string value(length, '\0');
    for (auto& c : value)
        c = char(rawChar());
    // Writers end some texts with a zero byte that is not part of them.
    while (!value.empty() && value.back() == '\0')
        value.pop_back();
    return value;
}

void BitReader::skipBytes(std::size_t count) {
    skipBits(count * 8);
}

void BitReader::skipBits(std::size_t count) {
    need(count);
    bit_ += count;
}

std::size_t BitReader::count(std::int64_t value, std::size_t minBitsEach) {
    if (value < 0)
        fail("a negative count");
    if (minBitsEach > 0 && std::uint64_t(value) > bitsLeft() / minBitsEach)
        fail("a count of " + std::to_string(value) + " does not fit in the data left");
    return std::size_t(value);
}

} // namespace cad::dwg
