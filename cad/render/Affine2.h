#pragma once
// A 2D affine map x' = a x + c y + e, y' = b x + d y + f: how entity, block and
// text coordinates reach the world's XY plane, and the world reaches pixels.

#include "cad/Geometry.h"

#include <cmath>

namespace cad::render {

struct Affine2 {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    static Affine2 translation(double x, double y) { return {1, 0, 0, 1, x, y}; }
    static Affine2 scaling(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    static Affine2 rotation(double radians) {
        const double cs = std::cos(radians), sn = std::sin(radians);
        return {cs, sn, -sn, cs, 0, 0};
    }

    Vec2 map(const Vec2& p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
    Vec2 map(double x, double y) const { return {a * x + c * y + e, b * x + d * y + f}; }
    // A direction: the linear part only.
    Vec2 mapVector(const Vec2& v) const { return {a * v.x + c * v.y, b * v.x + d * v.y}; }

    double determinant() const { return a * d - b * c; }
    bool mirrors() const { return determinant() < 0; }
    // The factor by which the map scales lengths on average (square root of the
    // area factor); used for linetype dashes and sizes in transformed blocks.
    double lengthScale() const { return std::sqrt(std::abs(determinant())); }

    // (this * other)(p) == this(other(p)).
    Affine2 operator*(const Affine2& o) const {
        return {a * o.a + c * o.b, b * o.a + d * o.b,     a * o.c + c * o.d,
                b * o.c + d * o.d, a * o.e + c * o.f + e, b * o.e + d * o.f + f};
    }
};

} // namespace cad::render
