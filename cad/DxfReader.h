#pragma once
// Reads DXF drawings (text and binary, every release from R12 on) into the
// drawing model.

#include "cad/Drawing.h"

#include <cstdint>
#include <span>
#include <string>

namespace cad {

// Reads a DXF drawing held in memory. Throws ReadError with a message that names
// the line (text files) or byte offset (binary files) of the fault.
Drawing readDxf(std::span<const std::uint8_t> bytes);

// Reads a DXF file, memory-mapped. Throws ReadError when the file cannot be
// opened or read.
Drawing readDxfFile(const std::string& path);

} // namespace cad
