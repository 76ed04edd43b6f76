// The DWG reader over hand-built files: what it reads, what it skips, and how
// it fails on files it cannot read.

#include "cad/dwg/DwgReader.h"
#include "cad/Extents.h"
#include "cad/ModelCheck.h"
#include "cad/ReadError.h"
#include "tests/cad/dwg/DwgBuilder.h"

#include <gtest/gtest.h>

using namespace dwgtest;

namespace {

std::string readErrorOf(const std::vector<std::uint8_t>& bytes) {
    try {
        cad::readDwg(bytes);
    } catch (const cad::ReadError& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(DwgReader, ReadsALineOfAHandBuiltFile) {
    const auto file = dwgFile({line(0x40, 1.5, 2.5, 10, -4)});
    const cad::Drawing d = cad::readDwg(file);
    EXPECT_EQ(d.format, cad::FileFormat::Dwg);
    EXPECT_EQ(d.header.version, "AC1015");
    EXPECT_EQ(d.header.codePage, "ANSI_1252");
    ASSERT_EQ(d.modelSpaceEntities().size(), 1u);
    const auto& l = d.get<cad::Line>(0);
    EXPECT_EQ(l.start, (cad::Vec3{1.5, 2.5, 0}));
    EXPECT_EQ(l.end, (cad::Vec3{10, -4, 0}));
    EXPECT_EQ(l.props.handle, 0x40u);
    EXPECT_TRUE(l.props.color.isByLayer());
    EXPECT_EQ(l.props.lineweight, cad::kLineweightByLayer);
}

TEST(DwgReader, PutsEntitiesIntoTheirBlocksAndResolvesReferences) {
    Object boxLine = line(0x51, 0, 0, 2, 1);
    boxLine.mode = 0;
    boxLine.owner = 0x50;
    Object dimensionLine = line(0x61, -1, -1, 4, 3);
    dimensionLine.mode = 0;
    dimensionLine.owner = 0x60;
    Object insert;
    insert.type = 0x07;
    insert.handle = 0x70;
    insert.fields.point3(10, 20, 0).bb(2).rd(3).bd(0).point3(0, 0, 1).b(false);
    insert.handles.handle(5, 0x50);
    Object dimension;
    dimension.type = 0x15; // linear
    dimension.handle = 0x71;
    dimension.fields.point3(0, 0, 1).rd(1).rd(2).bd(0).rc(0).text("").bd(0).bd(0);
    dimension.fields.point3(1, 1, 1).bd(0).bs(5).bs(1).bd(1).bd(4.25).rd(0).rd(0);
    dimension.fields.point3(0, 0, 0).point3(4, 0, 0).point3(4, 3, 0).bd(0).bd(0);
    dimension.handles.handle(5, 0x1D).handle(5, 0x60);
    const auto file = dwgFile({blockHeader(0x50, "Box"), boxLine, blockHeader(0x60, "*D1"),
                               dimensionLine, insert, dimension});
    const cad::Drawing d = cad::readDwg(file);
    EXPECT_EQ(cad::findModelFault(d), "");
    ASSERT_EQ(d.modelSpaceEntities().size(), 2u);
    const auto& i = d.get<cad::Insert>(0);
    ASSERT_NE(i.block, cad::kNoBlock);
    EXPECT_EQ(d.text(d.blocks[i.block].name), "Box");
    EXPECT_EQ(i.scale, (cad::Vec3{3, 3, 3}));
    EXPECT_EQ(d.blocks[i.block].entities.count, 1u);
    const auto& dim = d.get<cad::Dimension>(0);
    ASSERT_NE(dim.block, cad::kNoBlock);
    EXPECT_EQ(d.text(d.blocks[dim.block].name), "*D1");
    EXPECT_EQ(dim.measurement, 4.25);
    EXPECT_EQ(dim.points[1], (cad::Vec3{4, 0, 0}));
    EXPECT_EQ(dim.definitionPoint, (cad::Vec3{4, 3, 0}));
    const auto box = cad::modelSpaceExtents(d);
    EXPECT_EQ(box.minX, -1);
    EXPECT_EQ(box.maxX, 16);
    EXPECT_EQ(box.maxY, 23);
}

TEST(DwgReader, ReadsAHandBuiltRelease2004File) {
    std::vector<Object> objects;
    for (int i = 0; i < 40; ++i)
        objects.push_back(line(0x40 + i, i, 0, i, 10));
    const cad::Drawing d = cad::readDwg(dwgFile2004(objects));
    EXPECT_EQ(d.header.version, "AC1018");
    ASSERT_EQ(d.entityCount(cad::EntityType::Line), 40u);
    EXPECT_EQ(d.get<cad::Line>(39).start, (cad::Vec3{39, 0, 0}));
    EXPECT_EQ(cad::findModelFault(d), "");
}

namespace {

Object ownedBy(std::uint64_t owner, Object o) {
    o.mode = 0;
    o.owner = owner;
    return o;
}

// A 2D vertex: flags, point, widths (a negative start width for equal widths),
// bulge and tangent direction.
Object vertex2D(std::uint64_t handle, std::uint64_t polyline, unsigned flags, double x, double y,
                double startWidth, double endWidth, double bulge) {
    Object v;
    v.type = 0x0A;
    v.handle = handle;
    v.fields.rc(std::uint8_t(flags)).point3(x, y, 0).bd(startWidth);
    if (startWidth >= 0)
        v.fields.bd(endWidth);
    v.fields.bd(bulge).bd(0);
    return ownedBy(polyline, v);
}

// A single-line text of release 2000 whose flags leave out every optional field.
void plainText(BitWriter& fields, double x, double y, double height, std::string_view content) {
    fields.rc(0xFF).rd(x).rd(y).b(true).b(true).rd(height).text(content);
}

} // namespace

TEST(DwgReader, ReadsPolylinesWithTheVerticesTheyOwn) {
    Object polyline;
    polyline.type = 0x0F;
    polyline.handle = 0x80;
    // Closed; default widths 0; elevation 2.5; the default normal.
    polyline.fields.bs(1).bs(0).bd(0).bd(0).b(true).bd(2.5).b(true);
    Object seqend;
    seqend.type = 0x06;
    seqend.handle = 0x85;
    const auto file = dwgFile({polyline, vertex2D(0x81, 0x80, 0, 0, 0, -0.5, 0, 0),
                               vertex2D(0x82, 0x80, 0, 10, 0, 0.25, 0.75, 1.0),
                               vertex2D(0x83, 0x80, 16, 5, 5, 0, 0, 0), // a frame point
                               vertex2D(0x84, 0x80, 0, 10, 10, 0, 0, 0), ownedBy(0x80, seqend),
                               line(0x90, 0, 0, 1, 1)});
    const cad::Drawing d = cad::readDwg(file);
    EXPECT_EQ(cad::findModelFault(d), "");
    ASSERT_EQ(d.modelSpaceEntities().size(), 2u);
    ASSERT_EQ(d.entityCount(cad::EntityType::Polyline), 1u);
    const auto& p = d.get<cad::Polyline>(0);
    EXPECT_TRUE(p.closed);
    EXPECT_EQ(p.kind, cad::PolylineKind::Polyline2D);
    const auto vertices = cad::Drawing::slice(d.polyVertices, p.vertices);
    ASSERT_EQ(vertices.size(), 3u);
    EXPECT_EQ(vertices[0].startWidth, 0.5);
    EXPECT_EQ(vertices[0].endWidth, 0.5);
    EXPECT_EQ(vertices[1].position, (cad::Vec3{10, 0, 2.5}));
    EXPECT_EQ(vertices[1].endWidth, 0.75);
    EXPECT_EQ(vertices[1].bulge, 1.0);
    EXPECT_EQ(vertices[2].position, (cad::Vec3{10, 10, 2.5}));
}

TEST(DwgReader, ReadsTheAttributesOfAnInsert) {
    Object insert;
    insert.type = 0x07;
    insert.handle = 0x70;
    insert.fields.point3(0, 0, 0).bb(3).bd(0).point3(0, 0, 1).b(true);
    insert.handles.handle(5, 0x50);
    std::vector<Object> objects = {blockHeader(0x50, "Tag"), insert};
    const std::vector<std::pair<std::string, std::string>> values = {{"PART", "A-12"},
                                                                     {"REV", "3"}};
    std::uint64_t handle = 0x71;
    for (const auto& [tag, value] : values) {
        Object attrib;
        attrib.type = 0x02;
        attrib.handle = handle++;
        plainText(attrib.fields, 1, 2, 0.5, value);
        attrib.fields.text(tag).bs(0).rc(0);
        attrib.handles.handle(5, 0x11);
        objects.push_back(ownedBy(0x70, attrib));
    }
    const cad::Drawing d = cad::readDwg(dwgFile(objects));
    EXPECT_EQ(cad::findModelFault(d), "");
    ASSERT_EQ(d.modelSpaceEntities().size(), 1u);
    const auto& i = d.get<cad::Insert>(0);
    const auto attribs = cad::Drawing::slice(d.store<cad::Attrib>(), i.attribs);
    ASSERT_EQ(attribs.size(), 2u);
    for (std::size_t k = 0; k < values.size(); ++k) {
        EXPECT_EQ(d.text(attribs[k].tag), values[k].first);
        EXPECT_EQ(d.text(attribs[k].text.content), values[k].second);
        EXPECT_EQ(attribs[k].text.height, 0.5);
    }
}

TEST(DwgReader, ReadsTextFieldsTheFlagsKeep) {
    Object text;
    text.type = 0x01;
    text.handle = 0x40;
    // Flags 0x41: no elevation, no horizontal alignment; everything else given.
    text.fields.rc(0x41).rd(3).rd(4).bb(3).rd(8).bb(0).b(true).b(true);
    text.fields.rd(0.1).rd(1.5).rd(2.0).rd(0.8).text("Note").bs(2).bs(3);
    text.handles.handle(5, 0x11);
    const cad::Drawing d = cad::readDwg(dwgFile({text}));
    ASSERT_EQ(d.entityCount(cad::EntityType::Text), 1u);
    const auto& t = d.get<cad::Text>(0).text;
    EXPECT_EQ(t.insertion, (cad::Vec3{3, 4, 0}));
    EXPECT_EQ(t.alignmentPoint, (cad::Vec3{8, 4, 0}));
    EXPECT_EQ(t.oblique, 0.1);
    EXPECT_EQ(t.rotation, 1.5);
    EXPECT_EQ(t.height, 2.0);
    EXPECT_EQ(t.widthFactor, 0.8);
    EXPECT_EQ(d.text(t.content), "Note");
    EXPECT_TRUE(t.backward);
    EXPECT_EQ(t.hAlign, cad::TextHAlign::Left);
    EXPECT_EQ(t.vAlign, cad::TextVAlign::Top);
}

TEST(DwgReader, ReadsHatchBoundariesAndPatternLines) {
    Object hatch;
    hatch.type = 0x4E;
    hatch.handle = 0x40;
    auto& f = hatch.fields;
    f.bd(0).point3(0, 0, 1).text("ANSI31").b(false).b(false).bl(2);
    // An outer path of two lines and a clockwise arc.
    f.bl(1).bl(3);
    f.rc(1).rd(0).rd(0).rd(10).rd(0);
    f.rc(1).rd(10).rd(0).rd(10).rd(10);
    f.rc(2).rd(5).rd(10).bd(5).bd(0).bd(3.14159).b(false);
    f.bl(0);
    // A closed polyline path with bulges.
    f.bl(2).b(true).b(true).bl(3).rd(2).rd(2).bd(0).rd(4).rd(2).bd(0.5).rd(3).rd(4).bd(0);
    f.bl(0);
    f.bs(1).bs(1).bd(0.5).bd(2).b(false);
    f.bs(1).bd(0.785).bd(0).bd(0).bd(0).bd(3.175).bs(2).bd(1.5).bd(-0.5);
    f.bl(0); // seed points
    const cad::Drawing d = cad::readDwg(dwgFile({hatch}));
    EXPECT_EQ(cad::findModelFault(d), "");
    ASSERT_EQ(d.entityCount(cad::EntityType::Hatch), 1u);
    const auto& h = d.get<cad::Hatch>(0);
    EXPECT_EQ(d.text(h.patternName), "ANSI31");
    EXPECT_FALSE(h.solid);
    EXPECT_EQ(h.style, 1);
    EXPECT_EQ(h.patternAngle, 0.5);
    EXPECT_EQ(h.patternScale, 2);
    const auto paths = cad::Drawing::slice(d.hatchPaths, h.paths);
    ASSERT_EQ(paths.size(), 2u);
    const auto outer = cad::Drawing::slice(d.hatchEdges, paths[0].edges);
    ASSERT_EQ(outer.size(), 3u);
    EXPECT_EQ(outer[1].end, (cad::Vec2{10, 10}));
    EXPECT_EQ(outer[2].type, cad::HatchEdgeType::Arc);
    EXPECT_NEAR(outer[2].startAngle, 2 * 3.14159265358979 - 3.14159, 1e-9);
    const auto inner = cad::Drawing::slice(d.hatchEdges, paths[1].edges);
    ASSERT_EQ(inner.size(), 1u);
    EXPECT_TRUE(inner[0].closed);
    const auto vertices = cad::Drawing::slice(d.polyVertices, inner[0].vertices);
    ASSERT_EQ(vertices.size(), 3u);
    EXPECT_EQ(vertices[1].bulge, 0.5);
    const auto lines = cad::Drawing::slice(d.hatchPatternLines, h.patternLines);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].offset, (cad::Vec2{0, 3.175}));
    EXPECT_EQ(cad::Drawing::slice(d.reals, lines[0].dashes).size(), 2u);
}

TEST(DwgReader, SkipsObjectsOfUnknownTypesByTheirSize) {
    Object unknown;
    unknown.type = 0x52 + 100; // beyond the fixed types, no class defines it
    unknown.handle = 0x41;
    unknown.entity = false;
    unknown.fields.rl(0xDEADBEEF).text("whatever it holds");
    const auto file = dwgFile({line(0x40, 0, 0, 1, 1), unknown, line(0x42, 2, 2, 3, 3)});
    const cad::Drawing d = cad::readDwg(file);
    EXPECT_EQ(d.entityCount(cad::EntityType::Line), 2u);
    EXPECT_EQ(cad::findModelFault(d), "");
}

TEST(DwgReader, CountsEntitiesOfTypesTheModelDoesNotKeep) {
    Object region;
    region.type = 0x25; // REGION: solid-model data the viewer does not draw
    region.handle = 0x41;
    region.fields.bs(1).rc(0);
    const cad::Drawing d = cad::readDwg(dwgFile({region}));
    EXPECT_EQ(d.skippedEntities.at("REGION"), 1u);
}

TEST(DwgReader, NamesTheReleaseOfFilesItDoesNotRead) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"AC1021", "DWG release 2007 (AC1021) is not supported yet"},
        {"AC1024", "DWG release 2010 (AC1024) is not supported yet"},
        {"AC1027", "DWG release 2013 (AC1027) is not supported yet"},
        {"AC1032", "DWG release 2018 (AC1032) is not supported yet"},
        {"AC1009", "DWG release R11/R12 (AC1009) is not supported yet"},
    };
    for (const auto& [version, message] : cases) {
        auto file = dwgFile({line(0x40, 0, 0, 1, 1)});
        std::copy(version.begin(), version.end(), file.begin());
        EXPECT_EQ(readErrorOf(file), message);
    }
    EXPECT_EQ(readErrorOf({'0', '\n', 'S', 'E', 'C'}), "not a DWG drawing");
    // A 2004 file keeps its directory behind an encrypted header.
    auto file2004 = dwgFile({line(0x40, 0, 0, 1, 1)});
    std::copy_n("AC1018", 6, file2004.begin());
    file2004.resize(0x100);
    EXPECT_EQ(readErrorOf(file2004), "the file's header does not decrypt to its mark");
    EXPECT_EQ(readErrorOf({'A', 'C', '9', '9', '9', '9', 0, 0}),
              "not a DWG drawing of a known release");
}

TEST(DwgReader, EveryTruncationGivesAReadErrorOrAConsistentModel) {
    const auto file = dwgFile({line(0x40, 0, 0, 1, 1), line(0x41, 5, 5, 6, 6)});
    for (std::size_t size = 0; size < file.size(); ++size) {
        const std::vector<std::uint8_t> cut(file.begin(), file.begin() + std::ptrdiff_t(size));
        try {
            const cad::Drawing d = cad::readDwg(cut);
            EXPECT_EQ(cad::findModelFault(d), "") << size;
        } catch (const cad::ReadError&) {
        }
    }
    // Without its object map the file cannot be read at all.
    const std::vector<std::uint8_t> cut(file.begin(), file.end() - 8);
    EXPECT_NE(readErrorOf(cut), "");
}

TEST(DwgReader, ADrawingWhoseObjectsMostlyCannotBeReadIsAReadError) {
    std::vector<Object> objects;
    for (int i = 0; i < 4; ++i)
        objects.push_back(line(0x40 + i, i, i, i + 1, i + 1));
    const auto good = dwgFile(objects);
    // Records follow the header, the header variables and the classes; give
    // `damaged` of them sizes that run past the end of the file.
    auto damage = [&](int damaged) {
        auto file = good;
        std::size_t at = 148;
        for (int i = 0; i < 4; ++i) {
            if (i < damaged) {
                file[at] = 0xFF;
                file[at + 1] = 0x7F;
            }
            at += objectRecord(objects[std::size_t(i)]).size();
        }
        return file;
    };
    EXPECT_EQ(cad::readDwg(damage(0)).entityCount(), 4u);
    // One unreadable object is left out; the drawing keeps the others.
    EXPECT_EQ(cad::readDwg(damage(1)).entityCount(), 3u);
    EXPECT_NE(readErrorOf(damage(3)).find("most objects cannot be read"), std::string::npos);
}

TEST(DwgReader, AMapNamingOffsetsOutsideTheFileIsAReadError) {
    auto file = dwgFile({line(0x40, 0, 0, 1, 1)});
    // The map's one entry is the handle delta and a two-byte offset, followed by
    // the page's CRC and the empty last page: make the offset's high byte large.
    file[file.size() - 7] = 0x3F;
    EXPECT_NE(readErrorOf(file), "");
}
