#pragma once

#include "platform/PictureStore.h"
#include "platform/ThumbGridLayout.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

#include <functional>
#include <vector>

// The grid's drawing surface while it paints: a picture of the whole visible grid and the
// painter that draws on it. Owners may read its pixels and paint over them.
struct ThumbSurface {
    QImage& image;
    QPainter& painter;
};

// A scrolling grid of cells, as many columns as fit. Each cell carries a picture, three
// text slots and an integer slot. The grid draws no texts, backgrounds or borders of the
// cells: an owner-draw call made before each picture paints them, and the grid then draws
// the picture centred in the area the call leaves, and its selection marking around it.
class ThumbGrid : public QAbstractScrollArea {
    Q_OBJECT
    Q_PROPERTY(int ThumbWidth READ thumbWidth WRITE setThumbWidth)
    Q_PROPERTY(int ThumbHeight READ thumbHeight WRITE setThumbHeight)
    Q_PROPERTY(int HorizBorder READ horizBorder WRITE setHorizBorder)
    Q_PROPERTY(int VertBorder READ vertBorder WRITE setVertBorder)
    Q_PROPERTY(QColor Background READ background WRITE setBackground)
    Q_PROPERTY(QColor ThumbnailsBackground READ thumbnailsBackground WRITE setThumbnailsBackground)
    Q_PROPERTY(
        QColor ThumbnailsBorderColor READ thumbnailsBorderColor WRITE setThumbnailsBorderColor)
    Q_PROPERTY(QColor SelectionColor READ selectionColor WRITE setSelectionColor)
public:
    // idx, the cell's top-left corner on the surface, the surface, and the picture area
    // relative to the corner: in as (0, 0, ThumbWidth, ThumbHeight), may shrink.
    using BeforeImageDraw =
        std::function<void(int idx, int left, int top, ThumbSurface& dest, QRect& thumbRect)>;

    explicit ThumbGrid(QWidget* parent = nullptr);
    ~ThumbGrid() override;

    int thumbWidth() const { return layout_.thumbWidth; }
    void setThumbWidth(int width);
    int thumbHeight() const { return layout_.thumbHeight; }
    void setThumbHeight(int height);
    int horizBorder() const { return layout_.horizBorder; }
    void setHorizBorder(int border);
    int vertBorder() const { return layout_.vertBorder; }
    void setVertBorder(int border);
    QColor background() const { return background_; }
    void setBackground(const QColor& color);
    QColor thumbnailsBackground() const { return thumbnailsBackground_; }
    void setThumbnailsBackground(const QColor& color);
    QColor thumbnailsBorderColor() const { return thumbnailsBorderColor_; }
    void setThumbnailsBorderColor(const QColor& color);
    QColor selectionColor() const { return selectionColor_; }
    void setSelectionColor(const QColor& color);

    // Cells.
    int appendCell(); // returns the new cell's index
    void clear();     // cells, selection and pictures; redraws
    int cellCount() const { return int(cells_.size()); }
    void setCellText(int idx, int slot, const QString& text); // slot 0..2
    QString cellText(int idx, int slot) const;
    void setCellTag(int idx, int tag);
    int cellTag(int idx) const;
    // Stores a copy shrunk to fit the picture area (never enlarged); a null image removes it.
    void setCellPicture(int idx, const QImage& picture);
    QImage cellPicture(int idx);
    bool hasCellPicture(int idx) const;
    // Memory held by the cells' pictures, and how many of them are kept decoded.
    qint64 pictureBytes() const { return pictures_.packedBytes(); }
    int decodedPictureCount() const { return pictures_.cachedCount(); }

    // Selection: the current cell and the cells of a multiple selection.
    void clearSelection();
    void select(int idx);               // selects idx alone and makes it current
    void setSelected(int idx, bool on); // adds to or removes from the selection
    bool isSelected(int idx) const;
    QList<int> selectedIndexes() const; // ascending
    int currentIndex() const { return current_; }
    void setCurrentIndex(int idx);

    // Scrolling and geometry. Content coordinates start at the grid's top-left corner.
    void setViewPosition(int x, int y);
    QPoint viewPosition() const;
    int columnCount() const;
    QRect cellRect(int idx) const;           // in content coordinates
    int imageAtPos(const QPoint& pos) const; // pos in viewport coordinates; -1 for none
    bool isCellVisible(int idx) const;
    void ensureVisible(int idx);

    // Paint lock: while above zero the grid does not redraw; at zero it redraws once.
    void lockUpdate();
    void unlockUpdate();
    int updateLockCount() const { return lockCount_; }
    // How many times the grid has painted itself (for callers checking redraws).
    int paintCount() const { return paintCount_; }

    void setBeforeImageDraw(BeforeImageDraw hook) { beforeImageDraw_ = std::move(hook); }

    // The hint shown over the grid; off shows none. A hint already showing follows a change
    // of the text (the owner sets the text of the cell under the mouse as it moves).
    void setHintText(const QString& text);
    QString hintText() const { return hintText_; }
    void setHintsEnabled(bool on);
    bool hintsEnabled() const { return hintsEnabled_; }

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseDoubleClicked(Qt::MouseButton button, QPoint pos);
    void mouseMoved(QPoint pos);
    void selectionChanged();
    void currentChanged(int idx);

protected:
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Cell {
        QString text[3];
        int tag = 0;
        bool selected = false;
    };
    bool validIndex(int idx) const { return idx >= 0 && idx < int(cells_.size()); }
    void setGeometryValue(int& field, int value, int minimum);
    void relayout();
    void redraw();
    void prepareSurface();
    void paintCell(ThumbSurface& dest, int idx, const QPoint& origin);
    void updateShownHint();
    void clickSelect(int idx, Qt::KeyboardModifiers modifiers);
    void moveCurrent(int idx, Qt::KeyboardModifiers modifiers);
    void selectRange(int from, int to);

    ThumbGridLayout layout_;
    std::vector<Cell> cells_;
    PictureStore pictures_;
    int current_ = -1;
    int anchor_ = -1;
    int lockCount_ = 0;
    bool painting_ = false; // pictures set while painting are drawn by that same paint
    int paintCount_ = 0;
    QColor background_ = Qt::white;
    QColor thumbnailsBackground_ = Qt::white;
    QColor thumbnailsBorderColor_ = Qt::black;
    QColor selectionColor_;
    BeforeImageDraw beforeImageDraw_;
    QImage surface_;
    QString hintText_;
    QString shownHint_;
    bool hintsEnabled_ = false;
};
