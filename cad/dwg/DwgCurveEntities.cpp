// Readers of the DWG entities with vertex lists: the four kinds of POLYLINE
// with the VERTEX entities they own, LWPOLYLINE, SPLINE, LEADER and MLINE.

#include "cad/dwg/DwgEntities.h"

#include "cad/PoolGrowth.h"
#include "cad/ReadError.h"

#include <algorithm>
#include <cmath>

namespace cad::dwg {

namespace {

constexpr unsigned kFrameControlPoint = 16;

// Calls read(vertexObject) for every entity of type `type` the polyline owns.
template <class F> void forEachOwned(DwgReaderContext& c, const DwgObject& o, int type, F&& read) {
    auto it = c.children.find(o.handle);
    if (it == c.children.end())
        return;
    for (const std::size_t index : it->second) {
        if (c.objects[index].type != type)
            continue;
        try {
            DwgObject vertex = c.read(c.objects[index]);
            read(vertex);
        } catch (const ReadError&) {
            // An unreadable vertex is left out; the polyline keeps the others.
        }
    }
}

// The vertices of 3D polylines and meshes: flags and a point.
void readPointVertices(DwgReaderContext& c, const DwgObject& o, int type, Polyline& polyline) {
    auto& pool = c.builder.drawing().polyVertices;
    forEachOwned(c, o, type, [&](DwgObject& v) {
        const unsigned flags = v.data.rawChar();
        const Vec3 position = v.data.bitPoint3();
        if (!(flags & kFrameControlPoint))
            appendToRange(pool, polyline.vertices, PolyVertex{position});
    });
}

void addPolyline(DwgReaderContext& c, DwgObject& o, BlockIndex owner, Polyline& polyline) {
    addEntity(c, o, owner, polyline, Coordinates::World);
}

} // namespace

void readPolyline2D(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    auto& r = o.data;
    Polyline polyline;
    const unsigned flags = std::uint16_t(r.bitShort());
    r.bitShort(); // curve type
    polyline.defaultStartWidth = r.bitDouble();
    polyline.defaultEndWidth = r.bitDouble();
    r.thickness(c.r2000());
    const double elevation = r.bitDouble();
    const Vec3 normal = r.extrusion(c.r2000());
    polyline.closed = (flags & 1) != 0;
    auto& pool = c.builder.drawing().polyVertices;
    forEachOwned(c, o, kVertex2D, [&](DwgObject& v) {
        auto& vr = v.data;
        const unsigned vertexFlags = vr.rawChar();
        PolyVertex vertex;
        vertex.position = vr.bitPoint3();
        vertex.position.z = elevation;
        // A negative start width stands for equal start and end widths.
        vertex.startWidth = vr.bitDouble();
        if (vertex.startWidth < 0)
            vertex.startWidth = vertex.endWidth = -vertex.startWidth;
        else
            vertex.endWidth = vr.bitDouble();
        vertex.bulge = vr.bitDouble();
        if (!(vertexFlags & kFrameControlPoint))
            appendToRange(pool, polyline.vertices, vertex);
    });
    addEntity(c, o, owner, polyline, Coordinates::Object, normal);
}

void readPolyline3D(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    Polyline polyline;
    polyline.kind = PolylineKind::Polyline3D;
    o.data.rawChar(); // curve flags
    polyline.closed = (o.data.rawChar() & 1) != 0;
    readPointVertices(c, o, kVertex3D, polyline);
    addPolyline(c, o, owner, polyline);
}

void readPolylineMesh(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    auto& r = o.data;
    Polyline polyline;
    polyline.kind = PolylineKind::PolygonMesh;
    const unsigned flags = std::uint16_t(r.bitShort());
    r.bitShort(); // curve type
    polyline.meshM = std::uint16_t(r.bitShort());
    polyline.meshN = std::uint16_t(r.bitShort());
    polyline.closed = (flags & 1) != 0;
    polyline.closedN = (flags & 32) != 0;
    readPointVertices(c, o, kVertexMesh, polyline);
    addPolyline(c, o, owner, polyline);
}

void readPolylinePface(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    Polyline polyline;
    polyline.kind = PolylineKind::PolyfaceMesh;
    readPointVertices(c, o, kVertexPface, polyline);
    auto& faces = c.builder.drawing().polyfaceFaces;
    forEachOwned(c, o, kVertexPfaceFace, [&](DwgObject& v) {
        std::array<std::int32_t, 4> face{};
        for (auto& corner : face)
            corner = v.data.bitShort();
        appendToRange(faces, polyline.faces, face);
    });
    addPolyline(c, o, owner, polyline);
}

namespace {

enum LwPolylineFlags : unsigned {
    kLwExtrusion = 1,
    kLwThickness = 2,
    kLwConstantWidth = 4,
    kLwElevation = 8,
    kLwBulges = 16,
    kLwWidths = 32,
    kLwClosed = 512,
};

} // namespace

void readLwPolyline(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    auto& r = o.data;
    LwPolyline polyline;
    const unsigned flags = std::uint16_t(r.bitShort());
    if (flags & kLwConstantWidth)
        polyline.constantWidth = r.bitDouble();
    if (flags & kLwElevation)
        polyline.elevation = r.bitDouble();
    if (flags & kLwThickness)
        r.bitDouble();
    Vec3 normal{0, 0, 1};
    if (flags & kLwExtrusion)
        normal = r.bitPoint3();
    // Each point takes at least two bits, a bulge or a width pair as many.
    const auto points = r.count(r.bitLong(), 2);
    const auto bulges = (flags & kLwBulges) ? r.count(r.bitLong(), 2) : 0;
    const auto widths = (flags & kLwWidths) ? r.count(r.bitLong(), 4) : 0;
    polyline.closed = (flags & kLwClosed) != 0;
    auto& pool = c.builder.drawing().polyVertices;
    Vec2 previous;
    for (std::size_t i = 0; i < points; ++i) {
        Vec2 p;
        if (c.r2000() && i > 0) {
            p.x = r.defaultDouble(previous.x);
            p.y = r.defaultDouble(previous.y);
        } else {
            p = r.rawPoint2();
        }
        previous = p;
        PolyVertex vertex;
        vertex.position = {p.x, p.y, polyline.elevation};
        vertex.startWidth = vertex.endWidth = polyline.constantWidth;
        appendToRange(pool, polyline.vertices, vertex);
    }
    auto vertices = std::span(pool).subspan(polyline.vertices.first, polyline.vertices.count);
    for (std::size_t i = 0; i < bulges; ++i) {
        const double bulge = r.bitDouble();
        if (i < vertices.size())
            vertices[i].bulge = bulge;
    }
    for (std::size_t i = 0; i < widths; ++i) {
        const double start = r.bitDouble();
        const double end = r.bitDouble();
        if (i < vertices.size() && (start != 0 || end != 0)) {
            vertices[i].startWidth = start;
            vertices[i].endWidth = end;
        }
    }
    addEntity(c, o, owner, polyline, Coordinates::Object, normal);
}

namespace {

template <class T> void readSplineData(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    auto& r = o.data;
    auto& d = c.builder.drawing();
    T spline;
    const int scenario = r.bitLong();
    spline.degree = std::uint8_t(std::clamp(r.bitLong(), 1, 25));
    std::size_t fitPoints = 0;
    std::size_t knots = 0, controlPoints = 0;
    bool weighted = false;
    if (scenario == 2) {
        r.bitDouble(); // fit tolerance
        spline.startTangent = r.bitPoint3();
        spline.endTangent = r.bitPoint3();
        fitPoints = r.count(r.bitLong(), 6);
    } else {
        spline.rational = r.bit();
        spline.closed = r.bit();
        spline.periodic = r.bit();
        r.bitDouble(); // knot tolerance
        r.bitDouble(); // control point tolerance
        knots = r.count(r.bitLong(), 2);
        controlPoints = r.count(r.bitLong(), 6);
        weighted = r.bit();
    }
    for (std::size_t i = 0; i < knots; ++i)
        appendToRange(d.reals, spline.knots, r.bitDouble());
    bool anyWeight = false;
    for (std::size_t i = 0; i < controlPoints; ++i) {
        appendToRange(d.points3, spline.controlPoints, r.bitPoint3());
        if (weighted) {
            const double weight = r.bitDouble();
            appendToRange(d.reals, spline.weights, weight);
            anyWeight = anyWeight || weight != 1.0;
        }
    }
    for (std::size_t i = 0; i < fitPoints; ++i)
        appendToRange(d.points3, spline.fitPoints, r.bitPoint3());
    if (!anyWeight)
        spline.weights = {};
    addEntity(c, o, owner, spline, Coordinates::World);
}

} // namespace

void readSpline(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    readSplineData<Spline>(c, o, owner);
}
// A helix starts with the fields of the spline that approximates it; its axis
// and turns follow.
void readHelix(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    readSplineData<Helix>(c, o, owner);
}

void readLeader(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    auto& r = o.data;
    Leader leader;
    r.bit();      // unknown
    r.bitShort(); // annotation type
    leader.splinePath = r.bitShort() == 1;
    const auto points = r.count(r.bitLong(), 6);
    for (std::size_t i = 0; i < points; ++i)
        appendToRange(c.builder.drawing().points3, leader.vertices, r.bitPoint3());
    r.bitPoint3(); // origin
    r.bitPoint3(); // extrusion
    r.bitPoint3(); // x direction
    r.bitPoint3(); // offset to the block's insertion point
    if (c.file.release != Release::R13)
        r.bitPoint3(); // end point projection
    if (!c.r2000())
        r.bitDouble(); // dimension gap
    r.bitDouble();     // box height
    r.bitDouble();     // box width
    r.bit();           // hook line on the x direction
    leader.arrowHead = r.bit();
    addEntity(c, o, owner, leader, Coordinates::World);
}

void readMLine(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    auto& r = o.data;
    auto& d = c.builder.drawing();
    MLine mline;
    mline.scale = r.bitDouble();
    mline.justification = std::uint8_t(std::min<unsigned>(r.rawChar(), 2));
    r.bitPoint3(); // base point
    r.bitPoint3(); // extrusion
    mline.closed = r.bitShort() == 3;
    mline.elementCount = r.rawChar();
    const auto vertices = r.count(std::uint16_t(r.bitShort()), 18);
    for (std::size_t i = 0; i < vertices; ++i) {
        MLineVertex vertex;
        vertex.position = r.bitPoint3();
        vertex.direction = r.bitPoint3();
        vertex.miter = r.bitPoint3();
        for (unsigned element = 0; element < mline.elementCount; ++element) {
            const auto parameters = r.count(std::uint16_t(r.bitShort()), 2);
            for (std::size_t p = 0; p < parameters; ++p) {
                const double value = r.bitDouble();
                // The first parameter of an element is its offset along the miter.
                if (p == 0)
                    appendToRange(d.reals, vertex.elementOffsets, value);
            }
            const auto fills = r.count(std::uint16_t(r.bitShort()), 2);
            for (std::size_t p = 0; p < fills; ++p)
                r.bitDouble();
        }
        appendToRange(d.mlineVertices, mline.vertices, vertex);
    }
    const auto style = o.handles.handle().resolve(o.handle);
    mline.styleName = DwgReaderContext::lookup(c.mlineStyles, style, c.builder.intern("STANDARD"));
    addEntity(c, o, owner, mline, Coordinates::World);
}

} // namespace cad::dwg
