// Painting the thumbnail grid's cells: frames, shadows and texts from the current options,
// and on a cell's first paint its icon and its load job.
#include "app/UnitCAD.h"
#include "browser/ThumbPainting.h"
#include "browser/ThumbPlaceholder.h"
#include "platform/ThumbGrid.h"

void TFrmCAD::ShellThumbFilesBeforeImageDrawEx(ThumbGrid* Sender, int idx, int Left, int Top,
                                               ThumbSurface& Dest, QRect& ThumbRect) {
    if (idx < 0)
        return;
    // The texts take the name and size of the window's font; colour and style stay the
    // surface's own.
    const QFont textFont(font().family(), font().pointSize());
    PaintThumbCell(*Sender, idx, Left, Top, Dest, ThumbRect,
                   {ThumbBorderType, ThumbBorderColor, ThumbBackColor, textFont});
    if (ThumbJobList && ThumbLoader)
        StartThumbPicture(*Sender, *ShellListFiles, idx, ThumbBackColor, *ThumbJobList,
                          *ThumbLoader);
}
