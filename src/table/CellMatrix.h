// The game table's content, built from the game and the table options: the
// team columns in front, one column per window question, one or two header
// rows, one row per team in view. A build settles which team stands in each
// row and what each column shows; a cell's text is read from the counted
// game when the cell is shown. So a scorer's click costs the row order and
// the question ratings, not a text for each of the table's cells. Plain
// data, so the rules of the table are checked without a screen.
//
// The matrix reads the game it was built from: build it again (or clear it)
// whenever that game changes or is replaced.
#pragma once

#include "settings/TableOptions.h"

#include <string>
#include <vector>

class TTeamData;
class TVemoData;

struct TableCell {
    std::string Text;  // Windows-1251
    bool Fixed = false;
};

class CellMatrix {
public:
    static constexpr int kDefaultRowHeight = 18;
    static constexpr int kQuestionColumnWidth = 30;

    // When no team column is chosen, OutTeam is switched on in `options`.
    // False (and an empty matrix) when the game has neither a question in
    // the window nor a team in view.
    bool Build(const TVemoData& game, TableOptions& options);
    void Clear();

    int ColumnCount() const { return FFixedColumns + FQuestions; }
    int RowCount() const { return FFixedRows + static_cast<int>(FRowTeams.size()); }
    int FixedColumnCount() const { return FFixedColumns; }
    int FixedRowCount() const { return FFixedRows; }
    bool IsFixed(int column, int row) const { return column < FFixedColumns || row < FFixedRows; }
    std::string Text(int column, int row) const;
    TableCell Cell(int column, int row) const { return {Text(column, row), IsFixed(column, row)}; }
    const std::vector<int>& ColumnWidths() const { return FColumnWidths; }
    // The header cells of the team columns, drawn bold.
    bool IsTeamHeader(int column, int row) const { return column < FFixedColumns && row == FFixedRows - 1; }

    // The team in a row below the header rows, or nullptr.
    TTeamData* TeamOfRow(int row) const;
    // The table row (below the header rows) of team in view i; 0 when there is none.
    int RowOfTeam(int i) const;
    // The index among the teams in view of the team in a row, or -1.
    int TeamAtRow(int row) const;

private:
    void BuildRows(const TVemoData& game, bool sorted);

    const TVemoData* FGame = nullptr;
    int FFixedColumns = 0;
    int FFixedRows = 0;
    int FQuestions = 0;
    std::vector<TTeamData*> FRowTeams;        // by row below the headers
    std::vector<DisplayOption> FTeamColumns;  // by team column
    std::vector<int> FRatings;                // by window question
    std::vector<int> FColumnWidths;
};
