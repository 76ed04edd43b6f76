#pragma once
// Splits DXF data into groups (a group code and its value), in text or binary
// form, without allocating per group. Values of text files are parsed only when
// asked for; every malformed group raises a ReadError naming the line (text) or
// the byte offset (binary) where it is.

#include "cad/DxfValueType.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace cad {

// The sentinel that opens a binary DXF file, 22 bytes including the final NUL.
inline constexpr std::string_view kBinaryDxfSentinel{"AutoCAD Binary DXF\r\n\x1a\0", 22};

bool isBinaryDxf(std::span<const std::uint8_t> bytes);

struct DxfGroup {
    int code = 0;
    // Text files: the value line without its line end. Binary files: the bytes of
    // a string or binary-chunk value.
    std::string_view text;
    // Binary files: the numeric value, when the code's type is numeric.
    double real = 0;
    std::int64_t integer = 0;
    bool binaryNumber = false;
    // Text files: the line of the group code (from 1); binary files: the byte
    // offset of the group code.
    std::size_t position = 0;
};

class DxfTokenizer {
public:
    explicit DxfTokenizer(std::span<const std::uint8_t> bytes);

    bool binary() const { return binary_; }
    // Reads the next group into `group`; false at the end of the data.
    bool next(DxfGroup& group);
    // Makes the next call of next() return the group it returned last.
    void pushBack() { pushedBack_ = true; }

    // The value of a group as a number or text; a ReadError when it is not one.
    double real(const DxfGroup& group) const;
    std::int64_t integer(const DxfGroup& group) const;
    std::string_view string(const DxfGroup& group) const { return group.text; }
    // A hexadecimal handle value (0 when it is not one).
    std::uint64_t handle(const DxfGroup& group) const;

    // "line 12" or "byte offset 345".
    std::string where(std::size_t position) const;
    std::string where(const DxfGroup& group) const { return where(group.position); }
    [[noreturn]] void fail(const DxfGroup& group, const std::string& what) const;
    [[noreturn]] void failAt(std::size_t position, const std::string& what) const;
    // Position just past the last group read, for messages about the end of data.
    std::size_t endPosition() const { return binary_ ? offset_ : line_; }
    // Byte offset where the last group read starts: no view handed out since
    // lies before it.
    std::size_t groupOffset() const { return groupOffset_; }

private:
    bool nextText(DxfGroup& group);
    bool nextBinary(DxfGroup& group);
    bool readLine(std::string_view& line);
    bool readPlainCode(int& code);
    bool onlyBlanksLeft() const;
    int readBinaryCode();
    void readBinaryValue(DxfGroup& group);
    template <class T> T readBinaryNumber(std::size_t at);

    std::span<const std::uint8_t> bytes_;
    std::size_t offset_ = 0;
    std::size_t groupOffset_ = 0;
    std::size_t line_ = 0; // lines read so far (text files)
    bool binary_ = false;
    bool wideCodes_ = true; // binary files: 2-byte group codes (1 byte in old releases)
    bool pushedBack_ = false;
    DxfGroup last_;
};

} // namespace cad
