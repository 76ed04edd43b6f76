#pragma once
// Draws one-pixel lines and dots by writing the pixels of a 32-bit picture
// directly: drawings of a million small entities need far less than the
// painter's cost per call. A pixel (x, y) covers [x, x+1) x [y, y+1).

#include "cad/render/StrokeSink.h"

#include <QImage>

#include <cstdint>

namespace cad::render {

class PixelCanvas : public StrokeSink {
public:
    // Formats whose pixels are 32-bit 0xAARRGGBB words.
    static bool supports(const QImage& image);
    // Takes the picture's pixel memory; create it before a painter is opened
    // on the picture.
    explicit PixelCanvas(QImage& image);

    void line(QRgb color, const QPointF& a, const QPointF& b) override;
    void dot(QRgb color, const QPointF& at) override;
    // Small circles pixel by pixel (midpoint algorithm about the centre's
    // pixel, radius rounded): one call instead of a handful of chords.
    bool circle(QRgb color, const QPointF& centre, double radius) override;
    void flush() override {}

    // Circles larger than this, in pixels, are drawn as chords.
    static constexpr double kMaxCircleRadius = 64;

private:
    void plot(QRgb color, int x, int y) {
        if (unsigned(x) < unsigned(width_) && unsigned(y) < unsigned(height_))
            bits_[std::size_t(y) * stride_ + std::size_t(x)] = color;
    }

    std::uint32_t* bits_;
    std::size_t stride_; // in pixels
    int width_;
    int height_;
};

} // namespace cad::render
