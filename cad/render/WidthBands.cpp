#include "cad/render/WidthBands.h"

#include "cad/render/Curves.h"

#include <algorithm>
#include <cmath>

namespace cad::render {

bool hasWidths(std::span<const PolyVertex> vertices) {
    return std::any_of(vertices.begin(), vertices.end(),
                       [](const PolyVertex& v) { return v.startWidth > 0 || v.endWidth > 0; });
}

namespace {

struct Sample {
    Vec2 at;
    Vec2 left; // unit normal to the left of the direction of travel
};

std::vector<Sample> sampleSegment(const Vec2& p0, const Vec2& p1, double bulge, double maxStep) {
    std::vector<Sample> samples;
    if (bulge == 0 || !std::isfinite(bulge)) {
        const double len = std::hypot(p1.x - p0.x, p1.y - p0.y);
        const Vec2 left{-(p1.y - p0.y) / len, (p1.x - p0.x) / len};
        samples.push_back({p0, left});
        samples.push_back({p1, left});
        return samples;
    }
    const BulgeArc arc = bulgeArc(p0, p1, bulge);
    const int steps = std::clamp(int(std::ceil(std::abs(arc.sweep) / maxStep)), 1, 4096);
    const double sign = arc.sweep > 0 ? 1 : -1;
    for (int i = 0; i <= steps; ++i) {
        const double a = arc.startAngle + arc.sweep * i / steps;
        const Vec2 radial{std::cos(a), std::sin(a)};
        samples.push_back(
            {{arc.centre.x + arc.radius * radial.x, arc.centre.y + arc.radius * radial.y},
             {-sign * radial.x, -sign * radial.y}});
    }
    return samples;
}

} // namespace

WidthBands widthBands(std::span<const PolyVertex> vertices, bool closed, double constantWidth,
                      double maxStep) {
    WidthBands out;
    const std::size_t n = vertices.size();
    const std::size_t segments = closed ? n : (n == 0 ? 0 : n - 1);
    for (std::size_t i = 0; i < segments; ++i) {
        const PolyVertex& v = vertices[i];
        const Vec2 p0{v.position.x, v.position.y};
        const Vec2 p1{vertices[(i + 1) % n].position.x, vertices[(i + 1) % n].position.y};
        if (p0.x == p1.x && p0.y == p1.y)
            continue;
        const double w0 = constantWidth > 0 ? constantWidth : std::max(v.startWidth, 0.0);
        const double w1 = constantWidth > 0 ? constantWidth : std::max(v.endWidth, 0.0);
        const std::vector<Sample> samples = sampleSegment(p0, p1, v.bulge, maxStep);
        if (w0 == 0 && w1 == 0) {
            for (std::size_t k = 1; k < samples.size(); ++k) {
                out.thinSegments.push_back(samples[k - 1].at);
                out.thinSegments.push_back(samples[k].at);
            }
            continue;
        }
        std::vector<Vec2> ring;
        ring.reserve(samples.size() * 2);
        const double last = double(samples.size() - 1);
        auto halfWidth = [&](std::size_t k) { return (w0 + (w1 - w0) * (k / last)) / 2; };
        for (std::size_t k = 0; k < samples.size(); ++k) {
            const double h = halfWidth(k);
            ring.push_back(
                {samples[k].at.x + samples[k].left.x * h, samples[k].at.y + samples[k].left.y * h});
        }
        for (std::size_t k = samples.size(); k-- > 0;) {
            const double h = halfWidth(k);
            ring.push_back(
                {samples[k].at.x - samples[k].left.x * h, samples[k].at.y - samples[k].left.y * h});
        }
        out.rings.push_back(std::move(ring));
    }
    return out;
}

} // namespace cad::render
