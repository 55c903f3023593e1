#include "entry/widgets/ListGridModel.h"

#include "ui/text/AnsiText.h"

ListGridModel::ListGridModel(const QStringList& headers, QObject* parent)
    : QAbstractTableModel(parent), FHeaders(headers), FCells(static_cast<std::size_t>(headers.size())) {}

void ListGridModel::SetRows(const std::vector<RowTexts>& rows) {
    const int columns = static_cast<int>(FHeaders.size());
    const int newRows = static_cast<int>(rows.size()) + 1;
    std::vector<QString> cells(static_cast<std::size_t>(newRows * columns));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size() && c < static_cast<std::size_t>(columns); ++c)
            cells[r * static_cast<std::size_t>(columns) + c] = FromAnsi(rows[r][c]);

    const int oldRows = FRows;
    if (newRows > oldRows) beginInsertRows({}, oldRows, newRows - 1);
    if (newRows < oldRows) beginRemoveRows({}, newRows, oldRows - 1);
    FCells = std::move(cells);
    FRows = newRows;
    if (newRows > oldRows) endInsertRows();
    if (newRows < oldRows) endRemoveRows();
    const int kept = std::min(oldRows, newRows);
    emit dataChanged(index(0, 0), index(kept - 1, columns - 1), {Qt::DisplayRole});
}

QString ListGridModel::Text(int row, int column) const {
    if (row < 0 || row >= FRows || column < 0 || column >= FHeaders.size()) return {};
    return FCells[static_cast<std::size_t>(row * FHeaders.size() + column)];
}

int ListGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : FRows; }

int ListGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(FHeaders.size());
}

QVariant ListGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return Text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant ListGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= FHeaders.size()) return {};
    if (role == Qt::DisplayRole) return FHeaders[section];
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}
