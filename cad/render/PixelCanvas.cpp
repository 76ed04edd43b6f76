#include "cad/render/PixelCanvas.h"

#include "cad/render/Clipping.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace cad::render {

bool PixelCanvas::supports(const QImage& image) {
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return true;
    default:
        return false;
    }
}

PixelCanvas::PixelCanvas(QImage& image)
    : bits_(reinterpret_cast<std::uint32_t*>(image.bits())),
      stride_(std::size_t(image.bytesPerLine()) / 4), width_(image.width()),
      height_(image.height()) {}

void PixelCanvas::dot(QRgb color, const QPointF& at) {
    const double x = std::floor(at.x()), y = std::floor(at.y());
    if (x >= 0 && y >= 0 && x < width_ && y < height_)
        bits_[std::size_t(y) * stride_ + std::size_t(x)] = color;
}

bool PixelCanvas::circle(QRgb color, const QPointF& centre, double radius) {
    if (!(radius <= kMaxCircleRadius) || !std::isfinite(centre.x()) || !std::isfinite(centre.y()))
        return false;
    const double fx = std::floor(centre.x()), fy = std::floor(centre.y());
    const int r = int(std::lround(radius));
    if (fx + r < 0 || fy + r < 0 || fx - r >= width_ || fy - r >= height_)
        return true; // wholly outside
    const int cx = int(fx), cy = int(fy);
    if (r == 0) {
        plot(color, cx, cy);
        return true;
    }
    // One octant from (r, 0) up to the diagonal, mirrored into the other seven.
    int x = r, y = 0, error = 1 - r;
    while (x >= y) {
        plot(color, cx + x, cy + y);
        plot(color, cx - x, cy + y);
        plot(color, cx + x, cy - y);
        plot(color, cx - x, cy - y);
        plot(color, cx + y, cy + x);
        plot(color, cx - y, cy + x);
        plot(color, cx + y, cy - x);
        plot(color, cx - y, cy - x);
        ++y;
        if (error < 0) {
            error += 2 * y + 1;
        } else {
            --x;
            error += 2 * (y - x) + 1;
        }
    }
    return true;
}

void PixelCanvas::line(QRgb color, const QPointF& from, const QPointF& to) {
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
