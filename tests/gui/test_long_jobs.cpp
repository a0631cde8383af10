// A template is drawn and written on a worker: the window answers meanwhile and takes no
// other input, Cancel or closing the window stops the save and leaves the old file as it
// was with no temporary beside it, and a warning from the worker reaches the user on the
// GUI thread.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>
#include <QtTest>
#include <functional>

#include "gui/fakes.h"
#include "gui/long_job.h"
#include "gui/main_window.h"
#include "gui/menu_words.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

// A save dialog that answers a file and, while it is asked, does what the user does then.
class ActingSavePrompt final : public SavePrompt {
public:
    std::optional<SaveChoice> answer;
    std::function<void()> whileAsked;
    int asked = 0;
    std::optional<SaveChoice> ask(const std::string&, const FilesInTheWayOf&) override {
        ++asked;
        if (whileAsked) {
            whileAsked();
        }
        return answer;
    }
};

// Remembers on which thread each message came.
class ThreadNotingMessages final : public MessageBox {
public:
    std::vector<QThread*> threads;
    void show(std::string_view) override { threads.push_back(QThread::currentThread()); }
    void showError(std::string_view) override { threads.push_back(QThread::currentThread()); }
};

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class LongJobsTest : public QObject {
    Q_OBJECT

    testing::FakeWindowPorts fakes;
    ActingSavePrompt dialog;

    [[nodiscard]] WindowPorts ports() { return {dialog, fakes.messages, fakes.clock, fakes.folders, fakes.designs}; }

    // A folder holding one old file, the target of the save.
    struct OldFile {
        QTemporaryDir dir;
        QString path = dir.filePath("spiral.dxf");
        OldFile() {
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write("old bytes\r\n");
        }
        [[nodiscard]] bool untouched() const {
            return bytesOf(path) == "old bytes\r\n" &&
                   QDir(dir.path()).entryList(QDir::Files | QDir::Hidden) == QStringList{"spiral.dxf"};
        }
    };

private slots:
    void init() {
        dialog = {};
        fakes.messages = {};
    }

    // While the job runs the GUI thread answers (the dialog is asked on it), the window
    // takes no input but Cancel; Cancel then stops the save before its first byte.
    void cancelLeavesTheOldFileAndNoTemporary() {
        MainWindow form(ports());
        form.show();
        OldFile old;
        dialog.answer = SaveChoice{old.path.toStdString(), FileType::Dxf};
        bool blocked = false;
        dialog.whileAsked = [&] {
            QVERIFY(QThread::currentThread() == form.thread());
            blocked = !form.findChild<QTabWidget*>("tabs")->isEnabled() && !form.menuBar()->isEnabled() &&
                      !form.findChild<QAction*>("saveAction")->isEnabled();
            auto* cancel = form.findChild<QPushButton*>("cancelButton");
            QVERIFY(cancel->isEnabled());
            cancel->click();
        };
        form.findChild<QTabWidget*>("tabs")->setCurrentWidget(form.findChild<QWidget*>("spiralTab"));
        QTest::mouseClick(form.findChild<QPushButton*>("spiralButton"), Qt::LeftButton);
        QCOMPARE(dialog.asked, 1);
        QVERIFY(blocked);
        QVERIFY(old.untouched());
        QVERIFY(fakes.messages.errors.empty());
        QCOMPARE(form.findChild<QLabel*>("statusLine")->text(), menuWords(false).cancelled);
        // The window takes input again, and the next save writes.
        QVERIFY(form.findChild<QTabWidget*>("tabs")->isEnabled() && form.menuBar()->isEnabled());
        QVERIFY(form.findChild<QAction*>("saveAction")->isEnabled());
        dialog.whileAsked = {};
        QTest::mouseClick(form.findChild<QPushButton*>("spiralButton"), Qt::LeftButton);
        QVERIFY(bytesOf(old.path).startsWith("  0\r\nSECTION"));
    }

    // Closing the window while a file is written stops the save as Cancel does; the
    // window closes once the job has stopped.
    void closingDuringASaveStopsIt() {
        MainWindow form(ports());
        form.show();
        OldFile old;
        dialog.answer = SaveChoice{old.path.toStdString(), FileType::Dxf};
        dialog.whileAsked = [&] { QVERIFY(!form.close()); };
        QTest::mouseClick(form.findChild<QPushButton*>("foldingFrontButton"), Qt::LeftButton);
        QVERIFY(old.untouched());
        QTRY_VERIFY(!form.isVisible());
    }

    // A job cancelled before its dialog asks is not asked.
    void cancelledBeforeAskingAsksNothing() {
        MainWindow form(ports());
        auto* jobs = form.findChild<LongJobs*>();
        bool refused = false;
        jobs->run([&](const WriteWatch&) {
            QMetaObject::invokeMethod(
                jobs, [jobs] { jobs->cancel(); }, Qt::BlockingQueuedConnection);
            try {
                (void)jobs->dialog().ask("box", chosenFileInTheWay);
            } catch (const JobCancelled&) {
                refused = true;
            }
        });
        QVERIFY(refused);
        QCOMPARE(dialog.asked, 0);
    }

    // A message from work on a worker thread is shown on the GUI thread.
    void workerMessagesReachTheGuiThread() {
        ThreadNotingMessages noted;
        GuiThreadMessages messages(noted);
        QFuture<void> work = QtConcurrent::run([&messages] {
            messages.show("warning");
            messages.showError("error");
        });
        QTRY_VERIFY(work.isFinished());
        QCOMPARE(noted.threads, (std::vector<QThread*>{thread(), thread()}));
    }
};

QTEST_MAIN(LongJobsTest)
#include "test_long_jobs.moc"
