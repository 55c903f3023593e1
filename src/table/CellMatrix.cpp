#include "table/CellMatrix.h"

#include "base/TransCodes.h"
#include "model/VemoData.h"

#include <algorithm>
#include <array>

namespace {

struct TeamColumn {
    DisplayOption option;
    std::string header;  // Windows-1251
    int width;
    std::string (*value)(const TTeamData&);
};

std::string Number(int value) { return std::to_string(value); }

// The team columns in their order on screen.
const std::array<TeamColumn, 9>& TeamColumns() {
    using TransCodes::Utf8ToAnsi;
    static const std::array<TeamColumn, 9> columns = {{
        {DisplayOption::OutNTeam, "N", 25, [](const TTeamData& t) { return Number(t.Number); }},
        {DisplayOption::OutTeam, Utf8ToAnsi("Команда"), 160, [](const TTeamData& t) { return t.Name; }},
        {DisplayOption::OutTown, Utf8ToAnsi("Город"), 80, [](const TTeamData& t) { return t.Town; }},
        {DisplayOption::OutCapt, Utf8ToAnsi("Капитан"), 80, [](const TTeamData& t) { return t.Captain; }},
        {DisplayOption::OutCoach, Utf8ToAnsi("Тренер"), 80, [](const TTeamData& t) { return t.Trainer; }},
        {DisplayOption::OutPlace, Utf8ToAnsi("М"), 30, [](const TTeamData& t) { return Number(t.Place); }},
        {DisplayOption::OutScore, Utf8ToAnsi("О"), 30, [](const TTeamData& t) { return Number(t.Score); }},
        {DisplayOption::OutSumRating, Utf8ToAnsi("Рейт."), 30, [](const TTeamData& t) { return Number(t.RatScore); }},
        {DisplayOption::OutQuest, Utf8ToAnsi("Взят."), 30, [](const TTeamData& t) { return Number(t.TotalTaken); }},
    }};
    return columns;
}

const TeamColumn& ColumnOf(DisplayOption option) {
    return *std::find_if(TeamColumns().begin(), TeamColumns().end(),
                         [option](const TeamColumn& c) { return c.option == option; });
}

}  // namespace

void CellMatrix::Clear() {
    FGame = nullptr;
    FFixedColumns = FFixedRows = FQuestions = 0;
    FRowTeams.clear();
    FTeamColumns.clear();
    FRatings.clear();
    FColumnWidths.clear();
}

bool CellMatrix::Build(const TVemoData& game, TableOptions& options) {
    Clear();
    if (game.WindowQuestionCount() == 0 && game.ActiveTeamCount() == 0) return false;
    FGame = &game;
    for (const TeamColumn& c : TeamColumns())
        if (options[c.option]) FTeamColumns.push_back(c.option);
    if (FTeamColumns.empty()) {
        options[DisplayOption::OutTeam] = true;
        FTeamColumns.push_back(DisplayOption::OutTeam);
    }
    FFixedColumns = static_cast<int>(FTeamColumns.size());
    FFixedRows = options[DisplayOption::OutRating] ? 2 : 1;
    FQuestions = game.WindowQuestionCount();
    FRatings = game.WindowQuestionRatings();
    BuildRows(game, options[DisplayOption::Sorting]);
    for (DisplayOption option : FTeamColumns) FColumnWidths.push_back(ColumnOf(option).width);
    FColumnWidths.resize(static_cast<std::size_t>(ColumnCount()), kQuestionColumnWidth);
    return true;
}

// Sorted, the rows follow the last count's order; unsorted, the numbers of
// the teams. Places left stale by a change of the teams in view (another
// group chosen with automatic counting off) still give every team one row.
void CellMatrix::BuildRows(const TVemoData& game, bool sorted) {
    if (sorted) {
        FRowTeams = game.TeamsInCountedOrder();
        return;
    }
    for (int i = 0; i < game.ActiveTeamCount(); ++i) FRowTeams.push_back(game.ActiveTeam(i));
    std::stable_sort(FRowTeams.begin(), FRowTeams.end(),
                     [](const TTeamData* a, const TTeamData* b) { return a->Number < b->Number; });
}

std::string CellMatrix::Text(int column, int row) const {
    if (column < 0 || row < 0 || column >= ColumnCount() || row >= RowCount()) return {};
    if (row < FFixedRows) {
        if (column < FFixedColumns)
            return row == FFixedRows - 1 ? ColumnOf(FTeamColumns[column]).header : std::string();
        const int q = column - FFixedColumns;
        return row == 0 ? Number(q + 1) : Number(FRatings[q]);
    }
    const TTeamData& team = *FRowTeams[row - FFixedRows];
    if (column < FFixedColumns) return ColumnOf(FTeamColumns[column]).value(team);
    return team.Mark(column - FFixedColumns) ? "+" : "-";
}

TTeamData* CellMatrix::TeamOfRow(int row) const {
    if (row < 0 || row >= static_cast<int>(FRowTeams.size())) return nullptr;
    return FRowTeams[row];
}

int CellMatrix::RowOfTeam(int i) const {
    if (!FGame) return 0;
    const auto found = std::find(FRowTeams.begin(), FRowTeams.end(), FGame->ActiveTeam(i));
    return found == FRowTeams.end() ? 0 : static_cast<int>(found - FRowTeams.begin());
}

int CellMatrix::TeamAtRow(int row) const {
    const TTeamData* team = TeamOfRow(row);
    for (int i = 0; team && i < FGame->ActiveTeamCount(); ++i)
        if (FGame->ActiveTeam(i) == team) return i;
    return -1;
}
