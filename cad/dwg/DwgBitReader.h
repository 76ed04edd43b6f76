#pragma once
// Reads the bit-packed values of a DWG file: bits, raw bytes, shorts, longs and
// doubles at any bit position, and the compressed codes built on them (bit
// short, bit long, bit double, default double, modular numbers, handles and
// texts). Every read is checked against the end of the span: a value that runs
// past it throws ReadError naming the byte offset in the file.

#include "cad/Geometry.h"

#include <cstdint>
#include <span>
#include <string>

namespace cad::dwg {

// A handle reference as objects store it: the kind of reference in `code`, the
// handle (or the offset from the referring object's handle) in `value`.
struct HandleRef {
    std::uint8_t code = 0;
    std::uint64_t value = 0;
    // The handle referred to, for a reference stored in the object `self`.
    std::uint64_t resolve(std::uint64_t self) const;
};

class BitReader {
public:
    // Reads `bytes`, whose first byte lies at `fileOffset` in the file (for
    // messages).
    BitReader() = default;
    explicit BitReader(std::span<const std::uint8_t> bytes, std::size_t fileOffset = 0);

    std::size_t bitPosition() const { return bit_; }
    std::size_t bitsLeft() const { return bit_ < bits_ ? bits_ - bit_ : 0; }
    // Moves to a bit position inside the span (or its end).
    void seekBit(std::size_t position);
    // Moves to the next whole byte.
    void alignToByte() { seekBit((bit_ + 7) / 8 * 8); }
    // Stops reads at `position` (a bit position inside the span).
    void limitTo(std::size_t position);
    // The offset in the file of the byte being read.
    std::size_t fileOffset() const { return base_ + bit_ / 8; }

    bool bit();                            // B
    unsigned bits2();                      // BB
    std::uint8_t rawChar();                // RC
    std::uint16_t rawShort();              // RS
    std::uint32_t rawLong();               // RL
    double rawDouble();                    // RD
    std::int16_t bitShort();               // BS
    std::int32_t bitLong();                // BL
    double bitDouble();                    // BD
    double defaultDouble(double previous); // DD
    Vec2 rawPoint2();                      // 2RD
    Vec3 bitPoint3();                      // 3BD
    Vec2 bitPoint2();                      // 2BD
    // BE: R2000 and later store (0, 0, 1) as one bit.
    Vec3 extrusion(bool compact);
    // BT: R2000 and later store 0 as one bit.
    double thickness(bool compact);
    std::uint64_t modularChar();      // MC, unsigned
    std::int64_t signedModularChar(); // MC, signed
    std::uint64_t modularShort();     // MS
    HandleRef handle();               // H
    // T/TV: a bit-short length and that many bytes in the drawing's code page.
    std::string text();
    // Skips `count` bytes at the current bit position.
    void skipBytes(std::size_t count);
    void skipBits(std::size_t count);

    // A count read from the file that leaves at least `minBitsEach` bits per
    // element: a ReadError when the bytes left could not hold that many.
    std::size_t count(std::int64_t value, std::size_t minBitsEach);

    // Throws a ReadError naming the current offset.
    [[noreturn]] void fail(const std::string& what) const;

private:
    std::uint64_t take(unsigned bitCount);
    void need(std::size_t bitCount) const;

    const std::uint8_t* data_ = nullptr;
    std::size_t bits_ = 0;
    std::size_t bit_ = 0;
    std::size_t base_ = 0;
};

} // namespace cad::dwg
