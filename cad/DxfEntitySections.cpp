// The BLOCKS and ENTITIES sections: block definitions and the entities of
// blocks and model space.

#include "cad/DxfEntities.h"
#include "cad/DxfSections.h"

namespace cad {

namespace {

// Reads the entity whose 0 group was just read, or skips and counts it when the
// model does not keep its type.
void readEntity(DxfReaderContext& c) {
    const std::string_view type = c.name();
    if (auto reader = findDxfEntityReader(type)) {
        reader(c);
        return;
    }
    // Vertices and sequence ends without their polyline or insert carry nothing.
    const bool orphan = type == "VERTEX" || type == "SEQEND";
    const std::string name(type);
    bool paperSpace = false;
    while (c.nextInObject())
        if (c.group.code == 67)
            paperSpace = c.flag();
    if (!orphan && !paperSpace)
        c.builder.skip(name);
}

void readBlockHeader(DxfReaderContext& c) {
    std::string name;
    Block block;
    while (c.nextInObject()) {
        switch (c.group.code) {
        case 2:
            name = c.text();
            break;
        case 3:
            if (name.empty())
                name = c.text();
            break;
        case 1:
            block.xrefPath = c.internText();
            break;
        case 70:
            block.flags = std::uint16_t(c.integer(0, 0xFFFF));
            break;
        default:
            c.coordinate(10, block.base);
            break;
        }
    }
    c.builder.beginBlock(name, block);
}

} // namespace

void readBlocksSection(DxfReaderContext& c) {
    std::size_t blockStart = 0;
    for (c.nextInSection(); !c.atEndOfSection(); c.nextInSection()) {
        if (c.group.code != 0)
            continue;
        const std::string_view type = c.name();
        if (type == "BLOCK") {
            if (c.builder.inBlock())
                c.fail("a block starts inside the block that starts at " +
                       c.tokens.where(blockStart));
            blockStart = c.group.position;
            readBlockHeader(c);
        } else if (type == "ENDBLK") {
            if (!c.builder.inBlock())
                c.fail("ENDBLK without a BLOCK");
            c.skipObject();
            c.builder.endBlock();
        } else if (!c.builder.inBlock()) {
            c.fail("the entity " + std::string(type) + " stands outside a block");
        } else {
            readEntity(c);
        }
    }
    if (c.builder.inBlock())
        c.fail("the block that starts at " + c.tokens.where(blockStart) + " has no ENDBLK");
}

void readEntitiesSection(DxfReaderContext& c) {
    for (c.nextInSection(); !c.atEndOfSection(); c.nextInSection()) {
        if (c.group.code != 0)
            continue;
        if (c.name() == "BLOCK" || c.name() == "ENDBLK")
            c.fail("a block definition stands in the ENTITIES section");
        readEntity(c);
        if (c.releaseConsumed)
            c.releaseConsumed();
    }
}

} // namespace cad
