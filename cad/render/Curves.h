#pragma once
// Curve geometry of drawing entities, flattened to point lists: bulge arcs,
// ellipse arcs, B-splines seen from above, and curves through fit points.

#include "cad/Geometry.h"

#include <span>
#include <vector>

namespace cad::render {

// The circle arc a polyline segment with a bulge follows from p0 to p1.
struct BulgeArc {
    Vec2 centre;
    double radius = 0;
    double startAngle = 0; // of p0 seen from the centre
    double sweep = 0;      // signed: positive counter-clockwise
};
// Only for a non-zero bulge and distinct points.
BulgeArc bulgeArc(const Vec2& p0, const Vec2& p1, double bulge);

// Appends the points after p0 up to and including p1 of the segment from p0 to
// p1 with that bulge; arcs get one point per `maxStep` radians at least.
void appendBulgeSegment(std::vector<Vec2>& out, const Vec2& p0, const Vec2& p1, double bulge,
                        double maxStep);

// Appends centre + u cos t + v sin t for t from t0 to t1 in equal steps of at
// most `maxStep` radians, both ends included.
void appendEllipseArc(std::vector<Vec2>& out, const Vec2& centre, const Vec2& u, const Vec2& v,
                      double t0, double t1, double maxStep);

// Sweep of a counter-clockwise angle range, in (0, 2 pi]; equal angles give a
// full turn only when `fullWhenEqual`.
double ccwSweep(double start, double end, bool fullWhenEqual = true);

// A B-spline (rational when weights are given, one per control point) seen
// from above, sampled at `perSpan` points per non-empty knot span. Invalid knot
// vectors give the control polygon instead.
std::vector<Vec2> sampleBSpline(int degree, std::span<const double> knots,
                                std::span<const Vec3> controlPoints,
                                std::span<const double> weights, int perSpan);

// A smooth curve through every fit point (piecewise cubic, parametrised by
// chord length), with the end tangents when they are not zero.
std::vector<Vec2> curveThroughPoints(std::span<const Vec2> fitPoints, const Vec2& startTangent,
                                     const Vec2& endTangent, int perSegment);

} // namespace cad::render
