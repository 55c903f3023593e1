// Which option of Vemo.cfg is the checked state of which action of the
// main window, so that loading and saving the configuration walk one list.
#pragma once

#include "settings/ProgramConfig.h"

class MainActions;

// Checks every bound action as `config` says.
void ApplyConfigFlags(const ProgramConfig& config, MainActions& actions);
// Copies every bound action's checked state into `config`. The rating type
// is the options panel's; it is left alone.
void CollectConfigFlags(const MainActions& actions, ProgramConfig& config);

// The display options as their actions are checked, and back.
void ApplyTableOptions(const TableOptions& options, MainActions& actions);
TableOptions CollectTableOptions(const MainActions& actions);
