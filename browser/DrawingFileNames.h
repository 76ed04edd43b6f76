#pragma once

#include <QString>

// The file-name rules the browser and the viewer share. The drawing-files library carries
// the same operations; once it is part of the build these give way to it.

// Whether the name's extension (from the last "." after the last "/") is ".dwg", letter case
// ignored; IsDxfFile likewise for ".dxf".
bool IsDwgFile(const QString& fileName);
bool IsDxfFile(const QString& fileName);
// The path ending in "/"; an empty path stays empty.
QString AddTrailingBackslash(const QString& path);
