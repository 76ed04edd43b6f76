#pragma once
// Evaluation of the B-splines of the model (NURBS with optional weights).

#include "cad/Geometry.h"

#include <span>
#include <vector>

namespace cad {

// Points along a B-spline of `degree` with `knots`, `controlPoints` and
// `weights` (empty for a non-rational spline): `perSpan` points for each knot
// span, ends included. Empty when the data does not make a valid spline (too few
// knots for the points and degree, decreasing knots).
std::vector<Vec3> sampleSpline(int degree, std::span<const double> knots,
                               std::span<const Vec3> controlPoints, std::span<const double> weights,
                               int perSpan);

} // namespace cad
