#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A button drawn from two pictures of its own size: "up" and "hot" (while the pointer is
// over it). Magenta pixels (255, 0, 255) of the pictures let the window show through.
class BitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    // Up and Hot are resource paths of the pictures.
    BitmapButton(const QString& up, const QString& hot, QWidget* parent = nullptr);

    QSize sizeHint() const override { return upPicture.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap upPicture;
    QPixmap hotPicture;
};

// A picture with its magenta pixels made transparent.
QPixmap keyedPicture(const QString& path);
