#pragma once
// What the parts of the DWG reader share while reading one file: the file's
// directory, the objects by handle, the builder of the drawing, and the table
// entries found so far by handle.

#include "cad/DrawingBuilder.h"
#include "cad/TextDecoder.h"
#include "cad/dwg/DwgFile.h"
#include "cad/dwg/DwgObject.h"

#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace cad::dwg {

// One object as the first pass found it.
struct ObjectEntry {
    std::size_t offset = 0;
    std::uint64_t handle = 0;
    int type = 0;
    bool entity = false;
    EntityMode mode = EntityMode::ModelSpace;
    std::uint64_t owner = 0;
};

class DwgReaderContext {
public:
    DwgReaderContext(std::span<const std::uint8_t> bytes, DwgFile file, Drawing& drawing);

    std::span<const std::uint8_t> bytes;
    DwgFile file;
    DrawingBuilder builder;
    TextDecoder decoder;

    std::vector<ObjectEntry> objects;
    std::unordered_map<std::uint64_t, std::size_t> objectIndex; // handle -> objects[i]
    // The entities each entity owns (vertices, attributes), in handle order.
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> children;

    std::unordered_map<std::uint64_t, LayerIndex> layers;
    std::unordered_map<std::uint64_t, LinetypeIndex> linetypes;
    std::unordered_map<std::uint64_t, TextStyleIndex> textStyles;
    std::unordered_map<std::uint64_t, BlockIndex> blocks;
    std::unordered_map<std::uint64_t, StringId> blockNames;
    std::unordered_map<std::uint64_t, StringId> mlineStyles;
    std::uint64_t modelSpaceBlock = 0;

    // R2000 and later releases share the compact forms of many fields.
    bool r2000() const { return file.release >= Release::R2000; }
    DwgObject read(const ObjectEntry& entry) const { return readObject(file, bytes, entry.offset); }
    // A text value in UTF-8.
    std::string text(BitReader& r) { return std::string(decoder.decode(r.text())); }
    StringId internText(BitReader& r) { return builder.intern(decoder.decode(r.text())); }

    // The properties of an entity from its common data.
    EntityProps props(const DwgObject& object);
    // The table entry a handle names, or `fallback`.
    template <class Index>
    static Index lookup(const std::unordered_map<std::uint64_t, Index>& table, std::uint64_t handle,
                        Index fallback) {
        auto it = table.find(handle);
        return it == table.end() ? fallback : it->second;
    }
};

// Where an entity's points lie: in its own coordinate system, whose normal is
// given, or in world coordinates.
enum class Coordinates { Object, World };

// Adds an entity with the properties of its object to `owner` (a block, or
// kNoBlock for model space).
template <class T>
void addEntity(DwgReaderContext& c, const DwgObject& object, BlockIndex owner, T& entity,
               Coordinates coordinates, const Vec3& normal = {0, 0, 1}) {
    entity.props = c.props(object);
    if (coordinates == Coordinates::Object)
        entity.props.extrusion = c.builder.extrusion(normal);
    c.builder.addTo(owner, std::move(entity));
}

} // namespace cad::dwg
