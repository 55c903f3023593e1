// The invariant check finds each way a game can break, and passes a game
// the model's own operations built.
#include "model/GameInvariants.h"

#include "model/GroupData.h"
#include "support/GameBuilder.h"

#include <gtest/gtest.h>

#include <functional>

TEST(GameInvariants, AGameOfTheModelsOperationsKeepsThemAll) {
    auto game = MakeGame({3, 2}, {"+-+--", "-----", "+++++"});
    TGroupData group{"A"};
    game->AddGroup(&group);
    game->TeamByIndex(1)->SetGroup(game->GroupByIndex(0));
    game->SetCurrentGroup(1);
    game->SetCurrentTour(2);
    EXPECT_EQ(BrokenInvariant(*game), "");
}

TEST(GameInvariants, EachBrokenRuleIsNamed) {
    struct Case {
        const char* name;
        std::function<void(TVemoData&)> breakIt;
        const char* broken;
    };
    TGroupData foreign{"A"};
    const Case cases[] = {
        {"a gap in the numbers", [](TVemoData& g) { g.TeamByIndex(2)->Number = 4; },
         "team numbers are not 1..3: 4"},
        {"a number twice", [](TVemoData& g) { g.TeamByIndex(2)->Number = 1; }, "team numbers are not 1..3: 1"},
        {"marks short of the questions", [](TVemoData& g) { g.TeamByIndex(1)->SetMarkCount(4); },
         "team 2 has 4 marks for 5 questions"},
        {"a group of another game", [&foreign](TVemoData& g) { g.TeamByIndex(0)->SetGroup(&foreign); },
         "team 1 is in a group of another game"},
    };
    for (const Case& c : cases) {
        auto game = MakeGame({3, 2}, {"+-+--", "-----", "+++++"});
        c.breakIt(*game);
        EXPECT_EQ(BrokenInvariant(*game), c.broken) << c.name;
    }
}
