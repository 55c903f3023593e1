#include "entry/ColumnWidths.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ColumnWidths, FractionsOfTheClientWidthLessThreeRoundedHalvesToEven) {
    struct Case {
        int client;
        std::vector<double> fractions;
        std::vector<int> expected;
    };
    const std::vector<Case> cases = {
        {603, {0.04, 0.22, 0.17, 0.19, 0.19, 0.18}, {24, 132, 102, 114, 114, 108}},
        {53, {0.05, 0.15, 0.8}, {2, 8, 40}},  // 2.5 -> 2, 7.5 -> 8
        {303, {0.08, 0.92}, {24, 276}},
        {3, {0.08, 0.92}, {0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(ColumnWidths(c.client, c.fractions), c.expected) << c.client;
}
