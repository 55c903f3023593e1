// The program's options between runs, kept in Vemo.cfg beside the
// executable: the main window's display and counting options, the timer,
// the file association and the championship settings.
#pragma once

#include "base/CountOptions.h"
#include "settings/TableOptions.h"

#include <array>
#include <cstdint>
#include <string>

struct ProgramConfig {
    CountOptions Count;          // RATMINSK, HIRATING, SORTBYRATING, DEPOSIT
    TableOptions Table;          // each under its name in kDisplayOptions
    bool ShowSettingsPanel = true;  // OUTSETT
    bool AutoCount = true;       // AUTOCOUNT
    bool GraphTable = true;      // GRAPHTABLE
    bool AssociateFiles = true;  // ASSFILES
    bool PlayWarn = false;       // PLAYWARN
    bool PlayEnd = false;        // PLAYEND
    uint16_t TimerAll = 60;      // TIMERALL, seconds
    uint16_t TimerWarn = 10;     // TIMERWARN, seconds
    std::string WayWarn;         // WAYWARN: warning sound file
    std::string WayEnd;          // WAYEND: end sound file
    int32_t ExlGames = 2;        // EXLGAMES: mandatory championship games
    bool RemindUpdates = true;   // REMINDUPDATES
    std::string UserName;        // USER_NAME, kept as read
    std::array<int32_t, 10> PlacePoints{10, 6, 4, 3, 2, 1, 0, 0, 0, 0};  // PLACEPOINTS1..10
    bool CountChampByScore = false;  // COUNTCHAMPBYSCORE

    bool operator==(const ProgramConfig&) const = default;
};

class TLumSettings;

// The key that scrambles Vemo.cfg and tells it apart from other files.
extern const char* const kProgramKey;

// The configuration file's path in the program's directory (which ends
// with a separator).
std::string ConfigFilePath(const std::string& programDirectory);

// Reads `path` into `config` in the program's fixed order. When the file is
// missing the defaults are applied (USER_NAME and COUNTCHAMPBYSCORE keep
// their values) and false is returned. A damaged or foreign file throws
// (ELumSettingsError, ERangeError, EInOutError); the values read before the
// failing one are then already in `config`.
bool LoadProgramConfig(const std::string& path, ProgramConfig& config);

// Rewrites `path` whole, atomically. Store errors throw.
void SaveProgramConfig(const std::string& path, const ProgramConfig& config);

// The same two steps on a store the caller owns: applying a loaded store's
// parameters in the fixed order (throwing at the first missing or
// out-of-range one), and refilling a store with the 39 parameters.
void ReadProgramConfig(const TLumSettings& store, ProgramConfig& config);
void WriteProgramConfig(TLumSettings& store, const ProgramConfig& config);
