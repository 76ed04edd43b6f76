// Every DXF drawing of the shared corpus reads into a consistent model.

#include "cad/DxfReader.h"
#include "cad/Extents.h"
#include "cad/ModelCheck.h"
#include "cad/ReadError.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> corpusDrawings() {
    const fs::path corpus = fs::path(TESSVANE_SOURCE_DIR) / ".." / "shared" / "corpus";
    std::vector<fs::path> files;
    if (!fs::is_directory(corpus))
        return files;
    for (const auto& entry : fs::recursive_directory_iterator(corpus)) {
        auto ext = entry.path().extension().string();
        for (auto& c : ext)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        if (entry.is_regular_file() && ext == ".dxf")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

TEST(DxfCorpus, EveryDrawingReadsIntoAConsistentModel) {
    const auto files = corpusDrawings();
    if (files.empty())
        GTEST_SKIP() << "the drawing corpus ../shared/corpus is not there";
    for (const auto& file : files) {
        try {
            const cad::Drawing d = cad::readDxfFile(file.string());
            EXPECT_EQ(d.header.version.substr(0, 2), "AC") << file;
            EXPECT_EQ(cad::findModelFault(d), "") << file;
            // Something of every file but the paper-space-only one has a size.
            if (!d.modelSpaceEntities().empty() && d.skippedEntities.empty()) {
                EXPECT_FALSE(cad::modelSpaceExtents(d).empty() &&
                             d.modelSpaceEntities()[0].type != cad::EntityType::XLine &&
                             d.modelSpaceEntities()[0].type != cad::EntityType::Ray)
                    << file;
            }
        } catch (const cad::ReadError& e) {
            ADD_FAILURE() << e.what();
        }
    }
}
