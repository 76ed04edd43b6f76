#pragma once

#include <QIcon>
#include <QString>
#include <QtGlobal>

class ShellList;
class TImageLoadThread;
class ThumbGrid;
class ThumbJobList;

// The desktop's large icon for a cell: the icon of its path, or, for a cell without one that
// mirrors a list item, the icon of that item.
QIcon ThumbIcon(const ShellList& List, const QString& Path, int idx);

// On a cell's first paint (State 0): its icon (ThumbIcon) on BackColor as its picture,
// State 1, a load job queued and the loader woken. Later paints change nothing.
void StartThumbPicture(ThumbGrid& Grid, const ShellList& List, int idx, quint32 BackColor,
                       ThumbJobList& Jobs, TImageLoadThread& Loader);
