// The quick entry window on its real widgets, offscreen: numbers typed with
// Enter, clicks on the field, the arrows and the mark buttons, each checked
// on the game's marks.
#include "entry/DigFieldLayout.h"
#include "entry/widgets/DigField.h"
#include "entry/widgets/TDigForm.h"
#include "support/GameBuilder.h"
#include "support/GameDump.h"
#include "support/ScriptedDialogs.h"
#include "support/TestApplication.h"

#include <QLabel>
#include <QPaintEvent>
#include <QRegion>
#include <algorithm>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// Ten teams over tours of 36 and 4 questions; team n took question n of the
// first tour.
std::unique_ptr<TVemoData> TenTeams() {
    std::vector<std::string> marks;
    for (int n = 1; n <= 10; ++n) {
        std::string team(40, '-');
        team[static_cast<std::size_t>(n - 1)] = '+';
        marks.push_back(team);
    }
    auto game = MakeGame({36, 4}, marks);
    game->SetCurrentTour(1);
    return game;
}

// Fifteen teams, and the group in view holds 4, 9 and 15.
std::unique_ptr<TVemoData> GroupOfThree() {
    auto game = MakeGame({5}, std::vector<std::string>(15, "-----"));
    const TGroupData group{"G"};
    game->AddGroup(&group);
    for (int number : {4, 9, 15}) game->TeamByNumber(number)->SetGroup(game->GroupByIndex(0));
    game->SetCurrentGroup(1);
    return game;
}

class DigFormTest : public ::testing::Test {
protected:
    DigFormTest() { TestApplication(); }

    TDigForm& Open(TVemoData& game, int question = 0) {
        FForm = std::make_unique<TDigForm>(game);
        FForm->SetQuestionNumber(question);
        FForm->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(FForm.get()));
        return *FForm;
    }

    template <class T>
    T* Child(const char* name) const {
        auto* child = FForm->findChild<T*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QLineEdit* Field(const char* name) const { return Child<QLineEdit>(name); }

    // Types into the field as the scorer does: the focus moves there, the
    // number, then Enter.
    void Type(const char* field, const QString& text) {
        QLineEdit* edit = Field(field);
        if (!edit->hasFocus()) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_TRUE(edit->hasFocus()) << field;
        // Letters of a Russian keyboard come as their Unicode key.
        for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(c.toUpper().unicode()), QString(c), {});
        QTest::keyClick(edit, Qt::Key_Return);
    }

    void Press(const char* button) { QTest::mouseClick(Child<QToolButton>(button), Qt::LeftButton); }

    void ShowPage(int page) {
        auto* pages = Child<QTabWidget>("Pages");
        pages->setCurrentIndex(page - 1);
    }

    DigField* Im(int page) const { return Child<DigField>(page == 1 ? "Im1" : "Im2"); }

    QPoint CentreOf(DigField* field, int position) const {
        const DigFieldLayout layout =
            LayOutDigField(static_cast<int>(field->Cells().size()), field->width(), field->height());
        return {layout.CellLeft(position) + layout.CellWidth / 2, layout.CellTop(position) + layout.CellHeight / 2};
    }

    std::vector<int> Numbers(int page) const {
        std::vector<int> numbers;
        for (const DigCell& cell : Im(page)->Cells()) numbers.push_back(cell.Number);
        return numbers;
    }

    ScriptedDialogs FDialogs;
    std::unique_ptr<TDigForm> FForm;
};

std::string Marks(const TVemoData& game, int number) { return MarksText(*game.TeamByNumber(number)); }

// The marks of question q (1-based, absolute) of every team, as "+-" text.
std::string Question(const TVemoData& game, int q) {
    std::string column;
    for (int i = 0; i < game.TeamCount(); ++i) column += game.TeamByIndex(i)->RawMark(q - 1) ? '+' : '-';
    return column;
}

TEST_F(DigFormTest, PageOneInvertsExactlyTheTypedTeams) {
    auto game = TenTeams();
    TDigForm& form = Open(*game, 5);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Цифровой ввод"));
    EXPECT_EQ(Field("EnterQ")->text(), QStringLiteral("5"));
    EXPECT_EQ(Field("EnterT")->text(), QStringLiteral("1"));
    EXPECT_EQ(Child<QLabel>("Title")->text(), QStringLiteral("Рейтинг"));
    Type("EnterQ", QStringLiteral("3"));
    EXPECT_EQ(Question(*game, 3), "--+-------");
    Type("EnterT", QStringLiteral("7"));
    Type("EnterT", QStringLiteral("2"));
    Type("EnterT", QStringLiteral("3"));
    EXPECT_EQ(Question(*game, 3), "-+----+---");
    EXPECT_EQ(Field("EnterT")->selectedText(), QStringLiteral("3"));
    EXPECT_EQ(Field("OutRat")->text(), QStringLiteral("8"));  // missed by 8 of 10
    Type("EnterT", QStringLiteral("7"));
    EXPECT_EQ(Question(*game, 3), "-+--------");
    for (int n : {1, 4, 5, 6, 8, 9, 10}) {
        const std::string marks = Marks(*game, n);
        EXPECT_EQ(marks.find('+'), static_cast<std::size_t>(n - 1)) << n;
        EXPECT_EQ(std::count(marks.begin(), marks.end(), '+'), 1) << n;
    }
    // The field shows the question's marks: team 2 in green, the rest red.
    const std::vector<DigCell> cells = Im(1)->Cells();
    ASSERT_EQ(cells.size(), 10u);
    EXPECT_TRUE(cells[1].Taken);
    EXPECT_FALSE(cells[2].Taken);
}

TEST_F(DigFormTest, PageTwoInvertsTheTypedQuestionsOfOneTeam) {
    auto game = TenTeams();
    Open(*game);
    ShowPage(2);
    EXPECT_EQ(Child<QLabel>("Title")->text(), QStringLiteral("Вопросы"));
    Type("EnterT", QStringLiteral("4"));
    EXPECT_EQ(Marks(*game, 4), std::string(3, '-') + "+" + std::string(36, '-'));
    EXPECT_EQ(Field("OutTeam")->text(), QStringLiteral("T4(To)"));
    QTest::keyClick(Field("EnterT"), Qt::Key_Backtab);
    Type("EnterQ", QStringLiteral("2"));
    Type("EnterQ", QStringLiteral("36"));
    Type("EnterQ", QStringLiteral("4"));
    EXPECT_EQ(Marks(*game, 4), "-+" + std::string(33, '-') + "+" + std::string(4, '-'));
    EXPECT_EQ(Field("OutRat")->text(), QStringLiteral("2"));
    Type("EnterQ", QStringLiteral("2"));
    EXPECT_EQ(Marks(*game, 4), std::string(35, '-') + "+" + std::string(4, '-'));
    EXPECT_EQ(Im(2)->Cells().size(), 36u);
    EXPECT_EQ(Marks(*game, 3), "--+" + std::string(37, '-'));
}

TEST_F(DigFormTest, TheGroupsTeamsInTheirPositions) {
    auto game = GroupOfThree();
    Open(*game);
    EXPECT_EQ(Numbers(1), (std::vector<int>{4, 9, 15}));
    QTest::mouseClick(Im(1), Qt::LeftButton, {}, CentreOf(Im(1), 2));
    EXPECT_EQ(Field("EnterT")->text(), QStringLiteral("9"));
    EXPECT_EQ(Marks(*game, 9), "+----");
    EXPECT_EQ(Question(*game, 1), "--------+------");

    ShowPage(2);
    EXPECT_FALSE(Child<QWidget>("ArQ")->isEnabled());
    EXPECT_TRUE(Child<QWidget>("ArT")->isEnabled());
    EXPECT_EQ(Field("OutTeam")->text(), QStringLiteral("T9(To)"));
    Press("ArTUp");
    EXPECT_EQ(Field("EnterT")->text(), QStringLiteral("15"));
    EXPECT_EQ(Field("OutTeam")->text(), QStringLiteral("T15(To)"));
    Press("ArTUp");
    EXPECT_EQ(Field("EnterT")->text(), QStringLiteral("15"));
    Press("ArTDown");
    Press("ArTDown");
    EXPECT_EQ(Field("EnterT")->text(), QStringLiteral("4"));
    Press("ArTDown");
    EXPECT_EQ(Field("EnterT")->text(), QStringLiteral("4"));
    // A click on page 2 takes the question of the cell.
    QTest::mouseClick(Im(2), Qt::LeftButton, {}, CentreOf(Im(2), 5));
    EXPECT_EQ(Field("EnterQ")->text(), QStringLiteral("5"));
    EXPECT_EQ(Marks(*game, 4), "----+");
}

TEST_F(DigFormTest, NumbersOutsideTheViewChangeNoMark) {
    const struct {
        const char* what;
        int page;
        const char* field;
        const char* typed;
        const char* shown;
    } cases[] = {
        {"a question past the tour on page 1", 1, "EnterQ", "99", "36"},
        {"a question past the tour on page 2", 2, "EnterQ", "99", "36"},
        {"question 0", 2, "EnterQ", "0", "1"},
        {"no question", 2, "EnterQ", "", "1"},
        {"a team outside the group on page 1", 1, "EnterT", "5", "4"},
        {"a team outside the group on page 2", 2, "EnterT", "5", "4"},
        {"team 0", 1, "EnterT", "0", "4"},
        {"a negative team", 1, "EnterT", "-9", "4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto game = MakeGame({36, 4}, std::vector<std::string>(15, std::string(40, '-')));
        const TGroupData group{"G"};
        game->AddGroup(&group);
        for (int number : {4, 9, 15}) game->TeamByNumber(number)->SetGroup(game->GroupByIndex(0));
        game->SetCurrentGroup(1);
        game->SetCurrentTour(1);
        const std::string before = FullGameDump(*game);
        Open(*game, 7);
        ShowPage(c.page);
        if (std::string_view(c.field) == "EnterT") QTest::keyClick(Field("EnterQ"), Qt::Key_Tab);
        Field(c.field)->clear();
        Type(c.field, QString::fromUtf8(c.typed));
        EXPECT_EQ(Field(c.field)->text(), QString::fromUtf8(c.shown));
        EXPECT_EQ(Field(c.field)->selectedText(), QString::fromUtf8(c.shown));
        EXPECT_EQ(FullGameDump(*game), before);
    }
}

TEST_F(DigFormTest, TheQuestionFieldTakesOnlyDigits) {
    auto game = TenTeams();
    Open(*game);
    QLineEdit* enterQ = Field("EnterQ");
    QTest::keyClicks(enterQ, QStringLiteral("a1b2c3d4"));
    QTest::sendKeyEvent(QTest::Click, enterQ, Qt::Key(0x0416), QStringLiteral("ж"), {});
    EXPECT_EQ(enterQ->text(), QStringLiteral("123"));
}

TEST_F(DigFormTest, ATeamNumberThatIsNoNumberIsAnError) {
    auto game = TenTeams();
    const std::string before = FullGameDump(*game);
    Open(*game, 2);
    FDialogs.ExpectError(QStringLiteral("Неправильный номер команды: \"7а\".\rНаберите номер цифрами."),
                         QStringLiteral("Ошибка"));
    Type("EnterT", QStringLiteral("7а"));
    EXPECT_EQ(FullGameDump(*game), before);
    EXPECT_EQ(Field("EnterT")->text(), QStringLiteral("7а"));
    EXPECT_TRUE(Field("EnterT")->hasFocus());
    // The next number replaces it.
    QTest::keyClicks(Field("EnterT"), QStringLiteral("2"));
    QTest::keyClick(Field("EnterT"), Qt::Key_Return);
    EXPECT_EQ(Question(*game, 2), "----------");
}

TEST_F(DigFormTest, TheMarkButtonsOnEachPage) {
    auto game = TenTeams();
    Open(*game, 2);
    const std::string before = FullGameDump(*game);
    Press("InvButton");
    EXPECT_EQ(Question(*game, 2), "+-++++++++");
    Press("InvButton");
    EXPECT_EQ(FullGameDump(*game), before);
    Press("AllButton");
    EXPECT_EQ(Question(*game, 2), "++++++++++");
    EXPECT_EQ(Field("OutRat")->text(), QStringLiteral("0"));
    Press("NoneButton");
    EXPECT_EQ(Question(*game, 2), "----------");

    ShowPage(2);
    Type("EnterT", QStringLiteral("5"));
    const std::string tourOne = Marks(*game, 5);
    Press("InvButton");
    EXPECT_EQ(Marks(*game, 5).substr(0, 36), "++++-" + std::string(31, '+'));
    EXPECT_EQ(Marks(*game, 5).substr(36), "----");  // the other tour stays
    Press("InvButton");
    EXPECT_EQ(Marks(*game, 5), tourOne);
    Press("AllButton");
    EXPECT_EQ(Field("OutRat")->text(), QStringLiteral("36"));
}

TEST_F(DigFormTest, TheQuestionArrowsStayWithinTheTour) {
    auto game = TenTeams();
    Open(*game, 35);
    EXPECT_TRUE(Child<QWidget>("ArQ")->isEnabled());
    EXPECT_FALSE(Child<QWidget>("ArT")->isEnabled());
    Press("ArQUp");
    EXPECT_EQ(Field("EnterQ")->text(), QStringLiteral("36"));
    Press("ArQUp");
    EXPECT_EQ(Field("EnterQ")->text(), QStringLiteral("36"));
    Type("EnterT", QStringLiteral("1"));
    EXPECT_EQ(Question(*game, 36), "+---------");
}

TEST_F(DigFormTest, TheStartingQuestionStaysInTheTour) {
    auto game = TenTeams();
    Open(*game, 60);  // a column past the tour: a mark there would be the next tour's
    EXPECT_EQ(Field("EnterQ")->text(), QStringLiteral("36"));
}

TEST_F(DigFormTest, PointingNamesTheTeamUnderThePointer) {
    auto game = GroupOfThree();
    game->TeamByNumber(9)->Name = "Cat";
    game->TeamByNumber(9)->Town = "Moscow";
    Open(*game);
    QTest::mouseMove(Im(1), CentreOf(Im(1), 2));
    EXPECT_EQ(Field("OutTeam")->text(), QStringLiteral("Cat(Mo)"));
    QTest::mouseMove(Im(1), CentreOf(Im(1), 4));  // no team there
    EXPECT_EQ(Field("OutTeam")->text(), QString());
    const std::string before = FullGameDump(*game);
    QTest::mouseClick(Im(1), Qt::LeftButton, {}, CentreOf(Im(1), 4));
    EXPECT_EQ(FullGameDump(*game), before);
}

// Records the areas a widget is asked to paint.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

// A typed team repaints its own cell and nothing else of the field; a
// question typed on page 1 shows other marks everywhere.
TEST_F(DigFormTest, AnEnterRepaintsWhatItChanged) {
    auto game = TenTeams();
    Open(*game, 3);
    DigField* field = Im(1);
    QTest::qWait(0);
    const DigFieldLayout layout = LayOutDigField(10, field->width(), field->height());
    PaintRecorder recorder(field);
    Type("EnterT", QStringLiteral("7"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !recorder.painted.isEmpty(); }));
    EXPECT_EQ(recorder.painted, QRegion(layout.CellLeft(7), layout.CellTop(7), layout.CellWidth, layout.CellHeight));

    recorder.painted = QRegion();
    QTest::keyClick(Field("EnterT"), Qt::Key_Backtab);
    Type("EnterQ", QStringLiteral("4"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !recorder.painted.isEmpty(); }));
    // Team 3 lost question 4's green and team 4 took it; team 7 did not take 4.
    const QRegion changed = QRegion(layout.CellLeft(3), layout.CellTop(3), layout.CellWidth, layout.CellHeight) +
                            QRegion(layout.CellLeft(4), layout.CellTop(4), layout.CellWidth, layout.CellHeight) +
                            QRegion(layout.CellLeft(7), layout.CellTop(7), layout.CellWidth, layout.CellHeight);
    EXPECT_EQ(recorder.painted, changed);
}

}  // namespace
