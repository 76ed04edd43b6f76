#include "browser/ImageLoadThread.h"
#include "PreviewFileBuilder.h"
#include "browser/ThumbEntry.h"
#include "browser/ThumbJobList.h"
#include "browser/UiHandOver.h"
#include "platform/ThumbGrid.h"
#include "tests/platform/TempFolder.h"

#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

namespace {

TEST(UiHandOver, RunsStepsOnTheUserInterfaceThreadAndCarriesFailuresBack) {
    UiHandOver handOver;
    std::atomic<bool> done{false};
    std::thread::id ranOn;
    bool failureArrived = false;
    std::thread worker([&] {
        handOver.runOnUiThread([&] { ranOn = std::this_thread::get_id(); });
        try {
            handOver.runOnUiThread([] { throw std::runtime_error("step failed"); });
        } catch (const std::runtime_error&) {
            failureArrived = true;
        }
        done = true;
    });
    handOver.serveUntil(done);
    worker.join();
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_TRUE(failureArrived);
}

// A grid of 4 x 4 visible cells (4 columns, 80 x 100 at 12 px spacing) and more below, every
// cell showing a red placeholder with its job queued, as the painting leaves them.
TEST(UiHandOver, RemembersTheLongestStep) {
    UiHandOver handOver;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        handOver.runOnUiThread([] {});
        handOver.runOnUiThread([] { std::this_thread::sleep_for(std::chrono::milliseconds(30)); });
        handOver.runOnUiThread([] {});
        done = true;
    });
    handOver.serveUntil(done);
    worker.join();
    EXPECT_GE(handOver.longestStep(), std::chrono::milliseconds(30));
    handOver.resetLongestStep();
    EXPECT_EQ(handOver.longestStep(), std::chrono::nanoseconds(0));
}

class Loader : public ::testing::Test {
protected:
    void SetUp() override {
        grid.setFrameShape(QFrame::NoFrame);
        grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid.resize(400, 400);
        grid.show();
    }

    int addCell(int kind, const QString& path) {
        const int idx = grid.appendCell();
        ThumbEntry::setKind(grid, idx, kind);
        ThumbEntry::setInfo(grid, idx, path + "|||");
        ThumbEntry::setState(grid, idx, ThumbEntry::Queued);
        grid.setCellPicture(idx, placeholder());
        return idx;
    }

    QString writeFile(const QString& name, const QByteArray& bytes) {
        files.file(name, bytes);
        return files(name);
    }

    static QImage placeholder() {
        QImage icon(32, 32, QImage::Format_RGB888);
        icon.fill(Qt::red);
        return icon;
    }

    void runUntilIdle(TImageLoadThread& loader) {
        loader.Resume();
        ASSERT_TRUE(QTest::qWaitFor([&] { return jobs.isEmpty() && loader.Suspended(); }));
    }

    TempFolder files;
    ThumbGrid grid;
    ThumbJobList jobs;
    UiHandOver handOver;
};

TEST_F(Loader, CreatedSuspendedItDoesNothingAndEndsWhenDestroyed) {
    addCell(ThumbEntry::DwgFile, "/nowhere.dwg");
    jobs.add(0);
    {
        TImageLoadThread loader(grid, jobs, handOver, true);
        QTest::qWait(30);
        EXPECT_TRUE(loader.Suspended());
        EXPECT_EQ(jobs.size(), 1u);
    }
    EXPECT_EQ(jobs.size(), 1u); // the last hand-over, if any, found the stop request first
}

TEST_F(Loader, VisibleDrawingCellsGetTheirPreviewsAndOthersKeepTheirIcons) {
    const int bitmap = addCell(ThumbEntry::DwgFile, writeFile("bmp.dwg", SyntheticDrawing(40, 30)));
    const int png =
        addCell(ThumbEntry::DwgFile, writeFile("png.DWG", PreviewFileBuilder()
                                                              .entry(1, QByteArray(80, 'h'))
                                                              .entry(6, SyntheticPng(50, 20))
                                                              .build()));
    const int none = addCell(ThumbEntry::DwgFile,
                             writeFile("none.dwg", PreviewFileBuilder().entry(1, "h").build()));
    const int broken = addCell(ThumbEntry::DwgFile, writeFile("broken.dwg", "AC1015"));
    const int missing = addCell(ThumbEntry::DwgFile, files("missing.dwg"));
    const int dxf = addCell(ThumbEntry::OtherFile, writeFile("plan.dxf", "0\nEOF\n"));
    const int folder = addCell(ThumbEntry::Folder, files.path());
    while (grid.cellCount() < 30)
        addCell(ThumbEntry::DwgFile, files("bmp.dwg"));
    const int below = 29;
    ASSERT_TRUE(grid.isCellVisible(folder));
    ASSERT_FALSE(grid.isCellVisible(below));

    TImageLoadThread loader(grid, jobs, handOver, true);
    for (const int idx : {bitmap, png, none, broken, missing, dxf, folder, below, 1000})
        AddThumbJob(jobs, idx); // 1000: a cell that does not exist
    runUntilIdle(loader);

    struct Expected {
        int idx;
        int state;
        QSize picture; // 32 x 32: the placeholder is still there
    };
    const Expected expected[] = {
        {bitmap, ThumbEntry::Loaded, {40, 30}},  {png, ThumbEntry::Loaded, {50, 20}},
        {none, ThumbEntry::Loaded, {32, 32}},    {broken, ThumbEntry::Loaded, {32, 32}},
        {missing, ThumbEntry::Loaded, {32, 32}}, {dxf, ThumbEntry::Queued, {32, 32}},
        {folder, ThumbEntry::Queued, {32, 32}},  {below, ThumbEntry::New, {32, 32}},
    };
    for (const Expected& e : expected) {
        EXPECT_EQ(ThumbEntry::state(grid, e.idx), e.state) << e.idx;
        EXPECT_EQ(grid.cellPicture(e.idx).size(), e.picture) << e.idx;
    }
    // The preview as a 24-bit picture. Bitmap rows are stored bottom up, so the top-left
    // pixel is pixel (0, 29) of the synthetic bitmap: palette entry 87, stored as blue 87,
    // green 168, red 43.
    const QImage preview = grid.cellPicture(bitmap);
    EXPECT_EQ(preview.format(), QImage::Format_RGB888);
    EXPECT_EQ(preview.pixelColor(0, 0), QColor(43, 168, 87));
    EXPECT_EQ(grid.cellPicture(none), placeholder());

    // Woken again, it goes on with the next job.
    AddThumbJob(jobs, 28);
    runUntilIdle(loader);
    EXPECT_EQ(ThumbEntry::state(grid, 28), ThumbEntry::New);
}

TEST_F(Loader, StoppedWhileBusyItEndsAfterAtMostOneMoreStep) {
    // Cells out of view: every step puts one of them back to State 0.
    while (grid.cellCount() < 3000)
        addCell(ThumbEntry::DwgFile, "/nowhere.dwg");
    const auto countNew = [&] {
        int count = 0;
        for (int i = 0; i < grid.cellCount(); ++i)
            count += ThumbEntry::state(grid, i) == ThumbEntry::New;
        return count;
    };
    auto loader = std::make_unique<TImageLoadThread>(grid, jobs, handOver, true);
    for (int i = 100; i < 3000; ++i)
        AddThumbJob(jobs, i);
    loader->Resume();
    ASSERT_TRUE(QTest::qWaitFor([&] { return countNew() > 10; }));
    loader->Terminate();
    const int before = countNew();
    loader.reset();
    EXPECT_LE(countNew() - before, 1);
    EXPECT_GT(jobs.size(), 0u);

    std::unique_ptr<ThumbJobList> owned = std::make_unique<ThumbJobList>();
    for (int i = 0; i < 100; ++i)
        owned->add(i);
    FreeThumbJobs(owned);
    EXPECT_EQ(owned, nullptr);
}

} // namespace
