#pragma once
// The picture tessvane-render writes: a drawing zoomed to its extents, saved
// whole or not at all.

#include "cad/Drawing.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <optional>

// A colour as users write it: "#rrggbb", "#rgb" or a name such as "black".
std::optional<QColor> parseBackground(const QString& text);

// JPEG pictures are written at this quality.
inline constexpr int kRenderJpegQuality = 90;

// Writes the picture in `format` ("png" or "jpeg") through a temporary file
// renamed over `path` when complete. Returns an empty string, or why it could
// not be written.
QString writePicture(const QImage& picture, const QString& path, const char* format);
