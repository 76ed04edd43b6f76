#include "cad/DxfReader.h"

#include "cad/DxfSections.h"
#include "cad/MappedFile.h"
#include "cad/ReadError.h"

#include <cstring>

namespace cad {

namespace {

using SectionReader = void (*)(DxfReaderContext&);

SectionReader sectionReader(std::string_view name) {
    if (name == "HEADER")
        return readHeaderSection;
    if (name == "TABLES")
        return readTablesSection;
    if (name == "BLOCKS")
        return readBlocksSection;
    if (name == "ENTITIES")
        return readEntitiesSection;
    return skipSection; // CLASSES, OBJECTS, THUMBNAILIMAGE, ACDSDATA, ...
}

void readSections(DxfReaderContext& c) {
    bool anySection = false;
    while (c.next()) {
        if (c.group.code == 999)
            continue; // a comment
        if (c.group.code != 0)
            c.fail("a section was expected, found group code " + std::to_string(c.group.code));
        if (c.name() == "EOF")
            break;
        if (c.name() != "SECTION")
            c.fail("a section was expected, found " + std::string(c.name()));
        c.sectionStart = c.group.position;
        if (!c.next() || c.group.code != 2)
            c.tokens.failAt(c.sectionStart, "the section has no name");
        c.section = c.name();
        sectionReader(c.section)(c);
        anySection = true;
    }
    if (!anySection)
        throw ReadError("the file holds no DXF sections");
}

Drawing readDxfData(std::span<const std::uint8_t> bytes, MappedFile* file) {
    if (bytes.empty())
        throw ReadError("the file is empty");
    // DWG files open with their version string, such as "AC1015", and binary data.
    if (bytes.size() >= 7 && std::memcmp(bytes.data(), "AC10", 4) == 0 && bytes[6] < 0x20)
        throw ReadError("this is a DWG drawing, not a DXF file");
    Drawing drawing;
    DxfReaderContext context(bytes, drawing);
    if (file)
        context.releaseConsumed = [file, &context] { file->release(context.tokens.groupOffset()); };
    readSections(context);
    context.builder.finish();
    drawing.format = FileFormat::Dxf;
    return drawing;
}

} // namespace

Drawing readDxf(std::span<const std::uint8_t> bytes) {
    return readDxfData(bytes, nullptr);
}

Drawing readDxfFile(const std::string& path) {
    MappedFile file(path);
    try {
        return readDxfData(file.bytes(), &file);
    } catch (const ReadError& error) {
        throw ReadError(path + ": " + error.what());
    }
}

} // namespace cad
