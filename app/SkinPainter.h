#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <array>

class QPainter;

// A rectangle given by its four edges, right and bottom exclusive.
struct SkinRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    QRect toRect() const { return QRect(left, top, right - left, bottom - top); }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const SkinRect&) const = default;
};

// One of the nine pieces the window frame is painted from. Source is copied straight onto
// Destination when Staged is invalid; otherwise it is first copied into the paint's temporary
// picture at Staged's size, and that is stretched onto Destination.
struct SkinPiece {
    SkinRect source;
    QSize staged;
    SkinRect destination;
};

// The pieces in the order they are painted: the two top corners, the title band, the two
// bottom corners, the left, right and bottom edges, the centre.
//
// The fixed pieces need 40 columns and 38 rows. Where the client area is smaller, each pair
// of opposite pieces shares what there is in proportion to their sizes, every piece keeping
// its outer part (a corner loses its inner columns and rows), and the stretched pieces
// between them shrink to nothing: the frame is never drawn inside out or over itself.
std::array<SkinPiece, 9> SkinLayout(QSize skin, QSize client);

// Paints the frame and body of a client area of Width x Height from Skin, with one temporary
// picture for this paint. Without a skin the area is filled with the body colour.
void PaintSkin(QPainter& canvas, const QImage& skin, int width, int height);
