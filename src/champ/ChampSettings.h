// How a championship is counted: the championship window's three settings,
// kept in the configuration (PLACEPOINTS1..10, EXLGAMES, COUNTCHAMPBYSCORE)
// and edited by its settings dialog. A new object holds the configuration's
// defaults.
#pragma once

#include "settings/ProgramConfig.h"

#include <array>
#include <cstdint>

struct ChampSettings {
    // Points for places 1 to 10 in one game; places beyond 10 bring none.
    std::array<int32_t, 10> PlacePoints = ProgramConfig{}.PlacePoints;
    // Obligatory games: in score mode only each team's best ExlGames games count.
    int32_t ExlGames = ProgramConfig{}.ExlGames;
    // True: by the sums of scores and ratings; false: by the sums of place points.
    bool CountByScore = ProgramConfig{}.CountChampByScore;

    bool operator==(const ChampSettings&) const = default;
};

// The championship settings `config` holds, and back.
ChampSettings ChampSettingsOf(const ProgramConfig& config);
void StoreChampSettings(const ChampSettings& settings, ProgramConfig& config);
