// Filled and framed areas: hatches, solids, traces, 3D faces, wipeouts and
// raster image frames.

#include "cad/render/FrontEnd.h"
#include "cad/render/HatchGeometry.h"

#include <algorithm>

namespace cad::render {
namespace {

// Beyond this many lines per pattern family a hatch is drawn without them.
constexpr std::size_t kMaxPatternRows = 20000;

std::vector<Vec2> mappedLoop(const Affine2& m, const Loop& loop) {
    std::vector<Vec2> out;
    out.reserve(loop.size());
    for (const Vec2& p : loop)
        out.push_back(m.map(p));
    return out;
}

} // namespace

void FrontEnd::drawEntity(const Hatch& e, const Context& ctx) {
    const std::vector<Loop> loops = hatchLoops(drawing_, e);
    if (loops.empty())
        return;
    const Affine2 frame = entityFrame(e.props, ctx, e.elevation);
    const Pen pen = penFor(e.props, ctx);
    if (e.solid) {
        std::vector<std::vector<Vec2>> rings;
        for (const Loop& loop : loops)
            rings.push_back(mappedLoop(frame, loop));
        emitter_.polygon(rings, false, pen.ink, pen.source);
        return;
    }
    std::vector<Vec2> segments;
    for (const HatchPatternLine& line :
         Drawing::slice(drawing_.hatchPatternLines, e.patternLines)) {
        const DashPattern dashes(Drawing::slice(drawing_.reals, line.dashes), 1);
        appendPatternLines(segments, loops, line, dashes, kMaxPatternRows);
    }
    for (Vec2& p : segments)
        p = frame.map(p);
    emitter_.segments(segments, pen);
}

void FrontEnd::drawFilledQuad(const Quad& e, const Context& ctx) {
    const Affine2 frame = entityFrame(e.props, ctx, e.corners[0].z);
    // Corners are stored 1, 2, 4, 3 around the outline.
    std::vector<std::vector<Vec2>> ring(1);
    for (const int i : {0, 1, 3, 2})
        ring[0].push_back(frame.map(e.corners[i].x, e.corners[i].y));
    emitter_.polygon(ring, true, penFor(e.props, ctx).ink, source_);
}

void FrontEnd::drawEntity(const Solid& e, const Context& ctx) {
    drawFilledQuad(e, ctx);
}

void FrontEnd::drawEntity(const Trace& e, const Context& ctx) {
    drawFilledQuad(e, ctx);
}

void FrontEnd::drawEntity(const Face3D& e, const Context& ctx) {
    std::vector<Vec2> edges;
    for (int i = 0; i < 4; ++i) {
        if (e.invisibleEdges & (1 << i))
            continue;
        const Vec3& a = e.corners[i];
        const Vec3& b = e.corners[(i + 1) % 4];
        if (a == b)
            continue;
        edges.push_back(ctx.toWorld.map(a.x, a.y));
        edges.push_back(ctx.toWorld.map(b.x, b.y));
    }
    emitter_.segments(edges, penFor(e.props, ctx));
}

namespace {

// The outline of a raster frame in world XY: its clip boundary when it has one,
// else the whole frame. Clip points are pixel positions with the origin at the
// top left pixel's centre and v running down.
std::vector<Vec2> frameOutline(const Drawing& d, const RasterFrame& f) {
    auto world = [&](double u, double v) {
        const double pu = u + 0.5, pv = f.pixelSize.y - (v + 0.5);
        return Vec2{f.insertion.x + f.uVector.x * pu + f.vVector.x * pv,
                    f.insertion.y + f.uVector.y * pu + f.vVector.y * pv};
    };
    const auto clip = Drawing::slice(d.points2, f.clip);
    std::vector<Vec2> outline;
    if (f.clipping && f.clipType == 2 && clip.size() >= 3) {
        for (const Vec2& p : clip)
            outline.push_back(world(p.x, p.y));
        return outline;
    }
    double u0 = -0.5, v0 = -0.5, u1 = f.pixelSize.x - 0.5, v1 = f.pixelSize.y - 0.5;
    if (f.clipping && clip.size() == 2) {
        u0 = std::min(clip[0].x, clip[1].x);
        u1 = std::max(clip[0].x, clip[1].x);
        v0 = std::min(clip[0].y, clip[1].y);
        v1 = std::max(clip[0].y, clip[1].y);
    }
    return {world(u0, v1), world(u1, v1), world(u1, v0), world(u0, v0)};
}

} // namespace

void FrontEnd::drawEntity(const Wipeout& e, const Context& ctx) {
    std::vector<std::vector<Vec2>> ring{frameOutline(drawing_, e)};
    for (Vec2& p : ring[0])
        p = ctx.toWorld.map(p);
    emitter_.polygon(ring, false, Ink::background(), source_);
}

void FrontEnd::drawEntity(const Image& e, const Context& ctx) {
    // The picture itself is not read; its frame shows where it lies.
    std::vector<Vec2> outline = frameOutline(drawing_, e);
    for (Vec2& p : outline)
        p = ctx.toWorld.map(p);
    emitter_.path(outline, true, penFor(e.props, ctx));
}

} // namespace cad::render
