#include "LiteralChamp.h"

#include "base/TransCodes.h"

#include <utility>

namespace {

using TransCodes::UpperCase;

bool SameTeam(const std::string& nameA, const std::string& townA, const std::string& nameB, const std::string& townB) {
    return UpperCase(nameA) == UpperCase(nameB) && UpperCase(townA) == UpperCase(townB);
}

const TTeamData* FirstTeamInView(const TVemoData& game, const std::string& name, const std::string& town) {
    for (int i = 0; i < game.ActiveTeamCount(); ++i)
        if (SameTeam(game.ActiveTeam(i)->Name, game.ActiveTeam(i)->Town, name, town)) return game.ActiveTeam(i);
    return nullptr;
}

struct Entry {
    std::size_t game;
    bool plays;
    int32_t score;
    int32_t ratScore;
};

bool IsCountedGame(const std::vector<const TVemoData*>& games, std::size_t g, const TTeamData& team, int32_t exlGames) {
    std::vector<Entry> entries;
    for (std::size_t k = 0; k < games.size(); ++k) {
        const TTeamData* t = FirstTeamInView(*games[k], team.Name, team.Town);
        entries.push_back({k, t != nullptr, t ? t->Score : 0, t ? t->RatScore : 0});
    }
    for (std::size_t i = 1; i < entries.size(); ++i)
        for (std::size_t j = i; j > 0; --j) {
            const Entry& a = entries[j];
            const Entry& b = entries[j - 1];
            if (a.score > b.score || (a.score == b.score && a.ratScore > b.ratScore)) std::swap(entries[j], entries[j - 1]);
            else break;
        }
    for (std::size_t k = 0; static_cast<int64_t>(k) < exlGames && k < entries.size(); ++k)
        if (entries[k].game == g && entries[k].plays) return true;
    return false;
}

// 1 when a is better, 2 when b is better, 0 when they are equal.
int Compare(const ChampTeamRec& a, const ChampTeamRec& b, bool countByScore) {
    if (countByScore) {
        if (a.Score != b.Score) return a.Score > b.Score ? 1 : 2;
        if (a.RatScore != b.RatScore) return a.RatScore > b.RatScore ? 1 : 2;
        return 0;
    }
    if (a.Points != b.Points) return a.Points > b.Points ? 1 : 2;
    return 0;
}

void SortAndPlace(std::vector<ChampTeamRec>& rows, bool countByScore) {
    for (bool exchanged = true; exchanged;) {
        exchanged = false;
        for (std::size_t i = 0; i + 1 < rows.size(); ++i)
            if (Compare(rows[i + 1], rows[i], countByScore) == 1) {
                std::swap(rows[i], rows[i + 1]);
                exchanged = true;
            }
    }
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].Place = i > 0 && Compare(rows[i], rows[i - 1], countByScore) == 0 ? rows[i - 1].Place
                                                                                   : static_cast<int32_t>(i + 1);
}

}  // namespace

std::vector<ChampTeamRec> LiteralChampTeams(const std::vector<const TVemoData*>& games, const ChampSettings& settings) {
    std::vector<ChampTeamRec> rows;
    for (std::size_t g = 0; g < games.size(); ++g) {
        for (int i = 0; i < games[g]->ActiveTeamCount(); ++i) {
            const TTeamData& t = *games[g]->ActiveTeam(i);
            std::size_t r = 0;
            while (r < rows.size() && !SameTeam(rows[r].Name, rows[r].Town, t.Name, t.Town)) ++r;
            if (r == rows.size()) rows.push_back({t.Name, t.Town, t.Captain, t.Trainer});
            ChampTeamRec& row = rows[r];
            row.Games += 1;
            if (settings.CountByScore && !IsCountedGame(games, g, t, settings.ExlGames)) continue;
            row.Score += t.Score;
            row.RatScore += t.RatScore;
            if (t.Place >= 1 && t.Place <= 10) row.Points += settings.PlacePoints[static_cast<std::size_t>(t.Place - 1)];
        }
    }
    SortAndPlace(rows, settings.CountByScore);
    return rows;
}
