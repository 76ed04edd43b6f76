#pragma once
// The drawing the read benchmarks use: an ASCII DXF of a million mixed model-space
// entities (lines, circles, arcs, light polylines, texts), about 180 MB, written
// the way CAD programs write release 2000 files (handles, subclass markers).

#include <cstddef>
#include <string>

inline constexpr std::size_t kBenchmarkEntityCount = 1'000'000;

// Writes the drawing to `path` unless a file of that name is there already.
void ensureMillionEntityDrawing(const std::string& path);
