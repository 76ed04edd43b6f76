#include "cad/render/HatchGeometry.h"

#include "cad/render/Curves.h"
#include "cad/render/Emitter.h"

#include <algorithm>
#include <cmath>

namespace cad::render {
namespace {

double distance(const Vec2& a, const Vec2& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

std::vector<Vec2> flattenEdge(const Drawing& d, const HatchEdge& edge) {
    std::vector<Vec2> pts;
    switch (edge.type) {
    case HatchEdgeType::Line:
        pts = {edge.start, edge.end};
        break;
    case HatchEdgeType::Arc:
    case HatchEdgeType::Ellipse: {
        const bool arc = edge.type == HatchEdgeType::Arc;
        const Vec2 u = arc ? Vec2{edge.radius, 0} : edge.end;
        const Vec2 v =
            arc ? Vec2{0, edge.radius} : Vec2{-edge.end.y * edge.radius, edge.end.x * edge.radius};
        const double t0 = edge.startAngle;
        appendEllipseArc(pts, edge.start, u, v, t0, t0 + ccwSweep(t0, edge.endAngle),
                         kFlatteningStep);
        if (!edge.counterClockwise)
            std::reverse(pts.begin(), pts.end());
        break;
    }
    case HatchEdgeType::Spline: {
        const auto control = Drawing::slice(d.points2, edge.controlPoints);
        if (control.size() >= 2) {
            std::vector<Vec3> control3;
            for (const Vec2& p : control)
                control3.push_back({p.x, p.y, 0});
            pts = sampleBSpline(edge.degree, Drawing::slice(d.reals, edge.knots), control3,
                                Drawing::slice(d.reals, edge.weights), 16);
        } else
            pts = curveThroughPoints(Drawing::slice(d.points2, edge.fitPoints), {}, {}, 16);
        break;
    }
    case HatchEdgeType::Polyline: {
        const auto vertices = Drawing::slice(d.polyVertices, edge.vertices);
        if (vertices.empty())
            break;
        pts.push_back({vertices[0].position.x, vertices[0].position.y});
        const std::size_t n = vertices.size();
        const std::size_t segments = edge.closed ? n : n - 1;
        for (std::size_t i = 0; i < segments; ++i) {
            const auto& a = vertices[i].position;
            const auto& b = vertices[(i + 1) % n].position;
            appendBulgeSegment(pts, {a.x, a.y}, {b.x, b.y}, vertices[i].bulge, kFlatteningStep);
        }
        break;
    }
    }
    return pts;
}

void appendJoined(Loop& loop, std::vector<Vec2> pts) {
    if (pts.empty())
        return;
    if (!loop.empty() && distance(loop.back(), pts.back()) < distance(loop.back(), pts.front()))
        std::reverse(pts.begin(), pts.end());
    for (const Vec2& p : pts)
        if (loop.empty() || !(loop.back() == p))
            loop.push_back(p);
}

} // namespace

std::vector<Loop> hatchLoops(const Drawing& drawing, const Hatch& hatch) {
    std::vector<Loop> loops;
    for (const HatchPath& path : Drawing::slice(drawing.hatchPaths, hatch.paths)) {
        Loop loop;
        for (const HatchEdge& edge : Drawing::slice(drawing.hatchEdges, path.edges))
            appendJoined(loop, flattenEdge(drawing, edge));
        if (loop.size() > 1 && loop.back() == loop.front())
            loop.pop_back();
        if (loop.size() >= 3)
            loops.push_back(std::move(loop));
    }
    return loops;
}

bool appendPatternLines(std::vector<Vec2>& segments, const std::vector<Loop>& loops,
                        const HatchPatternLine& line, const DashPattern& dashes,
                        std::size_t maxRows) {
    const Vec2 dir{std::cos(line.angle), std::sin(line.angle)};
    const Vec2 normal{-dir.y, dir.x};
    const double spacing = line.offset.x * normal.x + line.offset.y * normal.y;
    if (!(std::abs(spacing) > 0) || !std::isfinite(spacing))
        return false;
    // The range of rows that cross the loops: project every point on the normal.
    double lo = INFINITY, hi = -INFINITY;
    for (const Loop& loop : loops)
        for (const Vec2& p : loop) {
            const double s = (p.x - line.base.x) * normal.x + (p.y - line.base.y) * normal.y;
            lo = std::min(lo, s);
            hi = std::max(hi, s);
        }
    if (!(hi >= lo))
        return true;
    const double first = std::ceil(std::min(lo / spacing, hi / spacing));
    const double last = std::floor(std::max(lo / spacing, hi / spacing));
    if (!(last - first < double(maxRows)))
        return false;
    std::vector<double> crossings;
    for (double row = first; row <= last; ++row) {
        // Row `row` passes through base + row * offset, running along dir.
        const Vec2 origin{line.base.x + line.offset.x * row, line.base.y + line.offset.y * row};
        crossings.clear();
        for (const Loop& loop : loops) {
            for (std::size_t i = 0; i < loop.size(); ++i) {
                const Vec2& a = loop[i];
                const Vec2& b = loop[(i + 1) % loop.size()];
                const double sa = (a.x - origin.x) * normal.x + (a.y - origin.y) * normal.y;
                const double sb = (b.x - origin.x) * normal.x + (b.y - origin.y) * normal.y;
                // Half-open test, so that a vertex on the line counts once.
                if ((sa > 0) == (sb > 0))
                    continue;
                const double k = sa / (sa - sb);
                const Vec2 hit{a.x + (b.x - a.x) * k, a.y + (b.y - a.y) * k};
                crossings.push_back((hit.x - origin.x) * dir.x + (hit.y - origin.y) * dir.y);
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
            appendDashedSpan(segments, origin, dir, crossings[i], crossings[i + 1], dashes);
    }
    return true;
}

} // namespace cad::render
