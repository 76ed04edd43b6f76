#include "browser/ThumbDrawing.h"

#include "platform/Colors.h"

#include <QIcon>
#include <QPainter>

#include <cmath>

namespace {

// The large icons of the browser, as the desktop's file managers show them.
constexpr QSize kLargeIconSize(32, 32);

int blendChannel(int first, int second, float a) {
    const float value = float(first) * a + float(second) * (1.0f - a);
    return int(std::nearbyint(value)); // the default rounding: to nearest, ties to even
}

int channel(quint32 value, int shift) {
    return int((value >> shift) & 0xFF);
}

quint32 plainValue(quint32 value) {
    return (value & kSystemColorFlag) ? valueFromColor(colorFromValue(value)) : value;
}

QColor pixelColor(const QImage& image, int x, int y) {
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(int(x * ratio), int(y * ratio));
}

void blendPixel(ThumbSurface& canvas, int x, int y, quint32 color, int alpha) {
    const QRect device(QPoint(0, 0), canvas.image.deviceIndependentSize().toSize());
    if (!device.contains(x, y)) {
        return;
    }
    const quint32 under = valueFromColor(pixelColor(canvas.image, x, y));
    canvas.painter.fillRect(QRect(x, y, 1, 1), colorFromValue(BlendColors(color, under, alpha)));
}

void blendColumn(ThumbSurface& canvas, int x, int fromY, int toY, quint32 color, int alpha) {
    for (int y = fromY; y <= toY; ++y) {
        blendPixel(canvas, x, y, color, alpha);
    }
}

void blendRow(ThumbSurface& canvas, int y, int fromX, int toX, quint32 color, int alpha) {
    for (int x = fromX; x <= toX; ++x) {
        blendPixel(canvas, x, y, color, alpha);
    }
}

// Ring I of the shadow: the bottom band's column and row with their stair step and corner,
// then the right band's row and column with theirs.
void blendRing(ThumbSurface& canvas, const EdgeRect& f, int depth, int i, quint32 color,
               int alpha) {
    const int bandLeft = f.Left + 2 * depth - i;
    const int bandTop = f.Top + 2 * depth - i;
    const int outerX = f.Right + i - 2;
    const int outerY = f.Bottom + i - 2;
    blendColumn(canvas, bandLeft, f.Bottom - 1, outerY, color, alpha);
    blendPixel(canvas, bandLeft + 1, outerY, color, alpha);
    blendRow(canvas, f.Bottom + i - 1, bandLeft + 1, outerX, color, alpha);
    blendPixel(canvas, outerX, outerY, color, alpha);
    blendRow(canvas, bandTop, f.Right - 1, outerX, color, alpha);
    blendPixel(canvas, outerX, bandTop + 1, color, alpha);
    blendColumn(canvas, f.Right + i - 1, bandTop + 1, outerY, color, alpha);
}

} // namespace

quint32 BlendColors(quint32 First, quint32 Second, int Alpha) {
    const quint32 first = plainValue(First);
    const quint32 second = plainValue(Second);
    const float a = float(Alpha) / 255.0f;
    quint32 result = 0;
    for (const int shift : {0, 8, 16}) {
        result |= quint32(blendChannel(channel(first, shift), channel(second, shift), a)) << shift;
    }
    return result;
}

void DrawShadow(ThumbSurface& Canvas, const EdgeRect& Frame, int Depth, quint32 Color) {
    if (Depth <= 0) {
        return;
    }
    const int step = 128 / Depth;
    int alpha = 128;
    for (int i = 1; i <= Depth; ++i) {
        blendRing(Canvas, Frame, Depth, i, Color, alpha);
        alpha -= step;
    }
}

void IconToBitmap(const QIcon& Icon, QImage& Bitmap, quint32 Color) {
    // An icon that has no picture at all still gives a placeholder of the large size.
    QSize size = Icon.actualSize(kLargeIconSize);
    if (size.isEmpty())
        size = kLargeIconSize;
    Bitmap = QImage(size, QImage::Format_RGB32);
    Bitmap.fill(colorFromValue(Color));
    QPainter painter(&Bitmap);
    painter.drawPixmap(0, 0, Icon.pixmap(size));
}
