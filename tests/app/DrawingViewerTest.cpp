#include "DrawingViewerFixture.h"

#include "app/BitmapButton.h"
#include "app/CursorSlots.h"
#include "app/Globals.h"
#include "viewer/CoordinateFormat.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include <set>

namespace {

class DrawingViewer : public DrawingViewerFixture {
protected:
    bool showsCursorSlot(int slot) {
        const QCursor shown = view().cursor();
        return shown.shape() == Qt::BitmapCursor &&
               shown.pixmap().cacheKey() == CursorOfSlot(slot).pixmap().cacheKey() &&
               shown.hotSpot() == QPoint(16, 16);
    }
    bool showsArrow() { return view().cursor().shape() == Qt::ArrowCursor; }

    void drag(QPoint from, QPoint to) {
        QTest::mousePress(&view(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&view(), to);
        QTest::mouseRelease(&view(), Qt::LeftButton, {}, to);
    }

    // The enabled state of the context menu's commands as it opens.
    std::vector<bool> contextMenuEntriesEnabled() {
        window->PopupMenuCAD->popup(view().mapToGlobal(QPoint(10, 10)));
        std::vector<bool> enabled;
        for (QAction* entry : {window->PM_Pan, window->PM_Zoomwindow, window->PM_Zoomall,
                               window->PM_Zoomprevious, window->PM_SaveAs})
            enabled.push_back(entry->isEnabled());
        window->PopupMenuCAD->hide();
        return enabled;
    }

    QString unopenedText(const QString& path) const {
        return path + QString::fromUtf8("\n文件无法打开。");
    }
};

TEST_F(DrawingViewer, OpensDrawingsBehindTheNoticeAndReportsFailures) {
    enum Outcome { Opens, Refused, Raises };
    const struct {
        const char* name;
        Outcome outcome;
    } cases[] = {
        {"plan.dwg", Opens},   {"PLAN.DWG", Opens},  {"site.Dxf", Opens},
        {"plan.dwg", Refused}, {"plan.dwg", Raises},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        openedPaths.clear();
        noticePaints->seen = 0;
        view().ViewCommand(DDVue::CommandPan); // Close must come first and end it
        openAnswer = c.outcome == Opens;
        openRaises = c.outcome == Raises;
        const QString path = filesFolder() + c.name;
        window->OpenDrawing(path);
        EXPECT_EQ(openedPaths, QStringList{path});
        EXPECT_TRUE(noticeShownWhileOpening);
        EXPECT_TRUE(noticePaintedWhileOpening);
        EXPECT_EQ(interactionWhileOpening, DDVue::Interaction::None);
        EXPECT_FALSE(window->RzPanelWaite->isVisible());
        EXPECT_EQ(window->DrawingLoaded, c.outcome == Opens);
        if (c.outcome == Opens) {
            EXPECT_TRUE(messages.empty());
        } else {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].icon, QMessageBox::Information);
            EXPECT_EQ(messages[0].caption, QString::fromUtf8("提示"));
            EXPECT_EQ(messages[0].text, unopenedText(path));
        }
    }
}

TEST_F(DrawingViewer, ARefusedExtensionIsReportedAtOnceWithoutTheNotice) {
    openDrawing();
    EXPECT_EQ(contextMenuEntriesEnabled(), std::vector<bool>(5, true));
    EventCounter notice(window->RzPanelWaite, QEvent::Show);
    openedPaths.clear();
    const QString path = filesFolder() + "notes.txt";
    window->OpenDrawing(path);
    EXPECT_EQ(notice.seen, 0);
    EXPECT_TRUE(openedPaths.isEmpty());
    EXPECT_FALSE(window->DrawingLoaded);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, unopenedText(path));
    EXPECT_EQ(contextMenuEntriesEnabled(), std::vector<bool>(5, false));
}

TEST_F(DrawingViewer, TheNoticeStaysNearThePanesCentreWhenTheWindowResizes) {
    const QWidget& notice = *window->RzPanelWaite;
    const QWidget& pane = *notice.parentWidget();
    std::set<int> paneWidths;
    for (const QSize grow : {QSize(0, 0), QSize(301, 120), QSize(-80, -40)}) {
        window->resize(window->size() + grow);
        paneWidths.insert(pane.width());
        EXPECT_EQ(notice.size(), QSize(185, 41));
        EXPECT_EQ(notice.y(), 44);
        EXPECT_LE(std::abs(notice.geometry().center().x() - pane.rect().center().x()), 1)
            << "pane width " << pane.width();
    }
    EXPECT_EQ(paneWidths.size(), 3u) << "the pane did not follow the window";
}

TEST_F(DrawingViewer, TheEnglishMessageWhenTheTextsAreEnglish) {
    ChineseUI = false;
    window->OpenDrawing("/drawings/a.pdf");
    ChineseUI = true;
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Information"));
    EXPECT_EQ(messages[0].text, QStringLiteral("/drawings/a.pdf\nCan not open this file."));
}

TEST_F(DrawingViewer, ModesFollowTheTagsOfButtonsAndMenuEntries) {
    openDrawing();
    window->BtnZoomWin->click();
    window->PM_Zoomwindow->trigger();
    EXPECT_EQ(window->NavigationMode, 3);
    EXPECT_EQ(view().interaction(), DDVue::Interaction::ZoomWindow);
    EXPECT_TRUE(showsCursorSlot(kZoomWindowCursorSlot));

    window->BtnPan->click();
    EXPECT_EQ(window->NavigationMode, 1);
    EXPECT_EQ(view().interaction(), DDVue::Interaction::Pan);
    EXPECT_TRUE(showsCursorSlot(kPanCursorSlot));

    window->BtnZoomAll->click();
    EXPECT_EQ(window->NavigationMode, 0);
    EXPECT_TRUE(showsArrow());

    window->PM_Pan->trigger();
    EXPECT_EQ(window->NavigationMode, 1);
    window->PM_Zoomprevious->trigger();
    EXPECT_EQ(window->NavigationMode, 0);
    EXPECT_EQ(view().interaction(), DDVue::Interaction::None);
    EXPECT_TRUE(showsArrow());
}

TEST_F(DrawingViewer, AModeIsIssuedAgainShortlyAfterEachRelease) {
    openDrawing();
    for (BitmapButton* chooser : {window->BtnPan, window->BtnZoomWin}) {
        chooser->click();
        const DDVue::Interaction chosen = view().interaction();
        drag({50, 50}, {120, 90});
        EXPECT_EQ(view().interaction(), DDVue::Interaction::None); // the view served one drag
        EXPECT_TRUE(window->Timer1->isActive());
        EXPECT_TRUE(window->Timer1->isSingleShot());
        EXPECT_EQ(window->Timer1->interval(), 50);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window->Timer1->isActive(); }, 2000));
        EXPECT_EQ(view().interaction(), chosen);
        EXPECT_TRUE(showsCursorSlot(window->NavigationMode));
    }
}

TEST_F(DrawingViewer, ARightPressEndsTheModeBeforeTheContextMenuOpens) {
    openDrawing();
    window->BtnPan->click();
    int modeAsMenuOpened = -1;
    bool arrowAsMenuOpened = false;
    QObject::connect(window->PopupMenuCAD, &QMenu::aboutToShow, window.get(), [&] {
        modeAsMenuOpened = window->NavigationMode;
        arrowAsMenuOpened = showsArrow();
    });
    // A right press, then the context-menu request that the platform sends after it.
    QTest::mousePress(&view(), Qt::RightButton, {}, {60, 60});
    QContextMenuEvent request(QContextMenuEvent::Mouse, {60, 60},
                              view().mapToGlobal(QPoint(60, 60)));
    QCoreApplication::sendEvent(&view(), &request);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->PopupMenuCAD->isVisible(); }, 2000));
    EXPECT_EQ(modeAsMenuOpened, 0);
    EXPECT_TRUE(arrowAsMenuOpened);
    window->PopupMenuCAD->hide();
    QTest::mouseRelease(&view(), Qt::RightButton, {}, {60, 60});
    EXPECT_FALSE(window->Timer1->isActive());

    const DDVue::ViewTransform before = view().view();
    drag({50, 50}, {150, 100});
    EXPECT_EQ(view().view(), before) << "the drag after a right click panned";
}

TEST_F(DrawingViewer, NothingHappensWithoutADrawing) {
    window->RzPanelMsg->setText("kept");
    for (BitmapButton* button :
         {window->BtnPan, window->BtnZoomWin, window->BtnZoomAll, window->BtnZoomPrev})
        button->click();
    EXPECT_EQ(window->NavigationMode, 0);
    EXPECT_EQ(view().interaction(), DDVue::Interaction::None);
    EXPECT_TRUE(showsArrow());
    drag({10, 10}, {40, 40});
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_EQ(window->RzPanelMsg->text(), QStringLiteral("kept"));
    EXPECT_EQ(contextMenuEntriesEnabled(), std::vector<bool>(5, false));
}

TEST_F(DrawingViewer, TheStripShowsTheDrawingCoordinatesUnderTheMouse) {
    openDrawing();
    QTest::mouseMove(&view(), {37, 81});
    double x = 0;
    double y = 0;
    view().ScreenToWorld(37, 81, x, y);
    EXPECT_EQ(window->RzPanelMsg->text(), CoordinateReadout(x, y));
    const QString shown = window->RzPanelMsg->text();
    openAnswer = false;
    window->OpenDrawing(filesFolder() + "broken.dxf");
    QTest::mouseMove(&view(), {90, 20});
    EXPECT_EQ(window->RzPanelMsg->text(), shown);
}

TEST_F(DrawingViewer, ModeAndCursorSurviveOpeningAnotherDrawing) {
    openDrawing();
    window->BtnZoomWin->click();
    openDrawing();
    EXPECT_EQ(window->NavigationMode, 3);
    EXPECT_TRUE(showsCursorSlot(kZoomWindowCursorSlot));
}

} // namespace
