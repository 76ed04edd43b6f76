#include "browser/ThumbEntry.h"

#include "platform/ThumbGrid.h"

namespace ThumbEntry {

namespace {

enum TextSlot { KindSlot = 0, CaptionSlot = 1, InfoSlot = 2 };

} // namespace

QString kind(const ThumbGrid& grid, int idx) {
    return grid.cellText(idx, KindSlot);
}

void setKind(ThumbGrid& grid, int idx, int kind) {
    grid.setCellText(idx, KindSlot, QString::number(kind));
}

QString caption(const ThumbGrid& grid, int idx) {
    return grid.cellText(idx, CaptionSlot);
}

void setCaption(ThumbGrid& grid, int idx, const QString& caption) {
    grid.setCellText(idx, CaptionSlot, caption);
}

QString info(const ThumbGrid& grid, int idx) {
    return grid.cellText(idx, InfoSlot);
}

void setInfo(ThumbGrid& grid, int idx, const QString& info) {
    grid.setCellText(idx, InfoSlot, info);
}

int state(const ThumbGrid& grid, int idx) {
    return grid.cellTag(idx);
}

void setState(ThumbGrid& grid, int idx, int state) {
    grid.setCellTag(idx, state);
}

} // namespace ThumbEntry
