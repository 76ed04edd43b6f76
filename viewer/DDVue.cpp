#include "viewer/DDVue.h"

#include "cad/DrawingFile.h"
#include "cad/ReadError.h"
#include "platform/Colors.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>
#include <new>

namespace {

// How much one notch of the mouse wheel zooms.
constexpr double kWheelZoomStep = 1.25;
// Wheel notches further apart than this start a new step for the previous view.
constexpr qint64 kWheelRunGapMs = 1000;
// The shortest side, in pixels, of a zoom rectangle; a shorter one is taken for a click.
constexpr int kMinZoomWindowSide = 3;

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
    connect(&renderJob, &cad::render::RenderJob::rendered, this, &DDVue::takePicture);
    fitExtents();
}

bool DDVue::Open(const QString& path) {
    if (fileOpener)
        return fileOpener(path);
    std::shared_ptr<const cad::render::Scene> opened;
    try {
        const cad::Drawing drawing = cad::readDrawingFile(QFile::encodeName(path).toStdString());
        opened = cad::render::Scene::build(drawing);
    } catch (const cad::ReadError& error) {
        lastOpenError = QFile::decodeName(QByteArray(error.what()));
        return false;
    } catch (const std::bad_alloc&) {
        lastOpenError = tr("There is not enough memory to open the drawing.");
        return false;
    }
    lastOpenError.clear();
    showScene(std::move(opened));
    return true;
}

bool DDVue::Close() {
    showScene(nullptr);
    return true;
}

void DDVue::showScene(std::shared_ptr<const cad::render::Scene> shown) {
    scene = std::move(shown);
    renderJob.cancel();
    renderJob.setScene(scene);
    picture = QImage();
    history.clear();
    currentInteraction = Interaction::None;
    dragging = false;
    wheelRun = false;
    fitExtents();
}

// The extents of the drawing, or the default area without one, as the view shows them
// after opening; not a step to go back from.
void DDVue::fitExtents() {
    currentView = extentsView();
    showsExtents = true;
    viewChanged();
}

// The current view moved to show the drawing's extents (or the default area) at the view's
// size.
DDVue::ViewTransform DDVue::extentsView() const {
    ViewTransform fitted = currentView;
    fitted.resize(size());
    fitted.zoomExtents(scene ? scene->extents() : cad::Box2());
    return fitted;
}

void DDVue::ScreenToWorld(double x, double y, double& worldX, double& worldY) const {
    const cad::Vec2 world = currentView.toWorld(QPointF(x, y));
    worldX = world.x;
    worldY = world.y;
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
        if (history.empty())
            return false;
        currentView = history.pop(currentView);
        showsExtents = false;
        wheelRun = false;
        viewChanged();
        return true;
    default:
        return false;
    }
}

void DDVue::ZoomExtents() {
    currentInteraction = Interaction::None;
    showView(extentsView());
    showsExtents = true;
}

void DDVue::setBackColor(quint32 value) {
    if (value == backColorValue)
        return;
    backColorValue = value;
    // A picture over the old background would show its colour around the drawing.
    picture = QImage();
    viewChanged();
}

QRgb DDVue::backgroundRgb() const {
    return colorFromValue(backColorValue).rgb();
}

void DDVue::showView(const ViewTransform& next) {
    wheelRun = false;
    if (next == currentView)
        return;
    history.push(currentView);
    currentView = next;
    showsExtents = false;
    viewChanged();
}

// Asks for a picture of the current view and shows the last one meanwhile.
void DDVue::viewChanged() {
    if (scene)
        renderJob.request(currentView, backgroundRgb());
    update();
}

void DDVue::takePicture(const QImage& rendered, const ViewTransform& renderedFor) {
    picture = rendered;
    pictureView = renderedFor;
    update();
}

void DDVue::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor background = colorFromValue(backColorValue);
    painter.fillRect(rect(), background);
    if (!picture.isNull()) {
        painter.setTransform(currentView.pictureTransformFrom(pictureView));
        painter.drawImage(QPointF(0, 0), picture);
        painter.resetTransform();
    }
    if (dragging && currentInteraction == Interaction::ZoomWindow) {
        const QColor band = background.lightness() < 128 ? Qt::white : Qt::black;
        painter.setPen(QPen(band, 1, Qt::DashLine));
        painter.drawRect(QRect(dragStart, dragLast).normalized());
    }
}

void DDVue::resizeEvent(QResizeEvent*) {
    if (showsExtents) {
        fitExtents();
        return;
    }
    currentView.resize(size());
    viewChanged();
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
    if (dragging && currentInteraction == Interaction::Pan && at != dragLast) {
        currentView.pan(QPointF(at - dragLast));
        showsExtents = false;
        viewChanged();
    } else if (dragging) {
        update();
    }
    dragLast = at;
    emit OnMouseMove(at.x(), at.y());
}

void DDVue::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (dragging && event->button() == Qt::LeftButton) {
        if (currentInteraction == Interaction::ZoomWindow) {
            finishZoomWindow(at);
        } else if (currentView != viewAtDragStart) {
            history.push(viewAtDragStart);
            wheelRun = false;
        }
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
    ViewTransform zoomed = currentView;
    zoomed.zoomToPixels(window);
    showView(zoomed);
}

void DDVue::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    emit OnDblClick();
}

void DDVue::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    event->accept();
    if (notches != 0.0)
        zoomByWheel(event->position(), std::pow(kWheelZoomStep, notches));
}

void DDVue::zoomByWheel(QPointF at, double factor) {
    if (!wheelRun || sinceLastWheel.elapsed() > kWheelRunGapMs)
        history.push(currentView);
    wheelRun = true;
    sinceLastWheel.start();
    currentView.zoomAbout(at, factor);
    showsExtents = false;
    viewChanged();
}
