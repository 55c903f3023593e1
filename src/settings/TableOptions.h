// What the game table shows: the order of its rows, the header row of the
// question ratings and the team columns. kDisplayOptions is the one list of
// these options: Vemo.cfg keeps each under its name, the main window binds
// each to its action ("Act" + name) and the table's columns look them up.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

enum class DisplayOption {
    Sorting,       // rows in the order of the last count, else by team number
    OutQuest,      // the column of taken questions
    OutRating,     // a second header row with the question ratings
    OutNTeam,
    OutTeam,
    OutTown,
    OutCapt,
    OutCoach,
    OutPlace,
    OutScore,
    OutSumRating,
};

struct DisplayOptionInfo {
    DisplayOption option;
    std::string_view name;        // the option's name in the program: "OutTown"
    std::string_view configName;  // its parameter in Vemo.cfg: "OUTTOWN"
    bool byDefault;
};

inline constexpr DisplayOptionInfo kDisplayOptions[] = {
    {DisplayOption::Sorting, "Sorting", "SORTING", true},
    {DisplayOption::OutQuest, "OutQuest", "OUTQUEST", true},
    {DisplayOption::OutRating, "OutRating", "OUTRATING", true},
    {DisplayOption::OutNTeam, "OutNTeam", "OUTN", true},
    {DisplayOption::OutTeam, "OutTeam", "OUTTEAM", true},
    {DisplayOption::OutTown, "OutTown", "OUTTOWN", true},
    {DisplayOption::OutCapt, "OutCapt", "OUTCAPT", false},
    {DisplayOption::OutCoach, "OutCoach", "OUTCOACH", false},
    {DisplayOption::OutPlace, "OutPlace", "OUTPLACE", false},
    {DisplayOption::OutScore, "OutScore", "OUTSCORE", true},
    {DisplayOption::OutSumRating, "OutSumRating", "OUTSUMRAT", true},
};

inline constexpr std::size_t kDisplayOptionCount = std::size(kDisplayOptions);

// Each option's row sits at the option's own index.
constexpr bool DisplayOptionsInOrder() {
    for (std::size_t i = 0; i < kDisplayOptionCount; ++i)
        if (static_cast<std::size_t>(kDisplayOptions[i].option) != i) return false;
    return true;
}
static_assert(DisplayOptionsInOrder());

// Every display option on or off; a new object has each as by default.
class TableOptions {
public:
    TableOptions() {
        for (const DisplayOptionInfo& info : kDisplayOptions) (*this)[info.option] = info.byDefault;
    }

    bool operator[](DisplayOption option) const { return FOn[static_cast<std::size_t>(option)]; }
    bool& operator[](DisplayOption option) { return FOn[static_cast<std::size_t>(option)]; }

    bool operator==(const TableOptions&) const = default;

private:
    std::array<bool, kDisplayOptionCount> FOn{};
};
