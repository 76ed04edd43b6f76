#pragma once
// Plain geometric value types shared by the drawing model, its readers and the renderer.

#include <algorithm>
#include <limits>

namespace cad {

struct Vec2 {
    double x = 0;
    double y = 0;
};

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

inline bool operator==(const Vec2& a, const Vec2& b) {
    return a.x == b.x && a.y == b.y;
}
inline bool operator==(const Vec3& a, const Vec3& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

// An axis-aligned box in the XY plane; empty until the first point is added.
struct Box2 {
    double minX = std::numeric_limits<double>::infinity();
    double minY = std::numeric_limits<double>::infinity();
    double maxX = -std::numeric_limits<double>::infinity();
    double maxY = -std::numeric_limits<double>::infinity();

    bool empty() const { return minX > maxX || minY > maxY; }
    void add(double x, double y) {
        minX = std::min(minX, x);
        minY = std::min(minY, y);
        maxX = std::max(maxX, x);
        maxY = std::max(maxY, y);
    }
    void add(const Vec2& p) { add(p.x, p.y); }
    void add(const Vec3& p) { add(p.x, p.y); }
    void add(const Box2& b) {
        if (!b.empty()) {
            add(b.minX, b.minY);
            add(b.maxX, b.maxY);
        }
    }
    double width() const { return empty() ? 0 : maxX - minX; }
    double height() const { return empty() ? 0 : maxY - minY; }
};

} // namespace cad
