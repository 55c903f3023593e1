// Writes the sample tournament examples/demo.qgm: 24 invented teams in two
// leagues, three tours of twelve questions of varied difficulty, a few
// deposits. Seeded, so the file is the same on every run.
#include "base/TransCodes.h"
#include "model/VemoData.h"

#include <array>
#include <cstdio>
#include <random>

namespace {

struct Entry {
    const char* name;
    const char* town;
    const char* captain;
};

constexpr std::array<Entry, 24> kTeams = {{
    {"Белые совы", "Москва", "Орлова М."},        {"Северный ветер", "Мурманск", "Кузнецов П."},
    {"Знайки", "Тула", "Зайцева А."},               {"Огни Невы", "Санкт-Петербург", "Лебедев Д."},
    {"Кот Шрёдингера", "Томск", "Морозов С."},      {"Лось в тумане", "Пермь", "Волкова Е."},
    {"Синие киты", "Калининград", "Соколов И."},    {"Пятый угол", "Казань", "Галиев Р."},
    {"Ловцы смыслов", "Самара", "Никитина О."},     {"Старая гвардия", "Воронеж", "Павлов Н."},
    {"Чеширский кот", "Ярославль", "Белова Т."},    {"Ни рыба ни мясо", "Рязань", "Егоров В."},
    {"Совет в Филях", "Москва", "Фёдоров К."},      {"Тёмные лошадки", "Тверь", "Ковалёва Л."},
    {"Кремень", "Челябинск", "Смирнов А."},         {"Дважды два", "Калуга", "Андреева Ю."},
    {"Гусиное перо", "Псков", "Михайлов Г."},       {"Сорока-белобока", "Вологда", "Захарова Н."},
    {"Эврика", "Новосибирск", "Романов Е."},        {"Медный всадник", "Санкт-Петербург", "Титов О."},
    {"Полярная звезда", "Архангельск", "Семёнова И."}, {"Бермудский треугольник", "Сочи", "Крылов Б."},
    {"Мыслители", "Екатеринбург", "Орехов Ф."},     {"Тридцать три", "Тула", "Мельникова В."},
}};

std::string Ansi(const char* utf8) { return TransCodes::Utf8ToAnsi(utf8); }

void AddTeams(TVemoData& game, std::mt19937& random) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<double> easiness(static_cast<std::size_t>(game.QuestionCount()));
    for (double& e : easiness) e = 0.1 + 0.85 * unit(random);
    for (std::size_t t = 0; t < kTeams.size(); ++t) {
        auto team = std::make_unique<TTeamData>();
        team->Name = Ansi(kTeams[t].name);
        team->Town = Ansi(kTeams[t].town);
        team->Captain = Ansi(kTeams[t].captain);
        team->SetGroup(game.GroupByIndex(t < 12 ? 0 : 1));
        if (t % 7 == 3) team->ScoreDeposit = static_cast<int>(t % 3) + 1;
        TTeamData& added = *team;
        game.AddTeam(std::move(team));
        const double strength = 0.35 + 0.6 * (t < 12 ? 1.0 - t / 24.0 : 0.8 - t / 40.0);
        for (int q = 0; q < game.QuestionCount(); ++q)
            added.SetRawMark(q, unit(random) < strength * easiness[q] * 1.2 ? 1 : 0);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demo OUT.qgm\n");
        return 2;
    }
    TVemoData game;
    game.SetGameName(Ansi("Осенний кубок"));
    game.SetPresenter(Ansi("Петров А."));
    game.SetGameDate({2007, 10, 14});
    for (int tour = 1; tour <= 3; ++tour) game.AddTour(12, Ansi("Тур ") + std::to_string(tour));
    for (const char* league : {"Высшая лига", "Первая лига"}) {
        const TGroupData group{Ansi(league)};
        game.AddGroup(&group);
    }
    std::mt19937 random(2007);
    AddTeams(game, random);
    if (!game.SaveToFile(argv[1])) {
        std::fprintf(stderr, "make_demo: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
