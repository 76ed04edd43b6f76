#include "cad/render/Scene.h"

#include <algorithm>
#include <cmath>

namespace cad::render {

std::shared_ptr<const Scene> Scene::build(const Drawing& drawing, FrontEndLimits limits) {
    auto scene = std::make_shared<Scene>();
    FrontEnd frontEnd(drawing, scene->recording_, scene->fonts_, limits);
    frontEnd.drawModelSpace();
    scene->truncated_ = frontEnd.truncated();
    const auto& primitives = scene->recording_.primitives();
    scene->index_ =
        SpatialIndex(std::span<const Box2>(scene->recording_.boxes()), [&](std::size_t i) {
            const PrimitiveKind k = primitives[i].kind;
            const bool infinite = k == PrimitiveKind::XLine || k == PrimitiveKind::Ray;
            if (infinite)
                scene->unindexed_.push_back(std::uint32_t(i));
            return infinite;
        });
    scene->extents_ = scene->recording_.bounds();
    for (const std::uint32_t id : scene->unindexed_)
        scene->extents_.add(scene->recording_.boxes()[id]);
    return scene;
}

namespace {

double segmentDistance(const Vec2& p, const Vec2& a, const Vec2& b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    const double t =
        len2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - (a.x + dx * t), p.y - (a.y + dy * t));
}

bool nearStrokes(const Recording& rec, const Primitive& prim, const Vec2& p, double tolerance) {
    const auto pts = rec.pointsOf(prim);
    if (prim.kind == PrimitiveKind::Segments) {
        for (std::size_t i = 0; i + 1 < pts.size(); i += 2)
            if (segmentDistance(p, pts[i], pts[i + 1]) <= tolerance)
                return true;
        return false;
    }
    for (std::size_t i = 1; i < pts.size(); ++i)
        if (segmentDistance(p, pts[i - 1], pts[i]) <= tolerance)
            return true;
    return prim.closed && pts.size() > 2 && segmentDistance(p, pts.back(), pts[0]) <= tolerance;
}

} // namespace

std::optional<std::uint32_t> Scene::entityAt(const Vec2& world, double tolerance) const {
    Box2 area;
    area.add(world.x - tolerance, world.y - tolerance);
    area.add(world.x + tolerance, world.y + tolerance);
    std::optional<std::uint32_t> best;
    index_.query(area, [&](std::uint32_t id) {
        if (best && id < *best)
            return;
        const Primitive& prim = recording_.primitives()[id];
        const bool strokes =
            prim.kind == PrimitiveKind::Polyline || prim.kind == PrimitiveKind::Segments;
        if (!strokes || nearStrokes(recording_, prim, world, tolerance))
            best = id;
    });
    if (!best)
        return std::nullopt;
    return recording_.primitives()[*best].source;
}

} // namespace cad::render
