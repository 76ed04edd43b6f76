// Opening a drawing in the drawing view: the one way a drawing gets there.
#include "app/ErrorReport.h"
#include "app/Globals.h"
#include "app/UnitCAD.h"
#include "drawing/CADFunctions.h"
#include "viewer/DDVue.h"

#include <QCoreApplication>
#include <QLabel>

namespace {

void reportUnopened(QWidget* parent, const QString& path) {
    if (ChineseUI)
        ShowMessage(parent, QMessageBox::Information, QString::fromUtf8("提示"),
                    path + u'\n' + QString::fromUtf8("文件无法打开。"));
    else
        ShowMessage(parent, QMessageBox::Information, QStringLiteral("Information"),
                    path + QStringLiteral("\nCan not open this file."));
}

} // namespace

void TFrmCAD::OpenDrawing(const QString& path) {
    if (!IsDwgFile(path) && !IsDxfFile(path)) {
        DrawingLoaded = false;
        reportUnopened(this, path);
        return;
    }
    RzPanelWaite->show();
    RzPanelWaite->raise();
    QCoreApplication::processEvents(); // the notice is painted before the view blocks
    try {
        DDVue1->Close();
        DrawingLoaded = DDVue1->Open(path);
    } catch (const std::exception&) {
        DrawingLoaded = false;
    }
    RzPanelWaite->hide();
    QCoreApplication::processEvents();
    if (!DrawingLoaded)
        reportUnopened(this, path);
}
