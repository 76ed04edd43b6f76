#pragma once

#include <QString>

// True when the name's extension (from its last "." to the end) is ".dwg",
// letter case ignored: PLAN.DWG and /a/b.Dwg are drawings, plan.dwg.bak is not.
bool IsDwgFile(const QString& FileName);

// The same for ".dxf".
bool IsDxfFile(const QString& FileName);

// The path ending in the platform's separator ("/"); an empty text stays empty.
QString AddTrailingBackslash(const QString& Text);
