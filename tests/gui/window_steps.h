#pragma once

#include <string_view>

#include <QByteArray>
#include <QFile>
#include <QPushButton>
#include <QString>
#include <QtTest>

#include "app/commands.h"
#include "gui/live_preview.h"
#include "gui/main_window.h"

// The steps the window tests take again and again: reading the core's text, finding a
// command's button, reading a saved file and waiting for the preview to settle.
namespace tessaro::testing {

inline QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

inline QPushButton* buttonOf(gui::MainWindow& form, const char* command) {
    return form.findChild<QPushButton*>(text(findCommand(command)->buttons.front().objectName));
}

// The file's bytes, or none when it cannot be read.
inline QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether the live preview has drawn what it was asked to within the time given. The
// default outlasts the nesting's own 20 s limit under the sanitizers on a busy machine.
inline bool settled(gui::MainWindow& form, int milliseconds = 60000) {
    const auto* live = form.findChild<gui::LivePreview*>();
    return QTest::qWaitFor([live] { return !live->busy(); }, milliseconds);
}

}  // namespace tessaro::testing
