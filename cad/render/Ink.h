#pragma once
// The colour a primitive is drawn in: a fixed RGB value, or one of the two
// colours that follow the view's background (the contrasting foreground of
// colour index 7, and the background itself for wipeouts).

#include <cstdint>

namespace cad::render {

class Ink {
public:
    enum class Role : std::uint8_t { Rgb, Foreground, Background };

    constexpr Ink() = default;
    static constexpr Ink rgb(std::uint32_t value) { return Ink(Role::Rgb, value); }
    static constexpr Ink foreground() { return Ink(Role::Foreground, 0); }
    static constexpr Ink background() { return Ink(Role::Background, 0); }

    constexpr Role role() const { return Role(bits_ >> 24); }
    constexpr std::uint32_t value() const { return bits_ & 0xFFFFFF; }
    friend constexpr bool operator==(Ink a, Ink b) { return a.bits_ == b.bits_; }

    // 0xRRGGBB to draw with over that background.
    constexpr std::uint32_t resolve(std::uint32_t backgroundRgb) const {
        switch (role()) {
        case Role::Foreground:
            return contrastWith(backgroundRgb);
        case Role::Background:
            return backgroundRgb;
        default:
            return value();
        }
    }
    // Black on light backgrounds, white on dark ones (by perceived brightness).
    static constexpr std::uint32_t contrastWith(std::uint32_t backgroundRgb) {
        const std::uint32_t r = (backgroundRgb >> 16) & 0xFF, g = (backgroundRgb >> 8) & 0xFF,
                            b = backgroundRgb & 0xFF;
        return (299 * r + 587 * g + 114 * b) / 1000 >= 128 ? 0x000000 : 0xFFFFFF;
    }

private:
    constexpr Ink(Role role, std::uint32_t value)
        : bits_((std::uint32_t(role) << 24) | (value & 0xFFFFFF)) {}
    std::uint32_t bits_ = std::uint32_t(Role::Foreground) << 24;
};

} // namespace cad::render
