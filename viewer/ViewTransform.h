#pragma once

#include <QPointF>
#include <QRectF>
#include <QSize>

// Where the drawing sits in the view: the drawing point shown at the centre of the view and
// the number of screen pixels per drawing unit. Screen y grows downwards, drawing y upwards.
struct ViewTransform {
    QPointF centre{0.0, 0.0};
    double scale = 1.0;

    QPointF screenToWorld(QPointF screen, QSize viewSize) const;
    QPointF worldToScreen(QPointF world, QSize viewSize) const;

    // The view moved by a drag from one screen point to another: the drawing follows the mouse.
    ViewTransform panned(QPointF fromScreen, QPointF toScreen) const;
    // The view zoomed by a factor while the drawing point under the screen point stays put.
    ViewTransform zoomedAbout(QPointF screen, double factor, QSize viewSize) const;
    // The view that shows the whole world rectangle, centred, with a small margin. An empty
    // rectangle (a single point or a line along one axis) keeps a sensible scale.
    static ViewTransform fitting(const QRectF& world, QSize viewSize);
    // The view that shows the screen rectangle as large as the view allows.
    ViewTransform zoomedToWindow(const QRectF& screenRect, QSize viewSize) const;

    bool operator==(const ViewTransform&) const = default;
};
