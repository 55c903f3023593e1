// The cell matrix as the one item model both grids of the game table show.
// Cells are read from the game as the grids paint them, so a rebuild costs
// the grids' repaint of what is visible.
#pragma once

#include "table/CellMatrix.h"

#include <QAbstractTableModel>

class GameTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        FixedRole = Qt::UserRole + 1,  // bool: a header row or a team column
        TeamHeaderRole,                // bool: a team column's header, drawn bold
    };

    using QAbstractTableModel::QAbstractTableModel;

    // Builds the matrix anew. Views keep their current cell when the size
    // stays, which is the case for every mark toggled.
    bool Rebuild(const TVemoData& game, TableOptions& options);
    void Clear();
    const CellMatrix& Matrix() const { return FMatrix; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    CellMatrix FMatrix;
};
