// tessvane-render: reads a drawing and tells what it holds (--stats).

#include "RenderOptions.h"
#include "StatsJson.h"

#include "cad/DxfReader.h"
#include "cad/ReadError.h"

#include <cstdio>

int main(int argc, char** argv) {
    std::string error;
    const auto options = parseRenderOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "tessvane-render: %s\n%s", error.c_str(), kRenderUsage);
        return 2;
    }
    if (!options->stats) {
        std::fprintf(stderr,
                     "tessvane-render: writing pictures is not available yet; use --stats\n");
        return 2;
    }
    try {
        const cad::Drawing drawing = cad::readDxfFile(options->input);
        std::printf("%s\n", drawingStatsJson(drawing).c_str());
    } catch (const cad::ReadError& e) {
        std::fprintf(stderr, "tessvane-render: %s\n", e.what());
        return 1;
    }
    return 0;
}
