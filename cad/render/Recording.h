#pragma once
// The graphic primitives of one drawing, recorded once by the front end and
// replayed by any back end: point lists in world coordinates with their ink,
// a bounding box per primitive, and the text runs.

#include "cad/Geometry.h"
#include "cad/render/Affine2.h"
#include "cad/render/Ink.h"

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace cad::render {

enum class PrimitiveKind : std::uint8_t {
    Polyline,   // points in order; `closed` joins the last to the first
    BulgePath,  // pairs of points: a vertex, then (bulge of the segment to the next vertex, 0);
                // `closed` adds the segment from the last vertex back to the first
    Segments,   // independent segments: points two by two (a zero-length one is a dot)
    Polygon,    // filled, even-odd: rings of Recording::ringSizes from `aux`
    EllipseArc, // points: centre, u, v, (t0, t1): centre + u cos t + v sin t
    Text,       // Recording::texts()[aux], drawn at the box
    Point,      // points: position, (size, 0); aux: the point display mode
    XLine,      // points: base, direction; infinite both ways
    Ray,        // points: base, direction; infinite forwards
};

struct Primitive {
    PrimitiveKind kind = PrimitiveKind::Polyline;
    bool closed = false;  // Polyline: joined end to start
    bool winding = false; // Polygon: non-zero fill (widened polylines) instead of even-odd
    Ink ink;
    std::uint32_t first = 0; // into Recording::points()
    std::uint32_t count = 0;
    std::uint32_t aux = 0;
    std::uint32_t source = 0; // position in model space of the entity drawn
};

// A run of text in one font. Text space: the baseline along x from the origin,
// y up, the capital height 1 unit; `toWorld` places it (rotation, height,
// width factor, oblique angle, mirroring).
struct TextRun {
    QString text;
    Affine2 toWorld;
    std::uint16_t font = 0; // FontCatalog id
    double advance = 0;     // width in text units
};

class Recording {
public:
    void addPolyline(std::span<const Vec2> points, bool closed, Ink ink, std::uint32_t source);
    void addSegments(std::span<const Vec2> pointPairs, Ink ink, std::uint32_t source);
    // Polyline vertices with the bulges of their segments, as BulgePath holds them;
    // the arcs stay arcs until drawn, flattened for the zoom of the view.
    void addBulgePath(std::span<const Vec2> vertexBulgePairs, bool closed, Ink ink,
                      std::uint32_t source);
    // Rings are closed implicitly; empty and degenerate rings are left out.
    void addPolygon(std::span<const std::vector<Vec2>> rings, bool winding, Ink ink,
                    std::uint32_t source);
    void addEllipseArc(const Vec2& centre, const Vec2& u, const Vec2& v, double t0, double t1,
                       Ink ink, std::uint32_t source);
    // `box` is the run's outline in world coordinates.
    void addText(TextRun run, const Box2& box, Ink ink, std::uint32_t source);
    // size > 0 in drawing units; 0 or below: a share of the view height (see
    // the point display rules in the back end).
    void addPoint(const Vec2& position, std::int16_t mode, double size, Ink ink,
                  std::uint32_t source);
    void addInfiniteLine(const Vec2& base, const Vec2& direction, bool ray, Ink ink,
                         std::uint32_t source);

    // Room for that many primitives and points, to spare regrowing.
    void reserve(std::size_t primitives, std::size_t points);

    const std::vector<Primitive>& primitives() const { return primitives_; }
    const std::vector<Box2>& boxes() const { return boxes_; }
    const std::vector<Vec2>& points() const { return points_; }
    const std::vector<std::uint32_t>& ringSizes() const { return ringSizes_; }
    const std::vector<TextRun>& texts() const { return texts_; }
    std::span<const Vec2> pointsOf(const Primitive& p) const {
        return std::span<const Vec2>(points_).subspan(p.first, p.count);
    }
    // The box of every primitive except infinite lines.
    const Box2& bounds() const { return bounds_; }
    std::size_t size() const { return primitives_.size(); }

private:
    Primitive& push(PrimitiveKind kind, Ink ink, std::uint32_t source, const Box2& box);
    std::uint32_t appendPoints(std::span<const Vec2> points);

    std::vector<Primitive> primitives_;
    std::vector<Box2> boxes_;
    std::vector<Vec2> points_;
    std::vector<std::uint32_t> ringSizes_;
    std::vector<TextRun> texts_;
    Box2 bounds_;
};

// The box of a polyline with bulges, in BulgePath's layout.
Box2 bulgePathBox(std::span<const Vec2> vertexBulgePairs, bool closed);

// The box of an ellipse arc centre + u cos t + v sin t, t0 <= t <= t1.
Box2 ellipseArcBox(const Vec2& centre, const Vec2& u, const Vec2& v, double t0, double t1);

} // namespace cad::render
