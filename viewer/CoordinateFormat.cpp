#include "viewer/CoordinateFormat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr int kSignificantDigits = 15;
// Exponents written in fixed-point: 0.0001 up to just under 1E15.
constexpr int kLowestFixedExponent = -4;
constexpr int kHighestFixedExponent = 14;

// The value's significant digits (trailing zeros dropped) and the decimal exponent of the
// first of them, after rounding to 15 significant digits.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits significantDigits(double magnitude) {
    // to_chars ignores the C locale, so the digits come out as "d.ddde+XX" everywhere.
    char text[40];
    const auto end = std::to_chars(text, text + sizeof text, magnitude,
                                   std::chars_format::scientific, kSignificantDigits - 1);
    const std::string written(text, end.ptr);
    const std::size_t e = written.find('e');
    Digits result;
    result.digits = written.substr(0, 1) + written.substr(2, e - 2);
    result.exponent = std::atoi(written.c_str() + e + 1);
    const std::size_t last = result.digits.find_last_not_of('0');
    result.digits.erase(last + 1);
    return result;
}

QString fixedPoint(const Digits& d, const QString& separator) {
    const auto digits = QString::fromStdString(d.digits);
    if (d.exponent < 0)
        return QStringLiteral("0") + separator + QString(-d.exponent - 1, u'0') + digits;
    const qsizetype whole = d.exponent + 1;
    if (digits.size() <= whole)
        return digits + QString(whole - digits.size(), u'0');
    return digits.left(whole) + separator + digits.mid(whole);
}

QString scientific(const Digits& d, const QString& separator) {
    const auto digits = QString::fromStdString(d.digits);
    QString text = digits.left(1);
    if (digits.size() > 1)
        text += separator + digits.mid(1);
    return text + u'E' + QString::number(d.exponent);
}

} // namespace

QString FormatCoordinate(double value, const QLocale& locale) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0.0)
        return QStringLiteral("0");
    const Digits d = significantDigits(std::fabs(value));
    const QString separator = locale.decimalPoint();
    const bool fixed = d.exponent >= kLowestFixedExponent && d.exponent <= kHighestFixedExponent;
    const QString magnitude = fixed ? fixedPoint(d, separator) : scientific(d, separator);
    return value < 0 ? u'-' + magnitude : magnitude;
}

QString CoordinateReadout(double x, double y, const QLocale& locale) {
    return QStringLiteral(" X:") + FormatCoordinate(x, locale) + QStringLiteral("  Y:") +
           FormatCoordinate(y, locale);
}
