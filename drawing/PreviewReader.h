#pragma once

#include "drawing/FileAccess.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Reading the raster preview that CAD programs embed in a DWG file. Only the
// file header, the preview area's head, its entry table and the chosen entry
// are read; the rest of the drawing is never touched.
//
// Every overload that takes a file name opens it read-only and throws
// DrawingFileError when it cannot; the file is closed again on every path.

// Replaces Stream by a complete BMP file image built from the preview's bitmap
// entry and returns true. When the table holds several bitmap entries the last
// complete one stands. Returns false, with Stream untouched, when no bitmap
// entry can be read whole.
bool ReadDrawingPreview(QByteArray& Stream, const QString& FileName);
bool ReadDrawingPreview(QByteArray& Stream, FileAccess& File);

// Replaces Stream by the PNG bytes of the preview's PNG entry, as stored, and
// returns true; later CAD releases store their preview this way instead of as
// a bitmap. Returns false, with Stream untouched, when there is none.
bool ReadDrawingPreviewPng(QByteArray& Stream, const QString& FileName);
bool ReadDrawingPreviewPng(QByteArray& Stream, FileAccess& File);

// Loads the drawing's preview into Bitmap: the bitmap entry when there is one
// (kept in its 8-bit paletted form), otherwise the PNG entry. Returns false and
// leaves Bitmap untouched when the file has neither; throws DrawingFileError
// when the stored picture cannot be decoded.
bool LoadDrawingPreview(QImage& Bitmap, const QString& FileName);
bool LoadDrawingPreview(QImage& Bitmap, FileAccess& File);
