// The thumbnail browser on a folder of 2,000 drawings at the default cell size: how long
// until every visible cell shows its preview after the folder changes, one full paint of a
// screen of cells in each border style, and the longest single loader step while scrolling.
// Run: build/<dir>/bench/browser/tessvane_thumb_load_bench (Qt on its offscreen platform).

#include "PreviewFileBuilder.h"
#include "browser/ImageLoadThread.h"
#include "browser/ThumbEntry.h"
#include "browser/ThumbJobList.h"
#include "browser/ThumbPainting.h"
#include "browser/ThumbPlaceholder.h"
#include "browser/ThumbPopulation.h"
#include "browser/UiHandOver.h"
#include "platform/ShellList.h"
#include "platform/ThumbGrid.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kDrawings = 2000;
// The browser pane of a maximised window on a 1280 x 800 screen.
constexpr QSize kPaneSize(560, 660);

// Two folders of drawings whose previews are sized like those CAD programs store: half as
// 8-bit bitmaps, half as PNG pictures as later releases write them.
class DrawingFolders {
public:
    DrawingFolders() {
        for (QTemporaryDir& dir : dirs) {
            for (int i = 0; i < kDrawings; ++i) {
                QFile file(dir.filePath(QStringLiteral("plan-%1.dwg").arg(i, 4, 10, QChar(u'0'))));
                if (file.open(QIODevice::WriteOnly))
                    file.write(i % 2 ? SyntheticDrawing(180, 130, 20000)
                                     : PreviewFileBuilder()
                                           .entry(1, QByteArray(80, 'h'))
                                           .entry(6, SyntheticPng(256, 180))
                                           .build());
            }
        }
    }
    QString path(int i) const { return dirs[i % 2].path(); }

private:
    QTemporaryDir dirs[2];
};

const DrawingFolders& folders() {
    static const DrawingFolders made;
    return made;
}

// The browser as the main window wires it: the list, the grid painted by the thumbnail
// painting, the job queue and the loader.
struct Browser {
    Browser() {
        grid.setBeforeImageDraw(
            [this](int idx, int left, int top, ThumbSurface& dest, QRect& thumbRect) {
                PaintThumbCell(grid, idx, left, top, dest, thumbRect, look);
                StartThumbPicture(grid, list, idx, look.BackColor, jobs, loader);
            });
        grid.resize(kPaneSize);
        grid.show();
    }
    void showFolder(const QString& path) {
        list.setFolder(path);
        RefreshThumbnails(grid, list);
    }

    bool visibleCellsLoaded() const {
        for (int i = 0; i < grid.cellCount(); ++i)
            if (grid.isCellVisible(i) && ThumbEntry::state(grid, i) != ThumbEntry::Loaded)
                return false;
        return true;
    }

    void runUntilVisibleLoaded() {
        while (!visibleCellsLoaded())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    ShellList list;
    ThumbGrid grid;
    ThumbJobList jobs;
    UiHandOver handOver;
    TImageLoadThread loader{grid, jobs, handOver, true};
    ThumbLook look;
};

void BM_FolderChangeUntilVisiblePreviews(benchmark::State& state) {
    folders();
    Browser browser;
    int change = 0;
    for (auto _ : state) {
        browser.showFolder(folders().path(change++));
        browser.runUntilVisibleLoaded();
    }
    state.counters["cells"] = browser.grid.cellCount();
}
BENCHMARK(BM_FolderChangeUntilVisiblePreviews)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PaintScreenOfCells(benchmark::State& state) {
    folders();
    Browser browser;
    browser.look.BorderType = int(state.range(0));
    browser.showFolder(folders().path(0));
    browser.runUntilVisibleLoaded();
    browser.grid.select(3);
    QImage screen(browser.grid.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        browser.grid.viewport()->render(&screen);
        benchmark::DoNotOptimize(screen.bits());
    }
    int visible = 0;
    for (int i = 0; i < browser.grid.cellCount(); ++i)
        visible += browser.grid.isCellVisible(i);
    state.counters["cells"] = visible;
}
BENCHMARK(BM_PaintScreenOfCells)->ArgName("style")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Scrolls through the whole folder a fifth of a screen at a time, letting the loader work
// between steps as the user's scrolling does; reports the longest single loader step.
void BM_LongestHandOverWhileScrolling(benchmark::State& state) {
    folders();
    Browser browser;
    double longestMs = 0;
    for (auto _ : state) {
        browser.showFolder(folders().path(0));
        browser.handOver.resetLongestStep();
        QScrollBar* bar = browser.grid.verticalScrollBar();
        for (int y = 0; y <= bar->maximum(); y += kPaneSize.height() / 5) {
            bar->setValue(y);
            QElapsedTimer pause;
            pause.start();
            while (pause.elapsed() < 20)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        browser.runUntilVisibleLoaded();
        longestMs = std::max(longestMs, browser.handOver.longestStep().count() / 1e6);
    }
    state.counters["longest_step_ms"] = longestMs;
}
BENCHMARK(BM_LongestHandOverWhileScrolling)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

} // namespace
