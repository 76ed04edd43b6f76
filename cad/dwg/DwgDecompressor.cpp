#include "cad/dwg/DwgDecompressor.h"

#include "cad/ReadError.h"

#include <algorithm>
#include <string>

namespace cad::dwg {

namespace {

class Decompressor {
public:
    Decompressor(std::span<const std::uint8_t> in, std::size_t size) : in_(in), size_(size) {
        out_.reserve(std::min<std::size_t>(size, 1 << 20));
    }

    std::vector<std::uint8_t> run() {
        copyLiterals(literalLength());
        while (true) {
            const unsigned op = next();
            std::size_t length = 0, offset = 0, literals = 0;
            if (op == 0x11)
                break;
            if (op >= 0x40) {
                length = (op >> 4) - 1;
                offset = (std::size_t(next()) << 2) | ((op & 0x0C) >> 2);
                literals = op & 0x03;
                if (literals == 0)
                    literals = literalLength();
            } else if (op >= 0x21) {
                length = op - 0x1E;
                offset = twoByteOffset(literals);
            } else if (op == 0x20) {
                length = longLength() + 0x21;
                offset = twoByteOffset(literals);
            } else if (op >= 0x12) {
                length = (op & 0x0F) + 2;
                offset = twoByteOffset(literals) + 0x3FFF;
            } else if (op == 0x10) {
                length = longLength() + 9;
                offset = twoByteOffset(literals) + 0x3FFF;
            } else {
                fail("an unknown opcode");
            }
            copyBack(offset + 1, length);
            copyLiterals(literals);
        }
        // Writers may end the data before the size they gave; the rest is zero.
        out_.resize(size_);
        return std::move(out_);
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw ReadError("compressed section data: " + what + " at byte " + std::to_string(pos_));
    }
    unsigned next() {
        if (pos_ >= in_.size())
            fail("the data ends inside an opcode");
        return in_[pos_++];
    }
    // A run of literal bytes: 0x01 to 0x0F stand for 4 to 18; 0 starts a longer
    // count; an opcode (0x10 and above) means none, and is left to be read.
    std::size_t literalLength() {
        if (pos_ >= in_.size())
            return 0;
        const unsigned first = in_[pos_];
        if (first >= 0x10)
            return 0;
        ++pos_;
        if (first != 0)
            return first + 3;
        return longLength() + 0x0F + 3;
    }
    // Zero bytes add 0xFF each; the first other byte ends the count.
    std::size_t longLength() {
        std::size_t length = 0;
        unsigned byte;
        while ((byte = next()) == 0)
            length += 0xFF;
        return length + byte;
    }
    std::size_t twoByteOffset(std::size_t& literals) {
        const unsigned first = next();
        const unsigned second = next();
        literals = first & 0x03;
        if (literals == 0)
            literals = literalLength();
        return (first >> 2) | (std::size_t(second) << 6);
    }
    void copyLiterals(std::size_t count) {
        if (count > in_.size() - pos_)
            fail("literal bytes run past the data");
        if (count > size_ - out_.size())
            fail("literal bytes run past the section");
        out_.insert(out_.end(), in_.begin() + std::ptrdiff_t(pos_),
                    in_.begin() + std::ptrdiff_t(pos_ + count));
        pos_ += count;
    }
    void copyBack(std::size_t distance, std::size_t count) {
        if (distance > out_.size())
            fail("a copy from before the start");
        if (count > size_ - out_.size())
            fail("a copy runs past the section");
        // Copies may overlap what they produce, so they go byte by byte.
        const std::size_t from = out_.size() - distance;
        for (std::size_t i = 0; i < count; ++i)
            out_.push_back(out_[from + i]);
    }

    std::span<const std::uint8_t> in_;
    std::size_t size_;
    std::size_t pos_ = 0;
    std::vector<std::uint8_t> out_;
};

} // namespace

std::vector<std::uint8_t> decompress(std::span<const std::uint8_t> in, std::size_t size) {
    return Decompressor(in, size).run();
}

} // namespace cad::dwg
