#include "app/Anchors.h"

#include <QEvent>

Anchors::Anchors(QWidget* parent, QSize designSize)
    : QObject(parent), parentWidget(parent), design(designSize) {
    parent->installEventFilter(this);
}

void Anchors::place(QWidget* child, const QRect& designGeometry, Qt::Edges edges) {
    entries.push_back({child, designGeometry, edges});
    apply(entries.back(), parentWidget->size());
}

void Anchors::apply(const Entry& entry, QSize size) const {
    const int growX = size.width() - design.width();
    const int growY = size.height() - design.height();
    QRect r = entry.design;
    const bool left = entry.edges & Qt::LeftEdge, right = entry.edges & Qt::RightEdge;
    const bool top = entry.edges & Qt::TopEdge, bottom = entry.edges & Qt::BottomEdge;
    if (left && right)
        r.setWidth(r.width() + growX);
    else if (right)
        r.moveLeft(r.left() + growX);
    else if (!left)
        r.moveLeft(r.left() + growX / 2); // anchored to neither side: keeps its centre
    if (top && bottom)
        r.setHeight(r.height() + growY);
    else if (bottom)
        r.moveTop(r.top() + growY);
    else if (!top)
        r.moveTop(r.top() + growY / 2);
    entry.child->setGeometry(r);
}

bool Anchors::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget && event->type() == QEvent::Resize)
        for (const Entry& entry : entries)
            apply(entry, parentWidget->size());
    return QObject::eventFilter(watched, event);
}
