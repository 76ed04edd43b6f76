#include "browser/ThumbPopulation.h"

#include "browser/ThumbEntry.h"
#include "drawing/CADFunctions.h"
#include "platform/FolderModel.h"
#include "platform/ShellList.h"
#include "platform/ThumbGrid.h"

#include <exception>

namespace {

// Keeps the grid's paint lock raised for its lifetime, on every way out.
class PaintLock {
public:
    explicit PaintLock(ThumbGrid& grid) : grid(grid) { grid.lockUpdate(); }
    ~PaintLock() { grid.unlockUpdate(); }
    PaintLock(const PaintLock&) = delete;
    PaintLock& operator=(const PaintLock&) = delete;

private:
    ThumbGrid& grid;
};

} // namespace

int ClassifyShellItem(const ShellItem& item) {
    if (!item.inFileSystem)
        return ThumbEntry::OutsideFileSystem;
    if (item.isFolder)
        return ThumbEntry::Folder;
    if (IsDwgFile(item.path))
        return ThumbEntry::DwgFile;
    return ThumbEntry::OtherFile;
}

QString ColumnDetail(const ShellList& list, const ShellItem& item, int column) {
    const QString& value = item.detail[column - 1];
    if (value.isEmpty())
        return {};
    return list.columnCaption(column) + QStringLiteral(": ") + value;
}

QString CellInfo(const ShellList& list, const ShellItem& item) {
    const int kind = ClassifyShellItem(item);
    QString path = item.inFileSystem ? item.path : QString();
    if (kind == ThumbEntry::OutsideFileSystem || kind == ThumbEntry::Folder)
        path = AddTrailingBackslash(path);
    return path + u'|' + ColumnDetail(list, item, 1) + u'|' + ColumnDetail(list, item, 2) + u'|' +
           ColumnDetail(list, item, 3);
}

void AddThumbnail(ThumbGrid& grid, const ShellList& list, int itemIndex) {
    try {
        const ShellItem item = list.item(itemIndex);
        const int kind = ClassifyShellItem(item);
        const QString info = CellInfo(list, item);
        const int idx = grid.appendCell();
        ThumbEntry::setKind(grid, idx, kind);
        ThumbEntry::setInfo(grid, idx, info);
        ThumbEntry::setCaption(grid, idx, item.displayName);
        ThumbEntry::setState(grid, idx, ThumbEntry::New);
    } catch (const std::exception&) {
        // An item that cannot be described is left out; the browser shows no message.
    }
}

void ClearThumbnails(ThumbGrid& grid) {
    grid.clear();
}

void RefreshThumbnails(ThumbGrid& grid, const ShellList& list) {
    const PaintLock lock(grid);
    ClearThumbnails(grid);
    const int count = list.itemCount();
    for (int i = 0; i < count; ++i)
        AddThumbnail(grid, list, i);
    grid.clearSelection();
    grid.setViewPosition(0, 0);
}
