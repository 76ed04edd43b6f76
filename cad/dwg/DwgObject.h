#pragma once
// The common part of every object record of R13 to 2004 files: its type and
// handle, and for entities the properties every entity has (owner, layer,
// linetype, colour, ...). What follows is read through the two readers it
// leaves: `data` at the object's own fields, `handles` at its own handles.

#include "cad/dwg/DwgBitReader.h"
#include "cad/dwg/DwgFile.h"

#include <cstdint>
#include <span>

namespace cad::dwg {

// Where an entity belongs, as its common data says.
enum class EntityMode : std::uint8_t { Owned = 0, PaperSpace = 1, ModelSpace = 2 };

inline constexpr std::uint32_t kNoRgb = 0xFFFFFFFF;

struct EntityCommon {
    EntityMode mode = EntityMode::ModelSpace;
    std::int16_t colorNumber = 256;
    std::uint32_t rgb = kNoRgb; // a true colour (2004), 0xRRGGBB
    double linetypeScale = 1;
    bool invisible = false;
    std::int16_t lineweight = -1; // as the model stores it
    std::uint64_t layer = 0;
    std::uint64_t linetype = 0; // 0: by layer, or the flags below
    unsigned linetypeFlags = 0; // 0 by layer, 1 by block, 2 continuous, 3 `linetype`
};

struct DwgObject {
    int type = 0;
    std::uint64_t handle = 0;
    bool entity = false;
    std::uint64_t owner = 0; // 0 where the record names none
    EntityCommon common;     // entities only
    BitReader data;
    BitReader handles;
};

// The lineweight of an index as files store it, in hundredths of a
// millimetre or one of the model's by-layer, by-block and default values.
std::int16_t lineweightFromIndex(unsigned index);

// True for the fixed object types and classes that are entities.
bool isEntityType(const DwgFile& file, int type);

// Reads the common part of the object whose record starts at `offset`.
DwgObject readObject(const DwgFile& file, std::span<const std::uint8_t> bytes, std::size_t offset);

} // namespace cad::dwg
