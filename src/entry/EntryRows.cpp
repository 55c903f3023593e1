#include "entry/EntryRows.h"

#include "model/VemoData.h"

#include <string>

namespace {

const char kNoGroupChosen[] = "???";
const char kNoGroups[] = "-";

std::string GroupText(const TVemoData& game, const TTeamData& team) {
    if (team.Group()) return team.Group()->Name;
    return game.GroupCount() > 0 ? kNoGroupChosen : kNoGroups;
}

}  // namespace

std::vector<RowTexts> TeamRowTexts(const TVemoData& game) {
    std::vector<RowTexts> rows(static_cast<std::size_t>(game.TeamCount()));
    for (int i = 0; i < game.TeamCount(); ++i) {
        const TTeamData& team = *game.TeamByIndex(i);
        // Numbers run 1..N without gaps; a row is found by its number.
        if (team.Number < 1 || team.Number > game.TeamCount()) continue;
        rows[static_cast<std::size_t>(team.Number - 1)] = {std::to_string(team.Number), team.Name, team.Town,
                                                           team.Captain, team.Trainer, GroupText(game, team)};
    }
    return rows;
}

std::vector<RowTexts> TourRowTexts(const TVemoData& game) {
    std::vector<RowTexts> rows;
    rows.reserve(static_cast<std::size_t>(game.TourCount()));
    for (int i = 0; i < game.TourCount(); ++i)
        rows.push_back({std::to_string(i + 1), std::to_string(game.TourQuestCount(i)), game.TourName(i)});
    return rows;
}

std::vector<RowTexts> GroupRowTexts(const TVemoData& game) {
    std::vector<RowTexts> rows;
    rows.reserve(static_cast<std::size_t>(game.GroupCount()));
    for (int i = 0; i < game.GroupCount(); ++i) rows.push_back({std::to_string(i + 1), game.GroupByIndex(i)->Name});
    return rows;
}

std::optional<GridCell> TeamCellAfterEnter(GridCell stored, bool hasGroups, int lastRow) {
    if (stored.column >= kTeamNameColumn && stored.column < kTeamCoachColumn) return GridCell{stored.column + 1, stored.row};
    if (stored.column == kTeamCoachColumn && hasGroups) return GridCell{kTeamGroupColumn, stored.row};
    if (stored.row + 1 > lastRow) return std::nullopt;
    return GridCell{kTeamNameColumn, stored.row + 1};
}
