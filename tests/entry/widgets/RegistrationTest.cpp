// Team registration as the user works it: the header, the question count
// and the several-tours switch, teams typed row after row, the group list,
// the number change and the deletion, every refusal of OK with where it
// leaves the user, and the tours and groups editors opened on the
// window's own copy of the game.
#include "entry/widgets/TFormReg.h"

#include "entry/widgets/EntryWindows.h"
#include "entry/EntryGames.h"
#include "support/GameBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

const QString kError = QStringLiteral("Ошибка");

class RegistrationTest : public EntryWindowTest {
protected:
    // Runs the window on `game`; the game it hands back (its working copy).
    std::unique_ptr<TVemoData> Run(TVemoData& game, const ScriptedDialogs::WindowStep& step) {
        TFormReg form(game, nullptr);
        dialogs.windows.enqueue(step);
        AppDialogs().Exec(form);
        accepted = form.Accepted();
        return form.TakeGame();
    }

    bool accepted = false;
};

QSpinBox* Questions(const QDialog& w) { return Find<QSpinBox>(w, "EnterQQ"); }
QLineEdit* Field(const QDialog& w, const char* name) { return Find<QLineEdit>(w, name); }
QCheckBox* SeveralTours(const QDialog& w) { return Find<QCheckBox>(w, "SevToursCheck"); }
QComboBox* GroupList(const QDialog& w) { return Find<QComboBox>(w, "ChooseValue"); }

QString Today() { return QDate::currentDate().toString(QStringLiteral("dd.MM.yy")); }

std::vector<std::string> TeamNames(const TVemoData& game) {
    std::vector<std::string> names;
    for (int n = 1; n <= game.TeamCount(); ++n) names.push_back(Utf8(game.TeamByNumber(n)->Name));
    return names;
}

// Four teams А, Б, В, Г from four towns, one tour of 10 questions.
std::unique_ptr<TVemoData> FourTeams() {
    auto game = TeamsGame({{"А", "Москва"}, {"Б", "Тверь"}, {"В", "Орёл"}, {"Г", "Псков"}}, {10});
    game->SetGameName(Ansi("Кубок"));
    game->SetGameDate({2007, 3, 5});
    return game;
}

}  // namespace

TEST_F(RegistrationTest, ANewGameOpensEmptyWithTodaysDateAndAsksForQuestions) {
    TVemoData game;
    game.SetGameName(Ansi("Новый турнир"));
    dialogs.ExpectError(QStringLiteral("Введите количество вопросов или туры игры!"), kError);
    Run(game, [](QDialog& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Регистрация команд"));
        EXPECT_EQ(Questions(w)->value(), 0);
        EXPECT_EQ(Field(w, "EnterTour")->text(), QStringLiteral("Новый турнир"));
        EXPECT_EQ(Field(w, "EnterLeader")->text(), QString());
        EXPECT_EQ(Field(w, "EnterDate")->text(), Today());
        EXPECT_FALSE(SeveralTours(w)->isChecked());
        EXPECT_FALSE(Find<QPushButton>(w, "ToursButton")->isEnabled());
        EXPECT_TRUE(Questions(w)->isEnabled());
        EXPECT_EQ(ColumnTexts(w, 1), QStringList{QString()});
        EXPECT_EQ(EditedCell(w), std::pair(1, 1));  // ready for the first team's name
        Click(w, "OKButton");
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(Focused(w), Questions(w));
        Click(w, "CancelButton");
    });
    EXPECT_FALSE(accepted);
}

TEST_F(RegistrationTest, AGameShowsItsHeaderAndTours) {
    auto game = MakeGame({5, 6, 7}, {"", ""});
    game->SetGameName(Ansi("Кубок города"));
    game->SetPresenter(Ansi("Иванов"));
    game->SetGameDate({2007, 3, 5});
    Run(*game, [](QDialog& w) {
        EXPECT_EQ(Field(w, "EnterTour")->text(), QStringLiteral("Кубок города"));
        EXPECT_EQ(Field(w, "EnterLeader")->text(), QStringLiteral("Иванов"));
        EXPECT_EQ(Field(w, "EnterDate")->text(), QStringLiteral("05.03.07"));
        EXPECT_TRUE(SeveralTours(w)->isChecked());
        EXPECT_TRUE(Find<QPushButton>(w, "ToursButton")->isEnabled());
        EXPECT_FALSE(Questions(w)->isEnabled());
        EXPECT_EQ(Questions(w)->value(), 18);
        EXPECT_EQ(ColumnTexts(w, 0), (QStringList{"1", "2", ""}));
        EXPECT_EQ(ColumnTexts(w, 5), (QStringList{"-", "-", ""}));
        Click(w, "TodayButton");
        EXPECT_EQ(Field(w, "EnterDate")->text(), Today());
        Click(w, "CancelButton");
    });
    EXPECT_EQ(game->GameDate(), (TGameDate{2007, 3, 5}));
}

TEST_F(RegistrationTest, TheFirstDigitMakesTheTourAndOkGivesItTheWholeCount) {
    TVemoData game;
    game.SetGameName(Ansi("Кубок"));
    TFormReg* window = nullptr;
    auto result = Run(game, [&](QDialog& w) {
        window = static_cast<TFormReg*>(&w);
        Retype(Questions(w), QStringLiteral("3"));
        ASSERT_EQ(window->Game().TourCount(), 1);
        EXPECT_EQ(window->Game().TourQuestCount(0), 3);
        EXPECT_EQ(Utf8(window->Game().TourName(0)), "Кубок");
        TypeInto(Questions(w), QStringLiteral("6"));
        EXPECT_EQ(window->Game().TourQuestCount(0), 3);
        // Teams typed afterwards leave the typed count in the field.
        ClickCell(w, 1, 1);
        TypeRows(w, {QStringLiteral("Кот"), QStringLiteral("Москва")});
        EXPECT_EQ(Questions(w)->value(), 36);
        Click(w, "OKButton");
    });
    ASSERT_TRUE(accepted);
    ASSERT_EQ(result->TourCount(), 1);
    EXPECT_EQ(result->TourQuestCount(0), 36);
    EXPECT_EQ(result->TeamByNumber(1)->MarkCount(), 36);
}

TEST_F(RegistrationTest, TheQuestionFieldTakesThreeDigitsButShowsALargerGameWhole) {
    TVemoData empty;
    Run(empty, [](QDialog& w) {
        Retype(Questions(w), QStringLiteral("1a2-34"));
        EXPECT_EQ(Questions(w)->value(), 123);
        Click(w, "CancelButton");
    });
    auto large = MakeGame({20000}, {"", ""});
    auto result = Run(*large, [](QDialog& w) {
        EXPECT_EQ(Questions(w)->value(), 20000);
        ClickCell(w, 1, 1);
        TypeRows(w, {QStringLiteral("Кот"), QStringLiteral("Москва")});
        Field(w, "EnterDate")->setFocus();
        Retype(Field(w, "EnterDate"), QStringLiteral("05.03.07"));
        Click(w, "OKButton");
    });
    ASSERT_TRUE(accepted);
    EXPECT_EQ(result->QuestionCount(), 20000);
}

TEST_F(RegistrationTest, UncheckingSeveralToursAsksBeforeUnitingThem) {
    struct Case {
        Dialogs::Answer answer;
        bool checked;
        std::vector<int> tours;
    };
    const Case cases[] = {
        {Dialogs::Answer::No, true, {5, 6, 7}},
        {Dialogs::Answer::Yes, false, {18}},
    };
    for (const Case& c : cases) {
        auto game = MakeGame({5, 6, 7}, {"+----+-----+------"});
        dialogs.answers.enqueue(c.answer);
        auto result = Run(*game, [&](QDialog& w) {
            QTest::mouseClick(SeveralTours(w), Qt::LeftButton, {}, QPoint(5, SeveralTours(w)->height() / 2));
            EXPECT_EQ(SeveralTours(w)->isChecked(), c.checked);
            EXPECT_EQ(Questions(w)->isEnabled(), !c.checked);
            EXPECT_EQ(Find<QPushButton>(w, "ToursButton")->isEnabled(), c.checked);
            EXPECT_EQ(Questions(w)->value(), 18);
            Click(w, "CancelButton");
        });
        std::vector<int> tours;
        for (int i = 0; i < result->TourCount(); ++i) tours.push_back(result->TourQuestCount(i));
        EXPECT_EQ(tours, c.tours);
        EXPECT_EQ(MarksText(*result->TeamByNumber(1)), "+----+-----+------");
        const ShownBox question = dialogs.Shown(ShownBox::Kind::Question).constLast();
        EXPECT_EQ(question.text, QStringLiteral("Информация о турах будет уничтожена.\rПродолжить?"));
        EXPECT_EQ(question.caption, QStringLiteral("Внимание"));
    }
}

TEST_F(RegistrationTest, TeamsAreTypedRowAfterRowAndEnterMovesAsWritten) {
    auto game = TeamsGame({}, {10});
    TFormReg* window = nullptr;
    auto result = Run(*game, [&](QDialog& w) {
        window = static_cast<TFormReg*>(&w);
        ClickCell(w, 1, 1);
        Press(w, Qt::Key_Return);  // no name: nothing happens
        EXPECT_EQ(EditedCell(w), std::pair(1, 1));
        EXPECT_EQ(window->Game().TeamCount(), 0);
        TypeRows(w, {QStringLiteral("Кот")});
        EXPECT_EQ(window->Game().TeamCount(), 1);
        EXPECT_EQ(ColumnTexts(w, 0), (QStringList{"1", ""}));
        EXPECT_EQ(EditedCell(w), std::pair(2, 1));
        Press(w, Qt::Key_Return);  // no town: nothing happens
        EXPECT_EQ(EditedCell(w), std::pair(2, 1));
        TypeRows(w, {QStringLiteral("Москва"), QString(), QStringLiteral("Петров")});
        EXPECT_EQ(EditedCell(w), std::pair(1, 2));
        TypeRows(w, {QStringLiteral("Пёс"), QStringLiteral("Тверь"), QStringLiteral("Сидоров"), QString()});
        EXPECT_EQ(EditedCell(w), std::pair(1, 3));
        EXPECT_EQ(ColumnTexts(w, 0), (QStringList{"1", "2", ""}));
        Click(w, "OKButton");
    });
    ASSERT_TRUE(accepted);
    ASSERT_EQ(result->TeamCount(), 2);
    const TTeamData& first = *result->TeamByNumber(1);
    EXPECT_EQ(Utf8(first.Name), "Кот");
    EXPECT_EQ(Utf8(first.Town), "Москва");
    EXPECT_EQ(Utf8(first.Captain), "");
    EXPECT_EQ(Utf8(first.Trainer), "Петров");
    EXPECT_EQ(Utf8(result->TeamByNumber(2)->Captain), "Сидоров");
    EXPECT_EQ(first.MarkCount(), 10);
}

TEST_F(RegistrationTest, GroupsAreChosenFromTheListOverTheirCell) {
    auto game = TeamsGame({{"Кот", "Москва"}, {"Пёс", "Тверь"}}, {10});
    AddGroups(*game, {"Юниоры", "Взрослые"});
    auto result = Run(*game, [](QDialog& w) {
        EXPECT_EQ(ColumnTexts(w, 5), (QStringList{"???", "???", ""}));
        ClickCell(w, 4, 1);
        Press(w, Qt::Key_Return);  // the coach, then the group list
        EXPECT_EQ(EditedCell(w), std::pair(5, 1));
        ASSERT_TRUE(GroupList(w)->isVisible());
        EXPECT_EQ(GroupList(w)->geometry(), CellRect(w, 5, 1).adjusted(0, 0, 1, 1));
        EXPECT_EQ(GroupList(w)->count(), 2);
        EXPECT_EQ(GroupList(w)->currentText(), QStringLiteral("Юниоры"));
        Press(w, Qt::Key_Down);  // chosen at once
        EXPECT_EQ(CellText(w, 5, 1), QStringLiteral("Взрослые"));
        Press(w, Qt::Key_Return);
        EXPECT_EQ(EditedCell(w), std::pair(1, 2));
        // A team without a group is offered the group chosen last.
        ClickCell(w, 5, 2);
        EXPECT_EQ(GroupList(w)->currentText(), QStringLiteral("Взрослые"));
        Press(w, Qt::Key_Up);
        Press(w, Qt::Key_Escape);
        EXPECT_FALSE(GroupList(w)->isVisible());
        EXPECT_EQ(ColumnTexts(w, 5), (QStringList{"Взрослые", "Юниоры", ""}));
        ClickCell(w, 5, 3);  // the empty row has no group to choose
        EXPECT_FALSE(GroupList(w)->isVisible());
        Click(w, "OKButton");
    });
    ASSERT_TRUE(accepted);
    EXPECT_EQ(Utf8(result->TeamByNumber(1)->Group()->Name), "Взрослые");
    EXPECT_EQ(Utf8(result->TeamByNumber(2)->Group()->Name), "Юниоры");
}

TEST_F(RegistrationTest, WithoutGroupsTheGroupColumnIsNotEdited) {
    auto game = FourTeams();
    Run(*game, [](QDialog& w) {
        ClickCell(w, 5, 2);
        EXPECT_EQ(EditedCell(w), std::pair(-1, -1));
        EXPECT_FALSE(GroupList(w)->isVisible());
        ClickCell(w, 0, 2);
        EXPECT_EQ(EditedCell(w), std::pair(-1, -1));
        EXPECT_TRUE(Find<QPushButton>(w, "DelTeamButton")->isEnabled());
        ClickCell(w, 0, 5);
        EXPECT_FALSE(Find<QPushButton>(w, "DelTeamButton")->isEnabled());
        EXPECT_FALSE(Find<QPushButton>(w, "ChangeTeamButton")->isEnabled());
        Click(w, "CancelButton");
    });
}

TEST_F(RegistrationTest, DeletingTeam2Of4AsksAndRenumbersTheLaterTeams) {
    for (Dialogs::Answer answer : {Dialogs::Answer::No, Dialogs::Answer::Yes}) {
        auto game = FourTeams();
        dialogs.answers.enqueue(answer);
        auto result = Run(*game, [](QDialog& w) {
            ClickCell(w, 0, 2);
            Click(w, "DelTeamButton");
            Click(w, "OKButton");
        });
        const ShownBox question = dialogs.Shown(ShownBox::Kind::Question).constLast();
        EXPECT_EQ(question.text, QStringLiteral("Вы действительно хотите удалить команду Б ?"));
        EXPECT_EQ(question.caption, QStringLiteral("Удаление"));
        EXPECT_EQ(TeamNames(*result), answer == Dialogs::Answer::Yes ? (std::vector<std::string>{"А", "В", "Г"})
                                                                     : (std::vector<std::string>{"А", "Б", "В", "Г"}));
    }
}

TEST_F(RegistrationTest, ANewNumberSwapsTwoTeams) {
    struct Case {
        QString answer;
        bool ok;
        std::vector<std::string> names;
        QString error;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("4"), true, {"Г", "Б", "В", "А"}, {}},
        {QStringLiteral("1"), true, {"А", "Б", "В", "Г"}, {}},
        {QStringLiteral("0"), true, {"А", "Б", "В", "Г"}, QStringLiteral("Недопустимое значение")},
        {QStringLiteral("5"), true, {"А", "Б", "В", "Г"}, QStringLiteral("Недопустимое значение")},
        {QStringLiteral("2.5"), true, {"А", "Б", "В", "Г"}, QStringLiteral("Введите целое число.\rНичего не изменено.")},
        {QStringLiteral("4"), false, {"А", "Б", "В", "Г"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        auto game = FourTeams();
        if (!c.error.isEmpty()) dialogs.ExpectError(c.error, kError);
        auto result = Run(*game, [&](QDialog& w) {
            ClickCell(w, 0, 1);
            dialogs.windows.enqueue(AnswerPrompt(QStringLiteral("Новый номер"), c.answer, c.ok));
            Click(w, "ChangeTeamButton");
            EXPECT_EQ(CellText(w, 1, 1), QString::fromStdString(c.names[0]));
            Click(w, "OKButton");
        });
        EXPECT_EQ(TeamNames(*result), c.names);
    }
}

TEST_F(RegistrationTest, EveryRefusalOfOkSaysWhyAndPutsTheUserWhereToMendIt) {
    using Where = std::function<void(QDialog&)>;
    const auto editorAt = [](int column, int row) -> Where {
        return [=](QDialog& w) { EXPECT_EQ(EditedCell(w), std::pair(column, row)); };
    };
    const Where onDate = [](QDialog& w) { EXPECT_EQ(Focused(w), Field(w, "EnterDate")); };
    struct Case {
        const char* what;
        std::function<std::unique_ptr<TVemoData>()> game;
        QString date;
        QString message;
        Where where;
    };
    const auto teams = [](std::vector<TeamTexts> texts) {
        return [texts] { return TeamsGame(texts, {10}); };
    };
    const auto good = teams({{"Кот", "Москва"}, {"Пёс", "Тверь"}});
    const std::vector<Case> cases = {
        {"no questions while several tours are on (and no tours yet)",
         [] { return TeamsGame({{"Кот", "Москва"}}); },
         QStringLiteral("05.03.07"), QStringLiteral("Введите количество вопросов или туры игры!"),
         [](QDialog& w) { EXPECT_NE(Focused(w), Questions(w)); }},
        {"1.02.2007", good, QStringLiteral("1.02.2007"), QStringLiteral("Неправильный формат даты (дд.мм.гг)!"), onDate},
        {"01/02/07 (the slashes are not typed)", good, QStringLiteral("01/02/07"),
         QStringLiteral("Неправильный формат даты (дд.мм.гг)!"), onDate},
        {"31.04.07", good, QStringLiteral("31.04.07"), QStringLiteral("Неправильное значение даты (дд.мм.гг)!"), onDate},
        {"team 2 without name", teams({{"Кот", "Москва"}, {" ", "Тверь"}}), QStringLiteral("05.03.07"),
         QStringLiteral("Необходимо ввести название команды 2"), editorAt(1, 2)},
        {"team 3 without town", teams({{"Кот", "Москва"}, {"Пёс", "Тверь"}, {"Ёж", ""}}), QStringLiteral("05.03.07"),
         QStringLiteral("Необходимо ввести город команды 3"), editorAt(2, 3)},
        {"Кот/Москва and кот/МОСКВА", teams({{"Кот", "Москва"}, {"Кот", "Тверь"}, {"кот", "МОСКВА"}}),
         QStringLiteral("05.03.07"), QStringLiteral("Две команды имеют одинаковые название и город: 1, 3"),
         editorAt(1, 1)},
        {"a team without group",
         [] {
             auto game = TeamsGame({{"Кот", "Москва"}, {"Пёс", "Тверь"}}, {10});
             AddGroups(*game, {"Юниоры"});
             JoinGroup(*game, 1, 0);
             return game;
         },
         QStringLiteral("05.03.07"), QStringLiteral("Для команды \"Пёс\" не задана группа"),
         [](QDialog& w) {
             EXPECT_EQ(EditedCell(w), std::pair(5, 2));
             EXPECT_TRUE(GroupList(w)->isVisible());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto game = c.game();
        dialogs.ExpectError(c.message, kError);
        Run(*game, [&](QDialog& w) {
            Retype(Field(w, "EnterDate"), c.date);
            if (game->TourCount() == 0) SeveralTours(w)->click();
            Click(w, "OKButton");
            EXPECT_TRUE(w.isVisible());
            c.where(w);
            Click(w, "CancelButton");
        });
        EXPECT_FALSE(accepted);
    }
}

TEST_F(RegistrationTest, BlanksAroundTeamTextsGoEvenWhenOkFailsLater) {
    auto game = TeamsGame({{"  Кот  ", "  Москва"}, {"", "Тверь"}, {" Ёж ", "Орёл"}}, {10});
    dialogs.ExpectError(QStringLiteral("Необходимо ввести название команды 2"), kError);
    TFormReg* window = nullptr;
    Run(*game, [&](QDialog& w) {
        window = static_cast<TFormReg*>(&w);
        Click(w, "OKButton");
        EXPECT_EQ(Utf8(window->Game().TeamByNumber(1)->Name), "Кот");
        EXPECT_EQ(Utf8(window->Game().TeamByNumber(1)->Town), "Москва");
        EXPECT_EQ(Utf8(window->Game().TeamByNumber(3)->Name), " Ёж ");
        EXPECT_EQ(CellText(w, 1, 1), QStringLiteral("Кот"));
        Click(w, "CancelButton");
    });
    EXPECT_EQ(Utf8(game->TeamByNumber(1)->Name), "  Кот  ");
}

TEST_F(RegistrationTest, OkKeepsTheHeaderAsTypedAndTheDateByItsTwoDigitYear) {
    struct Case {
        QString date;
        TGameDate expected;
    };
    const Case cases[] = {
        {QStringLiteral("29.02.03"), {2003, 2, 29}},
        {QStringLiteral("01.01.50"), {2050, 1, 1}},
        {QStringLiteral("01.01.51"), {1951, 1, 1}},
    };
    for (const Case& c : cases) {
        auto game = FourTeams();
        auto result = Run(*game, [&](QDialog& w) {
            Retype(Field(w, "EnterTour"), QStringLiteral(" Кубок мира "));
            Retype(Field(w, "EnterLeader"), QStringLiteral("Ведущий "));
            Retype(Field(w, "EnterDate"), c.date);
            Click(w, "OKButton");
        });
        ASSERT_TRUE(accepted) << c.date.toStdString();
        EXPECT_EQ(result->GameDate(), c.expected);
        EXPECT_EQ(Utf8(result->GameName()), " Кубок мира ");
        EXPECT_EQ(Utf8(result->Presenter()), "Ведущий ");
    }
}

TEST_F(RegistrationTest, TheEditorsWorkOnTheWindowsCopyAndCancelLeavesItAsItWas) {
    struct Case {
        const char* what;
        bool accept;
        std::vector<int> tours;
        std::vector<std::string> groups;
    };
    const Case cases[] = {
        {"accepted", true, {4, 6}, {"Юниоры", "Взрослые"}},
        {"cancelled", false, {10}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto game = FourTeams();
        TFormReg* window = nullptr;
        const char* close = c.accept ? "OKButton" : "CancelButton";
        Run(*game, [&](QDialog& w) {
            window = static_cast<TFormReg*>(&w);
            SeveralTours(w)->click();
            dialogs.windows.enqueue([&](QDialog& tours) {
                EXPECT_EQ(tours.windowTitle(), QStringLiteral("Туры"));
                EXPECT_EQ(ColumnTexts(tours, 1), (QStringList{"10", ""}));
                ClickCell(tours, 0, 1);
                dialogs.windows.enqueue(AnswerPrompt(QStringLiteral("Оставить вопросов в туре"), QStringLiteral("4")));
                Click(tours, "SplitButton");
                Click(tours, close);
            });
            Click(w, "ToursButton");
            dialogs.windows.enqueue([&](QDialog& groups) {
                EXPECT_EQ(groups.windowTitle(), QStringLiteral("Группы"));
                ClickCell(groups, 1, 1);
                TypeRows(groups, {QStringLiteral("Юниоры"), QStringLiteral("Взрослые")});
                Click(groups, close);
            });
            Click(w, "GroupsButton");
            std::vector<int> tours;
            for (int i = 0; i < window->Game().TourCount(); ++i) tours.push_back(window->Game().TourQuestCount(i));
            EXPECT_EQ(tours, c.tours);
            EXPECT_EQ(Questions(w)->value(), 10);
            EXPECT_EQ(GroupList(w)->count(), static_cast<int>(c.groups.size()));
            EXPECT_EQ(CellText(w, 5, 1), c.accept ? QStringLiteral("???") : QStringLiteral("-"));
            Click(w, "CancelButton");
        });
        EXPECT_FALSE(accepted);
        EXPECT_EQ(game->TourCount(), 1);
        EXPECT_EQ(game->GroupCount(), 0);
    }
}
