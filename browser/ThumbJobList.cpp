#include "browser/ThumbJobList.h"

void ThumbJobList::add(qint32 index) {
    auto job = std::make_unique<ThumbJob>();
    job->Index = index;
    const std::lock_guard guard(mutex);
    jobs.push_back(std::move(job));
}

std::optional<qint32> ThumbJobList::takeFirst() {
    const std::lock_guard guard(mutex);
    if (jobs.empty())
        return std::nullopt;
    const qint32 index = jobs.front()->Index;
    jobs.pop_front();
    return index;
}

bool ThumbJobList::isEmpty() const {
    const std::lock_guard guard(mutex);
    return jobs.empty();
}

std::size_t ThumbJobList::size() const {
    const std::lock_guard guard(mutex);
    return jobs.size();
}

void AddThumbJob(ThumbJobList& jobs, qint32 index) {
    jobs.add(index);
}

void FreeThumbJobs(std::unique_ptr<ThumbJobList>& jobs) {
    // The queue owns its records: destroying it frees every job still queued.
    jobs.reset();
}
