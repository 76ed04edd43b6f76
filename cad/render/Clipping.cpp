#include "cad/render/Clipping.h"

#include <algorithm>

namespace cad::render {

bool clipParametric(const Vec2& p, const Vec2& d, const Box2& box, double& t0, double& t1) {
    const double q[4][2] = {{-d.x, p.x - box.minX},
                            {d.x, box.maxX - p.x},
                            {-d.y, p.y - box.minY},
                            {d.y, box.maxY - p.y}};
    for (const auto& [den, num] : q) {
        if (den == 0) {
            if (num < 0)
                return false;
            continue;
        }
        const double t = num / den;
        if (den < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    return true;
}

bool clipSegment(Vec2& a, Vec2& b, const Box2& box) {
    const Vec2 d{b.x - a.x, b.y - a.y};
    double t0 = 0, t1 = 1;
    if (!clipParametric(a, d, box, t0, t1))
        return false;
    const Vec2 start = a;
    a = {start.x + d.x * t0, start.y + d.y * t0};
    b = {start.x + d.x * t1, start.y + d.y * t1};
    return true;
}

namespace {

// Keeps the part of the ring on the inner side of one box edge.
template <class Inside, class Cross>
std::vector<QPointF> clipEdge(const std::vector<QPointF>& in, Inside inside, Cross cross) {
    std::vector<QPointF> out;
    if (in.empty())
        return out;
    out.reserve(in.size() + 4);
    QPointF prev = in.back();
    bool prevIn = inside(prev);
    for (const QPointF& cur : in) {
        const bool curIn = inside(cur);
        if (curIn != prevIn)
            out.push_back(cross(prev, cur));
        if (curIn)
            out.push_back(cur);
        prev = cur;
        prevIn = curIn;
    }
    return out;
}

QPointF atX(const QPointF& a, const QPointF& b, double x) {
    const double t = (x - a.x()) / (b.x() - a.x());
    return {x, a.y() + (b.y() - a.y()) * t};
}

QPointF atY(const QPointF& a, const QPointF& b, double y) {
    const double t = (y - a.y()) / (b.y() - a.y());
    return {a.x() + (b.x() - a.x()) * t, y};
}

} // namespace

std::vector<QPointF> clipRing(std::span<const QPointF> ring, const Box2& box) {
    std::vector<QPointF> r(ring.begin(), ring.end());
    r = clipEdge(
        r, [&](const QPointF& p) { return p.x() >= box.minX; },
        [&](const QPointF& a, const QPointF& b) { return atX(a, b, box.minX); });
    r = clipEdge(
        r, [&](const QPointF& p) { return p.x() <= box.maxX; },
        [&](const QPointF& a, const QPointF& b) { return atX(a, b, box.maxX); });
    r = clipEdge(
        r, [&](const QPointF& p) { return p.y() >= box.minY; },
        [&](const QPointF& a, const QPointF& b) { return atY(a, b, box.minY); });
    r = clipEdge(
        r, [&](const QPointF& p) { return p.y() <= box.maxY; },
        [&](const QPointF& a, const QPointF& b) { return atY(a, b, box.maxY); });
    return r;
}

} // namespace cad::render
