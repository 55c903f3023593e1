// How a championship is counted: the championship window's three settings,
// kept in the configuration (PLACEPOINTS1..10, EXLGAMES, COUNTCHAMPBYSCORE)
// and edited by its settings dialog. The defaults are the configuration's.
#pragma once

#include <array>
#include <cstdint>

struct ChampSettings {
    // Points for places 1 to 10 in one game; places beyond 10 bring none.
    std::array<int32_t, 10> PlacePoints{10, 6, 4, 3, 2, 1, 0, 0, 0, 0};
    // Obligatory games: in score mode only each team's best ExlGames games count.
    int32_t ExlGames = 2;
    // True: by the sums of scores and ratings; false: by the sums of place points.
    bool CountByScore = false;

    bool operator==(const ChampSettings&) const = default;
};
