#pragma once

#include <QColor>
#include <QtGlobal>

// Colour values as stored in settings and handed between components: red in the lowest
// byte, then green, then blue. A top byte of 0x80 marks a system colour; its lowest byte is
// then the system colour index, resolved through the application palette.
inline constexpr quint32 kSystemColorFlag = 0x80000000u;

QColor colorFromValue(quint32 value);

// The plain colour value (top byte 0) of a colour; alpha is dropped.
quint32 valueFromColor(const QColor& color);
