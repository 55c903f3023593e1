// Names that must not repeat, compared without regard to letter case
// (Windows-1251 upper-casing, Cyrillic included). Each check reports the
// first pair in the order the windows name them: the lower first number
// ascending, then the higher one.
#pragma once

#include <optional>

class TVemoData;

// 1-based numbers of the pair.
struct NamePair {
    int first;
    int second;
    friend bool operator==(const NamePair&, const NamePair&) = default;
};

// Two tours without names are equal too.
std::optional<NamePair> FirstSameTourNames(const TVemoData& game);
std::optional<NamePair> FirstSameGroupNames(const TVemoData& game);
// Teams with both the same name and the same town; by team numbers.
std::optional<NamePair> FirstSameTeams(const TVemoData& game);
