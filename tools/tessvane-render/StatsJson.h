#pragma once
// What a drawing holds, as the JSON object `tessvane-render --stats` prints.

#include "cad/Drawing.h"

#include <string>

// {"format", "version", "entities": {type: count}, "skipped": {type: count},
//  "extents": [[xmin, ymin], [xmax, ymax]] or null}
std::string drawingStatsJson(const cad::Drawing& drawing);
