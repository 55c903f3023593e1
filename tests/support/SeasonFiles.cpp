#include "support/SeasonFiles.h"

#include "base/TransCodes.h"
#include "support/GameBuilder.h"

#include <filesystem>
#include <random>
#include <stdexcept>

namespace {

constexpr int kGames = 7;

struct SeasonTeam {
    const char* name;
    const char* town;
    const char* captain;
};

const SeasonTeam kTeams[] = {
    {"Знатоки", "Москва", "Иванов Иван"},
    {"Очень длинное название команды знатоков", "Я", "Петров"},
    {"Совы", "", "Сидоров"},
    {"Эрудиты", "Уфа", ""},
    {"Гепарды", "Н", "Капитан с очень длинной фамилией"},
    {"Дельфины", "Казань", "Морозов"},
    {"Умники и умницы", "Омск", "Волкова"},
    {"Старая гвардия", "Тула", "Лебедев"},
    {"Молодёжь", "Пермь", "Новикова"},
    {"Все взяли", "Сочи", "Орлов"},
    {"Ёжики", "Тверь", "Кузнецов"},
    {"Лисы", "Омск", "Соколова"},
};
constexpr int kTeamCount = static_cast<int>(std::size(kTeams));

bool Plays(int team, int game) { return team == 0 || (team * 3 + game) % 4 != 0; }

std::string Ansi(const std::string& utf8) { return TransCodes::Utf8ToAnsi(utf8); }

void SaveGame(int g, const std::string& path) {
    std::mt19937 random(static_cast<unsigned>(17 + g));
    const int questions = 12 + 2 * g;
    std::vector<int> players;
    std::vector<std::string> marks;
    for (int t = 0; t < kTeamCount; ++t) {
        if (!Plays(t, g)) continue;
        players.push_back(t);
        std::string m;
        const double strength = 0.25 + 0.05 * ((t * 7 + g * 3) % kTeamCount);
        for (int q = 0; q < questions; ++q) m += std::uniform_real_distribution<double>(0, 1)(random) < strength ? '+' : '-';
        marks.push_back(m);
    }
    auto game = MakeGame({questions}, marks);
    game->SetGameName(Ansi("Тур " + std::to_string(g + 1) + " сезона"));
    game->SetGameDate({2007, static_cast<uint8_t>(g + 2), static_cast<uint8_t>(10 + g)});
    for (std::size_t i = 0; i < players.size(); ++i) {
        const SeasonTeam& source = kTeams[players[i]];
        TTeamData& team = *game->TeamByIndex(static_cast<int>(i));
        team.Name = Ansi(source.name);
        team.Town = Ansi(source.town);
        team.Captain = Ansi(source.captain);
        if (players[i] == 0 && g == 3) {
            team.Name = TransCodes::UpperCase(team.Name);
            team.Town = TransCodes::UpperCase(team.Town);
        }
    }
    if (!game->SaveToFile(path)) throw std::runtime_error("cannot write " + path);
}

}  // namespace

std::vector<std::string> SaveSeason(const std::string& folder) {
    std::vector<std::string> paths;
    for (int g = 0; g < kGames; ++g) {
        paths.push_back((std::filesystem::path(folder) / ("season" + std::to_string(g + 1) + ".qgm")).string());
        SaveGame(g, paths.back());
    }
    return paths;
}
