#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

// Small drawings shared by the program's pictures, each drawn into any square or rectangle,
// so that one design serves a 16-pixel menu image, a 32-pixel button and a cursor alike.
namespace glyphs {

// An open hand, fingers up, filled with Fill and outlined with Line.
void hand(QPainter& p, const QRectF& box, const QColor& fill, const QColor& line);
// A magnifying glass with its lens in the upper left of the box.
void magnifier(QPainter& p, const QRectF& box, const QColor& line);
// The lens mark of each zoom command, drawn inside the magnifier's lens.
void dashedFrame(QPainter& p, const QRectF& lens, const QColor& line);
void extentArrows(QPainter& p, const QRectF& lens, const QColor& line);
void backArrow(QPainter& p, const QRectF& lens, const QColor& line);
// A floppy disk.
void disk(QPainter& p, const QRectF& box, const QColor& body, const QColor& label);
// A folder, optionally with a green arrow pointing up.
void folder(QPainter& p, const QRectF& box, bool upArrow);
// A sheet of paper with a folded corner; a drawing sheet carries a small plan in blue.
void sheet(QPainter& p, const QRectF& box, bool drawing);
// A house (the home page).
void house(QPainter& p, const QRectF& box, const QColor& line);
// Three bars above a small triangle pointing down (a menu).
void menuBars(QPainter& p, const QRectF& box, const QColor& line);

// The lens area of magnifier() for the same box.
QRectF lensOf(const QRectF& box);

} // namespace glyphs
