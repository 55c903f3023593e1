// The commands of the main window, one id each. The order is the order of
// the action table, so an id is also an index into it.
#pragma once

#include "settings/TableOptions.h"

enum class ActionId {
    ActNew,
    ActOpenFile,
    ActSaveFile,
    ActSaveAsFile,
    ActMix,
    ActChamp,
    ActAss,
    ActRemindUpdates,
    ActExit,
    ActSett,
    ActSorting,
    ActOutQuest,
    ActOutRating,
    ActOutNTeam,
    ActOutTeam,
    ActOutTown,
    ActOutCapt,
    ActOutCoach,
    ActOutPlace,
    ActOutScore,
    ActOutSumRating,
    ActGraphTable,
    ActUndo,
    ActRedo,
    ActRegister,
    ActDigEnter,
    ActAllPlus,
    ActAllMinus,
    ActInverse,
    ActDeposit,
    ActAutoCount,
    ActHiRating,
    ActSortByRating,
    ActDeposEnable,
    ActCount,
    ActScrResults,
    ActOutResult,
    ActPublish,
    ActStatTeam,
    ActStatAll,
    ActTimerSett,
    ActTimerStart,
    ActTimerStop,
    ActHelp,
    ActAbout,
};

inline constexpr int kActionCount = static_cast<int>(ActionId::ActAbout) + 1;

// The display options' actions stand in the order of kDisplayOptions, from
// ActSorting on, so an option's action is found by its index.
constexpr ActionId DisplayAction(DisplayOption option) {
    return static_cast<ActionId>(static_cast<int>(ActionId::ActSorting) + static_cast<int>(option));
}
static_assert(DisplayAction(DisplayOption::OutSumRating) == ActionId::ActOutSumRating);
