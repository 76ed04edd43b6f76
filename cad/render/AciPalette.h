#pragma once
// The 256-colour index palette of CAD drawings.

#include <cstdint>

namespace cad::render {

// 0xRRGGBB of a palette index. 1..9 are the named colours, 10..249 run through
// 24 hues in five brightness steps, each full and pale, 250..255 are greys.
// Index 7 is returned as white; the renderer draws it in the colour that
// contrasts with the background. Index 0 (by block) gives black.
std::uint32_t aciToRgb(std::uint8_t index);

} // namespace cad::render
