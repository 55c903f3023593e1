// The results board as a window, played through the dialog seam with keys,
// the wheel and the mouse: it covers the screen without a frame, over every
// window, with the pointer hidden; it scrolls within its rows; Enter,
// Escape or a click closes it; and the game is left as it was.
#include "output/ResultsBoardLayout.h"
#include "output/widgets/TFormResults.h"
#include "support/GameBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/TestApplication.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QColor kStripeGrey(0xD0, 0xD0, 0xD0);

std::unique_ptr<TVemoData> Game(int teams) {
    std::mt19937 random(static_cast<unsigned>(teams));
    RandomGameShape shape;
    shape.teams = teams;
    shape.tours = {6, 6};
    auto game = MakeRandomGame(random, shape);
    game->SetRatingPlusOne(true);
    game->CountResult();
    return game;
}

TFormResults& Board(QDialog& window) { return static_cast<TFormResults&>(window); }

QWidget* Picture(QDialog& window, const char* name) { return window.findChild<QWidget*>(QLatin1String(name)); }

// Sends one wheel step to the board, over the middle of its table.
void Wheel(QDialog& window, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF at = Picture(window, "Image")->geometry().center();
    QWheelEvent event(at, window.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&window, &event);
}

// The colour of the first shown row's free right margin on screen.
QColor FirstRowMargin(QDialog& window) {
    QWidget* image = Picture(window, "Image");
    const BoardTableLayout layout(image->width(), image->height(), 0, 1);
    return image->grab().toImage().pixelColor(image->width() - 3, layout.RowTop(0) + layout.Unit() / 2);
}

class TFormResultsTest : public ::testing::Test {
protected:
    TFormResultsTest() { TestApplication(); }

    // Opens the board on `game` through the seam with `step` as the user's part.
    void Run(TVemoData& game, ScriptedDialogs::WindowStep step) {
        dialogs.windows.enqueue(std::move(step));
        TFormResults form(game);
        AppDialogs().Exec(form);
    }

    ScriptedDialogs dialogs;
};

}  // namespace

TEST_F(TFormResultsTest, CoversTheScreenWithoutAFrameOverEveryWindow) {
    auto game = Game(12);
    Run(*game, [](QDialog& window) {
        EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(window.geometry(), window.screen()->geometry());
        EXPECT_EQ(window.cursor().shape(), Qt::BlankCursor);
        QWidget* band = Picture(window, "TopImage");
        QWidget* table = Picture(window, "Image");
        EXPECT_EQ(band->geometry(), QRect(0, 0, window.width(), window.height() / 7));
        EXPECT_EQ(table->geometry(), QRect(0, window.height() / 7, window.width(), window.height() - window.height() / 7));
        EXPECT_EQ(table->cursor().shape(), Qt::BlankCursor);
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    EXPECT_EQ(dialogs.Shown(ShownBox::Kind::Window).size(), 1);
}

TEST_F(TFormResultsTest, ShowsTheRowsOfTheGameWithTheirMovement) {
    auto game = Game(30);
    auto copy = TVemoData::CreateCopy(*game);
    const ResultsBoard expected = BuildResultsBoard(*copy);
    Run(*game, [&](QDialog& window) {
        EXPECT_EQ(Board(window).Rows(), expected.Rows);
        EXPECT_EQ(Board(window).FirstRow(), 0);
        QTest::keyClick(&window, Qt::Key_Return);
    });
}

TEST_F(TFormResultsTest, KeysScrollWithinTheRows) {
    auto game = Game(25);
    Run(*game, [](QDialog& window) {
        struct Step {
            Qt::Key key;
            int repeat;
            int firstRow;
        };
        const Step steps[] = {
            {Qt::Key_Up, 1, 0},      {Qt::Key_PageUp, 1, 0},   {Qt::Key_Down, 1, 1},  {Qt::Key_PageDown, 1, 11},
            {Qt::Key_PageDown, 1, 21}, {Qt::Key_PageDown, 1, 24}, {Qt::Key_Down, 3, 24}, {Qt::Key_PageUp, 1, 14},
            {Qt::Key_Up, 20, 0},
        };
        for (const Step& step : steps) {
            for (int i = 0; i < step.repeat; ++i) QTest::keyClick(&window, step.key);
            EXPECT_EQ(Board(window).FirstRow(), step.firstRow) << step.key;
        }
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST_F(TFormResultsTest, TheWheelScrollsARowOrWithCtrlAPage) {
    auto game = Game(25);
    Run(*game, [](QDialog& window) {
        struct Step {
            int delta;
            Qt::KeyboardModifiers modifiers;
            int firstRow;
        };
        const Step steps[] = {
            {120, Qt::NoModifier, 0},     {-120, Qt::NoModifier, 1},  {0, Qt::NoModifier, 2},
            {-120, Qt::ControlModifier, 12}, {-120, Qt::ControlModifier, 22}, {-120, Qt::ControlModifier, 24},
            {120, Qt::NoModifier, 23},    {120, Qt::ControlModifier, 13}, {120, Qt::ControlModifier, 3},
            {120, Qt::ControlModifier, 0},
        };
        for (const Step& step : steps) {
            Wheel(window, step.delta, step.modifiers);
            EXPECT_EQ(Board(window).FirstRow(), step.firstRow) << step.delta;
        }
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST_F(TFormResultsTest, AScrollRedrawsTheTable) {
    auto game = Game(25);
    Run(*game, [](QDialog& window) {
        EXPECT_EQ(FirstRowMargin(window), QColor(Qt::white));  // row 0
        QTest::keyClick(&window, Qt::Key_Down);
        EXPECT_EQ(FirstRowMargin(window), kStripeGrey);  // row 1, striped
        Wheel(window, 120);
        EXPECT_EQ(FirstRowMargin(window), QColor(Qt::white));
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST_F(TFormResultsTest, WithoutTeamsNothingScrolls) {
    auto game = MakeGame({5}, {});
    Run(*game, [](QDialog& window) {
        QTest::keyClick(&window, Qt::Key_PageDown);
        Wheel(window, -120, Qt::ControlModifier);
        EXPECT_EQ(Board(window).FirstRow(), 0);
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST_F(TFormResultsTest, EnterEscapeOrAClickCloses) {
    const std::pair<const char*, std::function<void(QDialog&)>> ways[] = {
        {"Enter", [](QDialog& w) { QTest::keyClick(&w, Qt::Key_Return); }},
        {"Enter of the keypad", [](QDialog& w) { QTest::keyClick(&w, Qt::Key_Enter, Qt::KeypadModifier); }},
        {"Escape", [](QDialog& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
        {"a click on the band", [](QDialog& w) { QTest::mouseClick(Picture(w, "TopImage"), Qt::LeftButton); }},
        {"a right button on the table", [](QDialog& w) { QTest::mousePress(Picture(w, "Image"), Qt::RightButton); }},
    };
    auto game = Game(5);
    for (const auto& [what, close] : ways) {
        SCOPED_TRACE(what);
        Run(*game, [&](QDialog& window) {
            close(window);
            EXPECT_FALSE(window.isVisible());
        });
    }
}

TEST_F(TFormResultsTest, TheGameKeepsItsLastQuestionAndResults) {
    auto game = Game(20);
    game->SetLastQuestion(9);
    game->CountResult();
    std::vector<std::array<int32_t, 4>> before;
    for (int i = 0; i < game->TeamCount(); ++i) {
        const TTeamData& t = *game->TeamByIndex(i);
        before.push_back({t.Score, t.RatScore, t.Place, t.SortPos});
    }
    Run(*game, [](QDialog& window) {
        QTest::keyClick(&window, Qt::Key_Down);
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    EXPECT_EQ(game->LastQuestion(), 9);
    for (int i = 0; i < game->TeamCount(); ++i) {
        const TTeamData& t = *game->TeamByIndex(i);
        EXPECT_EQ((std::array<int32_t, 4>{t.Score, t.RatScore, t.Place, t.SortPos}), before[static_cast<std::size_t>(i)]);
    }
}
