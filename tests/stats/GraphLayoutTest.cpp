// The layout arithmetic of the histogram and of the place graph, on the
// histogram picture (301 x 208) and a place graph of 456 x 400.
#include "stats/HistogramLayout.h"
#include "stats/PlaceGraphLayout.h"

#include <gtest/gtest.h>

namespace {

constexpr DigitExtents kFont{7, 13, 21};
// "Место команды": 13 letters, the widest 9 pixels.
constexpr VerticalCaption kCaption{13, 9};

}  // namespace

TEST(GraphArithmetic, LabelSteps) {
    struct Case {
        int start, step;
    };
    for (const Case& c : std::vector<Case>{{0, 1}, {1, 1}, {2, 1}, {4, 1}, {5, 5}, {9, 5}, {10, 10}, {14, 10}, {37, 35}}) {
        EXPECT_EQ(LabelStep(c.start), c.step) << c.start;
    }
    EXPECT_EQ(LabelledValues(1, 40, LabelStep(40 / 8)), (std::vector<int>{5, 10, 15, 20, 25, 30, 35, 40}));
    EXPECT_EQ(LabelledValues(1, 12, LabelStep(12 / 8)).size(), 12u);
    EXPECT_EQ(LabelledValues(0, 7, 5), (std::vector<int>{0, 5}));
}

TEST(HistogramLayout, ColumnWidthAndCentring) {
    struct Case {
        const char* name;
        int teams, top;
        double cw, rh;
        int x0, y0, ratingStep, valueStep;
    };
    const std::vector<Case> cases = {
        // (301 - 28) / 6 = 45 -> 30; x0 = rnd((301 - 180) / 2 = 60.5) = 60; (208 - 78) / 3 = 43 -> 30
        {"few teams: 30 pixels, centred", 5, 3, 30, 30, 60, 59, 1, 1},
        // (301 - 28) / 21 = 13; x0 = rnd(14); (208 - 78) / 12 = 10; y0 = rnd(44)
        {"many teams: narrower columns", 20, 12, 13, 10, 14, 44, 5, 1},
        // (301 - 28) / 101 = 2; x0 = rnd(49.5) = 50; (208 - 78) / 40 = 3; y0 = rnd(44)
        {"a hundred teams", 100, 40, 2, 3, 50, 44, 25, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto layout = LayOutHistogram(301, 208, kFont, c.teams, c.top);
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->ColumnWidth, c.cw);
        EXPECT_EQ(layout->RowHeight, c.rh);
        EXPECT_EQ(layout->X0, c.x0);
        EXPECT_EQ(layout->Y0, c.y0);
        EXPECT_EQ(layout->RatingStep, c.ratingStep);
        EXPECT_EQ(layout->ValueStep, c.valueStep);
        EXPECT_EQ(layout->ColumnX(c.teams + 1) - layout->X0, (c.teams + 1) * c.cw);
        EXPECT_EQ(layout->HorizontalLineEnd(), layout->ColumnX(c.teams + 1) + 1);
    }
}

TEST(HistogramLayout, TheTallestBarFillsTheGrid) {
    // Every question with the same rating: one bar of the full height.
    const auto layout = LayOutHistogram(301, 208, kFont, 10, 36);
    ASSERT_TRUE(layout);
    const BarRect bar = layout->Bar(4, 36);
    EXPECT_EQ(bar.Top, layout->Y0);
    EXPECT_EQ(bar.Bottom, layout->GridBottom());
    EXPECT_EQ(bar.Left, layout->X0 + 4 * layout->ColumnWidth);
    EXPECT_EQ(bar.Right - bar.Left, layout->ColumnWidth);
    EXPECT_EQ(layout->Bar(0, 9).Top, layout->GridBottom() - 9 * layout->RowHeight);
    EXPECT_EQ(layout->CountY(0), layout->GridBottom());
}

TEST(HistogramLayout, MoreRatingsThanPixelsSpreadOverThePicture) {
    // 301 ratings of 300 teams share 301 - 28 = 273 pixels: the grid keeps
    // its width, and the ratings labelled every 75 stay apart.
    const auto layout = LayOutHistogram(301, 208, kFont, 300, 3);
    ASSERT_TRUE(layout);
    EXPECT_DOUBLE_EQ(layout->ColumnWidth, 273.0 / 301);
    EXPECT_EQ(layout->X0, 14);
    EXPECT_EQ(layout->ColumnX(301) - layout->X0, 273);
    EXPECT_EQ(layout->RatingStep, 75);
    EXPECT_EQ(layout->ColumnX(150) - layout->ColumnX(75), 68);
    EXPECT_EQ(layout->ColumnX(301) - layout->ColumnX(300), 1);
    // A count above the picture's rows spreads the same way.
    const auto tall = LayOutHistogram(301, 208, kFont, 10, 500);
    ASSERT_TRUE(tall);
    EXPECT_EQ(tall->GridBottom() - tall->Y0, 130);
    EXPECT_LT(tall->CountY(250), tall->GridBottom() - 60);
}

TEST(HistogramLayout, NothingToDrawWithoutQuestions) {
    EXPECT_FALSE(LayOutHistogram(301, 208, kFont, 10, 0));
}

TEST(PlaceGraphLayout, QuestionsAndPlacesOnTheGrid) {
    struct Case {
        const char* name;
        int questions, teams;
        double cw, rh;
        int x0, y0, questionStep, placeStep;
    };
    const std::vector<Case> cases = {
        // (456 - 56) / 40 = 10; x0 = rnd((456 - 390) / 2) = 33; (400 - 52) / 12 = 29; y0 = rnd((400 - 319) / 2 = 40.5) = 40
        {"40 questions labelled every 5", 40, 12, 10, 29, 33, 40, 5, 1},
        // 400 / 12 = 33 -> 30; x0 = rnd((456 - 330) / 2) = 63; 348 / 5 = 69 -> 30; y0 = rnd((400 - 120) / 2) = 140
        {"12 questions labelled every one", 12, 5, 30, 30, 63, 140, 1, 1},
        // 400 / 90 = 4; x0 = rnd((456 - 356) / 2) = 50; 348 / 1000 is below a
        // pixel: 0.348 each, y0 = rnd((400 - 999 * 0.348) / 2 = 26.174) = 26
        {"more teams than pixels", 90, 1000, 4, 0.348, 50, 26, 10, 125},
        {"one question", 1, 1, 30, 30, 228, 200, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto layout = LayOutPlaceGraph(456, 400, kFont, c.questions, c.teams, kCaption);
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->ColumnWidth, c.cw);
        EXPECT_EQ(layout->RowHeight, c.rh);
        EXPECT_EQ(layout->X0, c.x0);
        EXPECT_EQ(layout->Y0, c.y0);
        EXPECT_EQ(layout->QuestionStep, c.questionStep);
        EXPECT_EQ(layout->PlaceStep, c.placeStep);
        EXPECT_EQ(layout->X(c.questions), c.x0 + RoundHalfEven((c.questions - 1) * c.cw));
        EXPECT_EQ(layout->Y(1), c.y0);
        EXPECT_EQ(layout->CaptionTop, 116);  // rnd((400 - 13 * 13) / 2 = 115.5)
    }
}

TEST(PlaceGraphLayout, TheCaptionStandsClearOfThePlaceLabels) {
    struct Case {
        int teams;
        int captionLeft;  // from X0
    };
    const Case cases[] = {
        {12, -9 - 21},          // labels up to 12: 9 pixels and "000" left of the grid
        {99, -9 - 21},          // up to 95
        {300, -3 - 21 - 3 - 9},  // up to 280: clear of a three-digit label
        {5000, -3 - 28 - 3 - 9}, // up to 5000
    };
    for (const Case& c : cases) {
        const auto layout = LayOutPlaceGraph(456, 400, kFont, 40, c.teams, kCaption);
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->CaptionX - layout->X0, c.captionLeft) << c.teams;
    }
}

TEST(PlaceGraphLayout, NothingToDrawWithoutQuestionsOrTeams) {
    EXPECT_FALSE(LayOutPlaceGraph(456, 400, kFont, 0, 10, kCaption));
    EXPECT_FALSE(LayOutPlaceGraph(456, 400, kFont, 10, 0, kCaption));
}
