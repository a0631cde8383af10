#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "app/folders.h"
#include "app/save_prompt.h"
#include "gui/design_prompt.h"
#include "gui/main_window.h"
#include "model/ports.h"

namespace tessaro::testing {

// Answers the save dialog as scripted, remembering what it was offered and which files
// the answer would replace or remove; with replace off, the user declines those.
class FakeSavePrompt final : public SavePrompt {
public:
    std::optional<SaveChoice> answer;
    bool replace = true;
    std::vector<std::string> offered;
    std::vector<FilesInTheWay> inTheWay;
    std::optional<FileType> preset;  // the type a menu entry asked to offer first
    std::optional<SaveChoice> ask(const std::string& proposedName, const FilesInTheWayOf& filesInTheWay) override {
        offered.push_back(proposedName);
        if (!answer) {
            return answer;
        }
        const FilesInTheWay files = filesInTheWay(*answer);
        if (files.empty()) {
            return answer;
        }
        inTheWay.push_back(files);
        return replace ? answer : std::nullopt;
    }
    void presetType(FileType type) override { preset = type; }
};

// Answers the design files' questions as scripted, remembering what it was asked; by
// default it cancels the dialogs and lets changes go, as a user done with the window would.
class FakeDesignPrompt final : public gui::DesignPrompt {
public:
    std::optional<std::string> openAnswer;
    std::optional<std::string> saveAnswer;
    Unsaved unsavedAnswer = Unsaved::Discard;
    std::vector<std::string> offered;       // the names Save as offered
    std::vector<std::string> askedUnsaved;  // the designs asked about
    std::optional<std::string> askOpen() override { return openAnswer; }
    std::optional<std::string> askSaveAs(const std::string& proposedName) override {
        offered.push_back(proposedName);
        return saveAnswer;
    }
    Unsaved askUnsaved(const std::string& designName) override {
        askedUnsaved.push_back(designName);
        return unsavedAnswer;
    }
};

class FakeMessageBox final : public MessageBox {
public:
    std::vector<std::string> shown;
    std::vector<std::string> errors;
    void show(std::string_view text) override { shown.emplace_back(text); }
    void showError(std::string_view text) override { errors.emplace_back(text); }
};

class FakeClock final : public Clock {
public:
    [[nodiscard]] std::string timeOfDay() const override { return "08:00:00"; }
};

// A program folder, a working folder and a user data folder of their own, removed with
// the object, so that no test reads or writes the table files of another. A program run
// from its build has CMake's cache beside it; an installed one's folder may be written
// (by root) and must still take no tables.
class FakeFolders final : public Folders {
public:
    enum class Program { RunFromItsBuild, InstalledSystemWide };
    explicit FakeFolders(Program program = Program::RunFromItsBuild) {
        QDir(root.path()).mkpath("program");
        if (program == Program::RunFromItsBuild) {
            QFile cache(root.filePath("program/CMakeCache.txt"));
            cache.open(QIODevice::WriteOnly);
        }
        QDir(root.path()).mkpath("working");
    }
    [[nodiscard]] std::filesystem::path programFolder() const override {
        return root.filePath("program").toStdString();
    }
    [[nodiscard]] std::filesystem::path workingFolder() const override {
        return root.filePath("working").toStdString();
    }
    [[nodiscard]] std::filesystem::path userDataFolder() const override { return root.filePath("data").toStdString(); }

private:
    QTemporaryDir root;
};

// Points the settings of the test's process at a folder of its own before any window
// reads them, so that no test reads or writes the user's. clear() starts them empty.
class ScratchSettings final {
public:
    ScratchSettings() {
        QCoreApplication::setOrganizationName("Tessaro tests");
        for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope, folder.filePath("user"));
            QSettings::setPath(format, QSettings::SystemScope, folder.filePath("system"));
        }
    }
    void clear() { QSettings().clear(); }
    [[nodiscard]] QString path() const { return folder.path(); }

private:
    QTemporaryDir folder;
};

inline ScratchSettings scratchSettings;

// The window's ports, all doubles, as a test of the whole window uses them; a fresh
// set for each test function keeps what one test saw out of the next.
struct FakeWindowPorts {
    FakeSavePrompt dialog;
    FakeMessageBox messages;
    FakeClock clock;
    FakeFolders folders;
    FakeDesignPrompt designs;
    [[nodiscard]] gui::WindowPorts ports() { return {dialog, messages, clock, folders, designs}; }
};

}  // namespace tessaro::testing

// QTEST_MAIN with the offscreen platform's one screen of a given size, e.g. "1280x720"
// (tests/gui/screens/), instead of its made-up 800 x 600.
#define TESSARO_TEST_MAIN_ON_SCREEN(TestObject, screen)                                              \
    int main(int argc, char** argv) {                                                                \
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TESSARO_TEST_SCREENS "/" screen ".json"); \
        QApplication app(argc, argv);                                                                \
        TestObject test;                                                                             \
        return QTest::qExec(&test, argc, argv);                                                      \
    }
