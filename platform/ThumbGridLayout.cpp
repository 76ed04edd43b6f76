#include "platform/ThumbGridLayout.h"

#include <algorithm>

int ThumbGridLayout::columnsFor(int viewportWidth) const {
    const int pitch = std::max(1, thumbWidth + horizBorder);
    return std::max(1, (viewportWidth - horizBorder) / pitch);
}

int ThumbGridLayout::rowsFor(int cellCount, int columns) const {
    return cellCount <= 0 ? 0 : (cellCount + columns - 1) / columns;
}

QRect ThumbGridLayout::cellRect(int idx, int columns) const {
    const int column = idx % columns;
    const int row = idx / columns;
    return QRect(horizBorder + column * (thumbWidth + horizBorder),
                 vertBorder + row * (thumbHeight + vertBorder), thumbWidth, thumbHeight);
}

QSize ThumbGridLayout::contentSize(int cellCount, int columns) const {
    const int usedColumns = std::min(std::max(cellCount, 1), columns);
    const int rows = rowsFor(cellCount, columns);
    return QSize(horizBorder + usedColumns * (thumbWidth + horizBorder),
                 vertBorder + rows * (thumbHeight + vertBorder));
}

int ThumbGridLayout::cellAt(const QPoint& contentPos, int columns, int cellCount) const {
    const int x = contentPos.x() - horizBorder;
    const int y = contentPos.y() - vertBorder;
    if (x < 0 || y < 0 || thumbWidth <= 0 || thumbHeight <= 0) {
        return -1;
    }
    const int pitchX = thumbWidth + horizBorder;
    const int pitchY = thumbHeight + vertBorder;
    const int column = x / pitchX;
    const int row = y / pitchY;
    if (column >= columns || x % pitchX >= thumbWidth || y % pitchY >= thumbHeight) {
        return -1;
    }
    const int idx = row * columns + column;
    return idx < cellCount ? idx : -1;
}
