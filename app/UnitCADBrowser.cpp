// The browser pane's handlers: the main menu, the view modes, going up and following the
// list's folder with the thumbnail grid.
#include "app/BitmapButton.h"
#include "app/UnitCAD.h"
#include "browser/ThumbPopulation.h"
#include "platform/ShellList.h"
#include "platform/ThumbGrid.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace {

enum ViewTag { ReportTag = 0, ListTag = 1, ThumbnailTag = 2 };

} // namespace

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
