// Rows are found through a hash of the upper-cased name and town, and each
// team's counted games are chosen once per row rather than once per game it
// played, so the table costs about one pass over the teams of all games.
#include "champ/ChampCount.h"

#include "base/TransCodes.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>
#include <utility>

namespace {

struct TeamKey {
    std::string name;  // upper case
    std::string town;  // upper case
    bool operator==(const TeamKey&) const = default;
};

struct TeamKeyHash {
    std::size_t operator()(const TeamKey& key) const noexcept {
        const std::size_t h = std::hash<std::string>{}(key.name);
        return h ^ (std::hash<std::string>{}(key.town) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2));
    }
};

// A game a championship team played, with the result of its first team in
// view there (the one that stands for the team when games are ranked).
struct PlayedGame {
    int game;
    int32_t score;
    int32_t ratScore;
    bool counted = true;
};

// A team of a game: its row, and which of the row's played games it is in.
struct TeamSlot {
    const TTeamData* team;
    int row;
    int played;
};

// Score mode. All games of the list are ranked by (score, rating) best
// first, ties in list order, the unplayed ones as 0 and 0; the played games
// among the first exlGames count. `played` is in list order, so a played
// game's rank is its rank among the played games plus the unplayed games
// that come before it.
void MarkCountedGames(std::vector<PlayedGame>& played, int gameCount, int32_t exlGames) {
    std::vector<int> order(played.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return std::pair(played[a].score, played[a].ratScore) > std::pair(played[b].score, played[b].ratScore);
    });
    const int unplayed = gameCount - static_cast<int>(played.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        PlayedGame& p = played[order[k]];
        const auto key = std::pair(p.score, p.ratScore);
        const int playedBefore = order[k];
        const int unplayedAhead = key < std::pair(0, 0)    ? unplayed
                                  : key == std::pair(0, 0) ? p.game - playedBefore
                                                           : 0;
        p.counted = static_cast<int64_t>(k) + unplayedAhead < exlGames;
    }
}

int32_t PointsFor(const TTeamData& team, const ChampSettings& settings) {
    if (team.Place < 1 || team.Place > static_cast<int>(settings.PlacePoints.size())) return 0;
    return settings.PlacePoints[static_cast<std::size_t>(team.Place - 1)];
}

class RowBuilder {
public:
    // Finds or appends the row of `team` of game `game`; games come in list order.
    void Add(int game, const TTeamData& team) {
        const int row = RowOf(team);
        std::vector<PlayedGame>& list = FPlayed[static_cast<std::size_t>(row)];
        if (list.empty() || list.back().game != game) list.push_back({game, team.Score, team.RatScore});
        FSlots.push_back({&team, row, static_cast<int>(list.size()) - 1});
    }

    void ChooseCountedGames(int gameCount, int32_t exlGames) {
        for (auto& list : FPlayed) MarkCountedGames(list, gameCount, exlGames);
    }

    std::vector<ChampTeamRec> Sum(const ChampSettings& settings) && {
        for (const TeamSlot& slot : FSlots) {
            ChampTeamRec& row = FRows[static_cast<std::size_t>(slot.row)];
            ++row.Games;
            if (!FPlayed[static_cast<std::size_t>(slot.row)][static_cast<std::size_t>(slot.played)].counted) continue;
            row.Score += slot.team->Score;
            row.RatScore += slot.team->RatScore;
            row.Points += PointsFor(*slot.team, settings);
        }
        return std::move(FRows);
    }

private:
    // The key is built in buffers kept from team to team, so that a team
    // met before costs no allocation.
    int RowOf(const TTeamData& team) {
        UpperCaseInto(FKey.name, team.Name);
        UpperCaseInto(FKey.town, team.Town);
        if (const auto found = FRowOf.find(FKey); found != FRowOf.end()) return found->second;
        const int row = static_cast<int>(FRows.size());
        FRowOf.emplace(FKey, row);
        FRows.push_back({team.Name, team.Town, team.Captain, team.Trainer});
        FPlayed.emplace_back();
        return row;
    }

    static void UpperCaseInto(std::string& out, const std::string& text) {
        out.assign(text);
        for (char& c : out) c = TransCodes::UpperChar(c);
    }

    TeamKey FKey;
    std::vector<ChampTeamRec> FRows;
    std::vector<std::vector<PlayedGame>> FPlayed;  // by row
    std::vector<TeamSlot> FSlots;                  // every team of every game, in order
    std::unordered_map<TeamKey, int, TeamKeyHash> FRowOf;
};

}  // namespace

std::vector<ChampTeamRec> BuildChampTeams(const std::vector<const TVemoData*>& games, const ChampSettings& settings) {
    RowBuilder builder;
    for (std::size_t g = 0; g < games.size(); ++g)
        for (int i = 0; i < games[g]->ActiveTeamCount(); ++i) builder.Add(static_cast<int>(g), *games[g]->ActiveTeam(i));
    if (settings.CountByScore) builder.ChooseCountedGames(static_cast<int>(games.size()), settings.ExlGames);
    std::vector<ChampTeamRec> rows = std::move(builder).Sum(settings);
    SortChampTeams(rows, settings.CountByScore);
    return rows;
}

void SortChampTeams(std::vector<ChampTeamRec>& rows, bool countByScore) {
    const auto key = [countByScore](const ChampTeamRec& r) {
        return countByScore ? std::pair(r.Score, r.RatScore) : std::pair(r.Points, 0);
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const ChampTeamRec& a, const ChampTeamRec& b) { return key(a) > key(b); });
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].Place = i > 0 && key(rows[i]) == key(rows[i - 1]) ? rows[i - 1].Place : static_cast<int32_t>(i) + 1;
}
