#include "platform/ThumbGrid.h"

#include <QCursor>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>

namespace {

// How far an owner may draw outside a cell (frames, shadows): repaints cover that much too.
constexpr int kOwnerDrawMargin = 8;
// Decoded pictures kept at least, and at least twice as many as a view shows.
constexpr int kMinDecodedPictures = 40;

// The rectangle a picture of `size` takes when centred in `area`: shrunk to fit keeping
// its proportions, never enlarged.
QRect centredPictureRect(const QSize& size, const QRect& area) {
    QSize shown = size;
    if (shown.width() > area.width() || shown.height() > area.height()) {
        shown = size.scaled(area.size(), Qt::KeepAspectRatio);
    }
    const QPoint corner(area.left() + (area.width() - shown.width()) / 2,
                        area.top() + (area.height() - shown.height()) / 2);
    return QRect(corner, shown);
}

} // namespace

ThumbGrid::ThumbGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    selectionColor_ = palette().color(QPalette::Highlight);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    relayout();
}

ThumbGrid::~ThumbGrid() = default;

void ThumbGrid::setThumbWidth(int width) {
    setGeometryValue(layout_.thumbWidth, width, 1);
}

void ThumbGrid::setThumbHeight(int height) {
    setGeometryValue(layout_.thumbHeight, height, 1);
}

void ThumbGrid::setHorizBorder(int border) {
    setGeometryValue(layout_.horizBorder, border, 0);
}

void ThumbGrid::setVertBorder(int border) {
    setGeometryValue(layout_.vertBorder, border, 0);
}

void ThumbGrid::setGeometryValue(int& field, int value, int minimum) {
    field = std::max(minimum, value);
    relayout();
    redraw();
}

void ThumbGrid::setBackground(const QColor& color) {
    background_ = color;
    redraw();
}

// The grid paints no cell backgrounds or borders: these two colours are kept for the owner
// that does, and changing them alone needs no redraw.
void ThumbGrid::setThumbnailsBackground(const QColor& color) {
    thumbnailsBackground_ = color;
}

void ThumbGrid::setThumbnailsBorderColor(const QColor& color) {
    thumbnailsBorderColor_ = color;
}

void ThumbGrid::setSelectionColor(const QColor& color) {
    selectionColor_ = color;
    redraw();
}

int ThumbGrid::appendCell() {
    cells_.emplace_back();
    pictures_.resize(cellCount());
    relayout();
    redraw();
    return int(cells_.size()) - 1;
}

void ThumbGrid::clear() {
    const bool hadSelection = !selectedIndexes().isEmpty();
    cells_.clear();
    cells_.shrink_to_fit();
    pictures_.clear();
    current_ = -1;
    anchor_ = -1;
    relayout();
    setViewPosition(0, 0);
    redraw();
    if (hadSelection) {
        emit selectionChanged();
    }
}

void ThumbGrid::setCellText(int idx, int slot, const QString& text) {
    if (validIndex(idx) && slot >= 0 && slot < 3) {
        cells_[idx].text[slot] = text;
    }
}

QString ThumbGrid::cellText(int idx, int slot) const {
    return validIndex(idx) && slot >= 0 && slot < 3 ? cells_[idx].text[slot] : QString();
}

void ThumbGrid::setCellTag(int idx, int tag) {
    if (validIndex(idx)) {
        cells_[idx].tag = tag;
    }
}

int ThumbGrid::cellTag(int idx) const {
    return validIndex(idx) ? cells_[idx].tag : 0;
}

void ThumbGrid::setCellPicture(int idx, const QImage& picture) {
    if (!validIndex(idx)) {
        return;
    }
    const QSize area(layout_.thumbWidth, layout_.thumbHeight);
    QImage stored = picture;
    if (!stored.isNull() && (stored.width() > area.width() || stored.height() > area.height())) {
        stored = stored.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    pictures_.set(idx, stored);
    if (lockCount_ == 0 && !painting_ && isCellVisible(idx)) {
        viewport()->update(cellRect(idx)
                               .translated(-viewPosition())
                               .adjusted(-kOwnerDrawMargin, -kOwnerDrawMargin, kOwnerDrawMargin,
                                         kOwnerDrawMargin));
    }
}

QImage ThumbGrid::cellPicture(int idx) {
    return pictures_.get(idx);
}

bool ThumbGrid::hasCellPicture(int idx) const {
    return pictures_.has(idx);
}

void ThumbGrid::clearSelection() {
    bool changed = false;
    for (Cell& cell : cells_) {
        changed = changed || cell.selected;
        cell.selected = false;
    }
    current_ = -1;
    anchor_ = -1;
    redraw();
    if (changed) {
        emit selectionChanged();
    }
}

void ThumbGrid::select(int idx) {
    for (Cell& cell : cells_) {
        cell.selected = false;
    }
    if (validIndex(idx)) {
        cells_[idx].selected = true;
    }
    anchor_ = validIndex(idx) ? idx : -1;
    setCurrentIndex(idx);
    redraw();
    emit selectionChanged();
}

void ThumbGrid::setSelected(int idx, bool on) {
    if (validIndex(idx) && cells_[idx].selected != on) {
        cells_[idx].selected = on;
        redraw();
        emit selectionChanged();
    }
}

bool ThumbGrid::isSelected(int idx) const {
    return validIndex(idx) && (cells_[idx].selected || idx == current_);
}

QList<int> ThumbGrid::selectedIndexes() const {
    QList<int> indexes;
    for (int i = 0; i < int(cells_.size()); ++i) {
        if (isSelected(i)) {
            indexes.append(i);
        }
    }
    return indexes;
}

void ThumbGrid::setCurrentIndex(int idx) {
    const int next = validIndex(idx) ? idx : -1;
    if (next != current_) {
        current_ = next;
        redraw();
        emit currentChanged(current_);
    }
}

void ThumbGrid::setViewPosition(int x, int y) {
    horizontalScrollBar()->setValue(x);
    verticalScrollBar()->setValue(y);
}

QPoint ThumbGrid::viewPosition() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

int ThumbGrid::columnCount() const {
    return layout_.columnsFor(viewport()->width());
}

QRect ThumbGrid::cellRect(int idx) const {
    return validIndex(idx) ? layout_.cellRect(idx, columnCount()) : QRect();
}

int ThumbGrid::imageAtPos(const QPoint& pos) const {
    return layout_.cellAt(pos + viewPosition(), columnCount(), cellCount());
}

bool ThumbGrid::isCellVisible(int idx) const {
    return validIndex(idx) && cellRect(idx).intersects(QRect(viewPosition(), viewport()->size()));
}

void ThumbGrid::ensureVisible(int idx) {
    if (!validIndex(idx)) {
        return;
    }
    const QRect cell = cellRect(idx);
    const QRect view(viewPosition(), viewport()->size());
    int y = view.top();
    if (cell.top() - layout_.vertBorder < view.top()) {
        y = cell.top() - layout_.vertBorder;
    } else if (cell.bottom() + layout_.vertBorder > view.bottom()) {
        y = cell.bottom() + layout_.vertBorder - view.height() + 1;
    }
    verticalScrollBar()->setValue(y);
}

void ThumbGrid::lockUpdate() {
    if (lockCount_++ == 0) {
        viewport()->setUpdatesEnabled(false);
    }
}

void ThumbGrid::unlockUpdate() {
    if (lockCount_ == 0) {
        return;
    }
    if (--lockCount_ == 0) {
        relayout();
        viewport()->setUpdatesEnabled(true); // schedules the one redraw
        viewport()->update();
    }
}

void ThumbGrid::relayout() {
    const int columns = columnCount();
    const int visibleRows = viewport()->height() / (layout_.thumbHeight + layout_.vertBorder) + 2;
    pictures_.setCacheSize(std::max(kMinDecodedPictures, 2 * columns * visibleRows));
    const QSize content = layout_.contentSize(cellCount(), columns);
    const QSize view = viewport()->size();
    verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
    verticalScrollBar()->setPageStep(std::max(1, view.height()));
    verticalScrollBar()->setSingleStep(std::max(1, (layout_.thumbHeight + layout_.vertBorder) / 4));
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
    horizontalScrollBar()->setPageStep(std::max(1, view.width()));
    horizontalScrollBar()->setSingleStep(
        std::max(1, (layout_.thumbWidth + layout_.horizBorder) / 4));
}

void ThumbGrid::redraw() {
    if (lockCount_ == 0) {
        viewport()->update();
    }
}

bool ThumbGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (hintsEnabled_ && !hintText_.isEmpty()) {
            QToolTip::showText(help->globalPos(), hintText_, viewport());
            shownHint_ = hintText_;
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void ThumbGrid::setHintText(const QString& text) {
    if (text != hintText_) {
        hintText_ = text;
        updateShownHint();
    }
}

void ThumbGrid::setHintsEnabled(bool on) {
    if (on != hintsEnabled_) {
        hintsEnabled_ = on;
        updateShownHint();
    }
}

// A hint of this grid that is showing takes the new text at once, or goes when hints are off.
void ThumbGrid::updateShownHint() {
    if (!QToolTip::isVisible() || QToolTip::text() != shownHint_) {
        return;
    }
    if (hintsEnabled_ && !hintText_.isEmpty()) {
        QToolTip::showText(QCursor::pos(), hintText_, viewport());
        shownHint_ = hintText_;
    } else {
        QToolTip::hideText();
    }
}

void ThumbGrid::paintEvent(QPaintEvent* event) {
    ++paintCount_;
    prepareSurface();
    const QRect exposed = event->rect();
    painting_ = true;
    const auto painted = qScopeGuard([this] { painting_ = false; });
    {
        QPainter painter(&surface_);
        painter.setClipRect(exposed);
        painter.fillRect(exposed, background_);
        ThumbSurface dest{surface_, painter};
        const QPoint origin = viewPosition();
        const QRect visible = exposed.translated(origin).adjusted(
            -kOwnerDrawMargin, -kOwnerDrawMargin, kOwnerDrawMargin, kOwnerDrawMargin);
        const int columns = columnCount();
        const int pitchY = layout_.thumbHeight + layout_.vertBorder;
        const int firstRow = std::max(0, (visible.top() - layout_.vertBorder) / pitchY);
        const int lastRow = (visible.bottom() - layout_.vertBorder) / pitchY;
        for (int row = firstRow; row <= lastRow; ++row) {
            for (int column = 0; column < columns; ++column) {
                const int idx = row * columns + column;
                if (idx < cellCount() && layout_.cellRect(idx, columns).intersects(visible)) {
                    paintCell(dest, idx, origin);
                }
            }
        }
    }
    QPainter(viewport()).drawImage(QPoint(0, 0), surface_);
}

// The surface covers the viewport at the screen's pixel density; it is kept between paints.
void ThumbGrid::prepareSurface() {
    const qreal ratio = viewport()->devicePixelRatioF();
    const QSize pixels = viewport()->size() * ratio;
    if (surface_.size() != pixels || surface_.devicePixelRatio() != ratio) {
        surface_ = QImage(pixels, QImage::Format_RGB32);
        surface_.setDevicePixelRatio(ratio);
        surface_.fill(background_);
    }
}

void ThumbGrid::paintCell(ThumbSurface& dest, int idx, const QPoint& origin) {
    QPainter& painter = dest.painter;
    const QRect cell = layout_.cellRect(idx, columnCount()).translated(-origin);
    QRect thumbRect(0, 0, layout_.thumbWidth, layout_.thumbHeight);
    if (beforeImageDraw_) {
        painter.save();
        beforeImageDraw_(idx, cell.left(), cell.top(), dest, thumbRect);
        painter.restore();
    }
    const QRect area = thumbRect.translated(cell.topLeft());
    const QImage picture = pictures_.get(idx);
    if (!picture.isNull() && area.width() > 0 && area.height() > 0) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(centredPictureRect(picture.size(), area), picture);
    }
    if (isSelected(idx)) {
        painter.setPen(QPen(selectionColor_, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(-1, -1, 0, 0));
    }
}

void ThumbGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    relayout();
}

void ThumbGrid::scrollContentsBy(int, int) {
    redraw();
}

void ThumbGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    redraw();
}

void ThumbGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    redraw();
}

void ThumbGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        clickSelect(imageAtPos(pos), event->modifiers());
    }
    emit mousePressed(event->button(), event->modifiers(), pos);
}

void ThumbGrid::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void ThumbGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    emit mouseDoubleClicked(event->button(), event->position().toPoint());
}

void ThumbGrid::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->position().toPoint());
}

void ThumbGrid::clickSelect(int idx, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ControlModifier) {
        if (validIndex(idx)) {
            const bool on = !isSelected(idx);
            if (current_ >= 0 && current_ != idx) {
                cells_[current_].selected = true; // the old current cell stays selected
            }
            cells_[idx].selected = on;
            anchor_ = idx;
            current_ = on ? idx : -1;
            redraw();
            emit selectionChanged();
        }
        return;
    }
    if ((modifiers & Qt::ShiftModifier) && validIndex(idx) && anchor_ >= 0) {
        selectRange(anchor_, idx);
        return;
    }
    select(idx);
}

void ThumbGrid::selectRange(int from, int to) {
    const int low = std::min(from, to);
    const int high = std::max(from, to);
    for (int i = 0; i < cellCount(); ++i) {
        cells_[i].selected = i >= low && i <= high;
    }
    current_ = to;
    redraw();
    emit selectionChanged();
    emit currentChanged(current_);
}

void ThumbGrid::moveCurrent(int idx, Qt::KeyboardModifiers modifiers) {
    if (cellCount() == 0) {
        return;
    }
    idx = std::clamp(idx, 0, cellCount() - 1);
    if ((modifiers & Qt::ShiftModifier) && anchor_ >= 0) {
        selectRange(anchor_, idx);
    } else {
        select(idx);
    }
    ensureVisible(idx);
}

void ThumbGrid::keyPressEvent(QKeyEvent* event) {
    const int columns = columnCount();
    const int pitchY = layout_.thumbHeight + layout_.vertBorder;
    const int pageRows = std::max(1, viewport()->height() / pitchY);
    const int from = current_ >= 0 ? current_ : 0;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    switch (event->key()) {
    case Qt::Key_Left:
        moveCurrent(from - 1, modifiers);
        break;
    case Qt::Key_Right:
        moveCurrent(current_ >= 0 ? from + 1 : 0, modifiers);
        break;
    case Qt::Key_Up:
        moveCurrent(from - columns, modifiers);
        break;
    case Qt::Key_Down:
        moveCurrent(current_ >= 0 ? from + columns : 0, modifiers);
        break;
    case Qt::Key_PageUp:
        moveCurrent(from - pageRows * columns, modifiers);
        break;
    case Qt::Key_PageDown:
        moveCurrent(from + pageRows * columns, modifiers);
        break;
    case Qt::Key_Home:
        moveCurrent(0, modifiers);
        break;
    case Qt::Key_End:
        moveCurrent(cellCount() - 1, modifiers);
        break;
    default:
        if (event->matches(QKeySequence::SelectAll)) {
            selectRange(0, cellCount() - 1);
            return;
        }
        QAbstractScrollArea::keyPressEvent(event);
    }
}
