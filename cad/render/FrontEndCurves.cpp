// Lines and curves: lines, infinite lines, points, circles, arcs, ellipses,
// polylines (bulges, widths, meshes), splines, leaders and multilines.

#include "cad/render/Curves.h"
#include "cad/render/FrontEnd.h"
#include "cad/render/OcsFrame.h"
#include "cad/render/WidthBands.h"

#include <cmath>
#include <numbers>

namespace cad::render {
namespace {

Vec2 xy(const Vec3& p) {
    return {p.x, p.y};
}

std::vector<Vec2> mapped(const Affine2& m, std::span<const Vec2> points) {
    std::vector<Vec2> out;
    out.reserve(points.size());
    for (const Vec2& p : points)
        out.push_back(m.map(p));
    return out;
}

std::vector<Vec2> projected(const Affine2& m, std::span<const Vec3> points) {
    std::vector<Vec2> out;
    out.reserve(points.size());
    for (const Vec3& p : points)
        out.push_back(m.map(p.x, p.y));
    return out;
}

// Bulges beyond this are near-full circles on a tiny chord; they are flattened
// in advance like arcs under other maps.
constexpr double kMaxKeptBulge = 1e3;

// Whether the map keeps circles circles: a rotation with a uniform scale,
// perhaps mirrored.
bool keepsCircles(const Affine2& m) {
    const double tolerance = 1e-9 * (std::abs(m.a) + std::abs(m.b) + std::abs(m.c) + std::abs(m.d));
    const bool turned = std::abs(m.a - m.d) <= tolerance && std::abs(m.b + m.c) <= tolerance;
    const bool mirrored = std::abs(m.a + m.d) <= tolerance && std::abs(m.b - m.c) <= tolerance;
    return (turned || mirrored) && m.determinant() != 0;
}

// The vertices and bulges of a continuous polyline in the world, laid out as a
// BulgePath primitive holds them; empty when it has no arcs or they would not
// stay circle arcs.
std::vector<Vec2> keptArcs(std::span<const PolyVertex> vertices, const Affine2& frame,
                           const Pen& pen) {
    bool anyArc = false;
    for (const PolyVertex& v : vertices) {
        if (!std::isfinite(v.bulge) || std::abs(v.bulge) > kMaxKeptBulge)
            return {};
        anyArc = anyArc || v.bulge != 0;
    }
    if (!anyArc || !pen.dashes.elements().empty() || !keepsCircles(frame))
        return {};
    // A mirror turns every arc the other way.
    const double sense = frame.mirrors() ? -1 : 1;
    std::vector<Vec2> pairs;
    pairs.reserve(2 * vertices.size());
    for (const PolyVertex& v : vertices) {
        pairs.push_back(frame.map(xy(v.position)));
        pairs.push_back({sense * v.bulge, 0});
    }
    return pairs;
}

} // namespace

void FrontEnd::drawEntity(const Line& e, const Context& ctx) {
    const Vec2 points[2] = {ctx.toWorld.map(xy(e.start)), ctx.toWorld.map(xy(e.end))};
    emitter_.path(points, false, penFor(e.props, ctx));
}

void FrontEnd::drawInfiniteLine(const InfiniteLine& e, bool ray, const Context& ctx) {
    emitter_.infiniteLine(ctx.toWorld.map(xy(e.base)), ctx.toWorld.mapVector(xy(e.direction)), ray,
                          penFor(e.props, ctx));
}

void FrontEnd::drawEntity(const XLine& e, const Context& ctx) {
    drawInfiniteLine(e, false, ctx);
}

void FrontEnd::drawEntity(const Ray& e, const Context& ctx) {
    drawInfiniteLine(e, true, ctx);
}

void FrontEnd::drawEntity(const Point& e, const Context& ctx) {
    const Header& h = drawing_.header;
    // A positive size is in drawing units; otherwise the back end sizes the
    // symbol to the view.
    const double size = h.pdSize > 0 ? h.pdSize * ctx.toWorld.lengthScale() : h.pdSize;
    emitter_.point(ctx.toWorld.map(xy(e.position)), h.pdMode, size, penFor(e.props, ctx));
}

void FrontEnd::drawEntity(const Circle& e, const Context& ctx) {
    const Affine2 frame = entityFrame(e.props, ctx, e.center.z);
    emitter_.ellipseArc(frame.map(xy(e.center)), frame.mapVector({e.radius, 0}),
                        frame.mapVector({0, e.radius}), 0, 2 * std::numbers::pi,
                        penFor(e.props, ctx));
}

void FrontEnd::drawEntity(const Arc& e, const Context& ctx) {
    const Affine2 frame = entityFrame(e.props, ctx, e.center.z);
    const double start = std::fmod(e.startAngle, 2 * std::numbers::pi);
    emitter_.ellipseArc(frame.map(xy(e.center)), frame.mapVector({e.radius, 0}),
                        frame.mapVector({0, e.radius}), start,
                        start + ccwSweep(e.startAngle, e.endAngle), penFor(e.props, ctx));
}

void FrontEnd::drawEntity(const Ellipse& e, const Context& ctx) {
    // The minor axis is the major axis turned a quarter about the normal.
    const Vec3 n = unitNormal(normal(e.props));
    const Vec3& m = e.majorAxis;
    const Vec3 minor{(n.y * m.z - n.z * m.y) * e.ratio, (n.z * m.x - n.x * m.z) * e.ratio,
                     (n.x * m.y - n.y * m.x) * e.ratio};
    const double start = std::fmod(e.startParam, 2 * std::numbers::pi);
    emitter_.ellipseArc(ctx.toWorld.map(xy(e.center)), ctx.toWorld.mapVector(xy(m)),
                        ctx.toWorld.mapVector(xy(minor)), start,
                        start + ccwSweep(e.startParam, e.endParam), penFor(e.props, ctx));
}

void FrontEnd::drawPolylineVertices(std::span<const PolyVertex> vertices, bool closed,
                                    const Affine2& frame, const Pen& pen, double constantWidth) {
    if (vertices.empty())
        return;
    const bool wide = constantWidth > 0 || hasWidths(vertices);
    if (wide) {
        const WidthBands bands = widthBands(vertices, closed, constantWidth, kFlatteningStep);
        std::vector<std::vector<Vec2>> rings;
        rings.reserve(bands.rings.size());
        for (const auto& band : bands.rings)
            rings.push_back(mapped(frame, band));
        emitter_.polygon(rings, true, pen.ink, pen.source);
        if (!bands.thinSegments.empty())
            emitter_.segments(mapped(frame, bands.thinSegments), pen);
        return;
    }
    if (const std::vector<Vec2> arcs = keptArcs(vertices, frame, pen); !arcs.empty()) {
        emitter_.bulgePath(arcs, closed, pen);
        return;
    }
    std::vector<Vec2> points{xy(vertices[0].position)};
    const std::size_t segments = closed ? vertices.size() : vertices.size() - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        const PolyVertex& v = vertices[i];
        const bool closing = i + 1 == vertices.size();
        const Vec2 next = xy(vertices[closing ? 0 : i + 1].position);
        appendBulgeSegment(points, xy(v.position), next, v.bulge, kFlatteningStep);
    }
    // A closing segment with a bulge was flattened above; a straight one is
    // left to the primitive's closed flag.
    const bool closingArc = closed && vertices.back().bulge != 0;
    if (closed && !closingArc)
        points.pop_back();
    emitter_.path(mapped(frame, points), closed && !closingArc, pen);
}

void FrontEnd::drawEntity(const LwPolyline& e, const Context& ctx) {
    drawPolylineVertices(Drawing::slice(drawing_.polyVertices, e.vertices), e.closed,
                         entityFrame(e.props, ctx, e.elevation), penFor(e.props, ctx),
                         e.constantWidth);
}

void FrontEnd::drawEntity(const Polyline& e, const Context& ctx) {
    const auto vertices = Drawing::slice(drawing_.polyVertices, e.vertices);
    const Pen pen = penFor(e.props, ctx);
    switch (e.kind) {
    case PolylineKind::Polyline2D: {
        const double elevation = vertices.empty() ? 0 : vertices[0].position.z;
        drawPolylineVertices(vertices, e.closed, entityFrame(e.props, ctx, elevation), pen, 0);
        break;
    }
    case PolylineKind::Polyline3D: {
        std::vector<Vec3> points;
        for (const PolyVertex& v : vertices)
            points.push_back(v.position);
        emitter_.path(projected(ctx.toWorld, points), e.closed, pen);
        break;
    }
    case PolylineKind::PolyfaceMesh:
        drawPolyfaceMesh(e, ctx.toWorld, pen);
        break;
    case PolylineKind::PolygonMesh:
        drawPolygonMesh(e, ctx.toWorld, pen);
        break;
    }
}

void FrontEnd::drawPolyfaceMesh(const Polyline& e, const Affine2& frame, const Pen& pen) {
    const auto vertices = Drawing::slice(drawing_.polyVertices, e.vertices);
    std::vector<Vec2> edges;
    for (const auto& face : Drawing::slice(drawing_.polyfaceFaces, e.faces)) {
        int corners = 0;
        while (corners < 4 && face[corners] != 0)
            ++corners;
        for (int i = 0; i < corners; ++i) {
            // A negative number hides the edge that starts at that corner.
            if (face[i] < 0)
                continue;
            const std::size_t a = std::size_t(std::abs(face[i])) - 1;
            const std::size_t b = std::size_t(std::abs(face[(i + 1) % corners])) - 1;
            if (a >= vertices.size() || b >= vertices.size())
                continue;
            edges.push_back(frame.map(xy(vertices[a].position)));
            edges.push_back(frame.map(xy(vertices[b].position)));
        }
    }
    emitter_.segments(edges, pen);
}

void FrontEnd::drawPolygonMesh(const Polyline& e, const Affine2& frame, const Pen& pen) {
    const auto vertices = Drawing::slice(drawing_.polyVertices, e.vertices);
    const std::size_t m = e.meshM, n = e.meshN;
    if (m == 0 || n == 0 || m * n > vertices.size())
        return;
    auto at = [&](std::size_t row, std::size_t col) {
        return frame.map(xy(vertices[row * n + col].position));
    };
    std::vector<Vec2> line;
    for (std::size_t row = 0; row < m; ++row) {
        line.clear();
        for (std::size_t col = 0; col < n; ++col)
            line.push_back(at(row, col));
        emitter_.path(line, e.closedN, pen);
    }
    for (std::size_t col = 0; col < n; ++col) {
        line.clear();
        for (std::size_t row = 0; row < m; ++row)
            line.push_back(at(row, col));
        emitter_.path(line, e.closed, pen);
    }
}

void FrontEnd::drawEntity(const Spline& e, const Context& ctx) {
    const auto control = Drawing::slice(drawing_.points3, e.controlPoints);
    const auto fit = Drawing::slice(drawing_.points3, e.fitPoints);
    std::vector<Vec2> points;
    if (control.size() >= 2) {
        points = sampleBSpline(e.degree, Drawing::slice(drawing_.reals, e.knots), control,
                               Drawing::slice(drawing_.reals, e.weights), 16);
    } else if (fit.size() >= 2) {
        std::vector<Vec2> through;
        for (const Vec3& p : fit)
            through.push_back(xy(p));
        points = curveThroughPoints(through, xy(e.startTangent), xy(e.endTangent), 16);
    }
    emitter_.path(mapped(ctx.toWorld, points), false, penFor(e.props, ctx));
}

void FrontEnd::drawEntity(const Leader& e, const Context& ctx) {
    const auto vertices = Drawing::slice(drawing_.points3, e.vertices);
    if (vertices.size() < 2)
        return;
    std::vector<Vec2> points;
    for (const Vec3& v : vertices)
        points.push_back(xy(v));
    if (e.splinePath)
        points = curveThroughPoints(points, {}, {}, 16);
    const Pen pen = penFor(e.props, ctx);
    const std::vector<Vec2> world = mapped(ctx.toWorld, points);
    emitter_.path(world, false, pen);
    if (!e.arrowHead)
        return;
    const DimStyle& style =
        drawing_.dimStyles[e.dimStyle < drawing_.dimStyles.size() ? e.dimStyle : 0];
    const double size =
        style.arrowSize * (style.scale > 0 ? style.scale : 1) * ctx.toWorld.lengthScale();
    const Vec2 tip = world[0];
    const Vec2 along{world[1].x - tip.x, world[1].y - tip.y};
    const double length = std::hypot(along.x, along.y);
    if (!(length > 0) || !(size > 0))
        return;
    // A closed filled arrow: as long as the arrow size, a third of it wide.
    const Vec2 unit{along.x / length, along.y / length};
    const Vec2 back{tip.x + unit.x * size, tip.y + unit.y * size};
    const Vec2 side{-unit.y * size / 6, unit.x * size / 6};
    const std::vector<std::vector<Vec2>> arrow = {
        {tip, {back.x + side.x, back.y + side.y}, {back.x - side.x, back.y - side.y}}};
    emitter_.polygon(arrow, false, pen.ink, pen.source);
}

void FrontEnd::drawEntity(const MLine& e, const Context& ctx) {
    const auto vertices = Drawing::slice(drawing_.mlineVertices, e.vertices);
    if (vertices.empty())
        return;
    const Pen pen = penFor(e.props, ctx);
    std::vector<Vec2> points;
    for (std::size_t element = 0; element < e.elementCount; ++element) {
        points.clear();
        for (const MLineVertex& v : vertices) {
            const auto offsets = Drawing::slice(drawing_.reals, v.elementOffsets);
            const double offset = element < offsets.size() ? offsets[element] : 0;
            points.push_back(ctx.toWorld.map(v.position.x + v.miter.x * offset,
                                             v.position.y + v.miter.y * offset));
        }
        emitter_.path(points, e.closed, pen);
    }
}

} // namespace cad::render
