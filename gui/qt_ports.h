#pragma once

#include <QString>
#include <QStringList>

#include "app/folders.h"
#include "app/save_dialog.h"
#include "model/ports.h"

class QWidget;

namespace tessaro::gui {

// The common save dialog over QFileDialog. It keeps the last chosen type as the
// preset of the next command, and adds the chosen type's extension to a name that
// has none of the known ones.
class QtSaveDialog final : public SaveDialog {
public:
    // filter: "description|pattern|description|pattern…", file type 1 first.
    QtSaveDialog(QWidget* parent, const QString& filter, int presetType);
    std::optional<SaveChoice> ask(const std::string& proposedName) override;

private:
    [[nodiscard]] QString withExtension(const QString& path) const;

    QWidget* parent_;
    QStringList nameFilters_;
    QStringList extensions_;
    int lastType_;
    QString lastFolder_;  // where the last file went; the next dialog opens there
};

class QtMessageBox final : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent) : parent_(parent) {}
    void show(std::string_view text) override;
    void showError(std::string_view text) override;

private:
    QWidget* parent_;
};

// The program's folder (where the table files are written at close) and the current
// working folder (where they are read at start).
class QtFolders final : public Folders {
public:
    std::filesystem::path programFolder() const override;
    std::filesystem::path workingFolder() const override;
};

}  // namespace tessaro::gui
