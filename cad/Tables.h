#pragma once
// Named objects that entities refer to by index: layers, linetypes, text styles,
// dimension styles and blocks, and the header values a viewer needs.

#include "cad/Color.h"
#include "cad/Geometry.h"
#include "cad/StringPool.h"

#include <cstdint>
#include <string>

namespace cad {

// Index into Drawing::linetypes. The first three entries always exist.
using LinetypeIndex = std::uint32_t;
inline constexpr LinetypeIndex kLinetypeByLayer = 0;
inline constexpr LinetypeIndex kLinetypeByBlock = 1;
inline constexpr LinetypeIndex kLinetypeContinuous = 2;

// Index into Drawing::layers; layer "0" always exists at index 0.
using LayerIndex = std::uint32_t;
inline constexpr LayerIndex kLayerZero = 0;

// Index into Drawing::textStyles; the style "Standard" always exists at index 0.
using TextStyleIndex = std::uint32_t;
inline constexpr TextStyleIndex kTextStyleStandard = 0;

// Index into Drawing::dimStyles; the style "Standard" always exists at index 0.
using DimStyleIndex = std::uint32_t;

// Index into Drawing::blocks; kNoBlock where a reference names no defined block.
using BlockIndex = std::uint32_t;
inline constexpr BlockIndex kNoBlock = 0xFFFFFFFF;

// Lineweights in hundredths of a millimetre, or one of these.
inline constexpr std::int16_t kLineweightByLayer = -1;
inline constexpr std::int16_t kLineweightByBlock = -2;
inline constexpr std::int16_t kLineweightDefault = -3;

// A first/count pair naming consecutive elements of one of the drawing's pools.
struct Range {
    std::uint32_t first = 0;
    std::uint32_t count = 0;
};

struct Layer {
    StringId name = kEmptyString;
    Color color = Color::fromIndex(7);
    LinetypeIndex linetype = kLinetypeContinuous;
    std::int16_t lineweight = kLineweightDefault;
    bool on = true;
    bool frozen = false;
    bool locked = false;
    bool plotted = true;
};

// A simple dash pattern: Drawing::reals[dashes] holds the element lengths in
// drawing units: positive a dash, negative a gap, zero a dot.
struct Linetype {
    StringId name = kEmptyString;
    StringId description = kEmptyString;
    double patternLength = 0;
    Range dashes;
};

struct TextStyle {
    StringId name = kEmptyString;
    StringId fontFile = kEmptyString;    // e.g. "txt", "simplex.shx", "arial.ttf"
    StringId bigFontFile = kEmptyString; // the Asian-language companion font, if any
    StringId fontFamily = kEmptyString;  // the TrueType family name when the file gives one
    double fixedHeight = 0;              // 0: each text gives its own height
    double widthFactor = 1;
    double oblique = 0; // radians
    bool backward = false;
    bool upsideDown = false;
};

struct DimStyle {
    StringId name = kEmptyString;
    double arrowSize = 0.18;
    double scale = 1;
};

// A block definition: its entities are Drawing::entityOrder[entities].
struct Block {
    StringId name = kEmptyString;
    Vec3 base;
    std::uint16_t flags = 0; // 1 anonymous, 2 has attributes, 4 external reference
    StringId xrefPath = kEmptyString;
    Range entities;
};

// The header values a viewer uses.
struct Header {
    std::string version;  // $ACADVER, e.g. "AC1015"
    std::string codePage; // $DWGCODEPAGE, e.g. "ANSI_936"
    Vec3 extMin;          // $EXTMIN / $EXTMAX as the writing program stored them
    Vec3 extMax;
    bool hasExtents = false; // both given and extMin <= extMax
    double ltScale = 1;      // $LTSCALE
    std::int16_t insUnits = 0;
    std::int16_t pdMode = 0;
    double pdSize = 0;
};

} // namespace cad
