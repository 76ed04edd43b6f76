#include "cad/render/Emitter.h"

#include "cad/render/Curves.h"

namespace cad::render {

Emitter::Emitter(Recording& recording, std::size_t maxPoints)
    : recording_(recording), maxPoints_(maxPoints) {}

bool Emitter::accept() {
    if (!full())
        return true;
    truncated_ = true;
    return false;
}

void Emitter::path(std::span<const Vec2> points, bool closed, const Pen& pen) {
    if (points.empty() || !accept())
        return;
    if (pen.dashes.continuousFor(pathLength(points, closed))) {
        recording_.addPolyline(points, closed, pen.ink, pen.source);
        return;
    }
    scratch_.clear();
    appendDashes(scratch_, points, closed, pen.dashes);
    recording_.addSegments(scratch_, pen.ink, pen.source);
}

void Emitter::ellipseArc(const Vec2& centre, const Vec2& u, const Vec2& v, double t0, double t1,
                         const Pen& pen) {
    if (!accept())
        return;
    if (pen.dashes.elements().empty()) {
        recording_.addEllipseArc(centre, u, v, t0, t1, pen.ink, pen.source);
        return;
    }
    std::vector<Vec2> points;
    appendEllipseArc(points, centre, u, v, t0, t1, kFlatteningStep);
    path(points, false, pen);
}

void Emitter::segments(std::span<const Vec2> pointPairs, const Pen& pen) {
    if (accept())
        recording_.addSegments(pointPairs, pen.ink, pen.source);
}

void Emitter::bulgePath(std::span<const Vec2> vertexBulgePairs, bool closed, const Pen& pen) {
    if (accept())
        recording_.addBulgePath(vertexBulgePairs, closed, pen.ink, pen.source);
}

void Emitter::polygon(std::span<const std::vector<Vec2>> rings, bool winding, Ink ink,
                      std::uint32_t source) {
    if (accept())
        recording_.addPolygon(rings, winding, ink, source);
}

void Emitter::text(TextRun run, const Box2& box, const Pen& pen) {
    if (accept())
        recording_.addText(std::move(run), box, pen.ink, pen.source);
}

void Emitter::point(const Vec2& position, std::int16_t mode, double size, const Pen& pen) {
    if (accept())
        recording_.addPoint(position, mode, size, pen.ink, pen.source);
}

void Emitter::infiniteLine(const Vec2& base, const Vec2& direction, bool ray, const Pen& pen) {
    if (accept())
        recording_.addInfiniteLine(base, direction, ray, pen.ink, pen.source);
}

} // namespace cad::render
