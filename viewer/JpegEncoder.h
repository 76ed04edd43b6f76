#pragma once

#include <QByteArray>
#include <QImage>

// Compresses a picture as a baseline colour JPEG (three 8-bit components, 4:2:0 sampling,
// the standard quantisation tables scaled to the quality). Throws std::runtime_error when
// the compressor fails.
QByteArray EncodeJpeg(const QImage& image, int quality);
