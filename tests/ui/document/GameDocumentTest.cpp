// The game document: every change recorded once under its description and
// undone and redone exactly, the tail (count when automatic, Changed) after
// each, the modified state following the saved state through the history,
// and the history bounded in steps and in bytes.
#include "ui/document/GameDocument.h"

#include "model/GameDelta.h"
#include "model/VemoData.h"
#include "support/GameBuilder.h"
#include "support/GameDump.h"
#include "support/TestApplication.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

std::string State(const TVemoData& game) { return game.GameFileBytes() + FullGameDump(game); }

void Toggle(TVemoData& game, int number, int question) {
    TTeamData* team = game.TeamByNumber(number);
    team->SetMark(question, team->Mark(question) ? 0 : 1);
}

class GameDocumentTest : public ::testing::Test {
protected:
    GameDocumentTest() {
        TestApplication();
        document.SetCountSource([this] { return options; }, [this] { return automatic; });
        document.Open(MakeGame({2, 3}, {"+-+--", "--+++", "+++++"}), QStringLiteral("/games/cup.qgm"));
        document.Game().CountResult();
    }

    void ToggleStep(int number, int question) {
        document.Edit(QStringLiteral("Ответ команды %1 на вопрос %2").arg(number).arg(question + 1),
                      [=](TVemoData& game) { Toggle(game, number, question); });
    }

    CountOptions options;
    bool automatic = true;
    GameDocument document;
};

}  // namespace

TEST_F(GameDocumentTest, AnEditIsOneStepUndoneAndRedoneExactlyWithTheTailEachTime) {
    QSignalSpy changed(&document, &GameDocument::Changed);
    const std::string before = State(document.Game());
    document.Edit(QStringLiteral("Взяли все: вопрос 2"), [](TVemoData& game) {
        for (int i = 0; i < game.ActiveTeamCount(); ++i) game.ActiveTeam(i)->SetMark(1, 1);
    });
    const std::string after = State(document.Game());
    EXPECT_EQ(document.History().count(), 1);
    EXPECT_EQ(document.History().undoText(), QStringLiteral("Взяли все: вопрос 2"));
    EXPECT_EQ(document.Game().TeamByNumber(2)->Score, 4);  // counted: automatic

    document.Undo();
    EXPECT_EQ(State(document.Game()), before);
    document.Redo();
    EXPECT_EQ(State(document.Game()), after);
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(GameDocumentTest, ChangesOfTheTeamsAreUndoneAsAWholeGame) {
    const std::string before = State(document.Game());
    document.Edit(QStringLiteral("Присоединение игры"), [](TVemoData& game) {
        auto team = std::make_unique<TTeamData>();
        team->Name = "Guest";
        game.AddTeam(std::move(team));
        game.TeamByNumber(4)->SetMark(0, 1);
    });
    const std::string after = State(document.Game());
    ToggleStep(4, 1);  // a delta on top of the whole game
    document.Undo();
    document.Undo();
    EXPECT_EQ(State(document.Game()), before);
    document.Redo();
    EXPECT_EQ(State(document.Game()), after);
    document.Redo();
    EXPECT_EQ(document.Game().TeamByNumber(4)->Mark(1), 1);
}

TEST_F(GameDocumentTest, AReplacementIsUndoneToThePreviousGameWithTheOptionsOfNow) {
    auto copy = TVemoData::CreateCopy(document.Game());
    copy->DeleteTeam(0);
    copy->SetGameName("Registered");
    const std::string before = State(document.Game());
    ASSERT_TRUE(document.Replace(std::move(copy), QStringLiteral("Регистрация команд")));
    EXPECT_EQ(document.Game().TeamCount(), 2);
    EXPECT_TRUE(document.Modified());

    // The options changed since; the game that comes back counts with them.
    options.SortByRating = true;
    document.Undo();
    EXPECT_TRUE(document.Game().SortByRating());
    document.Game().SetSortByRating(false);
    document.Game().CountResult();
    EXPECT_EQ(State(document.Game()), before);
    EXPECT_FALSE(document.Modified());
}

TEST_F(GameDocumentTest, ARecountLessChangeKeepsThePlacesAsTheyWere) {
    const int place = document.Game().TeamByNumber(1)->Place;
    document.Edit(QStringLiteral("Знак"), [](TVemoData& game) {
        for (int q = 0; q < 5; ++q) game.TeamByNumber(1)->SetMark(q, 1);
    }, GameDocument::Recount::Never);
    EXPECT_EQ(document.Game().TeamByNumber(1)->Place, place);
    document.Undo();
    document.Redo();
    EXPECT_EQ(document.Game().TeamByNumber(1)->Place, place);
    automatic = true;
    ToggleStep(2, 0);
    EXPECT_EQ(document.Game().TeamByNumber(1)->Place, 1);
}

TEST_F(GameDocumentTest, WithoutAutomaticCountingNothingIsCounted) {
    automatic = false;
    const int place = document.Game().TeamByNumber(2)->Place;
    for (int q = 0; q < 2; ++q) ToggleStep(2, q);
    EXPECT_EQ(document.Game().TeamByNumber(2)->Place, place);
}

TEST_F(GameDocumentTest, AChangeThatChangesNothingIsNoStepButRunsTheTail) {
    QSignalSpy changed(&document, &GameDocument::Changed);
    document.Edit(QStringLiteral("Ничего"), [](TVemoData& game) { game.TeamByNumber(1)->SetMark(0, 1); });
    EXPECT_EQ(document.History().count(), 0);
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(GameDocumentTest, TheModifiedStateFollowsTheSavedState) {
    QSignalSpy modified(&document, &GameDocument::ModifiedChanged);
    ToggleStep(1, 0);
    EXPECT_TRUE(document.Modified());
    document.SetSaved(QStringLiteral("/games/other.qgm"));
    EXPECT_EQ(document.FileName(), QStringLiteral("/games/other.qgm"));
    EXPECT_FALSE(document.Modified());
    ToggleStep(1, 1);
    EXPECT_TRUE(document.Modified());
    document.Undo();
    EXPECT_FALSE(document.Modified());
    document.Undo();
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(modified.count(), 5);
}

TEST_F(GameDocumentTest, OpeningStartsANewHistoryAndARecoveredGameStaysModified) {
    ToggleStep(1, 0);
    document.Open(MakeGame({2}, {"++"}), QStringLiteral("/games/b.qgm"), true);
    EXPECT_EQ(document.History().count(), 0);
    EXPECT_FALSE(document.History().canUndo());
    EXPECT_TRUE(document.Modified());
    ToggleStep(1, 0);
    document.Undo();
    EXPECT_TRUE(document.Modified());
    document.Open(MakeGame({2}, {"++"}), {});
    EXPECT_FALSE(document.Modified());
}

TEST_F(GameDocumentTest, AnEditInsideAnEditIsPartOfItAndNothingReplacesTheGameMeanwhile) {
    ToggleStep(3, 0);
    document.Edit(QStringLiteral("Цифровой ввод"), [this](TVemoData& game) {
        Toggle(game, 1, 1);
        ToggleStep(2, 0);  // as an automation call while the window is open
        EXPECT_FALSE(document.Replace(MakeGame({1}, {"+"}), QStringLiteral("Регистрация команд")));
        document.Undo();  // no step may be taken back in the middle of an edit
        EXPECT_EQ(game.TeamByNumber(3)->Mark(0), 0);
    });
    EXPECT_EQ(document.History().count(), 2);
    document.Undo();
    EXPECT_EQ(document.Game().TeamByNumber(1)->Mark(1), 0);
    EXPECT_EQ(document.Game().TeamByNumber(2)->Mark(0), 0);
}

TEST_F(GameDocumentTest, WhatAnEditDidBeforeItFailedIsStillRecorded) {
    EXPECT_THROW(document.Edit(QStringLiteral("Сбой"),
                               [](TVemoData& game) {
                                   Toggle(game, 3, 0);
                                   throw std::runtime_error("failed");
                               }),
                 std::runtime_error);
    EXPECT_EQ(document.History().count(), 1);
    document.Undo();
    EXPECT_EQ(document.Game().TeamByNumber(3)->Mark(0), 1);
}

TEST_F(GameDocumentTest, TheHistoryKeepsTheLastHundredSteps) {
    for (int i = 0; i < GameDocument::kHistorySteps + 20; ++i) ToggleStep(1 + i % 3, i % 5);
    EXPECT_EQ(document.History().count(), GameDocument::kHistorySteps);
    EXPECT_TRUE(document.Modified());  // the saved state went with the oldest steps
    while (document.History().canUndo()) document.Undo();
    EXPECT_TRUE(document.Modified());
}

// Replacements of a large game keep whole games: the oldest go once the
// history holds more than its bytes; a saved state among the kept ones stays.
TEST_F(GameDocumentTest, TheHistoryDropsItsOldestStepsBeyondItsBytes) {
    std::mt19937 random(5);
    RandomGameShape shape;
    shape.teams = 3000;
    shape.tours = {90};
    document.Open(MakeRandomGame(random, shape), {});
    const std::size_t gameBytes = HeldBytes(document.Game());
    const int fitting = static_cast<int>(GameDocument::kHistoryBytes / gameBytes);
    ASSERT_LT(fitting + 5, GameDocument::kHistorySteps);
    for (int i = 0; i < fitting + 5; ++i) {
        auto copy = TVemoData::CreateCopy(document.Game());
        copy->SetGameName("Game " + std::to_string(i));
        ASSERT_TRUE(document.Replace(std::move(copy), QStringLiteral("Регистрация команд")));
        if (i == fitting + 2) document.SetSaved(QStringLiteral("/games/big.qgm"));
    }
    EXPECT_LE(document.HistoryBytes(), GameDocument::kHistoryBytes);
    EXPECT_LE(document.History().count(), fitting);
    EXPECT_GE(document.History().count(), fitting - 1);
    document.Undo();
    document.Undo();
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(document.Game().GameName(), "Game " + std::to_string(fitting + 2));
    while (document.History().canUndo()) document.Undo();
    EXPECT_EQ(document.Game().GameName(), "Game " + std::to_string(fitting + 4 - document.History().count()));
}
