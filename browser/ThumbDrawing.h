#pragma once

#include "platform/ThumbGrid.h"

#include <QImage>
#include <QtGlobal>

class QIcon;

// A rectangle as the thumbnail painting measures it: Right and Bottom lie just outside.
struct EdgeRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// Each of red, green and blue: First's channel * a + Second's channel * (1 - a), with
// a = Alpha / 255 in single precision, to the nearest integer (ties to even). Colour values
// have red in the lowest byte; system colours are resolved to plain ones first.
quint32 BlendColors(quint32 First, quint32 Second, int Alpha);

// The soft shadow along the right and bottom of Frame: Depth rings of pixels, the innermost
// blended with Color at alpha 128, each further one weaker by 128 / Depth. Every pixel is
// read from the surface and written back blended, once.
void DrawShadow(ThumbSurface& Canvas, const EdgeRect& Frame, int Depth, quint32 Color);

// Bitmap becomes the size of Icon's large picture, filled with Color, the icon drawn over it
// with its own transparency.
void IconToBitmap(const QIcon& Icon, QImage& Bitmap, quint32 Color);
