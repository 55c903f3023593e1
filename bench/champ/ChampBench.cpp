// A season: games of a league whose teams play most games, each team's
// name in any case. The whole championship from files on disk (load,
// count, rows built and sorted), and the row building alone beside the
// literal algorithm on the same games.
#include "LiteralChamp.h"
#include "base/TransCodes.h"
#include "champ/ChampCount.h"
#include "champ/Championship.h"
#include "support/GameBuilder.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kQuestions = 36;

// `teams` teams of a league of teams + teams / 5, counted as a championship counts.
std::unique_ptr<TVemoData> SeasonGame(std::mt19937& random, int teams) {
    RandomGameShape shape;
    shape.teams = teams;
    shape.tours = {kQuestions};
    auto game = MakeRandomGame(random, shape);
    const int league = teams + teams / 5;
    for (int i = 0; i < game->TeamCount(); ++i) {
        const int member = std::uniform_int_distribution<int>(0, league - 1)(random);
        std::string name = TransCodes::Utf8ToAnsi("Команда ") + std::to_string(member);
        if (random() % 2) name = TransCodes::UpperCase(name);
        game->TeamByIndex(i)->Name = name;
        game->TeamByIndex(i)->Town = TransCodes::Utf8ToAnsi("Город ") + std::to_string(member % 50);
    }
    game->SetRatingPlusOne(true);
    game->CountResult();
    return game;
}

std::vector<std::unique_ptr<TVemoData>> Season(int games, int teams) {
    std::mt19937 random(static_cast<unsigned>(games * 7919 + teams));
    std::vector<std::unique_ptr<TVemoData>> season;
    for (int g = 0; g < games; ++g) season.push_back(SeasonGame(random, teams));
    return season;
}

ChampSettings Mode(bool byScore) {
    ChampSettings settings;
    settings.CountByScore = byScore;
    settings.ExlGames = 8;
    return settings;
}

void WholeChampionship(benchmark::State& state) {
    TempDir dir;
    std::vector<std::string> files;
    for (const auto& game : Season(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)))) {
        files.push_back(dir.File("game" + std::to_string(files.size()) + ".qgm"));
        game->SaveToFile(files.back());
    }
    std::size_t rows = 0;
    for (auto _ : state) {
        Championship champ;
        champ.SetSettings(Mode(true));
        for (const std::string& file : files) champ.AddGame(file);
        rows = champ.ChampTeams().size();
    }
    state.counters["rows"] = static_cast<double>(rows);
}

template <std::vector<ChampTeamRec> (*Build)(const std::vector<const TVemoData*>&, const ChampSettings&)>
void BuildRows(benchmark::State& state) {
    const auto season = Season(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::vector<const TVemoData*> games;
    for (const auto& game : season) games.push_back(game.get());
    state.SetLabel(state.range(2) ? "by_score" : "by_points");
    for (auto _ : state) benchmark::DoNotOptimize(Build(games, Mode(state.range(2))).data());
}

void Sizes(benchmark::internal::Benchmark* b, bool literal) {
    for (auto [games, teams] : {std::pair(10, 100), std::pair(30, 300), std::pair(100, 1000)})
        for (int byScore : {0, 1}) {
            // The literal score mode works out a team's counted games anew for
            // every game it appears in: hours at 100 games of 1000 teams.
            if (literal && games == 100 && byScore) continue;
            b->Args({games, teams, byScore});
        }
    b->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(WholeChampionship)->Name("WholeChampionship")->Args({100, 1000})->Unit(benchmark::kMillisecond);
BENCHMARK(BuildRows<BuildChampTeams>)->Name("Fast")->Apply([](auto* b) { Sizes(b, false); });
BENCHMARK(BuildRows<LiteralChampTeams>)->Name("Literal")->Apply([](auto* b) { Sizes(b, true); })->Iterations(1);
