#include "Glyphs.h"
#include "Pictures.h"

namespace {

constexpr int kSize = 32;

// Cursors have two colours, black and white, on a transparent ground.
QImage twoColour(const QImage& drawn) {
    QImage cursor(kSize, kSize, QImage::Format_ARGB32);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const QRgb c = drawn.pixel(x, y);
            if (qAlpha(c) < 100)
                cursor.setPixel(x, y, qRgba(0, 0, 0, 0));
            else
                cursor.setPixel(x, y, qGray(c) < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    return cursor;
}

QImage openHand() {
    QImage drawn(kSize, kSize, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    QPainter p(&drawn);
    glyphs::hand(p, QRectF(2, 1, 28, 30), Qt::white, Qt::black);
    p.end();
    return twoColour(drawn);
}

// Two parallel black lines in each direction, across the whole cursor, with a white line
// between them so that the cross shows on dark and light drawings alike. The hot spot
// (16, 16) is where the white lines cross.
QImage doubleCrosshair() {
    QImage cursor(kSize, kSize, QImage::Format_ARGB32);
    cursor.fill(Qt::transparent);
    for (int i = 0; i < kSize; ++i) {
        for (const int line : {15, 17}) {
            cursor.setPixel(line, i, qRgb(0, 0, 0));
            cursor.setPixel(i, line, qRgb(0, 0, 0));
        }
    }
    for (int i = 0; i < kSize; ++i) {
        cursor.setPixel(16, i, qRgb(255, 255, 255));
        cursor.setPixel(i, 16, qRgb(255, 255, 255));
    }
    return cursor;
}

} // namespace

QList<Picture> cursorPictures() {
    return {{"cursors/cursor_1.png", openHand()}, {"cursors/cursor_3.png", doubleCrosshair()}};
}
