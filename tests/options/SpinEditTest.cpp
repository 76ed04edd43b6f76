#include "options/SpinEdit.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// An edit of the range 5 to 50 with the blank value 10, shown beside a second control that
// takes the focus from it.
class SpinEditTest : public ::testing::Test {
protected:
    SpinEditTest() : edit(5, 50, 10, &window), other(&window) {
        other.move(0, 40);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QObject::connect(&edit, &SpinEdit::changed, [this] { seen.push_back(edit.value()); });
    }

    void typeAfresh(const QString& text) {
        edit.setFocus();
        edit.lineEdit()->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit.lineEdit(), Qt::Key_Backspace);
        else
            QTest::keyClicks(edit.lineEdit(), text);
    }

    void leave() {
        other.setFocus();
        QCoreApplication::processEvents();
    }

    QWidget window;
    SpinEdit edit;
    QLineEdit other;
    std::vector<int> seen;
};

TEST_F(SpinEditTest, TextReadsAsItsRoundedNumberBlankOrLowEnd) {
    const struct {
        const char* text;
        int value;
    } cases[] = {{"", 10},   {"  ", 10}, {"7", 7}, {"70", 70},
                 {"7.6", 8}, {"-", 5},   {".", 5}, {"-3", -3}};
    for (const auto& c : cases) {
        edit.lineEdit()->setText(QString::fromLatin1(c.text));
        EXPECT_EQ(edit.value(), c.value) << c.text;
    }
}

TEST_F(SpinEditTest, EveryTypedNumberCountsAndLeavingBringsItIntoRange) {
    typeAfresh("7");
    leave();
    typeAfresh("70");
    leave();
    EXPECT_EQ(seen, (std::vector<int>{7, 7, 70, 50}));
    EXPECT_EQ(edit.text(), "50");
}

TEST_F(SpinEditTest, LeavingKeepsABlankAndShowsWhatANonNumberStandsFor) {
    typeAfresh("");
    leave();
    EXPECT_EQ(edit.text(), "");
    EXPECT_EQ(edit.value(), 10);
    typeAfresh("-");
    leave();
    EXPECT_EQ(edit.text(), "5");
}

TEST_F(SpinEditTest, OnlyNumberCharactersCanBeTyped) {
    typeAfresh("1a2b");
    EXPECT_EQ(edit.text(), "12");
}

TEST_F(SpinEditTest, SettingShowsTheNearestEndOfTheRange) {
    edit.setValue(70);
    EXPECT_EQ(edit.text(), "50");
    edit.setValue(1);
    EXPECT_EQ(edit.text(), "5");
}

TEST_F(SpinEditTest, ArrowsStayWithinTheRange) {
    const struct {
        const char* text;
        Qt::Key key;
        const char* after;
    } cases[] = {{"50", Qt::Key_Up, "50"},  {"49", Qt::Key_Up, "50"}, {"70", Qt::Key_Up, "50"},
                 {"5", Qt::Key_Down, "5"},  {"1", Qt::Key_Down, "5"}, {"", Qt::Key_Up, "11"},
                 {"20", Qt::Key_Down, "19"}};
    for (const auto& c : cases) {
        edit.setFocus();
        edit.lineEdit()->setText(QString::fromLatin1(c.text));
        QTest::keyClick(&edit, c.key);
        EXPECT_EQ(edit.text(), QString::fromLatin1(c.after)) << c.text;
    }
}

} // namespace
