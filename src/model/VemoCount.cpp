// The count: question ratings, each team's score and rating, and the order
// and places of the teams in view.
//
// The order is the one a stable insertion sort with the pairwise team
// comparison gives. The comparison is a consistent order, so a stable sort
// by the same keys gives exactly that result in O(n log n): first by the
// two numeric keys, then, only inside runs of teams equal in both, by the
// descending lists of the ratings of their taken questions.
#include "model/VemoData.h"

#include <algorithm>
#include <numeric>
#include <span>

namespace {

// How many of the window's first `count` questions a team's marks cover;
// shorter mark arrays than the game's questions are read as not taken.
int CoveredQuestions(const TTeamData& team, int start, int count) {
    return std::clamp(team.MarkCount() - start, 0, count);
}

// -1 when a ranks above b, 1 when b ranks above a, 0 when equal. Lists that
// agree until the shorter one ends are equal.
int CompareRatingLists(std::span<const int> a, std::span<const int> b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t k = 0; k < common; ++k)
        if (a[k] != b[k]) return a[k] > b[k] ? -1 : 1;
    return 0;
}

// The two loops every count runs over all marks in view. They are kept free
// of branches (a taken mark is as likely as not, so a branch would mostly be
// mispredicted) and of aliasing, so that the compiler can vectorise them.
void SubtractTaken(const uint8_t* __restrict marks, int count, int* __restrict missed) {
    for (int q = 0; q < count; ++q) missed[q] -= marks[q] != 0;
}

struct TakenSums {
    int32_t score;
    int32_t ratScore;
};

TakenSums SumTaken(const uint8_t* __restrict marks, int count, const int* __restrict ratings) {
    int32_t score = 0;
    int32_t ratScore = 0;
    for (int q = 0; q < count; ++q) {
        const int32_t taken = marks[q] != 0;
        score += taken;
        ratScore += taken * ratings[q];
    }
    return {score, ratScore};
}

struct RankKey {
    int32_t primary;
    int32_t secondary;
    friend auto operator<=>(const RankKey&, const RankKey&) = default;
};

struct RankedTeam {
    TTeamData* team;
    RankKey key;
    // Ratings of the taken questions, hardest first; filled only for teams
    // that tie on the key.
    std::vector<int> taken;
};

// Orders every run of teams equal in score and rating by the ratings of the
// questions they took: the team with the harder question ranks above.
void SeparateTiesByTakenRatings(std::vector<RankedTeam>& ranked, const std::vector<int>& ratings,
                                int tourStart) {
    std::vector<int> hardestFirst(ratings.size());
    std::iota(hardestFirst.begin(), hardestFirst.end(), 0);
    std::stable_sort(hardestFirst.begin(), hardestFirst.end(),
                     [&](int a, int b) { return ratings[a] > ratings[b]; });

    for (auto runStart = ranked.begin(); runStart != ranked.end();) {
        auto runEnd = std::find_if(runStart, ranked.end(),
                                   [&](const RankedTeam& r) { return r.key != runStart->key; });
        if (runEnd - runStart > 1) {
            for (auto it = runStart; it != runEnd; ++it) {
                const TTeamData& team = *it->team;
                const int covered = CoveredQuestions(team, tourStart, static_cast<int>(ratings.size()));
                for (int q : hardestFirst)
                    if (q < covered && team.RawMark(tourStart + q)) it->taken.push_back(ratings[q]);
            }
            std::stable_sort(runStart, runEnd, [](const RankedTeam& a, const RankedTeam& b) {
                return CompareRatingLists(a.taken, b.taken) < 0;
            });
        }
        runStart = runEnd;
    }
}

}  // namespace

int TVemoData::QuestionRating(int q) const {
    int missed = 0;
    const int count = ActiveTeamCount();
    for (int i = 0; i < count; ++i)
        if (ActiveTeam(i)->Mark(q) == 0) ++missed;
    return FCountOptions.RatingPlusOne ? missed + 1 : missed;
}

int TVemoData::TeamTakenCount(int i) const {
    const TTeamData* team = ActiveTeam(i);
    if (!team) return 0;
    const int window = WindowQuestionCount();
    int taken = 0;
    for (int q = 0; q < window; ++q)
        if (team->Mark(q)) ++taken;
    return taken;
}

int TVemoData::TeamTakenCountByNumber(int number) const {
    const int count = ActiveTeamCount();
    for (int i = 0; i < count; ++i)
        if (ActiveTeam(i)->Number == number) return TeamTakenCount(i);
    return 0;
}

void TVemoData::CountRatings() {
    const TeamArrayType teams = TeamsInView();
    if (!teams.empty()) CountRatingsOf(teams);
}

std::vector<int> TVemoData::WindowQuestionRatings() const { return RatingsOf(TeamsInView(), WindowQuestionCount()); }

std::vector<int> TVemoData::RatingsOf(const TeamArrayType& teams, int count) const {
    std::vector<int> ratings(static_cast<std::size_t>(count), static_cast<int>(teams.size()));
    for (const TTeamData* team : teams)
        SubtractTaken(team->FMarks.data() + FTourStart, CoveredQuestions(*team, FTourStart, count), ratings.data());
    if (FCountOptions.RatingPlusOne)
        for (int& r : ratings) ++r;
    return ratings;
}

std::vector<int> TVemoData::CountRatingsOf(const TeamArrayType& teams) {
    if (WindowQuestionCount() < FLastQuestion) FLastQuestion = static_cast<uint16_t>(WindowQuestionCount());
    const int last = FLastQuestion;
    const int start = FTourStart;
    const std::vector<int> ratings = RatingsOf(teams, last);

    for (TTeamData* team : teams) {
        const TakenSums sums = SumTaken(team->FMarks.data() + start, CoveredQuestions(*team, start, last), ratings.data());
        team->RatScore = sums.ratScore;
        team->Score = FCountOptions.DepositScore ? sums.score - team->ScoreDeposit : sums.score;
    }
    return ratings;
}

void TVemoData::CountResult() {
    const TeamArrayType teams = TeamsInView();
    if (teams.empty()) return;
    const std::vector<int> ratings = CountRatingsOf(teams);

    const int window = WindowQuestionCount();
    std::vector<RankedTeam> ranked;
    ranked.reserve(teams.size());
    for (TTeamData* team : teams) {
        const uint8_t* marks = team->FMarks.data() + FTourStart;
        const int covered = CoveredQuestions(*team, FTourStart, window);
        team->TotalTaken = static_cast<int32_t>(
            std::count_if(marks, marks + covered, [](uint8_t m) { return m != 0; }));
        const RankKey key = FCountOptions.SortByRating ? RankKey{team->RatScore, team->TotalTaken}
                                          : RankKey{team->Score, team->RatScore};
        ranked.push_back({team, key, {}});
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const RankedTeam& a, const RankedTeam& b) { return a.key > b.key; });
    if (FCountOptions.HiRating && !FCountOptions.SortByRating) SeparateTiesByTakenRatings(ranked, ratings, FTourStart);

    for (std::size_t k = 0; k < ranked.size(); ++k) {
        TTeamData* team = ranked[k].team;
        const bool tied = k > 0 && ranked[k - 1].key == ranked[k].key &&
                          CompareRatingLists(ranked[k - 1].taken, ranked[k].taken) == 0;
        team->Place = tied ? ranked[k - 1].team->Place : static_cast<int32_t>(k + 1);
        team->SortPos = static_cast<int32_t>(k);
    }
}

// After a count the positions are exactly 0..n-1, and each team goes
// straight to its own; only stale positions need the sort.
TeamArrayType TVemoData::TeamsInCountedOrder() const {
    TeamArrayType order = TeamsInView();
    TeamArrayType placed(order.size(), nullptr);
    const auto fits = [&placed](const TTeamData* team) {
        return team->SortPos >= 0 && static_cast<std::size_t>(team->SortPos) < placed.size() &&
               !placed[static_cast<std::size_t>(team->SortPos)];
    };
    std::size_t count = 0;
    for (; count < order.size() && fits(order[count]); ++count)
        placed[static_cast<std::size_t>(order[count]->SortPos)] = order[count];
    if (count == order.size()) return placed;
    std::stable_sort(order.begin(), order.end(),
                     [](const TTeamData* a, const TTeamData* b) { return a->SortPos < b->SortPos; });
    return order;
}
