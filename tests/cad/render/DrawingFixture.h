#pragma once
// Small drawings for the renderer's tests, made through the model's builder.

#include "cad/Drawing.h"
#include "cad/DrawingBuilder.h"
#include "cad/render/Scene.h"

#include <functional>
#include <memory>

namespace cad::render::test {

inline Drawing makeDrawing(const std::function<void(DrawingBuilder&)>& fill) {
    Drawing drawing;
    DrawingBuilder builder(drawing);
    fill(builder);
    builder.finish();
    return drawing;
}

inline Box2 box(double x0, double y0, double x1, double y1) {
    Box2 b;
    b.add(x0, y0);
    b.add(x1, y1);
    return b;
}

inline Line line(Vec2 a, Vec2 b, Color color = Color::byLayer()) {
    Line e;
    e.start = {a.x, a.y, 0};
    e.end = {b.x, b.y, 0};
    e.props.color = color;
    return e;
}

inline std::shared_ptr<const Scene> sceneOf(const Drawing& drawing) {
    return Scene::build(drawing);
}

// The primitives of one kind, in recorded order.
inline std::vector<const Primitive*> primitivesOf(const Scene& scene, PrimitiveKind kind) {
    std::vector<const Primitive*> out;
    for (const Primitive& p : scene.recording().primitives())
        if (p.kind == kind)
            out.push_back(&p);
    return out;
}

// A point of a recorded ellipse arc.
inline Vec2 arcPoint(const Scene& scene, const Primitive& arc, double t) {
    const auto d = scene.recording().pointsOf(arc);
    return {d[0].x + d[1].x * std::cos(t) + d[2].x * std::sin(t),
            d[0].y + d[1].y * std::cos(t) + d[2].y * std::sin(t)};
}

} // namespace cad::render::test
