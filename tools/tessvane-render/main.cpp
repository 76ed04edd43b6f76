// tessvane-render: draws a drawing zoomed to its extents into a PNG or JPEG
// picture, or tells what it holds (--stats).

#include "PictureOutput.h"
#include "RenderOptions.h"
#include "StatsJson.h"

#include "cad/DrawingFile.h"
#include "cad/ReadError.h"
#include "cad/render/RenderToImage.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <new>

namespace {

int failUsage(const std::string& error) {
    std::fprintf(stderr, "tessvane-render: %s\n%s", error.c_str(), kRenderUsage);
    return 2;
}

int failRun(const std::string& error) {
    std::fprintf(stderr, "tessvane-render: %s\n", error.c_str());
    return 1;
}

int renderPicture(const RenderOptions& options, const cad::Drawing& drawing, QColor background) {
    // Fonts and painting need the application object; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "tessvane-render";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    const QImage picture =
        cad::render::renderToImage(drawing, QSize(options.width, options.height), background.rgb());
    const QString out = QFile::decodeName(QByteArray::fromStdString(options.output));
    const std::string format = pictureFormatOf(options.output);
    const QString failure = writePicture(picture, out, format.c_str());
    if (!failure.isEmpty())
        return failRun("cannot write " + options.output + ": " + failure.toStdString());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = parseRenderOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options)
        return failUsage(error);
    const auto background = parseBackground(QString::fromStdString(options->background));
    if (!background)
        return failUsage("--background takes a colour such as #ffffff or black, not " +
                         options->background);
    try {
        const cad::Drawing drawing = cad::readDrawingFile(options->input);
        if (!options->stats)
            return renderPicture(*options, drawing, *background);
        std::printf("%s\n", drawingStatsJson(drawing).c_str());
    } catch (const cad::ReadError& e) {
        return failRun(e.what());
    } catch (const std::bad_alloc&) {
        return failRun(options->input + ": not enough memory to read the drawing");
    }
    return 0;
}
