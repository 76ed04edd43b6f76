#pragma once
// Reads DWG drawings of releases R13, R14 and 2000 into the drawing model.

#include "cad/Drawing.h"

#include <cstdint>
#include <span>
#include <string>

namespace cad {

// Reads a DWG drawing held in memory. Throws ReadError with a message that
// names the byte offset of the fault, or the release of a file this reader
// does not read.
Drawing readDwg(std::span<const std::uint8_t> bytes);

// Reads a DWG file, memory-mapped. Throws ReadError when the file cannot be
// opened or read.
Drawing readDwgFile(const std::string& path);

} // namespace cad
