#pragma once
// A whole drawing as one picture, zoomed to its extents: for saved pictures,
// thumbnails and the command-line tool.

#include "cad/Drawing.h"

#include <QImage>
#include <QRgb>
#include <QSize>

namespace cad::render {

// Needs a QGuiApplication (for the fonts). Antialiased.
QImage renderToImage(const Drawing& drawing, QSize size, QRgb background);

} // namespace cad::render
