// The DWG drawings of the shared corpus that this reader reads (R14 and 2000):
// each reads into a consistent model with the entities it holds, and where a
// DXF twin stands beside it, into the model the DXF reader builds from that.

#include "cad/DxfReader.h"
#include "cad/Extents.h"
#include "cad/ModelCheck.h"
#include "cad/Names.h"
#include "cad/ReadError.h"
#include "cad/dwg/DwgReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

fs::path corpus() {
    return fs::path(TESSVANE_SOURCE_DIR) / ".." / "shared" / "corpus";
}

using Counts = std::map<std::string, std::size_t>;

// Model-space entities by type name, skipped ones included.
Counts countsOf(const cad::Drawing& d) {
    Counts counts;
    for (const auto ref : d.modelSpaceEntities())
        ++counts[std::string(cad::entityTypeName(ref.type))];
    for (const auto& [name, n] : d.skippedEntities)
        counts["skipped " + name] += n;
    return counts;
}

std::set<std::string> layerNames(const cad::Drawing& d) {
    std::set<std::string> names;
    for (const auto& layer : d.layers)
        names.insert(cad::upperName(d.text(layer.name)));
    return names;
}

struct CorpusCase {
    const char* file;
    Counts counts;
};

const std::vector<CorpusCase>& corpusCases() {
    static const std::vector<CorpusCase> cases = {
        {"r14/Constraints.dwg", {{"LINE", 1}, {"CIRCLE", 1}}},
        {"r14/Leader.dwg",
         {{"LINE", 1},
          {"LWPOLYLINE", 1},
          {"MTEXT", 1},
          {"LEADER", 1},
          {"IMAGE", 5},
          {"skipped MULTILEADER", 1}}},
        {"2000/Arc.dwg", {{"ARC", 1}}},
        {"2000/Cone.dwg", {{"skipped 3DSOLID", 1}}},
        {"2000/Constraints.dwg", {{"LINE", 1}, {"CIRCLE", 1}}},
        {"2000/ConstructionLine.dwg", {{"XLINE", 1}}},
        {"2000/Donut.dwg", {{"LWPOLYLINE", 1}}},
        {"2000/Ellipse.dwg", {{"ELLIPSE", 1}}},
        {"2000/Helix.dwg", {{"HELIX", 1}}},
        {"2000/Leader.dwg",
         {{"LINE", 1},
          {"LWPOLYLINE", 1},
          {"MTEXT", 1},
          {"LEADER", 1},
          {"IMAGE", 5},
          {"skipped MULTILEADER", 1}}},
        {"2000/Line.dwg", {{"LINE", 1}}},
        {"2000/Multiline.dwg", {{"MLINE", 1}}},
        {"2000/Point.dwg", {{"POINT", 1}}},
        {"2000/PolyLine2D.dwg", {}},
        {"2000/PolyLine3D.dwg", {{"POLYLINE", 1}}},
        {"2000/Polygon.dwg", {{"LWPOLYLINE", 1}}},
        {"2000/Polyline.dwg", {{"LWPOLYLINE", 1}}},
        {"2000/RAY.dwg", {{"RAY", 1}}},
        {"2000/Spline.dwg", {{"SPLINE", 1}}},
        {"2000/Text.dwg", {{"MTEXT", 1}}},
        {"2000/circle.dwg", {{"CIRCLE", 1}}},
    };
    return cases;
}

void expectSameBox(const cad::Box2& a, const cad::Box2& b, const std::string& what) {
    ASSERT_EQ(a.empty(), b.empty()) << what;
    if (a.empty())
        return;
    const double tolerance =
        1e-6 * std::max({1.0, std::abs(b.maxX - b.minX), std::abs(b.maxY - b.minY)});
    EXPECT_NEAR(a.minX, b.minX, tolerance) << what;
    EXPECT_NEAR(a.minY, b.minY, tolerance) << what;
    EXPECT_NEAR(a.maxX, b.maxX, tolerance) << what;
    EXPECT_NEAR(a.maxY, b.maxY, tolerance) << what;
}

} // namespace

TEST(DwgCorpus, EveryR14And2000DrawingReadsWithItsEntities) {
    if (!fs::is_directory(corpus()))
        GTEST_SKIP() << "the drawing corpus ../shared/corpus is not there";
    for (const auto& c : corpusCases()) {
        const auto path = (corpus() / c.file).string();
        try {
            const cad::Drawing d = cad::readDwgFile(path);
            EXPECT_EQ(cad::findModelFault(d), "") << c.file;
            EXPECT_EQ(countsOf(d), c.counts) << c.file;
            EXPECT_TRUE(d.header.codePage.starts_with("ANSI_")) << c.file;
        } catch (const cad::ReadError& e) {
            ADD_FAILURE() << e.what();
        }
    }
}

TEST(DwgCorpus, DrawingsMatchTheirDxfTwins) {
    if (!fs::is_directory(corpus()))
        GTEST_SKIP() << "the drawing corpus ../shared/corpus is not there";
    std::size_t twins = 0;
    for (const auto& c : corpusCases()) {
        const fs::path dwgPath = corpus() / c.file;
        fs::path dxfPath = dwgPath;
        dxfPath.replace_extension(".dxf");
        if (!fs::exists(dxfPath))
            continue;
        ++twins;
        const cad::Drawing dwg = cad::readDwgFile(dwgPath.string());
        const cad::Drawing dxf = cad::readDxfFile(dxfPath.string());
        Counts dwgCounts = countsOf(dwg), dxfCounts = countsOf(dxf);
        // DXF files write the entities of classes unknown to the writer as proxies.
        for (auto* counts : {&dwgCounts, &dxfCounts})
            std::erase_if(*counts, [](const auto& e) { return e.first.starts_with("skipped"); });
        EXPECT_EQ(dwgCounts, dxfCounts) << c.file;
        EXPECT_EQ(layerNames(dwg), layerNames(dxf)) << c.file;
        EXPECT_EQ(dwg.header.codePage, dxf.header.codePage) << c.file;
        expectSameBox(cad::modelSpaceExtents(dwg), cad::modelSpaceExtents(dxf), c.file);
    }
    EXPECT_GT(twins, 0u);
}

TEST(DwgCorpus, TruncatedAndDamagedDrawingsGiveReadErrors) {
    const auto path = corpus() / "2000" / "Line.dwg";
    if (!fs::exists(path))
        GTEST_SKIP() << "the drawing corpus ../shared/corpus is not there";
    std::vector<std::uint8_t> bytes(fs::file_size(path));
    {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(std::fread(bytes.data(), 1, bytes.size(), f), bytes.size());
        std::fclose(f);
    }
    // The object map lies near the end of the file, after the objects.
    for (const std::size_t size : {std::size_t(0), std::size_t(20), std::size_t(1000),
                                   bytes.size() / 2, bytes.size() - 1000}) {
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + std::ptrdiff_t(size));
        EXPECT_THROW(cad::readDwg(cut), cad::ReadError) << size;
    }
    // Locators of the sections pointing past the end.
    auto damaged = bytes;
    for (std::size_t i = 0x1A; i < 0x1E; ++i)
        damaged[i] = 0xFF;
    EXPECT_THROW(cad::readDwg(damaged), cad::ReadError);
}
