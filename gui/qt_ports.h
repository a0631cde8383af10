#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "app/folders.h"
#include "app/save_prompt.h"
#include "gui/design_prompt.h"
#include "model/ports.h"

class QWidget;

namespace tessaro::gui {

// The common save dialog over QFileDialog. A typed name that ends in one of our
// extensions is saved as that type; any other name gets the chosen filter's extension.
// Replacing an existing file is asked about that final name, and a set of sheets once
// about every file it would replace or remove. The type saved last is the preset of the
// next command; the folder chosen last is where the dialog opens, in this run and the
// next (QSettings).
class QtSavePrompt final : public SavePrompt {
    Q_DECLARE_TR_FUNCTIONS(QtSavePrompt)

public:
    // filter: "description|pattern|description|pattern…"; presetType: the filter shown
    // first, counted from 1.
    QtSavePrompt(QWidget* parent, const QString& filter, int presetType);
    std::optional<SaveChoice> ask(const std::string& proposedName, const FilesInTheWayOf& inTheWay) override;
    void presetType(FileType type) override;

private:
    // The file and type for a name and filter chosen in the dialog; nothing when
    // neither the name nor the filter tells a type.
    [[nodiscard]] std::optional<SaveChoice> choiceFor(const QString& path, const QString& nameFilter) const;

    QWidget* parent_;
    QStringList nameFilters_;
    std::vector<std::optional<FileType>> filterTypes_;  // a filter such as "*" has none
    qsizetype presetFilter_;
    QString lastFolder_;  // where the last file went; the next dialog opens there
};

// The design files' dialogs: Qt's file dialogs for *.toml, opening where the last design was
// opened or saved (kept in QSettings), and a Save / Discard / Cancel question.
class QtDesignPrompt final : public DesignPrompt {
    Q_DECLARE_TR_FUNCTIONS(QtDesignPrompt)

public:
    explicit QtDesignPrompt(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> askOpen() override;
    std::optional<std::string> askSaveAs(const std::string& proposedName) override;
    Unsaved askUnsaved(const std::string& designName) override;

private:
    QWidget* parent_;
};

class QtMessageBox final : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent) : parent_(parent) {}
    void show(std::string_view text) override;
    void showError(std::string_view text) override;

private:
    QWidget* parent_;
};

// The program's folder, the current working folder and the user's data folder
// (QStandardPaths::AppDataLocation, named after the application).
class QtFolders final : public Folders {
public:
    std::filesystem::path programFolder() const override;
    std::filesystem::path workingFolder() const override;
    std::filesystem::path userDataFolder() const override;
};

}  // namespace tessaro::gui
