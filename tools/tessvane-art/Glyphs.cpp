#include "Glyphs.h"

#include <QPainterPath>

namespace glyphs {

namespace {

QPen pen(const QColor& colour, const QRectF& box, double share) {
    QPen line(colour, std::max(1.0, box.width() * share));
    line.setCapStyle(Qt::RoundCap);
    line.setJoinStyle(Qt::RoundJoin);
    return line;
}

// A point of the box given in shares of its width and height.
QPointF at(const QRectF& box, double x, double y) {
    return {box.left() + box.width() * x, box.top() + box.height() * y};
}

// A closed outline through points given in shares of the box.
QPainterPath outline(const QRectF& box, std::initializer_list<QPointF> shares) {
    QPainterPath path;
    for (const QPointF& share : shares) {
        const QPointF point = at(box, share.x(), share.y());
        if (path.elementCount() == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QRectF part(const QRectF& box, double x, double y, double w, double h) {
    return {at(box, x, y), QSizeF(box.width() * w, box.height() * h)};
}

} // namespace

void hand(QPainter& p, const QRectF& box, const QColor& fill, const QColor& line) {
    // Fingers as rounded columns standing on the palm, the thumb leaning out to the left.
    QPainterPath shape;
    const double fingerWidth = 0.14;
    const double tops[] = {0.16, 0.06, 0.10, 0.22};
    for (int i = 0; i < 4; ++i) {
        const QRectF finger = part(box, 0.27 + i * 0.15, tops[i], fingerWidth, 0.55 - tops[i]);
        shape.addRoundedRect(finger, finger.width() / 2, finger.width() / 2);
    }
    shape.addRoundedRect(part(box, 0.27, 0.40, 0.59, 0.48), box.width() * 0.12, box.width() * 0.12);
    QPainterPath thumb;
    thumb.moveTo(at(box, 0.30, 0.62));
    thumb.lineTo(at(box, 0.12, 0.42));
    thumb.quadTo(at(box, 0.06, 0.36), at(box, 0.14, 0.32));
    thumb.lineTo(at(box, 0.32, 0.46));
    thumb.closeSubpath();
    shape = shape.united(thumb).simplified();
    p.setPen(pen(line, box, 0.045));
    p.setBrush(fill);
    p.drawPath(shape);
}

QRectF lensOf(const QRectF& box) {
    return part(box, 0.08, 0.08, 0.60, 0.60);
}

void magnifier(QPainter& p, const QRectF& box, const QColor& line) {
    const QRectF lens = lensOf(box);
    p.setPen(pen(line.darker(160), box, 0.16));
    p.drawLine(at(box, 0.62, 0.62), at(box, 0.90, 0.90));
    p.setPen(pen(line, box, 0.08));
    p.setBrush(QColor(190, 220, 255, 90));
    p.drawEllipse(lens);
}

void dashedFrame(QPainter& p, const QRectF& lens, const QColor& line) {
    QPen dashes = pen(line, lens, 0.07);
    dashes.setStyle(Qt::DotLine);
    dashes.setCapStyle(Qt::FlatCap);
    p.setPen(dashes);
    p.setBrush(Qt::NoBrush);
    p.drawRect(part(lens, 0.25, 0.30, 0.50, 0.40));
}

void extentArrows(QPainter& p, const QRectF& lens, const QColor& line) {
    p.setPen(pen(line, lens, 0.08));
    const QPointF centre = lens.center();
    for (const QPointF& corner :
         {at(lens, 0.25, 0.25), at(lens, 0.75, 0.25), at(lens, 0.25, 0.75), at(lens, 0.75, 0.75)}) {
        const QPointF inner = centre + (corner - centre) * 0.35;
        p.drawLine(inner, corner);
        const QPointF dx(corner.x() > centre.x() ? -lens.width() * 0.14 : lens.width() * 0.14, 0);
        const QPointF dy(0, corner.y() > centre.y() ? -lens.height() * 0.14 : lens.height() * 0.14);
        p.drawLine(corner, corner + dx);
        p.drawLine(corner, corner + dy);
    }
}

void backArrow(QPainter& p, const QRectF& lens, const QColor& line) {
    p.setPen(pen(line, lens, 0.09));
    p.setBrush(Qt::NoBrush);
    QPainterPath curve;
    curve.moveTo(at(lens, 0.30, 0.42));
    curve.cubicTo(at(lens, 0.45, 0.25), at(lens, 0.78, 0.32), at(lens, 0.70, 0.68));
    p.drawPath(curve);
    p.drawLine(at(lens, 0.30, 0.42), at(lens, 0.30, 0.22));
    p.drawLine(at(lens, 0.30, 0.42), at(lens, 0.50, 0.45));
}

void disk(QPainter& p, const QRectF& box, const QColor& body, const QColor& label) {
    p.setPen(pen(body.darker(200), box, 0.05));
    p.setBrush(body);
    p.drawPath(
        outline(box, {{0.12, 0.10}, {0.76, 0.10}, {0.90, 0.24}, {0.90, 0.90}, {0.12, 0.90}}));
    p.setPen(Qt::NoPen);
    p.setBrush(label);
    p.drawRect(part(box, 0.24, 0.52, 0.54, 0.34));
    p.setBrush(QColor(210, 210, 215));
    p.drawRect(part(box, 0.30, 0.12, 0.40, 0.26));
    p.setBrush(body.darker(150));
    p.drawRect(part(box, 0.56, 0.15, 0.09, 0.19));
}

void folder(QPainter& p, const QRectF& box, bool upArrow) {
    const QColor back(214, 160, 40), front(250, 204, 80);
    p.setPen(pen(back.darker(170), box, 0.04));
    p.setBrush(back);
    p.drawPath(outline(
        box, {{0.06, 0.86}, {0.06, 0.20}, {0.38, 0.20}, {0.46, 0.30}, {0.94, 0.30}, {0.94, 0.86}}));
    p.setBrush(front);
    p.drawRect(part(box, 0.06, 0.40, 0.88, 0.46));
    if (!upArrow)
        return;
    p.setPen(pen(QColor(20, 130, 40), box, 0.12));
    p.drawLine(at(box, 0.50, 0.80), at(box, 0.50, 0.48));
    p.drawLine(at(box, 0.50, 0.46), at(box, 0.34, 0.62));
    p.drawLine(at(box, 0.50, 0.46), at(box, 0.66, 0.62));
}

void sheet(QPainter& p, const QRectF& box, bool drawing) {
    p.setPen(pen(QColor(110, 110, 120), box, 0.035));
    p.setBrush(Qt::white);
    p.drawPath(
        outline(box, {{0.18, 0.04}, {0.62, 0.04}, {0.84, 0.26}, {0.84, 0.96}, {0.18, 0.96}}));
    p.setBrush(QColor(215, 215, 222));
    p.drawPolygon(QPolygonF({at(box, 0.62, 0.04), at(box, 0.62, 0.26), at(box, 0.84, 0.26)}));
    if (!drawing) {
        p.setPen(pen(QColor(150, 150, 160), box, 0.035));
        for (double y = 0.40; y < 0.90; y += 0.12)
            p.drawLine(at(box, 0.28, y), at(box, 0.74, y));
        return;
    }
    const QColor blue(30, 90, 200);
    p.setPen(pen(blue, box, 0.04));
    p.setBrush(Qt::NoBrush);
    p.drawRect(part(box, 0.28, 0.36, 0.46, 0.48));
    p.drawLine(at(box, 0.50, 0.36), at(box, 0.50, 0.62));
    p.drawLine(at(box, 0.28, 0.62), at(box, 0.74, 0.62));
    p.setPen(pen(QColor(200, 40, 40), box, 0.04));
    p.drawEllipse(part(box, 0.56, 0.68, 0.12, 0.12));
}

void house(QPainter& p, const QRectF& box, const QColor& line) {
    p.setPen(pen(line, box, 0.07));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({at(box, 0.10, 0.50), at(box, 0.50, 0.14), at(box, 0.90, 0.50)}));
    p.drawPolyline(QPolygonF(
        {at(box, 0.22, 0.42), at(box, 0.22, 0.86), at(box, 0.78, 0.86), at(box, 0.78, 0.42)}));
    p.drawRect(part(box, 0.42, 0.60, 0.16, 0.26));
}

void menuBars(QPainter& p, const QRectF& box, const QColor& line) {
    p.setPen(pen(line, box, 0.08));
    for (const double y : {0.20, 0.40, 0.60})
        p.drawLine(at(box, 0.15, y), at(box, 0.85, y));
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    p.drawPolygon(QPolygonF({at(box, 0.38, 0.74), at(box, 0.62, 0.74), at(box, 0.50, 0.88)}));
}

} // namespace glyphs
