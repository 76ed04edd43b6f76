#include "app/BitmapButton.h"

#include <QBitmap>
#include <QPainter>

QPixmap keyedPicture(const QString& path) {
    QPixmap picture(path);
    if (!picture.isNull())
        picture.setMask(picture.createMaskFromColor(QColor(255, 0, 255), Qt::MaskInColor));
    return picture;
}

BitmapButton::BitmapButton(const QString& up, const QString& hot, QWidget* parent)
    : QAbstractButton(parent), upPicture(keyedPicture(up)), hotPicture(keyedPicture(hot)) {
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
}

void BitmapButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool hot = underMouse() || isDown();
    painter.drawPixmap(0, 0, hot ? hotPicture : upPicture);
}

void BitmapButton::enterEvent(QEnterEvent* event) {
    update();
    QAbstractButton::enterEvent(event);
}

void BitmapButton::leaveEvent(QEvent* event) {
    update();
    QAbstractButton::leaveEvent(event);
}
