// Fuzz entry point of the renderer: any bytes the DXF reader accepts are
// recorded and painted, zoomed to extents and zoomed far in, without a crash,
// a hang or unbounded memory.

#include "cad/DxfReader.h"
#include "cad/ReadError.h"
#include "cad/render/PainterBackEnd.h"
#include "cad/render/Scene.h"

#include <QGuiApplication>

namespace {

// Fonts need an application object. It lives as long as the process: taking
// it down among the exit handlers would run after parts of Qt are gone.
void ensureApplication() {
    static int argc = 1;
    static char name[] = "render_fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = nullptr;
    if (!app) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = new QGuiApplication(argc, argv);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ensureApplication();
    try {
        const cad::Drawing drawing = cad::readDxf({data, size});
        // Limits far below the program's keep each run short; what they cut
        // off is the same code again.
        cad::render::FrontEndLimits limits;
        limits.maxPoints = 1 << 18;
        limits.maxEntityVisits = 1 << 18;
        const auto scene = cad::render::Scene::build(drawing, limits);
        cad::render::ViewTransform view(QSize(64, 48), {}, 1);
        view.zoomExtents(scene->extents());
        cad::render::renderScene(*scene, view, 0xFF000000);
        view.zoomAbout(QPointF(20, 30), 1e4);
        cad::render::renderScene(*scene, view, 0xFFFFFFFF, {true});
    } catch (const cad::ReadError&) {
    }
    return 0;
}
