#include "app/CursorSlots.h"

#include <QHash>
#include <QPixmap>

namespace {

QHash<int, QCursor>& cursorSlots() {
    static QHash<int, QCursor> registered;
    return registered;
}

QString resourceFile(const QString& resourceName) {
    return QStringLiteral(":/cursors/%1.png").arg(resourceName.toLower());
}

} // namespace

void LoadCursorSlot(int slot, const QString& resourceName, QPoint hotSpot) {
    const QPixmap picture(resourceFile(resourceName));
    if (picture.isNull()) {
        cursorSlots().remove(slot);
        return;
    }
    cursorSlots().insert(slot, QCursor(picture, hotSpot.x(), hotSpot.y()));
}

QCursor CursorOfSlot(int slot) {
    return cursorSlots().value(slot, QCursor(Qt::ArrowCursor));
}
