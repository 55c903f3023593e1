#include "champ/ChampTableRows.h"

#include "base/Rounding.h"

std::vector<int> ColumnWidths(const std::array<double, 5>& shares, int clientWidth) {
    std::vector<int> widths;
    for (double share : shares) widths.push_back(RoundHalfEven(share * clientWidth));
    return widths;
}

std::vector<std::string> GameListRow(int number, const TVemoData& game) {
    return {std::to_string(number), game.GameName(), game.GameDateText(), std::to_string(game.ActiveTeamCount()),
            std::to_string(game.QuestionCount())};
}

std::vector<std::string> ChampTableRow(const ChampTeamRec& row, const ChampSettings& settings) {
    return {std::to_string(row.Place), row.Name, row.Town, ChampGamesText(row, settings),
            ChampResultText(row, settings.CountByScore, "/")};
}
