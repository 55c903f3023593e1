// A championship driven as its window drives it: games added from files on
// disk, refused files, removals and changed settings.
#include "champ/Championship.h"

#include "base/Errors.h"
#include "base/TransCodes.h"
#include "support/GameBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using TransCodes::Utf8ToAnsi;

// Saves a game of one tour; `teams` are (name, town, marks), texts in UTF-8.
std::string SaveGame(const TempDir& dir, const std::string& file,
                     const std::vector<std::tuple<std::string, std::string, std::string>>& teams) {
    std::vector<std::string> marks;
    for (const auto& team : teams) marks.push_back(std::get<2>(team));
    auto game = MakeGame({static_cast<int>(marks.at(0).size())}, marks);
    for (std::size_t i = 0; i < teams.size(); ++i) {
        game->TeamByIndex(static_cast<int>(i))->Name = Utf8ToAnsi(std::get<0>(teams[i]));
        game->TeamByIndex(static_cast<int>(i))->Town = Utf8ToAnsi(std::get<1>(teams[i]));
    }
    const std::string path = dir.File(file);
    EXPECT_TRUE(game->SaveToFile(path));
    return path;
}

ChampSettings Mode(bool byScore) {
    ChampSettings s;
    s.CountByScore = byScore;
    return s;
}

std::vector<std::string> Names(const Championship& champ) {
    std::vector<std::string> names;
    for (const ChampTeamRec& r : champ.ChampTeams()) names.push_back(TransCodes::AnsiToUtf8(r.Name));
    return names;
}

}  // namespace

TEST(Championship, GamesAddedFromFilesMakeOneTable) {
    TempDir dir;
    const std::string first = SaveGame(dir, "1.qgm", {{"Кот", "Москва", "+++-"}, {"Ёж", "Тверь", "+---"}});
    const std::string second = SaveGame(dir, "2.qgm", {{"КОТ", "МОСКВА", "++--"}, {"Лис", "Омск", "++++"}});
    Championship champ;
    champ.SetSettings(Mode(true));
    EXPECT_EQ(champ.AddGame(first), Championship::AddResult::Added);
    EXPECT_EQ(champ.AddGame(second), Championship::AddResult::Added);
    ASSERT_EQ(champ.GameCount(), 2);
    EXPECT_EQ(champ.Game(1)->FileName(), second);
    EXPECT_EQ(Names(champ), (std::vector<std::string>{"Кот", "Лис", "Ёж"}));
    EXPECT_EQ(champ.ChampTeams()[0].Games, 2);
    EXPECT_EQ(champ.ChampTeams()[0].Score, 5);
}

TEST(Championship, GamesAreCountedWithRatingPlusOneAndNoTieBreakByHigherRating) {
    // A and B take two questions each with equal rating sums; a count with
    // the higher-rating tie-break would put A ahead of B.
    TempDir dir;
    const std::string path = SaveGame(dir, "g.qgm", {{"A", "X", "++--"}, {"B", "X", "--++"}, {"C", "X", "-+--"},
                                                     {"D", "X", "-+-+"}, {"E", "X", "-+++"}});
    Championship champ;
    ASSERT_EQ(champ.AddGame(path), Championship::AddResult::Added);
    EXPECT_TRUE(champ.Game(0)->RatingPlusOne());
    EXPECT_FALSE(champ.Game(0)->HiRating());
    const auto& rows = champ.ChampTeams();
    ASSERT_EQ(Names(champ), (std::vector<std::string>{"E", "A", "B", "D", "C"}));
    EXPECT_EQ(rows[1].RatScore, 7);  // ratings 5 + 2: each question missed by k teams rates k + 1
    EXPECT_EQ(rows[1].Place, 2);
    EXPECT_EQ(rows[2].Place, 2);
    EXPECT_EQ(rows[2].Points, 6);
}

TEST(Championship, RefusedFilesLeaveTheChampionshipAsItWas) {
    TempDir dir;
    const std::string game = SaveGame(dir, "g.qgm", {{"A", "X", "+-"}});
    const std::string text = dir.File("notes.qgm");
    WriteBytes(text, std::string(200, 'x'));
    Championship champ;
    ASSERT_EQ(champ.AddGame(game), Championship::AddResult::Added);
    const std::vector<ChampTeamRec> before = champ.ChampTeams();

    struct Case {
        std::string path;
        Championship::AddResult result;
        const char* message;
    };
    const std::vector<Case> cases = {
        {game, Championship::AddResult::AlreadyLoaded, "Игра уже загружена"},
        {text, Championship::AddResult::NotAGame, "Файл не является игрой ВеМо"},
        {dir.File("missing.qgm"), Championship::AddResult::NotFound, "Файл не найден"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(champ.AddGame(c.path), c.result);
        EXPECT_EQ(AddGameMessage(c.result), Utf8ToAnsi(c.message));
        EXPECT_EQ(champ.GameCount(), 1);
        EXPECT_EQ(champ.ChampTeams(), before);
    }
    EXPECT_EQ(AddGameMessage(Championship::AddResult::Added), "");
}

TEST(Championship, AFileBrokenOffHalfWayReportsTheErrorAndAddsNothing) {
    TempDir dir;
    const std::string whole = ReadBytes(SaveGame(dir, "g.qgm", {{"A", "X", "+-+"}, {"B", "Y", "++-"}}));
    Championship champ;
    int refused = 0;
    for (std::size_t size = 41; size < whole.size(); ++size) {
        const std::string path = dir.File("cut" + std::to_string(size) + ".qgm");
        WriteBytes(path, whole.substr(0, size));
        const int before = champ.GameCount();
        try {
            EXPECT_EQ(champ.AddGame(path), Championship::AddResult::Added) << size;
        } catch (const EInOutError&) {
            ++refused;
            EXPECT_EQ(champ.GameCount(), before) << size;
        }
        for (int g = 0; g < champ.GameCount(); ++g) EXPECT_GT(champ.Game(g)->TeamCount(), 0) << size;
    }
    EXPECT_GT(refused, 0);
}

TEST(Championship, RemovingAGameAndChangingTheSettingsRebuildTheTable) {
    TempDir dir;
    const std::string first = SaveGame(dir, "1.qgm", {{"A", "X", "+++"}, {"B", "X", "+--"}});
    const std::string second = SaveGame(dir, "2.qgm", {{"B", "X", "+++"}, {"C", "X", "++-"}});
    Championship champ;
    champ.SetSettings(Mode(false));
    champ.AddGame(first);
    champ.AddGame(second);
    EXPECT_EQ(Names(champ), (std::vector<std::string>{"B", "A", "C"}));  // 16, 10 and 6 points
    champ.SetSettings(Mode(true));
    EXPECT_EQ(Names(champ), (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(champ.ChampTeams()[0].Score, 4);

    EXPECT_EQ(champ.Game(2), nullptr);
    EXPECT_FALSE(champ.DeleteGame(2));
    EXPECT_FALSE(champ.DeleteGame(-1));
    EXPECT_TRUE(champ.DeleteGame(0));
    EXPECT_EQ(champ.GameCount(), 1);
    EXPECT_EQ(champ.Game(0)->FileName(), second);
    EXPECT_EQ(Names(champ), (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(champ.AddGame(first), Championship::AddResult::Added);

    champ.Clear();
    EXPECT_EQ(champ.GameCount(), 0);
    EXPECT_TRUE(champ.ChampTeams().empty());
    EXPECT_EQ(champ.Settings(), Mode(true));
}
