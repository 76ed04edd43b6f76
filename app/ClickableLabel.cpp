#include "app/ClickableLabel.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

void ClickableLabel::press(QMouseEvent* event) {
    event->accept();
    leftDown = event->button() == Qt::LeftButton;
    dragPending = true;
    pressedAt = event->position().toPoint();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    press(event);
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    press(event);
    emit doubleClicked();
}

void ClickableLabel::mouseMoveEvent(QMouseEvent* event) {
    if (!dragPending || event->buttons() == Qt::NoButton) {
        QLabel::mouseMoveEvent(event);
        return;
    }
    event->accept();
    const QPoint moved = event->position().toPoint() - pressedAt;
    if (moved.manhattanLength() <= QGuiApplication::styleHints()->mouseDoubleClickDistance())
        return;
    dragPending = false;
    leftDown = false; // a drag is no click
    emit dragStarted();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = leftDown && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    leftDown = false;
    dragPending = false;
    event->accept();
    if (click)
        emit clicked();
}
