#pragma once
// Readers of the DXF sections the model uses. Each is called after the
// section's name group and reads up to and including its ENDSEC.

#include "cad/DxfReaderContext.h"

namespace cad {

void readHeaderSection(DxfReaderContext& c);
void readTablesSection(DxfReaderContext& c);
void readBlocksSection(DxfReaderContext& c);
void readEntitiesSection(DxfReaderContext& c);
// Skips a section the model does not use.
void skipSection(DxfReaderContext& c);

} // namespace cad
