#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "app/materials.h"

class QComboBox;
class QPushButton;

namespace tessaro::gui {

// The "Material" row: the presets of Materials.txt, of which choosing one sets its
// thickness, kerf and allowances, and "Save as…", which keeps the current
// ones under a name it asks for. The window does both through app/.
class MaterialBox final : public QWidget {
    Q_OBJECT
public:
    // Asks for the new preset's name; nothing when the user cancels.
    using NameQuestion = std::function<std::optional<QString>(QWidget& parent)>;

    explicit MaterialBox(QWidget* parent);

    // Lists the presets; `shown` is the one the box shows, none for the placeholder.
    void setMaterials(const std::vector<Material>& materials, const QString& shown = {});
    // The preset the box shows; empty for the placeholder.
    [[nodiscard]] QString shown() const;
    // Tests answer the question themselves; the window asks with an input dialog.
    void setNameQuestion(NameQuestion question) { askName_ = std::move(question); }

signals:
    void chosen(const QString& name);
    void saveAsAsked(const QString& name);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QComboBox* list_ = nullptr;
    QPushButton* saveAs_ = nullptr;
    NameQuestion askName_;
};

}  // namespace tessaro::gui
