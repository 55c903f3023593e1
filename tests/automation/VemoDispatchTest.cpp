// The interface's methods on a real main window: every change of the game
// is one step of the game document, which the window's table follows and
// the scorer undoes to the game exactly as it was. (The count parameters
// are options, which the document keeps out of its steps.)
#include "automation/VemoDispatch.h"

#include "../ui/window/FormMainFixture.h"
#include "model/VemoData.h"
#include "support/GameDump.h"
#include "ui/MainActions.h"
#include "ui/MainParts.h"
#include "ui/document/GameDocument.h"

#include <functional>

class VemoDispatchTest : public FormMainTest {
protected:
    // T1 ++-+-, T2 +----, T3 +++++ over tours of 3 and 2 questions.
    VemoDispatch& OpenThreeTeams() {
        Start();
        Open(SaveGame(*ThreeTeamGame(), "game.qgm"));
        FDispatch = std::make_unique<VemoDispatch>(Form().Parts());
        return *FDispatch;
    }

    std::unique_ptr<VemoDispatch> FDispatch;
};

TEST_F(VemoDispatchTest, EveryChangeIsOneStepThatUndoesExactly) {
    struct Case {
        const char* name;
        std::function<void(VemoDispatch&)> call;
    };
    const Case cases[] = {
        {"AddTeam", [](VemoDispatch& d) { d.AddTeam("Новая", "Город", "Кэп", "Тренер"); }},
        {"InsertTeam", [](VemoDispatch& d) { d.InsertTeam(1, "Новая", "Город", "", ""); }},
        {"DeleteTeam", [](VemoDispatch& d) { d.DeleteTeam(2); }},
        {"SetQuestSign", [](VemoDispatch& d) { d.SetQuestSign(2, 5, true); }},
        {"SetScoreDeposit", [](VemoDispatch& d) { d.SetScoreDeposit(1, 4); }},
        {"SetTeamName", [](VemoDispatch& d) { d.SetTeamName(1, "Другая"); }},
        {"SetTeamTown", [](VemoDispatch& d) { d.SetTeamTown(1, "Омск"); }},
        {"SetTeamCaptain", [](VemoDispatch& d) { d.SetTeamCaptain(1, "Капитан"); }},
        {"SetTeamTrainer", [](VemoDispatch& d) { d.SetTeamTrainer(1, "Тренер"); }},
        {"SetTeamNumber", [](VemoDispatch& d) { d.SetTeamNumber(1, 3); }},
        {"SetQuestionCount", [](VemoDispatch& d) { d.SetQuestionCount(7); }},
        {"SetLastQuestion", [](VemoDispatch& d) { d.SetLastQuestion(2); }},
        {"SetPresenter", [](VemoDispatch& d) { d.SetPresenter("Ведущий"); }},
        {"SetGameDate", [](VemoDispatch& d) { d.SetGameDate("05.06.07"); }},
        {"SetGameName", [](VemoDispatch& d) { d.SetGameName("Финал"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VemoDispatch& dispatch = OpenThreeTeams();
        const std::string before = FullGameDump(Form().Game());
        c.call(dispatch);
        EXPECT_NE(FullGameDump(Form().Game()), before);
        EXPECT_EQ(Form().Document().History().count(), 1);
        EXPECT_TRUE(Form().Modified());
        Form().Document().Undo();
        EXPECT_EQ(FullGameDump(Form().Game()), before);
    }
}

TEST_F(VemoDispatchTest, TheTableFollowsTheClientsChanges) {
    VemoDispatch& dispatch = OpenThreeTeams();
    dispatch.AddTeam("Новая", "Город", "", "");
    EXPECT_TRUE(TeamOrder().contains(QStringLiteral("Новая"))) << TeamOrder().join(u'|').toStdString();
    dispatch.SetTeamName(4, "Переименована");
    EXPECT_TRUE(TeamOrder().contains(QStringLiteral("Переименована"))) << TeamOrder().join(u'|').toStdString();
}

// Clients fill a whole game before they count: answers and deposits leave
// the places of the last count even with automatic counting on.
TEST_F(VemoDispatchTest, AnswersAndDepositsWaitForTheClientsCount) {
    VemoDispatch& dispatch = OpenThreeTeams();
    Form().Parts().actions.SetChecked(ActionId::ActAutoCount, true);
    const TeamRec leader = dispatch.GetTeamAtPlace(1);
    ASSERT_EQ(leader.Name, QStringLiteral("T3"));
    for (int q = 1; q <= 5; ++q) dispatch.SetQuestSign(3, q, false);
    dispatch.SetScoreDeposit(1, 2);
    EXPECT_EQ(dispatch.GetTeamAtPlace(1).Name, QStringLiteral("T3"));
    EXPECT_EQ(dispatch.GetTeamAtPlace(1).Score, leader.Score);
    dispatch.CountResult();
    EXPECT_EQ(dispatch.GetTeamAtPlace(1).Name, QStringLiteral("T1"));
}
