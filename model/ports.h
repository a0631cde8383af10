#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tessaro {

// Asked between the steps of work that may take long (each cut-out drawn, each panel
// assembled); yes stops it with WorkStopped. None: the work runs to its end.
using StopRequest = std::function<bool()>;

// Work its caller stopped: a newer redraw is waiting, or the window has gone.
class WorkStopped : public std::runtime_error {
public:
    WorkStopped() : std::runtime_error("The work was stopped") {}
};

// Throws WorkStopped when the caller asks the work to stop.
inline void stopIfAsked(const StopRequest& stop) {
    if (stop && stop()) {
        throw WorkStopped();
    }
}

// The local time of day in the long time format, for the EPS header.
class Clock {
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual std::string timeOfDay() const = 0;
};

// Modal boxes with one OK button; each returns when the user has closed it.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    // A message of the program (a warning, a request).
    virtual void show(std::string_view text) = 0;
    // The standard error box for a command that failed.
    virtual void showError(std::string_view text) = 0;
    // Whether anyone reads what is shown: a check made only to warn is left out when no one does.
    [[nodiscard]] virtual bool heard() const { return true; }
};

class SystemClock final : public Clock {
public:
    [[nodiscard]] std::string timeOfDay() const override;
};

// The ports of a workbench whose documents no one reads as such: a picture in the
// window, a benchmark, a fuzzer. The header's time does not matter and a warning has
// no one to read it.
class StandInClock final : public Clock {
public:
    [[nodiscard]] std::string timeOfDay() const override { return "00:00:00"; }
};

class SilentMessages final : public MessageBox {
public:
    void show(std::string_view) override {}
    void showError(std::string_view) override {}
    [[nodiscard]] bool heard() const override { return false; }
};

}  // namespace tessaro
