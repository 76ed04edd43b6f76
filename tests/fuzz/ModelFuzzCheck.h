#pragma once
// What every fuzz target of a drawing reader checks of the model it read: that
// it is consistent (aborting with the fault otherwise), and that its extents
// can be computed, since the viewer does that with every drawing it opens.

#include "cad/Extents.h"
#include "cad/ModelCheck.h"

#include <cstdio>
#include <cstdlib>

inline void checkFuzzedModel(const cad::Drawing& drawing) {
    const std::string fault = cad::findModelFault(drawing);
    if (!fault.empty()) {
        std::fprintf(stderr, "inconsistent model: %s\n", fault.c_str());
        std::abort();
    }
    (void)cad::modelSpaceExtents(drawing);
}
