#pragma once

#include <QIcon>
#include <QRect>
#include <QString>

struct ShellItem;

// The work area of the primary screen: its geometry without panels and docks.
QRect primaryWorkArea();

// The icon of a file or folder from the icon theme, or the bundled 32 x 32 folder, drawing
// or file icon when the theme has none.
QIcon fileIcon(const QString& path);
QIcon itemIcon(const ShellItem& item);
