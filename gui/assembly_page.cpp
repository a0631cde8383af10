#include "gui/assembly_page.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "gui/assembly_view.h"
#include "gui/preview_widget.h"
#include "output/number_text.h"

namespace tessaro::gui {
namespace {

// Parts moved apart by a third of the box's largest size still read as one box.
constexpr double kExplodedShare = 0.3;
constexpr int kLeastExplodedRange = 20;

QString sizeText(const Bounds3& b) {
    const Vec3 size = b.high - b.low;
    return QString::fromStdString(fixedText(size.x, 2) + " × " + fixedText(size.y, 2) + " × " + fixedText(size.z, 2));
}

}  // namespace

int explodedRange(const AssemblyScene& scene) {
    const Vec3 size = scene.bounds.high - scene.bounds.low;
    return std::max(kLeastExplodedRange,
                    static_cast<int>(std::lround(kExplodedShare * std::max({size.x, size.y, size.z}))));
}

AssemblyPage::AssemblyPage(QWidget* parent) : QWidget(parent) {
    setObjectName("AssemblyPage");
    fit_ = new QPushButton(this);
    fit_->setObjectName("AssemblyFitButton");
    explodedLabel_ = new QLabel(this);
    explodedLabel_->setObjectName("ExplodedLabel");
    exploded_ = new QSlider(Qt::Horizontal, this);
    exploded_->setObjectName("ExplodedSlider");
    exploded_->setRange(0, kLeastExplodedRange);
    exploded_->setMinimumWidth(200);
    caption_ = new QLabel(this);
    caption_->setObjectName("AssemblyCaption");
    caption_->setWordWrap(true);
    note_ = new QLabel(this);
    note_->setObjectName("AssemblyNote");
    note_->setAlignment(Qt::AlignCenter);
    note_->setWordWrap(true);
    body_ = new QStackedWidget(this);
    body_->addWidget(new QWidget(body_));  // where the view goes when the page is first shown
    body_->addWidget(note_);

    auto* bar = new QHBoxLayout;
    bar->addWidget(fit_);
    bar->addSpacing(12);
    bar->addWidget(explodedLabel_);
    bar->addWidget(exploded_);
    bar->addSpacing(12);
    bar->addWidget(caption_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(body_, 1);

    connect(exploded_, &QSlider::valueChanged, this, [this](int millimetres) {
        if (view_) {
            view_->setExploded(millimetres);
        }
        refresh();
    });
    connect(fit_, &QPushButton::clicked, this, [this] {
        if (view_) {
            view_->showWhole();
        }
    });
    retranslate();
}

void AssemblyPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Without OpenGL the page keeps its blank placeholder.
    if (!view_ && openGlAvailable()) {
        QWidget* placeholder = body_->widget(0);
        view_ = new AssemblyView;
        QWidget* container = QWidget::createWindowContainer(view_, body_);
        container->setObjectName("AssemblyViewContainer");
        body_->insertWidget(0, container);
        delete placeholder;
        view_->setScene(scene_);
        view_->setExploded(exploded_->value());
        refresh();
    }
    emit wanted();
}

void AssemblyPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QWidget::changeEvent(event);
}

QString AssemblyPage::boxesOnly() {
    return tr("The 3D view shows the boxes: open the \"Folding box\" or the \"Simple box\" tab.");
}

void AssemblyPage::retranslate() {
    // Room for the widest value, so the slider does not jump as it moves.
    explodedLabel_->setMinimumWidth(explodedLabel_->fontMetrics().horizontalAdvance(tr("Exploded: %1 mm").arg(9999)));
    fit_->setText(tr("Fit"));
    fit_->setToolTip(tr("Drag to turn, the wheel zooms, a double click shows the first view"));
    exploded_->setToolTip(tr("Move the parts apart along their faces to see the joints"));
    note_->setText(boxesOnly());
    refresh();
}

void AssemblyPage::showScene(std::shared_ptr<const AssemblyScene> scene) {
    scene_ = std::move(scene);
    problem_.clear();
    noBox_ = false;
    exploded_->setMaximum(explodedRange(*scene_));
    if (view_) {
        view_->setScene(scene_);
    }
    refresh();
}

void AssemblyPage::showProblem(const QString& problem) {
    problem_ = problem;
    noBox_ = false;
    refresh();
}

void AssemblyPage::showNoBox() {
    noBox_ = true;
    problem_.clear();
    refresh();
}

QString AssemblyPage::caption() const {
    if (noBox_) {
        return boxesOnly();
    }
    if (!problem_.isEmpty() || !scene_) {
        return problem_;
    }
    QString text = sizeText(scene_->bounds) + " " + PreviewWidget::tr("mm");
    if (!scene_->tightJoints.empty()) {
        text += ", " + tr("tight joints: %1 (in red)").arg(scene_->tightJoints.size());
    }
    return text;
}

void AssemblyPage::refresh() {
    explodedLabel_->setText(tr("Exploded: %1 mm").arg(exploded_->value()));
    body_->setCurrentIndex(noBox_ ? 1 : 0);
    caption_->setText(noBox_ ? QString() : caption());
    const bool warning = !problem_.isEmpty() || (scene_ && !scene_->tightJoints.empty());
    caption_->setStyleSheet(warning ? "color: darkred" : "");
    fit_->setEnabled(!noBox_);
    exploded_->setEnabled(!noBox_);
}

}  // namespace tessaro::gui
