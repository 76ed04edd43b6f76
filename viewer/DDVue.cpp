#include "viewer/DDVue.h"

#include "platform/Colors.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace {

// How much one notch of the mouse wheel zooms.
constexpr double kWheelZoomStep = 1.25;
// The shortest side, in pixels, of a zoom rectangle; a shorter one is taken for a click.
constexpr int kMinZoomWindowSide = 3;
// How many earlier views ViewCommand(CommandPreviousView) can go back to.
constexpr qsizetype kPreviousViewLimit = 50;

short buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton:
        return DDVue::RightButton;
    case Qt::MiddleButton:
        return DDVue::MiddleButton;
    default:
        return DDVue::LeftButton;
    }
}

} // namespace

DDVue::DDVue(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool DDVue::Open(const QString& path) {
    if (fileOpener)
        return fileOpener(path);
    if (!QFileInfo(path).isFile())
        lastOpenError = tr("The file does not exist.");
    else
        lastOpenError = tr("This build has no drawing engine to read the file.");
    return false;
}

bool DDVue::Close() {
    drawingExtents = QRectF();
    previousViews.clear();
    currentView = ViewTransform();
    currentInteraction = Interaction::None;
    dragging = false;
    update();
    return true;
}

void DDVue::ScreenToWorld(double x, double y, double& worldX, double& worldY) const {
    const QPointF world = currentView.screenToWorld({x, y}, size());
    worldX = world.x();
    worldY = world.y();
}

bool DDVue::ViewCommand(short command) {
    switch (command) {
    case CommandPan:
        currentInteraction = Interaction::Pan;
        return true;
    case CommandZoomWindow:
        currentInteraction = Interaction::ZoomWindow;
        return true;
    case CommandPreviousView:
        currentInteraction = Interaction::None;
        if (previousViews.isEmpty())
            return false;
        currentView = previousViews.takeLast();
        update();
        return true;
    default:
        return false;
    }
}

void DDVue::ZoomExtents() {
    currentInteraction = Interaction::None;
    showView(ViewTransform::fitting(drawingExtents, size()));
}

void DDVue::setBackColor(quint32 value) {
    backColorValue = value;
    update();
}

void DDVue::showView(const ViewTransform& view) {
    if (view == currentView)
        return;
    rememberView(currentView);
    currentView = view;
    update();
}

void DDVue::rememberView(const ViewTransform& view) {
    previousViews.append(view);
    if (previousViews.size() > kPreviousViewLimit)
        previousViews.removeFirst();
}

void DDVue::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor background = colorFromValue(backColorValue);
    painter.fillRect(rect(), background);
    if (dragging && currentInteraction == Interaction::ZoomWindow) {
        const QColor band = background.lightness() < 128 ? Qt::white : Qt::black;
        painter.setPen(QPen(band, 1, Qt::DashLine));
        painter.drawRect(QRect(dragStart, dragLast).normalized());
    }
}

void DDVue::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        // The right button ends the interaction, so the next drag is an ordinary one.
        currentInteraction = Interaction::None;
        dragging = false;
        update();
    } else if (event->button() == Qt::LeftButton && currentInteraction != Interaction::None) {
        dragging = true;
        dragStart = dragLast = at;
        viewAtDragStart = currentView;
    }
    emit OnMouseDown(at.x(), at.y(), buttonCode(event->button()));
}

void DDVue::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (dragging && currentInteraction == Interaction::Pan) {
        currentView = currentView.panned(dragLast, at);
        update();
    } else if (dragging) {
        update();
    }
    dragLast = at;
    emit OnMouseMove(at.x(), at.y());
}

void DDVue::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (dragging && event->button() == Qt::LeftButton) {
        if (currentInteraction == Interaction::ZoomWindow)
            finishZoomWindow(at);
        else if (currentView != viewAtDragStart)
            rememberView(viewAtDragStart);
        dragging = false;
        currentInteraction = Interaction::None;
        update();
    }
    emit OnMouseUp(at.x(), at.y(), buttonCode(event->button()));
    emit OnClick();
}

void DDVue::finishZoomWindow(QPoint releasedAt) {
    const QRectF window = QRectF(QPointF(dragStart), QPointF(releasedAt)).normalized();
    if (window.width() < kMinZoomWindowSide || window.height() < kMinZoomWindowSide)
        return;
    showView(currentView.zoomedToWindow(window, size()));
}

void DDVue::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    emit OnDblClick();
}

void DDVue::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0.0)
        return;
    const double factor = std::pow(kWheelZoomStep, notches);
    currentView = currentView.zoomedAbout(event->position(), factor, size());
    update();
    event->accept();
}
