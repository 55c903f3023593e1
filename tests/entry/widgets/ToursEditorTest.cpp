// The tours editor as the user works it: tours typed into the list, the
// value prompt for a split and a new number, the question before a tour
// is deleted with its questions, and OK refusing two names alike.
#include "entry/widgets/TFormTours.h"

#include "entry/widgets/EntryWindows.h"
#include "entry/EntryGames.h"
#include "support/GameBuilder.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kError = QStringLiteral("Ошибка");
const QString kBadValue = QStringLiteral("Недопустимое значение");
const QString kNotWhole = QStringLiteral("Введите целое число.\rНичего не изменено.");
const QString kTooMany = QStringLiteral("В игре может быть не больше 65535 вопросов.");
const QString kSplitTitle = QStringLiteral("Оставить вопросов в туре");
const QString kNumberTitle = QStringLiteral("Новый номер");

class ToursEditorTest : public EntryWindowTest {
protected:
    std::unique_ptr<TVemoData> Run(TVemoData& game, const ScriptedDialogs::WindowStep& step) {
        TFormTours form(game, nullptr);
        dialogs.windows.enqueue(step);
        AppDialogs().Exec(form);
        accepted = form.Accepted();
        return form.TakeGame();
    }

    bool accepted = false;
};

// "name:count" of every tour.
std::vector<std::string> Tours(const TVemoData& game) {
    std::vector<std::string> tours;
    for (int i = 0; i < game.TourCount(); ++i)
        tours.push_back(Utf8(game.TourName(i)) + ":" + std::to_string(game.TourQuestCount(i)));
    return tours;
}

// Tours named A, B, C... of the given counts; one team whose marks are
// `marks` ('+' taken).
std::unique_ptr<TVemoData> NamedTours(const std::vector<int>& counts, const std::string& marks = {}) {
    auto game = MakeGame(counts, {marks});
    for (int i = 0; i < game->TourCount(); ++i) game->SetTourName(i, std::string(1, static_cast<char>('A' + i)));
    return game;
}

bool Enabled(const QDialog& w, const char* button) { return Find<QPushButton>(w, button)->isEnabled(); }

}  // namespace

TEST_F(ToursEditorTest, ToursAreTypedIntoTheEmptyRow) {
    TVemoData empty;
    auto result = Run(empty, [](QDialog& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Туры"));
        EXPECT_EQ(ColumnTexts(w, 0), QStringList{QString()});
        EXPECT_EQ(Find<QLineEdit>(w, "OutQQ")->text(), QStringLiteral("0"));
        EXPECT_TRUE(Find<QLineEdit>(w, "OutQQ")->isReadOnly());
        ClickCell(w, 1, 1);
        TypeRows(w, {QStringLiteral("12")});
        EXPECT_EQ(ColumnTexts(w, 1), (QStringList{"12", ""}));
        EXPECT_EQ(ColumnTexts(w, 2), (QStringList{"", ""}));
        EXPECT_EQ(EditedCell(w), std::pair(2, 1));
        TypeRows(w, {QStringLiteral("Разминка")});
        EXPECT_EQ(EditedCell(w), std::pair(1, 2));
        TypeRows(w, {QStringLiteral("15"), QStringLiteral("Основной")});
        ClickCell(w, 2, 3);
        TypeRows(w, {QStringLiteral("Финал")});
        EXPECT_EQ(ColumnTexts(w, 0), (QStringList{"1", "2", "3", ""}));
        EXPECT_EQ(Find<QLineEdit>(w, "OutQQ")->text(), QStringLiteral("28"));
        Click(w, "OKButton");
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(Tours(*result), (std::vector<std::string>{"Разминка:12", "Основной:15", "Финал:1"}));
    EXPECT_EQ(empty.TourCount(), 0);
}

TEST_F(ToursEditorTest, TheQuestionCellTakesDigitsAndNeitherNothingNorZero) {
    struct Case {
        const char* what;
        QString typed;
        std::vector<std::string> tours;
        std::pair<int, int> editedAfter;
    };
    const std::vector<Case> cases = {
        {"letters are not typed", QStringLiteral("1a-2"), {"A:12", "B:5"}, {2, 1}},
        {"an empty count does nothing", QString(), {"A:10", "B:5"}, {1, 1}},
        {"0 does nothing", QStringLiteral("0"), {"A:10", "B:5"}, {1, 1}},
        {"000 is 0 too", QStringLiteral("000"), {"A:10", "B:5"}, {1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto game = NamedTours({10, 5});
        auto result = Run(*game, [&](QDialog& w) {
            ClickCell(w, 1, 1);
            Type(w, c.typed);
            if (c.typed.isEmpty()) Press(w, Qt::Key_Backspace);
            Press(w, Qt::Key_Return);
            EXPECT_EQ(EditedCell(w), c.editedAfter);
            Click(w, "OKButton");
        });
        EXPECT_EQ(Tours(*result), c.tours);
    }
}

TEST_F(ToursEditorTest, ResizingMovesTheLaterAnswersWithTheirTour) {
    auto game = NamedTours({5, 5}, "-----+++++");
    auto result = Run(*game, [](QDialog& w) {
        ClickCell(w, 1, 1);
        TypeRows(w, {QStringLiteral("7")});
        Click(w, "OKButton");
    });
    EXPECT_EQ(Tours(*result), (std::vector<std::string>{"A:7", "B:5"}));
    EXPECT_EQ(MarksText(*result->TeamByNumber(1)), "-------+++++");
    EXPECT_EQ(MarksText(*game->TeamByNumber(1)), "-----+++++");
}

TEST_F(ToursEditorTest, CountsPastTheGamesLimitAreRefusedBeforeAnyChange) {
    struct Case {
        const char* what;
        int column;
        int row;
        QString typed;
    };
    const std::vector<Case> cases = {
        {"a new tour too long", 1, 3, QStringLiteral("536")},
        {"a tour grown too long", 1, 2, QStringLiteral("1536")},
        {"more than any count", 1, 3, QStringLiteral("99999999999")},
        {"a named tour of 1 question more", 2, 3, QStringLiteral("X")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto game = NamedTours({64000, 1000});
        if (c.column == 2) game->SetTourQuestCount(1, 1535);
        const std::vector<std::string> before = Tours(*game);
        dialogs.ExpectError(kTooMany, kError);
        auto result = Run(*game, [&](QDialog& w) {
            ClickCell(w, c.column, c.row);
            TypeRows(w, {c.typed});
            Click(w, "OKButton");
        });
        EXPECT_EQ(Tours(*result), before);
    }
}

TEST_F(ToursEditorTest, SplitAsksHowManyQuestionsStay) {
    struct Case {
        QString answer;
        bool ok;
        std::vector<std::string> tours;
        QString error;  // empty: none
    };
    const std::vector<Case> cases = {
        {QStringLiteral("4"), true, {"A:4", "A (2):6", "B:3"}, {}},
        {QStringLiteral("10"), true, {"A:10", "B:3"}, {}},
        {QStringLiteral("0"), true, {"A:10", "B:3"}, kBadValue},
        {QStringLiteral("11"), true, {"A:10", "B:3"}, kBadValue},
        {QStringLiteral("-4"), true, {"A:10", "B:3"}, kBadValue},
        {QStringLiteral("четыре"), true, {"A:10", "B:3"}, kNotWhole},
        {QString(), true, {"A:10", "B:3"}, kNotWhole},
        {QStringLiteral("4"), false, {"A:10", "B:3"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.toStdString() + (c.ok ? " OK" : " Cancel"));
        auto game = NamedTours({10, 3}, "++++++++++---");
        if (!c.error.isEmpty()) dialogs.ExpectError(c.error, kError);
        auto result = Run(*game, [&](QDialog& w) {
            EXPECT_FALSE(Enabled(w, "SplitButton"));
            ClickCell(w, 0, 1);
            EXPECT_TRUE(Enabled(w, "SplitButton"));
            dialogs.windows.enqueue(AnswerPrompt(kSplitTitle, c.answer, c.ok));
            Click(w, "SplitButton");
            // Back from the prompt the window starts over: these two wait for a cell.
            EXPECT_FALSE(Enabled(w, "DelTourButton"));
            EXPECT_FALSE(Enabled(w, "ChangeTourButton"));
            Click(w, "OKButton");
        });
        EXPECT_EQ(Tours(*result), c.tours);
        EXPECT_EQ(MarksText(*result->TeamByNumber(1)), "++++++++++---");
    }
}

TEST_F(ToursEditorTest, UniteJoinsATourWithTheNextOne) {
    auto game = NamedTours({3, 4, 5});
    auto result = Run(*game, [](QDialog& w) {
        ClickCell(w, 0, 3);
        EXPECT_FALSE(Enabled(w, "UniteNextButton"));
        ClickCell(w, 0, 4);
        EXPECT_FALSE(Enabled(w, "UniteNextButton"));
        ClickCell(w, 0, 2);
        EXPECT_TRUE(Enabled(w, "UniteNextButton"));
        Click(w, "UniteNextButton");
        EXPECT_EQ(ColumnTexts(w, 1), (QStringList{"3", "9", ""}));
        EXPECT_FALSE(Enabled(w, "UniteNextButton"));  // tour 2 is the last one now
        Click(w, "OKButton");
    });
    EXPECT_EQ(Tours(*result), (std::vector<std::string>{"A:3", "B:9"}));
    EXPECT_TRUE(dialogs.Shown(ShownBox::Kind::Question).isEmpty());
}

TEST_F(ToursEditorTest, ANewNumberExchangesTwoToursWithTheirAnswers) {
    struct Case {
        QString answer;
        std::vector<std::string> tours;
        std::string marks;
        QString error;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("3"), {"C:1", "B:2", "A:3"}, "-+-++-", {}},
        {QStringLiteral("1"), {"A:3", "B:2", "C:1"}, "++-+--", {}},
        {QStringLiteral("0"), {"A:3", "B:2", "C:1"}, "++-+--", kBadValue},
        {QStringLiteral("4"), {"A:3", "B:2", "C:1"}, "++-+--", kBadValue},
        {QStringLiteral("x"), {"A:3", "B:2", "C:1"}, "++-+--", kNotWhole},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        auto game = NamedTours({3, 2, 1}, "++-+--");
        if (!c.error.isEmpty()) dialogs.ExpectError(c.error, kError);
        auto result = Run(*game, [&](QDialog& w) {
            ClickCell(w, 0, 1);
            dialogs.windows.enqueue(AnswerPrompt(kNumberTitle, c.answer));
            Click(w, "ChangeTourButton");
            Click(w, "OKButton");
        });
        EXPECT_EQ(Tours(*result), c.tours);
        EXPECT_EQ(MarksText(*result->TeamByNumber(1)), c.marks);
    }
}

TEST_F(ToursEditorTest, WithOneTourThereIsNoNumberToChange) {
    auto game = NamedTours({10});
    Run(*game, [](QDialog& w) {
        ClickCell(w, 0, 1);
        EXPECT_FALSE(Enabled(w, "ChangeTourButton"));
        EXPECT_TRUE(Enabled(w, "DelTourButton"));
        ClickCell(w, 0, 2);
        EXPECT_FALSE(Enabled(w, "DelTourButton"));
        Click(w, "CancelButton");
    });
}

TEST_F(ToursEditorTest, DeletingATourAsksAndTakesItsQuestionsAlong) {
    struct Case {
        Dialogs::Answer answer;
        std::vector<std::string> tours;
        std::string marks;
    };
    const Case cases[] = {
        {Dialogs::Answer::No, {"A:5", "B:4", "C:6"}, "+++++----++++++"},
        {Dialogs::Answer::Yes, {"A:5", "C:6"}, "+++++++++++"},
    };
    for (const Case& c : cases) {
        auto game = NamedTours({5, 4, 6}, "+++++----++++++");
        dialogs.answers.enqueue(c.answer);
        auto result = Run(*game, [](QDialog& w) {
            ClickCell(w, 2, 2);
            Click(w, "DelTourButton");
            Click(w, "OKButton");
        });
        EXPECT_EQ(Tours(*result), c.tours);
        EXPECT_EQ(MarksText(*result->TeamByNumber(1)), c.marks);
        const ShownBox question = dialogs.Shown(ShownBox::Kind::Question).constLast();
        EXPECT_EQ(question.text, QStringLiteral("Данная операция также приведет к изменению данных игры.\r"
                                                "Вы хотите продолжить?"));
        EXPECT_EQ(question.caption, QStringLiteral("Внимание"));
    }
}

TEST_F(ToursEditorTest, OkRefusesTwoToursNamedAlike) {
    struct Case {
        std::vector<std::string> names;
        QString error;
    };
    const std::vector<Case> cases = {
        {{"", ""}, QStringLiteral("Два тура имеют одинаковые названия: 1, 2")},
        {{"Отбор", "Финал", "ФИНАЛ"}, QStringLiteral("Два тура имеют одинаковые названия: 2, 3")},
        {{"Финал", "Полуфинал", "финал", "полуфинал"}, QStringLiteral("Два тура имеют одинаковые названия: 1, 3")},
    };
    for (const Case& c : cases) {
        auto game = NamedTours(std::vector<int>(c.names.size(), 2));
        for (std::size_t i = 0; i < c.names.size(); ++i) game->SetTourName(static_cast<int>(i), Ansi(c.names[i]));
        dialogs.ExpectError(c.error, kError);
        Run(*game, [](QDialog& w) {
            Click(w, "OKButton");
            EXPECT_TRUE(w.isVisible());
            Click(w, "CancelButton");
        });
        EXPECT_FALSE(accepted);
    }
}

TEST_F(ToursEditorTest, CancelLeavesTheGivenGameAsItWas) {
    auto game = NamedTours({5, 4}, "+++++----");
    dialogs.answers.enqueue(Dialogs::Answer::Yes);
    Run(*game, [](QDialog& w) {
        ClickCell(w, 1, 3);
        TypeRows(w, {QStringLiteral("8"), QStringLiteral("Финал")});
        ClickCell(w, 0, 1);
        Click(w, "DelTourButton");
        Click(w, "CancelButton");
    });
    EXPECT_FALSE(accepted);
    EXPECT_EQ(Tours(*game), (std::vector<std::string>{"A:5", "B:4"}));
    EXPECT_EQ(MarksText(*game->TeamByNumber(1)), "+++++----");
}
