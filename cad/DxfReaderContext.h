#pragma once
// What the parts of the DXF reader share while reading one file: the group
// stream, the decoder for text values and the builder of the drawing.

#include "cad/DrawingBuilder.h"
#include "cad/DxfTokenizer.h"
#include "cad/TextDecoder.h"

#include <functional>
#include <numbers>
#include <string>
#include <string_view>

namespace cad {

inline double degrees(double value) {
    return value * (std::numbers::pi / 180.0);
}

class DxfReaderContext {
public:
    DxfReaderContext(std::span<const std::uint8_t> bytes, Drawing& drawing)
        : tokens(bytes), builder(drawing) {}

    DxfTokenizer tokens;
    DrawingBuilder builder;
    TextDecoder decoder;
    DxfGroup group;

    Drawing& drawing() { return builder.drawing(); }

    // Reads the next group; false at the end of the data.
    bool next() { return tokens.next(group); }
    // Reads the next group of the current object: false at the end of the data
    // or at the 0 group that starts the next object (left to be read again).
    bool nextInObject() {
        if (!tokens.next(group))
            return false;
        if (group.code == 0) {
            tokens.pushBack();
            return false;
        }
        return true;
    }
    // Reads the next group if it has `code`; otherwise leaves it to be read again.
    bool take(int code) {
        if (!nextInObject())
            return false;
        if (group.code == code)
            return true;
        tokens.pushBack();
        return false;
    }
    // Skips the groups of the current object.
    void skipObject() {
        while (nextInObject()) {
        }
    }

    double real() const { return tokens.real(group); }
    double angle() const { return degrees(tokens.real(group)); }
    std::int64_t integer() const { return tokens.integer(group); }
    // An integer value limited to [low, high].
    std::int64_t integer(std::int64_t low, std::int64_t high) const {
        const auto value = tokens.integer(group);
        return value < low ? low : (value > high ? high : value);
    }
    bool flag() const { return tokens.integer(group) != 0; }
    // The value as UTF-8 (valid until the next call).
    std::string_view text() { return decoder.decode(group.text); }
    StringId internText() { return builder.intern(text()); }
    // Group 0 and 2 names, without the blanks some writers leave around them.
    std::string_view name() const {
        std::string_view s = group.text;
        while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
            s.remove_prefix(1);
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
            s.remove_suffix(1);
        return s;
    }

    // Sets coordinate x, y or z of `point` when the group is baseCode, +10 or +20.
    bool coordinate(int baseCode, Vec3& point) const {
        if (group.code == baseCode)
            point.x = real();
        else if (group.code == baseCode + 10)
            point.y = real();
        else if (group.code == baseCode + 20)
            point.z = real();
        else
            return false;
        return true;
    }
    bool coordinate(int baseCode, Vec2& point) const {
        if (group.code == baseCode)
            point.x = real();
        else if (group.code == baseCode + 10)
            point.y = real();
        else
            return false;
        return true;
    }

    [[noreturn]] void fail(const std::string& what) const { tokens.fail(group, what); }

    // Called now and then while entities are read, so that the pages of a mapped
    // file that were read already can be dropped.
    std::function<void()> releaseConsumed;

    // The section being read, for messages about a section that is not closed.
    std::string section;
    std::size_t sectionStart = 0;
    // Reads the next group of the current section; a ReadError at the end of the
    // data or at a group that only stands outside sections.
    void nextInSection() {
        if (!next())
            tokens.failAt(tokens.endPosition(), "the file ends inside the " + section +
                                                    " section that starts at " +
                                                    tokens.where(sectionStart));
        if (group.code == 0 && (name() == "SECTION" || name() == "EOF"))
            fail("the " + section + " section that starts at " + tokens.where(sectionStart) +
                 " has no ENDSEC");
    }
    bool atEndOfSection() const { return group.code == 0 && name() == "ENDSEC"; }
};

} // namespace cad
