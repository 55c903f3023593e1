// How each information type is cut into printed pages, in both orientations.
#include "OutputGames.h"
#include "output/PagePagination.h"
#include "support/GameBuilder.h"

#include <gtest/gtest.h>

namespace {

constexpr auto kPortrait = PageOrientation::Portrait;
constexpr auto kLandscape = PageOrientation::Landscape;

TEST(PagePagination, TableTypesHave47RowsPortraitAnd30Landscape) {
    struct Case {
        int rows;
        int portrait;
        int landscape;
    };
    const Case cases[] = {{0, 1, 1}, {1, 1, 1}, {30, 1, 1}, {31, 1, 2}, {47, 1, 2}, {48, 2, 2}, {94, 2, 4}, {95, 3, 4}};
    for (const Case& c : cases) {
        EXPECT_EQ(TablePageCount(c.rows, kPortrait), c.portrait) << c.rows;
        EXPECT_EQ(TablePageCount(c.rows, kLandscape), c.landscape) << c.rows;
    }
    EXPECT_EQ(TablePageRows(95, 2, kPortrait), (IndexRange{47, 47}));
    EXPECT_EQ(TablePageRows(95, 3, kPortrait), (IndexRange{94, 1}));
    EXPECT_EQ(TablePageRows(31, 2, kLandscape), (IndexRange{30, 1}));
    EXPECT_EQ(TablePageRows(0, 1, kPortrait), (IndexRange{0, 0}));
}

TEST(PagePagination, FinalTableRunsThroughTheQuestionBlocksFirst) {
    // 19 questions and 48 teams in portrait: 4 pages.
    ASSERT_EQ(FinalTablePageCount(48, 19, kPortrait), 4);
    const FinalTablePage expected[] = {
        {{0, 47}, {0, 18}},
        {{0, 47}, {18, 1}},   // teams 1-47 with question 19 only
        {{47, 1}, {0, 18}},   // team 48 onwards with questions 1-18
        {{47, 1}, {18, 1}},
    };
    for (int page = 1; page <= 4; ++page) {
        const FinalTablePage content = FinalTablePageContent(48, 19, page, kPortrait);
        EXPECT_EQ(content.teams, expected[page - 1].teams) << page;
        EXPECT_EQ(content.questions, expected[page - 1].questions) << page;
    }
    EXPECT_EQ(FinalTablePageCount(48, 19, kLandscape), 2);
    EXPECT_EQ(FinalTablePageContent(48, 19, 2, kLandscape).teams, (IndexRange{30, 18}));
    EXPECT_EQ(FinalTablePageContent(48, 19, 2, kLandscape).questions, (IndexRange{0, 19}));
    EXPECT_EQ(FinalTablePageCount(1000, 90, kPortrait), 22 * 5);
    EXPECT_EQ(FinalTablePageCount(0, 0, kPortrait), 1);
    EXPECT_EQ(FinalTablePageCount(0, 0, kLandscape), 1);
    EXPECT_DOUBLE_EQ(SqueezeFactor(kPortrait), 0.82);
    EXPECT_DOUBLE_EQ(SqueezeFactor(kLandscape), 0.70);
}

TEST(PagePagination, TakenLinesHoldNineEntriesPortraitAndFourteenLandscape) {
    struct Case {
        int taken;
        int portrait;
        int landscape;
    };
    const Case cases[] = {{0, 1, 1}, {1, 1, 1}, {9, 1, 1}, {10, 2, 1}, {14, 2, 1}, {15, 2, 2}, {28, 4, 2}, {29, 4, 3}};
    for (const Case& c : cases) {
        EXPECT_EQ(TakenLines(c.taken, CapacityOf(kPortrait).entriesPerLine), c.portrait) << c.taken;
        EXPECT_EQ(TakenLines(c.taken, CapacityOf(kLandscape).entriesPerLine), c.landscape) << c.taken;
    }
}

TEST(PagePagination, TakenSplitMovesATeamThatWouldRunPastThePage) {
    struct Case {
        const char* name;
        std::vector<int> taken;
        PageOrientation orientation;
        std::vector<TakenPage> pages;
    };
    const std::vector<int> fortySingleLines(40, 1);
    std::vector<int> fortyThenSevenLines(40, 1);
    fortyThenSevenLines.push_back(7 * 9);  // 47 lines exactly
    std::vector<int> fortyThenEightLines(40, 1);
    fortyThenEightLines.push_back(8 * 9);  // 48 lines: the last team starts page 2
    fortyThenEightLines.push_back(0);
    const Case cases[] = {
        {"no teams", {}, kPortrait, {}},
        {"one team with exactly 9", {9}, kPortrait, {{{0, 0, 1}}}},
        {"47 lines fill one page", fortyThenSevenLines, kPortrait, {[] {
             TakenPage page;
             for (int t = 0; t < 40; ++t) page.push_back({t, 0, 1});
             page.push_back({40, 0, 7});
             return page;
         }()}},
        {"48 lines", fortyThenEightLines, kPortrait, {[] {
             TakenPage page;
             for (int t = 0; t < 40; ++t) page.push_back({t, 0, 1});
             return page;
         }(), {{40, 0, 8}, {41, 0, 1}}}},
        {"landscape: 14 a line, 30 lines", {14, 15, 28 * 14, 0}, kLandscape,
         {{{0, 0, 1}, {1, 0, 2}}, {{2, 0, 28}, {3, 0, 1}}}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitTakenQuestions(c.taken, c.orientation), c.pages) << c.name;
}

// A single team whose list is longer than a page fills pages of its own and
// its list runs on; the teams after it follow on its last page.
TEST(PagePagination, TakenSplitRunsAnOverlongListOnFromPageToPage) {
    const std::vector<TakenPage> expected = {
        {{0, 0, 1}},
        {{1, 0, 47}},
        {{1, 47, 47}},
        {{1, 94, 6}, {2, 0, 1}},
    };
    EXPECT_EQ(SplitTakenQuestions({0, 100 * 9, 3}, kPortrait), expected);
    EXPECT_EQ(SplitTakenQuestions({30 * 14 + 1}, kLandscape), (std::vector<TakenPage>{{{0, 0, 30}}, {{0, 30, 1}}}));
}

TEST(PagePagination, TakenEntryLinesEndWithoutACommaAfterTheTeamsLastEntry) {
    // Team 1 took 9 questions, team 2 ten, team 3 none; 3 teams, plus-one ratings.
    auto game = MakeGame({10}, {"+++++++++-", "++++++++++", "----------"});
    game->SetRatingPlusOne(true);
    game->CountResult();
    const ReportData data = GameReportData(*game, InfoType::TakenQuestions, RatingType::PlusOne);
    using Lines = std::vector<std::string>;
    EXPECT_EQ(TakenEntryLines(data, data.teams[0], kPortrait),
              (Lines{"1(2), 2(2), 3(2), 4(2), 5(2), 6(2), 7(2), 8(2), 9(2)"}));
    EXPECT_EQ(TakenEntryLines(data, data.teams[1], kPortrait),
              (Lines{"1(2), 2(2), 3(2), 4(2), 5(2), 6(2), 7(2), 8(2), 9(2), ", "10(3)"}));
    EXPECT_EQ(TakenEntryLines(data, data.teams[1], kLandscape),
              (Lines{"1(2), 2(2), 3(2), 4(2), 5(2), 6(2), 7(2), 8(2), 9(2), 10(3)"}));
    EXPECT_EQ(TakenEntryLines(data, data.teams[2], kPortrait), (Lines{"-"}));
    EXPECT_EQ(SplitTakenQuestions(data, kPortrait), (std::vector<TakenPage>{{{0, 0, 1}, {1, 0, 2}, {2, 0, 1}}}));
}

TEST(PagePagination, RatingsHold188QuestionsPortraitAnd180Landscape) {
    struct Case {
        int questions;
        int portrait;
        int landscape;
    };
    const Case cases[] = {{0, 1, 1}, {12, 1, 1}, {180, 1, 1}, {181, 1, 2}, {188, 1, 2}, {189, 2, 2}, {361, 2, 3}};
    for (const Case& c : cases) {
        EXPECT_EQ(RatingPageCount(c.questions, kPortrait), c.portrait) << c.questions;
        EXPECT_EQ(RatingPageCount(c.questions, kLandscape), c.landscape) << c.questions;
    }
    EXPECT_EQ(RatingPageGroups(189, 1, kPortrait),
              (std::vector<RatingGroup>{{1, {0, 47}}, {2, {47, 47}}, {3, {94, 47}}, {4, {141, 47}}}));
    EXPECT_EQ(RatingPageGroups(189, 2, kPortrait), (std::vector<RatingGroup>{{1, {188, 1}}}));
    EXPECT_EQ(RatingPageGroups(100, 1, kLandscape),
              (std::vector<RatingGroup>{{1, {0, 30}}, {2, {30, 30}}, {3, {60, 30}}, {4, {90, 10}}}));
    EXPECT_TRUE(RatingPageGroups(0, 1, kPortrait).empty());
}

TEST(PagePagination, PageCountOfACountedGameForEveryType) {
    auto game = PatternGame(48, 19);
    struct Case {
        InfoType type;
        int portrait;
        int landscape;
    };
    // The twelve teams 1, 5, 9, ... took 10 questions, the others 4 to 7:
    // 60 lines in portrait, 48 in landscape.
    const Case cases[] = {{InfoType::TourResults, 2, 2},
                          {InfoType::FinalTable, 4, 2},
                          {InfoType::TakenQuestions, 2, 2},
                          {InfoType::QuestionRatings, 1, 1}};
    for (const Case& c : cases) {
        const ReportData data = GameReportData(*game, c.type, RatingType::PlusOne);
        EXPECT_EQ(PageCount(data, kPortrait), c.portrait) << static_cast<int>(c.type);
        EXPECT_EQ(PageCount(data, kLandscape), c.landscape) << static_cast<int>(c.type);
    }
    auto empty = MakeGame({10}, {});
    EXPECT_EQ(PageCount(GameReportData(*empty, InfoType::TakenQuestions, RatingType::PlusOne), kPortrait), 0);
    EXPECT_EQ(PageCount(GameReportData(*empty, InfoType::TourResults, RatingType::PlusOne), kLandscape), 1);
}

TEST(PagePagination, ChampionshipRowsGo47ToAPortraitPageAnd30ToALandscapeOne) {
    const std::pair<int, std::pair<int, int>> cases[] = {
        {0, {1, 1}}, {1, {1, 1}}, {30, {1, 1}}, {31, {1, 2}}, {47, {1, 2}}, {48, {2, 2}}, {95, {3, 4}}};
    for (const auto& [rows, pages] : cases) {
        ReportData data;
        data.type = InfoType::Championship;
        data.champTeams.resize(static_cast<std::size_t>(rows));
        EXPECT_EQ(PageCount(data, kPortrait), pages.first) << rows;
        EXPECT_EQ(PageCount(data, kLandscape), pages.second) << rows;
    }
}

}  // namespace
