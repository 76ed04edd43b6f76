#include "cad/render/RenderToImage.h"

#include "cad/render/PainterBackEnd.h"
#include "cad/render/Scene.h"

namespace cad::render {

QImage renderToImage(const Drawing& drawing, QSize size, QRgb background) {
    const auto scene = Scene::build(drawing);
    ViewTransform view(size, {}, 1);
    view.zoomExtents(scene->extents());
    return renderScene(*scene, view, background, PaintOptions{true});
}

} // namespace cad::render
