#include "options/ColorComboBox.h"
#include "platform/Colors.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class ColorComboBoxTest : public ::testing::Test {
protected:
    ColorComboBoxTest() {
        combo.resize(118, 22);
        QObject::connect(&combo, &ColorComboBox::colorChanged,
                         [this] { changes.push_back(combo.colorValue()); });
        combo.setColorChooser([this](const QColor& initial, QWidget*) {
            offered = initial;
            return answer;
        });
    }

    void chooseMoreColors() {
        combo.setFocus();
        QTest::keyClick(&combo, Qt::Key_End); // the last entry, as a user picks it
    }

    ColorComboBox combo;
    std::vector<quint32> changes;
    std::optional<QColor> answer;
    QColor offered;
};

TEST_F(ColorComboBoxTest, PresetValuesComeBackExactly) {
    // A standard colour, a colour of none of them, and a system colour (window face).
    for (quint32 value : {0x0000FFu, 0x123456u, 0x8000000Fu}) {
        combo.setColorValue(value);
        EXPECT_EQ(combo.colorValue(), value);
        EXPECT_NE(combo.currentIndex(), combo.moreColorsIndex());
    }
    EXPECT_EQ(changes, (std::vector<quint32>{0x0000FFu, 0x123456u, 0x8000000Fu}));
    // One entry holds the colour outside the standard ones: 16, it, "More Colors...".
    EXPECT_EQ(combo.count(), 18);
}

TEST_F(ColorComboBoxTest, MoreColorsAsksFromTheCurrentColourAndTakesTheAnswer) {
    combo.setColorValue(0x00FF00);
    answer = QColor(0x12, 0x34, 0x56);
    chooseMoreColors();
    EXPECT_EQ(offered, QColor(0, 255, 0));
    EXPECT_EQ(combo.colorValue(), 0x563412u);
    EXPECT_EQ(changes.back(), 0x563412u);
    EXPECT_NE(combo.currentIndex(), combo.moreColorsIndex());
}

TEST_F(ColorComboBoxTest, CancelledMoreColorsKeepsTheColourQuietly) {
    combo.setColorValue(0xABCDEF);
    changes.clear();
    chooseMoreColors();
    EXPECT_EQ(combo.colorValue(), 0xABCDEFu);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(combo.itemData(combo.currentIndex()).value<quint32>(), 0xABCDEFu);
}

} // namespace
