// The game table's two grids driven by mouse and keys, and the drawn grid
// checked on a grabbed image.
#include "support/GameBuilder.h"
#include "table/widgets/GameTable.h"
#include "support/TestApplication.h"

#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct WithApp {
    WithApp() { TestApplication(); }
};

// A shown table over a counted game: a toggle the table asks for is made,
// counted and rebuilt, as the main window does.
struct Fixture : WithApp {
    std::unique_ptr<TVemoData> game;
    TableOptions options;
    GameTable table;
    int changes = 0;

    explicit Fixture(std::unique_ptr<TVemoData> g) : game(std::move(g)) {
        game->SetRatingPlusOne(true);
        table.resize(700, 300);
        QObject::connect(&table, &GameTable::ToggleRequested, [this](TTeamData* team, int question) {
            ++changes;
            if (team) team->SetMark(question, team->Mark(question) ? 0 : 1);
            Refresh();
        });
        Refresh();
        table.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&table));
    }
    void Refresh() {
        game->CountResult();
        table.Rebuild(*game, options);
    }
    QTableView* Grid() const { return table.Graphic() ? table.GraphicGrid() : table.TextGrid(); }
    QPoint CellCentre(int row, int column) const {
        return Grid()->visualRect(Grid()->model()->index(row, column)).center();
    }
    void DoubleClick(int row, int column) {
        QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, CellCentre(row, column));
    }
    void Click(int row, int column) {
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, CellCentre(row, column));
    }
    std::string Marks(int team) const { return MarksText(*game->TeamByIndex(team)); }
    // The grid as seen, frozen parts included, in viewport coordinates.
    QImage Seen() const {
        const QRect area = Grid()->viewport()->geometry();
        return Grid()->grab(area).toImage();
    }
};

// Two header rows and six team columns by default: answer cells start at
// row 2, column 6. Team 1 leads, so it is in the first row.
std::unique_ptr<TVemoData> Sample() { return MakeGame({4}, {"++--", "+---", "----"}); }

}  // namespace

TEST(GameTable, DoubleClickTogglesTheCellAndRecounts) {
    Fixture f(Sample());
    f.DoubleClick(2, 8);  // team 1, question 3
    EXPECT_EQ(f.Marks(0), "+++-");
    EXPECT_EQ(f.changes, 1);
    EXPECT_EQ(f.game->TeamByIndex(0)->Score, 3);
    f.DoubleClick(2, 8);
    EXPECT_EQ(f.Marks(0), "++--");
}

TEST(GameTable, TheRowsFollowTheNewOrderAfterAToggle) {
    Fixture f(Sample());
    f.DoubleClick(4, 6);  // the last row is team 3: it takes question 1
    // Level with team 2 now, team 3 stays below it by registration, still
    // in the last row.
    f.DoubleClick(4, 7);
    EXPECT_EQ(f.Marks(2), "++--");
    // Teams 1 and 3 now tie on everything; team 1 stays above by registration.
    EXPECT_EQ(f.game->TeamByIndex(2)->SortPos, 1);
}

TEST(GameTable, DoubleClickOnAHeaderActsOnTheCurrentCell) {
    Fixture f(Sample());
    f.Click(3, 9);            // team 2, question 4 becomes current
    f.DoubleClick(3, 1);      // on team 2's name: a frozen cell
    EXPECT_EQ(f.Marks(1), "+--+");
    f.DoubleClick(0, 7);      // on a question number
    EXPECT_EQ(f.Marks(1), "+---");
    EXPECT_EQ(f.changes, 2);
}

TEST(GameTable, SpaceTogglesTheCurrentCell) {
    Fixture f(Sample());
    f.Click(4, 6);
    QTest::keyClick(f.Grid(), Qt::Key_Space);
    EXPECT_EQ(f.Marks(2), "+---");
    EXPECT_EQ(f.changes, 1);
}

TEST(GameTable, TheCursorNeverEntersTheFrozenCells) {
    Fixture f(Sample());
    f.Click(2, 6);
    QTest::keyClick(f.Grid(), Qt::Key_Left);
    QTest::keyClick(f.Grid(), Qt::Key_Up);
    EXPECT_EQ(f.Grid()->currentIndex().row(), 2);
    EXPECT_EQ(f.Grid()->currentIndex().column(), 6);
    QTest::keyClick(f.Grid(), Qt::Key_Right);
    QTest::keyClick(f.Grid(), Qt::Key_Down);
    EXPECT_EQ(f.table.CurrentQuestion(), 1);
    EXPECT_EQ(f.table.CurrentTeamIndex(), 1);
}

TEST(GameTable, ADoubleClickAsksForTheTeamOfItsRow) {
    Fixture f(Sample());
    TTeamData* asked = nullptr;
    int question = -1;
    QObject::connect(&f.table, &GameTable::ToggleRequested, [&](TTeamData* team, int q) {
        asked = team;
        question = q;
    });
    f.DoubleClick(3, 9);  // team 2 is second: row 3; question 4
    EXPECT_EQ(asked, f.game->TeamByNumber(2));
    EXPECT_EQ(question, 3);
}

TEST(GameTable, SwitchingTheFormKeepsTheCurrentCell) {
    Fixture f(Sample());
    f.Click(3, 8);
    f.table.SetGraphic(false);
    f.Refresh();
    EXPECT_TRUE(f.table.TextGrid()->isVisible());
    EXPECT_FALSE(f.table.GraphicGrid()->isVisible());
    EXPECT_EQ(f.table.TextGrid()->currentIndex().row(), 3);
    EXPECT_EQ(f.table.TextGrid()->currentIndex().column(), 8);
    f.DoubleClick(4, 9);
    EXPECT_EQ(f.Marks(2), "---+");
    // Team 3's hard question lifts it above team 2, into row 3.
    EXPECT_EQ(f.table.TextGrid()->model()->index(3, 9).data().toString(), "+");
    EXPECT_EQ(f.table.TextGrid()->model()->index(3, 1).data().toString(), "T3");
}

TEST(GameTable, AnEmptyGameHidesTheTable) {
    TestApplication();
    GameTable table;
    TVemoData empty;
    TableOptions options;
    table.show();
    EXPECT_FALSE(table.Rebuild(empty, options));
    EXPECT_FALSE(table.isVisible());
    EXPECT_EQ(table.CurrentQuestion(), -1);
    EXPECT_EQ(table.CurrentTeamIndex(), -1);
}

TEST(GameTable, DrawnCellsShowSignsOnWhiteAndHeadersOnButtonFace) {
    Fixture f(Sample());
    f.Click(4, 9);  // keep the highlight of the current cell away from the checked cells
    const QImage image = f.Seen();
    const QRect taken = f.Grid()->visualRect(f.Grid()->model()->index(2, 6));
    const QRect missed = f.Grid()->visualRect(f.Grid()->model()->index(2, 8));
    const QRect name = f.Grid()->visualRect(f.Grid()->model()->index(2, 1));
    // The sign picture lies 8 pixels from the left and 2 from the top.
    const QColor takenCentre = image.pixelColor(taken.left() + 8 + 2, taken.top() + 2 + 2);
    EXPECT_GT(takenCentre.green(), 120);
    EXPECT_LT(takenCentre.red(), 60);
    EXPECT_EQ(image.pixelColor(taken.left() + 4, taken.center().y()), QColor(Qt::white));
    const QColor missedSign = image.pixelColor(missed.left() + 8 + 7, missed.top() + 2 + 6);
    EXPECT_EQ(missedSign.red(), missedSign.green());
    EXPECT_LT(missedSign.red(), 200);
    EXPECT_EQ(image.pixelColor(name.right() - 3, name.bottom() - 2), QApplication::palette().button().color());
}

TEST(GameTable, TeamColumnsStayInPlaceWhenTheQuestionsScroll) {
    auto game = MakeGame({60}, {std::string(60, '+'), std::string(60, '-')});
    Fixture f(std::move(game));
    f.Click(2, 6);
    QTest::keyClick(f.Grid(), Qt::Key_End);
    ASSERT_GT(f.Grid()->horizontalScrollBar()->value(), 0);
    const QImage image = f.Seen();
    // The team name column still covers the left edge with the button face.
    EXPECT_EQ(image.pixelColor(100, 2 * 18 + 9), QApplication::palette().button().color());
    // And the last question is fully in sight, clear of the team columns.
    const QRect last = f.Grid()->visualRect(f.Grid()->currentIndex());
    EXPECT_GE(last.left(), 25 + 160 + 80 + 30 * 3);
    EXPECT_LE(last.right(), f.Grid()->viewport()->width());
}
