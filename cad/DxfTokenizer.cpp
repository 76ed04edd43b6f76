#include "cad/DxfTokenizer.h"

#include "cad/ReadError.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace cad {

namespace {

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// A short, printable excerpt of a value for messages.
std::string quoted(std::string_view value) {
    constexpr std::size_t kMax = 40;
    std::string out = "'";
    for (char c : value.substr(0, kMax))
        out += (static_cast<unsigned char>(c) < 0x20) ? '?' : c;
    if (value.size() > kMax)
        out += "...";
    return out + "'";
}

template <class T> bool parseWhole(std::string_view text, T& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

bool parseReal(std::string_view text, double& value) {
    text = trimBlanks(text);
    // from_chars does not take a leading plus sign, which some writers put.
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    return parseWhole(text, value) && std::isfinite(value);
}

} // namespace

bool isBinaryDxf(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= kBinaryDxfSentinel.size() &&
           std::memcmp(bytes.data(), kBinaryDxfSentinel.data(), kBinaryDxfSentinel.size()) == 0;
}

DxfTokenizer::DxfTokenizer(std::span<const std::uint8_t> bytes) : bytes_(bytes) {
    binary_ = isBinaryDxf(bytes);
    if (binary_) {
        offset_ = kBinaryDxfSentinel.size();
        // Files open with (0, "SECTION"): a 1-byte code 0 is followed by the 'S',
        // a 2-byte one by a NUL. A 1-byte code can also be the escape of a long code.
        const bool oneByte =
            bytes.size() > offset_ + 1 &&
            ((bytes[offset_] == 0 && bytes[offset_ + 1] != 0) || bytes[offset_] == 255);
        wideCodes_ = !oneByte;
    }
}

bool DxfTokenizer::next(DxfGroup& group) {
    if (pushedBack_) {
        pushedBack_ = false;
        group = last_;
        return true;
    }
    groupOffset_ = offset_;
    const bool more = binary_ ? nextBinary(group) : nextText(group);
    if (more)
        last_ = group;
    return more;
}

double DxfTokenizer::real(const DxfGroup& group) const {
    if (group.binaryNumber) {
        const double value =
            dxfValueType(group.code) == DxfValueType::Real ? group.real : double(group.integer);
        if (!std::isfinite(value))
            fail(group, "group code " + std::to_string(group.code) + " has no finite value");
        return value;
    }
    double value = 0;
    if (!parseReal(group.text, value))
        fail(group, "group code " + std::to_string(group.code) + " has the value " +
                        quoted(group.text) + ", which is not a number");
    return value;
}

std::int64_t DxfTokenizer::integer(const DxfGroup& group) const {
    if (group.binaryNumber && dxfValueType(group.code) != DxfValueType::Real)
        return group.integer;
    if (!group.binaryNumber) {
        std::int64_t value = 0;
        const auto text = trimBlanks(group.text);
        if (parseWhole(text, value))
            return value;
        if (!text.empty() && text.front() == '+' && parseWhole(text.substr(1), value))
            return value;
    }
    // Some writers put integers as reals ("1.0"); take them when they are whole.
    const double value = real(group);
    if (value != std::floor(value) || std::fabs(value) > 9.0e15)
        fail(group, "group code " + std::to_string(group.code) + " has the value " +
                        quoted(group.text) + ", which is not an integer");
    return std::int64_t(value);
}

std::uint64_t DxfTokenizer::handle(const DxfGroup& group) const {
    std::uint64_t value = 0;
    const auto text = trimBlanks(group.text);
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value, 16);
    return (ec == std::errc() && ptr == end) ? value : 0;
}

std::string DxfTokenizer::where(std::size_t position) const {
    return (binary_ ? "byte offset " : "line ") + std::to_string(position);
}

void DxfTokenizer::fail(const DxfGroup& group, const std::string& what) const {
    failAt(group.position, what);
}

void DxfTokenizer::failAt(std::size_t position, const std::string& what) const {
    throw ReadError(where(position) + ": " + what);
}

// Text form: a line with the group code, a line with the value, CRLF or LF.

bool DxfTokenizer::readLine(std::string_view& line) {
    if (offset_ >= bytes_.size())
        return false;
    const char* start = reinterpret_cast<const char*>(bytes_.data()) + offset_;
    const std::size_t rest = bytes_.size() - offset_;
    const auto* newline = static_cast<const char*>(std::memchr(start, '\n', rest));
    std::size_t length = newline ? std::size_t(newline - start) : rest;
    offset_ += newline ? length + 1 : length;
    if (length > 0 && start[length - 1] == '\r')
        --length;
    line = std::string_view(start, length);
    ++line_;
    return true;
}

bool DxfTokenizer::onlyBlanksLeft() const {
    for (std::size_t i = offset_; i < bytes_.size(); ++i)
        if (std::string_view(" \t\r\n").find(char(bytes_[i])) == std::string_view::npos)
            return false;
    return true;
}

// The usual code line: blanks, digits, blanks, the line end. Returns false,
// reading nothing, for anything else.
bool DxfTokenizer::readPlainCode(int& code) {
    const char* p = reinterpret_cast<const char*>(bytes_.data()) + offset_;
    const char* end = reinterpret_cast<const char*>(bytes_.data()) + bytes_.size();
    while (p < end && *p == ' ')
        ++p;
    const char* digits = p;
    int value = 0;
    while (p < end && p - digits < 4 && unsigned(*p - '0') < 10)
        value = value * 10 + (*p++ - '0');
    if (p == digits)
        return false;
    if (p < end && *p == '\r')
        ++p;
    if (p >= end || *p != '\n')
        return false;
    code = value;
    offset_ = std::size_t(p + 1 - reinterpret_cast<const char*>(bytes_.data()));
    ++line_;
    return true;
}

bool DxfTokenizer::nextText(DxfGroup& group) {
    int code = 0;
    if (!readPlainCode(code)) {
        std::string_view codeLine;
        if (!readLine(codeLine))
            return false;
        codeLine = trimBlanks(codeLine);
        if (codeLine.empty() && onlyBlanksLeft())
            return false; // blank lines after the last group
        if (!parseWhole(codeLine, code) || code < -5 || code > 1071)
            failAt(line_, "a group code was expected, found " + quoted(codeLine));
    } else if (code > 1071) {
        failAt(line_, "a group code was expected, found " + std::to_string(code));
    }
    const std::size_t codeLineNumber = line_;
    std::string_view value;
    if (!readLine(value))
        failAt(codeLineNumber,
               "the file ends before the value of group code " + std::to_string(code));
    group.code = code;
    group.text = value;
    group.binaryNumber = false;
    group.position = codeLineNumber;
    return true;
}

// Binary form: little-endian group codes and values, strings NUL-terminated.

template <class T> T DxfTokenizer::readBinaryNumber(std::size_t at) {
    if (bytes_.size() - offset_ < sizeof(T))
        failAt(at, "the file ends inside a value");
    T value;
    std::memcpy(&value, bytes_.data() + offset_, sizeof(T));
    offset_ += sizeof(T);
    return value;
}

int DxfTokenizer::readBinaryCode() {
    const std::size_t at = offset_;
    if (wideCodes_)
        return readBinaryNumber<std::int16_t>(at);
    const auto code = readBinaryNumber<std::uint8_t>(at);
    // Codes above 254 follow an escape byte as two bytes.
    return code == 255 ? int(readBinaryNumber<std::uint16_t>(at)) : int(code);
}

void DxfTokenizer::readBinaryValue(DxfGroup& group) {
    const std::size_t at = group.position;
    group.binaryNumber = true;
    group.text = {};
    switch (dxfValueType(group.code)) {
    case DxfValueType::Real:
        group.real = readBinaryNumber<double>(at);
        return;
    case DxfValueType::Int16:
        group.integer = readBinaryNumber<std::int16_t>(at);
        return;
    case DxfValueType::Int32:
        group.integer = readBinaryNumber<std::int32_t>(at);
        return;
    case DxfValueType::Int64:
        group.integer = readBinaryNumber<std::int64_t>(at);
        return;
    case DxfValueType::Bool:
        group.integer = readBinaryNumber<std::uint8_t>(at);
        return;
    case DxfValueType::Bytes: {
        const std::size_t length = readBinaryNumber<std::uint8_t>(at);
        if (bytes_.size() - offset_ < length)
            failAt(at, "the file ends inside a binary value");
        group.text = {reinterpret_cast<const char*>(bytes_.data()) + offset_, length};
        offset_ += length;
        group.binaryNumber = false;
        return;
    }
    case DxfValueType::String:
        break;
    }
    const char* start = reinterpret_cast<const char*>(bytes_.data()) + offset_;
    const auto* nul = static_cast<const char*>(std::memchr(start, 0, bytes_.size() - offset_));
    if (!nul)
        failAt(at, "the file ends inside a text value");
    group.text = {start, std::size_t(nul - start)};
    offset_ += group.text.size() + 1;
    group.binaryNumber = false;
}

bool DxfTokenizer::nextBinary(DxfGroup& group) {
    if (offset_ >= bytes_.size())
        return false;
    group.position = offset_;
    group.code = readBinaryCode();
    readBinaryValue(group);
    return true;
}

} // namespace cad
