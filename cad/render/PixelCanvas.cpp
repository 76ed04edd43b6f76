#include "cad/render/PixelCanvas.h"

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

} // namespace cad::render
