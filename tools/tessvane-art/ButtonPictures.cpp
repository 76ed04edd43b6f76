#include "Glyphs.h"
#include "Pictures.h"

#include <functional>

namespace {

using GlyphPainter = std::function<void(QPainter&, const QRectF&, const QColor&)>;

// The background of the title-row buttons follows the title band of the skin.
QColor titleGrey(int row, bool hot) {
    const int base = skinTitleGrey(row);
    return hot ? QColor(base + 24, base + 24, base + 24) : QColor(base, base, base);
}

QImage titleButton(int width, bool hot, const QColor& tint = QColor()) {
    QImage image(width, 25, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        QColor row = titleGrey(y, hot);
        if (tint.isValid())
            row = QColor::fromHsv(tint.hue(), tint.saturation(),
                                  std::min(255, tint.value() - 60 + row.value()));
        for (int x = 0; x < width; ++x)
            image.setPixelColor(x, y, row);
    }
    return image;
}

QColor glyphWhite(bool hot) {
    return hot ? QColor(255, 255, 255) : QColor(200, 200, 200);
}

QImage minimizeButton(bool hot) {
    QImage image = titleButton(21, hot);
    QPainter p(&image);
    p.fillRect(QRect(6, 15, 9, 2), glyphWhite(hot));
    return image;
}

QImage maximizeButton(bool hot) {
    QImage image = titleButton(29, hot);
    QPainter p(&image);
    p.setPen(glyphWhite(hot));
    p.drawRect(QRect(9, 7, 10, 9));
    p.drawLine(10, 8, 18, 8); // the thicker top edge of a window
    return image;
}

QImage closeButton(bool hot) {
    QImage image = titleButton(31, hot, hot ? QColor(235, 70, 60) : QColor(200, 40, 36));
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(glyphWhite(hot), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 8), QPointF(20, 17));
        p.drawLine(QPointF(20, 8), QPointF(11, 17));
    }
    // The top right corner follows the rounded corner of the skin.
    const QPoint corner[] = {{30, 0}, {29, 0}, {28, 0}, {30, 1}, {30, 2}};
    for (const QPoint& c : corner)
        image.setPixel(c, kTransparentKey);
    return image;
}

// Pixels drawn half or less are left to the transparent key; the rest are made opaque over the
// near-black band the buttons stand on, so that no edge mixes with the key colour.
QImage keyed(const QImage& drawn) {
    QImage image(drawn.size(), QImage::Format_RGB888);
    const QColor band(6, 6, 6);
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor c = drawn.pixelColor(x, y);
            if (c.alpha() < 128) {
                image.setPixel(x, y, kTransparentKey);
                continue;
            }
            const double a = c.alphaF();
            image.setPixelColor(x, y,
                                QColor::fromRgbF(c.redF() * a + band.redF() * (1 - a),
                                                 c.greenF() * a + band.greenF() * (1 - a),
                                                 c.blueF() * a + band.blueF() * (1 - a)));
        }
    return image;
}

// A command button of the band under the title row: the glyph on a rounded plate that lights
// up while the pointer is over it; the corners show the window through.
QImage commandButton(QSize size, bool hot, const GlyphPainter& glyph) {
    QImage drawn(size, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    QPainter p(&drawn);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate = QRectF(QPointF(0.5, 0.5), QSizeF(size) - QSizeF(1, 1));
    QLinearGradient shade(plate.topLeft(), plate.bottomLeft());
    shade.setColorAt(0, hot ? QColor(92, 92, 100) : QColor(52, 52, 58));
    shade.setColorAt(1, hot ? QColor(48, 48, 56) : QColor(22, 22, 26));
    p.setPen(hot ? QColor(170, 170, 180) : QColor(80, 80, 88));
    p.setBrush(shade);
    p.drawRoundedRect(plate, 4, 4);
    const double side = std::min(size.width(), size.height()) * 0.72;
    const QRectF box(QPointF((size.width() - side) / 2, (size.height() - side) / 2),
                     QSizeF(side, side));
    glyph(p, box, hot ? QColor(255, 255, 255) : QColor(215, 215, 220));
    p.end();
    return keyed(drawn);
}

void zoomGlyph(QPainter& p, const QRectF& box, const QColor& line,
               void (*mark)(QPainter&, const QRectF&, const QColor&)) {
    glyphs::magnifier(p, box, line);
    mark(p, glyphs::lensOf(box), line);
}

struct CommandButton {
    const char* name;
    QSize size;
    GlyphPainter glyph;
};

} // namespace

QList<Picture> buttonPictures() {
    const CommandButton commands[] = {
        {"view", {70, 50}, glyphs::menuBars},
        {"homepage", {70, 50}, glyphs::house},
        {"saveas",
         {32, 32},
         [](QPainter& p, const QRectF& b, const QColor& c) {
             glyphs::disk(p, b, QColor(60, 110, 200), c);
         }},
        {"pan",
         {32, 32},
         [](QPainter& p, const QRectF& b, const QColor& c) {
             glyphs::hand(p, b, c, QColor(20, 20, 24));
         }},
        {"zoomwin",
         {32, 32},
         [](QPainter& p, const QRectF& b, const QColor& c) {
             zoomGlyph(p, b, c, glyphs::dashedFrame);
         }},
        {"zoomall",
         {32, 32},
         [](QPainter& p, const QRectF& b, const QColor& c) {
             zoomGlyph(p, b, c, glyphs::extentArrows);
         }},
        {"zoomprev",
         {32, 32},
         [](QPainter& p, const QRectF& b, const QColor& c) {
             zoomGlyph(p, b, c, glyphs::backArrow);
         }},
    };
    QList<Picture> pictures;
    for (const bool hot : {false, true}) {
        const QString state = hot ? "_hot.png" : "_up.png";
        pictures.append({"buttons/sysmin" + state, minimizeButton(hot)});
        pictures.append({"buttons/sysmax" + state, maximizeButton(hot)});
        pictures.append({"buttons/sysclose" + state, closeButton(hot)});
        for (const CommandButton& command : commands)
            pictures.append({QStringLiteral("buttons/%1%2").arg(command.name, state),
                             commandButton(command.size, hot, command.glyph)});
    }
    return pictures;
}
