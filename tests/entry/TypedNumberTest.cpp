#include "entry/TypedNumber.h"

#include <gtest/gtest.h>

TEST(TypedNumber, TextsReadAsWholeNumbersWithinARange) {
    struct Case {
        const char* text;
        TypedNumberKind kind;
        int value;
    };
    const Case cases[] = {
        {"5", TypedNumberKind::InRange, 5},
        {"1", TypedNumberKind::InRange, 1},
        {"10", TypedNumberKind::InRange, 10},
        {"007", TypedNumberKind::InRange, 7},
        {"  7 ", TypedNumberKind::InRange, 7},
        {"+3", TypedNumberKind::InRange, 3},
        {"0", TypedNumberKind::OutOfRange, 0},
        {"11", TypedNumberKind::OutOfRange, 0},
        {"-1", TypedNumberKind::OutOfRange, 0},
        {"99999999999999999999999", TypedNumberKind::OutOfRange, 0},
        {"-99999999999999999999999", TypedNumberKind::OutOfRange, 0},
        {"", TypedNumberKind::NotWhole, 0},
        {"   ", TypedNumberKind::NotWhole, 0},
        {"-", TypedNumberKind::NotWhole, 0},
        {"abc", TypedNumberKind::NotWhole, 0},
        {"1.5", TypedNumberKind::NotWhole, 0},
        {"1,5", TypedNumberKind::NotWhole, 0},
        {"1 2", TypedNumberKind::NotWhole, 0},
        {"5a", TypedNumberKind::NotWhole, 0},
        {"--5", TypedNumberKind::NotWhole, 0},
    };
    for (const Case& c : cases) {
        const TypedNumber number = ReadTypedNumber(c.text, 1, 10);
        EXPECT_EQ(number.kind, c.kind) << '"' << c.text << '"';
        if (c.kind == TypedNumberKind::InRange) {
            EXPECT_EQ(number.value, c.value) << c.text;
        }
    }
}

TEST(TypedNumber, TheDateFieldShowsTwoDigitsEach) {
    struct Case {
        TGameDate date;
        const char* text;
    };
    const Case cases[] = {
        {{2007, 3, 5}, "05.03.07"},
        {{2050, 1, 1}, "01.01.50"},
        {{1951, 12, 31}, "31.12.51"},
        {{2000, 10, 10}, "10.10.00"},
    };
    for (const Case& c : cases) EXPECT_EQ(DateFieldText(c.date), c.text);
    EXPECT_FALSE(HasDate({}));
    EXPECT_TRUE(HasDate({0, 0, 1}));
    EXPECT_TRUE(HasDate({2007, 0, 0}));
}
