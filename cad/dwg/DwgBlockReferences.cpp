// Readers of the DWG block references: INSERT and MINSERT, with the ATTRIB
// entities they own.

#include "cad/dwg/DwgEntities.h"

#include "cad/ReadError.h"

#include <algorithm>

namespace cad::dwg {

namespace {

// R2000 files store common scales in fewer bits: 3 all 1, 1 x 1 and y, z
// defaulting to it, 2 x given and y, z equal to it, 0 x given, y and z
// defaulting to it.
Vec3 readScale(BitReader& r, bool r2000) {
    if (!r2000)
        return r.bitPoint3();
    switch (r.bits2()) {
    case 3:
        return {1, 1, 1};
    case 1: {
        const double y = r.defaultDouble(1.0);
        return {1, y, r.defaultDouble(1.0)};
    }
    case 2: {
        const double x = r.rawDouble();
        return {x, x, x};
    }
    default: {
        const double x = r.rawDouble();
        const double y = r.defaultDouble(x);
        return {x, y, r.defaultDouble(x)};
    }
    }
}

// The attributes the insert owns, stored one after another.
void readAttribs(DwgReaderContext& c, const DwgObject& insertObject, Insert& insert) {
    auto it = c.children.find(insertObject.handle);
    if (it == c.children.end())
        return;
    for (const std::size_t index : it->second) {
        const auto& entry = c.objects[index];
        if (entry.type != kAttrib)
            continue;
        try {
            DwgObject attribObject = c.read(entry);
            const auto attrib = readOwnedAttrib(c, attribObject);
            if (insert.attribs.count == 0)
                insert.attribs.first = attrib;
            insert.attribs.count = attrib - insert.attribs.first + 1;
        } catch (const ReadError&) {
            // An unreadable attribute is left out; the insert stays.
        }
    }
}

// The fields INSERT and MINSERT share; a MINSERT's grid follows them.
struct InsertFields {
    Vec3 normal;
    bool hasAttribs = false;
};

InsertFields readInsertFields(DwgReaderContext& c, DwgObject& o, Insert& insert) {
    auto& r = o.data;
    insert.insertion = r.bitPoint3();
    insert.scale = readScale(r, c.r2000());
    insert.rotation = r.bitDouble();
    InsertFields fields;
    fields.normal = r.bitPoint3();
    fields.hasAttribs = r.bit();
    return fields;
}

// The block the insert names (its first own handle), and its attributes.
void finishInsert(DwgReaderContext& c, DwgObject& o, BlockIndex owner, Insert& insert,
                  const InsertFields& fields) {
    const auto block = o.handles.handle().resolve(o.handle);
    insert.blockName = DwgReaderContext::lookup(c.blockNames, block, kEmptyString);
    if (fields.hasAttribs)
        readAttribs(c, o, insert);
    addEntity(c, o, owner, insert, Coordinates::Object, fields.normal);
}

} // namespace

void readInsert(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    Insert insert;
    const auto fields = readInsertFields(c, o, insert);
    finishInsert(c, o, owner, insert, fields);
}

void readMInsert(DwgReaderContext& c, DwgObject& o, BlockIndex owner) {
    Insert insert;
    const auto fields = readInsertFields(c, o, insert);
    auto& r = o.data;
    insert.columns = std::uint16_t(std::max<int>(1, r.bitShort()));
    insert.rows = std::uint16_t(std::max<int>(1, r.bitShort()));
    insert.columnSpacing = r.bitDouble();
    insert.rowSpacing = r.bitDouble();
    finishInsert(c, o, owner, insert, fields);
}

} // namespace cad::dwg
