#pragma once
// Small DXF drawings built in the tests, in text or binary form.

#include "cad/DxfTokenizer.h"
#include "cad/DxfValueType.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace dxftest {

using Group = std::pair<int, std::string>;
using Groups = std::vector<Group>;

// The groups as text lines, each code right-aligned in three columns as CAD
// programs write them.
inline std::string text(const Groups& groups, const std::string& lineEnd = "\n") {
    std::string out;
    for (const auto& [code, value] : groups) {
        std::string c = std::to_string(code);
        if (c.size() < 3)
            c.insert(0, 3 - c.size(), ' ');
        out += c + lineEnd + value + lineEnd;
    }
    return out;
}

// The groups in binary form, with 2-byte group codes (or 1-byte codes, as old
// releases wrote them).
inline std::string binary(const Groups& groups, bool wideCodes = true) {
    std::string out(cad::kBinaryDxfSentinel);
    auto put = [&out](const auto& value) {
        char bytes[sizeof value];
        std::memcpy(bytes, &value, sizeof value);
        out.append(bytes, sizeof value);
    };
    for (const auto& [code, value] : groups) {
        if (wideCodes) {
            put(std::int16_t(code));
        } else if (code < 255) {
            put(std::uint8_t(code));
        } else {
            put(std::uint8_t(255));
            put(std::uint16_t(code));
        }
        switch (cad::dxfValueType(code)) {
        case cad::DxfValueType::Real:
            put(std::stod(value));
            break;
        case cad::DxfValueType::Int16:
            put(std::int16_t(std::stoi(value)));
            break;
        case cad::DxfValueType::Int32:
            put(std::int32_t(std::stol(value)));
            break;
        case cad::DxfValueType::Int64:
            put(std::int64_t(std::stoll(value)));
            break;
        case cad::DxfValueType::Bool:
            put(std::uint8_t(std::stoi(value)));
            break;
        case cad::DxfValueType::Bytes:
            put(std::uint8_t(value.size()));
            out += value;
            break;
        case cad::DxfValueType::String:
            out += value;
            out += '\0';
            break;
        }
    }
    return out;
}

// A whole drawing: a header with the release (and code page), optional
// BLOCKS content, and the ENTITIES content.
inline Groups drawing(const Groups& entities, const Groups& blocks = {},
                      const std::string& version = "AC1015",
                      const std::string& codePage = "ANSI_1252") {
    Groups g = {{0, "SECTION"},      {2, "HEADER"}, {9, "$ACADVER"}, {1, version},
                {9, "$DWGCODEPAGE"}, {3, codePage}, {0, "ENDSEC"}};
    if (!blocks.empty()) {
        g.insert(g.end(), {{0, "SECTION"}, {2, "BLOCKS"}});
        g.insert(g.end(), blocks.begin(), blocks.end());
        g.push_back({0, "ENDSEC"});
    }
    g.insert(g.end(), {{0, "SECTION"}, {2, "ENTITIES"}});
    g.insert(g.end(), entities.begin(), entities.end());
    g.insert(g.end(), {{0, "ENDSEC"}, {0, "EOF"}});
    return g;
}

inline std::span<const std::uint8_t> bytes(const std::string& data) {
    return {reinterpret_cast<const std::uint8_t*>(data.data()), data.size()};
}

} // namespace dxftest
