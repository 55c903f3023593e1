#include "entry/EntryChars.h"

#include <gtest/gtest.h>


TEST(EntryChars, FreeTextTakesAsciiAndTheCyrillicOfWindows1251) {
    struct Case {
        unsigned code;
        bool accepted;
    };
    const Case cases[] = {
        {0x00, false}, {0x01, true},  {0x08, true},  {0x20, true},  {0x7E, true},  {0x7F, false},
        {0x80, false}, {0xA7, false}, {0xA8, true},  {0xA9, false}, {0xAB, false}, {0xB3, false},
        {0xB7, false}, {0xB8, true},  {0xB9, true},  {0xBA, false}, {0xBF, false}, {0xC0, true},
        {0xDF, true},  {0xE0, true},  {0xFF, true},
    };
    for (const Case& c : cases) EXPECT_EQ(EntryChars::IsFreeTextChar(static_cast<char>(c.code)), c.accepted) << c.code;
}

TEST(EntryChars, TypedTextsAreJudgedCharacterByCharacter) {
    struct Case {
        const char* utf8;
        bool freeText;
        bool digits;
        bool date;
    };
    const Case cases[] = {
        {"", true, true, true},
        {"Кот №5", true, false, false},
        {"Ёлка ёж", true, false, false},
        {"Team-7 (A&B) ~", true, false, false},
        {"\t", true, false, false},
        {"«Кот»", false, false, false},      // in Windows-1251, but not taken
        {"Київ", false, false, false},       // Ukrainian і
        {"€", false, false, false},
        {"中", false, false, false},          // not in Windows-1251 at all
        {"?", true, false, false},           // a real question mark, not a lost character
        {"0123456789", true, true, true},
        {"٣", false, false, false},          // a digit, but not one of ours
        {"01.02.07", true, false, true},
        {"01/02/07", true, false, false},
        {"-1", true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(EntryChars::AcceptsFreeText(c.utf8), c.freeText);
        EXPECT_EQ(EntryChars::AcceptsDigits(c.utf8), c.digits);
        EXPECT_EQ(EntryChars::AcceptsDateText(c.utf8), c.date);
    }
}
