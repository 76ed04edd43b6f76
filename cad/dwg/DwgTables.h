#pragma once
// Readers of the DWG table entries the model keeps: linetypes, layers, text
// styles, block headers and multiline styles. Each one defines its entry in
// the drawing and remembers the entry's index by the object's handle.

#include "cad/dwg/DwgReaderContext.h"

namespace cad::dwg {

// Reads the table entry `object` when its type is one the model keeps; true if
// it was.
bool readTableEntry(DwgReaderContext& c, DwgObject& object);

// The order tables are read in: linetypes before the layers that name them.
inline constexpr int kTablePasses = 2;
bool tableEntryInPass(int type, int pass);

} // namespace cad::dwg
