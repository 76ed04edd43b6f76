#include "browser/UiHandOver.h"

#include <QMetaObject>

#include <algorithm>
#include <chrono>

void UiHandOver::runOnUiThread(std::function<void()> step) {
    auto request = std::make_shared<Request>();
    request->step = std::move(step);
    {
        const std::lock_guard guard(mutex);
        waiting.push_back(request);
    }
    changed.notify_all();
    QMetaObject::invokeMethod(this, &UiHandOver::runPending, Qt::QueuedConnection);
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return request->finished; });
    if (request->failure)
        std::rethrow_exception(request->failure);
}

void UiHandOver::runPending() {
    for (;;) {
        std::shared_ptr<Request> request;
        {
            const std::lock_guard guard(mutex);
            if (waiting.empty())
                return;
            request = waiting.front();
            waiting.pop_front();
        }
        const auto started = std::chrono::steady_clock::now();
        try {
            request->step();
        } catch (...) {
            request->failure = std::current_exception();
        }
        longest = std::max(longest, std::chrono::duration_cast<std::chrono::nanoseconds>(
                                        std::chrono::steady_clock::now() - started));
        {
            const std::lock_guard guard(mutex);
            request->finished = true;
        }
        changed.notify_all();
    }
}

void UiHandOver::serveUntil(const std::atomic<bool>& done) {
    // The short timeout covers a Done that turns true without a step to announce it.
    constexpr auto kRecheck = std::chrono::milliseconds(5);
    while (!done) {
        {
            std::unique_lock lock(mutex);
            changed.wait_for(lock, kRecheck, [&] { return !waiting.empty() || done; });
        }
        runPending();
    }
}
