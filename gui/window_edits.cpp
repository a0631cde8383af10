#include "gui/window_edits.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QTabWidget>

#include "gui/cutout_table_model.h"
#include "gui/kerf_field.h"
#include "gui/param_table_model.h"
#include "gui/sheet_group.h"

namespace tessaro::gui {
namespace {

bool editsText(const QList<int>& roles) {
    return roles.isEmpty() || roles.contains(Qt::EditRole) || roles.contains(Qt::DisplayRole);
}

QTabWidget& tabsOf(const QWidget& window) { return *window.findChild<QTabWidget*>("tabs"); }

// The template tab a page of the tab widget is; nothing for the documents' pages.
std::optional<TemplateTab> templateTabOf(const QWidget* page) {
    for (const TabRule& rule : templateTabs()) {
        if (page && page->objectName() ==
                        QString::fromUtf8(rule.objectName.data(), static_cast<qsizetype>(rule.objectName.size()))) {
            return rule.tab;
        }
    }
    return std::nullopt;
}

}  // namespace

void onEveryEdit(QWidget& window, QObject& receiver, const std::function<void()>& changed) {
    for (ParamTableModel* model : window.findChildren<ParamTableModel*>()) {
        QObject::connect(model, &QAbstractItemModel::dataChanged, &receiver,
                         [changed](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                             if (editsText(roles)) {
                                 changed();
                             }
                         });
        QObject::connect(model, &QAbstractItemModel::modelReset, &receiver, changed);
    }
    for (CutoutTableModel* cutouts : window.findChildren<CutoutTableModel*>()) {
        QObject::connect(cutouts, &CutoutTableModel::listChanged, &receiver, changed);
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->isCheckable()) {
            QObject::connect(button, &QAbstractButton::toggled, &receiver, changed);
        }
    }
    for (QGroupBox* group : window.findChildren<QGroupBox*>()) {
        if (group->isCheckable()) {
            QObject::connect(group, &QGroupBox::toggled, &receiver, changed);
        }
    }
    for (SheetGroup* sheet : window.findChildren<SheetGroup*>()) {
        QObject::connect(sheet, &SheetGroup::edited, &receiver, changed);
    }
    for (KerfField* kerf : window.findChildren<KerfField*>()) {
        QObject::connect(kerf, &KerfField::kerfChanged, &receiver, changed);
    }
}

std::optional<TemplateTab> shownTemplateTab(const QWidget& window) {
    return templateTabOf(tabsOf(window).currentWidget());
}

void onTemplateTabShown(QWidget& window, QObject& receiver, const std::function<void(TemplateTab)>& shown) {
    QTabWidget& tabs = tabsOf(window);
    QObject::connect(&tabs, &QTabWidget::currentChanged, &receiver, [&tabs, shown](int index) {
        if (const auto tab = templateTabOf(tabs.widget(index))) {
            shown(*tab);
        }
    });
}

}  // namespace tessaro::gui
