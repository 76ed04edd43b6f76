// The DWG drawings of the shared corpus that this reader reads (R14, 2000 and
// 2004): each reads into a consistent model with the entities it holds, and
// where a DXF twin stands beside it, into the model the DXF reader builds from
// that. The 2004 files hold the drawings of the 2000 files of the same names.

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

// What a model says of each model-space entity's properties, in drawing order.
std::vector<std::string> entityProperties(const cad::Drawing& d) {
    std::vector<std::string> lines;
    for (const auto ref : d.modelSpaceEntities()) {
        const auto& p = d.props(ref);
        lines.push_back(std::string(cad::entityTypeName(ref.type)) + " " +
                        std::to_string(p.handle) + " layer " +
                        cad::upperName(d.text(d.layers[p.layer].name)) + " linetype " +
                        cad::upperName(d.text(d.linetypes[p.linetype].name)) + " colour " +
                        std::to_string(int(p.color.kind())) + "/" +
                        std::to_string(p.color.index()) + " lineweight " +
                        std::to_string(p.lineweight) + " scale " + std::to_string(p.linetypeScale));
    }
    return lines;
}

// Linetype names with their dash counts, and text style names with their fonts.
std::set<std::string> tableEntries(const cad::Drawing& d) {
    std::set<std::string> entries;
    for (const auto& l : d.linetypes)
        entries.insert("linetype " + cad::upperName(d.text(l.name)) + " " +
                       std::to_string(l.dashes.count));
    for (const auto& t : d.textStyles)
        entries.insert("style " + cad::upperName(d.text(t.name)) + " " +
                       cad::upperName(d.text(t.fontFile)));
    return entries;
}

struct CorpusCase {
    const char* file;
    Counts counts;
};

const std::vector<CorpusCase>& corpusCases() {
    // The leader drawing of R14 and of 2000 holds the same entities.
    const Counts leaderCounts = {{"LINE", 1},   {"LWPOLYLINE", 1}, {"MTEXT", 1},
                                 {"LEADER", 1}, {"IMAGE", 5},      {"skipped MULTILEADER", 1}};
    static const std::vector<CorpusCase> cases = {
        {"r14/Constraints.dwg", {{"LINE", 1}, {"CIRCLE", 1}}},
        {"r14/Leader.dwg", leaderCounts},
        {"2000/Arc.dwg", {{"ARC", 1}}},
        {"2000/Cone.dwg", {{"skipped 3DSOLID", 1}}},
        {"2000/Constraints.dwg", {{"LINE", 1}, {"CIRCLE", 1}}},
        {"2000/ConstructionLine.dwg", {{"XLINE", 1}}},
        {"2000/Donut.dwg", {{"LWPOLYLINE", 1}}},
        {"2000/Ellipse.dwg", {{"ELLIPSE", 1}}},
        {"2000/Helix.dwg", {{"HELIX", 1}}},
        {"2000/Leader.dwg", leaderCounts},
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

// The 2004 files, which hold the same drawings as the 2000 files.
std::vector<std::string> files2004() {
    std::vector<std::string> names;
    for (const auto& c : corpusCases()) {
        const std::string file = c.file;
        if (file.starts_with("2000/") && fs::exists(corpus() / ("2004/" + file.substr(5))))
            names.push_back(file.substr(5));
    }
    return names;
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

std::vector<std::uint8_t> fileBytes(const fs::path& path) {
    std::vector<std::uint8_t> bytes(fs::file_size(path));
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f) {
        bytes.resize(std::fread(bytes.data(), 1, bytes.size(), f));
        std::fclose(f);
    }
    return bytes;
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

TEST(DwgCorpus, Release2004DrawingsMatchTheir2000Versions) {
    if (!fs::is_directory(corpus()))
        GTEST_SKIP() << "the drawing corpus ../shared/corpus is not there";
    const auto names = files2004();
    EXPECT_GE(names.size(), 15u);
    for (const auto& name : names) {
        try {
            const cad::Drawing d2004 = cad::readDwgFile((corpus() / "2004" / name).string());
            const cad::Drawing d2000 = cad::readDwgFile((corpus() / "2000" / name).string());
            EXPECT_EQ(d2004.header.version, "AC1018");
            EXPECT_EQ(cad::findModelFault(d2004), "") << name;
            EXPECT_EQ(countsOf(d2004), countsOf(d2000)) << name;
            EXPECT_EQ(layerNames(d2004), layerNames(d2000)) << name;
            expectSameBox(cad::modelSpaceExtents(d2004), cad::modelSpaceExtents(d2000), name);
        } catch (const cad::ReadError& e) {
            ADD_FAILURE() << e.what();
        }
    }
}

TEST(DwgCorpus, DrawingsMatchTheirDxfTwins) {
    if (!fs::is_directory(corpus()))
        GTEST_SKIP() << "the drawing corpus ../shared/corpus is not there";
    std::vector<std::string> files;
    for (const auto& c : corpusCases())
        files.push_back(c.file);
    for (const auto& name : files2004())
        files.push_back("2004/" + name);
    std::size_t twins = 0;
    for (const auto& file : files) {
        const fs::path dwgPath = corpus() / file;
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
        EXPECT_EQ(dwgCounts, dxfCounts) << file;
        EXPECT_EQ(layerNames(dwg), layerNames(dxf)) << file;
        EXPECT_EQ(dwg.header.codePage, dxf.header.codePage) << file;
        EXPECT_EQ(entityProperties(dwg), entityProperties(dxf)) << file;
        EXPECT_EQ(tableEntries(dwg), tableEntries(dxf)) << file;
        expectSameBox(cad::modelSpaceExtents(dwg), cad::modelSpaceExtents(dxf), file);
    }
    EXPECT_GT(twins, 0u);
}

TEST(DwgCorpus, TruncatedAndDamagedDrawingsGiveReadErrors) {
    const auto path = corpus() / "2000" / "Line.dwg";
    if (!fs::exists(path))
        GTEST_SKIP() << "the drawing corpus ../shared/corpus is not there";
    const auto bytes = fileBytes(path);
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

TEST(DwgCorpus, DamagedRelease2004ContainersGiveReadErrors) {
    const auto path = corpus() / "2004" / "Line.dwg";
    if (!fs::exists(path))
        GTEST_SKIP() << "the drawing corpus ../shared/corpus is not there";
    const auto bytes = fileBytes(path);
    // The mark of the encrypted header, and the page map's address and the
    // section map's page number in it.
    for (const std::size_t at :
         {std::size_t(0x80 + 2), std::size_t(0x80 + 0x54), std::size_t(0x80 + 0x5C)}) {
        auto damaged = bytes;
        damaged[at] ^= 0x5A;
        EXPECT_THROW(cad::readDwg(damaged), cad::ReadError) << at;
    }
    for (const std::size_t size : {std::size_t(0x90), bytes.size() / 2, bytes.size() - 600}) {
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + std::ptrdiff_t(size));
        EXPECT_THROW(cad::readDwg(cut), cad::ReadError) << size;
    }
}
