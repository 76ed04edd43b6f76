#pragma once
// Hatch boundaries as closed point loops, and the pattern lines inside them.

#include "cad/Drawing.h"
#include "cad/render/Dashes.h"

#include <vector>

namespace cad::render {

using Loop = std::vector<Vec2>;

// The boundary paths of a hatch, flattened, in the hatch's own coordinates.
// Edges are joined end to start whichever way round each was stored.
std::vector<Loop> hatchLoops(const Drawing& drawing, const Hatch& hatch);

// Appends the pieces (point pairs) of one family of pattern lines that lie
// inside the loops by the even-odd rule, dashed. A family that would need more
// than `maxRows` lines across the loops is left out (false): it would fill the
// area solid at any zoom where it could be seen.
bool appendPatternLines(std::vector<Vec2>& segments, const std::vector<Loop>& loops,
                        const HatchPatternLine& line, const DashPattern& dashes,
                        std::size_t maxRows);

} // namespace cad::render
