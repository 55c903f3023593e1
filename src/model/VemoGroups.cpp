// Group operations: teams in view are all teams, or the teams whose group
// has the name of the current group.
#include "model/VemoData.h"

#include "base/Errors.h"

#include <algorithm>

TGroupData* TVemoData::GroupByIndex(int i) const {
    if (i < 0 || i >= GroupCount()) return nullptr;
    return FGroups[static_cast<std::size_t>(i)].get();
}

bool TVemoData::AddGroup(const TGroupData* group) {
    if (!group) return false;
    if (GroupCount() >= kMaxCount) throw ERangeError();
    FGroups.push_back(std::make_unique<TGroupData>(*group));
    return true;
}

TGroupData* TVemoData::GroupNamed(const std::string& name) {
    for (const auto& group : FGroups)
        if (group->Name == name) return group.get();
    const TGroupData added{name};
    AddGroup(&added);
    return FGroups.back().get();
}

bool TVemoData::DeleteGroup(int i) {
    const TGroupData* group = GroupByIndex(i);
    if (!group) return false;
    for (const auto& team : FTeams)
        if (team->Group() && team->Group()->Name == group->Name) team->SetGroup(nullptr);
    FGroups.erase(FGroups.begin() + i);
    // The current number stays and now names the next group; the view
    // follows that number at once rather than keeping the old members.
    if (FCurrentGroup > GroupCount()) SetCurrentGroup(0);
    else UpdateGroupTeams();
    return true;
}

bool TVemoData::SetCurrentGroup(int group) {
    if (group < 0 || group > GroupCount()) return false;
    FCurrentGroup = static_cast<uint16_t>(group);
    UpdateGroupTeams();
    return true;
}

void TVemoData::UpdateGroupTeams() {
    // Without a group in view the list is not read; keeping it empty means it
    // never refers to a team deleted in the meantime.
    FGroupTeams.clear();
    if (FCurrentGroup == 0) return;
    const TGroupData* current = GroupByIndex(FCurrentGroup - 1);
    if (!current) return;
    for (const auto& team : FTeams)
        if (team->Group() && team->Group()->Name == current->Name) FGroupTeams.push_back(team.get());
}

int TVemoData::GroupTeamCount(const TGroupData* group) const {
    return static_cast<int>(std::count_if(FTeams.begin(), FTeams.end(),
                                          [group](const auto& t) { return t->Group() == group; }));
}
