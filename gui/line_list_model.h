#pragma once

#include <QAbstractListModel>

#include "output/line_list.h"

namespace tessaro::gui {

// A read-only view of a document: lines are turned into text only when they are
// painted, so a document of a million lines costs the window nothing.
class LineListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    LineListModel(const LineList& lines, QObject* parent = nullptr) : QAbstractListModel(parent), lines_(lines) {}

    void reload();
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const LineList& lines_;
};

}  // namespace tessaro::gui
