#include "EntryGames.h"

#include "base/TransCodes.h"

std::string Ansi(const std::string& utf8) { return TransCodes::Utf8ToAnsi(utf8); }

std::string Utf8(const std::string& ansi) { return TransCodes::AnsiToUtf8(ansi); }

std::unique_ptr<TVemoData> TeamsGame(const std::vector<TeamTexts>& teams, const std::vector<int>& tours) {
    auto game = std::make_unique<TVemoData>();
    for (std::size_t i = 0; i < tours.size(); ++i) game->AddTour(tours[i], Ansi("Тур " + std::to_string(i + 1)));
    for (const TeamTexts& texts : teams) {
        auto team = std::make_unique<TTeamData>();
        team->Name = Ansi(texts.name);
        team->Town = Ansi(texts.town);
        team->Captain = Ansi(texts.captain);
        team->Trainer = Ansi(texts.coach);
        game->AddTeam(std::move(team));
    }
    return game;
}

void AddGroups(TVemoData& game, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        const TGroupData group{Ansi(name)};
        game.AddGroup(&group);
    }
}

void JoinGroup(TVemoData& game, int number, int index) {
    game.TeamByNumber(number)->SetGroup(game.GroupByIndex(index));
    game.UpdateGroupTeams();
}
