#include "app/FrameGrip.h"

#include "app/FrameZones.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

FrameGrip::FrameGrip(QWidget* window) : QObject(window), window(window) {
    setObjectName("FrameGrip");
    startMove = [window] {
        QWindow* handle = window->windowHandle();
        return handle && handle->startSystemMove();
    };
    startResize = [window](Qt::Edges edges) {
        QWindow* handle = window->windowHandle();
        return handle && handle->startSystemResize(edges);
    };
    // The pointer can go straight from a resize zone of the window onto a control on it;
    // the controls keep their own cursor instead of inheriting the window's resize cursor.
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && !child->testAttribute(Qt::WA_SetCursor))
            child->setCursor(Qt::ArrowCursor);
    }
}

void FrameGrip::attach(QWidget* surface) {
    surfaces.push_back({surface, surface->cursor()});
    surface->setMouseTracking(true);
    surface->installEventFilter(this);
}

bool FrameGrip::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress &&
        type != QEvent::MouseButtonDblClick)
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint point = widget == window ? mouse->position().toPoint()
                                          : widget->mapTo(window, mouse->position().toPoint());
    const FrameZone zone = FrameZoneAt(point, window->size());
    if (type == QEvent::MouseMove) {
        if (mouse->buttons() == Qt::NoButton) {
            for (const Surface& surface : surfaces) {
                if (surface.widget == widget)
                    widget->setCursor(zone == FrameZone::Client ? surface.own
                                                                : QCursor(ZoneCursor(zone)));
            }
        }
        return false;
    }
    if (zone == FrameZone::Client || mouse->button() != Qt::LeftButton)
        return false;
    startResize(ZoneEdges(zone));
    return true;
}
