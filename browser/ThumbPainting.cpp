#include "browser/ThumbPainting.h"

#include "browser/ThumbEntry.h"
#include "drawing/ThumbInfo.h"
#include "platform/Colors.h"

#include <QPainter>

namespace {

constexpr int kFrameOutside = 3;      // frame distance outside the cell's left, top, right
constexpr int kFrameAboveBottom = 17; // frame bottom above the cell's bottom
constexpr int kFolderTextCut = 20;    // picture area cut for the name line
constexpr int kFileTextCut = 38;      // ... and for the file-type line as well
constexpr int kTypeLineHeight = 18;
constexpr int kNameLineTop = 4;
constexpr int kNameLineBottom = 22;
constexpr int kShadowDepth = 4;
constexpr quint32 kShadowColor = 0x808080;
constexpr quint32 kSelectionColor = 0xFF9E00; // light blue: red 0, green 158, blue 255
constexpr int kFocusedSelectionWidth = 3;
constexpr int kSelectionWidth = 2;
constexpr qreal kCornerRadius = 6; // corner ellipse 12 x 12

enum BorderType { NoBorder = 0, NormalBorder = 1, ShadowBorder = 2, RoundedBorder = 3 };

bool isFileKind(const QString& kind) {
    return kind == QLatin1String("2") || kind == QLatin1String("3");
}

// Draws the pixels from (Left, Top) to (Right - 1, Bottom - 1) as one-pixel outline.
void drawOutline(QPainter& painter, const EdgeRect& r, bool rounded) {
    const QRect outline(r.Left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1);
    if (rounded) {
        painter.drawRoundedRect(outline, kCornerRadius, kCornerRadius);
    } else {
        painter.drawRect(outline);
    }
}

// A square band Width pixels wide centred on the outline through the pixels of Line's edges
// (an even width leans outwards at the top and left).
void fillBand(QPainter& painter, const QRect& line, int width, const QColor& color) {
    const int out = width / 2;
    const QRect outer = line.adjusted(-out, -out, width - 1 - out, width - 1 - out);
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), width), color);
    painter.fillRect(QRect(outer.left(), outer.bottom() - width + 1, outer.width(), width), color);
    painter.fillRect(QRect(outer.left(), outer.top(), width, outer.height()), color);
    painter.fillRect(QRect(outer.right() - width + 1, outer.top(), width, outer.height()), color);
}

void drawFrame(const ThumbGrid& grid, int idx, QPainter& painter, const EdgeRect& f,
               const ThumbLook& look) {
    if (grid.isSelected(idx)) {
        const int width = grid.hasFocus() ? kFocusedSelectionWidth : kSelectionWidth;
        // A rectangle over (F.Left, F.Top) to (F.Right + 1, F.Bottom + 1): its outline runs
        // one pixel further right and down than the plain frame's.
        fillBand(painter, QRect(QPoint(f.Left, f.Top), QPoint(f.Right, f.Bottom)), width,
                 colorFromValue(kSelectionColor));
        return;
    }
    const quint32 color = look.BorderType == NoBorder ? look.BackColor : look.BorderColor;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colorFromValue(color), 1));
    painter.setBrush(Qt::NoBrush);
    drawOutline(painter, f, look.BorderType == RoundedBorder);
}

// One line of text centred at the top of the rectangle, ending in "..." when too wide.
void drawLine(QPainter& painter, const EdgeRect& r, const QString& text) {
    const QRect box(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, box.width());
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, shown);
}

void drawTexts(const ThumbGrid& grid, int idx, QPainter& painter, const EdgeRect& f,
               const ThumbLook& look) {
    painter.setFont(look.Font);
    painter.setPen(grid.palette().color(QPalette::Text));
    painter.setBackgroundMode(Qt::TransparentMode);
    const ThumbInfo info = SplitThumbInfo(ThumbEntry::info(grid, idx));
    if (isFileKind(ThumbEntry::kind(grid, idx))) {
        drawLine(painter, {f.Left, f.Bottom - kTypeLineHeight, f.Right, f.Bottom}, info.Detail2);
    }
    drawLine(painter, {f.Left, f.Bottom + kNameLineTop, f.Right, f.Bottom + kNameLineBottom},
             ThumbEntry::caption(grid, idx));
}

} // namespace

EdgeRect ThumbFrameRect(int Left, int Top, const QRect& ThumbRect) {
    return {Left + ThumbRect.left() - kFrameOutside, Top + ThumbRect.top() - kFrameOutside,
            Left + ThumbRect.left() + ThumbRect.width() + kFrameOutside,
            Top + ThumbRect.top() + ThumbRect.height() - kFrameAboveBottom};
}

void PaintThumbCell(const ThumbGrid& Grid, int idx, int Left, int Top, ThumbSurface& Dest,
                    QRect& ThumbRect, const ThumbLook& Look) {
    if (idx < 0) {
        return;
    }
    const EdgeRect frame = ThumbFrameRect(Left, Top, ThumbRect);
    const bool file = isFileKind(ThumbEntry::kind(Grid, idx));
    ThumbRect.setHeight(ThumbRect.height() - (file ? kFileTextCut : kFolderTextCut));
    if (Look.BorderType == ShadowBorder) {
        DrawShadow(Dest, frame, kShadowDepth, kShadowColor);
    }
    drawFrame(Grid, idx, Dest.painter, frame, Look);
    drawTexts(Grid, idx, Dest.painter, frame, Look);
}
