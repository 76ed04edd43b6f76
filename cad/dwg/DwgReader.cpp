#include "cad/dwg/DwgReader.h"

#include "cad/MappedFile.h"
#include "cad/ReadError.h"
#include "cad/dwg/DwgEntities.h"
#include "cad/dwg/DwgTables.h"

#include <optional>

namespace cad {

namespace dwg {

DwgReaderContext::DwgReaderContext(std::span<const std::uint8_t> fileBytes, DwgFile directory,
                                   Drawing& drawing)
    : bytes(fileBytes), file(std::move(directory)), builder(drawing) {
    if (!file.objectSection.empty())
        bytes = file.objectSection;
}

EntityProps DwgReaderContext::props(const DwgObject& object) {
    const auto& common = object.common;
    EntityProps p;
    p.handle = object.handle;
    p.layer = lookup(layers, common.layer, kLayerZero);
    switch (common.linetypeFlags) {
    case 1:
        p.linetype = kLinetypeByBlock;
        break;
    case 2:
        p.linetype = kLinetypeContinuous;
        break;
    case 3:
        p.linetype = lookup(linetypes, common.linetype, kLinetypeByLayer);
        break;
    default:
        p.linetype = kLinetypeByLayer;
        break;
    }
    p.color = common.rgb != kNoRgb ? Color::fromRgbValue(common.rgb)
                                   : Color::fromColorNumber(std::abs(common.colorNumber));
    p.linetypeScale = float(std::clamp(common.linetypeScale, -1e30, 1e30));
    p.lineweight = common.lineweight;
    p.invisible = common.invisible;
    return p;
}

namespace {

// A file of which most objects cannot be read is taken as damaged.
void checkFailures(std::size_t failed, std::size_t total, const std::optional<ReadError>& first) {
    if (first && failed * 2 > total)
        throw ReadError(std::string("most objects cannot be read; the first: ") + first->what());
}

// The first pass: the common part of every object, for its type and owner.
void indexObjects(DwgReaderContext& c) {
    std::size_t failed = 0;
    std::optional<ReadError> first;
    c.objects.reserve(c.file.objects.size());
    for (const auto& location : c.file.objects) {
        try {
            const DwgObject o = readObject(c.file, c.bytes, location.offset);
            ObjectEntry entry{location.offset, o.handle, o.type, o.entity, o.common.mode, o.owner};
            c.objectIndex.emplace(entry.handle, c.objects.size());
            if (entry.entity && entry.mode == EntityMode::Owned)
                c.children[entry.owner].push_back(c.objects.size());
            c.objects.push_back(entry);
        } catch (const ReadError& error) {
            ++failed;
            if (!first)
                first = error;
        }
    }
    checkFailures(failed, c.file.objects.size(), first);
}

void readTables(DwgReaderContext& c) {
    for (int pass = 0; pass < kTablePasses; ++pass)
        for (const auto& entry : c.objects) {
            if (!tableEntryInPass(entry.type, pass))
                continue;
            try {
                DwgObject o = c.read(entry);
                readTableEntry(c, o);
            } catch (const ReadError&) {
                // An unreadable entry is left out; what names it gets a default.
            }
        }
}

// Where a top-level entity goes: true with `owner` set for model space
// (kNoBlock) or a block; false for paper space and for entities that other
// entities own (vertices, attributes, sequence ends).
bool placeOf(const DwgReaderContext& c, const ObjectEntry& entry, BlockIndex& owner) {
    if (entry.type == kBlock || entry.type == kEndBlock || entry.type == kSeqEnd)
        return false;
    if (entry.mode == EntityMode::ModelSpace) {
        owner = kNoBlock;
        return true;
    }
    if (entry.mode != EntityMode::Owned)
        return false;
    if (entry.owner == c.modelSpaceBlock) {
        owner = kNoBlock;
        return true;
    }
    auto it = c.blocks.find(entry.owner);
    if (it == c.blocks.end())
        return false;
    owner = it->second;
    return true;
}

void readEntities(DwgReaderContext& c) {
    for (const auto& entry : c.objects) {
        BlockIndex owner = kNoBlock;
        if (!entry.entity || !placeOf(c, entry, owner))
            continue;
        const EntityReader reader = findEntityReader(c.file, entry.type);
        if (!reader) {
            if (owner == kNoBlock)
                c.builder.skip(entityTypeName(c.file, entry.type));
            continue;
        }
        try {
            DwgObject o = c.read(entry);
            reader(c, o, owner);
        } catch (const ReadError&) {
            // An unreadable entity is left out; the drawing keeps the others.
        }
    }
}

Drawing readDwgData(std::span<const std::uint8_t> bytes) {
    DwgFile file = readDwgDirectory(bytes);
    Drawing drawing;
    drawing.format = FileFormat::Dwg;
    drawing.header.version = file.version;
    drawing.header.codePage = file.codePage;
    DwgReaderContext c(bytes, std::move(file), drawing);
    c.decoder.setCodePage(drawing.header.codePage);
    indexObjects(c);
    readTables(c);
    readEntities(c);
    c.builder.finish();
    return drawing;
}

} // namespace

} // namespace dwg

Drawing readDwg(std::span<const std::uint8_t> bytes) {
    return dwg::readDwgData(bytes);
}

Drawing readDwgFile(const std::string& path) {
    MappedFile file(path);
    try {
        return readDwg(file.bytes());
    } catch (const ReadError& error) {
        throw ReadError(path + ": " + error.what());
    }
}

} // namespace cad
