#include "gui/line_list_model.h"

namespace tessaro::gui {

void LineListModel::reload() {
    beginResetModel();
    lines_.reset();
    endResetModel();
}

const LineList& LineListModel::lines() const {
    if (!lines_) {
        lines_ = write_();
    }
    return *lines_;
}

int LineListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines().size());
}

QVariant LineListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) {
        return {};
    }
    const std::string_view line = lines()[static_cast<std::size_t>(index.row())];
    return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}

}  // namespace tessaro::gui
