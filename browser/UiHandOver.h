#pragma once

#include <QObject>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>

// Runs steps of another thread on the user-interface thread, one at a time, while that
// thread waits for each to finish. A failure in a step travels back to the waiting thread.
// The user-interface thread runs the steps from its event loop, or, where it must wait for
// the other thread itself, through serveUntil().
class UiHandOver : public QObject {
    Q_OBJECT
public:
    explicit UiHandOver(QObject* parent = nullptr) : QObject(parent) {}

    // Called on the other thread: runs Step on the user-interface thread and returns when it
    // has finished there, rethrowing what the step threw.
    void runOnUiThread(std::function<void()> step);
    // Called on the user-interface thread: runs every step that waits.
    void runPending();
    // Called on the user-interface thread: runs steps as they come until Done is true.
    void serveUntil(const std::atomic<bool>& done);

    // The longest time one step has taken on the user-interface thread since the last reset
    // (how long the interface can be kept waiting); read on that thread.
    std::chrono::nanoseconds longestStep() const { return longest; }
    void resetLongestStep() { longest = {}; }

private:
    struct Request {
        std::function<void()> step;
        std::exception_ptr failure;
        bool finished = false;
    };

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::shared_ptr<Request>> waiting;
    std::chrono::nanoseconds longest{};
};
