#include <QtConcurrent/QtConcurrentRun>
#include <QtTest>

#include <atomic>
#include <memory>

#include "gui/settled_work.h"

using namespace tessaro::gui;

namespace {

// Work that never ends on its own: it runs until its run's flag is raised, and says
// whether it was.
QFuture<bool> untilStopped(StopFlag stop, std::atomic<int>& started) {
    ++started;
    return QtConcurrent::run([stop = std::move(stop)] {
        while (!stop->load()) {
            QThread::msleep(5);
        }
        return true;
    });
}

}  // namespace

class SettledWorkTest : public QObject {
    Q_OBJECT
private slots:
    // A closed window destroys its work: the running run is told to stop, so the window
    // does not wait for work whose result no one will see.
    void goingAwayStopsTheRunningWork() {
        std::atomic<int> started = 0;
        int shown = 0;
        auto work = std::make_unique<SettledWork<bool>>(
            [&](auto stop) { return std::optional(untilStopped(stop, started)); }, [&](bool) { ++shown; });
        work->schedule();
        QVERIFY(QTest::qWaitFor([&] { return started == 1; }, 10000));
        QVERIFY(work->busy());
        work.reset();  // returns only when the worker has seen the flag
        QCOMPARE(shown, 0);
    }

    // An edit while a run works stops that run, whose result would be stale, and starts one
    // run from the new values; only that one's result could be shown.
    void anEditStopsTheStaleRunAndStartsOneNew() {
        std::atomic<int> started = 0;
        int shown = 0;
        std::vector<StopFlag> flags;
        SettledWork<bool> work(
            [&](StopFlag stop) {
                flags.push_back(stop);
                return std::optional(untilStopped(stop, started));
            },
            [&](bool) { ++shown; });
        work.schedule();
        QVERIFY(QTest::qWaitFor([&] { return started == 1; }, 10000));
        work.schedule();
        work.schedule();
        QVERIFY(flags.front()->load());
        QVERIFY(QTest::qWaitFor([&] { return started == 2; }, 10000));
        QCOMPARE(flags.size(), std::size_t{2});
        QVERIFY(!flags.back()->load());
        QCOMPARE(shown, 0);
    }
};

QTEST_MAIN(SettledWorkTest)
#include "test_settled_work.moc"
