#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <stdexcept>

#include "app/save_prompt.h"
#include "model/ports.h"
#include "output/line_sink.h"

class QLabel;
class QMainWindow;
class QProgressBar;
class QPushButton;
class QWidget;

namespace tessaro::gui {

// A job the user cancelled before it asked for a file or while it wrote one.
class JobCancelled : public std::runtime_error {
public:
    JobCancelled() : std::runtime_error("cancelled") {}
};

// The window's message box as work on a worker thread reaches it: the message is shown on
// the GUI thread while the worker waits for it to be closed.
class GuiThreadMessages final : public MessageBox {
public:
    explicit GuiThreadMessages(MessageBox& messages) : messages_(messages) {}
    void show(std::string_view text) override;
    void showError(std::string_view text) override;

private:
    MessageBox& messages_;
};

// Work the window waits for without freezing: a template drawn, asked for and written on
// a worker thread. The window shows a busy cursor at once and, after a moment, a progress
// line with Cancel; it repaints throughout and takes no other input. The save dialog is
// asked on the GUI thread, the progress line out of the way; a cancelled job is not asked
// and a save under way stops, leaving the old file as it was.
class LongJobs final : public QObject {
    Q_OBJECT
public:
    // The progress line stands on `parent` where the caller puts it; `dialog` is the save
    // dialog the work is to ask.
    LongJobs(QMainWindow& window, QWidget& parent, SavePrompt& dialog);
    ~LongJobs() override;

    [[nodiscard]] QWidget* progressLine() const { return line_; }
    // The save dialog for the work: asked on the GUI thread, or JobCancelled.
    [[nodiscard]] SavePrompt& dialog() { return prompt_; }

    // Runs the work on a worker thread and returns when it is done, the window answering
    // meanwhile; rethrows what the work threw (JobCancelled, WriteStopped after Cancel).
    // The watch it is given reports the bytes written and stops a cancelled save.
    void run(const std::function<void(const WriteWatch&)>& work);
    // Raised by Cancel, for work that asks between its steps (WorkStopped).
    [[nodiscard]] StopRequest stopRequest() const {
        return [stop = stop_] { return stop->load(); };
    }
    [[nodiscard]] bool busy() const { return busy_; }
    void cancel();
    void setEnglish(bool english);

private:
    class Prompt final : public SavePrompt {
    public:
        explicit Prompt(LongJobs& jobs, SavePrompt& dialog) : jobs_(jobs), dialog_(dialog) {}
        std::optional<SaveChoice> ask(const std::string& proposedName, const FilesInTheWayOf& inTheWay) override;
        void presetType(FileType type) override { dialog_.presetType(type); }

    private:
        LongJobs& jobs_;
        SavePrompt& dialog_;
    };

    void blockWindow(bool blocked);
    void showProgress();
    void hideProgress();

    QMainWindow& window_;
    Prompt prompt_;
    QWidget* line_ = nullptr;
    QLabel* label_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QTimer moment_;
    QTimer tick_;
    bool busy_ = false;
    bool english_ = false;
    std::shared_ptr<std::atomic<bool>> stop_ = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<std::atomic<std::size_t>> written_ = std::make_shared<std::atomic<std::size_t>>(0);
    std::vector<QPointer<QWidget>> blocked_;
    std::vector<QPointer<QObject>> blockedActions_;
};

}  // namespace tessaro::gui
