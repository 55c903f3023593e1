#include "settings/ProgramConfig.h"

#include "base/FileIO.h"
#include "settings/LumSettings.h"

#include <algorithm>
#include <filesystem>
#include <limits>

const char* const kProgramKey = "VeMo 2007";

namespace {

using FlagField = bool& (*)(ProgramConfig&);

struct FlagParameter {
    std::string_view name;
    FlagField field;
};

// The flags besides the display options, whose names kDisplayOptions gives.
constexpr FlagParameter kOtherFlags[] = {
    {"RATMINSK", [](ProgramConfig& c) -> bool& { return c.Count.RatingPlusOne; }},
    {"HIRATING", [](ProgramConfig& c) -> bool& { return c.Count.HiRating; }},
    {"SORTBYRATING", [](ProgramConfig& c) -> bool& { return c.Count.SortByRating; }},
    {"DEPOSIT", [](ProgramConfig& c) -> bool& { return c.Count.DepositScore; }},
    {"GRAPHTABLE", [](ProgramConfig& c) -> bool& { return c.GraphTable; }},
    {"ASSFILES", [](ProgramConfig& c) -> bool& { return c.AssociateFiles; }},
    {"OUTSETT", [](ProgramConfig& c) -> bool& { return c.ShowSettingsPanel; }},
    {"AUTOCOUNT", [](ProgramConfig& c) -> bool& { return c.AutoCount; }},
    {"PLAYWARN", [](ProgramConfig& c) -> bool& { return c.PlayWarn; }},
    {"PLAYEND", [](ProgramConfig& c) -> bool& { return c.PlayEnd; }},
};

// The display and counting flags in the order Load applies them: the
// counting options first, then the columns, the grid, the association,
// the deposit, and the panel, the automatic count and the timer's sounds.
constexpr std::string_view kAppliedFlags[] = {
    "RATMINSK", "SORTING", "HIRATING", "SORTBYRATING", "OUTRATING", "OUTQUEST", "OUTN",
    "OUTTEAM", "OUTTOWN", "OUTCAPT", "OUTCOACH", "OUTPLACE", "OUTSCORE", "OUTSUMRAT",
    "GRAPHTABLE", "ASSFILES", "DEPOSIT", "OUTSETT", "AUTOCOUNT", "PLAYWARN", "PLAYEND",
};

// The flags that open the file, in the order they are written.
constexpr std::string_view kLeadingWrittenFlags[] = {
    "RATMINSK", "SORTING", "HIRATING", "SORTBYRATING", "OUTRATING", "OUTQUEST", "OUTN",
    "OUTTEAM", "OUTTOWN", "OUTCAPT", "OUTCOACH", "OUTPLACE", "OUTSCORE", "OUTSUMRAT",
    "OUTSETT", "AUTOCOUNT", "GRAPHTABLE", "ASSFILES", "PLAYWARN", "PLAYEND",
};

constexpr const char* kUserName = "USER_NAME";
constexpr const char* kRemindUpdates = "REMINDUPDATES";

bool& Flag(ProgramConfig& config, std::string_view name) {
    for (const DisplayOptionInfo& info : kDisplayOptions)
        if (info.configName == name) return config.Table[info.option];
    const auto found = std::find_if(std::begin(kOtherFlags), std::end(kOtherFlags),
                                    [name](const FlagParameter& flag) { return flag.name == name; });
    return found->field(config);
}

std::string PlacePointsName(std::size_t place) { return "PLACEPOINTS" + std::to_string(place); }

// The timer keeps its seconds in 16 bits; a wider value is refused rather
// than cut.
uint16_t TimerSeconds(const TLumSettings& store, std::string_view name) {
    const int32_t seconds = store.GetInteger(name);
    if (seconds < 0 || seconds > std::numeric_limits<uint16_t>::max()) throw ERangeError();
    return static_cast<uint16_t>(seconds);
}

// The user name and the championship's counting mode are not options of a
// first start: they stay as the running program has them.
void ApplyDefaults(ProgramConfig& config) {
    ProgramConfig defaults;
    defaults.UserName = std::move(config.UserName);
    defaults.CountChampByScore = config.CountChampByScore;
    config = std::move(defaults);
}

}  // namespace

void ReadProgramConfig(const TLumSettings& store, ProgramConfig& config) {
    for (std::string_view name : kAppliedFlags) Flag(config, name) = store.GetBoolean(name);
    config.TimerAll = TimerSeconds(store, "TIMERALL");
    config.TimerWarn = TimerSeconds(store, "TIMERWARN");
    config.WayWarn = store.GetString("WAYWARN");
    config.WayEnd = store.GetString("WAYEND");
    config.ExlGames = store.GetInteger("EXLGAMES");
    config.CountChampByScore = store.GetBoolean("COUNTCHAMPBYSCORE");
    if (store.ParamExists(kUserName)) config.UserName = store.GetString(kUserName);
    for (std::size_t i = 0; i < config.PlacePoints.size(); ++i)
        config.PlacePoints[i] = store.GetInteger(PlacePointsName(i + 1));
    if (store.ParamExists(kRemindUpdates)) config.RemindUpdates = store.GetBoolean(kRemindUpdates);
}

void WriteProgramConfig(TLumSettings& store, const ProgramConfig& config) {
    store.Clear();
    ProgramConfig flags = config;  // Flag() hands out the fields to write them as well
    for (std::string_view name : kLeadingWrittenFlags) store.AddBoolean(name, Flag(flags, name));
    store.AddInteger("TIMERALL", config.TimerAll);
    store.AddInteger("TIMERWARN", config.TimerWarn);
    store.AddString("WAYWARN", config.WayWarn);
    store.AddString("WAYEND", config.WayEnd);
    store.AddInteger("EXLGAMES", config.ExlGames);
    store.AddBoolean("DEPOSIT", Flag(flags, "DEPOSIT"));
    store.AddBoolean(kRemindUpdates, config.RemindUpdates);
    store.AddString(kUserName, config.UserName);
    for (std::size_t i = 0; i < config.PlacePoints.size(); ++i)
        store.AddInteger(PlacePointsName(i + 1), config.PlacePoints[i]);
    store.AddBoolean("COUNTCHAMPBYSCORE", config.CountChampByScore);
}

std::string ConfigFilePath(const std::string& programDirectory) {
    return (std::filesystem::path(programDirectory) / "Vemo.cfg").string();
}

bool LoadProgramConfig(const std::string& path, ProgramConfig& config) {
    if (!FileIO::FileExists(path)) {
        ApplyDefaults(config);
        return false;
    }
    TLumSettings store;
    store.SetFileName(path);
    store.LoadFromFile(kProgramKey);
    ReadProgramConfig(store, config);
    return true;
}

void SaveProgramConfig(const std::string& path, const ProgramConfig& config) {
    TLumSettings store;
    store.SetFileName(path);
    WriteProgramConfig(store, config);
    store.SaveToFile(kProgramKey);
}
