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

    // Edits made in one go start one run; after work that took long, an edit waits for the
    // edits to settle and says that a result is on its way, once for each edit.
    void slowWorkSaysItIsComing() {
        std::atomic<int> started = 0;
        int shown = 0;
        int waited = 0;
        int workMilliseconds = 0;
        SettledWork<bool> work(
            [&](StopFlag) {
                ++started;
                return std::optional(QtConcurrent::run([workMilliseconds] {
                    QThread::msleep(static_cast<unsigned long>(workMilliseconds));
                    return true;
                }));
            },
            [&](bool) { ++shown; }, [&] { ++waited; });
        work.schedule();
        work.schedule();
        QVERIFY(QTest::qWaitFor([&] { return shown == 1; }, 10000));
        QCOMPARE(started.load(), 1);
        workMilliseconds = 200;
        work.schedule();
        QVERIFY(QTest::qWaitFor([&] { return shown == 2; }, 10000));
        QCOMPARE(started.load(), 2);
        const int waitedBefore = waited;  // the first, quick run may have been slowed by a loaded machine
        work.schedule();
        QCOMPARE(waited, waitedBefore + 1);
        QVERIFY(work.busy());
        QVERIFY(QTest::qWaitFor([&] { return shown == 3; }, 10000));
        QCOMPARE(started.load(), 3);
    }

    // The first run of a large drawing may start at once, as nothing was slow before; once
    // it has worked for a while it says that its result is on its way. Quick work never does.
    void aRunThatTurnsOutSlowSaysItIsComing() {
        int shown = 0;
        std::atomic<bool> working = false;
        int waitedWhileWorking = 0;
        unsigned long workMilliseconds = 0;
        SettledWork<bool> work(
            [&](StopFlag) {
                return std::optional(QtConcurrent::run([&working, workMilliseconds] {
                    working = true;
                    QThread::msleep(workMilliseconds);
                    working = false;
                    return true;
                }));
            },
            [&](bool) { ++shown; }, [&] { waitedWhileWorking += working ? 1 : 0; });
        work.schedule();
        QVERIFY(QTest::qWaitFor([&] { return shown == 1; }, 10000));
        QCOMPARE(waitedWhileWorking, 0);
        workMilliseconds = 1000;
        work.schedule();
        QVERIFY(QTest::qWaitFor([&] { return waitedWhileWorking == 1; }, 10000));
        QCOMPARE(shown, 1);
        QVERIFY(QTest::qWaitFor([&] { return shown == 2; }, 10000));
        QCOMPARE(waitedWhileWorking, 1);
    }
};

QTEST_MAIN(SettledWorkTest)
#include "test_settled_work.moc"
