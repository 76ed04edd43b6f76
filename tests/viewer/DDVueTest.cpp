#include "viewer/DDVue.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using cad::render::ViewTransform;

// A DXF drawing of model-space LINE entities, each x0 y0 x1 y1, in colour index 7.
QByteArray dxfOfLines(std::initializer_list<std::array<double, 4>> lines) {
    QByteArray text = "0\nSECTION\n2\nENTITIES\n";
    for (const auto& l : lines)
        text += QStringLiteral("0\nLINE\n8\n0\n10\n%1\n20\n%2\n11\n%3\n21\n%4\n")
                    .arg(l[0])
                    .arg(l[1])
                    .arg(l[2])
                    .arg(l[3])
                    .toLatin1();
    return text + "0\nENDSEC\n0\nEOF\n";
}

cad::Vec2 worldAt(const DDVue& view, QPointF pixel) {
    cad::Vec2 world;
    view.ScreenToWorld(pixel.x(), pixel.y(), world.x, world.y);
    return world;
}

void expectWorld(const DDVue& view, QPointF pixel, cad::Vec2 expected) {
    const cad::Vec2 world = worldAt(view, pixel);
    EXPECT_NEAR(world.x, expected.x, 1e-6) << "at pixel " << pixel.x() << ", " << pixel.y();
    EXPECT_NEAR(world.y, expected.y, 1e-6) << "at pixel " << pixel.x() << ", " << pixel.y();
}

class DDVueTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.resize(400, 300);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    // Opens a drawing of one line from (0, 0) to (100, 50) and a line along its bottom.
    void openPlan() {
        ASSERT_TRUE(view.Open(writeFile("plan.dxf", dxfOfLines({{0, 0, 100, 50}, {0, 0, 100, 0}}))))
            << view.openError().toStdString();
    }

    void drag(QPoint from, QPoint to) {
        QTest::mousePress(&view, Qt::LeftButton, {}, from);
        QTest::mouseMove(&view, (from + to) / 2);
        QTest::mouseMove(&view, to);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
    }

    void turnWheel(QPointF at, int notches) {
        QWheelEvent wheel(at, view.mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&view, &wheel);
    }

    // What the view shows once the picture of its current view has come.
    QImage finishedPicture() {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !view.rendering(); }, 10000));
        QCoreApplication::processEvents();
        return view.grab().toImage();
    }

    // Whether a pixel within one of the world point's pixel has the colour.
    bool showsNear(const QImage& shot, cad::Vec2 world, QColor color) {
        const QPointF at = view.view().toPixel(world);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (shot.pixelColor(int(at.x()) + dx, int(at.y()) + dy) == color)
                    return true;
        return false;
    }

    QTemporaryDir dir;
    DDVue view;
};

TEST_F(DDVueTest, OpenAnswersWhetherTheDrawingCanBeShownAndSaysWhyNot) {
    const struct {
        const char* name;
        QByteArray content;
        bool opens;
        const char* reason; // part of openError()
    } cases[] = {
        {"plan.dxf", dxfOfLines({{0, 0, 10, 10}}), true, ""},
        {"empty.dxf", "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n", true, ""},
        {"cut.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n", false, "line 7"},
        {"text.dxf", "just some words", false, "line 1"},
        {"zero.dxf", "", false, "empty"},
        {"drawing.dwg", QByteArray("AC1015\0\0\0\0\0\x01", 12), false, "DWG"},
        {"twin.dwg", dxfOfLines({{0, 0, 1, 1}}), true, ""}, // a DXF by content
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = writeFile(c.name, c.content);
        EXPECT_EQ(view.Open(path), c.opens);
        if (c.opens) {
            EXPECT_TRUE(view.openError().isEmpty());
        } else {
            EXPECT_TRUE(view.openError().contains(path)) << view.openError().toStdString();
            EXPECT_TRUE(view.openError().contains(c.reason)) << view.openError().toStdString();
        }
    }
    EXPECT_FALSE(view.Open(dir.filePath("missing.dxf")));
    EXPECT_TRUE(view.openError().contains("missing.dxf"));
}

TEST_F(DDVueTest, AFailedOpenLeavesTheShownDrawingAlone) {
    openPlan();
    view.ViewCommand(DDVue::CommandZoomWindow);
    drag({100, 100}, {200, 180});
    const ViewTransform shown = view.view();
    EXPECT_FALSE(view.Open(writeFile("bad.dxf", "0\nSECTION\n")));
    EXPECT_EQ(view.view(), shown);
    EXPECT_TRUE(view.hasPreviousView());
}

TEST_F(DDVueTest, OpenShowsTheExtentsWithASmallMargin) {
    openPlan();
    // 100 x 50 in 400 x 300: the width decides, 3 % of it free on either side.
    expectWorld(view, {200, 150}, {50, 25});
    expectWorld(view, {0, 150}, {-3, 25});
    expectWorld(view, {400, 150}, {103, 25});
    EXPECT_FALSE(view.hasPreviousView());

    // An empty drawing shows an A3 sheet's area from its corner.
    ASSERT_TRUE(view.Open(writeFile("empty.dxf", "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n")));
    expectWorld(view, {200, 150}, {210, 148.5});
    const cad::Vec2 corner = worldAt(view, {0, 300});
    EXPECT_LT(corner.x, 0);
    EXPECT_LT(corner.y, 0);
}

TEST_F(DDVueTest, PanDragMovesTheDrawingWithThePointerForOneDrag) {
    openPlan();
    const ViewTransform start = view.view();
    const cad::Vec2 grabbed = worldAt(view, {120, 90});
    ASSERT_TRUE(view.ViewCommand(DDVue::CommandPan));
    EXPECT_EQ(view.interaction(), DDVue::Interaction::Pan);
    drag({120, 90}, {170, 40});
    expectWorld(view, {170, 40}, grabbed);
    EXPECT_EQ(view.view().scale(), start.scale());
    EXPECT_EQ(view.interaction(), DDVue::Interaction::None);

    const ViewTransform panned = view.view();
    drag({100, 100}, {10, 10});
    EXPECT_EQ(view.view(), panned) << "a drag without a chosen interaction moved the view";
}

TEST_F(DDVueTest, ZoomWindowShowsTheWholeRectangleCentred) {
    openPlan();
    const struct {
        QPoint from, to;
        QPointF shownCorner1, shownCorner2; // pixels of the old view at the new view's corners
    } cases[] = {
        // Half the view's size: exactly what the corners showed.
        {{100, 75}, {300, 225}, {100, 75}, {300, 225}},
        // Drawn from right to left, taller than the view: the height decides.
        {{250, 200}, {150, 50}, {100, 50}, {300, 200}},
    };
    for (const auto& c : cases) {
        view.ZoomExtents();
        const cad::Vec2 corner1 = worldAt(view, c.shownCorner1);
        const cad::Vec2 corner2 = worldAt(view, c.shownCorner2);
        view.ViewCommand(DDVue::CommandZoomWindow);
        drag(c.from, c.to);
        expectWorld(view, {0, 0}, corner1);
        expectWorld(view, {400, 300}, corner2);
        EXPECT_EQ(view.interaction(), DDVue::Interaction::None);
    }

    const ViewTransform zoomed = view.view();
    view.ViewCommand(DDVue::CommandZoomWindow);
    QTest::mouseClick(&view, Qt::LeftButton, {}, {50, 50});
    EXPECT_EQ(view.view(), zoomed) << "a click zoomed";
}

TEST_F(DDVueTest, PreviousViewGoesBackOneStepAtATime) {
    openPlan();
    const ViewTransform opened = view.view();
    EXPECT_FALSE(view.ViewCommand(DDVue::CommandPreviousView));
    EXPECT_EQ(view.view(), opened);

    view.ViewCommand(DDVue::CommandPan);
    drag({100, 100}, {150, 120});
    const ViewTransform panned = view.view();
    view.ViewCommand(DDVue::CommandZoomWindow);
    drag({100, 100}, {200, 200});
    const ViewTransform windowed = view.view();
    turnWheel({30, 40}, 1);
    turnWheel({30, 40}, 2); // one run of the wheel: one step
    const ViewTransform wheeled = view.view();
    view.ZoomExtents();
    EXPECT_EQ(view.view(), opened);

    for (const ViewTransform& earlier : {wheeled, windowed, panned, opened}) {
        ASSERT_TRUE(view.ViewCommand(DDVue::CommandPreviousView));
        EXPECT_EQ(view.view(), earlier);
    }
    EXPECT_FALSE(view.ViewCommand(DDVue::CommandPreviousView));
}

TEST_F(DDVueTest, TheWheelZoomsAboutThePointer) {
    openPlan();
    const QPointF pointer(310, 65);
    const cad::Vec2 under = worldAt(view, pointer);
    for (const int notches : {1, 3, -2}) {
        const double scale = view.view().scale();
        turnWheel(pointer, notches);
        EXPECT_DOUBLE_EQ(view.view().scale(), scale * std::pow(1.25, notches));
        expectWorld(view, pointer, under);
    }
}

TEST_F(DDVueTest, ThePictureShowsTheLinesInTheColourThatContrastsWithTheBackground) {
    openPlan();
    const struct {
        quint32 backColor;
        QColor background, line;
    } cases[] = {{0x000000, Qt::black, Qt::white}, {0xFFFFFF, Qt::white, Qt::black}};
    for (const auto& c : cases) {
        view.setBackColor(c.backColor);
        const QImage shot = finishedPicture();
        EXPECT_TRUE(showsNear(shot, {50, 25}, c.line)) << "on " << c.backColor;
        EXPECT_TRUE(showsNear(shot, {80, 0}, c.line)) << "on " << c.backColor;
        EXPECT_TRUE(showsNear(shot, {50, 10}, c.background)) << "on " << c.backColor;
        EXPECT_EQ(shot.pixelColor(5, 5), c.background);
    }
}

TEST_F(DDVueTest, AResizeRedrawsAndKeepsTheExtentsFittedUntilTheUserNavigates) {
    openPlan();
    view.resize(200, 300);
    expectWorld(view, {0, 150}, {-3, 25}); // fitted again to the narrower view
    EXPECT_TRUE(showsNear(finishedPicture(), {100, 50}, Qt::white));

    turnWheel({100, 150}, 1);
    const cad::Vec2 centre = worldAt(view, {100, 150});
    const double scale = view.view().scale();
    view.resize(300, 200);
    expectWorld(view, {150, 100}, centre);
    EXPECT_EQ(view.view().scale(), scale);
    const QImage shot = finishedPicture();
    EXPECT_EQ(shot.size(), QSize(300, 200));
    EXPECT_TRUE(showsNear(shot, {50, 25}, Qt::white));
}

TEST_F(DDVueTest, CloseEmptiesTheView) {
    openPlan();
    view.ViewCommand(DDVue::CommandPan);
    drag({100, 100}, {150, 120});
    view.ViewCommand(DDVue::CommandPan);
    EXPECT_TRUE(view.Close());
    EXPECT_EQ(view.interaction(), DDVue::Interaction::None);
    EXPECT_FALSE(view.hasPreviousView());
    const QImage shot = finishedPicture();
    EXPECT_EQ(shot.pixelColor(200, 150), QColor(Qt::black));
    EXPECT_FALSE(showsNear(shot, {50, 25}, Qt::white));
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

TEST_F(DDVueTest, RightButtonEndsTheInteraction) {
    openPlan();
    const ViewTransform start = view.view();
    for (short command : {DDVue::CommandPan, DDVue::CommandZoomWindow}) {
        view.ViewCommand(command);
        QTest::mousePress(&view, Qt::RightButton, {}, {100, 100});
        QTest::mouseRelease(&view, Qt::RightButton, {}, {100, 100});
        EXPECT_EQ(view.interaction(), DDVue::Interaction::None) << "command " << command;
        drag({100, 100}, {180, 160});
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
