#include "app/UnitFace.h"

#include <QLabel>
#include <QPixmap>

TFrmFace::TFrmFace(QWidget* parent) : QWidget(parent) {
    setObjectName("FrmFace");
    resize(186, 159);
    ImageFace = new QLabel(this);
    ImageFace->setObjectName("ImageFace");
    ImageFace->setPixmap(QPixmap(":/skin/skin.png"));
    ImageFace->move(14, 8);
    ImageFace->adjustSize();
}

QImage TFrmFace::Skin() const {
    return ImageFace->pixmap().toImage();
}
