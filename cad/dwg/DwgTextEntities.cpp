// Readers of the DWG text entities: TEXT, ATTRIB, ATTDEF and MTEXT.

#include "cad/dwg/DwgEntities.h"

#include <algorithm>

namespace cad::dwg {

namespace {

// R2000 files leave out the fields whose bit is set in a leading flag byte.
enum TextDataFlags : unsigned {
    kNoElevation = 0x01,
    kNoAlignmentPoint = 0x02,
    kNoOblique = 0x04,
    kNoRotation = 0x08,
    kNoWidthFactor = 0x10,
    kNoGeneration = 0x20,
    kNoHAlign = 0x40,
    kNoVAlign = 0x80,
};

void setGeneration(TextData& text, int generation) {
    text.backward = (generation & 2) != 0;
    text.upsideDown = (generation & 4) != 0;
}

void setAlignment(TextData& text, int h, int v) {
    text.hAlign = TextHAlign(std::clamp(h, 0, 5));
    text.vAlign = TextVAlign(std::clamp(v, 0, 3));
}

void readTextDataR2000(DwgReaderContext& c, BitReader& r, TextData& text, Vec3& normal) {
    const unsigned flags = r.rawChar();
    const double elevation = (flags & kNoElevation) ? 0 : r.rawDouble();
    const Vec2 insertion = r.rawPoint2();
    Vec2 alignment = insertion;
    if (!(flags & kNoAlignmentPoint)) {
        alignment.x = r.defaultDouble(insertion.x);
        alignment.y = r.defaultDouble(insertion.y);
    }
    text.insertion = {insertion.x, insertion.y, elevation};
    text.alignmentPoint = {alignment.x, alignment.y, elevation};
    normal = r.extrusion(true);
    r.thickness(true);
    if (!(flags & kNoOblique))
        text.oblique = r.rawDouble();
    if (!(flags & kNoRotation))
        text.rotation = r.rawDouble();
    text.height = r.rawDouble();
    if (!(flags & kNoWidthFactor))
        text.widthFactor = r.rawDouble();
    text.content = c.internText(r);
    if (!(flags & kNoGeneration))
        setGeneration(text, r.bitShort());
    const int h = (flags & kNoHAlign) ? 0 : r.bitShort();
    const int v = (flags & kNoVAlign) ? 0 : r.bitShort();
    setAlignment(text, h, v);
}

void readTextDataR13(DwgReaderContext& c, BitReader& r, TextData& text, Vec3& normal) {
    const double elevation = r.bitDouble();
    const Vec2 insertion = r.rawPoint2();
    const Vec2 alignment = r.rawPoint2();
    text.insertion = {insertion.x, insertion.y, elevation};
    text.alignmentPoint = {alignment.x, alignment.y, elevation};
    normal = r.bitPoint3();
    r.bitDouble(); // thickness
    text.oblique = r.bitDouble();
    text.rotation = r.bitDouble();
    text.height = r.bitDouble();
    text.widthFactor = r.bitDouble();
    text.content = c.internText(r);
    setGeneration(text, r.bitShort());
    const int h = r.bitShort();
    setAlignment(text, h, r.bitShort());
}

// The fields of single-line text, then (after the common handles) its style.
Vec3 readTextData(DwgReaderContext& c, DwgObject& o, TextData& text) {
    Vec3 normal{0, 0, 1};
    if (c.r2000())
        readTextDataR2000(c, o.data, text, normal);
    else
        readTextDataR13(c, o.data, text, normal);
    return normal;
}

void readStyleHandle(DwgReaderContext& c, DwgObject& o, TextStyleIndex& style) {
    style = DwgReaderContext::lookup(c.textStyles, o.handles.handle().resolve(o.handle),
                                     kTextStyleStandard);
}

// An attribute's text, then its tag, field length and flags.
template <class T> Vec3 readAttributeData(DwgReaderContext& c, DwgObject& o, T& attribute) {
    const Vec3 normal = readTextData(c, o, attribute.text);
    attribute.tag = c.internText(o.data);
    o.data.bitShort(); // field length
    attribute.flags = o.data.rawChar();
    if constexpr (requires { attribute.prompt; })
        attribute.prompt = c.internText(o.data);
    readStyleHandle(c, o, attribute.text.style);
    return normal;
}

} // namespace

void readText(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    Text text;
    const Vec3 normal = readTextData(c, o, text.text);
    readStyleHandle(c, o, text.text.style);
    addEntity(c, o, owner, text, Coordinates::Object, normal);
}

void readAttrib(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    Attrib attrib;
    const Vec3 normal = readAttributeData(c, o, attrib);
    addEntity(c, o, owner, attrib, Coordinates::Object, normal);
}

void readAttDef(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    AttDef attdef;
    const Vec3 normal = readAttributeData(c, o, attdef);
    addEntity(c, o, owner, attdef, Coordinates::Object, normal);
}

std::uint32_t readOwnedAttrib(DwgReaderContext& c, DwgObject& o) {
    Attrib attrib;
    const Vec3 normal = readAttributeData(c, o, attrib);
    attrib.props = c.props(o);
    attrib.props.extrusion = c.builder.extrusion(normal);
    return c.builder.addOwned(std::move(attrib));
}

void readMText(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    auto& r = o.data;
    MText mtext;
    mtext.insertion = r.bitPoint3();
    r.bitPoint3(); // extrusion: the direction below is in world coordinates
    mtext.direction = r.bitPoint3();
    mtext.rectWidth = r.bitDouble();
    mtext.height = r.bitDouble();
    mtext.attachment = std::uint8_t(std::clamp<int>(r.bitShort(), 1, 9));
    mtext.drawingDirection = std::uint8_t(std::clamp<int>(r.bitShort(), 1, 5));
    r.bitDouble(); // height of the text's extents
    r.bitDouble(); // width of the text's extents
    mtext.content = c.internText(r);
    if (c.r2000()) {
        r.bitShort(); // line spacing style
        mtext.lineSpacingFactor = r.bitDouble();
    }
    readStyleHandle(c, o, mtext.style);
    addEntity(c, o, owner, mtext, Coordinates::World);
}

} // namespace cad::dwg
