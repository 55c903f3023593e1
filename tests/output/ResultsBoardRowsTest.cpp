// The rows of the results board on real games: the movement since the
// previous question against a recount done here, the order by place, the
// matching of teams by name and town, and a game left as it was.
#include "output/ResultsBoardRows.h"

#include "base/TransCodes.h"
#include "support/GameBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

// Every team's counted results and the stored last question: what the board
// must leave as it found it.
struct GameResults {
    int lastQuestion;
    std::vector<std::array<int32_t, 5>> teams;
    bool operator==(const GameResults&) const = default;
};

GameResults ResultsOf(const TVemoData& game) {
    GameResults results{game.LastQuestion(), {}};
    for (int i = 0; i < game.TeamCount(); ++i) {
        const TTeamData& t = *game.TeamByIndex(i);
        results.teams.push_back({t.TotalTaken, t.RatScore, t.Score, t.Place, t.SortPos});
    }
    return results;
}

std::vector<int> Movements(const ResultsBoard& board) {
    std::vector<int> movements;
    for (const BoardRow& row : board.Rows) movements.push_back(row.Movement);
    return movements;
}

std::vector<std::string> Names(const ResultsBoard& board) {
    std::vector<std::string> names;
    for (const BoardRow& row : board.Rows) names.push_back(row.Name);
    return names;
}

// The rows as the board should show them, by counting the game here at its
// last question and at the one before (team names are unique).
std::vector<BoardRow> ExpectedRows(TVemoData& game) {
    const int last = game.GetLastQuestion();
    game.CountResult();
    std::map<std::string, int32_t> previous;
    if (last >= 2) {
        game.SetLastQuestion(last - 1);
        game.CountResult();
        for (int i = 0; i < game.ActiveTeamCount(); ++i) previous[game.ActiveTeam(i)->Name] = game.ActiveTeam(i)->Place;
        game.SetLastQuestion(last);
        game.CountResult();
    }
    std::vector<BoardRow> rows;
    for (const TTeamData* team : game.TeamsInCountedOrder()) {
        const int32_t before = previous.count(team->Name) ? previous[team->Name] : team->Place;
        rows.push_back({team->Name, team->Town, team->Score, team->RatScore, team->Place, before - team->Place});
    }
    return rows;
}

// Four teams over three questions (zero rating type). After question 2:
// T1 2/4 first, T2 and T3 1/2 second, T4 0/0 fourth. Question 3, taken by
// T4 alone, is rated 3 and lifts T4 above T2 and T3: T1 first, T4 second,
// T2 and T3 third.
std::unique_ptr<TVemoData> LateRiseGame() {
    auto game = MakeGame({3}, {"++-", "+--", "-+-", "--+"});
    game->CountResult();
    return game;
}

}  // namespace

TEST(ResultsBoardRows, MovementAgainstARecountOfASeededGame) {
    struct Case {
        const char* name;
        int groups;
        int tour;          // 0: the whole game
        int lastQuestion;  // 0: every question of the view
        int group;         // 0: all teams
    };
    const Case cases[] = {
        {"the whole game", 0, 0, 0, 0},
        {"the second tour after its fourth question", 0, 2, 4, 0},
        {"one group", 3, 0, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::mt19937 random(20240317);
        RandomGameShape shape;
        shape.teams = 60;
        shape.tours = {12, 8};
        shape.groups = c.groups;
        auto game = MakeRandomGame(random, shape);
        game->SetRatingPlusOne(true);
        game->SetHiRating(true);
        game->SetCurrentTour(c.tour);
        game->SetCurrentGroup(c.group);
        game->SetLastQuestion(c.lastQuestion ? c.lastQuestion : game->WindowQuestionCount());
        const std::vector<BoardRow> expected = ExpectedRows(*game);

        const ResultsBoard board = BuildResultsBoard(*game);
        EXPECT_EQ(board.Rows, expected);
        EXPECT_TRUE(std::any_of(board.Rows.begin(), board.Rows.end(), [](const BoardRow& r) { return r.Movement > 0; }));
        EXPECT_TRUE(std::any_of(board.Rows.begin(), board.Rows.end(), [](const BoardRow& r) { return r.Movement < 0; }));
    }
}

TEST(ResultsBoardRows, MovesOfOneAndOfTwoPlaces) {
    auto game = LateRiseGame();
    const ResultsBoard board = BuildResultsBoard(*game);
    EXPECT_EQ(Names(board), (std::vector<std::string>{"T1", "T4", "T2", "T3"}));
    EXPECT_EQ(Movements(board), (std::vector<int>{0, 2, -1, -1}));
    EXPECT_EQ(board.Rows[1], (BoardRow{"T4", "Town", 1, 3, 2, 2}));
}

TEST(ResultsBoardRows, AfterTheFirstQuestionNobodyMoved) {
    auto game = LateRiseGame();
    game->SetLastQuestion(1);
    game->CountResult();
    const ResultsBoard board = BuildResultsBoard(*game);
    EXPECT_EQ(Movements(board), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(board.Heading.LastQuestion, 1);
}

TEST(ResultsBoardRows, TeamsOfOneNameAndTownShareTheFirstOfTheirRows) {
    // T2 and T4 read the same. Both write their move into T2's row, T4 last:
    // from fourth to third place is +1 for that row; T4's own row keeps 0.
    auto game = LateRiseGame();
    game->TeamByNumber(4)->Name = "T2";
    const ResultsBoard board = BuildResultsBoard(*game);
    EXPECT_EQ(Names(board), (std::vector<std::string>{"T1", "T2", "T2", "T3"}));
    EXPECT_EQ(board.Rows[1].Place, 2);
    EXPECT_EQ(board.Rows[1].Movement, 0);
    EXPECT_EQ(board.Rows[2].Place, 3);
    EXPECT_EQ(board.Rows[2].Movement, 1);

    // A different town makes them two teams.
    game->TeamByNumber(4)->Town = "Other";
    EXPECT_EQ(Movements(BuildResultsBoard(*game)), (std::vector<int>{0, 2, -1, -1}));
}

TEST(ResultsBoardRows, EqualPlacesKeepTheOrderOfTheTeamList) {
    // Everyone ties after question 2 of 2; the board lists them as registered.
    auto game = MakeGame({2}, {"+-", "-+", "+-", "-+"});
    game->SetRatingPlusOne(true);
    game->CountResult();
    const ResultsBoard board = BuildResultsBoard(*game);
    EXPECT_EQ(Names(board), (std::vector<std::string>{"T1", "T2", "T3", "T4"}));
    for (const BoardRow& row : board.Rows) EXPECT_EQ(row.Place, 1);
}

TEST(ResultsBoardRows, TheGameIsLeftAsItWas) {
    struct Case {
        const char* name;
        std::function<void(TVemoData&)> prepare;
    };
    const Case cases[] = {
        {"counted after its last question", [](TVemoData& g) { g.CountResult(); }},
        {"counted after question 2 of 3", [](TVemoData& g) { g.SetLastQuestion(2); g.CountResult(); }},
        {"a mark changed since the last count",
         [](TVemoData& g) {
             g.CountResult();
             g.ActiveTeam(0)->SetMark(2, 1);
         }},
        {"a last question beyond the view", [](TVemoData& g) { g.CountResult(); g.StoreLastQuestion(9); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto game = LateRiseGame();
        c.prepare(*game);
        const GameResults before = ResultsOf(*game);
        const TeamArrayType order = game->TeamsInCountedOrder();
        BuildResultsBoard(*game);
        EXPECT_EQ(ResultsOf(*game), before);
        EXPECT_EQ(game->TeamsInCountedOrder(), order);
    }
}

TEST(ResultsBoardRows, TheHeadingOfTheBand) {
    auto game = MakeGame({3, 2}, {"++-+-", "+----"});
    game->SetGameDate({2024, 3, 7});
    game->SetCurrentTour(2);
    game->SetLastQuestion(1);
    const BoardHeading heading = BuildResultsBoard(*game).Heading;
    EXPECT_EQ(heading.Title, TransCodes::Utf8ToAnsi("Тур 2"));
    EXPECT_EQ(heading.Date, "07.03.2024");
    EXPECT_EQ(heading.LastQuestion, 1);
}

TEST(ResultsBoardRows, AGameWithoutTeamsHasNoRows) {
    auto game = MakeGame({3}, {});
    game->StoreLastQuestion(3);
    const ResultsBoard board = BuildResultsBoard(*game);
    EXPECT_TRUE(board.Rows.empty());
    EXPECT_EQ(game->LastQuestion(), 3);
}
