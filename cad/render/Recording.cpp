#include "cad/render/Recording.h"

#include "cad/render/Curves.h"

#include <cmath>
#include <numbers>

namespace cad::render {
namespace {

Box2 boxOf(std::span<const Vec2> points) {
    Box2 box;
    for (const Vec2& p : points)
        box.add(p);
    return box;
}

// Coordinates beyond this come only from broken files; keeping them out means
// no sum or product of two of them overflows further down.
constexpr double kMaxCoordinate = 1e150;

bool finite(const Vec2& p) {
    return std::abs(p.x) < kMaxCoordinate && std::abs(p.y) < kMaxCoordinate;
}

bool allFinite(std::span<const Vec2> points) {
    for (const Vec2& p : points)
        if (!finite(p))
            return false;
    return true;
}

} // namespace

void Recording::reserve(std::size_t primitives, std::size_t points) {
    primitives_.reserve(primitives);
    boxes_.reserve(primitives);
    points_.reserve(points);
}

Primitive& Recording::push(PrimitiveKind kind, Ink ink, std::uint32_t source, const Box2& box) {
    Primitive& p = primitives_.emplace_back();
    p.kind = kind;
    p.ink = ink;
    p.source = source;
    boxes_.push_back(box);
    if (kind != PrimitiveKind::XLine && kind != PrimitiveKind::Ray)
        bounds_.add(box);
    return p;
}

std::uint32_t Recording::appendPoints(std::span<const Vec2> points) {
    const auto first = std::uint32_t(points_.size());
    points_.insert(points_.end(), points.begin(), points.end());
    return first;
}

void Recording::addPolyline(std::span<const Vec2> points, bool closed, Ink ink,
                            std::uint32_t source) {
    if (points.empty() || !allFinite(points))
        return;
    Primitive& p = push(PrimitiveKind::Polyline, ink, source, boxOf(points));
    p.closed = closed;
    p.first = appendPoints(points);
    p.count = std::uint32_t(points.size());
}

void Recording::addSegments(std::span<const Vec2> pointPairs, Ink ink, std::uint32_t source) {
    const std::size_t n = pointPairs.size() & ~std::size_t(1);
    if (n == 0 || !allFinite(pointPairs.first(n)))
        return;
    Primitive& p = push(PrimitiveKind::Segments, ink, source, boxOf(pointPairs.first(n)));
    p.first = appendPoints(pointPairs.first(n));
    p.count = std::uint32_t(n);
}

void Recording::addBulgePath(std::span<const Vec2> vertexBulgePairs, bool closed, Ink ink,
                             std::uint32_t source) {
    const std::size_t n = vertexBulgePairs.size() & ~std::size_t(1);
    if (n == 0 || !allFinite(vertexBulgePairs.first(n)))
        return;
    const auto pairs = vertexBulgePairs.first(n);
    Primitive& p = push(PrimitiveKind::BulgePath, ink, source, bulgePathBox(pairs, closed));
    p.closed = closed;
    p.first = appendPoints(pairs);
    p.count = std::uint32_t(n);
}

void Recording::addPolygon(std::span<const std::vector<Vec2>> rings, bool winding, Ink ink,
                           std::uint32_t source) {
    std::vector<const std::vector<Vec2>*> kept;
    for (const auto& ring : rings)
        if (ring.size() >= 3 && allFinite(ring))
            kept.push_back(&ring);
    if (kept.empty())
        return;
    Box2 box;
    for (const auto* ring : kept)
        box.add(boxOf(*ring));
    Primitive& p = push(PrimitiveKind::Polygon, ink, source, box);
    p.winding = winding;
    p.first = std::uint32_t(points_.size());
    p.aux = std::uint32_t(ringSizes_.size());
    ringSizes_.push_back(std::uint32_t(kept.size()));
    for (const auto* ring : kept) {
        appendPoints(*ring);
        ringSizes_.push_back(std::uint32_t(ring->size()));
    }
    p.count = std::uint32_t(points_.size() - p.first);
}

void Recording::addEllipseArc(const Vec2& centre, const Vec2& u, const Vec2& v, double t0,
                              double t1, Ink ink, std::uint32_t source) {
    const Vec2 data[4] = {centre, u, v, {t0, t1}};
    if (!allFinite(data) || t1 < t0)
        return;
    Primitive& p =
        push(PrimitiveKind::EllipseArc, ink, source, ellipseArcBox(centre, u, v, t0, t1));
    p.first = appendPoints(data);
    p.count = 4;
}

void Recording::addText(TextRun run, const Box2& box, Ink ink, std::uint32_t source) {
    const Vec2 corners[2] = {{box.minX, box.minY}, {box.maxX, box.maxY}};
    if (run.text.isEmpty() || box.empty() || !allFinite(corners))
        return;
    Primitive& p = push(PrimitiveKind::Text, ink, source, box);
    p.aux = std::uint32_t(texts_.size());
    texts_.push_back(std::move(run));
}

void Recording::addPoint(const Vec2& position, std::int16_t mode, double size, Ink ink,
                         std::uint32_t source) {
    const Vec2 data[2] = {position, {size, 0}};
    if (!allFinite(data))
        return;
    Box2 box;
    const double half = size > 0 ? size / 2 : 0;
    box.add(position.x - half, position.y - half);
    box.add(position.x + half, position.y + half);
    Primitive& p = push(PrimitiveKind::Point, ink, source, box);
    p.first = appendPoints(data);
    p.count = 2;
    p.aux = std::uint16_t(mode);
}

void Recording::addInfiniteLine(const Vec2& base, const Vec2& direction, bool ray, Ink ink,
                                std::uint32_t source) {
    const Vec2 data[2] = {base, direction};
    if (!allFinite(data) || (direction.x == 0 && direction.y == 0))
        return;
    Box2 box;
    box.add(base);
    Primitive& p = push(ray ? PrimitiveKind::Ray : PrimitiveKind::XLine, ink, source, box);
    p.first = appendPoints(data);
    p.count = 2;
}

Box2 bulgePathBox(std::span<const Vec2> pairs, bool closed) {
    Box2 box;
    const std::size_t vertices = pairs.size() / 2;
    for (std::size_t i = 0; i < vertices; ++i)
        box.add(pairs[2 * i]);
    const std::size_t segments = closed ? vertices : vertices - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        const Vec2& p0 = pairs[2 * i];
        const Vec2& p1 = pairs[2 * ((i + 1) % vertices)];
        const double bulge = pairs[2 * i + 1].x;
        if (bulge == 0 || (p0.x == p1.x && p0.y == p1.y))
            continue;
        const BulgeArc arc = bulgeArc(p0, p1, bulge);
        const double t0 = std::min(arc.startAngle, arc.startAngle + arc.sweep);
        const double t1 = std::max(arc.startAngle, arc.startAngle + arc.sweep);
        box.add(ellipseArcBox(arc.centre, {arc.radius, 0}, {0, arc.radius}, t0, t1));
    }
    return box;
}

Box2 ellipseArcBox(const Vec2& c, const Vec2& u, const Vec2& v, double t0, double t1) {
    Box2 box;
    auto at = [&](double t) {
        box.add(c.x + u.x * std::cos(t) + v.x * std::sin(t),
                c.y + u.y * std::cos(t) + v.y * std::sin(t));
    };
    at(t0);
    at(t1);
    // The extremes in x and y: where the derivative of each coordinate is zero.
    for (const double base : {std::atan2(v.x, u.x), std::atan2(v.y, u.y)}) {
        for (int k = -4; k <= 4; ++k) {
            const double t = base + k * std::numbers::pi;
            if (t > t0 && t < t1)
                at(t);
        }
    }
    return box;
}

} // namespace cad::render
