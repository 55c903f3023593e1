// Every cell of the game table as it will be shown, built from the game
// and the table options: the team columns in front, one column per window
// question, one or two header rows, one row per team in view. Plain data,
// so the rules of the table are checked without a screen.
#pragma once

#include "settings/TableOptions.h"

#include <string>
#include <vector>

class TVemoData;

struct TableCell {
    std::string Text;  // Windows-1251
    bool Fixed = false;
};

class CellMatrix {
public:
    static constexpr int kDefaultRowHeight = 18;
    static constexpr int kQuestionColumnWidth = 30;

    // Rebuilds everything. When no team column is chosen, OutTeam is
    // switched on in `options`. False (and an empty matrix) when the game has neither a
    // question in the window nor a team in view.
    bool Build(TVemoData& game, TableOptions& options);
    void Clear();

    int ColumnCount() const { return FColumns; }
    int RowCount() const { return FRows; }
    int FixedColumnCount() const { return FFixedColumns; }
    int FixedRowCount() const { return FFixedRows; }
    const TableCell& Cell(int column, int row) const { return FCells[Index(column, row)]; }
    const std::vector<int>& ColumnWidths() const { return FColumnWidths; }
    // The header cells of the team columns, drawn bold.
    bool IsTeamHeader(int column, int row) const {
        return column < FFixedColumns && row == FFixedRows - 1;
    }

    // The table row (below the header rows) of team in view i.
    int RowOfTeam(int i) const;
    // The first team in view whose row is `row` (below the header rows), or -1.
    int TeamAtRow(int row) const;

private:
    std::size_t Index(int column, int row) const {
        return static_cast<std::size_t>(column) * static_cast<std::size_t>(FRows) + static_cast<std::size_t>(row);
    }
    TableCell& At(int column, int row) { return FCells[Index(column, row)]; }
    // False for a team whose place from an earlier count lies outside the
    // rows (its places are stale until the next count).
    bool HasRow(int i) const {
        return FRowOfTeam[i] >= 0 && FRowOfTeam[i] < static_cast<int>(FRowOfTeam.size());
    }
    void BuildRowMap(const TVemoData& game, bool sorted);
    void FillQuestionColumns(const TVemoData& game);
    void FillTeamColumns(const TVemoData& game, const TableOptions& options);

    int FColumns = 0;
    int FRows = 0;
    int FFixedColumns = 0;
    int FFixedRows = 0;
    std::vector<TableCell> FCells;  // column after column
    std::vector<int> FColumnWidths;
    std::vector<int> FRowOfTeam;    // by position in view
    std::vector<int> FTeamAtRow;    // by row below the headers; -1 for none
};
