#include "gui/kerf_field.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/error_text.h"
#include "app/kerf_setting.h"
#include "gui/window_messages.h"
#include "model/number_parse.h"

namespace tessaro::gui {

KerfField::KerfField(Workbench& wb, QWidget* parent) : QWidget(parent), wb_(wb) {
    setObjectName("kerf");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 0, 0, 0);
    row->setSpacing(3);
    label_ = new QLabel;
    row->addWidget(label_);
    edit_ = new QLineEdit("0");
    edit_->setObjectName("kerfEdit");
    row->addWidget(edit_, 1);
    connect(edit_, &QLineEdit::textEdited, this, &KerfField::edited);
    retranslate();
}

void KerfField::retranslate() {
    label_->setText(tr("Kerf, mm"));
    edit_->setToolTip(
        tr("The beam's width, mm: outer cuts are offset outward and inner cuts inward by half of it, so the parts "
           "come off the cutter as drawn; 0: none"));
}

void KerfField::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QWidget::changeEvent(event);
}

void KerfField::apply() { wb_.kerf = parseKerf(edit_->text().toStdString()); }

QString KerfField::text() const { return edit_->text(); }

void KerfField::setText(const QString& text) {
    edit_->setText(text);
    edited();
}

void KerfField::edited() {
    const double before = wb_.kerf;
    try {
        apply();
    } catch (const ConversionError& e) {
        emit kerfRefused(windowMessage(errorBoxText(e)));
        return;
    }
    if (wb_.kerf != before) {
        emit kerfChanged();
    }
}

}  // namespace tessaro::gui
