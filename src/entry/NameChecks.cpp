#include "entry/NameChecks.h"

#include "base/TransCodes.h"
#include "model/VemoData.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// The first pair (i < j, i ascending, then j) of equal keys, 0-based. For
// each key the next position with the same key, found from the end;
// the first position that has one gives the pair. A map instead of all
// pairs, so a hall of 500 teams costs nothing at OK.
template <class Key>
std::optional<std::pair<int, int>> FirstEqualPair(const std::vector<Key>& keys) {
    std::map<Key, int> laterPosition;
    std::vector<int> next(keys.size(), -1);
    for (int i = static_cast<int>(keys.size()) - 1; i >= 0; --i) {
        auto [found, inserted] = laterPosition.try_emplace(keys[static_cast<std::size_t>(i)], i);
        if (!inserted) {
            next[static_cast<std::size_t>(i)] = found->second;
            found->second = i;
        }
    }
    for (std::size_t i = 0; i < next.size(); ++i)
        if (next[i] >= 0) return std::pair{static_cast<int>(i), next[i]};
    return std::nullopt;
}

std::optional<NamePair> OneBased(std::optional<std::pair<int, int>> pair) {
    if (!pair) return std::nullopt;
    return NamePair{pair->first + 1, pair->second + 1};
}

}  // namespace

std::optional<NamePair> FirstSameTourNames(const TVemoData& game) {
    std::vector<std::string> keys;
    for (int i = 0; i < game.TourCount(); ++i) keys.push_back(TransCodes::UpperCase(game.TourName(i)));
    return OneBased(FirstEqualPair(keys));
}

std::optional<NamePair> FirstSameGroupNames(const TVemoData& game) {
    std::vector<std::string> keys;
    for (int i = 0; i < game.GroupCount(); ++i) keys.push_back(TransCodes::UpperCase(game.GroupByIndex(i)->Name));
    return OneBased(FirstEqualPair(keys));
}

std::optional<NamePair> FirstSameTeams(const TVemoData& game) {
    using Key = std::pair<std::string, std::string>;
    std::vector<Key> keys(static_cast<std::size_t>(game.TeamCount()));
    for (int i = 0; i < game.TeamCount(); ++i) {
        const TTeamData& team = *game.TeamByIndex(i);
        if (team.Number < 1 || team.Number > game.TeamCount()) continue;
        keys[static_cast<std::size_t>(team.Number - 1)] = {TransCodes::UpperCase(team.Name),
                                                           TransCodes::UpperCase(team.Town)};
    }
    return OneBased(FirstEqualPair(keys));
}
