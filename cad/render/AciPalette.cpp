#include "cad/render/AciPalette.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace cad::render {
namespace {

std::uint32_t pack(double r, double g, double b) {
    auto byte = [](double v) { return std::uint32_t(std::clamp(v, 0.0, 255.0)); };
    return (byte(r) << 16) | (byte(g) << 8) | byte(b);
}

// Hue in degrees, brightness 0..255, saturation 0..1.
std::uint32_t fromHsv(double hue, double value, double saturation) {
    const double sector = hue / 60.0;
    const int i = int(std::floor(sector)) % 6;
    const double frac = sector - std::floor(sector);
    const double low = value * (1 - saturation);
    const double falling = value * (1 - saturation * frac);
    const double rising = value * (1 - saturation * (1 - frac));
    switch (i) {
    case 0:
        return pack(value, rising, low);
    case 1:
        return pack(falling, value, low);
    case 2:
        return pack(low, value, rising);
    case 3:
        return pack(low, falling, value);
    case 4:
        return pack(rising, low, value);
    default:
        return pack(value, low, falling);
    }
}

std::array<std::uint32_t, 256> buildPalette() {
    std::array<std::uint32_t, 256> p{};
    const std::uint32_t named[10] = {0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF,
                                     0x0000FF, 0xFF00FF, 0xFFFFFF, 0x414141, 0x808080};
    for (int i = 0; i < 10; ++i)
        p[i] = named[i];
    constexpr double kBrightness[5] = {255, 189, 129, 104, 79};
    for (int index = 10; index < 250; ++index) {
        const int hueStep = (index - 10) / 10;
        const int shade = (index - 10) % 10;
        const double saturation = (shade % 2 == 0) ? 1.0 : 1.0 / 3.0;
        p[index] = fromHsv(hueStep * 15.0, kBrightness[shade / 2], saturation);
    }
    const std::uint32_t greys[6] = {0x333333, 0x505050, 0x696969, 0x828282, 0xBEBEBE, 0xFFFFFF};
    for (int i = 0; i < 6; ++i)
        p[250 + i] = greys[i];
    return p;
}

} // namespace

std::uint32_t aciToRgb(std::uint8_t index) {
    static const std::array<std::uint32_t, 256> palette = buildPalette();
    return palette[index];
}

} // namespace cad::render
