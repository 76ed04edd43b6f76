#pragma once
// Draws one-pixel lines and dots by writing the pixels of a 32-bit picture
// directly: drawings of a million small entities need far less than the
// painter's cost per call. A pixel (x, y) covers [x, x+1) x [y, y+1).

#include "cad/render/Clipping.h"
#include "cad/render/StrokeSink.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace cad::render {

class PixelCanvas final : public StrokeSink {
public:
    // Formats whose pixels are 32-bit 0xAARRGGBB words.
    static bool supports(const QImage& image);
    // Takes the picture's pixel memory; create it before a painter is opened
    // on the picture.
    explicit PixelCanvas(QImage& image);

    // Defined below, in the header, so that the back end inlines these two.
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

inline void PixelCanvas::dot(QRgb color, const QPointF& at) {
    const double x = std::floor(at.x()), y = std::floor(at.y());
    if (x >= 0 && y >= 0 && x < width_ && y < height_)
        bits_[std::size_t(y) * stride_ + std::size_t(x)] = color;
}

inline void PixelCanvas::line(QRgb color, const QPointF& from, const QPointF& to) {
    Vec2 a{from.x(), from.y()}, b{to.x(), to.y()};
    if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
        return;
    const auto within = [this](const Vec2& p) {
        return p.x >= 0 && p.y >= 0 && p.x < width_ && p.y < height_;
    };
    if (!within(a) || !within(b)) {
        Box2 inside;
        inside.add(0, 0);
        inside.add(width_ - 1e-9, height_ - 1e-9);
        if (!clipSegment(a, b, inside))
            return;
    }
    // The segment is half open: an end exactly on a pixel edge does not light
    // the pixel beyond it, and joined segments share their pixel once. Moving
    // towards larger coordinates, that end belongs to the pixel before it.
    int x = std::clamp(int(std::floor(a.x)), 0, width_ - 1);
    int y = std::clamp(int(std::floor(a.y)), 0, height_ - 1);
    const double endX = b.x > a.x ? std::ceil(b.x) - 1 : std::floor(b.x);
    const double endY = b.y > a.y ? std::ceil(b.y) - 1 : std::floor(b.y);
    const int x1 = std::clamp(int(endX), 0, width_ - 1);
    const int y1 = std::clamp(int(endY), 0, height_ - 1);
    const int dx = std::abs(x1 - x), dy = -std::abs(y1 - y);
    const int sx = x < x1 ? 1 : -1;
    const std::ptrdiff_t sy = y < y1 ? std::ptrdiff_t(stride_) : -std::ptrdiff_t(stride_);
    std::uint32_t* pixel = bits_ + std::size_t(y) * stride_ + std::size_t(x);
    int error = dx + dy;
    for (int left = std::max(dx, -dy);; --left) {
        *pixel = color;
        if (left == 0)
            break;
        // Both steps by masks, not branches: on short lines of any slope the
        // branches were mispredicted about every other pixel.
        const int twice = 2 * error;
        const std::ptrdiff_t alongX = -std::ptrdiff_t(twice >= dy);
        const std::ptrdiff_t alongY = -std::ptrdiff_t(twice <= dx);
        error += int((dy & alongX) + (dx & alongY));
        pixel += (sx & alongX) + (sy & alongY);
    }
}

} // namespace cad::render
