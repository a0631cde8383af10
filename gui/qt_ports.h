#pragma once

#include <QString>
#include <QStringList>

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
};

class QtMessageBox final : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent) : parent_(parent) {}
    void show(std::string_view text) override;
    void showError(std::string_view text) override;

private:
    QWidget* parent_;
};

}  // namespace tessaro::gui
