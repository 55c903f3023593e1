#include "base/TransCodes.h"

#include <gtest/gtest.h>

using namespace TransCodes;

namespace {

std::string Byte(int b) { return std::string(1, static_cast<char>(b)); }

}  // namespace

TEST(TransCodes, OemToAnsiMapsCyrillicAndLeavesPseudoGraphics) {
    struct Case { int oem; int ansi; };
    const Case cases[] = {
        {0x80, 0xC0}, {0x9F, 0xDF},  // А, Я
        {0xA0, 0xE0}, {0xAF, 0xEF},  // а, п
        {0xE0, 0xF0}, {0xEF, 0xFF},  // р, я
        {0xF0, 0xA8}, {0xF1, 0xB8},  // Ё, ё
        {0xFC, 0xB9},                // №
        {0xB0, 0xB0}, {0xC4, 0xC4}, {0xDB, 0xDB},  // box drawing stays
        {0xF2, 0xF2}, {0xFF, 0xFF}, {'A', 'A'}, {0x00, 0x00},
    };
    for (const Case& c : cases) {
        std::string text = Byte(c.oem);
        OemToAnsiText(text);
        EXPECT_EQ(static_cast<unsigned char>(text[0]), c.ansi) << "oem byte " << c.oem;
    }
}

TEST(TransCodes, AnsiToOemUndoesOemToAnsiOnEveryMappedCharacter) {
    for (int b = 0; b < 256; ++b) {
        const bool mapped = (b >= 0x80 && b <= 0xAF) || (b >= 0xE0 && b <= 0xF1) || b == 0xFC;
        if (!mapped) continue;
        std::string text = Byte(b);
        OemToAnsiText(text);
        AnsiToOemText(text);
        EXPECT_EQ(text, Byte(b)) << "byte " << b;
    }
}

TEST(TransCodes, Utf8RoundTripKeepsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
}

TEST(TransCodes, Utf8ConversionOfRussianText) {
    const std::string utf8 = "Знатоки «Ёлки» №5";
    const std::string ansi = Utf8ToAnsi(utf8);
    EXPECT_EQ(ansi.size(), 17u);  // one byte per character
    EXPECT_EQ(static_cast<unsigned char>(ansi[0]), 0xC7);  // З
    EXPECT_EQ(static_cast<unsigned char>(ansi[15]), 0xB9); // №
    EXPECT_EQ(AnsiToUtf8(ansi), utf8);
}

TEST(TransCodes, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToAnsi("a\xE4\xB8\xAD" "b"), "a?b");    // a Chinese character
    EXPECT_EQ(Utf8ToAnsi("a\xC3" "b"), "a?b");            // a cut sequence
    EXPECT_EQ(Utf8ToAnsi("\xFF"), "?");
}

TEST(TransCodes, UpperCaseCoversCyrillicAndLatin) {
    EXPECT_EQ(UpperCase(Utf8ToAnsi("знатоки ёж abc")), Utf8ToAnsi("ЗНАТОКИ ЁЖ ABC"));
    EXPECT_EQ(UpperCase(Utf8ToAnsi("ґїєіў")), Utf8ToAnsi("ҐЇЄІЎ"));
    EXPECT_EQ(UpperCase(Utf8ToAnsi("№ 1-2")), Utf8ToAnsi("№ 1-2"));
    EXPECT_TRUE(SameTextUpper(Utf8ToAnsi("Москва"), Utf8ToAnsi("МОСКВА")));
    EXPECT_FALSE(SameTextUpper(Utf8ToAnsi("Москва"), Utf8ToAnsi("Москвы")));
    EXPECT_FALSE(SameTextUpper("ab", "abc"));
}
