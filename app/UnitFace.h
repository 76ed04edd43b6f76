#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

// A form that is never shown: it only carries the skin picture the main window's frame is
// painted from.
class TFrmFace : public QWidget {
    Q_OBJECT
public:
    explicit TFrmFace(QWidget* parent = nullptr);

    QLabel* ImageFace = nullptr;

    // The skin picture as a bitmap.
    QImage Skin() const;
};
