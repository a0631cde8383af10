#pragma once

#include <QAbstractListModel>
#include <functional>
#include <optional>

#include "output/line_list.h"

namespace tessaro::gui {

// A read-only view of a document written on demand: the lines are made when a view first
// asks for them, and turned into text only when they are painted, so a document of a
// million lines costs the window nothing until its page is looked at.
class LineListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    LineListModel(std::function<LineList()> write, QObject* parent = nullptr)
        : QAbstractListModel(parent), write_(std::move(write)) {}

    // The document has changed: it is written again when next asked for.
    void reload();
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const LineList& lines() const;

    std::function<LineList()> write_;
    mutable std::optional<LineList> lines_;
};

}  // namespace tessaro::gui
