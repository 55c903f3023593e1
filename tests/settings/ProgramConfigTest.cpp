// The program configuration in Vemo.cfg: the defaults of a first start,
// the 39 parameters written and read back, the order in which a damaged
// file is applied up to its first fault, and the refusals.
#include "settings/LumSettings.h"
#include "settings/ProgramConfig.h"
#include "StoreError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using CopyField = void (*)(ProgramConfig& to, const ProgramConfig& from);

struct Parameter {
    const char* name;
    uint8_t kind;
    CopyField copy;
};

#define VEMO_PARAM(name, kind, field) \
    Parameter { name, kind, [](ProgramConfig& to, const ProgramConfig& from) { to.field = from.field; } }

// The parameters in the order of the file.
const Parameter kWritten[] = {
    VEMO_PARAM("RATMINSK", kLumBoolean, Count.RatingPlusOne),
    VEMO_PARAM("SORTING", kLumBoolean, Table[DisplayOption::Sorting]),
    VEMO_PARAM("HIRATING", kLumBoolean, Count.HiRating),
    VEMO_PARAM("SORTBYRATING", kLumBoolean, Count.SortByRating),
    VEMO_PARAM("OUTRATING", kLumBoolean, Table[DisplayOption::OutRating]),
    VEMO_PARAM("OUTQUEST", kLumBoolean, Table[DisplayOption::OutQuest]),
    VEMO_PARAM("OUTN", kLumBoolean, Table[DisplayOption::OutNTeam]),
    VEMO_PARAM("OUTTEAM", kLumBoolean, Table[DisplayOption::OutTeam]),
    VEMO_PARAM("OUTTOWN", kLumBoolean, Table[DisplayOption::OutTown]),
    VEMO_PARAM("OUTCAPT", kLumBoolean, Table[DisplayOption::OutCapt]),
    VEMO_PARAM("OUTCOACH", kLumBoolean, Table[DisplayOption::OutCoach]),
    VEMO_PARAM("OUTPLACE", kLumBoolean, Table[DisplayOption::OutPlace]),
    VEMO_PARAM("OUTSCORE", kLumBoolean, Table[DisplayOption::OutScore]),
    VEMO_PARAM("OUTSUMRAT", kLumBoolean, Table[DisplayOption::OutSumRating]),
    VEMO_PARAM("OUTSETT", kLumBoolean, ShowSettingsPanel),
    VEMO_PARAM("AUTOCOUNT", kLumBoolean, AutoCount),
    VEMO_PARAM("GRAPHTABLE", kLumBoolean, GraphTable),
    VEMO_PARAM("ASSFILES", kLumBoolean, AssociateFiles),
    VEMO_PARAM("PLAYWARN", kLumBoolean, PlayWarn),
    VEMO_PARAM("PLAYEND", kLumBoolean, PlayEnd),
    VEMO_PARAM("TIMERALL", kLumInteger, TimerAll),
    VEMO_PARAM("TIMERWARN", kLumInteger, TimerWarn),
    VEMO_PARAM("WAYWARN", kLumString, WayWarn),
    VEMO_PARAM("WAYEND", kLumString, WayEnd),
    VEMO_PARAM("EXLGAMES", kLumInteger, ExlGames),
    VEMO_PARAM("DEPOSIT", kLumBoolean, Count.DepositScore),
    VEMO_PARAM("REMINDUPDATES", kLumBoolean, RemindUpdates),
    VEMO_PARAM("USER_NAME", kLumString, UserName),
    VEMO_PARAM("PLACEPOINTS1", kLumInteger, PlacePoints[0]),
    VEMO_PARAM("PLACEPOINTS2", kLumInteger, PlacePoints[1]),
    VEMO_PARAM("PLACEPOINTS3", kLumInteger, PlacePoints[2]),
    VEMO_PARAM("PLACEPOINTS4", kLumInteger, PlacePoints[3]),
    VEMO_PARAM("PLACEPOINTS5", kLumInteger, PlacePoints[4]),
    VEMO_PARAM("PLACEPOINTS6", kLumInteger, PlacePoints[5]),
    VEMO_PARAM("PLACEPOINTS7", kLumInteger, PlacePoints[6]),
    VEMO_PARAM("PLACEPOINTS8", kLumInteger, PlacePoints[7]),
    VEMO_PARAM("PLACEPOINTS9", kLumInteger, PlacePoints[8]),
    VEMO_PARAM("PLACEPOINTS10", kLumInteger, PlacePoints[9]),
    VEMO_PARAM("COUNTCHAMPBYSCORE", kLumBoolean, CountChampByScore),
};

#undef VEMO_PARAM

// The order in which a loaded file is applied.
const char* const kApplied[] = {
    "RATMINSK", "SORTING", "HIRATING", "SORTBYRATING", "OUTRATING", "OUTQUEST", "OUTN", "OUTTEAM",
    "OUTTOWN", "OUTCAPT", "OUTCOACH", "OUTPLACE", "OUTSCORE", "OUTSUMRAT", "GRAPHTABLE", "ASSFILES",
    "DEPOSIT", "OUTSETT", "AUTOCOUNT", "PLAYWARN", "PLAYEND", "TIMERALL", "TIMERWARN", "WAYWARN",
    "WAYEND", "EXLGAMES", "COUNTCHAMPBYSCORE", "USER_NAME", "PLACEPOINTS1", "PLACEPOINTS2",
    "PLACEPOINTS3", "PLACEPOINTS4", "PLACEPOINTS5", "PLACEPOINTS6", "PLACEPOINTS7", "PLACEPOINTS8",
    "PLACEPOINTS9", "PLACEPOINTS10", "REMINDUPDATES",
};

const Parameter& ParameterNamed(std::string_view name) {
    return *std::find_if(std::begin(kWritten), std::end(kWritten), [&](const Parameter& p) { return p.name == name; });
}

bool Optional(std::string_view name) { return name == "USER_NAME" || name == "REMINDUPDATES"; }

// Every option away from its default.
ProgramConfig Changed() {
    ProgramConfig c;
    c.Count.RatingPlusOne = false;
    c.Table[DisplayOption::Sorting] = false;
    c.Count.HiRating = false;
    c.Count.SortByRating = true;
    c.Table[DisplayOption::OutRating] = false;
    c.Table[DisplayOption::OutQuest] = false;
    c.Table[DisplayOption::OutNTeam] = false;
    c.Table[DisplayOption::OutTeam] = false;
    c.Table[DisplayOption::OutTown] = false;
    c.Table[DisplayOption::OutCapt] = true;
    c.Table[DisplayOption::OutCoach] = true;
    c.Table[DisplayOption::OutPlace] = true;
    c.Table[DisplayOption::OutScore] = false;
    c.Table[DisplayOption::OutSumRating] = false;
    c.ShowSettingsPanel = false;
    c.AutoCount = false;
    c.GraphTable = false;
    c.AssociateFiles = false;
    c.PlayWarn = true;
    c.PlayEnd = true;
    c.TimerAll = 65535;
    c.TimerWarn = 0;
    c.WayWarn = "/home/scorer/\xe3\xee\xed\xe3.wav";
    c.WayEnd = "C:\\Sounds\\end.wav";
    c.ExlGames = -3;
    c.Count.DepositScore = true;
    c.RemindUpdates = false;
    c.UserName = "\xc8\xe2\xe0\xed \xcf\xe5\xf2\xf0\xee\xe2";
    c.PlacePoints = {25, 18, 15, 12, 10, 8, 6, 4, 2, 1};
    c.CountChampByScore = true;
    return c;
}

// The parameters a save of `config` writes, as a list the test can edit.
std::vector<TLumParam> ParamsOf(const ProgramConfig& config) {
    TLumSettings store;
    WriteProgramConfig(store, config);
    std::vector<TLumParam> params;
    for (int i = 0; i < store.Count(); ++i) params.push_back(store.Param(i));
    return params;
}

void SaveParams(const std::string& path, const std::vector<TLumParam>& params, std::string_view key = kProgramKey) {
    TLumSettings store;
    store.SetFileName(path);
    for (const TLumParam& p : params) {
        if (p.ParamType == kLumString) store.AddString(p.Name, p.StrValue);
        else if (p.ParamType == kLumInteger) store.AddInteger(p.Name, p.IntValue);
        else store.AddBoolean(p.Name, p.BoolValue);
    }
    store.SaveToFile(key);
}

std::vector<TLumParam> Without(std::vector<TLumParam> params, std::string_view name) {
    std::erase_if(params, [&](const TLumParam& p) { return p.Name == name; });
    return params;
}

std::vector<TLumParam> WithInteger(std::vector<TLumParam> params, std::string_view name, int32_t value) {
    for (TLumParam& p : params)
        if (p.Name == name) p.IntValue = value;
    return params;
}

class ProgramConfigFile : public ::testing::Test {
protected:
    TempDir FDir;
    std::string FPath = ConfigFilePath(FDir.Path().string());
};

}  // namespace

TEST_F(ProgramConfigFile, WithoutAFileTheDefaultsApplyButUserNameAndChampionshipModeStay) {
    ProgramConfig config = Changed();
    EXPECT_FALSE(LoadProgramConfig(FPath, config));

    ProgramConfig expected;
    expected.UserName = Changed().UserName;
    expected.CountChampByScore = true;
    EXPECT_EQ(config, expected);
    EXPECT_EQ(config.TimerAll, 60);
    EXPECT_EQ(config.ExlGames, 2);
    EXPECT_EQ(config.PlacePoints, (std::array<int32_t, 10>{10, 6, 4, 3, 2, 1, 0, 0, 0, 0}));
    EXPECT_TRUE(config.WayWarn.empty() && config.WayEnd.empty());
    EXPECT_FALSE(std::filesystem::exists(FPath));
}

TEST_F(ProgramConfigFile, All39ParametersAreWrittenInOrderAndReadBack) {
    // Every option is away from its default, so each one read shows.
    for (const Parameter& p : kWritten) {
        ProgramConfig one;
        p.copy(one, Changed());
        EXPECT_NE(one, ProgramConfig{}) << p.name << " keeps its default in the changed configuration";
    }

    SaveProgramConfig(FPath, Changed());
    TLumSettings file;
    file.SetFileName(FPath);
    file.LoadFromFile(kProgramKey);
    ASSERT_EQ(file.Count(), 39);
    for (int i = 0; i < 39; ++i) {
        EXPECT_EQ(file.Param(i).Name, kWritten[i].name) << i;
        EXPECT_EQ(file.Param(i).ParamType, kWritten[i].kind) << kWritten[i].name;
    }

    ProgramConfig loaded;
    EXPECT_TRUE(LoadProgramConfig(FPath, loaded));
    EXPECT_EQ(loaded, Changed());
}

TEST_F(ProgramConfigFile, EveryDisplayOptionIsKeptUnderItsOwnName) {
    for (const DisplayOptionInfo& info : kDisplayOptions) {
        ProgramConfig config;
        config.Table[info.option] = !info.byDefault;
        SaveProgramConfig(FPath, config);
        TLumSettings file;
        file.SetFileName(FPath);
        file.LoadFromFile(kProgramKey);
        EXPECT_EQ(file.GetBoolean(info.configName), !info.byDefault) << info.configName;
        ProgramConfig loaded;
        LoadProgramConfig(FPath, loaded);
        EXPECT_EQ(loaded, config) << info.configName;
    }
}

TEST_F(ProgramConfigFile, SavingRewritesTheWholeFile) {
    SaveProgramConfig(FPath, Changed());
    SaveProgramConfig(FPath, ProgramConfig{});
    ProgramConfig loaded = Changed();
    EXPECT_TRUE(LoadProgramConfig(FPath, loaded));
    EXPECT_EQ(loaded, ProgramConfig{});
}

TEST_F(ProgramConfigFile, UserNameAndRemindUpdatesMayBeMissing) {
    SaveParams(FPath, Without(Without(ParamsOf(Changed()), "USER_NAME"), "REMINDUPDATES"));
    ProgramConfig loaded;
    loaded.UserName = "kept";
    EXPECT_TRUE(LoadProgramConfig(FPath, loaded));

    ProgramConfig expected = Changed();
    expected.UserName = "kept";
    expected.RemindUpdates = ProgramConfig{}.RemindUpdates;
    EXPECT_EQ(loaded, expected);
}

TEST_F(ProgramConfigFile, AnyOtherMissingParameterStopsTheLoadWhereItIsApplied) {
    for (std::size_t failing = 0; failing < std::size(kApplied); ++failing) {
        const std::string_view missing = kApplied[failing];
        if (Optional(missing)) continue;
        SaveParams(FPath, Without(ParamsOf(Changed()), missing));

        ProgramConfig loaded;
        const StoreError error = StoreErrorOf([&] { LoadProgramConfig(FPath, loaded); });
        EXPECT_EQ(error.code, 5) << missing;
        EXPECT_EQ(error.message, "Parameter name was not found") << missing;
        ProgramConfig expected;
        for (std::size_t i = 0; i < failing; ++i) ParameterNamed(kApplied[i]).copy(expected, Changed());
        EXPECT_EQ(loaded, expected) << "the options before " << missing << " are not exactly those applied";
    }
}

TEST_F(ProgramConfigFile, TimerSecondsOutsideSixteenBitsAreARangeError) {
    struct Case {
        const char* name;
        int32_t value;
    };
    for (const Case& c : {Case{"TIMERALL", 70000}, Case{"TIMERALL", -1}, Case{"TIMERWARN", 65536},
                          Case{"TIMERWARN", INT32_MIN}}) {
        SaveParams(FPath, WithInteger(ParamsOf(Changed()), c.name, c.value));
        ProgramConfig loaded;
        EXPECT_THROW(LoadProgramConfig(FPath, loaded), ERangeError) << c.name << ' ' << c.value;
        EXPECT_EQ(loaded.PlayEnd, Changed().PlayEnd) << "the options before the timer were not applied";
        EXPECT_EQ(loaded.WayWarn, ProgramConfig{}.WayWarn) << "the load went on past " << c.name;
    }

    SaveParams(FPath, WithInteger(WithInteger(ParamsOf(Changed()), "TIMERALL", 65535), "TIMERWARN", 0));
    ProgramConfig loaded;
    EXPECT_TRUE(LoadProgramConfig(FPath, loaded));
    EXPECT_EQ(loaded.TimerAll, 65535);
    EXPECT_EQ(loaded.TimerWarn, 0);
}

TEST_F(ProgramConfigFile, AFileOfAnotherKeyIsRefusedBeforeAnythingIsApplied) {
    SaveParams(FPath, ParamsOf(Changed()), "Vemo 2008");
    ProgramConfig loaded;
    EXPECT_EQ(StoreErrorOf([&] { LoadProgramConfig(FPath, loaded); }).code, 10);
    EXPECT_EQ(loaded, ProgramConfig{});
}

TEST_F(ProgramConfigFile, AParameterOfAnotherKindIsRefused) {
    std::vector<TLumParam> params = ParamsOf(Changed());
    for (TLumParam& p : params)
        if (p.Name == "EXLGAMES") {
            p.ParamType = kLumString;
            p.StrValue = "2";
        }
    SaveParams(FPath, params);
    ProgramConfig loaded;
    EXPECT_EQ(StoreErrorOf([&] { LoadProgramConfig(FPath, loaded); }).code, 6);
    EXPECT_EQ(loaded.WayEnd, Changed().WayEnd);
    EXPECT_FALSE(loaded.CountChampByScore) << "the load went on past EXLGAMES";
}

TEST_F(ProgramConfigFile, ASaveThatCannotCreateItsFileIsCodeEightAndKeepsTheOldFile) {
    // The new file is written beside the old one under a longer name, which
    // the longest name a folder can hold leaves no room for.
    SaveProgramConfig(FPath, Changed());
    const std::string before = ReadBytes(FPath);
    const std::string longest = FDir.File(std::string(251, 'c') + ".cfg");
    WriteBytes(longest, before);

    for (const std::string& path : {longest, FDir.Path().string(), FDir.File("missing/Vemo.cfg")}) {
        const StoreError error = StoreErrorOf([&] { SaveProgramConfig(path, ProgramConfig{}); });
        EXPECT_EQ(error.code, 8) << path;
        EXPECT_EQ(error.message, "Cannot create settings file") << path;
    }
    EXPECT_EQ(ReadBytes(longest), before);
    ProgramConfig loaded;
    EXPECT_TRUE(LoadProgramConfig(longest, loaded));
    EXPECT_EQ(loaded, Changed());
}
