#include "viewer/ViewTransform.h"

#include <algorithm>
#include <cmath>

namespace {

// Share of the view left free around a drawing fitted into it.
constexpr double kFitMargin = 0.05;
// Scales are kept within these limits so that no transform degenerates to zero or infinity.
constexpr double kMinScale = 1e-12;
constexpr double kMaxScale = 1e12;

QPointF viewCentre(QSize viewSize) {
    return {viewSize.width() / 2.0, viewSize.height() / 2.0};
}

double limitedScale(double scale) {
    if (!std::isfinite(scale))
        return kMaxScale;
    return std::clamp(scale, kMinScale, kMaxScale);
}

// The scale at which a span of drawing units fills a span of pixels.
double scaleFor(double worldSpan, double pixelSpan) {
    return worldSpan > 0.0 ? pixelSpan / worldSpan : kMaxScale;
}

} // namespace

QPointF ViewTransform::screenToWorld(QPointF screen, QSize viewSize) const {
    const QPointF offset = screen - viewCentre(viewSize);
    return {centre.x() + offset.x() / scale, centre.y() - offset.y() / scale};
}

QPointF ViewTransform::worldToScreen(QPointF world, QSize viewSize) const {
    const QPointF offset = world - centre;
    return viewCentre(viewSize) + QPointF(offset.x() * scale, -offset.y() * scale);
}

ViewTransform ViewTransform::panned(QPointF fromScreen, QPointF toScreen) const {
    const QPointF moved = toScreen - fromScreen;
    return {centre - QPointF(moved.x() / scale, -moved.y() / scale), scale};
}

ViewTransform ViewTransform::zoomedAbout(QPointF screen, double factor, QSize viewSize) const {
    const QPointF anchor = screenToWorld(screen, viewSize);
    const double newScale = limitedScale(scale * factor);
    const QPointF offset = screen - viewCentre(viewSize);
    return {anchor - QPointF(offset.x() / newScale, -offset.y() / newScale), newScale};
}

ViewTransform ViewTransform::fitting(const QRectF& world, QSize viewSize) {
    const double usable = 1.0 - 2.0 * kFitMargin;
    const double byWidth = scaleFor(world.width(), viewSize.width() * usable);
    const double byHeight = scaleFor(world.height(), viewSize.height() * usable);
    double scale = std::min(byWidth, byHeight);
    if (world.width() <= 0.0 && world.height() <= 0.0)
        scale = 1.0;
    return {world.center(), limitedScale(scale)};
}

ViewTransform ViewTransform::zoomedToWindow(const QRectF& screenRect, QSize viewSize) const {
    const QRectF normal = screenRect.normalized();
    const QPointF corner1 = screenToWorld(normal.topLeft(), viewSize);
    const QPointF corner2 = screenToWorld(normal.bottomRight(), viewSize);
    const QRectF world = QRectF(corner1, corner2).normalized();
    const double byWidth = scaleFor(world.width(), viewSize.width());
    const double byHeight = scaleFor(world.height(), viewSize.height());
    return {world.center(), limitedScale(std::min(byWidth, byHeight))};
}
