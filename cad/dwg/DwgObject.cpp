#include "cad/dwg/DwgObject.h"

#include <array>

namespace cad::dwg {

namespace {

enum FixedType : int {
    kLastFixedEntity = 0x29, // XLINE; types 1 to here are entities
    kOleFrame = 0x2B,
    kMText = 0x2C,
    kLeader = 0x2D,
    kTolerance = 0x2E,
    kMLine = 0x2F,
    kOle2Frame = 0x4A,
    kLwPolyline = 0x4D,
    kHatch = 0x4E,
    kFirstClass = 500,
};

// Lineweights by the index files store, in hundredths of a millimetre.
constexpr std::array<std::int16_t, 24> kLineweights = {0,  5,   9,   13,  15,  18,  20,  25,
                                                       30, 35,  40,  50,  53,  60,  70,  80,
                                                       90, 100, 106, 120, 140, 158, 200, 211};

} // namespace

std::int16_t lineweightFromIndex(unsigned index) {
    if (index < kLineweights.size())
        return kLineweights[index];
    if (index == 29)
        return -1; // by layer
    if (index == 30)
        return -2; // by block
    return -3;     // the default
}

namespace {

// Extended data: blocks of a size, an application handle and that many bytes,
// up to a size of 0.
void skipExtendedData(BitReader& r) {
    while (true) {
        const auto size = std::uint16_t(r.bitShort());
        if (size == 0)
            return;
        r.handle();
        r.skipBytes(r.count(size, 8));
    }
}

void readEntityCommon(BitReader& r, Release release, EntityCommon& c, std::uint32_t& reactors,
                      bool& noLinks, unsigned& plotStyleFlags) {
    const bool r2000 = release == Release::R2000;
    c.mode = EntityMode(r.bits2());
    reactors = std::uint32_t(r.bitLong());
    bool byLayerLinetype = true;
    if (!r2000)
        byLayerLinetype = r.bit();
    noLinks = r.bit();
    c.colorNumber = r.bitShort();
    c.linetypeScale = r.bitDouble();
    if (r2000) {
        c.linetypeFlags = r.bits2();
        plotStyleFlags = r.bits2();
    } else {
        c.linetypeFlags = byLayerLinetype ? 0 : 3;
    }
    c.invisible = (r.bitShort() & 1) != 0;
    if (r2000)
        c.lineweight = lineweightFromIndex(r.rawChar());
}

void readEntityHandles(DwgObject& o, Release release, std::uint32_t reactors, bool noLinks,
                       unsigned plotStyleFlags) {
    auto& h = o.handles;
    auto& c = o.common;
    if (c.mode == EntityMode::Owned)
        o.owner = h.handle().resolve(o.handle);
    for (std::size_t i = 0, n = h.count(reactors, 8); i < n; ++i)
        h.handle();
    h.handle(); // extension dictionary
    auto links = [&] {
        if (!noLinks) {
            h.handle(); // previous entity
            h.handle(); // next entity
        }
    };
    if (release != Release::R2000)
        c.layer = h.handle().resolve(o.handle);
    if (release != Release::R2000 && c.linetypeFlags == 3)
        c.linetype = h.handle().resolve(o.handle);
    links();
    if (release == Release::R2000) {
        c.layer = h.handle().resolve(o.handle);
        if (c.linetypeFlags == 3)
            c.linetype = h.handle().resolve(o.handle);
        if (plotStyleFlags == 3)
            h.handle();
    }
}

} // namespace

bool isEntityType(const DwgFile& file, int type) {
    if (type >= kFirstClass) {
        auto it = file.classes.find(type);
        return it != file.classes.end() && it->second.entity;
    }
    return (type >= 1 && type <= kLastFixedEntity) || type == kOleFrame || type == kMText ||
           type == kLeader || type == kTolerance || type == kMLine || type == kOle2Frame ||
           type == kLwPolyline || type == kHatch;
}

DwgObject readObject(const DwgFile& file, std::span<const std::uint8_t> bytes, std::size_t offset) {
    BitReader sizeReader(bytes.subspan(offset), offset);
    const std::size_t size = sizeReader.count(std::int64_t(sizeReader.modularShort()), 8);
    const std::size_t start = offset + sizeReader.bitPosition() / 8;
    DwgObject o;
    auto& r = o.data;
    r = BitReader(bytes.subspan(start, size), start);
    const bool r2000 = file.release == Release::R2000;
    o.type = std::uint16_t(r.bitShort());
    o.entity = isEntityType(file, o.type);
    std::size_t handleStart = 0;
    if (r2000)
        handleStart = r.rawLong();
    o.handle = r.handle().value;
    skipExtendedData(r);
    if (o.entity && r.bit())
        r.skipBytes(r.count(r.rawLong(), 8)); // the entity's picture
    if (!r2000)
        handleStart = r.rawLong();
    if (handleStart > size * 8 || handleStart < r.bitPosition())
        r.fail("an object names its handles outside its record");
    o.handles = r;
    o.handles.seekBit(handleStart);

    std::uint32_t reactors = 0;
    bool noLinks = true;
    unsigned plotStyleFlags = 0;
    if (o.entity)
        readEntityCommon(r, file.release, o.common, reactors, noLinks, plotStyleFlags);
    else
        reactors = std::uint32_t(r.bitLong());
    if (r.bitPosition() > handleStart)
        r.fail("the common data of an object runs into its handles");
    r.limitTo(handleStart);
    if (o.entity) {
        readEntityHandles(o, file.release, reactors, noLinks, plotStyleFlags);
    } else {
        o.owner = o.handles.handle().resolve(o.handle);
        for (std::size_t i = 0, n = o.handles.count(reactors, 8); i < n; ++i)
            o.handles.handle();
        o.handles.handle(); // extension dictionary
    }
    return o;
}

} // namespace cad::dwg
