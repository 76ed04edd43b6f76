#pragma once
// The groups every DXF entity may have, and how an entity read from them joins
// the drawing.

#include "cad/DxfReaderContext.h"

namespace cad {

struct EntityCommon {
    EntityProps props;
    Vec3 normal{0, 0, 1};
    bool paperSpace = false;
    bool embeddedObject = false; // groups after an embedded object's marker are not the entity's
};

// Takes the group in c.group when it is a common property; true if it was.
bool readCommonGroup(DxfReaderContext& c, EntityCommon& common);

// Reads the groups of the current entity: common properties into `common`, the
// others through field().
template <class F> void readEntityGroups(DxfReaderContext& c, EntityCommon& common, F&& field) {
    while (c.nextInObject())
        if (!readCommonGroup(c, common))
            field();
}

// Where an entity goes: in its own coordinate system or in world coordinates.
enum class Coordinates { Object, World };

// Sets the entity's extrusion and adds it to the current block or model space;
// entities of paper space are left out of the model.
template <class T>
void addEntity(DxfReaderContext& c, T& entity, EntityCommon& common, Coordinates coordinates) {
    if (common.paperSpace && !c.builder.inBlock())
        return;
    if (coordinates == Coordinates::Object)
        common.props.extrusion = c.builder.extrusion(common.normal);
    entity.props = common.props;
    c.builder.add(std::move(entity));
}

} // namespace cad
