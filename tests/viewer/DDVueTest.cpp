#include "viewer/DDVue.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class DDVueTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.resize(400, 300);
        view.show();
    }

    DDVue view;
};

TEST_F(DDVueTest, OpenRefusesEveryFileForNowAndSaysWhy) {
    QTemporaryDir dir;
    const QString drawing = dir.filePath("plan.dxf");
    QFile file(drawing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0\nEOF\n");
    file.close();

    EXPECT_FALSE(view.Open(drawing));
    EXPECT_FALSE(view.openError().isEmpty());
    EXPECT_FALSE(view.Open(dir.filePath("missing.dwg")));
    EXPECT_FALSE(view.openError().isEmpty());
    EXPECT_TRUE(view.Close());
}

TEST_F(DDVueTest, MouseEventsCarryPositionAndButtonCode) {
    QSignalSpy down(&view, &DDVue::OnMouseDown);
    QSignalSpy up(&view, &DDVue::OnMouseUp);
    QSignalSpy move(&view, &DDVue::OnMouseMove);
    const struct {
        Qt::MouseButton button;
        short code;
    } cases[] = {{Qt::LeftButton, 1}, {Qt::RightButton, 2}, {Qt::MiddleButton, 4}};
    for (const auto& c : cases) {
        QTest::mousePress(&view, c.button, {}, {30, 40});
        QTest::mouseRelease(&view, c.button, {}, {31, 41});
        ASSERT_FALSE(down.isEmpty());
        EXPECT_EQ(down.last(), (QList<QVariant>{30, 40, QVariant::fromValue<short>(c.code)}));
        EXPECT_EQ(up.last(), (QList<QVariant>{31, 41, QVariant::fromValue<short>(c.code)}));
    }
    QTest::mouseMove(&view, {77, 88});
    ASSERT_FALSE(move.isEmpty());
    EXPECT_EQ(move.last(), (QList<QVariant>{77, 88}));
}

TEST_F(DDVueTest, ScreenToWorldFollowsTheView) {
    double x = 1, y = 1;
    view.ScreenToWorld(200, 150, x, y);
    EXPECT_DOUBLE_EQ(x, 0.0);
    EXPECT_DOUBLE_EQ(y, 0.0);
    view.ScreenToWorld(210, 140, x, y);
    EXPECT_DOUBLE_EQ(x, 10.0);
    EXPECT_DOUBLE_EQ(y, 10.0);
}

TEST_F(DDVueTest, PanServesOneDragAndCanBeUndone) {
    const ViewTransform start = view.view();
    ASSERT_TRUE(view.ViewCommand(DDVue::CommandPan));
    EXPECT_EQ(view.interaction(), DDVue::Interaction::Pan);
    QTest::mousePress(&view, Qt::LeftButton, {}, {100, 100});
    QTest::mouseMove(&view, {150, 120});
    QTest::mouseRelease(&view, Qt::LeftButton, {}, {150, 120});
    EXPECT_EQ(view.interaction(), DDVue::Interaction::None);
    EXPECT_NE(view.view(), start);

    const ViewTransform panned = view.view();
    QTest::mousePress(&view, Qt::LeftButton, {}, {100, 100});
    QTest::mouseMove(&view, {10, 10});
    QTest::mouseRelease(&view, Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(view.view(), panned) << "a drag without a chosen interaction moved the view";

    EXPECT_TRUE(view.ViewCommand(DDVue::CommandPreviousView));
    EXPECT_EQ(view.view(), start);
    EXPECT_FALSE(view.ViewCommand(DDVue::CommandPreviousView));
}

TEST_F(DDVueTest, ZoomWindowZoomsToTheRectangleButNotOnAClick) {
    const ViewTransform start = view.view();
    view.ViewCommand(DDVue::CommandZoomWindow);
    QTest::mouseClick(&view, Qt::LeftButton, {}, {50, 50});
    EXPECT_EQ(view.view(), start);

    view.ViewCommand(DDVue::CommandZoomWindow);
    QTest::mousePress(&view, Qt::LeftButton, {}, {100, 75});
    QTest::mouseMove(&view, {200, 150});
    QTest::mouseRelease(&view, Qt::LeftButton, {}, {200, 150});
    EXPECT_DOUBLE_EQ(view.view().scale, 4.0);
    EXPECT_EQ(view.interaction(), DDVue::Interaction::None);
    view.ViewCommand(DDVue::CommandPreviousView);
    EXPECT_EQ(view.view(), start);
}

TEST_F(DDVueTest, RightButtonEndsTheInteraction) {
    const ViewTransform start = view.view();
    for (short command : {DDVue::CommandPan, DDVue::CommandZoomWindow}) {
        view.ViewCommand(command);
        QTest::mousePress(&view, Qt::RightButton, {}, {100, 100});
        QTest::mouseRelease(&view, Qt::RightButton, {}, {100, 100});
        EXPECT_EQ(view.interaction(), DDVue::Interaction::None) << "command " << command;
        QTest::mousePress(&view, Qt::LeftButton, {}, {100, 100});
        QTest::mouseMove(&view, {180, 160});
        QTest::mouseRelease(&view, Qt::LeftButton, {}, {180, 160});
        EXPECT_EQ(view.view(), start) << "command " << command;
    }
}

TEST_F(DDVueTest, AFileOpenerTakesOverOpening) {
    QStringList asked;
    view.setFileOpener([&](const QString& path) {
        asked.append(path);
        return true;
    });
    EXPECT_TRUE(view.Open("/any/plan.dwg"));
    EXPECT_EQ(asked, QStringList{"/any/plan.dwg"});
    view.setFileOpener({});
    EXPECT_FALSE(view.Open("/any/plan.dwg"));
}

TEST_F(DDVueTest, UnknownCommandsChangeNothing) {
    view.ViewCommand(DDVue::CommandPan);
    EXPECT_FALSE(view.ViewCommand(2));
    EXPECT_FALSE(view.ViewCommand(-1));
    EXPECT_EQ(view.interaction(), DDVue::Interaction::Pan);
}

TEST_F(DDVueTest, BackColorIsPaintedAsTheBackground) {
    view.setBackColor(0x0000FF); // red in the lowest byte
    EXPECT_EQ(view.BackColor(), 0x0000FFu);
    const QImage shot = view.grab().toImage();
    EXPECT_EQ(shot.pixelColor(10, 10), QColor(255, 0, 0));
}

} // namespace
