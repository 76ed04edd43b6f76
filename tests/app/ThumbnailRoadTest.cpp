#include "MainWindowFixture.h"

#include "PreviewFileBuilder.h"
#include "browser/ImageLoadThread.h"
#include "browser/ThumbEntry.h"
#include "browser/ThumbJobList.h"
#include "platform/ShellList.h"
#include "platform/ThumbGrid.h"

#include <QAction>
#include <QScrollBar>

namespace {

// The main window in thumbnail mode on folders of synthetic drawings: drawing i of a folder
// has a bitmap preview of (20 + i % 40) x 30 pixels, so each cell shows whose preview it holds.
class ThumbnailRoad : public MainWindowFixture {
protected:
    QString makeDrawings(const QString& folder, int count) {
        const QString path = filesFolder() + folder + u'/';
        for (int i = 0; i < count; ++i)
            makeFile(path + QStringLiteral("d%1.dwg").arg(i, 4, 10, QChar(u'0')),
                     SyntheticDrawing(previewWidth(i), 30));
        return path;
    }
    static int previewWidth(int i) { return 20 + i % 40; }

    void startInThumbnails(const QString& folder) {
        writeIni(("[NORMAL]\r\nViewType=2\r\nPath=" + folder + "\r\n").toUtf8());
        start();
        ASSERT_EQ(window->ThumbnailMode, 1);
    }

    ThumbGrid& grid() { return *window->ShellThumbFiles; }
    int state(int idx) { return ThumbEntry::state(grid(), idx); }

    // Paints the grid now, without a turn of the event loop: the loader cannot take the
    // jobs this queues until the test lets the loop run.
    void paintNow() { grid().viewport()->repaint(); }

    bool loaderIdle() const {
        return window->ThumbJobList->isEmpty() && window->ThumbLoader->Suspended();
    }
    void waitUntilLoaded() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return loaderIdle(); }, 10000));
    }

    std::vector<int> visibleCells() {
        std::vector<int> cells;
        for (int i = 0; i < grid().cellCount(); ++i)
            if (grid().isCellVisible(i))
                cells.push_back(i);
        return cells;
    }
};

TEST_F(ThumbnailRoad, VisibleDrawingCellsShowTheirPreviewsOthersKeepIconsOrWait) {
    const QString folder = makeDrawings("plans", 120);
    makeFile(folder + "a.dxf", "0\nEOF\n");
    QDir().mkpath(folder + "sub");
    startInThumbnails(folder);
    waitUntilLoaded();

    ASSERT_EQ(grid().cellCount(), 122); // sub/, a.dxf, then the drawings
    EXPECT_EQ(ThumbEntry::kind(grid(), 0), "1");
    EXPECT_EQ(ThumbEntry::kind(grid(), 1), "3");
    const std::vector<int> visible = visibleCells();
    ASSERT_GT(visible.size(), 4u);
    ASSERT_LT(visible.back(), 100); // most cells lie below the view
    for (const int idx : visible) {
        if (idx < 2) {
            EXPECT_EQ(state(idx), ThumbEntry::Queued) << idx; // folder and DXF: icons for good
            EXPECT_EQ(grid().cellPicture(idx).size(), QSize(32, 32)) << idx;
        } else {
            EXPECT_EQ(state(idx), ThumbEntry::Loaded) << idx;
            EXPECT_EQ(grid().cellPicture(idx).size(), QSize(previewWidth(idx - 2), 30)) << idx;
        }
    }
    for (int idx = visible.back() + grid().columnCount() + 1; idx < grid().cellCount(); ++idx) {
        EXPECT_EQ(state(idx), ThumbEntry::New) << idx;
        EXPECT_FALSE(grid().hasCellPicture(idx)) << idx;
    }
}

TEST_F(ThumbnailRoad, CellsScrolledAwayBeforeTheirJobGoBackToNewUnread) {
    const QString first = makeDrawings("first", 4);
    const QString many = makeDrawings("many", 300);
    startInThumbnails(first);
    waitUntilLoaded();

    window->ShellListFiles->setFolder(many);
    paintNow(); // the top cells get icons and jobs
    const std::vector<int> top = visibleCells();
    grid().setViewPosition(0, grid().verticalScrollBar()->maximum());
    paintNow(); // ... and so do the bottom cells, before any job has run
    const std::vector<int> bottom = visibleCells();
    ASSERT_LT(top.back(), bottom.front());
    waitUntilLoaded();

    for (const int idx : top) {
        // State 0 means no read was tried: reading always ends in State 2.
        EXPECT_EQ(state(idx), ThumbEntry::New) << idx;
        EXPECT_EQ(grid().cellPicture(idx).size(), QSize(32, 32)) << idx;
    }
    for (const int idx : bottom) {
        EXPECT_EQ(state(idx), ThumbEntry::Loaded) << idx;
        EXPECT_EQ(grid().cellPicture(idx).size(), QSize(previewWidth(idx), 30)) << idx;
    }

    // Scrolled back, the top cells get their icons and jobs again, then their previews.
    grid().setViewPosition(0, 0);
    paintNow();
    waitUntilLoaded();
    for (const int idx : top)
        EXPECT_EQ(state(idx), ThumbEntry::Loaded) << idx;
}

TEST_F(ThumbnailRoad, JobsOfTheOldContentsAreWorkedOffAgainstTheNewCells) {
    const QString many = makeDrawings("many", 300);
    const QString few = makeDrawings("few", 3);
    startInThumbnails(many);
    waitUntilLoaded();

    grid().setViewPosition(0, grid().verticalScrollBar()->maximum() / 2);
    paintNow(); // jobs for cells in the middle of the old contents
    ASSERT_GT(window->ThumbJobList->size(), 3u);
    window->ShellListFiles->setFolder(few); // rebuilt while they are pending
    AddThumbJob(*window->ThumbJobList, 0);  // and one for a cell that exists again
    waitUntilLoaded();

    ASSERT_EQ(grid().cellCount(), 3); // the jobs beyond the last cell were dropped
    for (int idx = 0; idx < 3; ++idx) {
        EXPECT_EQ(state(idx), ThumbEntry::Loaded) << idx;
        EXPECT_EQ(grid().cellPicture(idx).size(), QSize(previewWidth(idx), 30)) << idx;
    }
    EXPECT_EQ(grid().viewPosition(), QPoint(0, 0));
}

TEST_F(ThumbnailRoad, ClosingWhileTheLoaderIsBusyEndsAndWritesTheSettings) {
    const QString folder = makeDrawings("busy", 400);
    startInThumbnails(folder);
    // Queue a few screens of jobs, then close with most of them pending.
    const int bottom = grid().verticalScrollBar()->maximum();
    for (int step = 0; step <= 4; ++step) {
        grid().setViewPosition(0, bottom * step / 4);
        paintNow();
    }
    ASSERT_GT(window->ThumbJobList->size(), 20u);
    QTest::qWait(1); // the loader is working now
    stop();
    const QByteArray ini = readIni();
    EXPECT_TRUE(ini.contains("ViewType=2\r\n")) << ini.constData();
    EXPECT_TRUE(ini.contains(("Path=" + folder.chopped(1) + "\r\n").toUtf8())) << ini.constData();
}

} // namespace
