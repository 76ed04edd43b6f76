#pragma once
// Object coordinate systems as 2D maps: OCS x/y at an OCS height to world XY,
// seen from above.

#include "cad/Ocs.h"
#include "cad/render/Affine2.h"

#include <cmath>

namespace cad::render {

inline Vec3 unitNormal(const Vec3& n) {
    const double len = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (!(len > 0) || !std::isfinite(len))
        return {0, 0, 1};
    return {n.x / len, n.y / len, n.z / len};
}

inline Affine2 ocsToWorld(const Vec3& normal, double elevation = 0) {
    if (normal.x == 0 && normal.y == 0 && normal.z > 0)
        return {};
    const Ocs ocs = Ocs::fromNormal(unitNormal(normal));
    return {ocs.xAxis.x,
            ocs.xAxis.y,
            ocs.yAxis.x,
            ocs.yAxis.y,
            ocs.zAxis.x * elevation,
            ocs.zAxis.y * elevation};
}

} // namespace cad::render
