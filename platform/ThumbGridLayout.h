#pragma once

#include <QRect>

// The geometry of a grid of equal cells: columns that fit the width, spacing before and
// between cells. Pure arithmetic, so that painting, hit tests and scrolling agree.
struct ThumbGridLayout {
    int thumbWidth = 80;
    int thumbHeight = 100;
    int horizBorder = 12;
    int vertBorder = 12;

    int columnsFor(int viewportWidth) const;
    int rowsFor(int cellCount, int columns) const;
    QRect cellRect(int idx, int columns) const;
    QSize contentSize(int cellCount, int columns) const;
    // The cell whose rectangle holds the content point, or -1 (spacing holds none).
    int cellAt(const QPoint& contentPos, int columns, int cellCount) const;
};
