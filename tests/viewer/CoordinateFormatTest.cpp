#include "viewer/CoordinateFormat.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct FormatCase {
    double value;
    const char* expected;
};

const QLocale kPointLocale(QLocale::English, QLocale::UnitedStates);
const QLocale kCommaLocale(QLocale::German, QLocale::Germany);

TEST(CoordinateFormat, GeneralFormatWithFifteenSignificantDigits) {
    const FormatCase cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {1.0, "1"},
        {-1.0, "-1"},
        {0.0001, "0.0001"},
        {0.00009999, "9.999E-5"},
        {123.456, "123.456"},
        {1e15, "1E15"},
        {999999999999999.0, "999999999999999"},
        {9999999999999999.0, "1E16"}, // rounding to 15 digits carries into a new power
        {1.5e-5, "1.5E-5"},
        {-2.5e20, "-2.5E20"},
        {1234.56789012345, "1234.56789012345"},
        {1234.567890123456, "1234.56789012346"}, // the 16th digit is rounded away
        {0.1 + 0.2, "0.3"},
        {100.0, "100"},
        {1e-300, "1E-300"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(FormatCoordinate(c.value, kPointLocale).toStdString(), c.expected)
            << "value " << c.value;
}

TEST(CoordinateFormat, UsesTheLocalesDecimalSeparator) {
    const FormatCase cases[] = {
        {123.456, "123,456"}, {-0.0001, "-0,0001"}, {1.5e-5, "1,5E-5"},
        {1e15, "1E15"},       {42.0, "42"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(FormatCoordinate(c.value, kCommaLocale).toStdString(), c.expected)
            << "value " << c.value;
}

TEST(CoordinateFormat, ReadoutPutsOneBlankBeforeXAndTwoBeforeY) {
    EXPECT_EQ(CoordinateReadout(12.5, -3.0, kPointLocale), QStringLiteral(" X:12.5  Y:-3"));
    EXPECT_EQ(CoordinateReadout(12.5, 0.25, kCommaLocale), QStringLiteral(" X:12,5  Y:0,25"));
}

} // namespace
