#include "gui/param_table_model.h"

#include <QBrush>
#include <QPalette>
#include <QUndoStack>

#include "gui/cell_edit.h"

namespace tessaro::gui {
namespace {

const QColor kMarkedCell(255, 190, 190);

}  // namespace

void ParamTableModel::reload() {
    beginResetModel();
    endResetModel();
}

void ParamTableModel::setMarkedRow(int row) {
    if (row == markedRow_) {
        return;
    }
    const int before = markedRow_;
    markedRow_ = row;
    for (int changed : {before, row}) {
        if (changed >= 0) {
            emit dataChanged(index(changed, 1), index(changed, 1), {Qt::BackgroundRole});
        }
    }
}

int ParamTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : table_.rowCount(); }

int ParamTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.columnCount();
}

QVariant ParamTableModel::data(const QModelIndex& index, int role) const {
    const bool fixed = index.row() == 0 || index.column() == 0;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return QString::fromStdString(table_.cell(index.column(), index.row()));
    case Qt::BackgroundRole:
        if (index.column() == 1 && index.row() == markedRow_) {
            return QBrush(kMarkedCell);
        }
        return fixed ? QVariant(QPalette().brush(QPalette::Button)) : QVariant();
    case Qt::ForegroundRole:
        return index.column() == 0 && blueRows_.count(index.row()) ? QVariant(QBrush(Qt::blue)) : QVariant();
    default: return {};
    }
}

bool ParamTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    const QString oldText = data(index, Qt::EditRole).toString();
    const QString newText = value.toString();
    if (newText != oldText) {  // an editor closed unchanged is no edit to undo
        history_.push(new CellEdit(*this, index.row(), index.column(), oldText, newText));
    }
    return true;
}

void ParamTableModel::writeCell(const QModelIndex& index, const QString& text) {
    table_.setCell(index.column(), index.row(), text.toStdString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
}

void ParamTableModel::restoreCell(const QModelIndex& index, const QString& text) {
    writeCell(index, text);
    emit cellRestored(index.row(), index.column());
}

Qt::ItemFlags ParamTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    if (index.row() == 0 || index.column() == 0) {
        return Qt::ItemIsEnabled;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

}  // namespace tessaro::gui
