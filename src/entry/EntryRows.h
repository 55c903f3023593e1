// What the grids of the three setup windows show, row by row, from a game.
// Row r (0-based) of the teams is team number r + 1; tours and groups stand
// in their order. The windows add the header row and the empty last row.
#pragma once

#include <optional>
#include <string>
#include <vector>

class TVemoData;

using RowTexts = std::vector<std::string>;

// Number, name, town, captain, coach and group; a team without a group shows
// "???" when the game has groups (one must still be chosen) and "-" when it
// has none.
std::vector<RowTexts> TeamRowTexts(const TVemoData& game);
// Number, question count, name.
std::vector<RowTexts> TourRowTexts(const TVemoData& game);
// Position, name.
std::vector<RowTexts> GroupRowTexts(const TVemoData& game);

// A cell of a setup grid: column from 0, row from 1 (row 0 is the header).
struct GridCell {
    int column;
    int row;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// Columns of the registration grid.
enum TeamColumn {
    kTeamNumberColumn,
    kTeamNameColumn,
    kTeamTownColumn,
    kTeamCaptainColumn,
    kTeamCoachColumn,
    kTeamGroupColumn,
};

// Where typing goes on after Enter has stored a team's cell: along the row
// (to the group with groups), then to the name of the next row; nothing
// after the last row. `lastRow` is the empty row.
std::optional<GridCell> TeamCellAfterEnter(GridCell stored, bool hasGroups, int lastRow);
