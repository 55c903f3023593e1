// The championship table's rules on small championships, and the table of
// many seeded random championships against the literal algorithm.
#include "champ/ChampCount.h"

#include "LiteralChamp.h"
#include "base/TransCodes.h"
#include "support/GameBuilder.h"

#include <gtest/gtest.h>

namespace {

using TransCodes::Utf8ToAnsi;

struct TeamEntry {
    std::string name;  // UTF-8
    std::string town;  // UTF-8
    int taken;         // the first `taken` questions of the game
};

// A game counted as a championship counts it: rating plus one, the other
// parameters off. Teams that take more questions rank higher.
std::unique_ptr<TVemoData> CountedGame(int questions, const std::vector<TeamEntry>& teams) {
    std::vector<std::string> marks;
    for (const TeamEntry& t : teams)
        marks.push_back(std::string(static_cast<std::size_t>(t.taken), '+') +
                        std::string(static_cast<std::size_t>(questions - t.taken), '-'));
    auto game = MakeGame({questions}, marks);
    for (std::size_t i = 0; i < teams.size(); ++i) {
        game->TeamByIndex(static_cast<int>(i))->Name = Utf8ToAnsi(teams[i].name);
        game->TeamByIndex(static_cast<int>(i))->Town = Utf8ToAnsi(teams[i].town);
    }
    game->SetRatingPlusOne(true);
    game->CountResult();
    return game;
}

class Champ {
public:
    Champ& Add(int questions, const std::vector<TeamEntry>& teams) {
        FGames.push_back(CountedGame(questions, teams));
        return *this;
    }
    std::vector<ChampTeamRec> Rows(const ChampSettings& settings) const { return BuildChampTeams(Games(), settings); }
    std::vector<const TVemoData*> Games() const {
        std::vector<const TVemoData*> games;
        for (const auto& g : FGames) games.push_back(g.get());
        return games;
    }
    const TVemoData& Game(int i) const { return *FGames[static_cast<std::size_t>(i)]; }

private:
    std::vector<std::unique_ptr<TVemoData>> FGames;
};

ChampSettings ByScore(int32_t exlGames) {
    ChampSettings s;
    s.CountByScore = true;
    s.ExlGames = exlGames;
    return s;
}

ChampSettings ByPoints() {
    ChampSettings s;
    s.CountByScore = false;
    return s;
}

const ChampTeamRec& RowOf(const std::vector<ChampTeamRec>& rows, const std::string& nameUtf8) {
    for (const ChampTeamRec& r : rows)
        if (r.Name == Utf8ToAnsi(nameUtf8)) return r;
    throw std::runtime_error("no row " + nameUtf8);
}

std::vector<int32_t> Places(const std::vector<ChampTeamRec>& rows) {
    std::vector<int32_t> places;
    for (const ChampTeamRec& r : rows) places.push_back(r.Place);
    return places;
}

std::vector<std::string> Names(const std::vector<ChampTeamRec>& rows) {
    std::vector<std::string> names;
    for (const ChampTeamRec& r : rows) names.push_back(TransCodes::AnsiToUtf8(r.Name));
    return names;
}

}  // namespace

TEST(ChampCount, SameNameAndTownInAnyCaseIsOneTeamSpelledAsMetFirst) {
    Champ champ;
    champ.Add(5, {{"Кот", "Москва", 3}, {"Ёж", "Тверь", 1}}).Add(5, {{"КОТ", "МОСКВА", 4}, {"ёж", "тверь", 2}});
    champ.Add(5, {{"Кот", "Казань", 5}});
    for (const ChampSettings& settings : {ByScore(2), ByPoints()}) {
        const auto rows = champ.Rows(settings);
        ASSERT_EQ(rows.size(), 3u);
        const ChampTeamRec& cat = RowOf(rows, "Кот");
        EXPECT_EQ(cat.Town, Utf8ToAnsi("Москва"));
        EXPECT_EQ(cat.Games, 2);
        EXPECT_EQ(RowOf(rows, "Ёж").Games, 2);
    }
    EXPECT_EQ(RowOf(champ.Rows(ByScore(2)), "Кот").Score, 7);
}

TEST(ChampCount, PlacePointsForPlacesOneToTen) {
    Champ champ;
    // A is 1st in the first game and 3rd in the second; L is 12th of 12.
    std::vector<TeamEntry> twelve;
    for (int i = 0; i < 11; ++i) twelve.push_back({"T" + std::to_string(i), "X", 12 - i});
    twelve.push_back({"L", "X", 0});
    champ.Add(3, {{"A", "X", 3}, {"B", "X", 2}, {"C", "X", 1}}).Add(3, {{"B", "X", 3}, {"C", "X", 2}, {"A", "X", 1}});
    champ.Add(12, twelve);
    ASSERT_EQ(champ.Game(2).TeamByIndex(11)->Place, 12);
    const auto rows = champ.Rows(ByPoints());
    EXPECT_EQ(RowOf(rows, "A").Points, 14);
    EXPECT_EQ(RowOf(rows, "B").Points, 16);
    EXPECT_EQ(RowOf(rows, "L").Points, 0);
    EXPECT_EQ(RowOf(rows, "L").Games, 1);
    EXPECT_EQ(ChampGamesText(RowOf(rows, "L"), ByPoints()), "1");
    EXPECT_EQ(RowOf(rows, "T9").Points, 0);  // 10th place with the default points
}

TEST(ChampCount, OnlyTheBestObligatoryGamesCountInScoreMode) {
    Champ champ;
    champ.Add(30, {{"A", "X", 20}}).Add(30, {{"A", "X", 25}}).Add(30, {{"A", "X", 18}});
    struct Case {
        int32_t exlGames;
        int32_t score;
        std::string games;
    };
    for (const Case& c : std::vector<Case>{{2, 45, "2(3)"}, {3, 63, "3"}, {4, 63, "3"}, {1, 25, "1(3)"}, {0, 0, "0(3)"}}) {
        SCOPED_TRACE(c.exlGames);
        const auto rows = champ.Rows(ByScore(c.exlGames));
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].Score, c.score);
        EXPECT_EQ(rows[0].RatScore, c.score);  // every question taken by the only team is rated 1
        EXPECT_EQ(rows[0].Games, 3);
        EXPECT_EQ(rows[0].Points, 10 * (c.score == 63 ? 3 : c.exlGames));
        EXPECT_EQ(ChampGamesText(rows[0], ByScore(c.exlGames)), c.games);
    }
}

TEST(ChampCount, NoObligatoryGamesCountNothingButTheGamesPlayed) {
    Champ champ;
    champ.Add(4, {{"A", "X", 4}, {"B", "X", 1}}).Add(4, {{"B", "X", 3}});
    const auto rows = champ.Rows(ByScore(0));
    EXPECT_EQ(Names(rows), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(Places(rows), (std::vector<int32_t>{1, 1}));
    for (const ChampTeamRec& r : rows) EXPECT_EQ(r.Score + r.RatScore + r.Points, 0);
    EXPECT_EQ(RowOf(rows, "B").Games, 2);
}

TEST(ChampCount, UnplayedGamesRankAsZeroButNeverCount) {
    // Z plays only the third game and takes nothing there: its 0 and 0 tie
    // with the two unplayed games, which come first in list order.
    Champ champ;
    champ.Add(2, {{"A", "X", 1}}).Add(2, {{"A", "X", 2}}).Add(2, {{"Z", "X", 0}, {"A", "X", 0}});
    EXPECT_EQ(RowOf(champ.Rows(ByScore(2)), "Z").Points, 0);
    EXPECT_EQ(RowOf(champ.Rows(ByScore(3)), "Z").Points, 10);
    // A's third game (0 and 0) is its worst; with 2 obligatory games it drops out.
    EXPECT_EQ(RowOf(champ.Rows(ByScore(2)), "A").Points, 20);
}

TEST(ChampCount, EqualGamesCountInListOrder) {
    // A scores 2 in the first and in the third game; with one obligatory
    // game only the first counts, whose place points are 10, not 6.
    Champ champ;
    champ.Add(3, {{"A", "X", 2}}).Add(3, {{"A", "X", 1}}).Add(3, {{"B", "X", 3}, {"A", "X", 2}});
    EXPECT_EQ(RowOf(champ.Rows(ByScore(1)), "A").Points, 10);
    EXPECT_EQ(RowOf(champ.Rows(ByScore(1)), "A").Score, 2);
}

TEST(ChampCount, ATeamTwiceInOneGamePlaysItTwice) {
    Champ champ;
    champ.Add(3, {{"A", "X", 3}, {"a", "x", 1}}).Add(3, {{"A", "X", 2}});
    const auto rows = champ.Rows(ByPoints());
    const ChampTeamRec& row = RowOf(rows, "A");
    EXPECT_EQ(row.Games, 3);
    EXPECT_EQ(row.Score, 6);
    EXPECT_EQ(row.Points, 10 + 6 + 10);
}

TEST(ChampCount, EqualRowsSharePlacesInTheOrderTheyWereCreated) {
    Champ champ;
    champ.Add(4, {{"A", "X", 2}, {"B", "X", 4}, {"C", "X", 2}, {"D", "X", 1}});
    const auto rows = champ.Rows(ByScore(2));
    EXPECT_EQ(Names(rows), (std::vector<std::string>{"B", "A", "C", "D"}));
    EXPECT_EQ(Places(rows), (std::vector<int32_t>{1, 2, 2, 4}));
}

TEST(ChampCount, PointsModeIgnoresTheRating) {
    // A and B both come second once and first once; B's results carry
    // more rating, which decides the order only in score mode.
    Champ champ;
    champ.Add(4, {{"A", "X", 2}, {"B", "X", 4}, {"C", "X", 1}}).Add(4, {{"A", "X", 3}, {"B", "X", 2}, {"C", "X", 0}});
    const auto byPoints = champ.Rows(ByPoints());
    EXPECT_EQ(Names(byPoints), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(Places(byPoints), (std::vector<int32_t>{1, 1, 3}));
    EXPECT_NE(byPoints[0].RatScore, byPoints[1].RatScore);
    const auto byScore = champ.Rows(ByScore(2));
    EXPECT_EQ(Names(byScore), (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(ChampResultText(byScore[0], true, "/"), "6/" + std::to_string(byScore[0].RatScore));
    EXPECT_EQ(ChampResultText(byPoints[0], false, "/"), "16");
}

namespace {

// Spellings of a few teams, so that random games share teams in any case.
std::string Spelling(std::mt19937& random, const std::string& utf8) {
    const std::string ansi = Utf8ToAnsi(utf8);
    switch (random() % 3) {
        case 0: return ansi;
        case 1: return TransCodes::UpperCase(ansi);
        default: return std::string(1, TransCodes::UpperChar(ansi[0])) + ansi.substr(1);
    }
}

// Plain names are drawn from "t0" to "t<plainNames - 1>".
std::unique_ptr<TVemoData> RandomChampGame(std::mt19937& random, unsigned plainNames) {
    static const std::vector<std::pair<std::string, std::string>> pool = {
        {"кот", "москва"}, {"кот", "казань"}, {"пёс", "москва"}, {"ёж", "тверь"}, {"ёж", "москва"},
        {"omega", "riga"}, {"альфа", "ёлки"}, {"бета", "тверь"}, {"гамма", "омск"}, {"дельта", "омск"},
        {"эхо", "томск"}, {"зю", "сочи"}, {"иней", "сочи"}, {"кит", "пермь"}, {"лис", "пермь"},
    };
    RandomGameShape shape;
    shape.teams = std::uniform_int_distribution<int>(1, 12)(random);
    shape.tours = {std::uniform_int_distribution<int>(1, 6)(random)};
    shape.groups = random() % 4 == 0 ? 2 : 0;
    auto game = MakeRandomGame(random, shape);
    for (int i = 0; i < game->TeamCount(); ++i) {
        // Half from the pool, half from enough plain names to make tables
        // longer than a sort keeps in order by chance.
        const bool plain = random() % 2;
        const auto& [name, town] = pool[random() % pool.size()];
        game->TeamByIndex(i)->Name = plain ? "t" + std::to_string(random() % plainNames) : Spelling(random, name);
        game->TeamByIndex(i)->Town = plain ? Spelling(random, "x") : Spelling(random, town);
        game->TeamByIndex(i)->Captain = "C" + std::to_string(i);
    }
    if (shape.groups > 0) game->SetCurrentGroup(std::uniform_int_distribution<int>(0, 2)(random));
    game->SetRatingPlusOne(true);
    game->CountResult();
    return game;
}

ChampSettings RandomSettings(std::mt19937& random, int games) {
    ChampSettings s;
    s.CountByScore = random() % 2;
    s.ExlGames = std::uniform_int_distribution<int>(-1, games + 1)(random);
    for (int32_t& p : s.PlacePoints) p = std::uniform_int_distribution<int>(0, 12)(random);
    return s;
}

}  // namespace

TEST(ChampCount, RandomChampionshipsGiveTheLiteralTable) {
    std::mt19937 random(2007);
    for (int round = 0; round < 500; ++round) {
        std::vector<std::unique_ptr<TVemoData>> owned;
        std::vector<const TVemoData*> games;
        // Now and then a long season of a few teams, where a team's games
        // outnumber what a sort of a few entries keeps in order by chance.
        const bool season = round % 10 == 0;
        const int count = season ? std::uniform_int_distribution<int>(17, 30)(random)
                                 : std::uniform_int_distribution<int>(0, 8)(random);
        for (int g = 0; g < count; ++g) {
            owned.push_back(RandomChampGame(random, season ? 3 : 40));
            games.push_back(owned.back().get());
        }
        for (int settingsRound = 0; settingsRound < 4; ++settingsRound) {
            const ChampSettings settings = RandomSettings(random, count);
            ASSERT_EQ(BuildChampTeams(games, settings), LiteralChampTeams(games, settings))
                << "round " << round << " by score " << settings.CountByScore << " obligatory " << settings.ExlGames;
        }
    }
}
