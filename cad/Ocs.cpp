#include "cad/Ocs.h"

#include <cmath>

namespace cad {

namespace {
Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 normalized(const Vec3& v) {
    const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return length > 0 ? Vec3{v.x / length, v.y / length, v.z / length} : Vec3{1, 0, 0};
}
} // namespace

Ocs Ocs::fromNormal(const Vec3& normal) {
    Ocs ocs;
    if (normal.x == 0 && normal.y == 0 && normal.z > 0)
        return ocs;
    constexpr double kLimit = 1.0 / 64.0;
    const Vec3 worldAxis = (std::fabs(normal.x) < kLimit && std::fabs(normal.y) < kLimit)
                               ? Vec3{0, 1, 0}
                               : Vec3{0, 0, 1};
    ocs.zAxis = normal;
    ocs.xAxis = normalized(cross(worldAxis, normal));
    ocs.yAxis = normalized(cross(normal, ocs.xAxis));
    ocs.identity = false;
    return ocs;
}

} // namespace cad
