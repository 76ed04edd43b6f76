// The entity type table, and the readers of the entities with fixed fields:
// LINE, CIRCLE, ARC, POINT, ELLIPSE, RAY, XLINE, SOLID, TRACE and 3DFACE.

#include "cad/dwg/DwgEntities.h"

#include "cad/PoolGrowth.h"

#include <unordered_map>

namespace cad::dwg {

namespace {

struct FixedEntity {
    int type;
    std::string_view name;
    EntityReader reader;
};

constexpr FixedEntity kFixedEntities[] = {
    {kText, "TEXT", readText},
    {kAttrib, "ATTRIB", readAttrib},
    {kAttDef, "ATTDEF", readAttDef},
    {kInsert, "INSERT", readInsert},
    {kMInsert, "INSERT", readMInsert},
    {kPolyline2D, "POLYLINE", readPolyline2D},
    {kPolyline3D, "POLYLINE", readPolyline3D},
    {kArc, "ARC", readArc},
    {kCircle, "CIRCLE", readCircle},
    {kLine, "LINE", readLine},
    {0x14, "DIMENSION", readDimension},
    {0x15, "DIMENSION", readDimension},
    {0x16, "DIMENSION", readDimension},
    {0x17, "DIMENSION", readDimension},
    {0x18, "DIMENSION", readDimension},
    {0x19, "DIMENSION", readDimension},
    {0x1A, "DIMENSION", readDimension},
    {kPoint, "POINT", readPoint},
    {kFace3D, "3DFACE", readFace3D},
    {kPolylinePface, "POLYLINE", readPolylinePface},
    {kPolylineMesh, "POLYLINE", readPolylineMesh},
    {kSolid, "SOLID", readSolid},
    {kTrace, "TRACE", readTrace},
    {0x21, "SHAPE", nullptr},
    {0x22, "VIEWPORT", nullptr},
    {kEllipse, "ELLIPSE", readEllipse},
    {kSpline, "SPLINE", readSpline},
    {0x25, "REGION", nullptr},
    {0x26, "3DSOLID", nullptr},
    {0x27, "BODY", nullptr},
    {kRay, "RAY", readRay},
    {kXLine, "XLINE", readXLine},
    {0x2B, "OLEFRAME", nullptr},
    {kMTextType, "MTEXT", readMText},
    {kLeaderType, "LEADER", readLeader},
    {0x2E, "TOLERANCE", nullptr},
    {kMLineType, "MLINE", readMLine},
    {0x4A, "OLE2FRAME", nullptr},
    {kLwPolylineType, "LWPOLYLINE", readLwPolyline},
    {0x4E, "HATCH", readHatch},
    {kBlock, "BLOCK", nullptr},
    {kEndBlock, "ENDBLK", nullptr},
    {kSeqEnd, "SEQEND", nullptr},
    {kVertex2D, "VERTEX", nullptr},
    {kVertex3D, "VERTEX", nullptr},
};

const FixedEntity* fixedEntity(int type) {
    for (const auto& e : kFixedEntities)
        if (e.type == type)
            return &e;
    return nullptr;
}

// Entity types that files of some releases define as classes.
EntityReader classReader(std::string_view name) {
    static const std::unordered_map<std::string_view, EntityReader> readers = {
        {"LWPOLYLINE", readLwPolyline}, {"IMAGE", readImage},     {"HELIX", readHelix},
        {"HATCH", readHatch},           {"WIPEOUT", readWipeout},
    };
    auto it = readers.find(name);
    return it == readers.end() ? nullptr : it->second;
}

const DwgClass* classOf(const DwgFile& file, int type) {
    auto it = file.classes.find(type);
    return it == file.classes.end() ? nullptr : &it->second;
}

template <class T> void readInfiniteLine(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    T line;
    line.base = o.data.bitPoint3();
    line.direction = o.data.bitPoint3();
    addEntity(c, o, owner, line, Coordinates::World);
}

// SOLID and TRACE: four corners in the entity's plane at its elevation.
template <class T> void readPlanarQuad(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    auto& r = o.data;
    T quad;
    r.thickness(c.r2000());
    const double elevation = r.bitDouble();
    for (auto& corner : quad.corners) {
        const Vec2 p = r.rawPoint2();
        corner = {p.x, p.y, elevation};
    }
    const Vec3 normal = r.extrusion(c.r2000());
    addEntity(c, o, owner, quad, Coordinates::Object, normal);
}

// IMAGE and WIPEOUT: the frame, display settings and clip boundary.
template <class T> void readRasterFrame(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    auto& r = o.data;
    T frame;
    r.bitLong(); // class version
    frame.insertion = r.bitPoint3();
    frame.uVector = r.bitPoint3();
    frame.vVector = r.bitPoint3();
    frame.pixelSize = r.rawPoint2();
    r.bitShort(); // display properties
    frame.clipping = r.bit();
    r.rawChar(); // brightness
    r.rawChar(); // contrast
    r.rawChar(); // fade
    frame.clipType = r.bitShort() == 1 ? 1 : 2;
    const auto corners = frame.clipType == 1 ? 2 : r.count(r.bitLong(), 128);
    auto& clip = c.builder.drawing().points2;
    for (std::size_t i = 0; i < corners; ++i)
        appendToRange(clip, frame.clip, r.rawPoint2());
    frame.imageDefHandle = o.handles.handle().resolve(o.handle);
    addEntity(c, o, owner, frame, Coordinates::World);
}

// Three default doubles, each defaulting to the coordinate of `previous`.
Vec3 defaultPoint3(BitReader& r, const Vec3& previous) {
    const double x = r.defaultDouble(previous.x);
    const double y = r.defaultDouble(previous.y);
    return {x, y, r.defaultDouble(previous.z)};
}

} // namespace

EntityReader findEntityReader(const DwgFile& file, int type) {
    if (const auto* fixed = fixedEntity(type))
        return fixed->reader;
    const auto* c = classOf(file, type);
    return c ? classReader(c->dxfName) : nullptr;
}

std::string_view entityTypeName(const DwgFile& file, int type) {
    if (const auto* fixed = fixedEntity(type))
        return fixed->name;
    const auto* c = classOf(file, type);
    return c ? std::string_view(c->dxfName) : std::string_view("UNKNOWN");
}

void readLine(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    auto& r = o.data;
    Line line;
    if (c.r2000()) {
        // The end point's coordinates default to the start point's.
        const bool flat = r.bit();
        line.start.x = r.rawDouble();
        line.end.x = r.defaultDouble(line.start.x);
        line.start.y = r.rawDouble();
        line.end.y = r.defaultDouble(line.start.y);
        if (!flat) {
            line.start.z = r.rawDouble();
            line.end.z = r.defaultDouble(line.start.z);
        }
    } else {
        line.start = r.bitPoint3();
        line.end = r.bitPoint3();
    }
    addEntity(c, o, owner, line, Coordinates::World);
}

void readCircle(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    auto& r = o.data;
    Circle circle;
    circle.center = r.bitPoint3();
    circle.radius = r.bitDouble();
    r.thickness(c.r2000());
    const Vec3 normal = r.extrusion(c.r2000());
    addEntity(c, o, owner, circle, Coordinates::Object, normal);
}

void readArc(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    auto& r = o.data;
    Arc arc;
    arc.center = r.bitPoint3();
    arc.radius = r.bitDouble();
    r.thickness(c.r2000());
    const Vec3 normal = r.extrusion(c.r2000());
    arc.startAngle = r.bitDouble();
    arc.endAngle = r.bitDouble();
    addEntity(c, o, owner, arc, Coordinates::Object, normal);
}

void readPoint(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    auto& r = o.data;
    Point point;
    point.position = r.bitPoint3();
    r.thickness(c.r2000());
    r.extrusion(c.r2000());
    point.xAxisAngle = r.bitDouble();
    addEntity(c, o, owner, point, Coordinates::World);
}

void readEllipse(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    auto& r = o.data;
    Ellipse ellipse;
    ellipse.center = r.bitPoint3();
    ellipse.majorAxis = r.bitPoint3();
    const Vec3 normal = r.bitPoint3();
    ellipse.ratio = r.bitDouble();
    ellipse.startParam = r.bitDouble();
    ellipse.endParam = r.bitDouble();
    // World coordinates, with the normal kept as the ellipse's extrusion.
    addEntity(c, o, owner, ellipse, Coordinates::Object, normal);
}

void readRay(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    readInfiniteLine<Ray>(c, o, owner);
}
void readXLine(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    readInfiniteLine<XLine>(c, o, owner);
}
void readSolid(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    readPlanarQuad<Solid>(c, o, owner);
}
void readTrace(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    readPlanarQuad<Trace>(c, o, owner);
}

void readImage(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    readRasterFrame<Image>(c, o, owner);
}
void readWipeout(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    readRasterFrame<Wipeout>(c, o, owner);
}

void readFace3D(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    auto& r = o.data;
    Face3D face;
    if (c.r2000()) {
        const bool noFlags = r.bit();
        const bool flat = r.bit();
        face.corners[0].x = r.rawDouble();
        face.corners[0].y = r.rawDouble();
        if (!flat)
            face.corners[0].z = r.rawDouble();
        for (int i = 1; i < 4; ++i)
            face.corners[i] = defaultPoint3(r, face.corners[i - 1]);
        if (!noFlags)
            face.invisibleEdges = std::uint8_t(r.bitShort() & 15);
    } else {
        for (auto& corner : face.corners)
            corner = r.bitPoint3();
        face.invisibleEdges = std::uint8_t(r.bitShort() & 15);
    }
    addEntity(c, o, owner, face, Coordinates::World);
}

} // namespace cad::dwg
