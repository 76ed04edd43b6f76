#pragma once
// Reads a drawing file of any format the engine knows, choosing the reader by
// the file's first bytes.

#include "cad/Drawing.h"

#include <string>

namespace cad {

enum class DrawingFileKind { Dxf, Dwg };

// What the first bytes of a file say it is: DWG files open with their version
// string ("AC1015" and the like); everything else is taken for DXF, whose
// reader tells what is wrong with a file that is not one.
DrawingFileKind sniffDrawingFile(const std::string& path);

// Throws ReadError with a message that names the file and the fault.
Drawing readDrawingFile(const std::string& path);

} // namespace cad
