// Rows are found through a hash of the upper-cased name and town that costs
// no allocation, and each team's counted games are chosen once per row
// rather than once per game it played, so the table costs about one pass
// over the teams of all games.
#include "champ/ChampCount.h"

#include "base/TransCodes.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <utility>

namespace {

// The program's upper-casing as a table of its own, so that a character of
// a name costs a lookup rather than a call.
const std::array<unsigned char, 256>& UpperTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> upper{};
        for (std::size_t c = 0; c < upper.size(); ++c)
            upper[c] = static_cast<unsigned char>(TransCodes::UpperChar(static_cast<char>(c)));
        return upper;
    }();
    return table;
}

bool SameUpper(const std::string& a, const std::string& b, const std::array<unsigned char, 256>& upper) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper[static_cast<unsigned char>(a[i])] != upper[static_cast<unsigned char>(b[i])]) return false;
    return true;
}

// FNV-1a over the upper-cased text.
void HashUpper(std::uint64_t& hash, const std::string& text, const std::array<unsigned char, 256>& upper) {
    for (char c : text) hash = (hash ^ upper[static_cast<unsigned char>(c)]) * 0x100000001b3ULL;
}

// The rows of a table, each found by its team's name and town in upper
// case: an open-addressing index of row numbers over the hash of both, a
// candidate compared with the row's own spelling character by character.
class ChampRows {
public:
    ChampRows() : FIndex(64) {}

    // The row of `team`, appended with its texts and all numbers 0 when it has none.
    int RowOf(const TTeamData& team) {
        std::uint64_t hash = 0xcbf29ce484222325ULL;
        HashUpper(hash, team.Name, FUpper);
        hash ^= team.Name.size();
        HashUpper(hash, team.Town, FUpper);
        std::size_t at = hash & (FIndex.size() - 1);
        for (; FIndex[at].row >= 0; at = (at + 1) & (FIndex.size() - 1)) {
            const Slot& slot = FIndex[at];
            const ChampTeamRec& row = FRows[static_cast<std::size_t>(slot.row)];
            if (slot.hash == hash && SameUpper(row.Name, team.Name, FUpper) && SameUpper(row.Town, team.Town, FUpper))
                return slot.row;
        }
        const int row = static_cast<int>(FRows.size());
        FRows.push_back({team.Name, team.Town, team.Captain, team.Trainer});
        FIndex[at] = {hash, row};
        if (2 * FRows.size() > FIndex.size()) Grow();
        return row;
    }

    ChampTeamRec& operator[](int row) { return FRows[static_cast<std::size_t>(row)]; }
    std::vector<ChampTeamRec> Take() && { return std::move(FRows); }

private:
    struct Slot {
        std::uint64_t hash = 0;
        int row = -1;
    };

    void Grow() {
        std::vector<Slot> old(FIndex.size() * 2);
        old.swap(FIndex);
        for (const Slot& slot : old) {
            if (slot.row < 0) continue;
            std::size_t at = slot.hash & (FIndex.size() - 1);
            while (FIndex[at].row >= 0) at = (at + 1) & (FIndex.size() - 1);
            FIndex[at] = slot;
        }
    }

    const std::array<unsigned char, 256>& FUpper = UpperTable();
    std::vector<ChampTeamRec> FRows;
    std::vector<Slot> FIndex;  // a power of two, at most half full
};

int32_t PointsFor(const TTeamData& team, const ChampSettings& settings) {
    if (team.Place < 1 || team.Place > static_cast<int>(settings.PlacePoints.size())) return 0;
    return settings.PlacePoints[static_cast<std::size_t>(team.Place - 1)];
}

void AddResult(ChampTeamRec& row, const TTeamData& team, const ChampSettings& settings) {
    row.Score += team.Score;
    row.RatScore += team.RatScore;
    row.Points += PointsFor(team, settings);
}

template <class Visit>
void ForEachTeam(const std::vector<const TVemoData*>& games, Visit visit) {
    for (std::size_t g = 0; g < games.size(); ++g)
        for (int i = 0; i < games[g]->ActiveTeamCount(); ++i) visit(static_cast<int>(g), *games[g]->ActiveTeam(i));
}

// Points mode: every game a team plays counts.
std::vector<ChampTeamRec> SumEveryGame(const std::vector<const TVemoData*>& games, const ChampSettings& settings) {
    ChampRows rows;
    ForEachTeam(games, [&](int, const TTeamData& team) {
        ChampTeamRec& row = rows[rows.RowOf(team)];
        ++row.Games;
        AddResult(row, team, settings);
    });
    return std::move(rows).Take();
}

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

// All games of the list are ranked by (score, rating) best first, ties in
// list order, the unplayed ones as 0 and 0; the played games among the
// first exlGames count. `played` is in list order, so a played game's rank
// is its rank among the played games plus the unplayed games that come
// before it.
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

// Score mode: each team's best ExlGames games count.
std::vector<ChampTeamRec> SumCountedGames(const std::vector<const TVemoData*>& games, const ChampSettings& settings) {
    ChampRows rows;
    std::vector<std::vector<PlayedGame>> played;  // by row
    std::vector<TeamSlot> slots;                  // every team of every game, in order
    ForEachTeam(games, [&](int game, const TTeamData& team) {
        const int row = rows.RowOf(team);
        if (row == static_cast<int>(played.size())) played.emplace_back();
        std::vector<PlayedGame>& list = played[static_cast<std::size_t>(row)];
        if (list.empty() || list.back().game != game) list.push_back({game, team.Score, team.RatScore});
        slots.push_back({&team, row, static_cast<int>(list.size()) - 1});
    });
    for (auto& list : played) MarkCountedGames(list, static_cast<int>(games.size()), settings.ExlGames);
    for (const TeamSlot& slot : slots) {
        ChampTeamRec& row = rows[slot.row];
        ++row.Games;
        if (played[static_cast<std::size_t>(slot.row)][static_cast<std::size_t>(slot.played)].counted)
            AddResult(row, *slot.team, settings);
    }
    return std::move(rows).Take();
}

}  // namespace

std::vector<ChampTeamRec> BuildChampTeams(const std::vector<const TVemoData*>& games, const ChampSettings& settings) {
    std::vector<ChampTeamRec> rows =
        settings.CountByScore ? SumCountedGames(games, settings) : SumEveryGame(games, settings);
    SortChampTeams(rows, settings.CountByScore);
    return rows;
}

// The order is found on the keys alone; each row then moves once.
void SortChampTeams(std::vector<ChampTeamRec>& rows, bool countByScore) {
    std::vector<std::pair<int32_t, int32_t>> keys;
    keys.reserve(rows.size());
    for (const ChampTeamRec& r : rows) keys.push_back(countByScore ? std::pair(r.Score, r.RatScore) : std::pair(r.Points, 0));
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] > keys[b]; });
    std::vector<ChampTeamRec> sorted;
    sorted.reserve(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(std::move(rows[order[i]]));
        const bool tied = i > 0 && keys[order[i]] == keys[order[i - 1]];
        sorted.back().Place = tied ? sorted[i - 1].Place : static_cast<int32_t>(i) + 1;
    }
    rows = std::move(sorted);
}
