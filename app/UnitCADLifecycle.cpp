// The main window's creation, first activation and destruction.
#include "app/AppFolder.h"
#include "app/CursorSlots.h"
#include "app/ErrorReport.h"
#include "app/FontSubstitutes.h"
#include "app/Globals.h"
#include "app/HomePages.h"
#include "app/UnitCAD.h"
#include "browser/ImageLoadThread.h"
#include "browser/ThumbJobList.h"
#include "browser/UiHandOver.h"
#include "platform/IniFile.h"
#include "platform/ShellCombo.h"
#include "platform/ShellList.h"

#include <QAction>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace {

const QString kVersion = QStringLiteral("2.7.0");

void centreOnScreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect bounds = window->geometry();
        bounds.moveCenter(screen->availableGeometry().center());
        window->move(bounds.topLeft());
    }
}

} // namespace

TFrmCAD::TFrmCAD(FrmCADStart start, QWidget* parent) : QWidget(parent), start(std::move(start)) {
    InstallFontSubstitutes();
    handOver = new UiHandOver(this);
    buildForm();
    centreOnScreen(this);
    connectHandlers();
    runGuarded(&TFrmCAD::FormCreate);
}

TFrmCAD::~TFrmCAD() {
    runGuarded(&TFrmCAD::FormDestroy);
}

void TFrmCAD::runGuarded(void (TFrmCAD::*step)()) {
    try {
        (this->*step)();
    } catch (const std::exception& error) {
        ShowStandardError(this, error);
    }
}

bool TFrmCAD::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        runGuarded(&TFrmCAD::FormActivate);
    return QWidget::event(event);
}

void TFrmCAD::FormCreate() {
    ChineseUI = start.chineseUI;
    HomePageURL = kEnglishHomePage;
    EditionText = QStringLiteral("Free version");
    ProductTitle = QStringLiteral("Tessvane");
    if (ChineseUI)
        ApplyChineseTexts();
    AppFolder = start.appFolder.isEmpty() ? GetAppFolder() : start.appFolder;
    if (!AppFolder.endsWith(u'/'))
        AppFolder += u'/';
    // The window has no title bar of its own; its title is what the taskbar shows.
    ApplicationTitle = ProductTitle + u' ' + kVersion + u' ' + EditionText;
    setWindowTitle(ApplicationTitle);
    LabelCaption->setText(kVersion + u' ' + EditionText);
    LabelCaption->adjustSize();
    FirstActivation = true;
    DrawingLoaded = false;
    PressedThumbIndex = -1;
    ThumbnailMode = 0;
    NavigationMode = 0;
    ThumbJobList = std::make_unique<::ThumbJobList>();
    ThumbLoader =
        std::make_unique<TImageLoadThread>(*ShellThumbFiles, *ThumbJobList, *handOver, true);
    // The grid never enlarges small pictures, fills cell backgrounds or draws cell texts:
    // the thumbnail painting does all of that itself.
    LoadCursorSlot(kPanCursorSlot, "CURSOR_1", {16, 16});
    LoadCursorSlot(kZoomWindowCursorSlot, "CURSOR_3", {16, 16});
    LoadSettings();
}

void TFrmCAD::FormActivate() {
    if (!FirstActivation)
        return;
    FirstActivation = false;
    MaximizeToWorkArea();
    RestoreLastState();
}

void TFrmCAD::RestoreLastState() {
    QString folder = start.arguments.value(0);
    QString drawing;
    if (!folder.isEmpty()) {
        const QFileInfo named(folder);
        if (named.isFile()) {
            drawing = folder;
            folder = FolderPart(folder);
            if (!folder.isEmpty())
                folder = QFileInfo(folder).absoluteFilePath();
        } else if (named.isDir()) {
            folder = named.absoluteFilePath();
        } else {
            folder.clear();
        }
    }
    if (folder.isEmpty())
        folder = IniFile(SettingsFile()).readString(u"NORMAL", u"Path", QString());
    if (!folder.isEmpty())
        ShellComboFolder->setSelectedPath(folder);
    const qint32 viewType = IniFile(SettingsFile()).readInteger(u"NORMAL", u"ViewType", 0);
    QAction* view = viewType == 1 ? PM_List : viewType == 2 ? PM_Thumbnail : PM_Report;
    view->trigger();
    if (!drawing.isEmpty())
        OpenDrawing(drawing);
}

void TFrmCAD::FormDestroy() {
    if (ThumbLoader)
        ThumbLoader->Terminate();
    ThumbLoader.reset();
    FreeThumbJobs(ThumbJobList);
    SaveSettings();
}
