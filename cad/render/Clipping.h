#pragma once
// Clipping to a rectangle: pixel coordinates far outside the picture (a
// drawing zoomed in a long way) are cut to it before they reach the painter.

#include "cad/Geometry.h"

#include <QPointF>

#include <span>
#include <vector>

namespace cad::render {

// Narrows [t0, t1] to where p + t d lies in the box; false when nothing is left.
bool clipParametric(const Vec2& p, const Vec2& d, const Box2& box, double& t0, double& t1);

// Cuts the segment a-b to the box; false when it lies outside.
bool clipSegment(Vec2& a, Vec2& b, const Box2& box);

// Cuts a closed ring to the box (Sutherland-Hodgman); the result may be empty.
std::vector<QPointF> clipRing(std::span<const QPointF> ring, const Box2& box);

} // namespace cad::render
