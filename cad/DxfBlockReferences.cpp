// Readers of the DXF entities drawn through a block: INSERT (with MINSERT rows
// and columns and its ATTRIB entities) and DIMENSION.

#include "cad/DxfEntities.h"

#include "cad/DxfEntityCommon.h"

namespace cad {

namespace {

// Reads the ATTRIB entities after an INSERT up to their SEQEND.
void readAttribs(DxfReaderContext& c, Insert& insert) {
    while (c.next()) {
        if (c.group.code == 0 && c.name() == "ATTRIB") {
            const auto index = readOwnedAttrib(c);
            if (insert.attribs.count == 0)
                insert.attribs.first = index;
            // Attributes of one insert are stored one after another.
            insert.attribs.count = index - insert.attribs.first + 1;
            continue;
        }
        if (c.group.code == 0 && c.name() == "SEQEND")
            c.skipObject();
        else
            c.tokens.pushBack();
        return;
    }
}

} // namespace

void readInsert(DxfReaderContext& c) {
    EntityCommon common;
    Insert insert;
    bool attribsFollow = false;
    readEntityGroups(c, common, [&] {
        if (c.coordinate(10, insert.insertion))
            return;
        switch (c.group.code) {
        case 2:
            insert.blockName = c.internText();
            break;
        case 41:
            insert.scale.x = c.real();
            break;
        case 42:
            insert.scale.y = c.real();
            break;
        case 43:
            insert.scale.z = c.real();
            break;
        case 44:
            insert.columnSpacing = c.real();
            break;
        case 45:
            insert.rowSpacing = c.real();
            break;
        case 50:
            insert.rotation = c.angle();
            break;
        case 66:
            attribsFollow = c.flag();
            break;
        case 70:
            insert.columns = std::uint16_t(c.integer(1, 65535));
            break;
        case 71:
            insert.rows = std::uint16_t(c.integer(1, 65535));
            break;
        default:
            break;
        }
    });
    if (attribsFollow)
        readAttribs(c, insert);
    addEntity(c, insert, common, Coordinates::Object);
}

void readDimension(DxfReaderContext& c) {
    EntityCommon common;
    Dimension dimension;
    readEntityGroups(c, common, [&] {
        if (c.coordinate(10, dimension.definitionPoint) || c.coordinate(11, dimension.textMidpoint))
            return;
        for (int i = 0; i < 4; ++i)
            if (c.coordinate(13 + i, dimension.points[i]))
                return;
        switch (c.group.code) {
        case 1:
            dimension.text = c.internText();
            break;
        case 2:
            dimension.blockName = c.internText();
            break;
        case 3:
            dimension.dimStyle = c.builder.dimStyle(c.text());
            break;
        case 42:
            dimension.measurement = c.real();
            break;
        case 70:
            dimension.dimType = std::uint8_t(c.integer(0, 255));
            break;
        default:
            break;
        }
    });
    addEntity(c, dimension, common, Coordinates::Object);
}

} // namespace cad
