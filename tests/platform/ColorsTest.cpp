#include "platform/Colors.h"

#include <QGuiApplication>
#include <QPalette>

#include <gtest/gtest.h>

TEST(Colors, PlainValuesHoldRedInTheLowestByte) {
    struct Case {
        quint32 value;
        QColor color;
    };
    const Case cases[] = {
        {0x000000FFu, QColor(255, 0, 0)},     {0x0000FF00u, QColor(0, 255, 0)},
        {0x00FF0000u, QColor(0, 0, 255)},     {0x00FF9E00u, QColor(0, 158, 255)},
        {0x00FFFFFFu, QColor(255, 255, 255)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(colorFromValue(c.value), c.color) << std::hex << c.value;
        EXPECT_EQ(valueFromColor(c.color), c.value) << std::hex << c.value;
    }
}

TEST(Colors, SystemIndicesFollowThePalette) {
    const QPalette palette = QGuiApplication::palette();
    struct Case {
        quint32 index;
        QPalette::ColorRole role;
    };
    const Case cases[] = {
        {5, QPalette::Base},       {8, QPalette::Text},
        {13, QPalette::Highlight}, {14, QPalette::HighlightedText},
        {15, QPalette::Button},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(colorFromValue(kSystemColorFlag | c.index), palette.color(c.role)) << c.index;
    }
}

TEST(Colors, UnknownTopBytesAndIndicesStayDefined) {
    // Only the exact system flag selects the palette; an out-of-range index gives black.
    EXPECT_EQ(colorFromValue(kSystemColorFlag | 200u), QColor(Qt::black));
    EXPECT_EQ(colorFromValue(0x12345678u), QColor(0x78, 0x56, 0x34));
}
