#pragma once

#include <QElapsedTimer>
#include <QFuture>
#include <QFutureWatcher>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace tessaro::gui {

// Raised when a run's result can no longer be shown; long work asks it and gives up.
using StopFlag = std::shared_ptr<const std::atomic<bool>>;

// Work that follows the user's edits without making the window wait. Work that took a
// few milliseconds last time starts at once, in the same turn of the event loop, so an
// edit is on the screen within a frame; slower work waits for the edits to settle: each
// change restarts a short timer, and `waiting` is told that a result is on its way. When
// the timer runs out, `start` runs on the GUI thread, copies what
// the work needs and hands back the future of the work it started on a worker thread
// (none: nothing to do now). One run at a time: changes made while one runs make its
// result stale, so it is dropped and one new run starts from what is there then. Only a
// current result reaches `show`, on the GUI thread. Each run is handed its StopFlag,
// raised when a change comes in or the window goes: work that asks it ends early, so a
// closed window does not wait for a result no one will see. A run that turns out slow,
// the first of a large drawing, says so too once it has kept the user waiting.
template <class Result>
class SettledWork final {
public:
    using Start = std::function<std::optional<QFuture<Result>>(StopFlag)>;
    using Show = std::function<void(const Result&)>;
    using Waiting = std::function<void()>;

    SettledWork(Start start, Show show, Waiting waiting = {})
        : start_(std::move(start)), show_(std::move(show)), waiting_(std::move(waiting)) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { run(); });
        slowRun_.setSingleShot(true);
        QObject::connect(&slowRun_, &QTimer::timeout, &slowRun_, [this] {
            if (running_ && waiting_) {
                waiting_();
            }
        });
        QObject::connect(&watcher_, &QFutureWatcher<Result>::finished, &watcher_, [this] { finished(); });
    }
    SettledWork(const SettledWork&) = delete;
    SettledWork& operator=(const SettledWork&) = delete;
    ~SettledWork() {
        stop_->store(true);
        watcher_.waitForFinished();
    }

    void schedule() {
        stop_->store(true);
        if (lastRunNanoseconds_ < kQuickNanoseconds) {
            timer_.start(0);
            return;
        }
        timer_.start(kSettleMilliseconds);
        if (waiting_) {
            waiting_();
        }
    }
    // Whether a run is waiting or running; tests wait for it to settle.
    [[nodiscard]] bool busy() const { return timer_.isActive() || running_; }

private:
    // Long enough to gather the edits of one gesture, short enough to feel immediate.
    static constexpr int kSettleMilliseconds = 80;
    // Work this quick is done again for every edit: a frame holds several of them.
    static constexpr qint64 kQuickNanoseconds = 4'000'000;
    // A run still working after this long has kept the user waiting.
    static constexpr int kSlowRunMilliseconds = 100;

    void run() {
        if (running_) {
            pending_ = true;
            return;
        }
        pending_ = false;
        stop_ = std::make_shared<std::atomic<bool>>(false);
        runClock_.start();
        if (std::optional<QFuture<Result>> future = start_(stop_)) {
            running_ = true;
            slowRun_.start(kSlowRunMilliseconds);
            watcher_.setFuture(*future);
        }
    }

    void finished() {
        running_ = false;
        slowRun_.stop();
        lastRunNanoseconds_ = runClock_.nsecsElapsed();
        if (pending_) {
            run();
            return;
        }
        // A change came in while it ran: the timer's run shows it, this result is stale.
        if (!timer_.isActive()) {
            show_(watcher_.result());
        }
    }

    Start start_;
    Show show_;
    Waiting waiting_;
    QTimer timer_;
    QTimer slowRun_;
    QElapsedTimer runClock_;
    qint64 lastRunNanoseconds_ = 0;  // from start to result, of the last run that finished
    QFutureWatcher<Result> watcher_;
    bool running_ = false;  // until its result is handled, which comes after the future finished
    bool pending_ = false;
    std::shared_ptr<std::atomic<bool>> stop_ = std::make_shared<std::atomic<bool>>(false);
};

}  // namespace tessaro::gui
