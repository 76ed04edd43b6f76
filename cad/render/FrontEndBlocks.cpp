// Block references (single, arrays, with attributes) and dimensions, which
// draw the block their program made for them.

#include "cad/render/FrontEnd.h"

#include <algorithm>

namespace cad::render {

void FrontEnd::drawEntity(const Insert& e, const Context& ctx) {
    if (e.block >= drawing_.blocks.size() || ctx.depth >= limits_.maxBlockDepth)
        return;
    if (!(e.scale.x != 0 && e.scale.y != 0))
        return;
    const Block& block = drawing_.blocks[e.block];
    // Array cells step along the reference's rotated axes, unscaled.
    const Affine2 placed = entityFrame(e.props, ctx, e.insertion.z) *
                           Affine2::translation(e.insertion.x, e.insertion.y) *
                           Affine2::rotation(e.rotation);
    const Affine2 scaled =
        Affine2::scaling(e.scale.x, e.scale.y) * Affine2::translation(-block.base.x, -block.base.y);
    const int rows = std::max<int>(e.rows, 1), columns = std::max<int>(e.columns, 1);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (truncated())
                return;
            const Affine2 cell = Affine2::translation(column * e.columnSpacing, row * e.rowSpacing);
            drawBlock(e.block, blockContext(e.props, ctx, placed * cell * scaled));
        }
    }
    // Attributes are stored where they are drawn (in the reference's space).
    for (const Attrib& attrib : Drawing::slice(drawing_.store<Attrib>(), e.attribs))
        if (shown(attrib.props, ctx))
            drawEntity(attrib, ctx);
}

void FrontEnd::drawEntity(const Dimension& e, const Context& ctx) {
    // The dimension's block holds its lines, arrows and text in world coordinates.
    if (e.block >= drawing_.blocks.size() || ctx.depth >= limits_.maxBlockDepth)
        return;
    drawBlock(e.block, blockContext(e.props, ctx, ctx.toWorld));
}

} // namespace cad::render
