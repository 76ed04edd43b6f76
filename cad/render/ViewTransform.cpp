#include "cad/render/ViewTransform.h"

#include <algorithm>
#include <cmath>

namespace cad::render {
namespace {

// Scales beyond these lose precision in double arithmetic or make a drawing
// unit smaller than any coordinate can tell apart.
constexpr double kMinScale = 1e-12;
constexpr double kMaxScale = 1e12;

} // namespace

ViewTransform::ViewTransform(QSize size, Vec2 centre, double scale) : centre_(centre) {
    resize(size);
    setScale(scale);
}

void ViewTransform::setScale(double scale) {
    scale_ = std::isfinite(scale) ? std::clamp(scale, kMinScale, kMaxScale) : 1;
}

void ViewTransform::resize(QSize size) {
    size_ = QSize(std::max(size.width(), 1), std::max(size.height(), 1));
}

Vec2 ViewTransform::toWorld(const QPointF& pixel) const {
    return {centre_.x + (pixel.x() - size_.width() / 2.0) / scale_,
            centre_.y - (pixel.y() - size_.height() / 2.0) / scale_};
}

QPointF ViewTransform::toPixel(const Vec2& world) const {
    return {(world.x - centre_.x) * scale_ + size_.width() / 2.0,
            (centre_.y - world.y) * scale_ + size_.height() / 2.0};
}

Affine2 ViewTransform::worldToPixel() const {
    return {scale_,
            0,
            0,
            -scale_,
            size_.width() / 2.0 - centre_.x * scale_,
            size_.height() / 2.0 + centre_.y * scale_};
}

Box2 ViewTransform::visibleWorld() const {
    Box2 box;
    box.add(toWorld(QPointF(0, 0)));
    box.add(toWorld(QPointF(size_.width(), size_.height())));
    return box;
}

void ViewTransform::pan(const QPointF& delta) {
    if (!std::isfinite(delta.x()) || !std::isfinite(delta.y()))
        return;
    centre_.x -= delta.x() / scale_;
    centre_.y += delta.y() / scale_;
}

void ViewTransform::zoomAbout(const QPointF& pixel, double factor) {
    if (!(factor > 0) || !std::isfinite(factor))
        return;
    const Vec2 anchor = toWorld(pixel);
    setScale(scale_ * factor);
    // Put the anchor back under the pixel.
    const QPointF now = toPixel(anchor);
    pan(pixel - now);
}

void ViewTransform::zoomToWorld(const Box2& box, double margin) {
    if (box.empty() || !std::isfinite(box.width()) || !std::isfinite(box.height()))
        return;
    centre_ = {(box.minX + box.maxX) / 2, (box.minY + box.maxY) / 2};
    const double w = box.width() * (1 + 2 * margin), h = box.height() * (1 + 2 * margin);
    if (w <= 0 && h <= 0) {
        // A single point: the area of an empty drawing around it.
        const Box2 area = defaultWorld();
        setScale(std::min(size_.width() / area.width(), size_.height() / area.height()));
        return;
    }
    const double sx = w > 0 ? size_.width() / w : INFINITY;
    const double sy = h > 0 ? size_.height() / h : INFINITY;
    setScale(std::min(sx, sy));
}

void ViewTransform::zoomToPixels(const QRectF& rect) {
    const QRectF r = rect.normalized();
    if (r.width() < 1 && r.height() < 1)
        return;
    Box2 box;
    box.add(toWorld(r.topLeft()));
    box.add(toWorld(r.bottomRight()));
    zoomToWorld(box);
}

Box2 ViewTransform::defaultWorld() {
    Box2 box;
    box.add(0, 0);
    box.add(420, 297); // an A3 sheet in millimetres
    return box;
}

void ViewTransform::zoomExtents(const Box2& extents) {
    const bool usable =
        !extents.empty() && std::isfinite(extents.width()) && std::isfinite(extents.height());
    zoomToWorld(usable ? extents : defaultWorld(), kExtentsMargin);
}

QTransform ViewTransform::pictureTransformFrom(const ViewTransform& earlier) const {
    // pixel_now = W2P_now(P2W_earlier(pixel_then)); both maps are scale + shift.
    const double k = scale_ / earlier.scale_;
    const QPointF origin = toPixel(earlier.toWorld(QPointF(0, 0)));
    return QTransform(k, 0, 0, k, origin.x(), origin.y());
}

void ViewHistory::push(const ViewTransform& view) {
    if (!views_.empty() && views_.back() == view)
        return;
    if (views_.size() == kLimit)
        views_.erase(views_.begin());
    views_.push_back(view);
}

ViewTransform ViewHistory::pop(const ViewTransform& current) {
    if (views_.empty())
        return current;
    ViewTransform view = views_.back();
    views_.pop_back();
    view.resize(current.size());
    return view;
}

} // namespace cad::render
