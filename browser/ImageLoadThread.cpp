#include "browser/ImageLoadThread.h"

#include "browser/ThumbEntry.h"
#include "browser/ThumbJobList.h"
#include "browser/UiHandOver.h"
#include "drawing/CADFunctions.h"
#include "platform/ThumbGrid.h"

#include <QScopeGuard>

TImageLoadThread::TImageLoadThread(ThumbGrid& grid, ThumbJobList& jobs, UiHandOver& handOver,
                                   bool createSuspended)
    : Grid(grid), Jobs(jobs), handOver(handOver), suspended(createSuspended),
      asleep(createSuspended) {
    thread = std::thread([this] { Execute(); });
}

TImageLoadThread::~TImageLoadThread() {
    Terminate();
    Resume();
    handOver.serveUntil(finished);
    thread.join();
}

void TImageLoadThread::Resume() {
    suspended = false;
    {
        const std::lock_guard guard(sleepMutex);
        asleep = false;
    }
    wake.notify_all();
}

void TImageLoadThread::Suspend() {
    suspended = true;
    const std::lock_guard guard(sleepMutex);
    asleep = true;
}

void TImageLoadThread::waitWhileAsleep() {
    std::unique_lock lock(sleepMutex);
    // A stop request ends the sleep as well: a step that suspended the loader while the stop
    // was on its way must not keep it asleep for good.
    wake.wait(lock, [this] { return !asleep || stopRequested; });
}

void TImageLoadThread::Execute() {
    waitWhileAsleep();
    while (!stopRequested) {
        try {
            handOver.runOnUiThread([this] { LoadNextThumb(); });
        } catch (...) {
            // A failed step costs only its own job.
        }
        waitWhileAsleep();
    }
    finished = true;
}

void TImageLoadThread::LoadNextThumb() {
    std::optional<qint32> idx;
    {
        const std::lock_guard guard(Jobs.lock());
        idx = Jobs.takeFirst();
        if (!idx) {
            Suspend();
            return;
        }
    }
    // A cell that has left the view before its turn goes back to new, so that it is queued
    // again when it is painted again. A job for a cell that no longer exists ends here too.
    if (!Grid.isCellVisible(*idx)) {
        ThumbEntry::setState(Grid, *idx, ThumbEntry::New);
        return;
    }
    if (ThumbEntry::kind(Grid, *idx) == QLatin1String("2"))
        LoadThumbPreview(*idx, InfoPath(ThumbEntry::info(Grid, *idx)));
}

void TImageLoadThread::LoadThumbPreview(int idx, const QString& path) {
    // The cell is finished whatever the file holds: a file without a readable preview keeps
    // its icon for good. A failure still travels on to the loader, which drops it.
    const auto finished = qScopeGuard([&] { ThumbEntry::setState(Grid, idx, ThumbEntry::Loaded); });
    if (LoadDrawingPreview(WorkBitmap, path))
        Grid.setCellPicture(idx, WorkBitmap.convertToFormat(QImage::Format_RGB888));
}
