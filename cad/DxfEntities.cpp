#include "cad/DxfEntities.h"

#include "cad/DxfEntityCommon.h"
#include "cad/PoolGrowth.h"

#include <unordered_map>

namespace cad {

DxfEntityReader findDxfEntityReader(std::string_view type) {
    static const std::unordered_map<std::string_view, DxfEntityReader> readers = {
        {"LINE", readLine},         {"XLINE", readXLine},
        {"RAY", readRay},           {"POINT", readPoint},
        {"CIRCLE", readCircle},     {"ARC", readArc},
        {"ELLIPSE", readEllipse},   {"LWPOLYLINE", readLwPolyline},
        {"POLYLINE", readPolyline}, {"SPLINE", readSpline},
        {"TEXT", readText},         {"MTEXT", readMText},
        {"ATTRIB", readAttrib},     {"ATTDEF", readAttDef},
        {"INSERT", readInsert},     {"DIMENSION", readDimension},
        {"LEADER", readLeader},     {"HATCH", readHatch},
        {"SOLID", readSolid},       {"TRACE", readTrace},
        {"3DFACE", readFace3D},     {"WIPEOUT", readWipeout},
        {"MLINE", readMLine},       {"VIEWPORT", readViewport},
        {"IMAGE", readImage},       {"HELIX", readHelix},
    };
    auto it = readers.find(type);
    return it == readers.end() ? nullptr : it->second;
}

void readLine(DxfReaderContext& c) {
    EntityCommon common;
    Line line;
    readEntityGroups(c, common,
                     [&] { c.coordinate(10, line.start) || c.coordinate(11, line.end); });
    addEntity(c, line, common, Coordinates::World);
}

namespace {

template <class T> void readInfiniteLine(DxfReaderContext& c) {
    EntityCommon common;
    T line;
    readEntityGroups(c, common,
                     [&] { c.coordinate(10, line.base) || c.coordinate(11, line.direction); });
    addEntity(c, line, common, Coordinates::World);
}

template <class T> void readQuad(DxfReaderContext& c, Coordinates coordinates) {
    EntityCommon common;
    T quad;
    bool fourth = false;
    readEntityGroups(c, common, [&] {
        for (int i = 0; i < 4; ++i)
            if (c.coordinate(10 + i, quad.corners[i])) {
                fourth = fourth || i == 3;
                return;
            }
        if (c.group.code == 70)
            quad.invisibleEdges = std::uint8_t(c.integer(0, 15));
    });
    // Without a fourth corner the outline is a triangle.
    if (!fourth)
        quad.corners[3] = quad.corners[2];
    addEntity(c, quad, common, coordinates);
}

template <class T> void readRasterFrame(DxfReaderContext& c) {
    EntityCommon common;
    T frame;
    Vec3 size;
    readEntityGroups(c, common, [&] {
        if (c.coordinate(10, frame.insertion) || c.coordinate(11, frame.uVector) ||
            c.coordinate(12, frame.vVector) || c.coordinate(13, size))
            return;
        auto& clip = c.drawing().points2;
        switch (c.group.code) {
        case 14:
            appendToRange(clip, frame.clip, Vec2{c.real(), 0});
            break;
        case 24:
            if (frame.clip.count > 0)
                clip.back().y = c.real();
            break;
        case 71:
            frame.clipType = std::uint8_t(c.integer(1, 2));
            break;
        case 280:
            frame.clipping = c.flag();
            break;
        case 340:
            frame.imageDefHandle = c.tokens.handle(c.group);
            break;
        default:
            break;
        }
    });
    frame.pixelSize = Vec2{size.x, size.y};
    addEntity(c, frame, common, Coordinates::World);
}

} // namespace

void readXLine(DxfReaderContext& c) {
    readInfiniteLine<XLine>(c);
}
void readRay(DxfReaderContext& c) {
    readInfiniteLine<Ray>(c);
}

void readPoint(DxfReaderContext& c) {
    EntityCommon common;
    Point point;
    readEntityGroups(c, common, [&] {
        if (!c.coordinate(10, point.position) && c.group.code == 50)
            point.xAxisAngle = c.angle();
    });
    addEntity(c, point, common, Coordinates::World);
}

void readCircle(DxfReaderContext& c) {
    EntityCommon common;
    Circle circle;
    readEntityGroups(c, common, [&] {
        if (!c.coordinate(10, circle.center) && c.group.code == 40)
            circle.radius = c.real();
    });
    addEntity(c, circle, common, Coordinates::Object);
}

void readArc(DxfReaderContext& c) {
    EntityCommon common;
    Arc arc;
    readEntityGroups(c, common, [&] {
        if (c.coordinate(10, arc.center))
            return;
        if (c.group.code == 40)
            arc.radius = c.real();
        else if (c.group.code == 50)
            arc.startAngle = c.angle();
        else if (c.group.code == 51)
            arc.endAngle = c.angle();
    });
    addEntity(c, arc, common, Coordinates::Object);
}

void readEllipse(DxfReaderContext& c) {
    EntityCommon common;
    Ellipse ellipse;
    readEntityGroups(c, common, [&] {
        if (c.coordinate(10, ellipse.center) || c.coordinate(11, ellipse.majorAxis))
            return;
        if (c.group.code == 40)
            ellipse.ratio = c.real();
        else if (c.group.code == 41)
            ellipse.startParam = c.real();
        else if (c.group.code == 42)
            ellipse.endParam = c.real();
    });
    // World coordinates, with the extrusion kept as the ellipse's normal.
    addEntity(c, ellipse, common, Coordinates::Object);
}

void readSolid(DxfReaderContext& c) {
    readQuad<Solid>(c, Coordinates::Object);
}
void readTrace(DxfReaderContext& c) {
    readQuad<Trace>(c, Coordinates::Object);
}
void readFace3D(DxfReaderContext& c) {
    readQuad<Face3D>(c, Coordinates::World);
}
void readWipeout(DxfReaderContext& c) {
    readRasterFrame<Wipeout>(c);
}
void readImage(DxfReaderContext& c) {
    readRasterFrame<Image>(c);
}

void readViewport(DxfReaderContext& c) {
    EntityCommon common;
    Viewport viewport;
    Vec3 viewCenter;
    readEntityGroups(c, common, [&] {
        if (c.coordinate(10, viewport.center) || c.coordinate(12, viewCenter))
            return;
        switch (c.group.code) {
        case 40:
            viewport.width = c.real();
            break;
        case 41:
            viewport.height = c.real();
            break;
        case 45:
            viewport.viewHeight = c.real();
            break;
        case 69:
            viewport.id = std::uint16_t(c.integer(0, 65535));
            break;
        default:
            break;
        }
    });
    viewport.viewCenter = Vec2{viewCenter.x, viewCenter.y};
    addEntity(c, viewport, common, Coordinates::World);
}

} // namespace cad
