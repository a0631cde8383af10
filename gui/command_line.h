#pragma once

#include <QString>
#include <variant>

namespace tessaro::gui {

// What the window's command line asks for: the window, or one of the grabs of it that
// scripts/screenshot and scripts/screenshot-assembly take (not shown in --help).
struct WindowRequest {
    enum class Kind { Window, Screenshot, AssemblyScreenshot };
    Kind kind = Kind::Window;
    QString file;  // the PNG a grab is written to
    QString tab;   // the object name of the tab a screenshot shows, or empty
};

// Reads the arguments before there is a window or a display: --help and --version print on
// standard output, a usage error on standard error, and their exit status is returned in
// place of a request.
[[nodiscard]] std::variant<WindowRequest, int> readCommandLine(int argc, char** argv);

}  // namespace tessaro::gui
