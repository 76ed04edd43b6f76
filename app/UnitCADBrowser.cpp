// The browser pane's handlers: the main menu, the view modes, going up and following the
// list's folder with the thumbnail grid; the commands on the list's and the grid's items
// (double click, the file menu, hints).
#include "app/BitmapButton.h"
#include "app/ErrorReport.h"
#include "app/Globals.h"
#include "app/UnitCAD.h"
#include "browser/ThumbEntry.h"
#include "browser/ThumbPopulation.h"
#include "drawing/CADFunctions.h"
#include "platform/ShellList.h"
#include "platform/ThumbGrid.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>

namespace {

enum ViewTag { ReportTag = 0, ListTag = 1, ThumbnailTag = 2 };

// The file menu remembers the control it was opened for in this property.
constexpr const char* kPopupComponent = "PopupComponent";

void reportMissingFolder(QWidget* parent, const QString& path) {
    const QString quoted = u'"' + path + QStringLiteral("\"\n");
    if (ChineseUI)
        ShowMessage(parent, QMessageBox::Warning, QString::fromUtf8("警告"),
                    quoted + QString::fromUtf8("路径不存在！"));
    else
        ShowMessage(parent, QMessageBox::Warning, QStringLiteral("Warning"),
                    quoted + QStringLiteral("Path not find!"));
}

} // namespace

void TFrmCAD::connectBrowserHandlers() {
    ShellThumbFiles->setBeforeImageDraw(
        [this](int idx, int left, int top, ThumbSurface& dest, QRect& thumbRect) {
            ShellThumbFilesBeforeImageDrawEx(ShellThumbFiles, idx, left, top, dest, thumbRect);
        });
    connect(ShellThumbFiles, &ThumbGrid::mousePressed, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint pos) {
                ShellThumbFilesMouseDown(button, pos);
            });
    connect(ShellThumbFiles, &ThumbGrid::mouseDoubleClicked, this,
            [this](Qt::MouseButton button, QPoint) {
                if (button == Qt::LeftButton)
                    ShellThumbFilesDblClick();
            });
    connect(ShellThumbFiles, &ThumbGrid::mouseMoved, this, &TFrmCAD::ShellThumbFilesMouseMove);
    connect(ShellListFiles, &ShellList::mousePressed, this, &TFrmCAD::ShellListFilesMouseDown);
    connect(ShellListFiles, &ShellList::openRequested, this, &TFrmCAD::ShellListFilesDblClickOpen);
    connect(PM_OpenFile, &QAction::triggered, this, &TFrmCAD::PM_OpenFileClick);
    connect(PM_Shellopenfile, &QAction::triggered, this, &TFrmCAD::PM_ShellopenfileClick);
}

void TFrmCAD::BtnViewClick() {
    PopupMenuView->popup(BtnView->mapToGlobal(QPoint(0, BtnView->height())));
}

void TFrmCAD::PM_ReportClick(QAction* sender) {
    const int tag = sender->data().toInt();
    if (tag == ReportTag || tag == ListTag) {
        if (ThumbnailMode != 0) {
            ThumbnailMode = 0;
            ShellListFiles->raise();
            QCoreApplication::processEvents(); // the list is drawn before the grid empties
            ClearThumbnails();
        }
        ShellListFiles->setViewStyle(tag == ReportTag ? ShellList::ViewStyle::Report
                                                      : ShellList::ViewStyle::List);
    } else if (tag == ThumbnailTag && ThumbnailMode != 1) {
        ThumbnailMode = 1;
        RefreshThumbnails();
        ShellThumbFiles->raise();
    }
}

void TFrmCAD::BtnUpClick() {
    ShellListFiles->goUp();
}

void TFrmCAD::ShellListFilesFolderChanged() {
    if (ThumbnailMode == 1)
        RefreshThumbnails();
}

void TFrmCAD::ClearThumbnails() {
    ::ClearThumbnails(*ShellThumbFiles);
}

void TFrmCAD::RefreshThumbnails() {
    ::RefreshThumbnails(*ShellThumbFiles, *ShellListFiles);
}

void TFrmCAD::PM_ExitClick() {
    close();
}

void TFrmCAD::popupFileMenu(QWidget* component, QPoint globalPos) {
    PopupMenuList->setProperty(kPopupComponent, QVariant::fromValue<QObject*>(component));
    PopupMenuList->popup(globalPos);
}

void TFrmCAD::ShellThumbFilesMouseDown(Qt::MouseButton Button, QPoint Pos) {
    PressedThumbIndex = ShellThumbFiles->imageAtPos(Pos);
    if (PressedThumbIndex == -1 || Button != Qt::RightButton)
        return;
    if (!ShellThumbFiles->isSelected(PressedThumbIndex))
        ShellThumbFiles->select(PressedThumbIndex);
    const QString kind = ThumbEntry::kind(*ShellThumbFiles, PressedThumbIndex);
    if (kind == QLatin1String("2") || kind == QLatin1String("3"))
        popupFileMenu(ShellThumbFiles, ShellThumbFiles->viewport()->mapToGlobal(Pos));
}

void TFrmCAD::ShellThumbFilesDblClick() {
    const int idx = PressedThumbIndex;
    if (idx == -1)
        return;
    try {
        const QString kind = ThumbEntry::kind(*ShellThumbFiles, idx);
        const QString path = InfoPath(ThumbEntry::info(*ShellThumbFiles, idx));
        if (kind == QLatin1String("0")) {
            const int item =
                ShellListFiles->findByCaption(ThumbEntry::caption(*ShellThumbFiles, idx));
            if (item >= 0)
                ShellListFiles->setFolder(ShellListFiles->item(item).identity);
        } else if (kind == QLatin1String("1")) {
            if (QFileInfo(path).isDir())
                ShellListFiles->setFolder(path);
            else
                reportMissingFolder(this, path);
        } else {
            OpenDrawing(path);
        }
    } catch (const std::exception&) {
        // A double click that cannot be carried out does nothing.
    }
}

void TFrmCAD::ShellThumbFilesMouseMove(QPoint Pos) {
    const int idx = ShellThumbFiles->imageAtPos(Pos);
    if (idx == -1) {
        ShellThumbFiles->setHintsEnabled(false);
        return;
    }
    ShellThumbFiles->setHintText(ThumbEntry::caption(*ShellThumbFiles, idx) +
                                 ThumbHintText(ThumbEntry::info(*ShellThumbFiles, idx)));
    ShellThumbFiles->setHintsEnabled(true);
}

void TFrmCAD::ShellListFilesMouseDown(Qt::MouseButton Button, QPoint Pos) {
    if (Button != Qt::RightButton)
        return;
    const int idx = ShellListFiles->itemAt(Pos);
    if (idx < 0)
        return;
    const ShellItem item = ShellListFiles->item(idx);
    if (item.inFileSystem && !item.isFolder)
        popupFileMenu(ShellListFiles, ShellListFiles->mapToGlobal(Pos));
}

void TFrmCAD::ShellListFilesDblClickOpen(bool* Handled) {
    *Handled = true; // the desktop's own action for the file never runs
    const int idx = ShellListFiles->firstSelected();
    if (idx >= 0)
        OpenDrawing(ShellListFiles->item(idx).path);
}

// The file the file menu acts on: the list's first selected item when it is a file, or the
// grid cell last pressed; empty when there is none.
QString TFrmCAD::fileMenuPath() const {
    const QObject* component = PopupMenuList->property(kPopupComponent).value<QObject*>();
    if (component == ShellListFiles) {
        const int idx = ShellListFiles->firstSelected();
        if (idx < 0)
            return {};
        const ShellItem item = ShellListFiles->item(idx);
        return item.inFileSystem && !item.isFolder ? item.path : QString();
    }
    if (component == ShellThumbFiles && PressedThumbIndex != -1)
        return InfoPath(ThumbEntry::info(*ShellThumbFiles, PressedThumbIndex));
    return {};
}

void TFrmCAD::PM_OpenFileClick() {
    QCoreApplication::processEvents(); // the menu is gone before the drawing opens
    const QString path = fileMenuPath();
    if (!path.isEmpty())
        OpenDrawing(path);
}

void TFrmCAD::PM_ShellopenfileClick() {
    QCoreApplication::processEvents();
    const QString path = fileMenuPath();
    if (!path.isEmpty())
        ShellOpenFile(this, path);
}
