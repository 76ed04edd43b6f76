// The reader of the seven DWG dimension types. They share their first fields
// and their handles (the dimension style, then the block that draws the
// dimension); the points between differ by type and are listed per type.

#include "cad/dwg/DwgEntities.h"

#include <array>

namespace cad::dwg {

namespace {

// A field of a dimension type, named by the DXF group it becomes: points of
// groups 10 and 13 to 16, a 2D point (group 16 of the two-line angle), a real
// or a flag byte the model does not keep; None fills the rest of a list.
enum class Field : std::uint8_t { None, P10, P13, P14, P15, P16, Point2D16, Real, Flags };

struct DimensionLayout {
    int type;
    std::uint8_t dimType;        // the DXF type number of the shape
    std::array<Field, 5> fields; // up to the first None
};

using enum Field;
const std::array<DimensionLayout, 7> kLayouts = {{
    {0x14, 6, {P10, P13, P14, Flags}},          // ordinate
    {0x15, 0, {P13, P14, P10, Real, Real}},     // linear
    {0x16, 1, {P13, P14, P10, Real}},           // aligned
    {0x17, 5, {P10, P13, P14, P15}},            // angular through three points
    {0x18, 2, {Point2D16, P13, P14, P15, P10}}, // angular between two lines
    {0x19, 4, {P10, P15, Real}},                // radius
    {0x1A, 3, {P15, P10, Real}},                // diameter
}};

void readField(BitReader& r, Field field, Dimension& d) {
    switch (field) {
    case None:
        break;
    case P10:
        d.definitionPoint = r.bitPoint3();
        break;
    case P13:
    case P14:
    case P15:
    case P16:
        d.points[std::size_t(field) - std::size_t(P13)] = r.bitPoint3();
        break;
    case Point2D16: {
        const Vec2 p = r.rawPoint2();
        d.points[3] = {p.x, p.y, 0};
        break;
    }
    case Real:
        r.bitDouble();
        break;
    case Flags:
        r.rawChar();
        break;
    }
}

} // namespace

void readDimension(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    auto& r = o.data;
    Dimension d;
    const auto& layout = kLayouts[std::size_t(o.type - kLayouts.front().type)];
    d.dimType = layout.dimType;
    const Vec3 normal = r.bitPoint3();
    const Vec2 textMidpoint = r.rawPoint2();
    d.textMidpoint = {textMidpoint.x, textMidpoint.y, r.bitDouble()};
    r.rawChar(); // flags
    d.text = c.internText(r);
    r.bitDouble(); // text rotation
    r.bitDouble(); // horizontal direction
    r.bitPoint3(); // scale of the block
    r.bitDouble(); // rotation of the block
    if (c.r2000()) {
        r.bitShort();  // attachment point
        r.bitShort();  // line spacing style
        r.bitDouble(); // line spacing factor
        d.measurement = r.bitDouble();
    }
    r.rawPoint2(); // insertion point of clones
    for (const Field field : layout.fields)
        readField(r, field, d);
    o.handles.handle(); // dimension style
    const auto block = o.handles.handle().resolve(o.handle);
    d.blockName = DwgReaderContext::lookup(c.blockNames, block, kEmptyString);
    addEntity(c, o, owner, d, Coordinates::Object, normal);
}

} // namespace cad::dwg
