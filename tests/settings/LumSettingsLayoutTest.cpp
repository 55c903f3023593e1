// The parameter file byte by byte: check bytes, records and scrambling
// against files worked out by hand, the kind byte, the value texts of each
// kind, truncated files and the 32-bit limit of the check arithmetic.
#include "settings/CheckedArithmetic.h"
#include "settings/LumSettings.h"
#include "SettingsBytes.h"
#include "StoreError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

namespace {

// The key "AB": M = 2, K = 65·13·1 + 66·13·2 = 2561.
constexpr const char* kShortKey = "AB";

class LumSettingsLayout : public ::testing::Test {
protected:
    std::string Saved(TLumSettings& store, std::string_view key = kShortKey) {
        store.SetFileName(FPath);
        store.SaveToFile(key);
        return ReadBytes(FPath);
    }

    TLumSettings Loaded(const std::string& bytes, std::string_view key = kShortKey) {
        WriteBytes(FPath, bytes);
        TLumSettings store;
        store.SetFileName(FPath);
        store.LoadFromFile(key);
        return store;
    }

    // The file of one string parameter "V" holding `text`, with the kind
    // byte changed to `kind`: the way to give the reader any value text.
    TLumSettings LoadedAsKind(const std::string& text, int kind) {
        TLumSettings store;
        store.AddString("V", text);
        const std::string bytes = Saved(store);
        return Loaded(WithByte(bytes, FirstKindOffset(1), 2 + 35 * kind));
    }

    // The value text the writer stores for the single parameter of `store`.
    std::string StoredText(TLumSettings& store) {
        const std::size_t nameLength = store.Param(0).Name.size();
        const std::string bytes = Saved(store);
        return Loaded(WithByte(bytes, FirstKindOffset(nameLength), 2)).GetString(store.Param(0).Name);
    }

    TempDir FDir;
    std::string FPath = FDir.File("Vemo.cfg");
};

}  // namespace

TEST_F(LumSettingsLayout, OneBooleanFileMatchesTheBytesWorkedOutByHand) {
    TLumSettings store;
    store.AddBoolean("x", true);
    // S = 4 + 9 + 1 + 1 = 15.
    const std::string expected = ByteString({
        0x0F,                    // (15 × 2561) mod 256
        0xFB,                    // (853 × 15) mod 256
        0x0E,                    // 15 xor (2561 mod 256)
        0x98,                    // (150 + 5122) mod 256
        0x00, 0x0A, 0x00, 0x00,  // 1 xor 2561
        0x69,                    // 'X' xor 'A', then xor (1 + 111)
        0x6B,                    // 2 + 35 × 3
        0x03, 0x0A, 0x00, 0x00,  // 1 xor 2562
        0x00,                    // '1' xor 'A', then xor (1 + 111)
    });
    EXPECT_EQ(Saved(store), expected);
}

TEST_F(LumSettingsLayout, ATextLongerThanTheKeyMeetsTheKeyOnlyOverItsLength) {
    TLumSettings store;
    store.AddString("nm", "hello");
    // S = 4 + 9 + 2 + 5 = 20. "hello": the key changes "he" only, each byte
    // but the last is then mixed with its right neighbour plus 11, and the
    // last with 5 + 111.
    const std::string expected = ByteString({
        0x14, 0xA4, 0x15, 0xCA,
        0x03, 0x0A, 0x00, 0x00,
        0x15, 0x7E,              // "NM"
        0x02,                    // string kind: the key length alone
        0x07, 0x0A, 0x00, 0x00,
        0x1B, 0x50, 0x1B, 0x16, 0x1B,
    });
    EXPECT_EQ(Saved(store), expected);
}

TEST_F(LumSettingsLayout, ValuesAreWrittenAsDecimalTexts) {
    struct Case {
        const char* what;
        void (*add)(TLumSettings&);
        const char* text;
    };
    const Case cases[] = {
        {"negative", [](TLumSettings& s) { s.AddInteger("V", -42); }, "-42"},
        {"zero", [](TLumSettings& s) { s.AddInteger("V", 0); }, "0"},
        {"largest", [](TLumSettings& s) { s.AddInteger("V", INT_MAX); }, "2147483647"},
        {"smallest", [](TLumSettings& s) { s.AddInteger("V", INT_MIN); }, "-2147483648"},
        {"true", [](TLumSettings& s) { s.AddBoolean("V", true); }, "1"},
        {"false", [](TLumSettings& s) { s.AddBoolean("V", false); }, "0"},
    };
    for (const Case& c : cases) {
        TLumSettings store;
        c.add(store);
        EXPECT_EQ(StoredText(store), c.text) << c.what;
    }
}

TEST_F(LumSettingsLayout, BooleanIsTrueExactlyWhenItsTextIsTheIntegerOne) {
    const std::pair<const char*, bool> cases[] = {
        {"1", true}, {"01", true}, {"2", false}, {"0", false}, {"-1", false}, {"yes", false}, {"", false},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(LoadedAsKind(text, 3).GetBoolean("V"), value) << '"' << text << '"';
}

TEST_F(LumSettingsLayout, IntegerTextsAreParsedAndNonNumbersRefused) {
    EXPECT_EQ(LoadedAsKind("-42", 1).GetInteger("V"), -42);
    EXPECT_EQ(LoadedAsKind("007", 1).GetInteger("V"), 7);
    EXPECT_EQ(LoadedAsKind("-2147483648", 1).GetInteger("V"), INT_MIN);
    for (const char* bad : {"", "12a", "1.5", "2147483648", "--1"})
        EXPECT_THROW(LoadedAsKind(bad, 1), EConvertError) << '"' << bad << '"';
}

TEST_F(LumSettingsLayout, RealsAcceptEitherSeparatorAndAreWrittenWithADot) {
    const std::pair<const char*, double> cases[] = {
        {"2.5", 2.5}, {"2,5", 2.5}, {"3", 3.0}, {"-0,125", -0.125}, {"1e3", 1000.0},
    };
    for (const auto& [text, value] : cases) {
        const TLumSettings store = LoadedAsKind(text, 2);
        EXPECT_EQ(store.Param(0).ParamType, kLumReal) << text;
        EXPECT_EQ(store.Param(0).FloatValue, value) << text;
    }
    for (const char* bad : {"", "abc", "1,2,3", "nan", "inf"})
        EXPECT_THROW(LoadedAsKind(bad, 2), EConvertError) << '"' << bad << '"';

    // The store adds no reals; one read from a file is written back in the
    // shortest form that reads as the same number.
    TLumSettings real = LoadedAsKind("0,1", 2);
    EXPECT_EQ(StoredText(real), "0.1");
    real = LoadedAsKind("0,0025", 2);
    EXPECT_EQ(StoredText(real), "0.0025");
}

TEST_F(LumSettingsLayout, TheKindIsTheKindByteLessTheKeyLengthDividedBy35) {
    // With the two-letter key: bytes 0..36 give a string (the division
    // truncates toward zero), 37.. an integer, 72.. a real, 107..141 a
    // boolean; from 142 on no kind.
    const std::pair<int, int> cases[] = {
        {0, kLumString}, {2, kLumString}, {36, kLumString}, {37, kLumInteger}, {71, kLumInteger},
        {72, kLumReal}, {106, kLumReal}, {107, kLumBoolean}, {141, kLumBoolean},
    };
    TLumSettings store;
    store.AddString("V", "1");
    const std::string bytes = Saved(store);
    for (const auto& [kindByte, kind] : cases)
        EXPECT_EQ(Loaded(WithByte(bytes, FirstKindOffset(1), kindByte)).Param(0).ParamType, kind) << kindByte;
}

TEST_F(LumSettingsLayout, AKindByteOfNoKindRefusesTheFileAndKeepsTheList) {
    TLumSettings saved;
    saved.AddString("V", "1");
    const std::string bytes = Saved(saved);

    TLumSettings store;
    store.SetFileName(FPath);
    store.AddInteger("KEPT", 5);
    for (int kindByte : {142, 200, 255}) {
        WriteBytes(FPath, WithByte(bytes, FirstKindOffset(1), kindByte));
        EXPECT_THROW(store.LoadFromFile(kShortKey), EInOutError) << kindByte;
        EXPECT_EQ(store.Count(), 1);
        EXPECT_EQ(store.GetInteger("KEPT"), 5);
    }

    // A key longer than 35 makes the small kind bytes negative kinds.
    const std::string longKey(40, 'k');
    TLumSettings withLongKey;
    withLongKey.AddString("V", "1");
    const std::string longKeyBytes = Saved(withLongKey, longKey);
    EXPECT_EQ(Loaded(WithByte(longKeyBytes, FirstKindOffset(1), 6), longKey).Param(0).ParamType, kLumString);
    EXPECT_THROW(Loaded(WithByte(longKeyBytes, FirstKindOffset(1), 5), longKey), EInOutError);
}

TEST_F(LumSettingsLayout, EveryTruncatedPrefixIsRefusedWithATypedError) {
    TLumSettings store;
    store.AddString("NAME", "\xc8\xe2\xe0\xed \xcf\xe5\xf2\xf0\xee\xe2");
    store.AddInteger("COUNT", -7);
    store.AddBoolean("ON", true);
    const std::string bytes = Saved(store);
    // Record sizes 9 + n + v: 4+11, 5+2, 2+1.
    const std::size_t boundaries[] = {4, 4 + 24, 4 + 24 + 16};
    ASSERT_EQ(bytes.size(), 4u + 24 + 16 + 12);

    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const std::string prefix = bytes.substr(0, length);
        if (length < 4) {
            EXPECT_THROW(Loaded(prefix), EInOutError) << length;
            continue;
        }
        // The length is part of the check: a shorter file is not this key's.
        EXPECT_EQ(StoreErrorOf([&] { Loaded(prefix); }).code, 10) << length;
        // Past the check, a prefix ends between records or inside one.
        const std::string fitted = WithFittingCheckBytes(prefix, kShortKey);
        const auto* boundary = std::find(std::begin(boundaries), std::end(boundaries), length);
        if (boundary == std::end(boundaries)) {
            EXPECT_THROW(Loaded(fitted), EInOutError) << length;
        } else {
            EXPECT_EQ(Loaded(fitted).Count(), boundary - std::begin(boundaries)) << length;
        }
    }
}

TEST_F(LumSettingsLayout, ArithmeticBeyond32BitsIsAnErrorNeverAFile) {
    // The program's key has K = 34294, so S × K leaves 32 bits above a
    // file size of 62619 bytes: one record of 14 + v bytes.
    const std::string key = "VeMo 2007";
    TLumSettings largest;
    largest.AddString("V", std::string(62605, 'a'));
    const std::string bytes = Saved(largest, key);
    EXPECT_EQ(bytes.size(), 62619u);
    EXPECT_EQ(Loaded(bytes, key).GetString("V").size(), 62605u);

    TLumSettings tooLarge;
    tooLarge.AddString("V", std::string(62606, 'a'));
    tooLarge.SetFileName(FDir.File("large.cfg"));
    EXPECT_THROW(tooLarge.SaveToFile(key), EIntOverflow);
    EXPECT_FALSE(std::filesystem::exists(FDir.File("large.cfg")));
    EXPECT_THROW(Loaded(bytes + 'x', key), EIntOverflow);

    // A key whose own sum leaves 32 bits: 255 · 13 · (1 + … + 1200).
    const std::string hugeKey(1200, '\xff');
    TLumSettings small;
    small.AddBoolean("B", true);
    small.SetFileName(FDir.File("small.cfg"));
    EXPECT_THROW(small.SaveToFile(hugeKey), EIntOverflow);
    EXPECT_FALSE(std::filesystem::exists(FDir.File("small.cfg")));
    EXPECT_THROW(Loaded(bytes, hugeKey), EIntOverflow);
}
