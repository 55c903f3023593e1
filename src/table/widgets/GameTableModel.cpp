#include "table/widgets/GameTableModel.h"

#include "ui/text/AnsiText.h"

bool GameTableModel::Rebuild(const TVemoData& game, TableOptions& options) {
    CellMatrix next;
    const bool content = next.Build(game, options);
    if (next.RowCount() == FMatrix.RowCount() && next.ColumnCount() == FMatrix.ColumnCount()) {
        FMatrix = std::move(next);
        if (FMatrix.RowCount() > 0 && FMatrix.ColumnCount() > 0)
            emit dataChanged(index(0, 0), index(FMatrix.RowCount() - 1, FMatrix.ColumnCount() - 1));
    } else {
        beginResetModel();
        FMatrix = std::move(next);
        endResetModel();
    }
    return content;
}

void GameTableModel::Clear() {
    beginResetModel();
    FMatrix.Clear();
    endResetModel();
}

int GameTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : FMatrix.RowCount(); }

int GameTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FMatrix.ColumnCount();
}

QVariant GameTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole: return FromAnsi(FMatrix.Text(index.column(), index.row()));
        case FixedRole: return FMatrix.IsFixed(index.column(), index.row());
        case TeamHeaderRole: return FMatrix.IsTeamHeader(index.column(), index.row());
        default: return {};
    }
}

Qt::ItemFlags GameTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    if (FMatrix.IsFixed(index.column(), index.row())) return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
