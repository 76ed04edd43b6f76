#include "app/SkinPainter.h"

#include <QPainter>

#include <algorithm>

namespace {

// The heights of the title band and of the bottom edge, and the widths of the top corners
// and of the side edges, in the skin and on the window.
constexpr int kTitleHeight = 28;
constexpr int kEdge = 10;
constexpr int kTopCorner = 20;
// The title band is taken from 60 columns starting at column 21 and widened to 80 first.
constexpr int kBandLeft = 21;
constexpr int kBandRight = 81;
constexpr int kBandStaged = 80;
// The side edges come from the rows just below the title band.
constexpr int kEdgeRows = 12;
// The near-black body of the skin, for a window painted without one.
const QColor kBodyColor(6, 6, 6);

struct Split {
    int first;
    int second;
};

// Two opposite fixed pieces on a length that may be too short for both.
Split share(int first, int second, int length) {
    if (first + second <= length)
        return {first, second};
    const int shared = std::max(length, 0) * first / (first + second);
    return {shared, std::max(length, 0) - shared};
}

} // namespace

std::array<SkinPiece, 9> SkinLayout(QSize skin, QSize client) {
    const int sw = skin.width(), sh = skin.height();
    const int w = client.width(), h = client.height();
    const Split top = share(kTopCorner, kTopCorner, w);
    const Split side = share(kEdge, kEdge, w);
    const Split rows = share(kTitleHeight, kEdge, h);
    const int bandTop = rows.first, bottom = rows.second;
    return {{
        {{0, 0, top.first, bandTop}, {}, {0, 0, top.first, bandTop}},
        {{sw - top.second, 0, sw, bandTop}, {}, {w - top.second, 0, w, bandTop}},
        {{kBandLeft, 0, kBandRight, bandTop},
         {kBandStaged, bandTop},
         {top.first, 0, w - top.second, bandTop}},
        {{0, sh - bottom, side.first, sh}, {}, {0, h - bottom, side.first, h}},
        {{sw - side.second, sh - bottom, sw, sh}, {}, {w - side.second, h - bottom, w, h}},
        {{0, kTitleHeight, side.first, kTitleHeight + kEdgeRows},
         {side.first, kEdgeRows},
         {0, bandTop, side.first, h - bottom}},
        {{sw - side.second, kTitleHeight, sw, kTitleHeight + kEdgeRows},
         {side.second, kEdgeRows},
         {w - side.second, bandTop, w, h - bottom}},
        {{kEdge, sh - bottom, sw - kEdge, sh},
         {sw - 2 * kEdge, bottom},
         {side.first, h - bottom, w - side.second, h}},
        {{kEdge, kTitleHeight, sw - kEdge, sh - kEdge},
         {sw - 2 * kEdge, kEdgeRows},
         {side.first, bandTop, w - side.second, h - bottom}},
    }};
}

void PaintSkin(QPainter& canvas, const QImage& skin, int width, int height) {
    if (skin.isNull()) {
        canvas.fillRect(0, 0, width, height, kBodyColor);
        return;
    }
    const std::array<SkinPiece, 9> pieces = SkinLayout(skin.size(), {width, height});
    QSize largest;
    for (const SkinPiece& piece : pieces)
        largest = largest.expandedTo(piece.staged);
    QImage staging(largest, QImage::Format_RGB32);
    for (const SkinPiece& piece : pieces) {
        if (piece.destination.isEmpty())
            continue;
        if (!piece.staged.isValid()) {
            canvas.drawImage(piece.destination.toRect(), skin, piece.source.toRect());
            continue;
        }
        const QRect staged(QPoint(0, 0), piece.staged);
        {
            QPainter stage(&staging);
            stage.setCompositionMode(QPainter::CompositionMode_Source);
            stage.drawImage(staged, skin, piece.source.toRect());
        }
        canvas.drawImage(piece.destination.toRect(), staging, staged);
    }
}
