#pragma once
// Polylines with widths are drawn as filled bands along each segment.

#include "cad/Entities.h"

#include <span>
#include <vector>

namespace cad::render {

bool hasWidths(std::span<const PolyVertex> vertices);

struct WidthBands {
    std::vector<std::vector<Vec2>> rings; // one outline per wide segment
    std::vector<Vec2> thinSegments;       // the segments of zero width, as point pairs
};

// The outlines of the segments of a polyline in its own coordinates, widths
// changing linearly from each vertex's start width to its end width (or
// `constantWidth` throughout when it is positive); arcs by their bulges,
// flattened in steps of at most `maxStep` radians.
WidthBands widthBands(std::span<const PolyVertex> vertices, bool closed, double constantWidth,
                      double maxStep);

} // namespace cad::render
