#include "cad/dwg/DwgTables.h"

#include "cad/Names.h"
#include "cad/PoolGrowth.h"
#include "cad/dwg/DwgEntities.h"

#include <cstdlib>

namespace cad::dwg {

namespace {

// What every table entry starts with: its name and its external-reference
// flags.
std::string readEntryName(DwgReaderContext& c, BitReader& r) {
    std::string name = c.text(r);
    r.bit();      // referenced by the drawing
    r.bitShort(); // external reference index
    r.bit();      // depends on an external reference
    return name;
}

void readLinetype(DwgReaderContext& c, DwgObject& o) {
    auto& r = o.data;
    const std::string name = readEntryName(c, r);
    Linetype linetype;
    linetype.description = c.internText(r);
    linetype.patternLength = r.bitDouble();
    r.rawChar(); // alignment
    const unsigned dashes = r.rawChar();
    auto& reals = c.builder.drawing().reals;
    for (unsigned i = 0; i < dashes; ++i) {
        appendToRange(reals, linetype.dashes, r.bitDouble());
        r.bitShort();  // shape number
        r.rawPoint2(); // shape offset
        r.bitDouble(); // shape scale
        r.bitDouble(); // shape rotation
        r.bitShort();  // shape flags
    }
    if (!name.empty())
        c.linetypes[o.handle] = c.builder.defineLinetype(name, linetype);
}

// After the colour number, release 2004 tables store an RGB value and the
// colour's name and book; returns the true colour, or kNoRgb.
std::uint32_t readColorExtras(DwgReaderContext& c, BitReader& r) {
    const auto rgb = std::uint32_t(r.bitLong());
    const unsigned names = r.rawChar();
    if (names & 1)
        c.text(r); // colour name
    if (names & 2)
        c.text(r); // colour book name
    return (rgb >> 24) == 0xC2 ? rgb & 0xFFFFFF : kNoRgb;
}

enum LayerFlags : unsigned { kFrozen = 1, kOff = 2, kLocked = 8, kPlotted = 16 };

void readLayer(DwgReaderContext& c, DwgObject& o) {
    auto& r = o.data;
    const std::string name = readEntryName(c, r);
    Layer layer;
    if (c.r2000()) {
        const unsigned flags = std::uint16_t(r.bitShort());
        layer.frozen = (flags & kFrozen) != 0;
        layer.on = !(flags & kOff);
        layer.locked = (flags & kLocked) != 0;
        layer.plotted = (flags & kPlotted) != 0;
        layer.lineweight = lineweightFromIndex((flags >> 5) & 31);
    } else {
        layer.frozen = r.bit();
        r.bit(); // writers leave this "on" bit clear for layers that are on
        r.bit(); // frozen in new viewports
        layer.locked = r.bit();
    }
    // A negative colour number marks a layer that is off.
    const int color = r.bitShort();
    std::uint32_t rgb = kNoRgb;
    if (c.file.release >= Release::R2004)
        rgb = readColorExtras(c, r);
    layer.on = layer.on && color >= 0;
    layer.color = Color::fromIndex(std::uint8_t(std::abs(color) % 256));
    if (layer.color.index() == 0)
        layer.color = Color::fromIndex(7);
    if (rgb != kNoRgb)
        layer.color = Color::fromRgbValue(rgb);
    auto& h = o.handles;
    h.handle(); // external reference block
    if (c.r2000())
        h.handle(); // plot style
    layer.linetype =
        DwgReaderContext::lookup(c.linetypes, h.handle().resolve(o.handle), kLinetypeContinuous);
    if (!name.empty())
        c.layers[o.handle] = c.builder.defineLayer(name, layer);
}

void readTextStyle(DwgReaderContext& c, DwgObject& o) {
    auto& r = o.data;
    const std::string name = readEntryName(c, r);
    TextStyle style;
    r.bit(); // vertical
    const bool shapeFile = r.bit();
    style.fixedHeight = r.bitDouble();
    style.widthFactor = r.bitDouble();
    style.oblique = r.bitDouble();
    const unsigned generation = r.rawChar();
    style.backward = (generation & 2) != 0;
    style.upsideDown = (generation & 4) != 0;
    r.bitDouble(); // last height used
    style.fontFile = c.internText(r);
    style.bigFontFile = c.internText(r);
    // Shape files loaded for linetypes are styles without a name.
    if (!name.empty() && !shapeFile)
        c.textStyles[o.handle] = c.builder.defineTextStyle(name, style);
}

enum BlockFlags : std::uint16_t { kAnonymous = 1, kHasAttributes = 2, kXref = 4, kOverlay = 8 };

void readBlockHeader(DwgReaderContext& c, DwgObject& o) {
    auto& r = o.data;
    const std::string name = readEntryName(c, r);
    Block block;
    for (const auto flag : {kAnonymous, kHasAttributes, kXref, kOverlay})
        if (r.bit())
            block.flags |= flag;
    if (c.r2000())
        r.bit(); // loaded
    if (c.file.release >= Release::R2004 && !(block.flags & (kXref | kOverlay)))
        r.bitLong(); // entities owned
    block.base = r.bitPoint3();
    block.xrefPath = c.internText(r);
    if (name.empty())
        return;
    if (sameName(name, "*Model_Space"))
        c.modelSpaceBlock = o.handle;
    // Every layout has a paper-space block of the same name; the second and
    // later ones get a number, as in DXF files.
    std::string unique = name;
    for (int n = 0; c.builder.drawing().findBlock(unique) != kNoBlock; ++n)
        unique = name + std::to_string(n);
    c.blocks[o.handle] = c.builder.block(unique, block);
    c.blockNames[o.handle] = c.builder.intern(unique);
}

void readMLineStyle(DwgReaderContext& c, DwgObject& o) {
    c.mlineStyles[o.handle] = c.internText(o.data);
}

} // namespace

bool tableEntryInPass(int type, int pass) {
    if (pass == 0)
        return type == kLinetypeType;
    return type == kLayerType || type == kStyle || type == kBlockHeader || type == kMLineStyle;
}

bool readTableEntry(DwgReaderContext& c, DwgObject& object) {
    switch (object.type) {
    case kLinetypeType:
        readLinetype(c, object);
        return true;
    case kLayerType:
        readLayer(c, object);
        return true;
    case kStyle:
        readTextStyle(c, object);
        return true;
    case kBlockHeader:
        readBlockHeader(c, object);
        return true;
    case kMLineStyle:
        readMLineStyle(c, object);
        return true;
    default:
        return false;
    }
}

} // namespace cad::dwg
