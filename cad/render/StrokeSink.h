#pragma once
// Where the back end sends one-pixel lines and dots: straight into the
// picture's pixels (PixelCanvas, for sharp pictures at any number of
// entities) or through the painter in batches (StrokeBatch, antialiased).

#include <QPointF>
#include <QRgb>

namespace cad::render {

class StrokeSink {
public:
    virtual ~StrokeSink() = default;
    virtual void line(QRgb color, const QPointF& a, const QPointF& b) = 0;
    virtual void dot(QRgb color, const QPointF& at) = 0;
    // Draws a whole circle of that radius in pixels when the sink has a way of
    // its own that beats drawing chords; false leaves it to line().
    virtual bool circle(QRgb color, const QPointF& centre, double radius) {
        (void)color, (void)centre, (void)radius;
        return false;
    }
    // Puts out anything held back; called before the painter draws, so that
    // drawing order holds.
    virtual void flush() = 0;
};

} // namespace cad::render
