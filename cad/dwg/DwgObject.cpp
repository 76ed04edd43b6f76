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

// What the common data says about the handles that follow it.
struct HandleLayout {
    std::uint32_t reactors = 0;
    bool extensionDictionary = true;
    bool links = false; // previous and next entity (R13 to 2000)
    unsigned plotStyleFlags = 0;
    bool colorBook = false; // a colour book entry (2004)
};

// Colours of release 2004: a colour number whose high bits say what follows:
// an RGB value, a colour book entry (in the handles), a transparency.
enum ColorFlags : unsigned { kRgbFollows = 0x8000, kBookFollows = 0x4000, kAlphaFollows = 0x2000 };

void readColor2004(BitReader& r, EntityCommon& c, HandleLayout& layout) {
    const unsigned value = std::uint16_t(r.bitShort());
    c.colorNumber = std::int16_t(value & 0x1FF);
    if (value & kRgbFollows) {
        const std::uint32_t rgb = std::uint32_t(r.bitLong());
        // 0xC2 in the top byte marks a true colour; others repeat the number.
        if ((rgb >> 24) == 0xC2)
            c.rgb = rgb & 0xFFFFFF;
    }
    if (value & kAlphaFollows)
        r.bitLong();
    layout.colorBook = (value & kBookFollows) != 0;
}

void readEntityCommon(BitReader& r, Release release, EntityCommon& c, HandleLayout& layout) {
    const bool r2000 = release >= Release::R2000;
    c.mode = EntityMode(r.bits2());
    layout.reactors = std::uint32_t(r.bitLong());
    if (release >= Release::R2004)
        layout.extensionDictionary = !r.bit();
    bool byLayerLinetype = true;
    if (!r2000)
        byLayerLinetype = r.bit();
    if (release < Release::R2004)
        layout.links = !r.bit();
    if (release >= Release::R2004)
        readColor2004(r, c, layout);
    else
        c.colorNumber = r.bitShort();
    c.linetypeScale = r.bitDouble();
    if (r2000) {
        c.linetypeFlags = r.bits2();
        layout.plotStyleFlags = r.bits2();
    } else {
        c.linetypeFlags = byLayerLinetype ? 0 : 3;
    }
    c.invisible = (r.bitShort() & 1) != 0;
    if (r2000)
        c.lineweight = lineweightFromIndex(r.rawChar());
}

// The handles every object starts with: owner, reactors, extension dictionary.
void readOwnerHandles(DwgObject& o, bool hasOwner, const HandleLayout& layout) {
    auto& h = o.handles;
    if (hasOwner)
        o.owner = h.handle().resolve(o.handle);
    for (std::size_t i = 0, n = h.count(layout.reactors, 8); i < n; ++i)
        h.handle();
    if (layout.extensionDictionary)
        h.handle();
}

void readEntityHandles(DwgObject& o, Release release, const HandleLayout& layout) {
    auto& h = o.handles;
    auto& c = o.common;
    readOwnerHandles(o, c.mode == EntityMode::Owned, layout);
    if (release < Release::R2000) {
        c.layer = h.handle().resolve(o.handle);
        if (c.linetypeFlags == 3)
            c.linetype = h.handle().resolve(o.handle);
    }
    if (layout.links) {
        h.handle(); // previous entity
        h.handle(); // next entity
    }
    if (layout.colorBook)
        h.handle();
    if (release >= Release::R2000) {
        c.layer = h.handle().resolve(o.handle);
        if (c.linetypeFlags == 3)
            c.linetype = h.handle().resolve(o.handle);
        if (layout.plotStyleFlags == 3)
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
    const bool r2000 = file.release >= Release::R2000;
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

    HandleLayout layout;
    if (o.entity) {
        readEntityCommon(r, file.release, o.common, layout);
    } else {
        layout.reactors = std::uint32_t(r.bitLong());
        if (file.release >= Release::R2004)
            layout.extensionDictionary = !r.bit();
    }
    if (r.bitPosition() > handleStart)
        r.fail("the common data of an object runs into its handles");
    r.limitTo(handleStart);
    if (o.entity)
        readEntityHandles(o, file.release, layout);
    else
        readOwnerHandles(o, true, layout);
    return o;
}

} // namespace cad::dwg
