#pragma once
// The painting back end: draws the recorded primitives of a scene, as a view
// shows them, onto a picture with QPainter. It draws only what lies in the
// view (through the scene's index), reduces what is smaller than a pixel to a
// dot, and flattens curves as finely as the zoom needs.

#include "cad/render/Scene.h"
#include "cad/render/ViewTransform.h"

#include <QImage>
#include <QRgb>

#include <functional>

namespace cad::render {

struct PaintOptions {
    bool antialiasing = false;
};

// Paints onto `image` (the view's size), over `background`. `cancelled` is
// asked now and then; when it returns true painting stops and false is
// returned.
bool paintScene(const Scene& scene, const ViewTransform& view, QImage& image, QRgb background,
                const std::function<bool()>& cancelled = {}, PaintOptions options = {});

// A new picture of the view.
QImage renderScene(const Scene& scene, const ViewTransform& view, QRgb background,
                   PaintOptions options = {});

} // namespace cad::render
