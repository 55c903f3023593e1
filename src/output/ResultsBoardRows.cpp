#include "output/ResultsBoardRows.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace {

// The counted results of every team, put back after the board's own counts,
// so the main window's table and order are as before even when the game had
// not been counted since its last change.
class CountedResults {
public:
    explicit CountedResults(const TVemoData& game) : FLastQuestion(game.LastQuestion()) {
        FTeams.reserve(static_cast<std::size_t>(game.TeamCount()));
        for (int i = 0; i < game.TeamCount(); ++i) {
            const TTeamData& team = *game.TeamByIndex(i);
            FTeams.push_back({team.TotalTaken, team.RatScore, team.Score, team.Place, team.SortPos});
        }
    }

    void Restore(TVemoData& game) const {
        for (int i = 0; i < game.TeamCount(); ++i) {
            TTeamData& team = *game.TeamByIndex(i);
            const Results& saved = FTeams[static_cast<std::size_t>(i)];
            team.TotalTaken = saved.totalTaken;
            team.RatScore = saved.ratScore;
            team.Score = saved.score;
            team.Place = saved.place;
            team.SortPos = saved.sortPos;
        }
        game.StoreLastQuestion(FLastQuestion);
    }

private:
    struct Results {
        int32_t totalTaken, ratScore, score, place, sortPos;
    };
    int FLastQuestion;
    std::vector<Results> FTeams;
};

using NameAndTown = std::pair<std::string_view, std::string_view>;

struct NameAndTownHash {
    std::size_t operator()(const NameAndTown& key) const {
        const std::size_t name = std::hash<std::string_view>()(key.first);
        return name ^ (std::hash<std::string_view>()(key.second) + 0x9e3779b97f4a7c15ULL + (name << 6) + (name >> 2));
    }
};

std::vector<BoardRow> RowsOfTeamsInView(const TVemoData& game) {
    std::vector<BoardRow> rows;
    rows.reserve(static_cast<std::size_t>(game.ActiveTeamCount()));
    for (int i = 0; i < game.ActiveTeamCount(); ++i) {
        const TTeamData& team = *game.ActiveTeam(i);
        rows.push_back({team.Name, team.Town, team.Score, team.RatScore, team.Place, 0});
    }
    return rows;
}

// Writes the places the game holds now (as of the previous question) into
// the first row of each team's name and town.
void WriteMovement(std::vector<BoardRow>& rows, const TVemoData& game) {
    std::unordered_map<NameAndTown, std::size_t, NameAndTownHash> firstRow;
    firstRow.reserve(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) firstRow.try_emplace(NameAndTown{rows[r].Name, rows[r].Town}, r);
    for (int i = 0; i < game.ActiveTeamCount(); ++i) {
        const TTeamData& team = *game.ActiveTeam(i);
        const auto found = firstRow.find(NameAndTown{team.Name, team.Town});
        if (found == firstRow.end()) continue;
        BoardRow& row = rows[found->second];
        row.Movement = team.Place - row.Place;
    }
}

}  // namespace

ResultsBoard BuildResultsBoard(TVemoData& game) {
    ResultsBoard board;
    board.Rows = RowsOfTeamsInView(game);
    const CountedResults before(game);
    const int last = game.GetLastQuestion();
    if (last >= 2) {
        game.SetLastQuestion(last - 1);
        game.CountResult();
        WriteMovement(board.Rows, game);
    }
    before.Restore(game);
    // A stable sort by place is the neighbour-swapping sort that swaps only
    // on a strictly greater place, without its quadratic time.
    std::stable_sort(board.Rows.begin(), board.Rows.end(),
                     [](const BoardRow& a, const BoardRow& b) { return a.Place < b.Place; });
    board.Heading = {game.CurrentTourName(), game.GameDateText(), last};
    return board;
}
