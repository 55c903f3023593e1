// Setting up a game from the main window: Ctrl+N straight into the
// registration with the tours and groups editors, Ctrl+R on an open game,
// and what the window shows and offers after a registration is confirmed,
// cancelled or undone.
#include "FormMainFixture.h"

#include "entry/widgets/EntryWindows.h"
#include "model/VemoData.h"
#include "support/GameBuilder.h"
#include "ui/document/GameDocument.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

namespace {

class FormMainEntryTest : public FormMainTest {
protected:
    QStringList Items(const char* box) const {
        QStringList items;
        for (int i = 0; i < Box(box)->count(); ++i) items.append(Box(box)->itemText(i));
        return items;
    }
    QSpinBox* EnterQ() const { return FForm->findChild<QSpinBox*>(QStringLiteral("EnterQ")); }
    void Key(Qt::Key key) { QTest::keyClick(FForm.get(), key, Qt::ControlModifier); }
};

// The tours of the new game, built in the tours editor: every command once.
void BuildTours(ScriptedDialogs& dialogs, QDialog& tours) {
    EXPECT_EQ(ColumnTexts(tours, 1), (QStringList{"2", ""}));  // the first digit typed made it
    ::ClickCell(tours, 1, 1);
    TypeRows(tours, {QStringLiteral("12"), QStringLiteral("Отбор")});  // resize, rename
    TypeRows(tours, {QStringLiteral("6"), QStringLiteral("Финал")});     // add
    TypeRows(tours, {QStringLiteral("12"), QStringLiteral("Полуфинал")});
    ::ClickCell(tours, 0, 1);
    dialogs.windows.enqueue(AnswerPrompt(QStringLiteral("Оставить вопросов в туре"), QStringLiteral("5")));
    Click(tours, "SplitButton");
    EXPECT_EQ(ColumnTexts(tours, 2), (QStringList{"Отбор", "Отбор (2)", "Финал", "Полуфинал", ""}));
    ::ClickCell(tours, 0, 1);
    Click(tours, "UniteNextButton");
    ::ClickCell(tours, 0, 2);
    dialogs.windows.enqueue(AnswerPrompt(QStringLiteral("Новый номер"), QStringLiteral("3")));
    Click(tours, "ChangeTourButton");
    ::ClickCell(tours, 1, 4);
    TypeRows(tours, {QStringLiteral("3"), QStringLiteral("Лишний")});
    ::ClickCell(tours, 0, 4);
    dialogs.answers.enqueue(Dialogs::Answer::Yes);
    Click(tours, "DelTourButton");
    EXPECT_EQ(ColumnTexts(tours, 2), (QStringList{"Отбор", "Полуфинал", "Финал", ""}));
    EXPECT_EQ(ColumnTexts(tours, 1), (QStringList{"12", "12", "6", ""}));
    Click(tours, "OKButton");
}

}  // namespace

TEST_F(FormMainEntryTest, ANewGameIsSetUpFromCtrlN) {
    Start();
    FDialogs.windows.enqueue([this](QDialog& w) {
        Retype(Find<QSpinBox>(w, "EnterQQ"), QStringLiteral("24"));
        Retype(Find<QLineEdit>(w, "EnterTour"), QStringLiteral("Кубок города"));
        Retype(Find<QLineEdit>(w, "EnterLeader"), QStringLiteral("Иванов"));
        Retype(Find<QLineEdit>(w, "EnterDate"), QStringLiteral("05.03.07"));
        ::ClickCell(w, 1, 1);
        TypeRows(w, {QStringLiteral("Кот"), QStringLiteral("Москва"), QStringLiteral("Котов"), QString()});
        TypeRows(w, {QStringLiteral("Пёс"), QStringLiteral("Тверь"), QString(), QString()});
        TypeRows(w, {QStringLiteral("Ёж"), QStringLiteral("Орёл"), QString(), QString()});
        EXPECT_EQ(EditedCell(w), std::pair(1, 4));

        FDialogs.windows.enqueue([](QDialog& groups) {
            ::ClickCell(groups, 1, 1);
            TypeRows(groups, {QStringLiteral("Юниоры"), QStringLiteral("Взрослые")});
            Click(groups, "OKButton");
        });
        Click(w, "GroupsButton");
        EXPECT_EQ(ColumnTexts(w, 5), (QStringList{"???", "???", "???", ""}));
        ::ClickCell(w, 5, 1);
        Press(w, Qt::Key_Down);
        Press(w, Qt::Key_Return);
        ::ClickCell(w, 5, 2);
        Press(w, Qt::Key_Up);
        ::ClickCell(w, 5, 3);
        Press(w, Qt::Key_Return);
        EXPECT_EQ(ColumnTexts(w, 5), (QStringList{"Взрослые", "Юниоры", "Юниоры", ""}));

        Find<QCheckBox>(w, "SevToursCheck")->click();
        FDialogs.windows.enqueue([this](QDialog& tours) { BuildTours(FDialogs, tours); });
        Click(w, "ToursButton");
        EXPECT_EQ(Find<QSpinBox>(w, "EnterQQ")->value(), 30);
        Click(w, "OKButton");
    });
    Key(Qt::Key_N);

    const TVemoData& game = Form().Game();
    ASSERT_EQ(game.TeamCount(), 3);
    EXPECT_EQ(game.QuestionCount(), 30);
    EXPECT_EQ(game.LastQuestion(), 30);
    EXPECT_EQ(game.GameDate(), (TGameDate{2007, 3, 5}));
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("ВеМо 2007 - Кубок города ()"));
    EXPECT_EQ(Items("ToursBox"), (QStringList{QStringLiteral("[Вся игра] Кубок города"), QStringLiteral("Отбор"),
                                              QStringLiteral("Полуфинал"), QStringLiteral("Финал")}));
    EXPECT_EQ(Items("GroupsBox"), (QStringList{QStringLiteral("[Общий зачет]"), QStringLiteral("Юниоры"),
                                               QStringLiteral("Взрослые")}));
    EXPECT_EQ(TeamOrder(), (QStringList{QStringLiteral("Кот"), QStringLiteral("Пёс"), QStringLiteral("Ёж")}));
    EXPECT_EQ(EnterQ()->maximum(), 30);
    EXPECT_EQ(EnterQ()->value(), 30);
    for (const char* command : {"ActSaveFile", "ActCount", "ActAllPlus", "ActAllMinus", "ActInverse", "ActOutResult",
                                "ActStatAll", "ActStatTeam", "ActUndo"})
        EXPECT_TRUE(Action(command)->isEnabled()) << command;
    EXPECT_EQ(Action("ActUndo")->toolTip(), QStringLiteral("Отменить: Регистрация команд"));
}

namespace {

// Each case in a fresh window with the game opened from its file; a
// registered game left behind is not saved.
class FormMainRegisterTest : public FormMainEntryTest {
protected:
    void OpenGame(std::unique_ptr<TVemoData> game) {
        if (FForm && FForm->Modified()) FDialogs.answers.enqueue(Dialogs::Answer::No);
        Start();
        Open(SaveGame(*game, "game.qgm"));
    }
    std::string Bytes() const { return FForm->Game().GameFileBytes(); }
};

}  // namespace

// Undo brings the game before the registration back in one step, the
// saved state included; redo the registered one.
TEST_F(FormMainRegisterTest, AConfirmedRegistrationIsOneUndoableStep) {
    OpenGame(ThreeTeamGame());
    const std::string before = Bytes();
    FDialogs.windows.enqueue([](QDialog& w) {
        ::ClickCell(w, 1, 4);
        TypeRows(w, {QStringLiteral("Ёж"), QStringLiteral("Орёл"), QString(), QString()});
        ::ClickCell(w, 1, 1);
        TypeRows(w, {QStringLiteral("Кот")});
        Click(w, "OKButton");
    });
    Key(Qt::Key_R);

    const std::string registered = Bytes();
    ASSERT_EQ(Form().Game().TeamCount(), 4);
    EXPECT_EQ(TeamOrder(), (QStringList{"T3", QStringLiteral("Кот"), "T2", QStringLiteral("Ёж")}));
    EXPECT_TRUE(Action("ActSaveFile")->isEnabled());
    EXPECT_EQ(Action("ActUndo")->toolTip(), QStringLiteral("Отменить: Регистрация команд"));

    Key(Qt::Key_Z);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(TeamOrder(), (QStringList{"T3", "T1", "T2"}));
    EXPECT_FALSE(Action("ActSaveFile")->isEnabled());
    EXPECT_FALSE(Action("ActUndo")->isEnabled());

    Key(Qt::Key_Y);
    EXPECT_EQ(Bytes(), registered);
    EXPECT_EQ(Form().Game().TeamCount(), 4);
}

// Whatever was typed, a registration closed without OK leaves the game,
// its saved state and the history as they were.
TEST_F(FormMainRegisterTest, ARegistrationClosedWithoutOKChangesNothing) {
    struct Case {
        const char* name;
        void (*close)(QDialog&);
    };
    const Case cases[] = {
        {"Отмена", [](QDialog& w) { Click(w, "CancelButton"); }},
        {"closed", [](QDialog& w) { w.close(); }},
    };
    for (const Case& c : cases) {
        OpenGame(ThreeTeamGame());
        const std::string before = Bytes();
        const QString title = Form().windowTitle();
        FDialogs.windows.enqueue([&c](QDialog& w) {
            Retype(Find<QLineEdit>(w, "EnterTour"), QStringLiteral("Другая игра"));
            ::ClickCell(w, 1, 4);
            TypeRows(w, {QStringLiteral("Ёж")});
            c.close(w);
        });
        Key(Qt::Key_R);
        EXPECT_EQ(Bytes(), before) << c.name;
        EXPECT_EQ(Form().windowTitle(), title) << c.name;
        EXPECT_EQ(TeamOrder(), (QStringList{"T3", "T1", "T2"})) << c.name;
        EXPECT_FALSE(Action("ActSaveFile")->isEnabled()) << c.name;
        EXPECT_FALSE(Action("ActUndo")->isEnabled()) << c.name;
    }
}

// The group in view loses its last team: the window shows every team; a
// group that keeps a team stays in view. (A file keeps no team outside the
// groups: T4 comes back in G1.)
TEST_F(FormMainRegisterTest, AGroupInViewLeftWithoutTeamsGivesWayToAllTeams) {
    struct Case {
        QList<int> movedToG2;  // rows of the registration list
        QStringList groupsAfter;
        int groupInViewAfter;  // GroupsBox item: 0 all teams, 1 G1
        QStringList teamsInView;
    };
    const Case cases[] = {
        {{1, 4}, {"G2", "G2", "G2", "G2", ""}, 0, {"T1", "T2", "T3", "T4"}},
        {{1}, {"G2", "G2", "G2", "G1", ""}, 1, {"T4"}},
    };
    for (const Case& c : cases) {
        OpenGame(GroupGame());
        Choose(Box("GroupsBox"), 1);
        ASSERT_EQ(TeamOrder(), (QStringList{"T1", "T4"}));
        FDialogs.windows.enqueue([&c](QDialog& w) {
            for (int row : c.movedToG2) {
                ::ClickCell(w, 5, row);
                Press(w, Qt::Key_Home);
                Press(w, Qt::Key_Down);
                Press(w, Qt::Key_Return);
            }
            EXPECT_EQ(ColumnTexts(w, 5), c.groupsAfter);
            Click(w, "OKButton");
        });
        Key(Qt::Key_R);
        EXPECT_EQ(Box("GroupsBox")->currentIndex(), c.groupInViewAfter) << c.movedToG2.size();
        EXPECT_EQ(Form().Game().CurrentGroup(), c.groupInViewAfter) << c.movedToG2.size();
        QStringList teams = TeamOrder();
        teams.sort();
        EXPECT_EQ(teams, c.teamsInView) << c.movedToG2.size();
    }
}

// EnterQ keeps the counted questions unless the game became shorter, and
// the game counts what EnterQ shows.
TEST_F(FormMainRegisterTest, TheCountedQuestionsFollowTheRegisteredLength) {
    struct Case {
        const char* typed;
        int maximum;
        int counted;
    };
    const Case cases[] = {
        {"24", 24, 12},
        {"6", 6, 6},
        {"12", 12, 12},
    };
    for (const Case& c : cases) {
        OpenGame(MakeGame({12}, {"+-----------", "------------"}));
        ASSERT_EQ(EnterQ()->value(), 12);
        FDialogs.windows.enqueue([&c](QDialog& w) {
            Retype(Find<QSpinBox>(w, "EnterQQ"), QString::fromLatin1(c.typed));
            Click(w, "OKButton");
        });
        Key(Qt::Key_R);
        EXPECT_EQ(Form().Game().QuestionCount(), c.maximum) << c.typed;
        EXPECT_EQ(EnterQ()->maximum(), c.maximum) << c.typed;
        EXPECT_EQ(EnterQ()->value(), c.counted) << c.typed;
        EXPECT_EQ(Form().Game().LastQuestion(), c.counted) << c.typed;
    }
}
