#pragma once
// A consistency check of a drawing model: every index names an existing table
// entry or block, every range lies inside its pool. Readers must only ever build
// consistent models; tests and fuzzing use this to show it.

#include "cad/Drawing.h"

#include <string>

namespace cad {

// The first inconsistency found, or "" when there is none.
std::string findModelFault(const Drawing& drawing);

} // namespace cad
