#include "browser/ImageLoadThread.h"
#include "browser/ThumbEntry.h"
#include "browser/ThumbJobList.h"
#include "browser/UiHandOver.h"
#include "platform/ThumbGrid.h"

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

class Loader : public ::testing::Test {
protected:
    void SetUp() override {
        grid.resize(200, 200);
        for (int i = 0; i < 30; ++i) {
            const int idx = grid.appendCell();
            ThumbEntry::setKind(grid, idx, ThumbEntry::DwgFile);
            ThumbEntry::setState(grid, idx, ThumbEntry::Queued);
        }
        grid.show();
    }

    ThumbGrid grid;
    ThumbJobList jobs;
    UiHandOver handOver;
};

TEST_F(Loader, CreatedSuspendedItDoesNothingAndEndsWhenDestroyed) {
    jobs.add(29);
    {
        TImageLoadThread loader(grid, jobs, handOver, true);
        QTest::qWait(30);
        EXPECT_TRUE(loader.Suspended());
        EXPECT_EQ(jobs.size(), 1u);
    }
    EXPECT_EQ(jobs.size(), 1u); // the last hand-over, if any, found the stop request first
}

TEST_F(Loader, WorksTheQueueOffAndSleepsWhenItIsEmpty) {
    TImageLoadThread loader(grid, jobs, handOver, true);
    ASSERT_FALSE(grid.isCellVisible(29));
    ASSERT_TRUE(grid.isCellVisible(0));
    for (const int idx : {29, 0, 29, 1000})
        AddThumbJob(jobs, idx); // 1000: a cell that does not exist
    loader.Resume();
    ASSERT_TRUE(QTest::qWaitFor([&] { return jobs.isEmpty() && loader.Suspended(); }));
    EXPECT_EQ(ThumbEntry::state(grid, 29), ThumbEntry::New); // out of view: queued again later
    EXPECT_EQ(ThumbEntry::state(grid, 0), ThumbEntry::Queued);

    AddThumbJob(jobs, 28);
    loader.Resume();
    ASSERT_TRUE(QTest::qWaitFor([&] { return jobs.isEmpty() && loader.Suspended(); }));
    EXPECT_EQ(ThumbEntry::state(grid, 28), ThumbEntry::New);
}

TEST_F(Loader, DestroyedWhileBusyItFinishesItsStepAndEnds) {
    auto loader = std::make_unique<TImageLoadThread>(grid, jobs, handOver, true);
    for (int i = 0; i < 10000; ++i)
        AddThumbJob(jobs, i % 30);
    loader->Resume();
    QTest::qWait(5);
    loader.reset();
    std::unique_ptr<ThumbJobList> owned = std::make_unique<ThumbJobList>();
    owned->add(1);
    FreeThumbJobs(owned);
    EXPECT_EQ(owned, nullptr);
}

} // namespace
