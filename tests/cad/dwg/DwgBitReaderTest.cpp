// The bit codes of DWG files, read from hand-built bits.

#include "cad/dwg/DwgBitReader.h"
#include "cad/ReadError.h"
#include "tests/cad/dwg/DwgBuilder.h"

#include <gtest/gtest.h>

#include <functional>

using cad::dwg::BitReader;
using dwgtest::BitWriter;

namespace {

struct IntegerCase {
    const char* name;
    BitWriter bits;
    std::function<std::int64_t(BitReader&)> read;
    std::int64_t expected;
    std::size_t bitsUsed;
};

auto bitShort = [](BitReader& r) { return std::int64_t(r.bitShort()); };
auto bitLong = [](BitReader& r) { return std::int64_t(r.bitLong()); };
auto modularChar = [](BitReader& r) { return std::int64_t(r.modularChar()); };
auto signedModularChar = [](BitReader& r) { return r.signedModularChar(); };
auto modularShort = [](BitReader& r) { return std::int64_t(r.modularShort()); };
auto rawShortAfterBit = [](BitReader& r) {
    r.bit();
    return std::int64_t(r.rawShort());
};

std::vector<IntegerCase> integerCases() {
    return {
        {"BS raw short", BitWriter().bb(0).rs(0xFFFE), bitShort, -2, 18},
        {"BS one byte", BitWriter().bb(1).rc(200), bitShort, 200, 10},
        {"BS zero", BitWriter().bb(2), bitShort, 0, 2},
        {"BS 256", BitWriter().bb(3), bitShort, 256, 2},
        {"BL raw long", BitWriter().bb(0).rl(0x12345678), bitLong, 0x12345678, 34},
        {"BL one byte", BitWriter().bb(1).rc(7), bitLong, 7, 10},
        {"BL zero", BitWriter().bb(2), bitLong, 0, 2},
        {"RS across a byte edge", BitWriter().b(true).rs(0xBEEF), rawShortAfterBit, 0xBEEF, 17},
        {"MC one byte", BitWriter().rc(0x05), modularChar, 5, 8},
        {"MC two bytes", BitWriter().rc(0x82).rc(0x01), modularChar, 130, 16},
        {"MC signed negative", BitWriter().rc(0x45), signedModularChar, -5, 8},
        {"MC signed two bytes", BitWriter().rc(0xE9).rc(0x07), signedModularChar, 1001, 16},
        {"MC signed two bytes negative", BitWriter().rc(0xE9).rc(0x47), signedModularChar, -1001,
         16},
        {"MS one word", BitWriter().rs(0x1234), modularShort, 0x1234, 16},
        {"MS two words", BitWriter().rs(0x8001).rs(0x0002), modularShort, 1 + (2 << 15), 32},
    };
}

} // namespace

TEST(DwgBitReader, ReadsTheIntegerCodes) {
    for (const auto& c : integerCases()) {
        const auto bytes = c.bits.bytes();
        BitReader r(bytes);
        EXPECT_EQ(c.read(r), c.expected) << c.name;
        EXPECT_EQ(r.bitPosition(), c.bitsUsed) << c.name;
    }
}

TEST(DwgBitReader, ReadsTheDoubleCodes) {
    struct Case {
        const char* name;
        BitWriter bits;
        double previous;
        bool defaulted;
        double expected;
    };
    // 1.5 is 0x3FF8000000000000; 2.0 is 0x4000000000000000.
    const std::vector<Case> cases = {
        {"BD raw", BitWriter().bb(0).rd(-3.25), 0, false, -3.25},
        {"BD one", BitWriter().bb(1), 0, false, 1.0},
        {"BD zero", BitWriter().bb(2), 0, false, 0.0},
        {"DD the previous value", BitWriter().bb(0), 7.5, true, 7.5},
        {"DD a new value", BitWriter().bb(3).rd(42.0), 7.5, true, 42.0},
        {"DD four low bytes", BitWriter().bb(1).rc(1).rc(0).rc(0).rc(0), 1.5, true,
         std::bit_cast<double>(std::uint64_t(0x3FF8000000000001))},
        {"DD bytes 4 and 5, then the low four", BitWriter().bb(2).rc(0x0C).rc(0x00).rl(0), 1.5,
         true, std::bit_cast<double>(std::uint64_t(0x3FF8000C00000000))},
    };
    for (const auto& c : cases) {
        const auto bytes = c.bits.bytes();
        BitReader r(bytes);
        EXPECT_EQ(c.defaulted ? r.defaultDouble(c.previous) : r.bitDouble(), c.expected) << c.name;
    }
}

TEST(DwgBitReader, ReadsCompactExtrusionAndThickness) {
    const auto bytes =
        BitWriter().b(true).b(false).point3(0, 1, 0).b(true).b(false).bd(2.5).bytes();
    BitReader r(bytes);
    EXPECT_EQ(r.extrusion(true), (cad::Vec3{0, 0, 1}));
    EXPECT_EQ(r.extrusion(true), (cad::Vec3{0, 1, 0}));
    EXPECT_EQ(r.thickness(true), 0.0);
    EXPECT_EQ(r.thickness(true), 2.5);
}

TEST(DwgBitReader, ReadsHandlesAndResolvesTheirReferences) {
    struct Case {
        unsigned code;
        std::uint64_t value;
        std::uint64_t self;
        std::uint64_t resolved;
    };
    const std::vector<Case> cases = {
        {5, 0x1F2, 0x30, 0x1F2}, // absolute
        {6, 0, 0x30, 0x31},      // next
        {8, 0, 0x30, 0x2F},      // previous
        {0xA, 0x10, 0x30, 0x40}, // forward by an offset
        {0xC, 0x10, 0x30, 0x20}, // back by an offset
    };
    for (const auto& c : cases) {
        const auto bytes = BitWriter().b(false).handle(c.code, c.value).bytes();
        BitReader r(bytes);
        r.bit();
        const auto ref = r.handle();
        EXPECT_EQ(ref.code, c.code);
        EXPECT_EQ(ref.value, c.value);
        EXPECT_EQ(ref.resolve(c.self), c.resolved) << "code " << c.code;
    }
}

TEST(DwgBitReader, ReadsTextsWithoutTheirClosingZero) {
    const auto bytes = BitWriter().text(std::string("Layer 7\0", 8)).text("").bytes();
    BitReader r(bytes);
    EXPECT_EQ(r.text(), "Layer 7");
    EXPECT_EQ(r.text(), "");
}

TEST(DwgBitReader, ValuesPastTheEndThrowWithTheirOffset) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::function<void(BitReader&)> read;
    };
    const std::vector<Case> cases = {
        {"RD", {0, 0, 0}, [](BitReader& r) { r.rawDouble(); }},
        {"BL", BitWriter().bb(0).rc(1).bytes(), [](BitReader& r) { r.bitLong(); }},
        {"H", BitWriter().rc(0x45).rc(1).rc(2).bytes(), [](BitReader& r) { r.handle(); }},
        {"T", BitWriter().bb(1).rc(200).rc(65).bytes(), [](BitReader& r) { r.text(); }},
        {"MC", {0xFF, 0xFF, 0xFF}, [](BitReader& r) { r.modularChar(); }},
        {"MS", {0xFF, 0xFF, 0xFF}, [](BitReader& r) { r.modularShort(); }},
    };
    for (const auto& c : cases) {
        BitReader r(c.bytes, 1000);
        try {
            c.read(r);
            ADD_FAILURE() << c.name << " read past the end";
        } catch (const cad::ReadError& e) {
            EXPECT_NE(std::string(e.what()).find("at byte 100"), std::string::npos)
                << c.name << ": " << e.what();
        }
    }
}

TEST(DwgBitReader, CountsThatCannotFitThrow) {
    const std::vector<std::uint8_t> bytes(4, 0);
    BitReader r(bytes);
    EXPECT_EQ(r.count(4, 8), 4u);
    EXPECT_THROW(r.count(5, 8), cad::ReadError);
    EXPECT_THROW(r.count(-1, 1), cad::ReadError);
    EXPECT_THROW(r.count(0x7FFFFFFF, 1), cad::ReadError);
}
