#include "browser/ThumbPlaceholder.h"

#include "browser/ImageLoadThread.h"
#include "browser/ThumbDrawing.h"
#include "browser/ThumbEntry.h"
#include "browser/ThumbJobList.h"
#include "drawing/ThumbInfo.h"
#include "platform/Desktop.h"
#include "platform/ShellList.h"
#include "platform/ThumbGrid.h"

QIcon ThumbIcon(const ShellList& List, const QString& Path, int idx) {
    if (!Path.isEmpty() || idx >= List.itemCount() || idx < 0)
        return fileIcon(Path);
    return itemIcon(List.item(idx));
}

void StartThumbPicture(ThumbGrid& Grid, const ShellList& List, int idx, quint32 BackColor,
                       ThumbJobList& Jobs, TImageLoadThread& Loader) {
    if (ThumbEntry::state(Grid, idx) != ThumbEntry::New)
        return;
    ThumbEntry::setState(Grid, idx, ThumbEntry::Queued);
    QImage bitmap;
    IconToBitmap(ThumbIcon(List, InfoPath(ThumbEntry::info(Grid, idx)), idx), bitmap, BackColor);
    Grid.setCellPicture(idx, bitmap.convertToFormat(QImage::Format_RGB888));
    AddThumbJob(Jobs, idx);
    if (Loader.Suspended())
        Loader.Resume();
}
