#pragma once

#include <QWidget>

#include "model/workbench.h"

class QLabel;
class QLineEdit;

namespace tessaro::gui {

// The "Kerf" field: the beam's width in millimetres, typed as a value cell is and
// read by the number rule. A width it takes becomes the workbench's kerf at once, so the
// preview follows; a text it refuses is kept as typed, and refused again when a template
// is made.
class KerfField final : public QWidget {
    Q_OBJECT
public:
    KerfField(Workbench& wb, QWidget* parent);

    // Sets the workbench's kerf from the text; throws ConversionError for a text refused.
    void apply();
    // The text as typed.
    [[nodiscard]] QString text() const;
    // Shows a kerf's text and makes it the workbench's, as typing it does.
    void setText(const QString& text);

signals:
    // The workbench's kerf changed.
    void kerfChanged();
    // The text typed is no kerf: the number rule's message.
    void kerfRefused(const QString& message);

protected:
    void changeEvent(QEvent* event) override;

private:
    void edited();
    void retranslate();

    Workbench& wb_;
    QLabel* label_ = nullptr;
    QLineEdit* edit_ = nullptr;
};

}  // namespace tessaro::gui
