#include "ui/ConfigBinding.h"

#include "ui/MainActions.h"

namespace {

template <typename Options>
struct BoundFlag {
    bool Options::*option;
    ActionId action;
};

// The rating type is no action: the options panel shows it.
constexpr BoundFlag<CountOptions> kCountFlags[] = {
    {&CountOptions::HiRating, ActionId::ActHiRating},
    {&CountOptions::SortByRating, ActionId::ActSortByRating},
    {&CountOptions::DepositScore, ActionId::ActDeposEnable},
};

constexpr BoundFlag<ProgramConfig> kOtherFlags[] = {
    {&ProgramConfig::GraphTable, ActionId::ActGraphTable},
    {&ProgramConfig::ShowSettingsPanel, ActionId::ActSett},
    {&ProgramConfig::AutoCount, ActionId::ActAutoCount},
    {&ProgramConfig::RemindUpdates, ActionId::ActRemindUpdates},
};

}  // namespace

void ApplyConfigFlags(const ProgramConfig& config, MainActions& actions) {
    ApplyTableOptions(config.Table, actions);
    for (const auto& flag : kCountFlags) actions.SetChecked(flag.action, config.Count.*flag.option);
    for (const auto& flag : kOtherFlags) actions.SetChecked(flag.action, config.*flag.option);
}

void CollectConfigFlags(const MainActions& actions, ProgramConfig& config) {
    config.Table = CollectTableOptions(actions);
    for (const auto& flag : kCountFlags) config.Count.*flag.option = actions.Checked(flag.action);
    for (const auto& flag : kOtherFlags) config.*flag.option = actions.Checked(flag.action);
}

void ApplyTableOptions(const TableOptions& options, MainActions& actions) {
    for (const DisplayOptionInfo& info : kDisplayOptions) actions.SetChecked(DisplayAction(info.option), options[info.option]);
}

TableOptions CollectTableOptions(const MainActions& actions) {
    TableOptions options;
    for (const DisplayOptionInfo& info : kDisplayOptions) options[info.option] = actions.Checked(DisplayAction(info.option));
    return options;
}
