// The reader of the DWG HATCH entity: gradient settings (2004), the boundary
// paths with their edges or polyline, the pattern lines and the seed points.

#include "cad/dwg/DwgEntities.h"

#include "cad/PoolGrowth.h"

#include <algorithm>
#include <numbers>

namespace cad::dwg {

namespace {

enum PathFlags : unsigned { kPolylinePath = 2, kDerived = 4 };
enum EdgeType : unsigned { kLineEdge = 1, kArcEdge = 2, kEllipseEdge = 3, kSplineEdge = 4 };

// Start and end of an arc or ellipse edge; clockwise sweeps are stored
// mirrored, so that every sweep runs counter-clockwise.
void readSweep(BitReader& r, HatchEdge& edge) {
    edge.startAngle = r.bitDouble();
    edge.endAngle = r.bitDouble();
    edge.counterClockwise = r.bit();
    if (!edge.counterClockwise) {
        constexpr double kFull = 2 * std::numbers::pi;
        const double start = kFull - edge.endAngle;
        edge.endAngle = kFull - edge.startAngle;
        edge.startAngle = start;
    }
}

void readSplineEdge(BitReader& r, Drawing& d, HatchEdge& edge) {
    edge.degree = std::uint8_t(std::clamp(r.bitLong(), 1, 25));
    edge.rational = r.bit();
    edge.periodic = r.bit();
    const auto knots = r.count(r.bitLong(), 2);
    const auto controls = r.count(r.bitLong(), 128);
    for (std::size_t i = 0; i < knots; ++i)
        appendToRange(d.reals, edge.knots, r.bitDouble());
    // Weights follow each control point; they are stored after all the points.
    std::vector<double> weights;
    for (std::size_t i = 0; i < controls; ++i) {
        appendToRange(d.points2, edge.controlPoints, r.rawPoint2());
        if (edge.rational)
            weights.push_back(r.bitDouble());
    }
    for (const double w : weights)
        appendToRange(d.reals, edge.weights, w);
}

void readEdges(BitReader& r, Drawing& d, HatchPath& path) {
    const auto count = r.count(r.bitLong(), 8);
    for (std::size_t i = 0; i < count; ++i) {
        HatchEdge edge;
        switch (r.rawChar()) {
        case kLineEdge:
            edge.type = HatchEdgeType::Line;
            edge.start = r.rawPoint2();
            edge.end = r.rawPoint2();
            break;
        case kArcEdge:
            edge.type = HatchEdgeType::Arc;
            edge.start = r.rawPoint2();
            edge.radius = r.bitDouble();
            readSweep(r, edge);
            break;
        case kEllipseEdge:
            edge.type = HatchEdgeType::Ellipse;
            edge.start = r.rawPoint2();
            edge.end = r.rawPoint2();
            edge.radius = r.bitDouble();
            readSweep(r, edge);
            break;
        case kSplineEdge:
            edge.type = HatchEdgeType::Spline;
            readSplineEdge(r, d, edge);
            break;
        default:
            r.fail("a hatch edge of an unknown type");
        }
        appendToRange(d.hatchEdges, path.edges, edge);
    }
}

void readPolylinePath(BitReader& r, Drawing& d, HatchPath& path) {
    HatchEdge edge;
    edge.type = HatchEdgeType::Polyline;
    const bool bulges = r.bit();
    edge.closed = r.bit();
    const auto count = r.count(r.bitLong(), 128);
    for (std::size_t i = 0; i < count; ++i) {
        PolyVertex vertex;
        const Vec2 p = r.rawPoint2();
        vertex.position = {p.x, p.y, 0};
        if (bulges)
            vertex.bulge = r.bitDouble();
        appendToRange(d.polyVertices, edge.vertices, vertex);
    }
    appendToRange(d.hatchEdges, path.edges, edge);
}

// Returns whether a path was derived, which adds a field after the pattern.
bool readPaths(BitReader& r, Drawing& d, Hatch& hatch) {
    bool derived = false;
    const auto count = r.count(r.bitLong(), 8);
    for (std::size_t i = 0; i < count; ++i) {
        HatchPath path;
        path.flags = std::uint32_t(r.bitLong());
        derived = derived || (path.flags & kDerived);
        if (path.flags & kPolylinePath)
            readPolylinePath(r, d, path);
        else
            readEdges(r, d, path);
        r.bitLong(); // boundary objects, named in the handles
        appendToRange(d.hatchPaths, hatch.paths, path);
    }
    return derived;
}

void readPatternLines(BitReader& r, Drawing& d, Hatch& hatch) {
    const auto count = r.count(std::uint16_t(r.bitShort()), 10);
    for (std::size_t i = 0; i < count; ++i) {
        HatchPatternLine line;
        line.angle = r.bitDouble();
        line.base = r.bitPoint2();
        line.offset = r.bitPoint2();
        const auto dashes = r.count(std::uint16_t(r.bitShort()), 2);
        for (std::size_t k = 0; k < dashes; ++k)
            appendToRange(d.reals, line.dashes, r.bitDouble());
        appendToRange(d.hatchPatternLines, hatch.patternLines, line);
    }
}

// The gradient fill settings of release 2004, which the model does not keep.
void skipGradient(BitReader& r) {
    r.bitLong();   // gradient fill
    r.bitLong();   // reserved
    r.bitDouble(); // angle
    r.bitDouble(); // shift
    r.bitLong();   // single colour
    r.bitDouble(); // tint
    const auto colors = r.count(r.bitLong(), 14);
    for (std::size_t i = 0; i < colors; ++i) {
        r.bitDouble();
        r.bitShort();
        r.bitLong();
        r.rawChar();
    }
    r.text(); // gradient name
}

} // namespace

void readHatch(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    auto& r = o.data;
    auto& d = c.builder.drawing();
    Hatch hatch;
    if (c.file.release >= Release::R2004)
        skipGradient(r);
    hatch.elevation = r.bitDouble();
    const Vec3 normal = r.bitPoint3();
    hatch.patternName = c.internText(r);
    hatch.solid = r.bit();
    r.bit(); // associative
    const bool derived = readPaths(r, d, hatch);
    hatch.style = std::uint8_t(std::min<unsigned>(std::uint16_t(r.bitShort()), 2));
    r.bitShort(); // pattern type
    if (!hatch.solid) {
        hatch.patternAngle = r.bitDouble();
        hatch.patternScale = r.bitDouble();
        r.bit(); // double
        readPatternLines(r, d, hatch);
    }
    if (derived)
        r.bitDouble(); // pixel size
    addEntity(c, o, owner, hatch, Coordinates::Object, normal);
}

} // namespace cad::dwg
