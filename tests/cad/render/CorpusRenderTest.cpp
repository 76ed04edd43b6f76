// Every DXF drawing of the shared corpus renders, and what the front end
// records spans the same box as the model's own extents computation.

#include "cad/DxfReader.h"
#include "cad/Extents.h"
#include "cad/render/PainterBackEnd.h"
#include "cad/render/Scene.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace cad::render {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> corpusDrawings() {
    std::vector<fs::path> files;
    const fs::path root = fs::path(TESSVANE_SOURCE_DIR) / ".." / "shared" / "corpus";
    if (!fs::is_directory(root))
        return files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        std::string ext = entry.path().extension().string();
        for (char& c : ext)
            c = char(std::tolower(c));
        if (entry.is_regular_file() && ext == ".dxf")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(CorpusRendering, EveryDrawingRendersWithinItsExtents) {
    const auto files = corpusDrawings();
    if (files.empty())
        GTEST_SKIP() << "../shared/corpus is absent: no corpus drawings to render";
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        const Drawing drawing = readDxfFile(file.string());
        const auto scene = Scene::build(drawing);
        const Box2 expected = modelSpaceExtents(drawing);
        const Box2& recorded = scene->recording().bounds();
        ASSERT_EQ(recorded.empty(), expected.empty());
        if (!expected.empty()) {
            // Text boxes are estimated differently (font metrics against a
            // fixed ratio); everything else agrees closely.
            const double slack = 0.05 * std::max(expected.width(), expected.height());
            EXPECT_NEAR(recorded.minX, expected.minX, slack);
            EXPECT_NEAR(recorded.minY, expected.minY, slack);
            EXPECT_NEAR(recorded.maxX, expected.maxX, slack);
            EXPECT_NEAR(recorded.maxY, expected.maxY, slack);
        }
        ViewTransform view(QSize(320, 240), {}, 1);
        view.zoomExtents(scene->extents());
        const QImage picture = renderScene(*scene, view, 0xFF000000);
        int lit = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                lit += picture.pixel(x, y) != 0xFF000000;
        if (scene->recording().size() > 0) {
            EXPECT_GT(lit, 20);
        }
    }
}

} // namespace
} // namespace cad::render
