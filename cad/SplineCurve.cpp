#include "cad/SplineCurve.h"

#include <algorithm>
#include <cmath>

namespace cad {

namespace {

struct Homogeneous {
    double x, y, z, w;
};

// The knot span that holds u, in [degree, n - 1] for n control points.
std::size_t findSpan(std::span<const double> knots, std::size_t n, int degree, double u) {
    std::size_t span = std::size_t(degree);
    while (span + 1 < n && knots[span + 1] <= u)
        ++span;
    return span;
}

// De Boor's algorithm on weighted control points.
Vec3 evaluate(int degree, std::span<const double> knots, const std::vector<Homogeneous>& points,
              double u) {
    const std::size_t span = findSpan(knots, points.size(), degree, u);
    std::vector<Homogeneous> d(std::size_t(degree) + 1);
    for (int j = 0; j <= degree; ++j)
        d[j] = points[span - std::size_t(degree) + std::size_t(j)];
    for (int r = 1; r <= degree; ++r) {
        for (int j = degree; j >= r; --j) {
            const std::size_t i = span - std::size_t(degree) + std::size_t(j);
            const double left = knots[i];
            const double right = knots[i + std::size_t(degree) + 1 - std::size_t(r)];
            const double alpha = right > left ? (u - left) / (right - left) : 0;
            auto& a = d[j];
            const auto& b = d[j - 1];
            a = {b.x + alpha * (a.x - b.x), b.y + alpha * (a.y - b.y), b.z + alpha * (a.z - b.z),
                 b.w + alpha * (a.w - b.w)};
        }
    }
    const auto& p = d[std::size_t(degree)];
    const double w = p.w != 0 ? p.w : 1;
    return {p.x / w, p.y / w, p.z / w};
}

} // namespace

std::vector<Vec3> sampleSpline(int degree, std::span<const double> knots,
                               std::span<const Vec3> controlPoints, std::span<const double> weights,
                               int perSpan) {
    const std::size_t n = controlPoints.size();
    if (degree < 1 || n < std::size_t(degree) + 1 || knots.size() < n + std::size_t(degree) + 1)
        return {};
    knots = knots.first(n + std::size_t(degree) + 1);
    if (!std::is_sorted(knots.begin(), knots.end()))
        return {};
    for (double k : knots)
        if (!std::isfinite(k))
            return {};
    std::vector<Homogeneous> points(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double w = (weights.size() == n && weights[i] > 0) ? weights[i] : 1.0;
        points[i] = {controlPoints[i].x * w, controlPoints[i].y * w, controlPoints[i].z * w, w};
    }
    const double start = knots[std::size_t(degree)];
    const double end = knots[n];
    std::vector<Vec3> out;
    if (!(end > start))
        return out;
    perSpan = std::max(perSpan, 1);
    for (std::size_t span = std::size_t(degree); span < n; ++span) {
        const double a = knots[span], b = knots[span + 1];
        if (!(b > a))
            continue;
        for (int k = 0; k < perSpan; ++k)
            out.push_back(evaluate(degree, knots, points, a + (b - a) * k / perSpan));
    }
    out.push_back(evaluate(degree, knots, points, end));
    return out;
}

} // namespace cad
