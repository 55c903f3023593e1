#include "table/CellMatrix.h"

#include "base/TransCodes.h"
#include "model/VemoData.h"

#include <algorithm>
#include <array>
#include <functional>
#include <numeric>

namespace {

struct TeamColumn {
    DisplayOption option;
    std::string header;  // Windows-1251
    int width;
    std::function<std::string(const TTeamData&)> value;
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

}  // namespace

void CellMatrix::Clear() {
    FColumns = FRows = FFixedColumns = FFixedRows = 0;
    FCells.clear();
    FColumnWidths.clear();
    FRowOfTeam.clear();
    FTeamAtRow.clear();
}

bool CellMatrix::Build(TVemoData& game, TableOptions& options) {
    Clear();
    const int questions = game.WindowQuestionCount();
    const int teams = game.ActiveTeamCount();
    if (questions == 0 && teams == 0) return false;

    BuildRowMap(game, options[DisplayOption::Sorting]);
    for (const TeamColumn& c : TeamColumns()) FFixedColumns += options[c.option] ? 1 : 0;
    if (FFixedColumns == 0) {
        options[DisplayOption::OutTeam] = true;
        FFixedColumns = 1;
    }
    FFixedRows = options[DisplayOption::OutRating] ? 2 : 1;
    FColumns = FFixedColumns + questions;
    FRows = FFixedRows + teams;
    FCells.assign(static_cast<std::size_t>(FColumns) * static_cast<std::size_t>(FRows), TableCell{});
    for (int column = 0; column < FColumns; ++column)
        for (int row = 0; row < FRows; ++row) At(column, row).Fixed = column < FFixedColumns || row < FFixedRows;

    FillQuestionColumns(game);
    FillTeamColumns(game, options);
    return true;
}

// Sorted, a team's row is its place in the last count's order; unsorted, its
// position among the teams in view in ascending order of their numbers.
void CellMatrix::BuildRowMap(const TVemoData& game, bool sorted) {
    const int teams = game.ActiveTeamCount();
    FRowOfTeam.assign(static_cast<std::size_t>(teams), 0);
    if (sorted) {
        for (int i = 0; i < teams; ++i) FRowOfTeam[i] = game.ActiveTeam(i)->SortPos;
    } else {
        std::vector<int> byNumber(static_cast<std::size_t>(teams));
        std::iota(byNumber.begin(), byNumber.end(), 0);
        std::sort(byNumber.begin(), byNumber.end(),
                  [&](int a, int b) { return game.ActiveTeam(a)->Number < game.ActiveTeam(b)->Number; });
        for (int row = 0; row < teams; ++row) FRowOfTeam[byNumber[row]] = row;
    }
    FTeamAtRow.assign(static_cast<std::size_t>(teams), -1);
    for (int i = 0; i < teams; ++i)
        if (HasRow(i) && FTeamAtRow[FRowOfTeam[i]] < 0) FTeamAtRow[FRowOfTeam[i]] = i;
}

void CellMatrix::FillQuestionColumns(const TVemoData& game) {
    const int questions = game.WindowQuestionCount();
    const int teams = game.ActiveTeamCount();
    for (int q = 0; q < questions; ++q) {
        const int column = FFixedColumns + q;
        // With one header row the number overwrites the rating.
        At(column, FFixedRows - 1).Text = Number(game.QuestionRating(q));
        At(column, 0).Text = Number(q + 1);
        for (int i = 0; i < teams; ++i)
            if (HasRow(i)) At(column, FFixedRows + FRowOfTeam[i]).Text = std::string(1, game.QuestSign(i, q));
    }
}

void CellMatrix::FillTeamColumns(const TVemoData& game, const TableOptions& options) {
    FColumnWidths.assign(static_cast<std::size_t>(FColumns), kQuestionColumnWidth);
    const int teams = game.ActiveTeamCount();
    int column = 0;
    for (const TeamColumn& c : TeamColumns()) {
        if (!options[c.option]) continue;
        FColumnWidths[column] = c.width;
        At(column, FFixedRows - 1).Text = c.header;
        for (int i = 0; i < teams; ++i)
            if (HasRow(i)) At(column, FFixedRows + FRowOfTeam[i]).Text = c.value(*game.ActiveTeam(i));
        ++column;
    }
}

int CellMatrix::RowOfTeam(int i) const {
    if (i < 0 || i >= static_cast<int>(FRowOfTeam.size())) return 0;
    return FRowOfTeam[i];
}

int CellMatrix::TeamAtRow(int row) const {
    if (row < 0 || row >= static_cast<int>(FTeamAtRow.size())) return -1;
    return FTeamAtRow[row];
}
