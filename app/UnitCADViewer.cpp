// The drawing view's handlers: opening a drawing (the one way a drawing gets there), the
// navigation modes, the coordinate strip, the view's context menu and saving the view as a
// picture.
#include "app/BitmapButton.h"
#include "app/CursorSlots.h"
#include "app/ErrorReport.h"
#include "app/Globals.h"
#include "app/UnitCAD.h"
#include "drawing/CADFunctions.h"
#include "viewer/CoordinateFormat.h"
#include "viewer/DDVue.h"
#include "viewer/SaveViewPicture.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QTimer>

namespace {

// Navigation modes, the Tags of the buttons and menu entries that choose them.
constexpr int kNoMode = 0;
constexpr int kPanMode = 1;
constexpr int kZoomWindowMode = 3;

void reportUnopened(QWidget* parent, const QString& path) {
    if (ChineseUI)
        ShowMessage(parent, QMessageBox::Information, QString::fromUtf8("提示"),
                    path + u'\n' + QString::fromUtf8("文件无法打开。"));
    else
        ShowMessage(parent, QMessageBox::Information, QStringLiteral("Information"),
                    path + QStringLiteral("\nCan not open this file."));
}

// The Tag of a button (its "Tag" property) or of a menu entry (its data).
int tagOf(const QObject* sender) {
    if (const auto* action = qobject_cast<const QAction*>(sender))
        return action->data().toInt();
    return sender ? sender->property("Tag").toInt() : kNoMode;
}

struct PictureKind {
    const char* filter;
    const char* suffix;
};

PictureKind pictureKind(PictureFormat format) {
    if (format == PictureFormat::Jpeg)
        return {"Jpeg(*.jpg)", "jpg"};
    return {"Bitmap(*.bmp)", "bmp"};
}

} // namespace

void TFrmCAD::connectViewerHandlers() {
    for (BitmapButton* chooser : {BtnPan, BtnZoomWin})
        connect(chooser, &QAbstractButton::clicked, this,
                [this, chooser] { BtnPanClick(chooser); });
    for (QAction* chooser : {PM_Pan, PM_Zoomwindow})
        connect(chooser, &QAction::triggered, this, [this, chooser] { BtnPanClick(chooser); });
    connect(BtnZoomAll, &QAbstractButton::clicked, this, &TFrmCAD::BtnZoomAllClick);
    connect(PM_Zoomall, &QAction::triggered, this, &TFrmCAD::BtnZoomAllClick);
    connect(BtnZoomPrev, &QAbstractButton::clicked, this, &TFrmCAD::BtnZoomPrevClick);
    connect(PM_Zoomprevious, &QAction::triggered, this, &TFrmCAD::BtnZoomPrevClick);
    connect(DDVue1, &DDVue::OnMouseDown, this, &TFrmCAD::DDVue1MouseDown);
    connect(DDVue1, &DDVue::OnMouseUp, this, &TFrmCAD::DDVue1MouseUp);
    connect(DDVue1, &DDVue::OnMouseMove, this, &TFrmCAD::DDVue1MouseMove);
    connect(Timer1, &QTimer::timeout, this, &TFrmCAD::Timer1Timer);
    DDVue1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DDVue1, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { PopupMenuCAD->popup(DDVue1->mapToGlobal(at)); });
    connect(PopupMenuCAD, &QMenu::aboutToShow, this, &TFrmCAD::PopupMenuCADPopup);
    connect(BtnSaveAs, &QAbstractButton::clicked, this, &TFrmCAD::BtnSaveAsClick);
    connect(PopupMenuSaveAs, &QMenu::aboutToShow, this, &TFrmCAD::PopupMenuSaveAsPopup);
    for (QAction* bmp : {PM_SaveBMP, PM_SaveAsBMP})
        connect(bmp, &QAction::triggered, this, &TFrmCAD::PM_SaveBMPClick);
    for (QAction* jpg : {PM_SaveJPG, PM_SaveAsJPG})
        connect(jpg, &QAction::triggered, this, &TFrmCAD::PM_SaveJPGClick);
}

void TFrmCAD::OpenDrawing(const QString& path) {
    if (!IsDwgFile(path) && !IsDxfFile(path)) {
        DrawingLoaded = false;
        reportUnopened(this, path);
        return;
    }
    RzPanelWaite->show();
    RzPanelWaite->raise();
    // The notice is painted before the view blocks: a plain pass over the pending events may
    // come before the window system's next update request, so the notice paints itself now.
    RzPanelWaite->repaint();
    QCoreApplication::processEvents();
    try {
        DDVue1->Close();
        DrawingLoaded = DDVue1->Open(path);
    } catch (...) {
        DrawingLoaded = false; // whatever the view raised, the message below says it
    }
    RzPanelWaite->hide();
    QCoreApplication::processEvents();
    if (!DrawingLoaded)
        reportUnopened(this, path);
}

void TFrmCAD::BtnPanClick(QObject* sender) {
    if (!DrawingLoaded)
        return;
    NavigationMode = tagOf(sender);
    issueNavigationMode();
}

// Puts the view into the interaction of the current mode with the mode's cursor.
void TFrmCAD::issueNavigationMode() {
    if (NavigationMode == kPanMode) {
        DDVue1->ViewCommand(DDVue::CommandPan);
        DDVue1->setCursor(CursorOfSlot(kPanCursorSlot));
    } else if (NavigationMode == kZoomWindowMode) {
        DDVue1->ViewCommand(DDVue::CommandZoomWindow);
        DDVue1->setCursor(CursorOfSlot(kZoomWindowCursorSlot));
    }
}

void TFrmCAD::BtnZoomAllClick() {
    if (!DrawingLoaded)
        return;
    DDVue1->ZoomExtents();
    DDVue1->setCursor(Qt::ArrowCursor);
    NavigationMode = kNoMode;
}

void TFrmCAD::BtnZoomPrevClick() {
    if (!DrawingLoaded)
        return;
    DDVue1->ViewCommand(DDVue::CommandPreviousView);
    DDVue1->setCursor(Qt::ArrowCursor);
    NavigationMode = kNoMode;
}

void TFrmCAD::DDVue1MouseDown(int, int, short nButton) {
    if (DrawingLoaded && nButton == DDVue::RightButton) {
        NavigationMode = kNoMode;
        DDVue1->setCursor(Qt::ArrowCursor);
    }
}

// The view serves one drag per interaction; the mode is issued again shortly after each.
void TFrmCAD::DDVue1MouseUp(int, int, short) {
    if (DrawingLoaded && (NavigationMode == kPanMode || NavigationMode == kZoomWindowMode))
        Timer1->start();
}

void TFrmCAD::Timer1Timer() {
    Timer1->stop();
    DDVue1->setCursor(Qt::ArrowCursor);
    issueNavigationMode();
}

void TFrmCAD::DDVue1MouseMove(int lX, int lY) {
    if (!DrawingLoaded)
        return;
    double x = 0;
    double y = 0;
    DDVue1->ScreenToWorld(lX, lY, x, y);
    RzPanelMsg->setText(CoordinateReadout(x, y));
}

void TFrmCAD::PopupMenuCADPopup() {
    for (QAction* entry : {PM_Pan, PM_Zoomwindow, PM_Zoomall, PM_Zoomprevious, PM_SaveAs})
        entry->setEnabled(DrawingLoaded);
}

void TFrmCAD::BtnSaveAsClick() {
    PopupMenuSaveAs->popup(BtnSaveAs->mapToGlobal(QPoint(0, BtnSaveAs->height())));
}

void TFrmCAD::PopupMenuSaveAsPopup() {
    PM_SaveBMP->setEnabled(DrawingLoaded);
    PM_SaveJPG->setEnabled(DrawingLoaded);
}

void TFrmCAD::PM_SaveBMPClick() {
    saveViewAs(PictureFormat::Bmp);
}

void TFrmCAD::PM_SaveJPGClick() {
    saveViewAs(PictureFormat::Jpeg);
}

// Asks for a file name (offering the last one again) and saves what the view shows there;
// a failure to write reaches the standard error report.
void TFrmCAD::saveViewAs(PictureFormat format) {
    const PictureKind kind = pictureKind(format);
    SaveDialog1->setNameFilter(QString::fromLatin1(kind.filter));
    SaveDialog1->setDefaultSuffix(QString::fromLatin1(kind.suffix));
    if (!lastPictureName.isEmpty())
        SaveDialog1->selectFile(lastPictureName);
    if (SaveDialog1->exec() != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty())
        return;
    lastPictureName = SaveDialog1->selectedFiles().constFirst();
    QCoreApplication::processEvents(); // the dialog is gone from the view before the grab
    try {
        SaveViewPicture(DDVue1, format, lastPictureName);
    } catch (const std::exception& error) {
        ShowStandardError(this, error);
    }
}
