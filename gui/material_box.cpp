#include "gui/material_box.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QPushButton>

namespace tessaro::gui {
namespace {

std::optional<QString> askWithDialog(QWidget& parent) {
    bool confirmed = false;
    const QString name = QInputDialog::getText(&parent, MaterialBox::tr("Material"), MaterialBox::tr("Material name:"),
                                               QLineEdit::Normal, {}, &confirmed);
    return confirmed ? std::optional(name) : std::nullopt;
}

}  // namespace

MaterialBox::MaterialBox(QWidget* parent) : QWidget(parent), askName_(askWithDialog) {
    setObjectName("materialBox");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    list_ = new QComboBox;
    list_->setObjectName("material");
    row->addWidget(list_, 1);
    saveAs_ = new QPushButton;
    saveAs_->setObjectName("saveMaterialButton");
    row->addWidget(saveAs_);
    retranslate();
    connect(list_, &QComboBox::activated, this, [this](int index) { emit chosen(list_->itemText(index)); });
    connect(saveAs_, &QPushButton::clicked, this, [this] {
        if (const auto name = askName_(*this)) {
            emit saveAsAsked(*name);
        }
    });
}

void MaterialBox::retranslate() {
    list_->setToolTip(tr("A material preset: its thickness, kerf and joint allowances, kept in Materials.txt"));
    list_->setPlaceholderText(tr("Material"));
    saveAs_->setText(tr("Save as…"));
    saveAs_->setToolTip(tr("Keep the thickness, kerf and allowances as a material preset"));
}

void MaterialBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QWidget::changeEvent(event);
}

QString MaterialBox::shown() const { return list_->currentIndex() < 0 ? QString() : list_->currentText(); }

void MaterialBox::setMaterials(const std::vector<Material>& materials, const QString& shown) {
    list_->clear();
    for (const Material& material : materials) {
        list_->addItem(QString::fromStdString(material.name));
    }
    list_->setCurrentIndex(list_->findText(shown));
}

}  // namespace tessaro::gui
