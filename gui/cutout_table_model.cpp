#include "gui/cutout_table_model.h"

#include <QBrush>
#include <QUndoStack>
#include <algorithm>
#include <ranges>
#include <utility>

#include "gui/window_messages.h"
#include "model/face_cutouts.h"

namespace tessaro::gui {
namespace {

const QColor kMarkedCell(255, 190, 190);
// What a new row holds until the user types over it.
constexpr const char* kNewRow = "cutout front,circle,20,20,10";

QString text(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// One step of the list: its lines before and after. The first redo is the user's own edit.
class CutoutListEdit final : public QUndoCommand {
public:
    CutoutListEdit(CutoutTableModel& model, std::vector<CutoutTableModel::Line> before,
                   std::vector<CutoutTableModel::Line> after, const QString& what)
        : QUndoCommand(what), model_(model), before_(std::move(before)), after_(std::move(after)) {}
    void undo() override { model_.restore(before_, true); }
    void redo() override {
        model_.restore(after_, done_);
        done_ = true;
    }

private:
    CutoutTableModel& model_;
    std::vector<CutoutTableModel::Line> before_;
    std::vector<CutoutTableModel::Line> after_;
    bool done_ = false;
};

}  // namespace

CutoutTableModel::CutoutTableModel(Workbench& wb, QUndoStack& history, QObject* parent)
    : QAbstractTableModel(parent), wb_(wb), history_(history) {
    readRows();
}

void CutoutTableModel::setList(const std::vector<std::string>& lines) {
    std::vector<Line> read;
    for (const std::string& line : lines) {
        read.push_back({line, isCutoutEntry(line)});
    }
    restore(read, false);
}

std::vector<std::string> CutoutTableModel::list() const {
    std::vector<std::string> texts;
    for (const Line& line : lines_) {
        texts.push_back(line.text);
    }
    return texts;
}

void CutoutTableModel::addRow() {
    std::vector<Line> after = lines_;
    after.push_back({kNewRow, true});
    push(std::move(after), tr("Add a cut-out"));
}

void CutoutTableModel::removeRow(int row) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    std::vector<Line> after = lines_;
    after.erase(after.begin() + static_cast<std::ptrdiff_t>(lineOf(row)));
    push(std::move(after), tr("Remove a cut-out"));
}

void CutoutTableModel::push(std::vector<Line> after, const QString& what) {
    history_.push(new CutoutListEdit(*this, lines_, std::move(after), what));
}

void CutoutTableModel::restore(const std::vector<Line>& lines, bool fromHistory) {
    const int before = rowCount();
    std::vector<std::string> shownBefore;
    for (const int row : std::views::iota(0, before)) {
        shownBefore.push_back(lines_[lineOf(row)].text);
    }
    if (std::ranges::count(lines, true, &Line::shown) == before) {
        lines_ = lines;
        readRows();
        if (before > 0) {
            emit dataChanged(index(0, 0), index(before - 1, kCutoutColumns - 1));
        }
    } else {
        beginResetModel();
        lines_ = lines;
        readRows();
        endResetModel();
    }
    emit listChanged();
    if (fromHistory && rowCount() > 0) {
        // The first row that differs: the one edited, put back or after the one removed.
        int row = 0;
        while (row < rowCount() - 1 && row < before && shownBefore[row] == lines_[lineOf(row)].text) {
            ++row;
        }
        emit rowRestored(row);
    }
}

// The rows, why each that does not read fails, and the workbench's cut-outs: those that read.
void CutoutTableModel::readRows() {
    rows_.clear();
    problems_.clear();
    refused_.reset();  // until the next drawing says again
    wb_.cutouts.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!lines_[i].shown) {
            continue;
        }
        rows_.push_back(i);
        problems_.push_back(cutoutLineProblem(lines_[i].text));
        if (!problems_.back()) {
            wb_.cutouts.push_back(parseCutoutLine(lines_[i].text));
        }
    }
}

void CutoutTableModel::markRefused(const std::string& drawingError) {
    std::optional<std::pair<int, std::string>> refused;
    for (int row = 0; row < rowCount() && !refused; ++row) {
        if (!problems_[row] && drawingError.starts_with(cutoutLine(parseCutoutLine(lines_[lineOf(row)].text)) + ": ")) {
            refused.emplace(row, drawingError);
        }
    }
    if (refused == refused_) {
        return;
    }
    const auto unmarked = std::exchange(refused_, std::move(refused));
    for (const auto& mark : {unmarked, refused_}) {
        if (mark && mark->first < rowCount()) {
            emit dataChanged(index(mark->first, XColumn), index(mark->first, SizesColumn),
                             {Qt::BackgroundRole, Qt::ToolTipRole});
        }
    }
}

int CutoutTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CutoutTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kCutoutColumns; }

QVariant CutoutTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const std::optional<CutoutLineProblem>& problem = problems_.at(index.row());
    const bool refused =
        refused_ && refused_->first == index.row() && index.column() >= XColumn && index.column() <= SizesColumn;
    const bool marked = refused || (problem && problem->column == index.column());
    const std::string& why = refused ? refused_->second : marked ? problem->message : std::string();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return text(cutoutCells(lines_.at(lineOf(index.row())).text).at(index.column()));
    case Qt::BackgroundRole: return marked ? QVariant(QBrush(kMarkedCell)) : QVariant();
    case Qt::ToolTipRole: return marked ? QVariant(windowMessage(why)) : QVariant();
    default: return {};
    }
}

QVariant CutoutTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    }
    if (role == Qt::DisplayRole) {
        switch (section) {
        case KindColumn: return tr("Kind");
        case FaceColumn: return tr("Face");
        case ShapeColumn: return tr("Shape");
        case XColumn: return tr("X, mm");
        case YColumn: return tr("Y, mm");
        case SizesColumn: return tr("Sizes, mm");
        case TextColumn: return tr("Text");
        default: return {};
        }
    }
    if (role == Qt::ToolTipRole) {
        switch (section) {
        case KindColumn: return tr("cutout, vent or label");
        case FaceColumn: return tr("front, rear, left, right, bottom or lid");
        case ShapeColumn: return tr("circle, rect or slot for a cut-out; slots or holes for a vent");
        case XColumn:
        case YColumn:
            return tr(
                "The centre from the lower-left corner of the face seen from outside; the bottom and "
                "the lid seen from above");
        case SizesColumn:
            return tr(
                "circle: diameter; rect: width,height[,radius]; slot: length,width; "
                "vent: width,height[,pitch,size]; label: letter height");
        case TextColumn: return tr("The label's text");
        default: return {};
        }
    }
    return {};
}

bool CutoutTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    const QByteArray typed = value.toString().toUtf8();
    if (takesOneField(CutoutColumn(index.column())) && typed.contains(',')) {
        return false;  // "1,5" in X would move the sizes along and read as another cut-out
    }
    const std::size_t at = lineOf(index.row());
    CutoutCells cells = cutoutCells(lines_[at].text);
    if (cells.at(index.column()) == typed.toStdString()) {  // an editor closed unchanged is no edit to undo
        return true;
    }
    cells.at(index.column()) = typed.toStdString();
    std::vector<Line> after = lines_;
    after[at].text = cutoutLineOf(cells);
    push(std::move(after), tr("Edit a cut-out"));
    return true;
}

// A label has no shape, and only a label has text.
Qt::ItemFlags CutoutTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    const bool label = cutoutCells(lines_.at(lineOf(index.row())).text)[KindColumn] == kindName(CutoutKind::Label);
    if ((index.column() == ShapeColumn && label) || (index.column() == TextColumn && !label)) {
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

}  // namespace tessaro::gui
