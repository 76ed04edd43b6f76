#pragma once
// Bounding boxes of entities, blocks and model space in world XY, computed from
// the geometry (inserts expanded, arcs and ellipses exact, splines evaluated,
// texts estimated from their height and length). Infinite lines, paper-space
// viewports and attribute definitions inside blocks add nothing.

#include "cad/Drawing.h"

#include <vector>

namespace cad {

class ExtentsCalculator {
public:
    explicit ExtentsCalculator(const Drawing& drawing);

    // The box of one entity as drawn in model space (for an INSERT, its block's
    // entities placed by the insert).
    Box2 entity(EntityRef ref);
    // The box of a block's entities in the block's own coordinates.
    Box2 block(BlockIndex index);
    Box2 modelSpace();

private:
    struct Visitor;
    enum class State : std::uint8_t { Unknown, Computing, Done };

    Box2 entityInBlock(EntityRef ref);

    const Drawing& drawing_;
    std::vector<Box2> blockBoxes_;
    std::vector<State> blockStates_;
    bool insideBlock_ = false;
    int nesting_ = 0;
};

// The extents of model space; empty when nothing in it has a finite size.
Box2 modelSpaceExtents(const Drawing& drawing);

} // namespace cad
