#include "gui/reading_order.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>
#include <algorithm>
#include <tuple>

namespace tessaro::gui {
namespace {

bool takesTab(const QWidget* widget) {
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->focusProxy() == nullptr;
}

int columnOf(const QWidget* widget, const std::vector<int>& columnStarts) {
    return static_cast<int>(
        std::count_if(columnStarts.begin(), columnStarts.end(), [widget](int start) { return widget->x() >= start; }));
}

void collect(const QWidget& area, const std::vector<int>& columnStarts, std::vector<QWidget*>& out) {
    QList<QWidget*> children = area.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::stable_sort(children.begin(), children.end(), [&columnStarts](const QWidget* a, const QWidget* b) {
        return std::tuple(columnOf(a, columnStarts), a->y(), a->x()) <
               std::tuple(columnOf(b, columnStarts), b->y(), b->x());
    });
    for (QWidget* child : children) {
        if (child->isWindow()) {
            continue;
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(child)) {
            out.push_back(tabs->tabBar());
            for (int page = 0; page < tabs->count(); ++page) {
                collect(*tabs->widget(page), {}, out);
            }
            continue;
        }
        if (takesTab(child)) {
            out.push_back(child);
        }
        // A control that takes the focus is one stop, its parts not; a group box holds its own.
        if (!takesTab(child) || qobject_cast<QGroupBox*>(child) != nullptr) {
            collect(*child, {}, out);
        }
    }
}

}  // namespace

std::vector<QWidget*> controlsInReadingOrder(const QWidget& form, const std::vector<int>& columnStarts) {
    std::vector<QWidget*> controls;
    collect(form, columnStarts, controls);
    return controls;
}

QWidget* nextInReadingOrder(const QWidget& form, const std::vector<int>& columnStarts, const QWidget* focus,
                            bool forward) {
    std::vector<QWidget*> stops = controlsInReadingOrder(form, columnStarts);
    std::erase_if(stops, [](const QWidget* control) {
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        const bool uncheckedRadio = button && button->autoExclusive() && !button->isChecked();
        return !control->isVisible() || !control->isEnabled() || uncheckedRadio;
    });
    const auto at = std::find_if(stops.begin(), stops.end(), [focus](const QWidget* control) {
        return control == focus || control->isAncestorOf(focus);
    });
    if (at == stops.end()) {
        return nullptr;
    }
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    const std::ptrdiff_t step = forward ? 1 : -1;
    return stops[static_cast<std::size_t>(((at - stops.begin() + step) % count + count) % count)];
}

}  // namespace tessaro::gui
