#include "cad/render/Curves.h"

#include "cad/SplineCurve.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace cad::render {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// Limits that keep a malformed entity from making millions of points.
constexpr std::size_t kMaxCurvePoints = 1 << 16;
constexpr int kMaxDegree = 11;

double length(const Vec2& v) {
    return std::hypot(v.x, v.y);
}

int stepsFor(double sweep, double maxStep) {
    const double steps = std::ceil(std::abs(sweep) / std::max(maxStep, 1e-3));
    return int(std::clamp(steps, 1.0, double(kMaxCurvePoints)));
}

} // namespace

double ccwSweep(double start, double end, bool fullWhenEqual) {
    double sweep = std::fmod(end - start, kTwoPi);
    if (!std::isfinite(sweep))
        return 0;
    if (sweep < 0)
        sweep += kTwoPi;
    if (sweep < 1e-12)
        sweep = fullWhenEqual ? kTwoPi : 0;
    return sweep;
}

BulgeArc bulgeArc(const Vec2& p0, const Vec2& p1, double bulge) {
    const Vec2 chord{p1.x - p0.x, p1.y - p0.y};
    const double c = length(chord);
    const Vec2 mid{(p0.x + p1.x) / 2, (p0.y + p1.y) / 2};
    // The centre lies on the chord's perpendicular, (c/2) cot(theta/2) from its
    // middle, theta = 4 atan(bulge); to the left for a positive bulge.
    const double toCentre = c / 2 * (1 - bulge * bulge) / (2 * bulge);
    const Vec2 left{-chord.y / c, chord.x / c};
    BulgeArc arc;
    arc.centre = {mid.x + left.x * toCentre, mid.y + left.y * toCentre};
    arc.radius = std::hypot(p0.x - arc.centre.x, p0.y - arc.centre.y);
    arc.startAngle = std::atan2(p0.y - arc.centre.y, p0.x - arc.centre.x);
    arc.sweep = 4 * std::atan(bulge);
    return arc;
}

void appendBulgeSegment(std::vector<Vec2>& out, const Vec2& p0, const Vec2& p1, double bulge,
                        double maxStep) {
    const bool degenerate = p0.x == p1.x && p0.y == p1.y;
    if (bulge == 0 || degenerate || !std::isfinite(bulge)) {
        out.push_back(p1);
        return;
    }
    const BulgeArc arc = bulgeArc(p0, p1, bulge);
    const int steps = stepsFor(arc.sweep, maxStep);
    for (int i = 1; i < steps; ++i) {
        const double a = arc.startAngle + arc.sweep * i / steps;
        out.push_back(
            {arc.centre.x + arc.radius * std::cos(a), arc.centre.y + arc.radius * std::sin(a)});
    }
    out.push_back(p1); // exactly, so that consecutive segments meet
}

void appendEllipseArc(std::vector<Vec2>& out, const Vec2& c, const Vec2& u, const Vec2& v,
                      double t0, double t1, double maxStep) {
    const int steps = stepsFor(t1 - t0, maxStep);
    for (int i = 0; i <= steps; ++i) {
        const double t = t0 + (t1 - t0) * i / steps;
        const double cs = std::cos(t), sn = std::sin(t);
        out.push_back({c.x + u.x * cs + v.x * sn, c.y + u.y * cs + v.y * sn});
    }
}

std::vector<Vec2> sampleBSpline(int degree, std::span<const double> knots,
                                std::span<const Vec3> ctrl, std::span<const double> weights,
                                int perSpan) {
    const bool usable = degree <= kMaxDegree && ctrl.size() <= kMaxCurvePoints;
    const int per =
        std::clamp(perSpan, 1, int(kMaxCurvePoints / std::max<std::size_t>(ctrl.size(), 1)) + 1);
    const std::vector<Vec3> curve =
        usable ? sampleSpline(degree, knots, ctrl, weights, per) : std::vector<Vec3>{};
    const std::span<const Vec3> points = curve.empty() ? ctrl : std::span<const Vec3>(curve);
    std::vector<Vec2> out;
    out.reserve(points.size());
    for (const Vec3& p : points)
        out.push_back({p.x, p.y});
    return out;
}

std::vector<Vec2> curveThroughPoints(std::span<const Vec2> pts, const Vec2& startTangent,
                                     const Vec2& endTangent, int perSegment) {
    std::vector<Vec2> out;
    if (pts.size() < 3 && length(startTangent) == 0 && length(endTangent) == 0)
        return std::vector<Vec2>(pts.begin(), pts.end());
    if (pts.size() < 2)
        return std::vector<Vec2>(pts.begin(), pts.end());
    const std::size_t n = pts.size();
    std::vector<double> chord(n - 1);
    for (std::size_t i = 0; i + 1 < n; ++i)
        chord[i] = std::max(length({pts[i + 1].x - pts[i].x, pts[i + 1].y - pts[i].y}), 1e-12);
    // Tangents (derivatives per unit of chord length).
    std::vector<Vec2> tangent(n);
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const double span = chord[i - 1] + chord[i];
        tangent[i] = {(pts[i + 1].x - pts[i - 1].x) / span, (pts[i + 1].y - pts[i - 1].y) / span};
    }
    auto endTangentOr = [](const Vec2& given, const Vec2& a, const Vec2& b, double len) {
        const double g = length(given);
        if (g > 0)
            return Vec2{given.x / g, given.y / g};
        return Vec2{(b.x - a.x) / len, (b.y - a.y) / len};
    };
    tangent[0] = endTangentOr(startTangent, pts[0], pts[1], chord[0]);
    tangent[n - 1] = endTangentOr(endTangent, pts[n - 2], pts[n - 1], chord[n - 2]);
    const int per = std::clamp(perSegment, 1, int(kMaxCurvePoints / n) + 1);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const double h = chord[i];
        for (int s = 0; s < per; ++s) {
            const double t = double(s) / per;
            const double t2 = t * t, t3 = t2 * t;
            const double h00 = 2 * t3 - 3 * t2 + 1, h10 = t3 - 2 * t2 + t;
            const double h01 = -2 * t3 + 3 * t2, h11 = t3 - t2;
            out.push_back({h00 * pts[i].x + h10 * h * tangent[i].x + h01 * pts[i + 1].x +
                               h11 * h * tangent[i + 1].x,
                           h00 * pts[i].y + h10 * h * tangent[i].y + h01 * pts[i + 1].y +
                               h11 * h * tangent[i + 1].y});
        }
    }
    out.push_back(pts[n - 1]);
    return out;
}

} // namespace cad::render
