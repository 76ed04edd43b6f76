#pragma once
// Turns world-space geometry into recorded primitives with a pen: continuous
// curves stay exact (ellipse arcs are kept whole, so that the back end
// subdivides them for the zoom), dashed ones are cut into their dashes.

#include "cad/render/Dashes.h"
#include "cad/render/Recording.h"

#include <algorithm>
#include <span>
#include <vector>

namespace cad::render {

struct Pen {
    Ink ink;
    DashPattern dashes; // empty: continuous
    std::uint32_t source = 0;
};

class Emitter {
public:
    // Stops recording once `maxPoints` points are stored: a drawing whose block
    // references multiply beyond that is shown in part rather than exhausting
    // memory.
    Emitter(Recording& recording, std::size_t maxPoints);

    void path(std::span<const Vec2> points, bool closed, const Pen& pen);
    void ellipseArc(const Vec2& centre, const Vec2& u, const Vec2& v, double t0, double t1,
                    const Pen& pen);
    void segments(std::span<const Vec2> pointPairs, const Pen& pen);
    // A continuous polyline whose arcs are kept as arcs (Recording::addBulgePath).
    void bulgePath(std::span<const Vec2> vertexBulgePairs, bool closed, const Pen& pen);
    void polygon(std::span<const std::vector<Vec2>> rings, bool winding, Ink ink,
                 std::uint32_t source);
    void text(TextRun run, const Box2& box, const Pen& pen);
    void point(const Vec2& position, std::int16_t mode, double size, const Pen& pen);
    void infiniteLine(const Vec2& base, const Vec2& direction, bool ray, const Pen& pen);

    void reserve(std::size_t primitives, std::size_t points) {
        recording_.reserve(primitives, std::min(points, maxPoints_));
    }

    bool full() const { return recording_.points().size() >= maxPoints_; }
    bool truncated() const { return truncated_; }

private:
    bool accept();

    Recording& recording_;
    std::size_t maxPoints_;
    bool truncated_ = false;
    std::vector<Vec2> scratch_;
};

// Angular step for curves that must be flattened in advance (dashed arcs,
// bulges, hatch boundaries): fine enough to look round at any usual zoom.
inline constexpr double kFlatteningStep = 0.035; // about 2 degrees

} // namespace cad::render
