// The results board's layout arithmetic: the band on a 1920 x 1080 screen,
// the rows and arrows of the table with coordinates rounded halves to even,
// the fitting of texts and the scrolling bounds.
#include "output/ResultsBoardLayout.h"

#include <gtest/gtest.h>

TEST(ResultsBoardLayout, TheBandOfAFullHdScreen) {
    ASSERT_EQ(BoardBandHeight(1080), 154);
    const BoardBandLayout band(1920, 154);
    EXPECT_EQ(band.DateCellHeight(), 38);
    EXPECT_EQ(band.DateX(200), 1710);
    EXPECT_EQ(band.DateY(37), 0);  // (38 - 37) / 2
    EXPECT_EQ(band.CaptionY(37), 154 - 18 - 19);
    EXPECT_EQ(band.CaptionX(601), 659);
    EXPECT_EQ(band.TitleStripe(), (PixelRect{0, 38, 1919, 116}));
    EXPECT_EQ(band.TitleCellHeight(), 51);
    EXPECT_EQ(band.TitleY(51), 38 + (77 - 51) / 2);
}

TEST(ResultsBoardLayout, RowsStripesAndArrowsOfAFullHdTable) {
    // The table is 1080 - 154 = 926 high: u = 61, rows 73.2 apart.
    const BoardTableLayout table(1920, 926, 0, 300);
    ASSERT_EQ(table.Unit(), 61);
    EXPECT_EQ(table.HeaderBand(34), (PixelRect{0, 35, 1919, 79}));
    EXPECT_EQ(table.HeaderTop(), 40);
    EXPECT_EQ(table.RowTop(0), 110);  // 109.8
    EXPECT_EQ(table.RowTop(9), 769);  // 768.6
    EXPECT_EQ(table.Stripe(1), (PixelRect{0, 182, 1919, 256}));  // 183 - 1, 256.2
    // Base 153.6 .. 211.2 at 153.72, apex at 124.44.
    EXPECT_EQ(table.Arrow(0, 1), (BoardArrow{{154, 154}, {211, 154}, {182, 124}}));
    EXPECT_EQ(table.Arrow(0, -3), (BoardArrow{{154, 124}, {211, 124}, {182, 154}}));
    EXPECT_EQ(table.MoveCellHeight(), 46);  // 45.75
    EXPECT_EQ(table.MoveLeft(), 221);       // 220.8
    EXPECT_EQ(table.MoveTop(0), 117);       // 117.12
    EXPECT_EQ(table.CreditPoints(), 12);
}

TEST(ResultsBoardLayout, PositionsFollowTheFirstShownRow) {
    const BoardTableLayout first(1920, 926, 0, 300);
    const BoardTableLayout scrolled(1920, 926, 20, 300);
    EXPECT_EQ(scrolled.RowTop(20), first.RowTop(0));
    EXPECT_EQ(scrolled.Stripe(21), first.Stripe(1));
    EXPECT_EQ(scrolled.Arrow(25, 2), first.Arrow(5, 2));
    EXPECT_EQ(scrolled.MoveTop(29), first.MoveTop(9));
}

TEST(ResultsBoardLayout, ColumnsRoundHalvesToEven) {
    // 150 wide: 4.5 -> 4, 22.5 -> 22, 90, 127.5 -> 128; the arrow from 12 to
    // 16.5 -> 16, the move size at 17.25 -> 17. u = 10, a space is 2.
    const BoardTableLayout table(150, 150, 0, 1);
    EXPECT_EQ(table.ColumnLeft(BoardColumn::Place), 4);
    EXPECT_EQ(table.ColumnLeft(BoardColumn::Team), 22);
    EXPECT_EQ(table.ColumnLeft(BoardColumn::Town), 90);
    EXPECT_EQ(table.ColumnLeft(BoardColumn::Score), 128);
    EXPECT_EQ(table.ColumnRight(BoardColumn::Place), 10);
    EXPECT_EQ(table.ColumnRight(BoardColumn::Team), 88);
    EXPECT_EQ(table.ColumnRight(BoardColumn::Town), 126);
    EXPECT_EQ(table.ColumnRight(BoardColumn::Score), 148);
    EXPECT_EQ(table.Arrow(0, 1).baseRight.x, 16);
    EXPECT_EQ(table.MoveLeft(), 17);
    EXPECT_EQ(table.MoveRight(), 20);
}

TEST(ResultsBoardLayout, AtMostTenRowsFromTheFirst) {
    struct Case {
        int first, count, last;
    };
    for (const Case& c : {Case{0, 0, -1}, Case{0, 5, 4}, Case{0, 25, 9}, Case{10, 25, 19}, Case{24, 25, 24}}) {
        const BoardTableLayout table(800, 600, c.first, c.count);
        EXPECT_EQ(table.LastShown(), c.last) << c.first << " of " << c.count;
    }
}

TEST(ResultsBoardLayout, TextsShrinkUntilTheyFit) {
    const auto linear = [](int height) { return height * 10; };
    EXPECT_EQ(FittingCellHeight(50, 305, linear), 30);
    EXPECT_EQ(FittingCellHeight(20, 305, linear), 20);  // fits: keeps its size
    EXPECT_EQ(FittingCellHeight(50, 300, linear), 30);
    EXPECT_EQ(FittingCellHeight(50, 0, linear), 1);
    EXPECT_EQ(FittingCellHeight(0, 100, linear), 1);
    // Widths that do not grow in proportion: still the largest that fits.
    EXPECT_EQ(FittingCellHeight(100, 1000, [](int height) { return height * height; }), 31);
    EXPECT_EQ(FittingCellHeight(60, 500, [](int height) { return 200 + height * 10; }), 30);
}

TEST(ResultsBoardLayout, ScrollingStaysOnTheRows) {
    struct Case {
        int first, count, clamped;
    };
    for (const Case& c : {Case{-1, 5, 0}, Case{-10, 5, 0}, Case{7, 5, 4}, Case{4, 5, 4}, Case{3, 0, 0}, Case{-1, 0, 0}})
        EXPECT_EQ(ClampFirstRow(c.first, c.count), c.clamped) << c.first << " of " << c.count;
    EXPECT_EQ(WheelRows(120, false), -1);
    EXPECT_EQ(WheelRows(-120, false), 1);
    EXPECT_EQ(WheelRows(0, false), 1);
    EXPECT_EQ(WheelRows(120, true), -10);
    EXPECT_EQ(WheelRows(-15, true), 10);
}
