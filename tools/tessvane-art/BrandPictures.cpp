#include "Glyphs.h"
#include "Pictures.h"

#include <QFont>
#include <QPainterPath>

namespace {

// A weather vane's arrow over a compass cross: the program's mark.
void vane(QPainter& p, const QRectF& box, const QColor& arrow, const QColor& cross) {
    const QPointF c = box.center();
    const double r = box.width() / 2;
    p.setPen(QPen(cross, std::max(1.0, r * 0.10)));
    p.drawLine(c - QPointF(0, r * 0.9), c + QPointF(0, r * 0.9));
    p.drawLine(c - QPointF(r * 0.9, 0), c + QPointF(r * 0.9, 0));
    QPainterPath head;
    head.moveTo(c + QPointF(r * 0.95, -r * 0.55));
    head.lineTo(c + QPointF(r * 0.30, -r * 0.62));
    head.lineTo(c + QPointF(r * 0.55, -r * 0.15));
    head.closeSubpath();
    QPainterPath tail;
    tail.moveTo(c + QPointF(-r * 0.95, r * 0.55));
    tail.lineTo(c + QPointF(-r * 0.45, r * 0.75));
    tail.lineTo(c + QPointF(-r * 0.20, r * 0.20));
    tail.lineTo(c + QPointF(-r * 0.70, r * 0.05));
    tail.closeSubpath();
    p.setPen(QPen(arrow, std::max(1.0, r * 0.14), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-r * 0.8, r * 0.45), c + QPointF(r * 0.7, -r * 0.45));
    p.setPen(Qt::NoPen);
    p.setBrush(arrow);
    p.drawPath(head);
    p.drawPath(tail);
}

QImage logo() {
    QImage image(220, 60, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    vane(p, QRectF(6, 6, 48, 48), QColor(240, 170, 40), QColor(150, 150, 160));
    QFont font("DejaVu Sans", 1, QFont::Bold);
    font.setPixelSize(30);
    p.setFont(font);
    p.setPen(QColor(235, 235, 240));
    p.drawText(QRectF(62, 4, 156, 36), Qt::AlignLeft | Qt::AlignVCenter, "Tessvane");
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    p.setFont(font);
    p.setPen(QColor(160, 160, 170));
    p.drawText(QRectF(64, 38, 154, 16), Qt::AlignLeft | Qt::AlignVCenter, "DWG / DXF viewer");
    return image;
}

// The window icon: a drawing sheet with the program's mark, in the 16 colours of the
// classic palette.
QImage windowIcon() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        glyphs::sheet(p, QRectF(0, 0, 32, 32), false);
        vane(p, QRectF(8, 10, 18, 18), QColor(255, 0, 0), QColor(0, 0, 128));
    }
    QList<QRgb> palette;
    for (const QRgb c : {0xFF000000u, 0xFF800000u, 0xFF008000u, 0xFF808000u, 0xFF000080u,
                         0xFF800080u, 0xFF008080u, 0xFFC0C0C0u, 0xFF808080u, 0xFFFF0000u,
                         0xFF00FF00u, 0xFFFFFF00u, 0xFF0000FFu, 0xFFFF00FFu, 0xFFFFFFFFu})
        palette.append(c);
    palette.append(qRgba(0, 0, 0, 0));
    // Pixels that are mostly transparent become the transparent entry, the others opaque.
    QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    QImage indexed = opaque.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (qAlpha(image.pixel(x, y)) < 128)
                indexed.setPixel(x, y, palette.size() - 1);
    return indexed;
}

} // namespace

QList<Picture> brandPictures() {
    return {{"logo.png", logo()}, {"mainicon.png", windowIcon()}};
}
