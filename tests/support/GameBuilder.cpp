#include "support/GameBuilder.h"

#include "base/TransCodes.h"

std::unique_ptr<TVemoData> MakeGame(const std::vector<int>& tours, const std::vector<std::string>& marks) {
    auto game = std::make_unique<TVemoData>();
    game->SetGameName("Game");
    for (std::size_t i = 0; i < tours.size(); ++i)
        game->AddTour(tours[i], TransCodes::Utf8ToAnsi("Тур " + std::to_string(i + 1)));
    for (std::size_t t = 0; t < marks.size(); ++t) {
        auto team = std::make_unique<TTeamData>();
        team->Name = "T" + std::to_string(t + 1);
        team->Town = "Town";
        TTeamData& added = *team;
        game->AddTeam(std::move(team));
        for (std::size_t q = 0; q < marks[t].size(); ++q)
            added.SetRawMark(static_cast<int>(q), marks[t][q] == '+' ? 1 : 0);
    }
    game->SetCurrentTour(0);
    return game;
}

std::unique_ptr<TVemoData> MakeRandomGame(std::mt19937& random, const RandomGameShape& shape) {
    auto game = MakeGame(shape.tours, {});
    for (int g = 0; g < shape.groups; ++g) {
        const TGroupData group{"G" + std::to_string(g + 1)};
        game->AddGroup(&group);
    }
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<double> easiness(static_cast<std::size_t>(game->QuestionCount()));
    for (double& e : easiness) e = unit(random);
    for (int t = 0; t < shape.teams; ++t) {
        auto team = std::make_unique<TTeamData>();
        team->Name = "T" + std::to_string(t + 1);
        team->Town = "Town";
        team->ScoreDeposit = shape.maxDeposit > 0
                                 ? std::uniform_int_distribution<int>(0, shape.maxDeposit)(random)
                                 : 0;
        if (shape.groups > 0) {
            const int g = std::uniform_int_distribution<int>(0, shape.groups)(random);
            if (g < shape.groups) team->SetGroup(game->GroupByIndex(g));
        }
        const double strength = unit(random);
        TTeamData& added = *team;
        game->AddTeam(std::move(team));
        for (int q = 0; q < game->QuestionCount(); ++q)
            added.SetRawMark(q, unit(random) < strength * easiness[q] * 1.6 ? 1 : 0);
    }
    game->UpdateGroupTeams();
    return game;
}

std::string MarksText(const TTeamData& team) {
    std::string text;
    for (int q = 0; q < team.MarkCount(); ++q) text += team.RawMark(q) ? '+' : '-';
    return text;
}
