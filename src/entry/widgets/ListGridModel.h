// The texts of a list editor's grid: one row per item and the empty row
// after them, under the header. A refresh keeps the rows that stay, so the
// grid's current cell survives it.
#pragma once

#include "entry/EntryRows.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

class ListGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ListGridModel(const QStringList& headers, QObject* parent);

    // The items' rows; each holds at most one text per column.
    void SetRows(const std::vector<RowTexts>& rows);
    QString Text(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList FHeaders;
    std::vector<QString> FCells;  // row by row, the empty row included
    int FRows = 1;
};
