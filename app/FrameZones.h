#pragma once

#include <QPoint>
#include <QSize>
#include <Qt>

// Where a point of the window's own surface lies for resizing; the values are the window
// system's usual hit-test answers.
enum class FrameZone {
    Client = 1,
    Left = 10,
    Right = 11,
    Top = 12,
    TopLeft = 13,
    TopRight = 14,
    Bottom = 15,
    BottomLeft = 16,
    BottomRight = 17,
};

// The zone of Point (client coordinates) in a window of Size: the corners are 10 x 10
// squares and win over the edges, which are 10 pixels deep; anything else is the client.
FrameZone FrameZoneAt(QPoint point, QSize size);

// The edges a resize from Zone moves; none for the client.
Qt::Edges ZoneEdges(FrameZone zone);

// The resize cursor shown over Zone; the arrow for the client.
Qt::CursorShape ZoneCursor(FrameZone zone);
