#include "ui/ConfigBinding.h"

#include "ui/MainActions.h"

namespace {

struct BoundFlag {
    bool ProgramConfig::*option;
    ActionId action;
};

constexpr BoundFlag kBoundFlags[] = {
    {&ProgramConfig::Sorting, ActionId::ActSorting},
    {&ProgramConfig::HiRating, ActionId::ActHiRating},
    {&ProgramConfig::SortByRating, ActionId::ActSortByRating},
    {&ProgramConfig::OutRating, ActionId::ActOutRating},
    {&ProgramConfig::OutQuest, ActionId::ActOutQuest},
    {&ProgramConfig::OutNTeam, ActionId::ActOutNTeam},
    {&ProgramConfig::OutTeam, ActionId::ActOutTeam},
    {&ProgramConfig::OutTown, ActionId::ActOutTown},
    {&ProgramConfig::OutCapt, ActionId::ActOutCapt},
    {&ProgramConfig::OutCoach, ActionId::ActOutCoach},
    {&ProgramConfig::OutPlace, ActionId::ActOutPlace},
    {&ProgramConfig::OutScore, ActionId::ActOutScore},
    {&ProgramConfig::OutSumRating, ActionId::ActOutSumRating},
    {&ProgramConfig::GraphTable, ActionId::ActGraphTable},
    {&ProgramConfig::Deposit, ActionId::ActDeposEnable},
    {&ProgramConfig::ShowSettingsPanel, ActionId::ActSett},
    {&ProgramConfig::AutoCount, ActionId::ActAutoCount},
    {&ProgramConfig::RemindUpdates, ActionId::ActRemindUpdates},
};

}  // namespace

void ApplyConfigFlags(const ProgramConfig& config, MainActions& actions) {
    for (const BoundFlag& flag : kBoundFlags) actions.SetChecked(flag.action, config.*flag.option);
}

void CollectConfigFlags(const MainActions& actions, ProgramConfig& config) {
    for (const BoundFlag& flag : kBoundFlags) config.*flag.option = actions.Checked(flag.action);
}
