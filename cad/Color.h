#pragma once
// The colour of an entity or layer as a drawing stores it.

#include <cstdint>

namespace cad {

// One of: by layer, by block, an index into the 256-colour palette (1..255), or a
// 24-bit RGB value. Packed in 32 bits: the kind in the top byte, the value below.
class Color {
public:
    enum class Kind : std::uint8_t { ByLayer, ByBlock, Index, Rgb };

    constexpr Color() = default;
    static constexpr Color byLayer() { return Color(Kind::ByLayer, 0); }
    static constexpr Color byBlock() { return Color(Kind::ByBlock, 0); }
    static constexpr Color fromIndex(std::uint8_t index) { return Color(Kind::Index, index); }
    static constexpr Color fromRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return Color(Kind::Rgb, (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b);
    }
    // Colour numbers as files store them: 0 by block, 256 by layer, 1..255 palette
    // indices; anything else is taken as by layer.
    static constexpr Color fromColorNumber(int number) {
        if (number == 0)
            return byBlock();
        if (number >= 1 && number <= 255)
            return fromIndex(std::uint8_t(number));
        return byLayer();
    }
    // A 24-bit value 0xRRGGBB, as in true-colour group values.
    static constexpr Color fromRgbValue(std::uint32_t rgb) {
        return Color(Kind::Rgb, rgb & 0xFFFFFF);
    }

    constexpr Kind kind() const { return Kind(bits_ >> 24); }
    constexpr bool isByLayer() const { return kind() == Kind::ByLayer; }
    constexpr bool isByBlock() const { return kind() == Kind::ByBlock; }
    // Palette index for Kind::Index.
    constexpr std::uint8_t index() const { return std::uint8_t(bits_ & 0xFF); }
    // 0xRRGGBB for Kind::Rgb.
    constexpr std::uint32_t rgb() const { return bits_ & 0xFFFFFF; }

    friend constexpr bool operator==(Color a, Color b) { return a.bits_ == b.bits_; }

private:
    constexpr Color(Kind kind, std::uint32_t value)
        : bits_((std::uint32_t(kind) << 24) | (value & 0xFFFFFF)) {}
    std::uint32_t bits_ = 0; // Kind::ByLayer
};

} // namespace cad
