#include "stats/PlaceHistory.h"

PlaceHistory PlaceHistory::Build(TVemoData& game) {
    const std::unique_ptr<TVemoData> copy = TVemoData::CreateCopy(game);
    copy->SetHiRating(true);
    PlaceHistory history;
    history.FQuestions = copy->WindowQuestionCount();
    history.FTeams = copy->ActiveTeamCount();
    history.FRecords.reserve(static_cast<std::size_t>(history.FQuestions) * static_cast<std::size_t>(history.FTeams));
    for (int q = 1; q <= history.FQuestions; ++q) {
        // CountResult counts the ratings up to the stored last question itself.
        copy->StoreLastQuestion(q);
        copy->CountResult();
        for (int i = 0; i < history.FTeams; ++i) {
            const TTeamData& team = *copy->ActiveTeam(i);
            history.FRecords.push_back({team.Score, team.RatScore, team.Place});
        }
    }
    return history;
}

PlaceRecord PlaceHistory::After(int question, int team) const {
    if (question < 1 || question > FQuestions || team < 0 || team >= FTeams) return {};
    return FRecords[static_cast<std::size_t>(question - 1) * static_cast<std::size_t>(FTeams) +
                    static_cast<std::size_t>(team)];
}

std::vector<int> PlaceHistory::Places(int team) const {
    std::vector<int> places;
    if (team < 0 || team >= FTeams) return places;
    for (int q = 1; q <= FQuestions; ++q) places.push_back(After(q, team).Place);
    return places;
}
