#include "StatsJson.h"

#include "cad/Extents.h"

#include <charconv>
#include <cstdio>
#include <map>

namespace {

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string jsonNumber(double value) {
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : "0";
}

template <class Map> std::string jsonCounts(const Map& counts) {
    std::string out = "{";
    for (const auto& [name, count] : counts) {
        if (out.size() > 1)
            out += ", ";
        out += jsonString(name) + ": " + std::to_string(count);
    }
    return out + "}";
}

} // namespace

std::string drawingStatsJson(const cad::Drawing& drawing) {
    std::map<std::string_view, std::size_t> entities;
    for (const auto& ref : drawing.modelSpaceEntities())
        ++entities[cad::entityTypeName(ref.type)];
    const cad::Box2 box = cad::modelSpaceExtents(drawing);
    const std::string extents =
        box.empty() ? "null"
                    : "[[" + jsonNumber(box.minX) + ", " + jsonNumber(box.minY) + "], [" +
                          jsonNumber(box.maxX) + ", " + jsonNumber(box.maxY) + "]]";
    return std::string("{\"format\": ") +
           jsonString(drawing.format == cad::FileFormat::Dxf ? "dxf" : "dwg") +
           ", \"version\": " + jsonString(drawing.header.version) +
           ", \"entities\": " + jsonCounts(entities) +
           ", \"skipped\": " + jsonCounts(drawing.skippedEntities) + ", \"extents\": " + extents +
           "}";
}
