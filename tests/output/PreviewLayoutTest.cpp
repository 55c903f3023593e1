// The preview's sizes: the screen's page from the printer's, and the
// picture at each scale.
#include "output/PreviewLayout.h"

#include <gtest/gtest.h>

TEST(PreviewLayout, TheScreensPageIsThePrintersHalvedWhileVeryWide) {
    struct Case {
        int printerWidth, printerHeight;
        PixelSize screen;
    };
    const Case cases[] = {
        {2480, 3508, {2480, 3508}},    // A4 at 300 dpi: as it is
        {4000, 5657, {4000, 5657}},    // just below the limit
        {4001, 5658, {2000, 2828}},    // 2828.2
        {4960, 7016, {2480, 3508}},    // A4 at 600 dpi: once
        {9921, 14031, {2480, 3507}},   // A4 at 1200 dpi: twice; 3507.4
        {14031, 9921, {3507, 2480}},   // landscape at 1200 dpi; 2479.7
        {4002, 1001, {2001, 500}},     // 500.5 rounds to the even 500
        {4002, 1003, {2001, 502}},     // 501.5 rounds to the even 502
        {0, 3508, {0, 0}},
        {2480, 0, {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScreenPageSize(c.printerWidth, c.printerHeight), c.screen) << c.printerWidth << "x" << c.printerHeight;
}

TEST(PreviewLayout, PicturesHaveAWidthPerScaleAndThePagesProportion) {
    constexpr auto kPortrait = PageOrientation::Portrait;
    constexpr auto kLandscape = PageOrientation::Landscape;
    struct Case {
        int scale;
        PageOrientation orientation;
        PixelSize page;
        PixelSize picture;
    };
    const Case cases[] = {
        {1, kPortrait, {2480, 3508}, {300, 424}},      // 424.35
        {2, kPortrait, {2480, 3508}, {500, 707}},      // 707.26
        {3, kPortrait, {2480, 3508}, {1000, 1415}},    // 1414.52
        {1, kLandscape, {3508, 2480}, {425, 300}},     // 300.46
        {2, kLandscape, {3508, 2480}, {707, 500}},     // 499.83
        {3, kLandscape, {3508, 2480}, {1414, 1000}},   // 999.66
        {1, kPortrait, {600, 1001}, {300, 500}},       // 500.5 rounds to the even 500
        {1, kPortrait, {0, 0}, {300, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PreviewPictureSize(c.scale, c.orientation, c.page), c.picture) << c.scale << " " << c.page.width;
}
