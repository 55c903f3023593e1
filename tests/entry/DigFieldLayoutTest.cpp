// The quick entry field's arithmetic: the grid of cells, pointing, the
// centring of a number and the font size search.
#include "entry/DigFieldLayout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct LayoutCase {
    int count, width, height;
    int columns, rows, cellWidth, cellHeight;
};

TEST(DigFieldLayoutTest, ColumnsRowsAndCells) {
    const LayoutCase cases[] = {
        {12, 529, 301, 5, 3, 105, 100},   // sqrt(21.09) = 4.59, sqrt(6.83) = 2.61
        {500, 529, 301, 30, 17, 17, 17},
        {4, 100, 100, 3, 3, 33, 33},      // an exact square root still adds one
        {36, 529, 301, 8, 5, 66, 60},
        {1, 300, 100, 2, 1, 150, 100},
        {0, 529, 301, 1, 1, 529, 301},
        {12, 0, 301, 1, 1, 0, 0},         // a surface without area has no cell
        {12, 529, 0, 1, 1, 0, 0},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + " on " + std::to_string(c.width) + " x " + std::to_string(c.height));
        const DigFieldLayout layout = LayOutDigField(c.count, c.width, c.height);
        EXPECT_EQ(layout.Columns, c.columns);
        EXPECT_EQ(layout.Rows, c.rows);
        EXPECT_EQ(layout.CellWidth, c.cellWidth);
        EXPECT_EQ(layout.CellHeight, c.cellHeight);
    }
}

TEST(DigFieldLayoutTest, PointedPosition) {
    const DigFieldLayout layout = LayOutDigField(12, 529, 301);  // 5 x 3 cells of 105 x 100
    const struct {
        int x, y, position;
    } cases[] = {
        {0, 0, 1},     {104, 99, 1},  {105, 0, 2},    {524, 0, 5},  {0, 100, 6},
        {210, 150, 8}, {524, 299, 15},
        {525, 0, 0},   // the strip right of the last column belongs to no cell
        {0, 300, 0},   // nor the one below the last row
        {-1, 5, 0},    {5, -1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(layout.PositionAt(c.x, c.y), c.position) << c.x << ", " << c.y;
    EXPECT_EQ(LayOutDigField(12, 0, 0).PositionAt(0, 0), 0);
}

TEST(DigFieldLayoutTest, NumbersCentredWithHalvesTowardsZero) {
    const DigFieldLayout layout = LayOutDigField(12, 529, 301);
    EXPECT_EQ(layout.TextLeft(1, 20), 42);             // 85 / 2
    EXPECT_EQ(layout.TextTop(1, 31), 34);              // 69 / 2
    EXPECT_EQ(layout.TextLeft(8, 21), 42 + 2 * 105);   // row 1, column 3
    EXPECT_EQ(layout.TextTop(8, 21), 39 + 100);
    EXPECT_EQ(layout.TextLeft(1, 108), -1);            // -3 / 2 rounds towards zero
    EXPECT_EQ(layout.CellLeft(15), 420);
    EXPECT_EQ(layout.CellTop(15), 200);
}

// A face whose "O" is as wide and as high as the size.
TextExtent SquareLetters(int size, std::string_view text) {
    return {size * static_cast<int>(text.size()), size};
}

TEST(DigFieldLayoutTest, FontSizeSearch) {
    const struct {
        int cellWidth, cellHeight;
        std::string_view sample;
        int size;
    } cases[] = {
        {105, 100, "OO", 19},   // "OO" below 40 pixels decides
        {30, 100, "OO", 15},    // the width of "OO"
        {105, 10, "OO", 10},    // the height of "O"
        {30, 100, "OOO", 10},   // the width of "OOO"
        {1, 1, "OO", 1},        // never below 1
        {0, 0, "OO", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DigFontSize(SquareLetters, c.cellWidth, c.cellHeight, c.sample), c.size)
            << c.cellWidth << " x " << c.cellHeight << " " << c.sample;
}

TEST(DigFieldLayoutTest, FontSizeSearchEndsForAMeasureThatNeverGrows) {
    const auto flat = [](int, std::string_view) { return TextExtent{0, 0}; };
    EXPECT_GT(DigFontSize(flat, 50, 50, "OO"), 1);
}

TEST(DigFieldLayoutTest, WidthSampleGrowsWithTheLongestNumber) {
    const struct {
        std::string_view minimum;
        int largest;
        const char* sample;
    } cases[] = {
        {"OO", 0, "OO"},     {"OO", 9, "OO"},       {"OO", 99, "OO"},  {"OO", 100, "OOO"},
        {"OO", 999, "OOO"},  {"OO", 5000, "OOOO"},  {"OOO", 36, "OOO"}, {"OOO", 1000, "OOOO"},
        {"OO", -5, "OO"},
    };
    for (const auto& c : cases) EXPECT_EQ(DigWidthSample(c.minimum, c.largest), c.sample) << c.minimum << " " << c.largest;
}

}  // namespace
