// The decompression of release 2004 sections, over hand-built streams.

#include "cad/dwg/DwgDecompressor.h"
#include "cad/ReadError.h"

#include <gtest/gtest.h>

#include <string>

using cad::dwg::decompress;

namespace {

std::vector<std::uint8_t> bytes(std::initializer_list<int> values) {
    std::vector<std::uint8_t> out;
    for (int v : values)
        out.push_back(std::uint8_t(v));
    return out;
}

std::string text(const std::vector<std::uint8_t>& data) {
    return {data.begin(), data.end()};
}

} // namespace

TEST(DwgDecompressor, ReadsLiteralsAndCopies) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> in;
        std::size_t size;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"literals only", bytes({0x02, 'A', 'B', 'C', 'D', 'E', 0x11}), 5, "ABCDE"},
        // Opcode 0x5C: copy 4 bytes from 4 back, no literals after.
        {"a copy", bytes({0x01, 'A', 'B', 'C', 'D', 0x5C, 0x00, 0x11}), 8, "ABCDABCD"},
        // Opcode 0x50: copy 4 bytes from 1 back, overlapping what it writes.
        {"an overlapping copy", bytes({0x01, 'A', 'B', 'C', 'D', 0x50, 0x00, 0x11}), 8, "ABCDDDDD"},
        // Opcode 0x51: a copy followed by one literal byte.
        {"a copy with a literal", bytes({0x01, 'w', 'x', 'y', 'z', 0x51, 0x00, '!', 0x11}), 9,
         "wxyzzzzz!"},
        // Opcode 0x22: copy 4 bytes, two-byte offset 3, then its literal count.
        {"a two-byte offset", bytes({0x01, 'a', 'b', 'c', 'd', 0x22, 0x0C, 0x00, 0x11}), 8,
         "abcdabcd"},
        {"a long literal run",
         [] {
             auto in = bytes({0x00, 0x01});
             in.insert(in.end(), 19, 'q');
             in.push_back(0x11);
             return in;
         }(),
         19, std::string(19, 'q')},
        {"zeros after a short stream", bytes({0x01, 'a', 'b', 'c', 'd', 0x11}), 6,
         std::string("abcd\0\0", 6)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text(decompress(c.in, c.size)), c.expected) << c.name;
}

TEST(DwgDecompressor, DamagedStreamsThrow) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> in;
        std::size_t size;
    };
    const std::vector<Case> cases = {
        {"a copy from before the start", bytes({0x50, 0x05, 0x11}), 16},
        {"literals past the data", bytes({0x05, 'a', 'b'}), 16},
        {"literals past the size", bytes({0x01, 'a', 'b', 'c', 'd', 0x11}), 2},
        {"a copy past the size", bytes({0x01, 'a', 'b', 'c', 'd', 0x50, 0x00, 0x11}), 6},
        {"no end opcode", bytes({0x01, 'a', 'b', 'c', 'd'}), 8},
        {"an unknown opcode", bytes({0x01, 'a', 'b', 'c', 'd', 0x05}), 8},
        {"a long count that does not end", bytes({0x20, 0x00, 0x00}), 8},
    };
    for (const auto& c : cases)
        EXPECT_THROW(decompress(c.in, c.size), cad::ReadError) << c.name;
}
