#include "OutputGames.h"

#include "base/TransCodes.h"
#include "support/GameBuilder.h"
#include "support/SeasonFiles.h"

#include <stdexcept>
#include <vector>

std::string Ansi(const char* utf8) { return TransCodes::Utf8ToAnsi(utf8); }

namespace {

struct TeamTexts {
    const char* name;
    const char* town;
    const char* captain;
    int deposit;
};

const TeamTexts kShowcaseTeams[] = {
    {"Знатоки", "Москва", "Иванов Иван", 0},
    {"Очень длинное название команды знатоков", "Я", "Петров", 2},
    {"Ы", "Санкт-Петербург", "Капитан с очень длинной фамилией", 0},
    {"Совы", "", "Сидоров", 0},
    {"Ничего не взяли", "Тверь", "Кузнецов", 3},
    {"Эрудиты", "Уфа", "", 0},
    {"Гепарды", "Н", "Соколова", 60},
    {"Дельфины", "Казань", "Морозов", 0},
    {"Умники и умницы", "Омск", "Волкова", 1},
    {"Старая гвардия", "Тула", "Лебедев", 0},
    {"Молодёжь", "Пермь", "Новикова", 0},
    {"Все взяли", "Сочи", "Орлов", 0},
};

}  // namespace

std::unique_ptr<TVemoData> ShowcaseGame() {
    constexpr int kQuestions = 105;
    std::vector<std::string> marks;
    for (int t = 0; t < 12; ++t) {
        std::string m;
        for (int q = 0; q < kQuestions; ++q) {
            const bool taken = t == 11 || (t != 4 && (q * 7 + t * 3) % (t % 5 + 2) == 0);
            m += taken ? '+' : '-';
        }
        marks.push_back(m);
    }
    auto game = MakeGame({60, 45}, marks);
    game->SetGameName(Ansi("Кубок города по интеллектуальным играм"));
    game->SetGameDate({2007, 3, 7});
    for (int t = 0; t < 12; ++t) {
        TTeamData& team = *game->TeamByIndex(t);
        team.Name = Ansi(kShowcaseTeams[t].name);
        team.Town = Ansi(kShowcaseTeams[t].town);
        team.Captain = Ansi(kShowcaseTeams[t].captain);
        team.ScoreDeposit = kShowcaseTeams[t].deposit;
    }
    game->SetRatingPlusOne(true);
    game->SetDepositScore(true);
    game->SetHiRating(true);
    game->CountResult();
    return game;
}

std::unique_ptr<TVemoData> PatternGame(int teams, int questions) {
    std::vector<std::string> marks;
    for (int t = 0; t < teams; ++t) {
        std::string m;
        for (int q = 0; q < questions; ++q) m += (q + t) % (t % 4 + 2) == 0 ? '+' : '-';
        marks.push_back(m);
    }
    auto game = MakeGame({questions}, marks);
    game->CountResult();
    return game;
}

Championship SeasonChampionship(const std::string& folder, const ChampSettings& settings) {
    Championship champ;
    champ.SetSettings(settings);
    for (const std::string& path : SaveSeason(folder))
        if (champ.AddGame(path) != Championship::AddResult::Added) throw std::runtime_error("not added: " + path);
    return champ;
}
