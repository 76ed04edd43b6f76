#pragma once

#include <QString>

class ShellList;
class ThumbGrid;
struct ShellItem;

// Building the thumbnail grid from the shell list: one cell per list item, in the list's
// order, each with its Kind, Caption and Info and State 0. No file is read and no picture
// made; pictures come when cells are painted.

// The Kind of an item (see ThumbEntry::Kind).
int ClassifyShellItem(const ShellItem& item);
// The Info detail of one column (1 size, 2 type, 3 modified): the column's caption, ": " and
// the item's value, or empty when the item has no value there.
QString ColumnDetail(const ShellList& list, const ShellItem& item, int column);
// Path, "|", detail 1, "|", detail 2, "|", detail 3.
QString CellInfo(const ShellList& list, const ShellItem& item);

// Appends the cell of list item ItemIndex. A failure drops the item silently.
void AddThumbnail(ThumbGrid& grid, const ShellList& list, int itemIndex);
// Removes every cell, the selection and the pictures.
void ClearThumbnails(ThumbGrid& grid);
// Rebuilds the whole grid from the list's current items under the grid's paint lock (it
// redraws once at the end), with no cell selected and the view at the top.
void RefreshThumbnails(ThumbGrid& grid, const ShellList& list);
