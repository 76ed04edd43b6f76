#pragma once

#include <QImage>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

class ThumbGrid;
class ThumbJobList;
class UiHandOver;

// The background thumbnail loader. It only paces the work: its loop hands one step at a time
// to the user-interface thread and waits for it there. A step that finds the queue empty
// suspends the loader; queueing a job resumes it. Destroying the loader stops it and waits
// for its loop to end while still serving its hand-overs.
class TImageLoadThread {
public:
    TImageLoadThread(ThumbGrid& grid, ThumbJobList& jobs, UiHandOver& handOver,
                     bool createSuspended);
    ~TImageLoadThread();
    TImageLoadThread(const TImageLoadThread&) = delete;
    TImageLoadThread& operator=(const TImageLoadThread&) = delete;

    // Asks the loop to end after its current step.
    void Terminate() { stopRequested = true; }
    bool Terminated() const { return stopRequested; }
    // Read and written on the user-interface thread only.
    bool Suspended() const { return suspended; }
    void Resume();
    bool Finished() const { return finished; }

private:
    void Execute();
    // One step, on the user-interface thread: takes the first job; a visible DWG cell gets
    // its drawing's preview, a cell scrolled out of view goes back to State 0.
    void LoadNextThumb();
    void LoadThumbPreview(int idx, const QString& path);
    void Suspend();
    void waitWhileAsleep();

    ThumbGrid& Grid;
    ThumbJobList& Jobs;
    UiHandOver& handOver;
    QImage WorkBitmap; // every preview is read into it; the grid keeps copies
    std::atomic<bool> stopRequested{false};
    std::atomic<bool> finished{false};
    bool suspended = false;
    std::mutex sleepMutex;
    std::condition_variable wake;
    bool asleep = false;
    std::thread thread;
};
