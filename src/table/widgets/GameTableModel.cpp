#include "table/widgets/GameTableModel.h"

#include "ui/text/AnsiText.h"


bool GameTableModel::Rebuild(TVemoData& game, TableOptions& options) {
    const bool content = FSpare.Build(game, options);
    const bool sameShape = FSpare.RowCount() == FMatrix.RowCount() && FSpare.ColumnCount() == FMatrix.ColumnCount();
    if (sameShape) {
        std::swap(FMatrix, FSpare);
        if (FMatrix.RowCount() > 0 && FMatrix.ColumnCount() > 0)
            emit dataChanged(index(0, 0), index(FMatrix.RowCount() - 1, FMatrix.ColumnCount() - 1));
    } else {
        beginResetModel();
        std::swap(FMatrix, FSpare);
        endResetModel();
    }
    return content;
}

void GameTableModel::Clear() {
    beginResetModel();
    FMatrix.Clear();
    FSpare.Clear();
    endResetModel();
}

int GameTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FMatrix.RowCount();
}

int GameTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FMatrix.ColumnCount();
}

QVariant GameTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const TableCell& cell = FMatrix.Cell(index.column(), index.row());
    switch (role) {
        case Qt::DisplayRole: return FromAnsi(cell.Text);
        case FixedRole: return cell.Fixed;
        case TeamHeaderRole: return FMatrix.IsTeamHeader(index.column(), index.row());
        default: return {};
    }
}

Qt::ItemFlags GameTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    if (FMatrix.Cell(index.column(), index.row()).Fixed) return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
