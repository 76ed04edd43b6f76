#include "Glyphs.h"
#include "Pictures.h"

#include <functional>

namespace {

using Painter = std::function<void(QPainter&, const QRectF&)>;

QImage drawn(int size, const Painter& paint) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p, QRectF(0, 0, size, size));
    return image;
}

const QColor kInk(40, 40, 48);

} // namespace

QList<Picture> iconPictures() {
    return {
        {"icons/folder.png",
         drawn(32, [](QPainter& p, const QRectF& b) { glyphs::folder(p, b, false); })},
        {"icons/drawing.png",
         drawn(32, [](QPainter& p, const QRectF& b) { glyphs::sheet(p, b, true); })},
        {"icons/file.png",
         drawn(32, [](QPainter& p, const QRectF& b) { glyphs::sheet(p, b, false); })},
    };
}

QList<Picture> menuImages() {
    const auto zoom = [](void (*mark)(QPainter&, const QRectF&, const QColor&)) {
        return [mark](QPainter& p, const QRectF& b) {
            glyphs::magnifier(p, b, kInk);
            mark(p, glyphs::lensOf(b), kInk);
        };
    };
    const Painter images[] = {
        [](QPainter& p, const QRectF& b) { glyphs::folder(p, b, true); },
        [](QPainter& p, const QRectF&) { p.fillRect(QRectF(3, 11, 10, 2), kInk); },
        [](QPainter& p, const QRectF&) {
            p.setPen(QPen(QColor(200, 40, 36), 2.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(4, 4), QPointF(12, 12));
            p.drawLine(QPointF(12, 4), QPointF(4, 12));
        },
        [](QPainter& p, const QRectF& b) { glyphs::hand(p, b, Qt::white, kInk); },
        zoom(glyphs::dashedFrame),
        zoom(glyphs::extentArrows),
        zoom(glyphs::backArrow),
        [](QPainter& p, const QRectF& b) { glyphs::disk(p, b, QColor(60, 110, 200), Qt::white); },
    };
    const char* names[] = {"upfolder", "minimize", "close",    "pan",
                           "zoomwin",  "zoomall",  "zoomprev", "saveas"};
    QList<Picture> pictures;
    for (int i = 0; i < 8; ++i)
        pictures.append(
            {QStringLiteral("imagelist/%1_%2.png").arg(i).arg(names[i]), drawn(16, images[i])});
    return pictures;
}
