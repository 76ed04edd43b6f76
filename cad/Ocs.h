#pragma once
// Object coordinate systems: entities such as circles, arcs, 2D polylines, texts
// and inserts give their points in a plane whose normal is the entity's
// extrusion; the axes follow from the normal by the arbitrary-axis rule.

#include "cad/Geometry.h"

namespace cad {

struct Ocs {
    Vec3 xAxis{1, 0, 0};
    Vec3 yAxis{0, 1, 0};
    Vec3 zAxis{0, 0, 1};
    bool identity = true;

    // `normal` is a unit vector (as the drawing's extrusions are).
    static Ocs fromNormal(const Vec3& normal);

    Vec3 toWorld(const Vec3& p) const {
        if (identity)
            return p;
        return {p.x * xAxis.x + p.y * yAxis.x + p.z * zAxis.x,
                p.x * xAxis.y + p.y * yAxis.y + p.z * zAxis.y,
                p.x * xAxis.z + p.y * yAxis.z + p.z * zAxis.z};
    }
    // A direction (no translation part exists, so the same as a point).
    Vec3 directionToWorld(const Vec3& v) const { return toWorld(v); }
};

} // namespace cad
