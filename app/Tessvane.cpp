// The program entry: the main window and the form holding the skin, the message loop, and
// their destruction in reverse order, which writes the settings.
#include "app/AppFolder.h"
#include "app/Globals.h"
#include "app/UnitCAD.h"
#include "app/UnitFace.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationDisplayName(QString());
    FrmCAD = new TFrmCAD({GetAppFolder(), app.arguments().mid(1)});
    FrmFace = new TFrmFace;
    FrmCAD->show();
    FrmCAD->activateWindow(); // also where no window manager activates it
    const int result = app.exec();
    delete FrmFace;
    FrmFace = nullptr;
    delete FrmCAD;
    FrmCAD = nullptr;
    AppFolder.clear();
    return result;
}
