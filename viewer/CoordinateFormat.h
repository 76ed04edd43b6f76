#pragma once

#include <QLocale>
#include <QString>

// A drawing coordinate as the coordinate strip shows it: rounded to 15 significant digits,
// fixed-point when 0.0001 <= |value| < 1E15 (trailing zeros dropped), otherwise one digit,
// the other significant digits and "E" with the shortest exponent ("1E15", "1.5E-5"). The
// decimal separator is the locale's.
QString FormatCoordinate(double value, const QLocale& locale = QLocale());

// The coordinate strip's text for a point: " X:" x "  Y:" y.
QString CoordinateReadout(double x, double y, const QLocale& locale = QLocale());
