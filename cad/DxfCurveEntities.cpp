// Readers of the DXF entities with vertex lists: LWPOLYLINE, POLYLINE with its
// VERTEX entities, SPLINE, LEADER and MLINE.

#include "cad/DxfEntities.h"

#include "cad/DxfEntityCommon.h"
#include "cad/PoolGrowth.h"

namespace cad {

namespace {

constexpr std::size_t kNone = ~std::size_t(0);

bool isName(DxfReaderContext& c, std::string_view name) {
    return c.group.code == 0 && c.name() == name;
}

} // namespace

void readLwPolyline(DxfReaderContext& c) {
    EntityCommon common;
    LwPolyline polyline;
    auto& pool = c.drawing().polyVertices;
    std::size_t vertex = kNone;
    readEntityGroups(c, common, [&] {
        if (c.group.code == 10) {
            vertex = appendToRange(pool, polyline.vertices);
            pool[vertex].position.x = c.real();
            return;
        }
        const int code = c.group.code;
        if (vertex == kNone && (code == 20 || code == 40 || code == 41 || code == 42))
            return;
        switch (c.group.code) {
        case 20:
            pool[vertex].position.y = c.real();
            break;
        case 40:
            pool[vertex].startWidth = c.real();
            break;
        case 41:
            pool[vertex].endWidth = c.real();
            break;
        case 42:
            pool[vertex].bulge = c.real();
            break;
        case 38:
            polyline.elevation = c.real();
            break;
        case 43:
            polyline.constantWidth = c.real();
            break;
        case 70:
            polyline.closed = (c.integer() & 1) != 0;
            break;
        default:
            break;
        }
    });
    for (auto& v : std::span(pool).subspan(polyline.vertices.first, polyline.vertices.count)) {
        v.position.z = polyline.elevation;
        if (v.startWidth == 0 && v.endWidth == 0)
            v.startWidth = v.endWidth = polyline.constantWidth;
    }
    addEntity(c, polyline, common, Coordinates::Object);
}

namespace {

enum PolylineFlags : unsigned {
    kClosed = 1,
    kPolyline3D = 8,
    kPolygonMesh = 16,
    kClosedN = 32,
    kPolyfaceMesh = 64,
};

enum VertexFlags : unsigned {
    kFrameControlPoint = 16,
    kPolyfaceVertex = 128,
    kMeshVertex = 64,
};

// Reads the VERTEX entities after a POLYLINE up to its SEQEND (or the first
// entity that is neither).
void readVertices(DxfReaderContext& c, Polyline& polyline) {
    auto& vertices = c.drawing().polyVertices;
    auto& faces = c.drawing().polyfaceFaces;
    while (c.next()) {
        if (c.group.code != 0 || c.name() != "VERTEX") {
            if (!isName(c, "SEQEND"))
                c.tokens.pushBack();
            else
                c.skipObject();
            return;
        }
        EntityCommon common;
        PolyVertex vertex;
        vertex.startWidth = polyline.defaultStartWidth;
        vertex.endWidth = polyline.defaultEndWidth;
        unsigned flags = 0;
        std::array<std::int32_t, 4> face{};
        readEntityGroups(c, common, [&] {
            if (c.coordinate(10, vertex.position))
                return;
            switch (c.group.code) {
            case 40:
                vertex.startWidth = c.real();
                break;
            case 41:
                vertex.endWidth = c.real();
                break;
            case 42:
                vertex.bulge = c.real();
                break;
            case 70:
                flags = unsigned(c.integer(0, 0xFFFF));
                break;
            case 71:
            case 72:
            case 73:
            case 74:
                face[c.group.code - 71] = std::int32_t(c.integer(-32768, 32767));
                break;
            default:
                break;
            }
        });
        if (polyline.kind == PolylineKind::PolyfaceMesh && (flags & kPolyfaceVertex) &&
            !(flags & kMeshVertex))
            appendToRange(faces, polyline.faces, face);
        else if (!(flags & kFrameControlPoint))
            appendToRange(vertices, polyline.vertices, vertex);
    }
}

} // namespace

void readPolyline(DxfReaderContext& c) {
    EntityCommon common;
    Polyline polyline;
    unsigned flags = 0;
    Vec3 elevation;
    readEntityGroups(c, common, [&] {
        if (c.coordinate(10, elevation))
            return;
        switch (c.group.code) {
        case 70:
            flags = unsigned(c.integer(0, 0xFFFF));
            break;
        case 71:
            polyline.meshM = std::uint16_t(c.integer(0, 65535));
            break;
        case 72:
            polyline.meshN = std::uint16_t(c.integer(0, 65535));
            break;
        case 40:
            polyline.defaultStartWidth = c.real();
            break;
        case 41:
            polyline.defaultEndWidth = c.real();
            break;
        default:
            break;
        }
    });
    polyline.closed = (flags & kClosed) != 0;
    polyline.closedN = (flags & kClosedN) != 0;
    polyline.kind = (flags & kPolyfaceMesh)  ? PolylineKind::PolyfaceMesh
                    : (flags & kPolygonMesh) ? PolylineKind::PolygonMesh
                    : (flags & kPolyline3D)  ? PolylineKind::Polyline3D
                                             : PolylineKind::Polyline2D;
    readVertices(c, polyline);
    const bool planar = polyline.kind == PolylineKind::Polyline2D;
    if (planar)
        for (auto& v : std::span(c.drawing().polyVertices)
                           .subspan(polyline.vertices.first, polyline.vertices.count))
            v.position.z = elevation.z;
    addEntity(c, polyline, common, planar ? Coordinates::Object : Coordinates::World);
}

namespace {

template <class T> void readSplineData(DxfReaderContext& c) {
    EntityCommon common;
    T spline;
    auto& d = c.drawing();
    std::size_t control = kNone;
    std::size_t fit = kNone;
    bool weighted = false;
    bool splineData = true;
    readEntityGroups(c, common, [&] {
        // A helix's own subclass follows the spline's, with points of its axis.
        if (c.group.code == 100)
            splineData = c.name() != "AcDbHelix";
        if (!splineData)
            return;
        if (c.coordinate(12, spline.startTangent) || c.coordinate(13, spline.endTangent))
            return;
        switch (c.group.code) {
        case 10:
            control = appendToRange(d.points3, spline.controlPoints);
            d.points3[control].x = c.real();
            break;
        case 20:
        case 30:
            if (control != kNone)
                c.coordinate(10, d.points3[control]);
            break;
        case 11:
            fit = appendToRange(d.points3, spline.fitPoints);
            d.points3[fit].x = c.real();
            break;
        case 21:
        case 31:
            if (fit != kNone)
                c.coordinate(11, d.points3[fit]);
            break;
        case 40:
            appendToRange(d.reals, spline.knots, c.real());
            break;
        case 41:
            appendToRange(d.reals, spline.weights, c.real());
            weighted = weighted || d.reals.back() != 1.0;
            break;
        case 70: {
            const auto flags = c.integer();
            spline.closed = (flags & 1) != 0;
            spline.periodic = (flags & 2) != 0;
            spline.rational = (flags & 4) != 0;
            break;
        }
        case 71:
            spline.degree = std::uint8_t(c.integer(1, 25));
            break;
        default:
            break;
        }
    });
    // Control points and fit points share points3: a range is only contiguous
    // when the file lists one kind after the other, as writers do.
    if (!weighted)
        spline.weights = {};
    addEntity(c, spline, common, Coordinates::World);
}

} // namespace

void readSpline(DxfReaderContext& c) {
    readSplineData<Spline>(c);
}
// A helix carries the groups of the spline that approximates it, and its axis
// (groups 10 and 11 of its own subclass, which come after the spline's).
void readHelix(DxfReaderContext& c) {
    readSplineData<Helix>(c);
}

void readLeader(DxfReaderContext& c) {
    EntityCommon common;
    Leader leader;
    auto& points = c.drawing().points3;
    std::size_t vertex = kNone;
    readEntityGroups(c, common, [&] {
        switch (c.group.code) {
        case 10:
            vertex = appendToRange(points, leader.vertices);
            points[vertex].x = c.real();
            break;
        case 20:
        case 30:
            if (vertex != kNone)
                c.coordinate(10, points[vertex]);
            break;
        case 3:
            leader.dimStyle = c.builder.dimStyle(c.text());
            break;
        case 71:
            leader.arrowHead = c.flag();
            break;
        case 72:
            leader.splinePath = c.flag();
            break;
        default:
            break;
        }
    });
    addEntity(c, leader, common, Coordinates::World);
}

void readMLine(DxfReaderContext& c) {
    EntityCommon common;
    MLine mline;
    auto& d = c.drawing();
    auto& vertices = d.mlineVertices;
    std::size_t vertex = kNone;
    bool elementStarts = false;
    readEntityGroups(c, common, [&] {
        if (vertex != kNone && (c.coordinate(12, vertices[vertex].direction) ||
                                c.coordinate(13, vertices[vertex].miter)))
            return;
        switch (c.group.code) {
        case 11:
            vertex = appendToRange(vertices, mline.vertices);
            vertices[vertex].position.x = c.real();
            break;
        case 21:
        case 31:
            if (vertex != kNone)
                c.coordinate(11, vertices[vertex].position);
            break;
        case 2:
            mline.styleName = c.internText();
            break;
        case 40:
            mline.scale = c.real();
            break;
        case 70:
            mline.justification = std::uint8_t(c.integer(0, 2));
            break;
        case 71:
            mline.closed = (c.integer() & 2) != 0;
            break;
        case 73:
            mline.elementCount = std::uint8_t(c.integer(0, 255));
            break;
        case 74:
            elementStarts = true;
            break;
        case 41:
            // The first parameter of an element is its offset along the miter.
            if (vertex != kNone && elementStarts)
                appendToRange(d.reals, vertices[vertex].elementOffsets, c.real());
            elementStarts = false;
            break;
        default:
            break;
        }
    });
    addEntity(c, mline, common, Coordinates::World);
}

} // namespace cad
