#pragma once

#include <QCursor>
#include <QString>

// Cursors the program registers under numbers of its own ("slots"), as the drawing view's
// modes ask for them: 1 the pan hand, 3 the zoom-window crosshair.
inline constexpr int kPanCursorSlot = 1;
inline constexpr int kZoomWindowCursorSlot = 3;

// Loads a two-colour cursor picture of the program's resources ("CURSOR_1", "CURSOR_3") with
// its hot spot into a slot; a picture that cannot be loaded leaves the slot empty.
void LoadCursorSlot(int slot, const QString& resourceName, QPoint hotSpot);
// The cursor of a slot; the arrow for an empty slot.
QCursor CursorOfSlot(int slot);
