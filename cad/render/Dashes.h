#pragma once
// Linetype dash patterns applied to point lists.

#include "cad/Geometry.h"

#include <span>
#include <vector>

namespace cad::render {

// A dash pattern scaled to world units: positive lengths are dashes, negative
// ones gaps, zero a dot.
class DashPattern {
public:
    DashPattern() = default;
    DashPattern(std::span<const double> elements, double scale);

    // Continuous: no usable elements, no gap, or a pattern too fine for `length`
    // (more than a few thousand repeats are drawn as a solid line, as they read
    // as one anyway).
    bool continuousFor(double length) const;
    double period() const { return period_; }
    std::span<const double> elements() const { return elements_; }

private:
    std::vector<double> elements_;
    double period_ = 0;
    bool hasGap_ = false;
};

// Appends to `segments` the dashes of the path (pairs of points; a dot is a
// pair of equal points). The pattern starts at the path's first point and runs
// on across vertices. `phase` is the pattern position at the start.
void appendDashes(std::vector<Vec2>& segments, std::span<const Vec2> path, bool closed,
                  const DashPattern& pattern, double phase = 0);

// Dashes of the straight piece from t0 to t1 of the line base + t * unit, with
// the pattern anchored at t = 0 (hatch pattern lines).
void appendDashedSpan(std::vector<Vec2>& segments, const Vec2& base, const Vec2& unit, double t0,
                      double t1, const DashPattern& pattern);

// Total length of a path.
double pathLength(std::span<const Vec2> path, bool closed);

} // namespace cad::render
