#pragma once
// The LZ77-like compression of the sections of release 2004 files: literal
// runs and copies of earlier output, named by opcodes with their lengths and
// back offsets.

#include <cstdint>
#include <span>
#include <vector>

namespace cad::dwg {

// Decompresses `in` into `size` bytes (zeros after the end of the data).
// Throws ReadError when an opcode is cut off, a copy reaches before the start,
// or the output would pass `size`.
std::vector<std::uint8_t> decompress(std::span<const std::uint8_t> in, std::size_t size);

} // namespace cad::dwg
