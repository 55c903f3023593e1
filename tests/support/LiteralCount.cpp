#include "support/LiteralCount.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

struct Counting {
    TVemoData& game;
    std::vector<int> rating;

    void CountRatings() {
        const int n = game.ActiveTeamCount();
        if (n == 0) return;
        if (game.WindowQuestionCount() < game.LastQuestion()) game.StoreLastQuestion(game.WindowQuestionCount());
        const int last = game.LastQuestion();
        rating.assign(static_cast<std::size_t>(last), 0);
        for (int q = 0; q < last; ++q) {
            int r = 0;
            for (int i = 0; i < n; ++i)
                if (game.ActiveTeam(i)->Mark(q) == 0) ++r;
            rating[q] = game.RatingPlusOne() ? r + 1 : r;
        }
        for (int i = 0; i < n; ++i) {
            TTeamData* team = game.ActiveTeam(i);
            team->RatScore = 0;
            team->Score = 0;
            for (int q = 0; q < last; ++q) {
                if (team->Mark(q) == 0) continue;
                team->RatScore += rating[q];
                team->Score += 1;
            }
            if (game.DepositScore()) team->Score -= team->ScoreDeposit;
        }
    }

    std::vector<int> TakenRatings(const TTeamData* team) const {
        std::vector<int> list;
        for (int q = 0; q < game.LastQuestion(); ++q)
            if (team->Mark(q)) list.push_back(rating[q]);
        std::sort(list.begin(), list.end(), std::greater<>());
        return list;
    }

    int CompareQuestionRatings(const TTeamData* a, const TTeamData* b) const {
        const std::vector<int> la = TakenRatings(a);
        const std::vector<int> lb = TakenRatings(b);
        std::size_t k = 0;
        while (k < la.size() && k < lb.size() && la[k] == lb[k]) ++k;
        if (k == la.size()) return 0;
        // B's list ending first, all entries equal: the two stay equal.
        if (k == lb.size()) return 0;
        return la[k] > lb[k] ? 1 : 2;
    }

    int CompareByRating(const TTeamData* a, const TTeamData* b) const {
        if (a->RatScore != b->RatScore) return a->RatScore > b->RatScore ? 1 : 2;
        if (a->TotalTaken != b->TotalTaken) return a->TotalTaken > b->TotalTaken ? 1 : 2;
        return 0;
    }

    int CompareTeams(const TTeamData* a, const TTeamData* b) const {
        if (game.SortByRating()) return CompareByRating(a, b);
        if (a->Score != b->Score) return a->Score > b->Score ? 1 : 2;
        if (a->RatScore != b->RatScore) return a->RatScore > b->RatScore ? 1 : 2;
        if (!game.HiRating()) return 0;
        return CompareQuestionRatings(a, b);
    }
};

}  // namespace

void LiteralCountResult(TVemoData& game) {
    const int n = game.ActiveTeamCount();
    if (n == 0) return;
    Counting counting{game, {}};
    counting.CountRatings();
    std::vector<int> order(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        order[i] = i;
        game.ActiveTeam(i)->TotalTaken = game.TeamTakenCount(i);
    }
    auto teamAt = [&](int k) { return game.ActiveTeam(order[k]); };
    for (int i = n - 1; i >= 1; --i)
        for (int j = i; j <= n - 1; ++j)
            if (counting.CompareTeams(teamAt(j - 1), teamAt(j)) == 2) std::swap(order[j - 1], order[j]);
    for (int k = 0; k < n; ++k) {
        TTeamData* team = teamAt(k);
        if (k > 0 && counting.CompareTeams(teamAt(k - 1), team) == 0) team->Place = teamAt(k - 1)->Place;
        else team->Place = k + 1;
        team->SortPos = k;
    }
}
