#pragma once
// What part of the drawing a view shows: the world point at the centre of the
// view, the scale in pixels per drawing unit and the view's size in pixels.
// World y runs up, pixel y down; pixel (0, 0) is the top left corner.

#include "cad/Geometry.h"
#include "cad/render/Affine2.h"

#include <QMetaType>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QTransform>

#include <vector>

namespace cad::render {

class ViewTransform {
public:
    ViewTransform() = default;
    ViewTransform(QSize size, Vec2 centre, double scale);

    QSize size() const { return size_; }
    Vec2 centre() const { return centre_; }
    double scale() const { return scale_; } // pixels per drawing unit

    Vec2 toWorld(const QPointF& pixel) const;
    QPointF toPixel(const Vec2& world) const;
    Affine2 worldToPixel() const;
    // The world area the view shows.
    Box2 visibleWorld() const;

    // Keeps the centre and scale.
    void resize(QSize size);
    // Moves the drawing with the pointer: a drag by `delta` pixels.
    void pan(const QPointF& delta);
    // Zooms by `factor` (> 1 in) keeping the world point under `pixel` there.
    void zoomAbout(const QPointF& pixel, double factor);
    // Shows the world box whole, centred, with `margin` (a share of its size)
    // around it. An empty or degenerate box is shown at a scale that keeps the
    // view usable.
    void zoomToWorld(const Box2& box, double margin = 0);
    // Shows what the view's pixel rectangle shows now, as large as fits.
    void zoomToPixels(const QRectF& rect);
    // The extents with a small margin; an empty drawing gets defaultWorld().
    void zoomExtents(const Box2& extents);
    // The area shown for a drawing without extents.
    static Box2 defaultWorld();

    // Where a picture rendered for `earlier` goes in this view: while a new
    // picture is being made, the last one drawn with this transform stays in
    // place under the pointer.
    QTransform pictureTransformFrom(const ViewTransform& earlier) const;

    friend bool operator==(const ViewTransform& a, const ViewTransform& b) {
        return a.size_ == b.size_ && a.centre_ == b.centre_ && a.scale_ == b.scale_;
    }

    static constexpr double kExtentsMargin = 0.03;

private:
    void setScale(double scale);

    QSize size_{1, 1};
    Vec2 centre_;
    double scale_ = 1;
};

// The views to go back to, most recent last; bounded, the oldest dropped.
class ViewHistory {
public:
    void push(const ViewTransform& view);
    bool empty() const { return views_.empty(); }
    // The most recent view, removed; the view passed in when there is none.
    ViewTransform pop(const ViewTransform& current);
    void clear() { views_.clear(); }
    std::size_t size() const { return views_.size(); }

    static constexpr std::size_t kLimit = 64;

private:
    std::vector<ViewTransform> views_;
};

} // namespace cad::render

Q_DECLARE_METATYPE(cad::render::ViewTransform)
