#include "base/Errors.h"
#include "model/GameDate.h"

#include <gtest/gtest.h>

TEST(GameDate, TextsAreCheckedForFormatThenValue) {
    struct Case { const char* text; DateTextCheck expected; };
    const Case cases[] = {
        {"31.04.05", DateTextCheck::BadValue},
        {"29.02.07", DateTextCheck::Valid},
        {"30.02.07", DateTextCheck::BadValue},
        {"00.01.07", DateTextCheck::BadValue},
        {"01.13.07", DateTextCheck::BadValue},
        {"01.00.07", DateTextCheck::BadValue},
        {"1.1.2005", DateTextCheck::BadFormat},
        {"01.01.2005", DateTextCheck::BadFormat},
        {"01-01-05", DateTextCheck::BadFormat},
        {"01.0.105", DateTextCheck::BadFormat},
        {".1.01.05", DateTextCheck::BadFormat},
        {"", DateTextCheck::BadFormat},
        {"31.12.99", DateTextCheck::Valid},
    };
    for (const Case& c : cases) {
        TGameDate date;
        EXPECT_EQ(ParseGameDateText(c.text, date), c.expected) << c.text;
    }
}

TEST(GameDate, TwoDigitYearsSplitAtFifty) {
    TGameDate date;
    ASSERT_EQ(ParseGameDateText("01.01.50", date), DateTextCheck::Valid);
    EXPECT_EQ(date.Year, 2050);
    ASSERT_EQ(ParseGameDateText("01.01.51", date), DateTextCheck::Valid);
    EXPECT_EQ(date.Year, 1951);
    ASSERT_EQ(ParseGameDateText("07.03.05", date), DateTextCheck::Valid);
    EXPECT_EQ(date, (TGameDate{2005, 3, 7}));
}

TEST(GameDate, RefusedTextsLeaveTheDateAlone) {
    TGameDate date{2001, 2, 3};
    EXPECT_EQ(ParseGameDateText("31.04.05", date), DateTextCheck::BadValue);
    EXPECT_EQ(ParseGameDateText("1.1.2005", date), DateTextCheck::BadFormat);
    EXPECT_THROW(ParseGameDateText("01.01.xx", date), EConvertError);
    EXPECT_EQ(date, (TGameDate{2001, 2, 3}));
}

TEST(GameDate, NonNumbersAndNegativesRaiseErrors) {
    TGameDate date;
    try {
        ParseGameDateText("ab.01.05", date);
        FAIL() << "no conversion error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'ab' is not a valid integer value");
    }
    EXPECT_THROW(ParseGameDateText("-1.01.05", date), ERangeError);
    EXPECT_THROW(ParseGameDateText("01.-1.05", date), ERangeError);
    EXPECT_THROW(ParseGameDateText("01.01.-5", date), ERangeError);
    EXPECT_THROW(ParseGameDateText("1 .01.05", date), EConvertError);
    // Leading blanks and a plus sign are read as a number.
    EXPECT_EQ(ParseGameDateText(" 1.+2.05", date), DateTextCheck::Valid);
    EXPECT_EQ(date, (TGameDate{2005, 2, 1}));
}

TEST(GameDate, TextIsZeroPadded) {
    EXPECT_EQ(GameDateToText({2005, 3, 7}), "07.03.2005");
    EXPECT_EQ(GameDateToText({}), "00.00.0000");
    EXPECT_EQ(GameDateToText({12345, 12, 31}), "31.12.12345");
}
