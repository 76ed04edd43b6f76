#include "MainWindowFixture.h"

#include "app/BitmapButton.h"
#include "app/FrameGrip.h"
#include "app/FrameZones.h"
#include "app/Globals.h"
#include "app/UnitFace.h"
#include "platform/Desktop.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSplitter>

#include <optional>

namespace {

struct ZoneCase {
    QPoint point;
    FrameZone zone;
    Qt::Edges edges;
    Qt::CursorShape cursor;
};

TEST(FrameZones, EdgePointsCornersOverEdgesAndTheClient) {
    const QSize size(712, 486);
    const Qt::Edges none;
    const ZoneCase cases[] = {
        {{9, 60}, FrameZone::Left, Qt::LeftEdge, Qt::SizeHorCursor},
        {{10, 60}, FrameZone::Client, none, Qt::ArrowCursor},
        {{711, 485}, FrameZone::BottomRight, Qt::BottomEdge | Qt::RightEdge, Qt::SizeFDiagCursor},
        {{0, 0}, FrameZone::TopLeft, Qt::TopEdge | Qt::LeftEdge, Qt::SizeFDiagCursor},
        {{9, 9}, FrameZone::TopLeft, Qt::TopEdge | Qt::LeftEdge, Qt::SizeFDiagCursor},
        {{10, 9}, FrameZone::Top, Qt::TopEdge, Qt::SizeVerCursor},
        {{9, 10}, FrameZone::Left, Qt::LeftEdge, Qt::SizeHorCursor},
        {{702, 5}, FrameZone::TopRight, Qt::TopEdge | Qt::RightEdge, Qt::SizeBDiagCursor},
        {{5, 480}, FrameZone::BottomLeft, Qt::BottomEdge | Qt::LeftEdge, Qt::SizeBDiagCursor},
        {{702, 475}, FrameZone::Right, Qt::RightEdge, Qt::SizeHorCursor},
        {{701, 300}, FrameZone::Client, none, Qt::ArrowCursor},
        {{300, 476}, FrameZone::Bottom, Qt::BottomEdge, Qt::SizeVerCursor},
        {{300, 475}, FrameZone::Client, none, Qt::ArrowCursor},
        {{712, 486}, FrameZone::Client, none, Qt::ArrowCursor},
        {{-1, 200}, FrameZone::Client, none, Qt::ArrowCursor},
    };
    for (const ZoneCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.point.x() << ", " << c.point.y() << ")");
        const FrameZone zone = FrameZoneAt(c.point, size);
        EXPECT_EQ(int(zone), int(c.zone));
        EXPECT_EQ(ZoneEdges(zone), c.edges);
        EXPECT_EQ(ZoneCursor(zone), c.cursor);
    }
    // The zones follow the size: the same corner of a full-HD work area.
    EXPECT_EQ(FrameZoneAt({1919, 1039}, {1920, 1040}), FrameZone::BottomRight);
    EXPECT_EQ(FrameZoneAt({1910, 500}, {1920, 1040}), FrameZone::Right);
}

// The window at its design size, shown, with the window system's move and resize recorded.
// The mouse goes through the window, which hands each event to the widget under it.
class Frame : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        window = std::make_unique<TFrmCAD>(FrmCADStart{appFolder.path() + u'/', {}});
        window->FirstActivation = false; // keep the design bounds
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        grip = window->findChild<FrameGrip*>("FrameGrip");
        ASSERT_NE(grip, nullptr);
        grip->startMove = [this] {
            movedFrom.push_back(window->geometry());
            return true;
        };
        grip->startResize = [this](Qt::Edges edges) {
            resizedBy.push_back(edges);
            return true;
        };
    }

    std::vector<QRect> movedFrom;
    std::vector<Qt::Edges> resizedBy;
    FrameGrip* grip = nullptr;
};

struct PressCase {
    const char* name;
    QPoint point;
    Qt::MouseButton button;
    std::optional<Qt::Edges> resize; // none: no resize
};

TEST_F(Frame, PressesResizeInTheZonesOfTheSurfaceOnly) {
    const PressCase cases[] = {
        {"left edge beside the panes", {5, 200}, Qt::LeftButton, Qt::LeftEdge},
        {"top edge over the title row", {300, 5}, Qt::LeftButton, Qt::TopEdge},
        {"top-left corner over the separator", {5, 26}, Qt::LeftButton, Qt::LeftEdge},
        {"bottom-right corner", {711, 485}, Qt::LeftButton, Qt::BottomEdge | Qt::RightEdge},
        {"title row below the edge", {300, 15}, Qt::LeftButton, std::nullopt},
        {"left edge, other button", {5, 200}, Qt::RightButton, std::nullopt},
        {"band under the title row", {250, 60}, Qt::LeftButton, std::nullopt},
    };
    for (const PressCase& c : cases) {
        SCOPED_TRACE(c.name);
        movedFrom.clear();
        resizedBy.clear();
        QTest::mousePress(window->windowHandle(), c.button, {}, c.point);
        QTest::mouseRelease(window->windowHandle(), c.button, {}, c.point);
        ASSERT_EQ(resizedBy.size(), c.resize ? 1u : 0u);
        if (c.resize) {
            EXPECT_EQ(resizedBy[0], *c.resize);
        }
        EXPECT_TRUE(movedFrom.empty()); // a press alone never moves
        EXPECT_TRUE(window->isVisible());
    }
    // The close button covers the top-right corner and takes the press itself.
    resizedBy.clear();
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, {708, 3});
    EXPECT_TRUE(resizedBy.empty());
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, {708, 3});
    EXPECT_FALSE(window->isVisible());
}

struct HoverCase {
    QPoint point;
    const char* widget;
    Qt::CursorShape cursor;
};

TEST_F(Frame, HoveringAZoneShowsItsResizeCursorAndLeavingItTheOwnOne) {
    const HoverCase path[] = {
        {{5, 200}, "FrmCAD", Qt::SizeHorCursor},      {{250, 60}, "FrmCAD", Qt::ArrowCursor},
        {{711, 485}, "FrmCAD", Qt::SizeFDiagCursor},  {{300, 5}, "LabelTitle", Qt::SizeVerCursor},
        {{300, 15}, "LabelTitle", Qt::ArrowCursor},   {{5, 26}, "RzSeparator1", Qt::SizeHorCursor},
        {{100, 26}, "RzSeparator1", Qt::ArrowCursor}, {{30, 40}, "Image1", Qt::PointingHandCursor},
    };
    for (const HoverCase& step : path) {
        QTest::mouseMove(window->windowHandle(), step.point);
        QWidget* widget = window->objectName() == step.widget
                              ? window.get()
                              : window->findChild<QWidget*>(step.widget);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->cursor().shape(), step.cursor)
            << step.widget << " at (" << step.point.x() << ", " << step.point.y() << ")";
    }
    // From the left edge straight onto the panes: they keep their own cursor.
    QTest::mouseMove(window->windowHandle(), {5, 200});
    EXPECT_EQ(window->RzSplitter1->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Frame, NarrowerButAsHighIsNotMaximisedAndIsMaximisedByTheButton) {
    const QRect area = primaryWorkArea();
    const QRect narrower(area.left() + 20, area.top(), area.width() - 100, area.height());
    window->setGeometry(narrower);
    ASSERT_EQ(window->geometry(), narrower);
    QTest::mouseClick(window->BtnSysMax, Qt::LeftButton);
    EXPECT_EQ(window->geometry(), area);
    EXPECT_EQ(window->RestoreRect, narrower);
}

TEST_F(Frame, ADragToFullSizeThenTheButtonRestoresTheBoundsOfTheLastMaximise) {
    const QRect area = primaryWorkArea();
    const QRect chosen(area.left() + 50, area.top() + 40, 600, 400);
    window->setGeometry(chosen);
    QTest::mouseClick(window->BtnSysMax, Qt::LeftButton); // maximise
    ASSERT_EQ(window->geometry(), area);
    QTest::mouseClick(window->BtnSysMax, Qt::LeftButton); // restore
    ASSERT_EQ(window->geometry(), chosen);
    window->setGeometry(area.left() + 60, area.top() + 50, 500, 300);
    window->setGeometry(area.adjusted(0, 0, 30, 20)); // dragged past the work area
    QTest::mouseClick(window->BtnSysMax, Qt::LeftButton);
    EXPECT_EQ(window->geometry(), chosen);
}

TEST_F(Frame, DraggingTheTitleRowWithAnyButtonMovesTheWindowOnce) {
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        SCOPED_TRACE(int(button));
        movedFrom.clear();
        const QRect before = window->geometry();
        QTest::mousePress(window->windowHandle(), button, {}, {300, 15});
        QTest::mouseMove(window->windowHandle(), {302, 17}); // not yet a drag
        EXPECT_TRUE(movedFrom.empty());
        QTest::mouseMove(window->windowHandle(), {330, 30});
        QTest::mouseMove(window->windowHandle(), {360, 40});
        QTest::mouseRelease(window->windowHandle(), button, {}, {360, 40});
        ASSERT_EQ(movedFrom.size(), 1u);
        EXPECT_EQ(movedFrom[0], before);
    }
}

TEST_F(Frame, DoubleClickOnTheTitleRowMaximisesWithoutMovingAndADragMovesTheMaximisedWindow) {
    const QRect design = window->geometry();
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, {300, 15});
    EXPECT_EQ(window->geometry(), primaryWorkArea());
    EXPECT_EQ(window->RestoreRect, design);
    EXPECT_TRUE(movedFrom.empty());
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, {300, 15});
    QTest::mouseMove(window->windowHandle(), {340, 40});
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, {340, 40});
    ASSERT_EQ(movedFrom.size(), 1u);
    EXPECT_EQ(movedFrom[0], primaryWorkArea());
}

TEST_F(Frame, StartingFillsTheWorkAreaAndTheFirstClickRestoresTheDesignBoundsCentred) {
    window.reset();
    start();
    const QRect area = primaryWorkArea();
    EXPECT_EQ(window->geometry(), area);
    QTest::mouseClick(window->BtnSysMax, Qt::LeftButton);
    EXPECT_EQ(window->size(), QSize(712, 486));
    EXPECT_EQ(window->geometry().center(), area.center());
}

struct CommandCase {
    const char* name;
    std::function<void(TFrmCAD&)> command;
};

TEST_F(Frame, MinimiseKeepsTheBoundsAndCloseEndsTheWindow) {
    const CommandCase minimise[] = {
        {"button", [](TFrmCAD& w) { QTest::mouseClick(w.BtnSysMin, Qt::LeftButton); }},
        {"window menu", [](TFrmCAD& w) { w.PM_MinSize->trigger(); }},
    };
    for (const CommandCase& c : minimise) {
        SCOPED_TRACE(c.name);
        window->showNormal();
        const QRect bounds = window->geometry();
        window->RestoreRect = QRect(1, 2, 3, 4);
        c.command(*window);
        EXPECT_TRUE(window->isMinimized());
        EXPECT_EQ(window->geometry(), bounds);
        EXPECT_EQ(window->RestoreRect, QRect(1, 2, 3, 4));
    }
    const CommandCase close[] = {
        {"button", [](TFrmCAD& w) { QTest::mouseClick(w.BtnSysClose, Qt::LeftButton); }},
        {"window menu", [](TFrmCAD& w) { w.PM_Close->trigger(); }},
    };
    for (const CommandCase& c : close) {
        SCOPED_TRACE(c.name);
        window->showNormal();
        ASSERT_TRUE(window->isVisible());
        c.command(*window);
        EXPECT_FALSE(window->isVisible());
    }
    EXPECT_EQ(window->PM_Close->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
}

TEST_F(Frame, TheIconOpensTheWindowMenuAtItsBottomLeftCorner) {
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, {20, 14}); // on the icon
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->PopupMenuSys->isVisible(); }));
    EXPECT_EQ(window->PopupMenuSys->pos(), window->Image2->mapToGlobal(QPoint(0, 16)));
    window->PopupMenuSys->hide();
}

// The window painted with the skin form in place.
class SkinnedFrame : public Frame {
protected:
    void SetUp() override {
        face = std::make_unique<TFrmFace>();
        FrmFace = face.get();
        Frame::SetUp();
    }
    void TearDown() override {
        Frame::TearDown();
        FrmFace = nullptr;
    }
    std::unique_ptr<TFrmFace> face;
};

TEST_F(SkinnedFrame, AfterAResizeTheFrameIsPaintedForTheNewSize) {
    const QImage skin = face->Skin();
    // Column 1 holds the line inside the left edge, and the outermost row of the bottom.
    ASSERT_NE(skin.pixel(1, 35), skin.pixel(1, 49));
    const QImage before = window->grab().toImage();
    EXPECT_EQ(before.pixel(1, 485), skin.pixel(1, 49));
    window->resize(812, 586);
    const QImage after = window->grab().toImage();
    EXPECT_EQ(after.pixel(1, 485), skin.pixel(1, 35));
    EXPECT_EQ(after.pixel(1, 584), skin.pixel(1, 48));
    EXPECT_EQ(after.pixel(811, 585), skin.pixel(99, 49));
    EXPECT_EQ(after.pixel(810, 300), skin.pixel(98, 35));
}

TEST_F(SkinnedFrame, SystemButtonsLetTheSkinShowThroughTheirMagentaPixels) {
    const QImage shown = window->grab().toImage();
    const QImage skin = face->Skin();
    // The top-right corner pixels of the close button follow the rounded skin corner.
    for (const QPoint corner : {QPoint(711, 0), QPoint(710, 0), QPoint(711, 1)}) {
        EXPECT_NE(QColor(shown.pixel(corner)), QColor(255, 0, 255));
        EXPECT_EQ(shown.pixel(corner), skin.pixel(corner.x() - 612, corner.y()));
    }
}

TEST(SystemButtonPictures, UpAndHotFitTheButtonAndTheHotGlyphIsBrighter) {
    const struct {
        const char* name;
        QSize size;
    } buttons[] = {{"sysmin", {21, 25}}, {"sysmax", {29, 25}}, {"sysclose", {31, 25}}};
    const auto brightest = [](const QImage& picture) {
        int value = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QColor c = picture.pixelColor(x, y);
                if (c != QColor(255, 0, 255))
                    value = std::max(value, std::min({c.red(), c.green(), c.blue()}));
            }
        return value;
    };
    for (const auto& button : buttons) {
        SCOPED_TRACE(button.name);
        const QImage up(QStringLiteral(":/buttons/%1_up.png").arg(button.name));
        const QImage hot(QStringLiteral(":/buttons/%1_hot.png").arg(button.name));
        EXPECT_EQ(up.size(), button.size);
        EXPECT_EQ(hot.size(), button.size);
        EXPECT_GT(brightest(hot), brightest(up));
    }
}

} // namespace
