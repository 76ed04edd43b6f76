#pragma once

#include <QImage>
#include <QString>

class QWidget;

enum class PictureFormat { Bmp, Jpeg };

// Quality of the saved JPEG pictures.
inline constexpr int kSavedJpegQuality = 90;

// What the widget shows on screen, pixel for pixel, at its size in device pixels.
QImage GrabViewPicture(QWidget* view);

// Saves what the widget shows as a BMP (24-bit colour) or JPEG picture. The picture is
// written to a temporary file beside the target and renamed over it when complete, so a
// failure never leaves a half-written file under the name. Throws std::runtime_error with
// the reason when the picture cannot be written.
void SaveViewPicture(QWidget* view, PictureFormat format, const QString& path);
