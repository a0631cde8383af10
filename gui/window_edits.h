#pragma once

#include <QObject>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/commands.h"

namespace tessaro::gui {

// Calls `changed` after every edit of the window's tables, list of cut-outs, check boxes, radio buttons,
// sheet group and kerf, for as long as `receiver` lives.
void onEveryEdit(QWidget& window, QObject& receiver, const std::function<void()>& changed);

// The template tab the window shows; nothing while a document's page is shown.
[[nodiscard]] std::optional<TemplateTab> shownTemplateTab(const QWidget& window);

// Calls `shown` each time the window turns to a template tab, for as long as `receiver` lives.
void onTemplateTabShown(QWidget& window, QObject& receiver, const std::function<void(TemplateTab)>& shown);

}  // namespace tessaro::gui
