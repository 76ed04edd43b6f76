#include "DxfBuilder.h"
#include "StatsJson.h"

#include "cad/DxfReader.h"
#include "cad/Extents.h"
#include "cad/ReadError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace cad;
using dxftest::Groups;

namespace {

Drawing read(const std::string& data) {
    return readDxf(dxftest::bytes(data));
}
Drawing readText(const Groups& groups) {
    return read(dxftest::text(groups));
}

std::string failure(const std::string& data) {
    try {
        read(data);
    } catch (const ReadError& e) {
        return e.what();
    }
    return "(no error)";
}

// A few entities of different kinds, on a layer of a table.
Groups sampleDrawing() {
    Groups g = {{0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, "AC1015"},  {9, "$EXTMIN"},
                {10, "0"},      {20, "0"},     {30, "0"},       {9, "$EXTMAX"}, {10, "10"},
                {20, "5"},      {30, "0"},     {9, "$LTSCALE"}, {40, "2.5"},    {9, "$PDMODE"},
                {70, "3"},      {0, "ENDSEC"}, {0, "SECTION"},  {2, "TABLES"},  {0, "TABLE"},
                {2, "LTYPE"},   {0, "LTYPE"},  {2, "DASHED"},   {3, "__ __"},   {73, "2"},
                {40, "0.75"},   {49, "0.5"},   {49, "-0.25"},   {0, "ENDTAB"},  {0, "TABLE"},
                {2, "LAYER"},   {0, "LAYER"},  {2, "WALLS"},    {70, "1"},      {62, "-3"},
                {6, "DASHED"},  {370, "50"},   {0, "ENDTAB"},   {0, "ENDSEC"},  {0, "SECTION"},
                {2, "ENTITIES"}};
    const Groups entities = {
        {0, "LINE"},       {5, "1A"},     {8, "WALLS"}, {62, "1"},  {10, "0"},     {20, "0"},
        {30, "0"},         {11, "10"},    {21, "5"},    {31, "0"},  {0, "CIRCLE"}, {8, "0"},
        {420, "16711680"}, {10, "2"},     {20, "2"},    {40, "1"},  {0, "ARC"},    {10, "5"},
        {20, "0"},         {40, "2"},     {50, "0"},    {51, "90"}, {0, "TEXT"},   {10, "1"},
        {20, "1"},         {40, "0.5"},   {1, "Hello"}, {50, "30"}, {0, "POINT"},  {10, "3"},
        {20, "4"},         {0, "ENDSEC"}, {0, "EOF"}};
    g.insert(g.end(), entities.begin(), entities.end());
    return g;
}

} // namespace

TEST(DxfReader, ReadsTablesHeaderAndEntities) {
    const Drawing d = readText(sampleDrawing());
    EXPECT_EQ(d.header.version, "AC1015");
    EXPECT_TRUE(d.header.hasExtents);
    EXPECT_EQ(d.header.extMax.x, 10);
    EXPECT_EQ(d.header.ltScale, 2.5);
    EXPECT_EQ(d.header.pdMode, 3);

    const LayerIndex walls = d.findLayer("walls");
    ASSERT_NE(walls, kLayerZero);
    const Layer& layer = d.layers[walls];
    EXPECT_FALSE(layer.on);
    EXPECT_TRUE(layer.frozen);
    EXPECT_EQ(layer.color, Color::fromIndex(3));
    EXPECT_EQ(layer.lineweight, 50);
    const Linetype& dashed = d.linetypes[layer.linetype];
    EXPECT_EQ(d.text(dashed.name), "DASHED");
    const auto dashes = Drawing::slice(d.reals, dashed.dashes);
    ASSERT_EQ(dashes.size(), 2u);
    EXPECT_EQ(dashes[1], -0.25);

    const auto model = d.modelSpaceEntities();
    ASSERT_EQ(model.size(), 5u);
    EXPECT_EQ(model[0].type, EntityType::Line);
    const Line& line = d.get<Line>(model[0].index);
    EXPECT_EQ(line.props.handle, 0x1Au);
    EXPECT_EQ(line.props.layer, walls);
    EXPECT_EQ(line.props.color, Color::fromIndex(1));
    EXPECT_EQ(line.end, (Vec3{10, 5, 0}));
    EXPECT_EQ(d.get<Circle>(0).props.color, Color::fromRgb(255, 0, 0));
    EXPECT_NEAR(d.get<Arc>(0).endAngle, std::numbers::pi / 2, 1e-12);
    const Text& text = d.get<Text>(0);
    EXPECT_EQ(d.text(text.text.content), "Hello");
    EXPECT_NEAR(text.text.rotation, std::numbers::pi / 6, 1e-12);
    EXPECT_EQ(d.get<Point>(0).position, (Vec3{3, 4, 0}));
}

TEST(DxfReader, GivesTheSameModelForEveryFormOfOneDrawing) {
    const Groups groups = sampleDrawing();
    const std::string reference = drawingStatsJson(readText(groups));
    EXPECT_NE(reference.find("\"LINE\": 1"), std::string::npos) << reference;
    struct Form {
        const char* name;
        std::string data;
    };
    const Form forms[] = {
        {"CRLF", dxftest::text(groups, "\r\n")},
        {"binary", dxftest::binary(groups)},
        {"binary, 1-byte codes", dxftest::binary(groups, false)},
    };
    for (const auto& form : forms) {
        const Drawing d = read(form.data);
        EXPECT_EQ(drawingStatsJson(d), reference) << form.name;
        EXPECT_EQ(d.text(d.get<Text>(0).text.content), "Hello") << form.name;
        EXPECT_EQ(d.text(d.layers[d.get<Line>(0).props.layer].name), "WALLS") << form.name;
    }
}

TEST(DxfReader, DecodesTextInTheDrawingsCodePage) {
    struct Case {
        const char* version;
        const char* codePage;
        std::string raw;
        std::string expected;
    };
    const Case cases[] = {
        {"AC1015", "ANSI_936", "\xd6\xd0\xce\xc4\xb2\xe2\xca\xd4", "中文测试"},
        {"AC1018", "ANSI_1252", "\\U+4E2D\\U+6587", "中文"},
        {"AC1021", "ANSI_936", "中文 \\U+00B0", "中文 °"},
        {"AC1009", "ANSI_936", "\\M+5D6D0", "中"},
    };
    for (const auto& c : cases) {
        const Drawing d = readText(dxftest::drawing(
            {{0, "TEXT"}, {8, c.raw}, {1, c.raw}, {0, "MTEXT"}, {3, c.raw}, {1, c.raw}}, {},
            c.version, c.codePage));
        EXPECT_EQ(d.text(d.get<Text>(0).text.content), c.expected) << c.codePage;
        EXPECT_EQ(d.text(d.layers[d.get<Text>(0).props.layer].name), c.expected) << c.codePage;
        EXPECT_EQ(d.text(d.get<MText>(0).content), c.expected + c.expected) << c.codePage;
    }
}

TEST(DxfReader, DecodesMTextChunksThatSplitACharacter) {
    // "中文" in GBK is D6 D0 CE C4; the chunk boundary falls inside "文".
    const Drawing d = readText(dxftest::drawing({{0, "MTEXT"}, {3, "\xd6\xd0\xce"}, {1, "\xc4"}},
                                                {}, "AC1015", "ANSI_936"));
    EXPECT_EQ(d.text(d.get<MText>(0).content), "中文");
}

TEST(DxfReader, ReadsMInsertArraysAndNestedBlocks) {
    const Groups blocks = {{0, "BLOCK"},
                           {2, "UNIT"},
                           {70, "0"},
                           {10, "0"},
                           {20, "0"},
                           {30, "0"},
                           {0, "LINE"},
                           {10, "0"},
                           {20, "0"},
                           {11, "1"},
                           {21, "1"},
                           {0, "ENDBLK"},
                           // OUTER holds UNIT scaled by 2 at (10, 0); its base point is (1, 0).
                           {0, "BLOCK"},
                           {2, "OUTER"},
                           {10, "1"},
                           {20, "0"},
                           {0, "INSERT"},
                           {2, "unit"},
                           {10, "10"},
                           {20, "0"},
                           {41, "2"},
                           {42, "2"},
                           {0, "ENDBLK"}};
    const Groups entities = {{0, "INSERT"}, {2, "UNIT"}, {10, "100"}, {20, "0"},     {70, "3"},
                             {71, "2"},     {44, "5"},   {45, "10"},  {0, "INSERT"}, {2, "OUTER"},
                             {10, "0"},     {20, "0"},   {50, "90"},  {0, "INSERT"}, {2, "MISSING"},
                             {10, "0"},     {20, "0"}};
    const Drawing d = readText(dxftest::drawing(entities, blocks));
    ASSERT_EQ(d.store<Insert>().size(), 4u);
    const Insert& array = d.get<Insert>(1);
    EXPECT_EQ(array.columns, 3);
    EXPECT_EQ(array.rows, 2);
    EXPECT_EQ(array.columnSpacing, 5);
    EXPECT_EQ(array.rowSpacing, 10);
    EXPECT_EQ(d.text(d.blocks[array.block].name), "UNIT");
    EXPECT_EQ(d.get<Insert>(0).block, d.findBlock("UNIT")); // case-insensitive name
    EXPECT_EQ(d.get<Insert>(3).block, kNoBlock);
    EXPECT_EQ(d.blocks[d.findBlock("OUTER")].base, (Vec3{1, 0, 0}));
    EXPECT_EQ(d.entities(d.blocks[d.findBlock("OUTER")].entities).size(), 1u);

    ExtentsCalculator extents(d);
    const auto model = d.modelSpaceEntities();
    const Box2 arrayBox = extents.entity(model[0]);
    EXPECT_DOUBLE_EQ(arrayBox.minX, 100);
    EXPECT_DOUBLE_EQ(arrayBox.maxX, 111);
    EXPECT_DOUBLE_EQ(arrayBox.maxY, 11);
    // OUTER places the unit line from (9, 0) to (11, 2) relative to its base;
    // turned a quarter, that runs from (0, 9) to (-2, 11).
    const Box2 nested = extents.entity(model[1]);
    EXPECT_NEAR(nested.minX, -2, 1e-9);
    EXPECT_NEAR(nested.maxX, 0, 1e-9);
    EXPECT_NEAR(nested.minY, 9, 1e-9);
    EXPECT_NEAR(nested.maxY, 11, 1e-9);
}

TEST(DxfReader, ReadsInsertAttributes) {
    const Groups blocks = {{0, "BLOCK"},   {2, "TAG"}, {0, "ATTDEF"}, {2, "NO"},
                           {3, "Number?"}, {1, ""},    {0, "ENDBLK"}};
    const Groups entities = {{0, "INSERT"}, {66, "1"}, {2, "TAG"}, {10, "0"},     {20, "0"},
                             {0, "ATTRIB"}, {2, "NO"}, {1, "42"},  {70, "0"},     {0, "ATTRIB"},
                             {2, "HIDDEN"}, {1, "x"},  {70, "1"},  {0, "SEQEND"}, {0, "LINE"}};
    const Drawing d = readText(dxftest::drawing(entities, blocks));
    ASSERT_EQ(d.modelSpaceEntities().size(), 2u); // the attributes belong to the insert
    const auto attribs = Drawing::slice(d.store<Attrib>(), d.get<Insert>(0).attribs);
    ASSERT_EQ(attribs.size(), 2u);
    EXPECT_EQ(d.text(attribs[0].tag), "NO");
    EXPECT_EQ(d.text(attribs[0].text.content), "42");
    EXPECT_EQ(attribs[1].flags, 1);
    EXPECT_EQ(d.text(d.get<AttDef>(0).prompt), "Number?");
}

TEST(DxfReader, ReadsPolylinesWithTheirVertices) {
    const Groups entities = {{0, "POLYLINE"},
                             {66, "1"},
                             {10, "0"},
                             {20, "0"},
                             {30, "2"},
                             {70, "1"},
                             {40, "0.5"},
                             {0, "VERTEX"},
                             {10, "0"},
                             {20, "0"},
                             {42, "1"},
                             {0, "VERTEX"},
                             {10, "2"},
                             {20, "0"},
                             {40, "0.1"},
                             {41, "0.3"},
                             {0, "VERTEX"},
                             {10, "9"},
                             {20, "9"},
                             {70, "16"},
                             {0, "SEQEND"},
                             // A polyface mesh: three vertices and one triangle with a hidden edge.
                             {0, "POLYLINE"},
                             {66, "1"},
                             {70, "64"},
                             {71, "3"},
                             {72, "1"},
                             {0, "VERTEX"},
                             {10, "0"},
                             {20, "0"},
                             {70, "192"},
                             {0, "VERTEX"},
                             {10, "1"},
                             {20, "0"},
                             {70, "192"},
                             {0, "VERTEX"},
                             {10, "0"},
                             {20, "1"},
                             {70, "192"},
                             {0, "VERTEX"},
                             {70, "128"},
                             {71, "1"},
                             {72, "-2"},
                             {73, "3"},
                             {0, "SEQEND"},
                             {0, "LWPOLYLINE"},
                             {90, "2"},
                             {70, "1"},
                             {43, "0.2"},
                             {38, "4"},
                             {10, "1"},
                             {20, "2"},
                             {42, "-0.5"},
                             {10, "3"},
                             {20, "4"}};
    const Drawing d = readText(dxftest::drawing(entities));
    EXPECT_EQ(d.modelSpaceEntities().size(), 3u);
    const Polyline& p = d.get<Polyline>(0);
    EXPECT_EQ(p.kind, PolylineKind::Polyline2D);
    EXPECT_TRUE(p.closed);
    const auto v = Drawing::slice(d.polyVertices, p.vertices);
    ASSERT_EQ(v.size(), 2u); // the spline frame point is left out
    EXPECT_EQ(v[0].bulge, 1);
    EXPECT_EQ(v[0].startWidth, 0.5);
    EXPECT_EQ(v[1].startWidth, 0.1);
    EXPECT_EQ(v[1].endWidth, 0.3);
    EXPECT_EQ(v[1].position.z, 2);

    const Polyline& mesh = d.get<Polyline>(1);
    EXPECT_EQ(mesh.kind, PolylineKind::PolyfaceMesh);
    EXPECT_EQ(Drawing::slice(d.polyVertices, mesh.vertices).size(), 3u);
    const auto faces = Drawing::slice(d.polyfaceFaces, mesh.faces);
    ASSERT_EQ(faces.size(), 1u);
    EXPECT_EQ(faces[0], (std::array<std::int32_t, 4>{1, -2, 3, 0}));

    const LwPolyline& lw = d.get<LwPolyline>(0);
    const auto lv = Drawing::slice(d.polyVertices, lw.vertices);
    ASSERT_EQ(lv.size(), 2u);
    EXPECT_EQ(lv[0].bulge, -0.5);
    EXPECT_EQ(lv[1].position, (Vec3{3, 4, 4}));
    EXPECT_EQ(lv[1].startWidth, 0.2); // the constant width
}

TEST(DxfReader, ReadsHatchBoundariesOfMixedEdgesAndPatterns) {
    const Groups entities = {
        {0, "HATCH"},
        {10, "0"},
        {20, "0"},
        {30, "1.5"},
        {2, "ANSI31"},
        {70, "0"},
        {71, "0"},
        {91, "2"},
        // An edge path: a line, an arc, an elliptic arc (clockwise) and a spline.
        {92, "1"},
        {93, "4"},
        {72, "1"},
        {10, "0"},
        {20, "0"},
        {11, "10"},
        {21, "0"},
        {72, "2"},
        {10, "10"},
        {20, "5"},
        {40, "5"},
        {50, "270"},
        {51, "90"},
        {73, "1"},
        {72, "3"},
        {10, "5"},
        {20, "10"},
        {11, "5"},
        {21, "0"},
        {40, "0.5"},
        {50, "0"},
        {51, "180"},
        {73, "0"},
        {72, "4"},
        {94, "3"},
        {73, "1"},
        {74, "0"},
        {95, "8"},
        {96, "4"},
        {40, "0"},
        {40, "0"},
        {40, "0"},
        {40, "0"},
        {40, "1"},
        {40, "1"},
        {40, "1"},
        {40, "1"},
        {10, "0"},
        {20, "10"},
        {42, "1"},
        {10, "0"},
        {20, "7"},
        {42, "2"},
        {10, "0"},
        {20, "3"},
        {42, "1"},
        {10, "0"},
        {20, "0"},
        {42, "1"},
        {97, "2"},
        {11, "0"},
        {21, "10"},
        {11, "0"},
        {21, "0"},
        {97, "1"},
        {330, "2F"},
        // A polyline path with bulges.
        {92, "3"},
        {72, "1"},
        {73, "1"},
        {93, "2"},
        {10, "20"},
        {20, "0"},
        {42, "1"},
        {10, "30"},
        {20, "0"},
        {42, "1"},
        {97, "0"},
        {75, "1"},
        {76, "1"},
        {52, "45"},
        {41, "2"},
        {77, "0"},
        {78, "1"},
        {53, "45"},
        {43, "0"},
        {44, "0"},
        {45, "-0.1"},
        {46, "0.1"},
        {79, "2"},
        {49, "0.5"},
        {49, "-0.2"},
        {98, "1"},
        {10, "1"},
        {20, "1"}};
    const Drawing d = readText(dxftest::drawing(entities));
    ASSERT_EQ(d.store<Hatch>().size(), 1u);
    const Hatch& h = d.get<Hatch>(0);
    EXPECT_FALSE(h.solid);
    EXPECT_EQ(d.text(h.patternName), "ANSI31");
    EXPECT_EQ(h.elevation, 1.5);
    EXPECT_EQ(h.style, 1);
    EXPECT_NEAR(h.patternAngle, std::numbers::pi / 4, 1e-12);
    EXPECT_EQ(h.patternScale, 2);
    const auto paths = Drawing::slice(d.hatchPaths, h.paths);
    ASSERT_EQ(paths.size(), 2u);
    const auto edges = Drawing::slice(d.hatchEdges, paths[0].edges);
    ASSERT_EQ(edges.size(), 4u);
    EXPECT_EQ(edges[0].type, HatchEdgeType::Line);
    EXPECT_EQ(edges[0].end, (Vec2{10, 0}));
    EXPECT_EQ(edges[1].type, HatchEdgeType::Arc);
    EXPECT_EQ(edges[1].radius, 5);
    EXPECT_NEAR(edges[1].startAngle, 1.5 * std::numbers::pi, 1e-12);
    EXPECT_EQ(edges[2].type, HatchEdgeType::Ellipse);
    EXPECT_FALSE(edges[2].counterClockwise);
    EXPECT_NEAR(edges[2].startAngle, std::numbers::pi, 1e-12); // 0..180 clockwise, mirrored
    EXPECT_NEAR(edges[2].endAngle, 2 * std::numbers::pi, 1e-12);
    const HatchEdge& spline = edges[3];
    EXPECT_EQ(spline.type, HatchEdgeType::Spline);
    EXPECT_TRUE(spline.rational);
    EXPECT_EQ(Drawing::slice(d.reals, spline.knots).size(), 8u);
    EXPECT_EQ(Drawing::slice(d.points2, spline.controlPoints).size(), 4u);
    EXPECT_EQ(Drawing::slice(d.reals, spline.weights)[1], 2);
    EXPECT_EQ(Drawing::slice(d.points2, spline.fitPoints).size(), 2u);
    const auto polyline = Drawing::slice(d.hatchEdges, paths[1].edges);
    ASSERT_EQ(polyline.size(), 1u);
    EXPECT_EQ(polyline[0].type, HatchEdgeType::Polyline);
    EXPECT_TRUE(polyline[0].closed);
    EXPECT_EQ(Drawing::slice(d.polyVertices, polyline[0].vertices)[1].bulge, 1);
    const auto lines = Drawing::slice(d.hatchPatternLines, h.patternLines);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].offset, (Vec2{-0.1, 0.1}));
    EXPECT_EQ(Drawing::slice(d.reals, lines[0].dashes).size(), 2u);
}

TEST(DxfReader, SkipsAndCountsUnknownTypesAndLeavesOutPaperSpace) {
    const Groups entities = {{0, "3DSOLID"}, {1, "data"}, {0, "MULTILEADER"}, {0, "3DSOLID"},
                             {0, "LINE"},    {67, "1"},   {0, "CIRCLE"},      {40, "1"},
                             {0, "REGION"},  {67, "1"},   {0, "SEQEND"}};
    const Drawing d = readText(dxftest::drawing(entities));
    EXPECT_EQ(d.modelSpaceEntities().size(), 1u);
    EXPECT_EQ(d.modelSpaceEntities()[0].type, EntityType::Circle);
    EXPECT_EQ(d.skippedEntities, (std::map<std::string, std::size_t, std::less<>>{
                                     {"3DSOLID", 2}, {"MULTILEADER", 1}}));
}

TEST(DxfReader, ReportsBadInputWithItsLine) {
    struct Case {
        const char* name;
        std::string data;
        std::string message;
    };
    const std::string good = dxftest::text(dxftest::drawing({{0, "LINE"}, {10, "1"}}));
    const Case cases[] = {
        {"empty file", "", "the file is empty"},
        {"no sections", "999\ncomment only\n", "the file holds no DXF sections"},
        {"a DWG file", std::string("AC1015\0\0\0\0\0\x01", 12), "this is a DWG drawing"},
        {"not a DXF file", "PK\x03\x04 zipped", "line 1: a group code was expected"},
        {"truncated", good.substr(0, good.find("  0\nENDSEC\n  0\nEOF")),
         "the file ends inside the ENTITIES section that starts at line"},
        {"truncated in a value", good.substr(0, good.size() - 4),
         "the file ends before the value of group code 0"},
        {"missing value", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n",
         "line 7: the file ends before the value of group code 10"},
        {"number that is not one", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n1,5\n0\nENDSEC\n",
         "line 7: group code 10 has the value '1,5', which is not a number"},
        {"section inside a section", "0\nSECTION\n2\nENTITIES\n0\nSECTION\n2\nBLOCKS\n0\nENDSEC\n",
         "line 5: the ENTITIES section that starts at line 1 has no ENDSEC"},
        {"section without a name", "0\nSECTION\n0\nENDSEC\n", "line 1: the section has no name"},
        {"stray group", "0\nSECTION\n2\nHEADER\n0\nENDSEC\n10\n1.0\n",
         "line 7: a section was expected, found group code 10"},
        {"ENDSEC outside a section", "0\nENDSEC\n", "line 1: a section was expected, found ENDSEC"},
        {"block without ENDBLK",
         "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nA\n0\nLINE\n0\nBLOCK\n2\nB\n0\nENDBLK\n0\nENDSEC\n",
         "line 11: a block starts inside the block that starts at line 5"},
        {"block open at ENDSEC", "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nA\n0\nENDSEC\n",
         "line 9: the block that starts at line 5 has no ENDBLK"},
        {"ENDBLK without BLOCK", "0\nSECTION\n2\nBLOCKS\n0\nENDBLK\n0\nENDSEC\n",
         "line 5: ENDBLK without a BLOCK"},
        {"entity outside a block", "0\nSECTION\n2\nBLOCKS\n0\nLINE\n0\nENDSEC\n",
         "line 5: the entity LINE stands outside a block"},
        {"block in ENTITIES", "0\nSECTION\n2\nENTITIES\n0\nBLOCK\n0\nENDSEC\n",
         "line 5: a block definition stands in the ENTITIES section"},
        {"binary truncated", dxftest::binary(dxftest::drawing({{0, "LINE"}})).substr(0, 60),
         "byte offset"},
    };
    for (const auto& c : cases)
        EXPECT_NE(failure(c.data).find(c.message), std::string::npos)
            << c.name << ": " << failure(c.data);
}

TEST(DxfReader, NamesTheFileItCannotOpen) {
    try {
        readDxfFile("/nonexistent/drawing.dxf");
        FAIL() << "no error";
    } catch (const ReadError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/drawing.dxf: cannot open the file"),
                  std::string::npos)
            << e.what();
    }
}
