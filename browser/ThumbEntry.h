#pragma once

#include <QString>

class ThumbGrid;

// What each cell of the thumbnail grid carries, kept in the grid's own slots: Kind, Caption
// and Info in its text slots, State in its integer slot. The grid never draws them.
namespace ThumbEntry {

// Kind, held as its one-digit text: "0" an item outside the file system, "1" a folder,
// "2" a DWG file, "3" any other file.
enum Kind { OutsideFileSystem = 0, Folder = 1, DwgFile = 2, OtherFile = 3 };
// State: 0 new, 1 placeholder shown and a load job queued, 2 preview loading finished.
enum State { New = 0, Queued = 1, Loaded = 2 };

QString kind(const ThumbGrid& grid, int idx);
void setKind(ThumbGrid& grid, int idx, int kind);
QString caption(const ThumbGrid& grid, int idx);
void setCaption(ThumbGrid& grid, int idx, const QString& caption);
QString info(const ThumbGrid& grid, int idx);
void setInfo(ThumbGrid& grid, int idx, const QString& info);
int state(const ThumbGrid& grid, int idx);
void setState(ThumbGrid& grid, int idx, int state);

} // namespace ThumbEntry
