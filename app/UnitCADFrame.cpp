// The window frame: the skin painted over the whole window, moving by the title row,
// resizing at the edges and corners, maximising to the work area and back, minimising,
// closing and the window menu.
#include "app/BitmapButton.h"
#include "app/ClickableLabel.h"
#include "app/FrameGrip.h"
#include "app/Globals.h"
#include "app/SkinPainter.h"
#include "app/UnitCAD.h"
#include "app/UnitFace.h"
#include "platform/Desktop.h"

#include <QAction>
#include <QMenu>
#include <QPainter>

void TFrmCAD::connectFrameHandlers() {
    frameGrip = new FrameGrip(this);
    // The labels and pictures are part of the window's surface; the buttons and the panes
    // take the mouse themselves.
    for (QWidget* surface : std::initializer_list<QWidget*>{this, LabelTitle, Image2, LabelCaption,
                                                            RzSeparator1, Image1})
        frameGrip->attach(surface);
    // The window system's move starts once the pointer is dragged, not at the press: it takes
    // the pointer until the release, and the second press of a double click would be lost.
    ClickableLabel* title = asClickable(LabelTitle);
    connect(title, &ClickableLabel::dragStarted, this, &TFrmCAD::LabelTitleMouseDrag);
    connect(title, &ClickableLabel::doubleClicked, this, &TFrmCAD::BtnSysMaxClick);
    connect(asClickable(Image2), &ClickableLabel::clicked, this, &TFrmCAD::Image2Click);
    connect(BtnSysMax, &QAbstractButton::clicked, this, &TFrmCAD::BtnSysMaxClick);
    connect(BtnSysMin, &QAbstractButton::clicked, this, &TFrmCAD::BtnSysMinClick);
    connect(PM_MinSize, &QAction::triggered, this, &TFrmCAD::BtnSysMinClick);
    connect(BtnSysClose, &QAbstractButton::clicked, this, &TFrmCAD::BtnSysCloseClick);
    connect(PM_Close, &QAction::triggered, this, &TFrmCAD::BtnSysCloseClick);
}

void TFrmCAD::paintEvent(QPaintEvent*) {
    FormPaint();
}

void TFrmCAD::resizeEvent(QResizeEvent*) {
    FormResize();
}

void TFrmCAD::FormPaint() {
    QPainter canvas(this);
    PaintSkin(canvas, FrmFace ? FrmFace->Skin() : QImage(), width(), height());
}

void TFrmCAD::FormResize() {
    // Every stretched piece of the frame depends on the size.
    update();
}

void TFrmCAD::LabelTitleMouseDrag() {
    frameGrip->startMove();
}

void TFrmCAD::BtnSysMaxClick() {
    const QRect area = primaryWorkArea();
    if (width() < area.width() || height() < area.height())
        MaximizeToWorkArea();
    else
        RestorePreviousBounds();
}

void TFrmCAD::MaximizeToWorkArea() {
    RestoreRect = geometry();
    // One change at a time, each reading the work area anew, so that a work area that changes
    // while the window moves is followed.
    move(primaryWorkArea().left(), y());
    move(x(), primaryWorkArea().top());
    resize(primaryWorkArea().width(), height());
    resize(width(), primaryWorkArea().height());
}

void TFrmCAD::RestorePreviousBounds() {
    move(RestoreRect.left(), y());
    move(x(), RestoreRect.top());
    resize(RestoreRect.width(), height());
    resize(width(), RestoreRect.height());
}

void TFrmCAD::BtnSysMinClick() {
    showMinimized();
}

void TFrmCAD::BtnSysCloseClick() {
    close();
}

void TFrmCAD::Image2Click() {
    PopupMenuSys->popup(Image2->mapToGlobal(QPoint(0, Image2->height())));
}
