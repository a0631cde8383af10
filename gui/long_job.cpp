#include "gui/long_job.h"

#include <QAction>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>
#include <exception>

#include "gui/menu_words.h"

namespace tessaro::gui {
namespace {

// A moment: work done sooner shows the busy cursor only, no progress line that flickers.
constexpr int kMomentMilliseconds = 300;
constexpr int kTickMilliseconds = 200;
constexpr double kBytesPerMegabyte = 1024.0 * 1024.0;

// Makes the call on the GUI thread, the calling worker waiting for it; what it throws is
// thrown to the caller.
void onGuiThread(const std::function<void()>& call) {
    QCoreApplication* application = QCoreApplication::instance();
    if (QThread::currentThread() == application->thread()) {
        call();
        return;
    }
    std::exception_ptr failure;
    QMetaObject::invokeMethod(
        application,
        [&] {
            try {
                call();
            } catch (...) {
                failure = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (failure) {
        std::rethrow_exception(failure);
    }
}

}  // namespace

void GuiThreadMessages::show(std::string_view text) {
    onGuiThread([&] { messages_.show(text); });
}

void GuiThreadMessages::showError(std::string_view text) {
    onGuiThread([&] { messages_.showError(text); });
}

std::optional<SaveChoice> LongJobs::Prompt::ask(const std::string& proposedName) {
    std::optional<SaveChoice> choice;
    onGuiThread([&] {
        if (!jobs_.busy()) {
            choice = dialog_.ask(proposedName);
            return;
        }
        if (jobs_.stop_->load()) {
            throw JobCancelled();
        }
        // The dialog is the user's turn: no busy cursor, no progress line over it.
        jobs_.hideProgress();
        QGuiApplication::restoreOverrideCursor();
        choice = dialog_.ask(proposedName);
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        jobs_.moment_.start();
    });
    return choice;
}

LongJobs::LongJobs(QMainWindow& window, QWidget& parent, SavePrompt& dialog)
    : QObject(&window), window_(window), prompt_(*this, dialog) {
    setObjectName("longJobs");
    line_ = new QWidget(&parent);
    line_->setObjectName("progressLine");
    line_->setAutoFillBackground(true);  // over the status line, which it hides while it shows
    label_ = new QLabel(line_);
    label_->setObjectName("progressLabel");
    bar_ = new QProgressBar(line_);
    bar_->setRange(0, 0);  // how long the work takes is not known: the bar only moves
    bar_->setFixedWidth(60);
    bar_->setTextVisible(false);
    cancel_ = new QPushButton(line_);
    cancel_->setObjectName("cancelButton");
    auto* row = new QHBoxLayout(line_);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label_, 1);
    row->addWidget(bar_);
    row->addWidget(cancel_);
    line_->hide();
    connect(cancel_, &QPushButton::clicked, this, &LongJobs::cancel);
    moment_.setSingleShot(true);
    moment_.setInterval(kMomentMilliseconds);
    connect(&moment_, &QTimer::timeout, this, &LongJobs::showProgress);
    tick_.setInterval(kTickMilliseconds);
    connect(&tick_, &QTimer::timeout, this, &LongJobs::showProgress);
    setEnglish(false);
}

LongJobs::~LongJobs() = default;

void LongJobs::setEnglish(bool english) {
    english_ = english;
    cancel_->setText(menuWords(english).cancel);
}

void LongJobs::run(const std::function<void(const WriteWatch&)>& work) {
    stop_->store(false);
    written_->store(0);
    cancel_->setEnabled(true);
    busy_ = true;
    const WriteWatch watch = [stop = stop_, written = written_](std::size_t bytes) {
        written->store(bytes);
        return stop->load();
    };
    QFutureWatcher<std::exception_ptr> watcher;
    QEventLoop loop;
    connect(&watcher, &QFutureWatcher<std::exception_ptr>::finished, &loop, &QEventLoop::quit);
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    blockWindow(true);
    moment_.start();
    watcher.setFuture(QtConcurrent::run([&work, watch]() -> std::exception_ptr {
        try {
            work(watch);
            return nullptr;
        } catch (...) {
            return std::current_exception();
        }
    }));
    loop.exec();
    moment_.stop();
    hideProgress();
    blockWindow(false);
    QGuiApplication::restoreOverrideCursor();
    busy_ = false;
    if (const std::exception_ptr failure = watcher.result()) {
        std::rethrow_exception(failure);
    }
}

void LongJobs::cancel() {
    stop_->store(true);
    cancel_->setEnabled(false);
}

void LongJobs::showProgress() {
    const MenuWords& words = menuWords(english_);
    const std::size_t written = written_->load();
    label_->setText(written == 0 ? words.working
                                 : words.writing.arg(static_cast<double>(written) / kBytesPerMegabyte, 0, 'f', 1));
    if (!line_->isVisible()) {
        line_->show();
        line_->raise();
        tick_.start();
    }
}

void LongJobs::hideProgress() {
    tick_.stop();
    line_->hide();
}

// Everything but the progress line takes no input while the work runs, the keys of the
// menu entries included; what was off stays off afterwards.
void LongJobs::blockWindow(bool blocked) {
    if (!blocked) {
        for (const QPointer<QWidget>& widget : blocked_) {
            if (widget) {
                widget->setEnabled(true);
            }
        }
        for (const QPointer<QObject>& action : blockedActions_) {
            if (auto* entry = qobject_cast<QAction*>(action.data())) {
                entry->setEnabled(true);
            }
        }
        blocked_.clear();
        blockedActions_.clear();
        return;
    }
    QList<QWidget*> widgets = window_.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    widgets << window_.menuBar();
    for (QWidget* widget : widgets) {
        if (widget != line_ && widget->isEnabled()) {
            widget->setEnabled(false);
            blocked_.emplace_back(widget);
        }
    }
    for (QAction* action : window_.findChildren<QAction*>()) {
        if (action->isEnabled()) {
            action->setEnabled(false);
            blockedActions_.emplace_back(action);
        }
    }
}

}  // namespace tessaro::gui
