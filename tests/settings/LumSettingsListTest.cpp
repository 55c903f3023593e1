// The parameter list in memory: adding, finding and getting, its limit and
// its refusals.
#include "settings/LumSettings.h"
#include "StoreError.h"
#include "base/TransCodes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

std::string Ansi(const char* utf8) { return TransCodes::Utf8ToAnsi(utf8); }

}  // namespace

TEST(LumSettingsList, HoldsFiveThousandParametersAndRefusesTheNext) {
    TLumSettings store;
    for (int i = 0; i < 5000; ++i) store.AddInteger("P" + std::to_string(i), i);
    EXPECT_EQ(store.Count(), 5000);
    EXPECT_EQ(store.GetInteger("P4999"), 4999);

    for (const auto& add : std::initializer_list<std::function<void()>>{
             [&] { store.AddString("NEXT", "x"); },
             [&] { store.AddInteger("NEXT", 1); },
             [&] { store.AddBoolean("NEXT", true); },
         }) {
        const StoreError error = StoreErrorOf(add);
        EXPECT_EQ(error.code, 1);
        EXPECT_EQ(error.message, "Parameter count cannot exceed 5000");
    }
    EXPECT_EQ(store.Count(), 5000);
    EXPECT_FALSE(store.ParamExists("NEXT"));
}

TEST(LumSettingsList, NamesAreComparedAndStoredUpperCased) {
    TLumSettings store;
    store.AddInteger("a", 1);
    EXPECT_EQ(StoreErrorOf([&] { store.AddBoolean("A", true); }).code, 2);

    const std::string lower = Ansi("счёт игры");
    const std::string upper = Ansi("СЧЁТ ИГРЫ");
    store.AddString(lower, "v");
    EXPECT_EQ(store.Param(1).Name, upper);
    EXPECT_EQ(store.IndexOf(upper), 1);
    EXPECT_EQ(store.IndexOf(Ansi("сЧёТ иГрЫ")), 1);
    EXPECT_EQ(store.GetString(upper), "v");
    EXPECT_EQ(StoreErrorOf([&] { store.AddInteger(upper, 2); }).code, 2);
    EXPECT_EQ(store.Count(), 2);
}

TEST(LumSettingsList, IndexOfAnswersTheFirstPositionOrFiveThousandOne) {
    TLumSettings store;
    EXPECT_EQ(store.IndexOf("X"), 5001);
    store.AddBoolean("X", false);
    store.AddBoolean("Y", true);
    EXPECT_EQ(store.IndexOf("x"), 0);
    EXPECT_EQ(store.IndexOf("y"), 1);
    EXPECT_EQ(store.IndexOf("Z"), 5001);
    EXPECT_TRUE(store.ParamExists("y"));
    EXPECT_FALSE(store.ParamExists("XY"));
}

TEST(LumSettingsList, OnlyStringNamesMayNotStartWithABracket) {
    TLumSettings store;
    const StoreError error = StoreErrorOf([&] { store.AddString("[SECTION]", "v"); });
    EXPECT_EQ(error.code, 3);
    EXPECT_EQ(error.message, "Restricted parameter name");
    EXPECT_EQ(store.Count(), 0);
    store.AddInteger("[SECTION]", 7);
    store.AddBoolean("[FLAG", true);
    store.AddString("A[B", "v");
    EXPECT_EQ(store.GetInteger("[section]"), 7);
    EXPECT_EQ(store.Count(), 3);
}

TEST(LumSettingsList, AnEmptyStringNameIsARangeErrorAndAddsNothing) {
    TLumSettings store;
    store.AddInteger("KEPT", 1);
    EXPECT_THROW(store.AddString("", "v"), ERangeError);
    EXPECT_EQ(store.Count(), 1);
    EXPECT_EQ(store.IndexOf(""), 5001);
}

TEST(LumSettingsList, GettersRefuseUnknownNamesAndOtherKinds) {
    TLumSettings store;
    store.AddString("S", "text");
    store.AddInteger("I", -5);
    store.AddBoolean("B", true);

    struct Case {
        const char* what;
        std::function<void()> get;
        int code;
    };
    const Case cases[] = {
        {"string of unknown", [&] { store.GetString("NONE"); }, 5},
        {"integer of unknown", [&] { store.GetInteger("NONE"); }, 5},
        {"boolean of unknown", [&] { store.GetBoolean("NONE"); }, 5},
        {"string of integer", [&] { store.GetString("I"); }, 6},
        {"string of boolean", [&] { store.GetString("B"); }, 6},
        {"integer of string", [&] { store.GetInteger("S"); }, 6},
        {"integer of boolean", [&] { store.GetInteger("B"); }, 6},
        {"boolean of string", [&] { store.GetBoolean("S"); }, 6},
        {"boolean of integer", [&] { store.GetBoolean("I"); }, 6},
    };
    for (const Case& c : cases) EXPECT_EQ(StoreErrorOf(c.get).code, c.code) << c.what;

    EXPECT_EQ(store.GetString("s"), "text");
    EXPECT_EQ(store.GetInteger("i"), -5);
    EXPECT_TRUE(store.GetBoolean("b"));
}

TEST(LumSettingsList, EveryCodeCarriesItsMessage) {
    const std::pair<LumErrorCode, const char*> table[] = {
        {kLumTooManyParams, "Parameter count cannot exceed 5000"},
        {kLumDuplicateName, "Parameter with the same name already exists"},
        {kLumRestrictedName, "Restricted parameter name"},
        {kLumIndexOutOfRange, "Index out of range"},
        {kLumNameNotFound, "Parameter name was not found"},
        {kLumWrongType, "Wrong parameter type"},
        {kLumEmptyList, "Parameters list is empty"},
        {kLumCannotCreate, "Cannot create settings file"},
        {kLumCannotOpen, "Cannot open settings file"},
        {kLumWrongPassword, "Password is incorrect"},
    };
    int expectedCode = 1;
    for (const auto& [code, message] : table) {
        const ELumSettingsError error(code);
        EXPECT_EQ(error.ErrorCode(), expectedCode++);
        EXPECT_STREQ(error.what(), message);
        EXPECT_NE(dynamic_cast<const Exception*>(&error), nullptr);
    }
}

TEST(LumSettingsList, AccessByPositionIsCheckedAndClearEmptiesTheList) {
    TLumSettings store;
    store.AddInteger("ONE", 1);
    store.AddInteger("TWO", 2);
    EXPECT_EQ(store.Param(1).IntValue, 2);
    for (int bad : {-1, 2, 5001}) EXPECT_EQ(StoreErrorOf([&] { store.Param(bad); }).code, 4) << bad;

    store.Clear();
    EXPECT_EQ(store.Count(), 0);
    EXPECT_FALSE(store.ParamExists("ONE"));
    store.AddBoolean("ONE", true);
    EXPECT_TRUE(store.GetBoolean("ONE"));
}
