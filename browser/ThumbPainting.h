#pragma once

#include "browser/ThumbDrawing.h"
#include "platform/ThumbGrid.h"

#include <QFont>
#include <QRect>
#include <QtGlobal>

// How cells look, from the options: the border style (0 none, 1 normal, 2 with shadow,
// 3 rounded corners), its colours and the font of the texts.
struct ThumbLook {
    int BorderType = 1;
    quint32 BorderColor = 0;
    quint32 BackColor = 0xFFFFFF;
    QFont Font;
};

// The frame around a cell whose top-left corner is at (Left, Top) and whose picture area,
// relative to it, is ThumbRect as the grid hands it over.
EdgeRect ThumbFrameRect(int Left, int Top, const QRect& ThumbRect);

// Everything of a cell but its picture: the picture area cut for the text lines below it
// (ThumbRect is shrunk), the shadow, the frame or the selection frame, the file-type line of
// file cells and the name line. Keeps no state; the cell is drawn from its entry and Look.
void PaintThumbCell(const ThumbGrid& Grid, int idx, int Left, int Top, ThumbSurface& Dest,
                    QRect& ThumbRect, const ThumbLook& Look);
