#pragma once

#include <QtGlobal>

#include <deque>
#include <memory>
#include <mutex>
#include <optional>

// One queued request to load the picture of a grid cell.
struct ThumbJob {
    qint32 Index = 0;
};

// The queue of thumbnail jobs shared by the user-interface thread and the loader thread,
// first in first out, duplicates allowed. Every access takes the queue's lock.
class ThumbJobList {
public:
    void add(qint32 index);
    // Takes the first job away; nothing when the queue is empty.
    std::optional<qint32> takeFirst();
    bool isEmpty() const;
    std::size_t size() const;

    // For a caller that must do several things with the queue at once.
    std::recursive_mutex& lock() const { return mutex; }

private:
    mutable std::recursive_mutex mutex;
    std::deque<std::unique_ptr<ThumbJob>> jobs;
};

void AddThumbJob(ThumbJobList& jobs, qint32 index);
// Frees every job still queued, then the queue itself.
void FreeThumbJobs(std::unique_ptr<ThumbJobList>& jobs);
