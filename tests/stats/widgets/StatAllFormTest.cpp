// The question statistics window on real games, played through the dialog
// seam: its header and counts, the thresholds that recount the penalty
// questions, and the histogram read from the picture on screen.
#include "StatPictureProbe.h"

#include "base/TransCodes.h"
#include "model/VemoData.h"
#include "stats/HistogramLayout.h"
#include "stats/widgets/TStatAllForm.h"
#include "support/GameBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/TestApplication.h"

#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// n teams and n + 1 questions; question j is taken by exactly j teams, so
// every rating of the range occurs once.
std::unique_ptr<TVemoData> Staircase(int teams) {
    std::vector<std::string> marks(static_cast<std::size_t>(teams));
    for (int t = 0; t < teams; ++t)
        for (int j = 0; j <= teams; ++j) marks[static_cast<std::size_t>(t)] += t < j ? '+' : '-';
    auto game = MakeGame({teams + 1}, marks);
    game->SetRatingPlusOne(true);
    return game;
}

// `teams` teams and `questions` questions, each taken by the first `takers` teams.
std::unique_ptr<TVemoData> SameRatingGame(int teams, int questions, int takers) {
    std::vector<std::string> marks;
    for (int t = 0; t < teams; ++t) marks.push_back(std::string(static_cast<std::size_t>(questions), t < takers ? '+' : '-'));
    return MakeGame({questions}, marks);
}

QSpinBox* Threshold(QDialog& window, const char* name) { return window.findChild<QSpinBox*>(QLatin1String(name)); }

class StatAllFormTest : public ::testing::Test {
protected:
    StatAllFormTest() { TestApplication(); }

    void Run(const TVemoData& game, ScriptedDialogs::WindowStep step) {
        dialogs.windows.enqueue(std::move(step));
        TStatAllForm form(game);
        AppDialogs().Exec(form);
    }

    ScriptedDialogs dialogs;
    const Draw::SystemColors colors = ShownColors();
};

}  // namespace

TEST_F(StatAllFormTest, TheHeaderAndTheCountsOfTheGame) {
    auto game = Staircase(10);
    game->SetGameName(TransCodes::Utf8ToAnsi("Кубок осени"));
    game->SetPresenter(TransCodes::Utf8ToAnsi("Ведущий вечера"));
    game->SetGameDate({2024, 3, 7});
    Run(*game, [](QDialog& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Общеигровая статистика"));
        EXPECT_EQ(BoxText(window, "OutTourName"), QStringLiteral("Кубок осени"));
        EXPECT_EQ(Box(window, "OutTourName")->toolTip(), QStringLiteral("Кубок осени"));
        EXPECT_EQ(BoxText(window, "OutLeaderName"), QStringLiteral("Ведущий вечера"));
        EXPECT_EQ(Box(window, "OutLeaderName")->toolTip(), QStringLiteral("Ведущий вечера"));
        EXPECT_EQ(BoxText(window, "OutDate"), QStringLiteral("07.03.2024"));
        EXPECT_EQ(BoxText(window, "OutQT"), QStringLiteral("10"));
        EXPECT_EQ(BoxText(window, "OutQQ"), QStringLiteral("11"));
        // Thresholds 1 and 1: ratings 1, 2, 10 and 11.
        EXPECT_EQ(BoxText(window, "OutPenalty"), QStringLiteral("4"));
        EXPECT_EQ(BoxText(window, "OutChild"), QStringLiteral("1"));
        EXPECT_EQ(BoxText(window, "OutCoffin"), QStringLiteral("1"));
        EXPECT_TRUE(Box(window, "OutPenalty")->isReadOnly());
        window.reject();
    });
}

TEST_F(StatAllFormTest, TheThresholdsRecountThePenaltyQuestions) {
    auto game = Staircase(10);
    Run(*game, [](QDialog& window) {
        QSpinBox* enterMin = Threshold(window, "EnterMin");
        QSpinBox* enterMax = Threshold(window, "EnterMax");
        struct Step {
            QSpinBox* box;
            Qt::Key key;
            int repeat;
            const char* penalty;
        };
        const Step steps[] = {
            {enterMin, Qt::Key_Down, 1, "3"},  // taken by none, failed by at most one: 1, 2, 11
            {enterMax, Qt::Key_Down, 1, "2"},  // both 0: everybody's and nobody's
            {enterMax, Qt::Key_Down, 1, "2"},  // no lower than 0
            {enterMin, Qt::Key_Up, 3, "5"},    // taken by at most 3: 8 to 11
            {enterMax, Qt::Key_Up, 9, "10"},   // up to 5 only: failed by at most 5, ratings 1 to 6
        };
        for (const Step& step : steps) {
            for (int i = 0; i < step.repeat; ++i) QTest::keyClick(step.box, step.key);
            EXPECT_EQ(BoxText(window, "OutPenalty"), QString::fromLatin1(step.penalty)) << step.box->objectName().toStdString();
        }
        EXPECT_EQ(enterMax->value(), 5);
        window.reject();
    });
}

TEST_F(StatAllFormTest, OneRatingForEveryQuestionIsOneBarOfTheFullHeight) {
    // Five teams, six questions, each taken by two: all rated 3 + 1 = 4.
    auto game = SameRatingGame(5, 6, 2);
    game->SetRatingPlusOne(true);
    Run(*game, [&](QDialog& window) {
        const QImage picture = ShownPicture(window);
        const auto layout = LayOutHistogram(picture.width(), picture.height(), PictureDigits(), 5, 6);
        ASSERT_TRUE(layout);
        ASSERT_EQ(layout->ColumnWidth, 30);  // few teams: the widest columns, centred
        const BarRect bar = layout->Bar(3, 6);
        const int middle = (bar.Left + bar.Right) / 2;
        EXPECT_EQ(bar.Top, layout->Y0);
        EXPECT_EQ(picture.pixelColor(middle, bar.Top - 1), colors.buttonText);       // the bar's top edge
        EXPECT_EQ(picture.pixelColor(middle, bar.Top + 2), colors.buttonShadow);     // inside it
        EXPECT_EQ(picture.pixelColor(middle, bar.Bottom - 2), colors.buttonText);    // its bottom edge
        EXPECT_EQ(picture.pixelColor(bar.Right - 1, bar.Top + 5), colors.buttonShadow);  // its shadow
        // The other columns hold only the grid.
        for (int k : {0, 1, 2, 4, 5}) {
            SCOPED_TRACE(k);
            EXPECT_EQ(picture.pixelColor(layout->ColumnX(k) + 15, layout->Y0 + 15), colors.buttonFace);
        }
        EXPECT_EQ(picture.pixelColor(layout->ColumnX(1), layout->Y0 + 15), colors.buttonShadow);
        window.reject();
    });
}

TEST_F(StatAllFormTest, ColumnsNarrowWithManyTeams) {
    // Every question untaken: one bar, in the last column; the grid lines of
    // the others where the layout puts them.
    struct Case {
        int teams;
        bool full;  // columns 30 wide
    };
    for (const Case& c : {Case{5, true}, Case{20, false}}) {
        SCOPED_TRACE(c.teams);
        auto game = SameRatingGame(c.teams, 4, 0);
        Run(*game, [&](QDialog& window) {
            const QImage picture = ShownPicture(window);
            const auto layout = LayOutHistogram(picture.width(), picture.height(), PictureDigits(), c.teams, 4);
            ASSERT_TRUE(layout);
            EXPECT_EQ(layout->ColumnWidth == 30, c.full);
            const int y = layout->Y0 + static_cast<int>(layout->RowHeight / 2);
            for (int i = 0; i < c.teams; ++i) {
                EXPECT_EQ(picture.pixelColor(layout->ColumnX(i), y), colors.buttonShadow) << i;
                EXPECT_EQ(picture.pixelColor(layout->ColumnX(i) + 2, y), colors.buttonFace) << i;
            }
            EXPECT_EQ(picture.pixelColor(layout->ColumnX(c.teams) + 2, y), colors.buttonShadow);
            // The caption under the grid.
            EXPECT_GT(DarkPixels(picture, QRect(0, layout->GridBottom() + 3, picture.width(), 40)), 20);
            window.reject();
        });
    }
}

TEST_F(StatAllFormTest, WithoutQuestionsNothingIsDrawn) {
    auto game = MakeGame({}, {"", "", ""});
    Run(*game, [&](QDialog& window) {
        const QImage picture = ShownPicture(window);
        for (int y = 0; y < picture.height(); y += 7)
            for (int x = 0; x < picture.width(); x += 7) ASSERT_EQ(picture.pixelColor(x, y), colors.buttonFace);
        EXPECT_EQ(BoxText(window, "OutQQ"), QStringLiteral("0"));
        EXPECT_EQ(BoxText(window, "OutPenalty"), QStringLiteral("0"));
        EXPECT_EQ(BoxText(window, "OutChild"), QStringLiteral("0"));
        window.reject();
    });
}
