#include "app/ClickableLabel.h"

#include <QMouseEvent>

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    leftDown = event->button() == Qt::LeftButton;
    emit pressed();
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    leftDown = event->button() == Qt::LeftButton;
    emit doubleClicked();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = leftDown && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    leftDown = false;
    event->accept();
    if (click)
        emit clicked();
}
